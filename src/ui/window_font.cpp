#include "ui/window_font.h"

#include <QFontDatabase>

namespace wl3::ui {

namespace {

constexpr int kPointSize = 8;

} // namespace

QFont windowFont() {
    for (const char* family : {"MS Sans Serif", "Microsoft Sans Serif"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            return QFont(QString::fromLatin1(family), kPointSize);
        }
    }
    // The layout was drawn for 8-point text: a desktop font at its usual, larger size would
    // need more dialog units than the rows give its labels.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(kPointSize);
    return font;
}

} // namespace wl3::ui
