#include "ui/input_rules.h"

#include <QKeyEvent>
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

namespace {

bool isTypedNonDigit(const QString& text) {
    return std::ranges::any_of(text, [](QChar character) {
        return character.isPrint() && (character < u'0' || character > u'9');
    });
}

} // namespace

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Shortcuts such as Ctrl+V pass; AltGr arrives as Ctrl+Alt on some systems and
        // types characters, so it does not.
        const auto modifiers = key->modifiers();
        const bool command = (modifiers & (Qt::ControlModifier | Qt::MetaModifier)) &&
                             !(modifiers & Qt::AltModifier);
        if (!command && isTypedNonDigit(key->text())) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace wl3::ui
