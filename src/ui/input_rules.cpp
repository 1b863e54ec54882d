#include "ui/input_rules.h"

#include <algorithm>

namespace wl3::ui {

QValidator::State UpperCaseValidator::validate(QString& input, int& /*pos*/) const {
    for (QChar& character : input) {
        const QChar upper = character.toUpper();
        if (upper.unicode() <= 0xFF) {
            character = upper;
        }
    }
    return Acceptable;
}

QValidator::State DigitsValidator::validate(QString& input, int& /*pos*/) const {
    const bool digits = std::ranges::all_of(
        input, [](QChar character) { return character >= u'0' && character <= u'9'; });
    return digits ? Acceptable : Invalid;
}

} // namespace wl3::ui
