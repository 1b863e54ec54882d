#pragma once

#include <QObject>
#include <QValidator>

namespace wl3::ui {

// Turns every letter entered into a capital, where Latin-1 has one.
class UpperCaseValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Takes the digits 0 to 9 only, typed or pasted: an edit refuses a keystroke or a paste
// that would leave anything else in it, so that what it shows is the number it gives.
class DigitsValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace wl3::ui
