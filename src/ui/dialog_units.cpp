#include "ui/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <cstdint>

namespace wl3::ui {

int mulDiv(int number, int numerator, int denominator) {
    const std::int64_t product = std::int64_t{number} * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product);
    const std::int64_t divisor = (denominator < 0 ? -std::int64_t{denominator} : denominator);
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

QRect duToPixels(DuRect rect, BaseUnits units) {
    return {duToPixelsX(rect.x, units), duToPixelsY(rect.y, units), duToPixelsX(rect.width, units),
            duToPixelsY(rect.height, units)};
}

} // namespace wl3::ui
