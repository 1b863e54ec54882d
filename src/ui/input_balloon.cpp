#include "ui/input_balloon.h"

#include <QAccessible>
#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <chrono>

namespace wl3::ui {

namespace {

// As long as a tooltip of a few words stays up.
constexpr std::chrono::seconds kShownFor{10};

} // namespace

InputBalloon::InputBalloon(QWidget& edit)
    : QLabel(&edit, Qt::ToolTip), edit_(edit), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("inputBalloon"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    timer_->setSingleShot(true);
    timer_->setInterval(kShownFor);
    connect(timer_, &QTimer::timeout, this, &QWidget::hide);
    edit.installEventFilter(this);
}

void InputBalloon::showBeneath(QWidget& edit, const QString& text) {
    auto* balloon = edit.findChild<InputBalloon*>(QString(), Qt::FindDirectChildrenOnly);
    if (balloon == nullptr) {
        balloon = new InputBalloon(edit);
    }
    balloon->showText(text);
}

// Beneath the edit, from its leading edge, and on its screen.
void InputBalloon::showText(const QString& text) {
    setText(text);
    adjustSize();
    const bool rightToLeft = edit_.layoutDirection() == Qt::RightToLeft;
    QPoint place =
        edit_.mapToGlobal(QPoint(rightToLeft ? edit_.width() - width() : 0, edit_.height()));
    if (const QScreen* screen = edit_.screen()) {
        const QRect room = screen->availableGeometry();
        place.setX(
            std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - width())));
        if (place.y() + height() > room.bottom()) {
            place.setY(edit_.mapToGlobal(QPoint(0, 0)).y() - height());
        }
    }
    move(place);
    show();
    raise();
    timer_->start();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// The key that brought the balloon has been pressed already; the next one takes it away.
bool InputBalloon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &edit_ && isVisible()) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::FocusOut:
        case QEvent::Hide:
        case QEvent::MouseButtonPress:
            hide();
            break;
        default:
            break;
        }
    }
    return false;
}

} // namespace wl3::ui
