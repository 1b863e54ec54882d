#include "ui/tone_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QScopedValueRollback>

namespace wl3::ui {

namespace {

// The amber that desktops use for warnings, mixed into the window's own background so that
// the text keeps its contrast in a light and in a dark theme.
constexpr QColor kWarningAmber{0xf6, 0x74, 0x00};
constexpr double kAmberShare = 0.35;

QColor mixed(const QColor& base, const QColor& tint, double share) {
    return QColor::fromRgbF(float(base.redF() * (1 - share) + tint.redF() * share),
                            float(base.greenF() * (1 - share) + tint.greenF() * share),
                            float(base.blueF() * (1 - share) + tint.blueF() * share));
}

// An alert rather than a static text, which a screen reader speaks as it appears.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::AlertMessage) {}
};

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    if (auto* notice = qobject_cast<ToneNotice*>(object)) {
        return new NoticeAccessible(notice);
    }
    return nullptr;
}

} // namespace

ToneNotice::ToneNotice(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAutoFillBackground(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    followPalette();
    hide();
}

void ToneNotice::showNotice(const QString& text) {
    const bool changed = text != this->text() || isVisible() == text.isEmpty();
    setText(text);
    setAccessibleName(text);
    setVisible(!text.isEmpty());
    if (changed && !text.isEmpty()) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void ToneNotice::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !settingPalette_) {
        followPalette();
    }
}

void ToneNotice::followPalette() {
    const QPalette window = parentWidget() != nullptr ? parentWidget()->palette() : palette();
    QPalette own = palette();
    own.setColor(QPalette::Window,
                 mixed(window.color(QPalette::Window), kWarningAmber, kAmberShare));
    own.setColor(QPalette::WindowText, window.color(QPalette::WindowText));
    const QScopedValueRollback guard(settingPalette_, true);
    setPalette(own);
}

} // namespace wl3::ui
