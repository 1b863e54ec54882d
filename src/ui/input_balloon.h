#pragma once

#include <QLabel>

class QTimer;

namespace wl3::ui {

// A note beneath an edit, in the tooltips' look, that tells why a key or a paste did not go
// in, as the platforms' own number edits do. Unlike a tooltip it outlives the release of the
// key that brought it: it goes with the next key, when the edit loses the focus, or after a
// while. Screen readers hear it as an alert.
class InputBalloon : public QLabel {
    Q_OBJECT

public:
    // Shows text beneath edit, in the balloon that edit already has or a new one.
    static void showBeneath(QWidget& edit, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit InputBalloon(QWidget& edit);
    void showText(const QString& text);

    QWidget& edit_;
    QTimer* timer_;
};

} // namespace wl3::ui
