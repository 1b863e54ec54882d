#include "ui/about_dialog.h"

#include "ui/app_icon.h"
#include "ui/dialog_builder.h"
#include "ui/fitted_layout.h"
#include "ui/window_font.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <vector>

namespace wl3::ui {

namespace {

constexpr DuRect kClientSize{0, 0, 217, 55};
constexpr DuRect kIconPosition{11, 17, 0, 0};
constexpr int kIconSizePx = 32;
constexpr DuRect kVersionRect{61, 10, 100, 8};
constexpr DuRect kCopyrightRect{45, 25, 145, 8};
constexpr DuRect kOkRect{178, 7, 32, 14};
// Beside the button's text, its bevel, in pixels.
constexpr int kButtonMargins = 4;

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    //: The About box's title. "WrenlinkIIConfig" is kept on purpose beside "Wrenlink3Config":
    //: users know the item by that name.
    setWindowTitle(tr("About WrenlinkIIConfig"));
    setFont(windowFont());
    const BaseUnits units = baseUnitsOf(font());
    const QString version = tr("Wrenlink3Config Version %1").arg(QStringLiteral("1.00"));
    const QString copyright = tr("Copyright (C) 2026 Wrenlink3Config authors");
    const QString okText = tr("OK");
    // A translation longer than the English widens its text, and the box with it.
    const QFontMetrics metrics(font());
    const auto need = [&](const QString& text, const char* english, int beside) {
        return text == QLatin1String(english)
                   ? 0
                   : pixelsToDuX(metrics.horizontalAdvance(text) + beside, units);
    };
    const std::vector<DuRect> fitted = fitLayout({
        {kVersionRect, need(version, "Wrenlink3Config Version 1.00", 0)},
        {kCopyrightRect, need(copyright, "Copyright (C) 2026 Wrenlink3Config authors", 0)},
        {kOkRect, need(okText, "OK", kButtonMargins)},
        {kClientSize, 0, Growth::Rightward, true},
    });
    setFixedSize(duToPixels(fitted[3], units).size());
    const DialogBuilder builder(*this, units);

    // An icon picture takes the size of its icon, whatever its rectangle.
    auto* icon = new QLabel(this);
    icon->setPixmap(appIcon().pixmap(kIconSizePx, kIconSizePx));
    icon->setGeometry(QStyle::visualRect(
        layoutDirection(), rect(),
        QRect(duToPixels(kIconPosition, units).topLeft(), QSize(kIconSizePx, kIconSizePx))));

    builder.addStaticText(version, fitted[0], Qt::AlignLeft);
    builder.addStaticText(copyright, fitted[1], Qt::AlignLeft);
    QPushButton* ok = builder.addPushButton(okText, fitted[2]);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutDialog::entryText() {
    //: The menu item that opens the About box; "WrenlinkIIConfig" is kept on purpose.
    return tr("&About WrenlinkIIConfig...");
}

} // namespace wl3::ui
