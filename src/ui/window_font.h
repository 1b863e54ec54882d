#pragma once

#include <QFont>

namespace wl3::ui {

// The font the windows are laid out in: the platform's standard dialog font at 8 points
// where there is one, else the desktop's default font at the same size. Dialog units
// follow from it.
QFont windowFont();

} // namespace wl3::ui
