#pragma once

#include <QString>

class QLocale;

namespace wl3::ui {

// Whether speeds in MPH get a hint in km/h beside them: where the locale's measures are
// metric. The C locale, which no one chose, says nothing about units.
bool showsKilometres(const QLocale& locale);

// "≈ 105 km/h" for an MPH field's text; empty while it holds no number.
QString kilometresHint(const QString& mphText);

// The widest hint, whose room the layout keeps.
QString widestKilometresHint();

} // namespace wl3::ui
