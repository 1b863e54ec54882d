#pragma once

class QDialog;

namespace wl3::ui {

// Offers "&About WrenlinkIIConfig..." on window, opening the About box over it. Where the
// platform gives the window a system menu, the item goes there; elsewhere it is in the
// window's context menu and on F1.
void addAboutEntry(QDialog& window);

} // namespace wl3::ui
