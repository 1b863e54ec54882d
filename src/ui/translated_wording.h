#pragma once

#include "wording/phrase.h"

#include <QString>
#include <string_view>

namespace wl3::ui {

// A phrase in the user's language: its template translated where a translation is loaded,
// its arguments filled in; a verbatim text (a path, a tracker's reply) as its Latin-1 bytes.
QString translated(const Phrase& phrase);

// A wording's lines, translated, one below the other.
QString translatedText(const Wording& wording);

// A text of the form's tables (a label, a unit, a list item, a button), marked there with
// WL3_TR("Form", ...), in the user's language; a text the tables leave unmarked comes back
// as it is.
QString formText(std::string_view english);

} // namespace wl3::ui
