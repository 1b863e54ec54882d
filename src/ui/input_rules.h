#pragma once

#include <QObject>
#include <QValidator>

class QLineEdit;

namespace wl3::ui {

// Turns every letter entered into a capital, where Latin-1 has one.
class UpperCaseValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Takes the digits 0 to 9 only, so that what an edit shows is the number it gives. What the
// user types or pastes keeps its digits, and a balloon beneath the edit says that the rest
// was dropped; a text the program sets (a file's -5, say) is left as it is, for the user to
// see.
class DigitsValidator : public QValidator {
    Q_OBJECT

public:
    explicit DigitsValidator(QLineEdit& edit);
    State validate(QString& input, int& pos) const override;

private:
    QLineEdit& edit_;
};

} // namespace wl3::ui
