#pragma once

#include <QIcon>
#include <QPixmap>

namespace wl3::ui {

// Pictures of the APRS symbols, drawn for this program as simple pictograms: the kind of
// the symbol (a vehicle, a building, the weather) on a round badge for the primary table
// and a square one for the alternate, the overlay character over it, a dashed outline for
// an unassigned pair. They are drawn when asked for, never at start, and sharp at any
// scale: at size device-independent pixels times the ratio given.
QPixmap symbolPicture(char table, char symbol, int size, qreal devicePixelRatio);

// The same as an icon for lists and buttons, drawn at the size each asks for when it asks.
QIcon symbolIcon(char table, char symbol);

} // namespace wl3::ui
