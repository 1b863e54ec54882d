#pragma once

#include <QLabel>

namespace wl3::ui {

// The notice that a test tone keys the radio: in warning colours drawn from the window's
// palette, light or dark, and an alert to screen readers whenever it appears or changes.
class ToneNotice : public QLabel {
    Q_OBJECT

public:
    explicit ToneNotice(QWidget* parent);

    // Shows text, or hides the notice when text is empty.
    void showNotice(const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void followPalette();

    bool settingPalette_ = false;
};

} // namespace wl3::ui
