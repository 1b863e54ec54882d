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

// Refuses typed characters other than 0 to 9 in the edits it watches. Editing keys and
// pasting pass, so pasted text may still hold other characters.
class DigitsOnlyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace wl3::ui
