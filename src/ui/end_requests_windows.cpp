#include "ui/end_requests.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <utility>
#include <windows.h>

namespace wl3::ui {

namespace {

// On the GUI thread only: the watcher that answers, if one lives.
class EndSessionFilter;
EndSessionFilter* watcher = nullptr;

// WM_QUERYENDSESSION reaches the application as the session manager's commitDataRequest;
// WM_ENDSESSION follows, after which Windows may end the program at any moment. A console,
// should the window have one, asks through its handler instead.
class EndSessionFilter : public QObject, public QAbstractNativeEventFilter {
public:
    EndSessionFilter(QObject& owner, std::function<void(const EndRequest&)> onEnd)
        : QObject(&owner), onEnd_(std::move(onEnd)) {
        watcher = this;
        QCoreApplication::instance()->installNativeEventFilter(this);
        SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    }
    ~EndSessionFilter() override {
        SetConsoleCtrlHandler(onConsoleEvent, FALSE);
        QCoreApplication::instance()->removeNativeEventFilter(this);
        watcher = nullptr;
    }
    EndSessionFilter(const EndSessionFilter&) = delete;
    EndSessionFilter& operator=(const EndSessionFilter&) = delete;

    // Every top-level window of the program gets the message; answering is the same each time.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* msg = static_cast<const MSG*>(message);
        if (eventType == "windows_generic_MSG" && msg->message == WM_ENDSESSION &&
            msg->wParam != FALSE) {
            onEnd_({kExitTerminated, true});
        }
        return false;
    }

private:
    // On a thread that the system starts for the event. Ctrl-C and Ctrl-Break leave the
    // program to end in its own time; once the handler of a console's close returns, the
    // system ends the program, so the answer waits.
    static BOOL WINAPI onConsoleEvent(DWORD event) {
        switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
            answerFromConsole({kExitInterrupted, false}, Qt::QueuedConnection);
            return TRUE;
        case CTRL_CLOSE_EVENT:
            answerFromConsole({kExitHungUp, true}, Qt::BlockingQueuedConnection);
            return TRUE;
        default:
            return FALSE; // logging off or shutting down: the window hears of those itself
        }
    }

    // Through the application, which outlives every watcher, to the watcher of the moment.
    static void answerFromConsole(EndRequest request, Qt::ConnectionType connection) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [request] {
                if (watcher != nullptr) {
                    watcher->onEnd_(request);
                }
            },
            connection);
    }

    std::function<void(const EndRequest&)> onEnd_;
};

} // namespace

void watchEndRequests(QObject& owner, std::function<void(const EndRequest&)> onEnd) {
    new EndSessionFilter(owner, std::move(onEnd));
}

} // namespace wl3::ui
