#pragma once

#include <QObject>

class QWidget;

namespace wl3::ui {

// Once the session ends nobody is left to answer a box, and an open one would keep the
// program from ending. From its making, every box over the window (a message, a question,
// a file dialog, the About box) is closed unanswered, as if cancelled: those open at once,
// later ones as they show. The progress panel stays.
class UnansweredBoxes : public QObject {
public:
    // Lives as long as window.
    explicit UnansweredBoxes(QWidget& window);
    ~UnansweredBoxes() override;
    UnansweredBoxes(const UnansweredBoxes&) = delete;
    UnansweredBoxes& operator=(const UnansweredBoxes&) = delete;

    // Whether a box is open over window. Every box runs an event loop of its own until it
    // is answered, so a caller then runs inside the last of them.
    static bool anyOpen(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};

} // namespace wl3::ui
