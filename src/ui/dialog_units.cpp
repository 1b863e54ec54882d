#include "ui/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace wl3::ui {

int mulDiv(int number, int numerator, int denominator) {
    const std::int64_t divisor = std::abs(std::int64_t{denominator});
    if (divisor == 0) {
        return -1; // as the system's MulDiv answers
    }
    const std::int64_t product = std::int64_t{number} * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product);
    const std::int64_t rounded = (magnitude + divisor / 2) / divisor;
    return static_cast<int>(negative ? -rounded : rounded);
}

BaseUnits baseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int duToPixelsX(int du, BaseUnits units) {
    return mulDiv(du, units.x, 4);
}

int duToPixelsY(int du, BaseUnits units) {
    return mulDiv(du, units.y, 8);
}

int pixelsToDuX(int pixels, BaseUnits units) {
    int du = std::max(0, pixels * 4 / std::max(1, units.x));
    while (duToPixelsX(du, units) < pixels) {
        ++du;
    }
    while (du > 0 && duToPixelsX(du - 1, units) >= pixels) {
        --du;
    }
    return du;
}

QRect duToPixels(DuRect rect, BaseUnits units) {
    return {duToPixelsX(rect.x, units), duToPixelsY(rect.y, units), duToPixelsX(rect.width, units),
            duToPixelsY(rect.height, units)};
}

} // namespace wl3::ui
