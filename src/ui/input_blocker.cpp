#include "ui/input_blocker.h"

#include <QApplication>
#include <QEvent>
#include <QShortcut>
#include <QWidget>

namespace wl3::ui {

InputBlocker::InputBlocker(QWidget& window) : window_(window) {
    qApp->installEventFilter(this);
}

InputBlocker::~InputBlocker() {
    qApp->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu: {
        // A shortcut's own object is no widget; it belongs to the window that made it.
        QObject* owner = qobject_cast<QShortcut*>(watched) != nullptr ? watched->parent() : watched;
        const auto* widget = qobject_cast<QWidget*>(owner);
        return widget != nullptr && widget->window() == &window_;
    }
    default:
        return false;
    }
}

} // namespace wl3::ui
