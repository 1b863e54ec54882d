#pragma once

#include "config/form_layout.h"

#include <QRect>

class QFont;

namespace wl3::ui {

// The window font's average character width and height in pixels.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

// number * numerator / denominator, rounded half away from zero.
int mulDiv(int number, int numerator, int denominator);

// The average width is taken over the 52 letters A to Z and a to z, rounded to the nearest
// pixel, so that layouts match what the font's own metrics give on every platform.
BaseUnits baseUnitsOf(const QFont& font);

int duToPixelsX(int du, BaseUnits units);
int duToPixelsY(int du, BaseUnits units);
QRect duToPixels(DuRect rect, BaseUnits units);
// The fewest horizontal dialog units that are at least pixels wide.
int pixelsToDuX(int pixels, BaseUnits units);

} // namespace wl3::ui
