#pragma once

#include "ui/config_dialog_layout.h"
#include "ui/dialog_units.h"

#include <QString>

class QWidget;

namespace wl3::ui {

// What each text of the window needs in the user's language, measured in the window's font
// and style as its own widgets draw it, in dialog units of units. A text as English has it
// needs nothing: the tables were drawn for it. A speed hint is measured when widestSpeedHint
// is not empty.
TextNeeds measuredTextNeeds(const QWidget& window, BaseUnits units, const QString& widestSpeedHint);

} // namespace wl3::ui
