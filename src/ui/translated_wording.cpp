#include "ui/translated_wording.h"

#include "ui/edit_text.h"

#include <QCoreApplication>
#include <string>

namespace wl3::ui {

QString translated(const Phrase& phrase) {
    if (phrase.context == nullptr) {
        return fromLatin1Bytes(phrase.text);
    }
    const std::u16string pattern =
        QCoreApplication::translate(phrase.context, phrase.text.c_str()).toStdU16String();
    return QString::fromStdU16String(
        fillTemplate(std::u16string_view(pattern), phrase.args.size(), [&phrase](std::size_t n) {
            return translated(phrase.args[n]).toStdU16String();
        }));
}

QString formText(std::string_view english) {
    return QCoreApplication::translate("Form", std::string(english).c_str());
}

QString translatedText(const Wording& wording) {
    QStringList lines;
    for (const Phrase& line : wording.lines) {
        lines.append(translated(line));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace wl3::ui
