#include "ui/about_dialog.h"

#include "ui/app_icon.h"
#include "ui/dialog_builder.h"
#include "ui/window_font.h"

#include <QLabel>
#include <QPushButton>

namespace wl3::ui {

namespace {

constexpr DuRect kClientSize{0, 0, 217, 55};
constexpr DuRect kIconPosition{11, 17, 0, 0};
constexpr int kIconSizePx = 32;

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    // "WrenlinkIIConfig" in the title and the menu item is kept on purpose
    // beside "Wrenlink3Config" in the box: users know the item by that name.
    setWindowTitle(QStringLiteral("About WrenlinkIIConfig"));
    setFont(windowFont());
    const DialogBuilder builder(*this, baseUnitsOf(font()));
    setFixedSize(duToPixels(kClientSize, builder.units()).size());

    // An icon picture takes the size of its icon, whatever its rectangle.
    auto* icon = new QLabel(this);
    icon->setPixmap(appIcon().pixmap(kIconSizePx, kIconSizePx));
    icon->setGeometry(QRect(duToPixels(kIconPosition, builder.units()).topLeft(),
                            QSize(kIconSizePx, kIconSizePx)));

    builder.addStaticText("Wrenlink3Config Version 1.00", {61, 10, 100, 8}, Qt::AlignLeft);
    builder.addStaticText("Copyright (C) 2026 Wrenlink3Config authors", {45, 25, 145, 8},
                          Qt::AlignLeft);
    QPushButton* ok = builder.addPushButton("OK", {178, 7, 32, 14});
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace wl3::ui
