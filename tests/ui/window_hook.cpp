// Drives the real window program from within, for window_signals_test. The toolkit loads a
// library of this name into a program started with QT_LOAD_TESTABILITY set (its own hook
// for test drivers) and calls qt_testability_init, so the program is the one users run.
// The environment says what to do: WL3_HOOK_TYPE is typed into the Callsign field, then
// the button named WL3_HOOK_PRESS is pressed. On stdout, a line each, the hook tells the
// test what the window shows: an exchange's phase once its bytes move ("Writing the
// configuration"), and "box" once a message box is open.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <set>

namespace {

class WindowHook : public QObject {
public:
    WindowHook() : QObject(QCoreApplication::instance()) {
        connect(&timer_, &QTimer::timeout, this, &WindowHook::look);
        timer_.start(10);
    }

private:
    void look() {
        if (!pressed_) {
            press();
            return;
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible()) {
                continue;
            }
            if (qobject_cast<QMessageBox*>(widget) != nullptr) {
                tell(QStringLiteral("box"));
            }
            const auto* bar = widget->findChild<QProgressBar*>(QStringLiteral("bytes"));
            const auto* phase = widget->findChild<QLabel*>(QStringLiteral("phase"));
            if (bar != nullptr && phase != nullptr && bar->value() > 0) {
                tell(phase->text());
            }
        }
    }

    // Queued, so that the command's own event loop does not run inside this timer's call.
    void press() {
        const QString name = qEnvironmentVariable("WL3_HOOK_PRESS");
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* button = widget->findChild<QPushButton*>(name);
            if (!widget->isVisible() || button == nullptr) {
                continue;
            }
            if (const QString typed = qEnvironmentVariable("WL3_HOOK_TYPE"); !typed.isEmpty()) {
                auto* callsign = widget->findChild<QLineEdit*>(QStringLiteral("callsign"));
                callsign->selectAll();
                callsign->insert(typed);
            }
            QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
            pressed_ = true;
            return;
        }
    }

    void tell(const QString& line) {
        if (told_.insert(line).second) {
            std::printf("%s\n", qPrintable(line));
            std::fflush(stdout);
        }
    }

    QTimer timer_;
    bool pressed_ = false;
    std::set<QString> told_;
};

} // namespace

extern "C" Q_DECL_EXPORT void qt_testability_init() {
    new WindowHook;
}
