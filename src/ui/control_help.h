#pragma once

#include <QString>

class QWidget;

namespace wl3::ui {

// A word on every control of the main window: what it does for the tracker, what the tracker
// holds of it, and why it is greyed while it is. The one text is the control's tooltip, its
// accessible description and its What's This text (Shift+F1). A control that also tells
// something live (the symbol's name, the room left for the text) shows that line beneath.

// Gives control the help of id, the profile tabs' to each tab as well, and keeps the reason
// for its greying in step with whether it is enabled.
void giveHelp(QWidget& control, int id);

// Shows line beneath the help of control, in place of the one shown before; with no help
// given, the line alone.
void showLiveLine(QWidget& control, const QString& line);

} // namespace wl3::ui
