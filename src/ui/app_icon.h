#pragma once

#include <QIcon>

namespace wl3::ui {

// The program's icon, drawn at 16 and 32 pixels in 16 colours.
QIcon appIcon();

} // namespace wl3::ui
