#include "ui/callsign_file_name.h"

#include "config/advice.h"
#include "formats/config_file_header.h"
#include "ui/edit_text.h"

#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <vector>

namespace wl3::ui {

namespace {

// Characters that Windows refuses in a name (Linux refuses only the slash), and those that no
// one can see or type.
bool unfit(QChar character) {
    return !character.isPrint() || QStringView(u"<>:\"/\\|?*").contains(character);
}

// Windows opens a device for these names, whatever the extension.
bool namesADevice(const QString& name) {
    static const QRegularExpression devices(QStringLiteral("^(CON|PRN|AUX|NUL|(COM|LPT)[0-9])$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return devices.match(name).hasMatch();
}

} // namespace

std::filesystem::path callsignFileName(const TrackerConfig& record) {
    // A placeholder names no station, so it names no file either.
    const std::vector<Advice> advice = adviceOn(record);
    if (std::ranges::any_of(advice, [](const Advice& piece) {
            return piece.profile == kPrimary && piece.kind == Advice::Kind::Placeholder;
        })) {
        return {};
    }
    QString name = fromLatin1Bytes(textOf(record.callsign[kPrimary]));
    name.removeIf(unfit);
    // Windows drops dots and blanks at a name's end; a leading dot hides a file on Linux.
    while (!name.isEmpty() && (name.front() == u'.' || name.front() == u' ')) {
        name.remove(0, 1);
    }
    while (!name.isEmpty() && (name.back() == u'.' || name.back() == u' ')) {
        name.chop(1);
    }
    if (name.isEmpty() || namesADevice(name)) {
        return {};
    }
    name +=
        QString::fromLatin1(kConfigFileExtension.data(), qsizetype(kConfigFileExtension.size()));
    return std::filesystem::path(name.toStdU16String());
}

} // namespace wl3::ui
