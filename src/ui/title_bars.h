#pragma once

class QWidget;

namespace wl3::ui {

// Whether the platform draws title bars that a program darkens itself: Windows does.
bool titleBarsFollowTheme();

// Darkens window's title bar, or lightens it again; nothing where the platform draws its
// own.
void setDarkTitleBar(QWidget& window, bool dark);

} // namespace wl3::ui
