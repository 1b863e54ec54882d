#pragma once

#include <QObject>

class QWidget;

namespace wl3::ui {

// While it lives, the window takes no input (keys, clicks, shortcuts), though it still
// moves, repaints and hears its close box; other windows, its boxes and panels among them,
// work as usual. A window-modal panel would do the same but would also swallow the close
// box.
class InputBlocker : public QObject {
public:
    explicit InputBlocker(QWidget& window);
    ~InputBlocker() override;
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};

} // namespace wl3::ui
