#pragma once

#include <QWidget>
#include <functional>

namespace wl3::ui {

// Calls onNews on the window's thread whenever serial devices may have come or gone, for as
// long as window lives; one implementation per system.
void watchPortEvents(QWidget& window, std::function<void()> onNews);

} // namespace wl3::ui
