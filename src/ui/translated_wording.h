#pragma once

#include "wording/phrase.h"

#include <QString>

namespace wl3::ui {

// A phrase in the user's language: its template translated where a translation is loaded,
// its arguments filled in; a verbatim text (a path, a tracker's reply) as its Latin-1 bytes.
QString translated(const Phrase& phrase);

// A wording's lines, translated, one below the other.
QString translatedText(const Wording& wording);

} // namespace wl3::ui
