#include "ui/unanswered_boxes.h"

#include "ui/progress_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QList>

namespace wl3::ui {

namespace {

QDialog* asBox(QObject* object, const QWidget& window) {
    auto* box = qobject_cast<QDialog*>(object);
    const bool isBox = box != nullptr && box != &window && box->isWindow() &&
                       qobject_cast<ProgressDialog*>(box) == nullptr;
    return isBox ? box : nullptr;
}

QList<QDialog*> openBoxes(const QWidget& window) {
    QList<QDialog*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (QDialog* box = asBox(widget, window); box != nullptr && box->isVisible()) {
            open.append(box);
        }
    }
    return open;
}

} // namespace

UnansweredBoxes::UnansweredBoxes(QWidget& window) : QObject(&window), window_(window) {
    for (QDialog* box : openBoxes(window)) {
        box->reject();
    }
    qApp->installEventFilter(this);
}

UnansweredBoxes::~UnansweredBoxes() {
    qApp->removeEventFilter(this);
}

bool UnansweredBoxes::anyOpen(const QWidget& window) {
    return !openBoxes(window).isEmpty();
}

// A box that shows has not begun waiting for its answer yet: it is closed once it waits.
bool UnansweredBoxes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (QDialog* box = asBox(watched, window_)) {
            QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
        }
    }
    return false;
}

} // namespace wl3::ui
