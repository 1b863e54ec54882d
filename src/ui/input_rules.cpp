#include "ui/input_rules.h"

#include "ui/input_balloon.h"

#include <QLineEdit>
#include <algorithm>

namespace wl3::ui {

namespace {

bool isDigit(QChar character) {
    return character >= u'0' && character <= u'9';
}

} // namespace

QValidator::State UpperCaseValidator::validate(QString& input, int& /*pos*/) const {
    for (QChar& character : input) {
        const QChar upper = character.toUpper();
        if (upper.unicode() <= 0xFF) {
            character = upper;
        }
    }
    return Acceptable;
}

DigitsValidator::DigitsValidator(QLineEdit& edit) : QValidator(&edit), edit_(edit) {}

// The edit counts as modified only while the user's own change is being checked: setText
// clears the mark before it asks.
QValidator::State DigitsValidator::validate(QString& input, int& pos) const {
    if (std::ranges::all_of(input, isDigit)) {
        return Acceptable;
    }
    if (!edit_.isModified()) {
        return Invalid;
    }
    const auto other = [](QChar character) { return !isDigit(character); };
    pos -= static_cast<int>(
        std::ranges::count_if(input.first(std::clamp<qsizetype>(pos, 0, input.size())), other));
    input.removeIf(other);
    //: Beneath a number edit when a typed or pasted character other than a digit was dropped.
    InputBalloon::showBeneath(edit_, tr("Only digits 0–9 can be typed here"));
    return Acceptable;
}

} // namespace wl3::ui
