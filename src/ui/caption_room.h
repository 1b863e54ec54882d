#pragma once

#include <QObject>

class QMessageBox;

namespace wl3::ui {

// Makes every message box of the program at least as wide as its title bar needs for its
// caption, so that a short text under a long caption does not cut the caption short. The
// toolkit sizes a box by its text and buttons, with a guess at the title bar that a wider
// caption font or wider title-bar buttons outgrow. Installed on the application.
class CaptionRoom : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The width box's caption needs in a title bar as the style draws it, in the wider of the
    // window font and the platform's title-bar font.
    static int captionWidth(const QMessageBox& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace wl3::ui
