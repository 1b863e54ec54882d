#include "wording/wording.h"

#include "config/aprs_symbols.h"
#include "config/config_differences.h"
#include "config/config_image.h"
#include "config/profile_fields.h"
#include "formats/config_file_header.h"
#include "formats/config_json.h"
#include "formats/text_encoding.h"
#include "link/port_choice.h"
#include "link/port_error.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

// Texts users know letter for letter keep their misspellings and their two spaces.
namespace wl3 {

namespace {

Phrase message(const char* text, std::vector<Phrase> args = {}) {
    return Phrase{"Message", text, std::move(args)};
}

template <typename Number> Phrase number(Number n) {
    return verbatim(std::to_string(n));
}

Wording box(std::vector<Phrase> lines) {
    return {std::nullopt, std::move(lines)};
}

Wording captioned(Phrase caption, std::vector<Phrase> lines) {
    return {std::move(caption), std::move(lines)};
}

// The system's reason, in the words the messages use for the common ones.
Phrase systemReason(std::error_code error) {
    if (error == std::errc::no_such_file_or_directory) {
        return message(WL3_TR("Message", "does not exist"));
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return message(WL3_TR("Message", "permission denied"));
    }
    return verbatim(error.message());
}

// A file as messages name it: its path as given, or the standard stream "-" stands for.
Phrase fileName(const std::string& path, FileAction action) {
    if (path != "-") {
        return verbatim(path);
    }
    return action == FileAction::Load ? message(WL3_TR("Message", "standard input"))
                                      : message(WL3_TR("Message", "standard output"));
}

Phrase roleWording(const RunFileRole& role) {
    switch (role.kind) {
    case RunFileKind::Output:
        return message(WL3_TR("Message", "the output"));
    case RunFileKind::InputFile:
        return message(WL3_TR("Message", "the input file"));
    case RunFileKind::UnitsFile:
        return message(WL3_TR("Message", "the units file"));
    case RunFileKind::Report:
        return message(WL3_TR("Message", "the report"));
    case RunFileKind::Table:
        return message(WL3_TR("Message", "the table"));
    case RunFileKind::Folder:
        return message(WL3_TR("Message", "the folder"));
    case RunFileKind::FileOf:
        return message(WL3_TR("Message", "the file of %1"), {verbatim(role.port)});
    case RunFileKind::BackupOf:
        break;
    }
    return message(WL3_TR("Message", "the backup of %1"), {verbatim(role.port)});
}

// A link's owner: "alice's", or "user 1001's" without a name.
Phrase ownerWording(const FileReason& reason) {
    if (!reason.owner.empty()) {
        return message(WL3_TR("Message", "%1's"), {verbatim(reason.owner)});
    }
    return message(WL3_TR("Message", "user %1's"), {number(reason.ownerId)});
}

Phrase linkRefusal(const Phrase& name, const FileReason& reason) {
    const bool root = reason.problem == FileProblem::OthersLinkRoot;
    if (reason.via.empty()) {
        return root ? message(WL3_TR("Message",
                                     "%1: is another user's link (%2), which root does not follow"),
                              {name, ownerWording(reason)})
                    : message(
                          WL3_TR("Message", "%1: is another user's link (%2) in a shared folder"),
                          {name, ownerWording(reason)});
    }
    return root ? message(WL3_TR("Message", "%1: leads through %2, another user's link (%3), which "
                                            "root does not follow"),
                          {name, verbatim(reason.via), ownerWording(reason)})
                : message(
                      WL3_TR("Message",
                             "%1: leads through %2, another user's link (%3) in a shared folder"),
                      {name, verbatim(reason.via), ownerWording(reason)});
}

// The line after a file failure's first: the file, and why.
Phrase fileReasonLine(const Phrase& name, const FileReason& reason) {
    switch (reason.problem) {
    case FileProblem::System:
        return message(WL3_TR("Message", "%1: %2"), {name, systemReason(reason.systemError)});
    case FileProblem::IsFolder:
        return message(WL3_TR("Message", "%1: is a folder"), {name});
    case FileProblem::NotFolder:
        return message(WL3_TR("Message", "%1: is not a folder"), {name});
    case FileProblem::IsReadOnly:
        return message(WL3_TR("Message", "%1: is read-only"), {name});
    case FileProblem::NotAFile:
        return message(WL3_TR("Message", "%1: is not a file (a device, a pipe or a socket)"),
                       {name});
    case FileProblem::CannotBeRead:
        return message(WL3_TR("Message", "%1: cannot be read: %2"),
                       {name, systemReason(reason.systemError)});
    case FileProblem::FolderMissing:
        return message(WL3_TR("Message", "%1: is in a folder that does not exist"), {name});
    case FileProblem::NoNewFile:
        return message(WL3_TR("Message", "%1: no file can be made in this folder: %2"),
                       {name, systemReason(reason.systemError)});
    case FileProblem::ShortWrite:
        return message(WL3_TR("Message", "%1: not every byte could be written"), {name});
    case FileProblem::NotWritable:
        return message(WL3_TR("Message", "%1: is neither a file nor a device to write to"), {name});
    case FileProblem::IsPipe:
        return message(WL3_TR("Message", "%1: is a pipe (FIFO): name a file, or \"-\" for standard "
                                         "output"),
                       {name});
    case FileProblem::IsDevice:
        return message(WL3_TR("Message", "%1: is a device, not your terminal or /dev/null: name a "
                                         "file"),
                       {name});
    case FileProblem::OthersFile:
        return message(WL3_TR("Message", "%1: is another user's file in a shared folder"), {name});
    case FileProblem::OwnerNotKept:
        return message(WL3_TR("Message", "%1: belongs to another user or group, which a new file "
                                         "could not keep"),
                       {name});
    case FileProblem::OthersLink:
    case FileProblem::OthersLinkRoot:
        return linkRefusal(name, reason);
    case FileProblem::LinkNowhere:
        return message(WL3_TR("Message", "%1: is a link that leads nowhere a file can be saved"),
                       {name});
    case FileProblem::IsRunFile:
        return message(WL3_TR("Message", "%1: is %2"), {name, roleWording(reason.role)});
    case FileProblem::ReplacesRunFile:
        return message(WL3_TR("Message", "%1: %2 would replace %3"),
                       {name, roleWording(reason.role), roleWording(reason.otherRole)});
    case FileProblem::Terminal:
        return message(WL3_TR("Message", "%1 is a terminal, and a .wl3 file is binary: redirect it "
                                         "or name a file"),
                       {name});
    case FileProblem::NotConfigFile:
        return message(WL3_TR("Message", "%1: is not a configuration file"), {name});
    case FileProblem::ImageLength:
        return message(WL3_TR("Message", "%1: holds an image of %2 bytes, not %3"),
                       {name, number(reason.count), number(kImageSize)});
    case FileProblem::EndsInHeader:
        return message(WL3_TR("Message", "%1: ends within its header"), {name});
    case FileProblem::EndsEarly:
        return message(WL3_TR("Message", "%1: ends after %2 of the %3 image bytes"),
                       {name, number(reason.count), number(kImageSize)});
    case FileProblem::NotDecodable:
        return message(WL3_TR("Message", "%1: holds an image that cannot be decoded"), {name});
    case FileProblem::TooLarge:
        return message(WL3_TR("Message", "%1: is larger than 1 MiB"), {name});
    case FileProblem::NoUnits:
        return message(WL3_TR("Message", "%1: holds no tracker below its header"), {name});
    case FileProblem::Utf16:
        return message(WL3_TR("Message", "%1: is UTF-16 text, and a units file is read as UTF-8: "
                                         "save it as \"CSV UTF-8\""),
                       {name});
    case FileProblem::NotUtf8:
        return message(WL3_TR("Message", "%1: is not UTF-8 text (a spreadsheet's \"ANSI\" or "
                                         "Latin-1, perhaps): save it as \"CSV UTF-8\""),
                       {name});
    case FileProblem::SystemFolder:
        return message(WL3_TR("Message", "%1: no file can be made in this folder: its files are "
                                         "the system's own"),
                       {name});
    case FileProblem::NotCsv:
        return message(WL3_TR("Message", "%1: not valid CSV in row %2: %3"),
                       {name, number(reason.count), verbatim(reason.detail)});
    case FileProblem::NoMemory:
        break;
    }
    return message(WL3_TR("Message", "%1: out of memory"), {name});
}

Phrase fileStepWording(FileStep step) {
    switch (step) {
    case FileStep::Open:
        return message(WL3_TR("Message", "Failed to open file"));
    case FileStep::Read:
        return message(WL3_TR("Message", "Failed to read data"));
    case FileStep::Write:
        return message(WL3_TR("Message", "Failed to write data"));
    case FileStep::Format:
        return message(WL3_TR("Message", "Invalid File Format"));
    case FileStep::Decode:
        return message(WL3_TR("Message", "Import Failed"));
    case FileStep::Size:
        break;
    }
    return message(WL3_TR("Message", "File too large for a configuration"));
}

Phrase fileActionCaption(FileAction action) {
    return action == FileAction::Load ? message(WL3_TR("Message", "Load Failed"))
                                      : message(WL3_TR("Message", "Save Failed"));
}

// The characters of the input that a message quotes: a key may be a megabyte.
constexpr std::size_t kQuoteShown = 40;

std::string codePointName(char32_t c) {
    std::array<char, 16> name{};
    const int length = std::snprintf(name.data(), name.size(), "U+%04X", static_cast<unsigned>(c));
    return {name.data(), static_cast<std::size_t>(std::max(length, 0))};
}

// A key in quotes, as messages carry text, in Latin-1; a character beyond it as its code.
Phrase keyName(std::string_view key) {
    const auto characters = decodeUtf8(key);
    std::string name = "\"";
    for (std::size_t i = 0; i < characters.size() && i < kQuoteShown; ++i) {
        if (characters[i] > 0xFF) {
            name += codePointName(characters[i]);
        } else {
            name += static_cast<char>(characters[i]);
        }
    }
    if (characters.size() > kQuoteShown) {
        name += "...";
    }
    return verbatim(name + '"');
}

Phrase jsonWording(const JsonProblem& problem) {
    using Kind = JsonProblem::Kind;
    const Phrase key = keyName(problem.key);
    switch (problem.kind) {
    case Kind::NotJson:
        return message(WL3_TR("Message", "not valid JSON: %1"), {verbatim(problem.detail)});
    case Kind::NulByte:
        return message(WL3_TR("Message", "not valid JSON: a NUL byte at byte %1"),
                       {number(problem.count)});
    case Kind::NotObject:
        return message(WL3_TR("Message", "the document must be a JSON object"));
    case Kind::UnknownKey:
        return message(WL3_TR("Message", "unknown key %1"), {key});
    case Kind::DuplicateKey:
        return message(WL3_TR("Message", "duplicate key %1"), {key});
    case Kind::MustBeObject:
        return message(WL3_TR("Message", "%1 must be an object"), {key});
    case Kind::OutOfRange:
        return message(WL3_TR("Message", "%1 is outside the signed 32-bit range"), {key});
    case Kind::NotWhole:
        return message(WL3_TR("Message", "%1 must be a whole number"), {key});
    case Kind::NotNumber:
        return message(WL3_TR("Message", "%1 must be a number"), {key});
    case Kind::NotFlag:
        return message(WL3_TR("Message", "%1 must be true or false"), {key});
    case Kind::NotString:
        return message(WL3_TR("Message", "%1 must be a string"), {key});
    case Kind::TooLong:
        return problem.count == 1
                   ? message(WL3_TR("Message", "%1 is longer than 1 character"), {key})
                   : message(WL3_TR("Message", "%1 is longer than %2 characters"),
                             {key, number(problem.count)});
    case Kind::HoldsNul:
        return message(WL3_TR("Message", "%1 holds U+0000, which ends a text on the tracker"),
                       {key});
    case Kind::BeyondLatin1:
        break;
    }
    return message(WL3_TR("Message", "%1 holds %2, a character above U+00FF"),
                   {key, verbatim(codePointName(static_cast<char32_t>(problem.count)))});
}

Phrase formText(std::string_view text) {
    return Phrase{"Form", std::string(text), {}};
}

Phrase addressRule() {
    return message(WL3_TR("Message",
                          "up to six letters or digits, optionally followed by -0 to -15 for the "
                          "SSID"));
}

Phrase withUnit(Phrase text, const ProfileField& field) {
    if (field.control.unit.text.empty()) {
        return text;
    }
    return message(WL3_TR("Message", "%1 %2"),
                   {std::move(text), formText(field.control.unit.text)});
}

Phrase numberRange(const ProfileField& field, int low, int high) {
    return withUnit(message(WL3_TR("Message", "%1 to %2"), {number(low), number(high)}), field);
}

// What the tracker holds of value's field, with the field's unit.
Phrase allowedWording(const UnholdableValue& value) {
    const Allowed& allowed = value.allowed;
    const ProfileField& field = *value.field;
    switch (allowed.kind) {
    case Allowed::Kind::Address:
        return addressRule();
    case Allowed::Kind::AddressList:
        return message(WL3_TR("Message", "addresses separated by commas, each %1"),
                       {addressRule()});
    case Allowed::Kind::Range:
        return numberRange(field, allowed.low, allowed.high);
    case Allowed::Kind::SlotOffset:
        return message(WL3_TR("Message", "%1, the auto transmit rate plus one"),
                       {numberRange(field, allowed.low, allowed.high)});
    case Allowed::Kind::SlotOffsetAny:
        return withUnit(message(WL3_TR("Message", "0 to the auto transmit rate plus one")), field);
    case Allowed::Kind::Character:
        return message(WL3_TR("Message", "one printable ASCII character, ! to ~"));
    case Allowed::Kind::TextLength:
        return message(WL3_TR("Message", "at most %1 characters"), {number(allowed.high)});
    case Allowed::Kind::Latin1:
        break;
    }
    return message(WL3_TR("Message", "characters from U+0001 to U+00FF"));
}

// A check box that only says "Enable" is named with its group's title.
Phrase checkBoxName(const ProfileField& field) {
    if (field.group != nullptr && field.control.text == "Enable") {
        return message(WL3_TR("Message", "%1 %2"),
                       {formText(field.group->title), formText(field.control.text)});
    }
    return formText(field.control.text);
}

Phrase listItemWording(const ProfileField& field, int index) {
    const auto& items = field.control.items;
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return message(WL3_TR("Message", "(none: index %1)"), {number(index)});
    }
    return formText(items[static_cast<std::size_t>(index)]);
}

// A tracker of a fleet beside its row: "Primary Callsign: N0CALL-9, not N0CALL-1", the
// tracker's value first. The label's own colon, where it has one, parts name and value.
Phrase unitDifferenceWording(const ConfigComparison& comparison,
                             const FieldDifference& difference) {
    const Phrase held = fieldValueWording(comparison.second, difference);
    const Phrase written = fieldValueWording(comparison.first, difference);
    if (difference.field->isShared()) {
        return message(WL3_TR("Message", "%1 %2, not %3"),
                       {fieldNameWording(difference), held, written});
    }
    return message(WL3_TR("Message", "%1 %2 %3, not %4"),
                   {formText(kProfileTabTexts[static_cast<std::size_t>(difference.profile)]),
                    fieldNameWording(difference), held, written});
}

Phrase refusedCaption(RefusedAction action) {
    switch (action) {
    case RefusedAction::Write:
        return message(WL3_TR("Message", "Wrenlink3 Write"));
    case RefusedAction::Compare:
        return message(WL3_TR("Message", "Compare"));
    case RefusedAction::Save:
        break;
    }
    return fileActionCaption(FileAction::Save);
}

// The window's account: a heading, then one line for each value, by profile tab and label.
Wording valuesByLabel(const ValuesRefused& refused) {
    Wording wording = captioned(
        refusedCaption(refused.action),
        {message(WL3_TR("Message", "The tracker cannot hold these values as they are:"))});
    for (const UnholdableValue& value : refused.values) {
        const Phrase label = formText(value.field->control.label.text);
        if (value.field->isShared()) {
            wording.lines.push_back(
                message(WL3_TR("Message", "%1 %2"), {label, allowedWording(value)}));
        } else {
            wording.lines.push_back(
                message(WL3_TR("Message", "%1, %2 %3"),
                        {formText(kProfileTabTexts[static_cast<std::size_t>(value.profile)]), label,
                         allowedWording(value)}));
        }
    }
    return wording;
}

Phrase portCallWording(PortCall call) {
    switch (call) {
    case PortCall::Open:
        //: The port error as users know it, misspellings kept on purpose in English; a
        //: translation may spell it correctly ("Could not acquire COM port").
        return message(WL3_TR("Message", "Count not aquire Com Port"));
    case PortCall::ReadSettings:
        return message(WL3_TR("Message", "GetCommState failed"));
    case PortCall::ApplyLineSettings:
        return message(WL3_TR("Message", "SetCommState failed"));
    case PortCall::ApplyTimeouts:
        return message(WL3_TR("Message", "SetCommTimeouts failed"));
    case PortCall::Write:
        return message(WL3_TR("Message", "ComPort write failed"));
    case PortCall::Read:
        return message(WL3_TR("Message", "ComPort read failed"));
    case PortCall::Close:
        break;
    }
    return message(WL3_TR("Message", "ComPort Close failed"));
}

// The device and why, for the user; nothing for Unexplained.
std::optional<Phrase> portReasonLine(const PortCallFailed& failed) {
    const PortError& error = failed.error;
    const Phrase path = verbatim(error.path);
    switch (error.kind) {
    case PortFailure::Unexplained:
        return std::nullopt;
    case PortFailure::NoDevice:
        return message(WL3_TR("Message", "%1: there is no serial port with this number on this "
                                         "machine."),
                       {path});
    case PortFailure::NoSuchPort:
        return message(WL3_TR("Message", "%1: there is no such port on this machine (is the "
                                         "adapter plugged in?)"),
                       {path});
    case PortFailure::Unplugged:
        return message(WL3_TR("Message", "%1: %2 (is the adapter still plugged in?)"),
                       {path, verbatim(systemErrorText(error.systemError))});
    case PortFailure::InUse:
        return message(WL3_TR("Message", "%1: another program is using this port."), {path});
    case PortFailure::AccessDenied:
        return message(WL3_TR("Message", "%1: %2"), {path, accessWording(failed.access)});
    case PortFailure::NotSerial:
        return message(WL3_TR("Message", "%1: this is not a serial device."), {path});
    case PortFailure::System:
        break;
    }
    return message(WL3_TR("Message", "%1: %2"),
                   {path, verbatim(systemErrorText(error.systemError))});
}

Phrase partialImageLine() {
    return message(WL3_TR(
        "Message", "The tracker may now hold a partial image. Write the configuration again."));
}

Phrase unitsFaultLine(const UnitsRowFault& fault) {
    using Kind = UnitsRowFault::Kind;
    const Phrase place = rowPlace(fault.file, fault.row);
    const Phrase key = verbatim(fault.key);
    switch (fault.kind) {
    case Kind::KeyTwice:
        return message(WL3_TR("Message", "%1: column \"%2\" is named twice"), {place, key});
    case Kind::UnknownKey:
        return message(WL3_TR("Message", "%1: unknown key \"%2\""), {place, key});
    case Kind::CellCount:
        return message(WL3_TR("Message", "%1: %2 cells where the header has %3 (a text holding a "
                                         "comma goes in double quotes)"),
                       {place, number(fault.cells), number(fault.headerCells)});
    case Kind::BadValue:
        return message(WL3_TR("Message", "%1: %2"), {place, jsonWording(fault.value)});
    case Kind::BadPort:
        return message(WL3_TR("Message", "%1: port: %2"), {place, portChoiceRefusal(fault.key)});
    case Kind::Semicolons:
        return message(WL3_TR("Message", "%1: the columns are separated by semicolons, and a units "
                                         "file's by commas: save it as CSV with commas"),
                       {place});
    case Kind::NoPortColumn:
        break;
    }
    return message(WL3_TR("Message", "%1: no column \"%2\""), {place, key});
}

// Each outcome's words.
struct Words {
    Wording operator()(const PortNumberInvalid&) const {
        return box({message(WL3_TR("Message", "Invalid Com Port Number"))});
    }
    Wording operator()(const PortNotOpen&) const {
        return box({message(WL3_TR("Message", "ComPort Invalid"))});
    }
    Wording operator()(const PortCallFailed& failed) const {
        Wording wording = box({portCallWording(failed.call)});
        if (auto reason = portReasonLine(failed)) {
            wording.lines.push_back(std::move(*reason));
        }
        if (failed.partialImage) {
            wording.lines.push_back(partialImageLine());
        }
        return wording;
    }
    Wording operator()(const WriteMismatch& mismatch) const {
        Wording wording = box({message(WL3_TR("Message", "ComPort write mismatch"))});
        if (mismatch.partialImage) {
            wording.lines.push_back(partialImageLine());
        }
        return wording;
    }
    Wording operator()(const TrackerNotFound& notFound) const {
        const Phrase device = verbatim(notFound.device);
        return box({message(WL3_TR("Message", "Wrenlink3 Not Found")),
                    notFound.answered
                        ? message(WL3_TR("Message", "%1: the answer to the version query is no "
                                                    "Wrenlink3's."),
                                  {device})
                        : message(WL3_TR("Message", "%1: no answer to the version query (is the "
                                                    "tracker on and connected?)"),
                                  {device})});
    }
    Wording operator()(const WriteNotVerified& failed) const {
        if (failed.readBack == failed.sent) {
            return box({message(WL3_TR("Message", "Write Failed"))});
        }
        return box({message(WL3_TR("Message", "Write Failed (code %1 %2)"),
                            {number(failed.sent), number(failed.readBack)})});
    }
    Wording operator()(const VersionReply& reply) const {
        return captioned(message(WL3_TR("Message", "Wrenlink3 Version")), {verbatim(reply.reply)});
    }
    Wording operator()(const ReadFailed&) const {
        return captioned(message(WL3_TR("Message", "Wrenlink3 Read")),
                         {message(WL3_TR("Message", "Read Failed"))});
    }
    Wording operator()(const ReadSucceeded&) const {
        return captioned(message(WL3_TR("Message", "Wrenlink3 Read")),
                         {message(WL3_TR("Message", "Read Successful"))});
    }
    Wording operator()(const WriteSucceeded&) const {
        return captioned(refusedCaption(RefusedAction::Write),
                         {message(WL3_TR("Message", "Write Successful"))});
    }
    Wording operator()(const CalibrationNotWritten&) const {
        return captioned(
            message(WL3_TR("Message", "Calibration not written")),
            {message(WL3_TR("Message", "New Calibration value should be written before Testing "
                                       "Tones"))});
    }
    Wording operator()(const ValuesRefused& refused) const { return valuesByLabel(refused); }
    Wording operator()(const ImageSizeWrong& wrong) const {
        if (!wrong.size) {
            return box({message(WL3_TR("Message", "Bad EE Size"))});
        }
        // The decoder's message has always ended in a line break.
        return box(
            {message(WL3_TR("Message", "Bad EE Size %1"), {number(*wrong.size)}), verbatim("")});
    }
    Wording operator()(const AddressesDoNotFit&) const {
        return box(
            {message(WL3_TR("Message", "The callsigns and digipeater paths do not fit in "
                                       "the tracker's memory. Use fewer digipeaters, or make "
                                       "the primary and secondary callsigns and paths "
                                       "identical."))});
    }
    Wording operator()(const TextTruncated&) const {
        return captioned(
            message(WL3_TR("Message", "Status Beacon Text Truncated")),
            //: Kept letter for letter in English ("tuncated", two spaces after the first
            //: sentence); a translation may spell it correctly.
            {message(WL3_TR("Message",
                            "The Primary or Secondary Status Beacon text is too long and has been "
                            "tuncated.  To have a longer status beacon text, use fewer "
                            "digipeaters, and make the primary and secondary callsigns, "
                            "digipeaters, or status texts identical."))});
    }
    Wording operator()(const TextsWouldBeCut& cut) const {
        std::vector<Phrase> lines{message(
            WL3_TR("Message", "The status texts do not fit the tracker's memory; nothing was "
                              "written."))};
        for (int p = 0; p < kProfileCount; ++p) {
            if (cut.fits[p] < cut.length[p]) {
                //: %1 a profile's tab name, %2 its status text's length, %3 how many fit.
                lines.push_back(message(
                    WL3_TR("Message", "%1 status text: %2 characters, of which %3 fit"),
                    {formText(kProfileTabTexts[p]), number(cut.length[p]), number(cut.fits[p])}));
            }
        }
        lines.push_back(message(WL3_TR("Message", "Shorten them, or give --allow-cut-text to "
                                                  "write them cut.")));
        return captioned(message(WL3_TR("Message", "Status Beacon Text Too Long")),
                         std::move(lines));
    }
    Wording operator()(const FileFailed& failed) const {
        return captioned(fileActionCaption(failed.action),
                         {fileStepWording(failed.step),
                          fileReasonLine(fileName(failed.path, failed.action), failed.reason)});
    }
    Wording operator()(const JsonRefused& refused) const {
        return captioned(fileActionCaption(FileAction::Load),
                         {jsonWording(refused.problem),
                          message(WL3_TR("Message", "%1: is not a configuration in JSON form"),
                                  {fileName(refused.path, FileAction::Load)})});
    }
    Wording operator()(const UnitsRowFault& fault) const { return box({unitsFaultLine(fault)}); }
    Wording operator()(const OutputFailed&) const {
        return box({message(WL3_TR("Message", "Failed to write to standard output"))});
    }
    Wording operator()(const ImageFinishing&) const {
        return box({message(WL3_TR("Message", "Interrupted: sending the rest of the image first, "
                                              "so that the tracker is not left with part of it "
                                              "(Ctrl-C again stops at once)"))});
    }
    Wording operator()(const Interrupted& interrupted) const {
        switch (interrupted.stage) {
        case Interrupted::Stage::ImageSent:
            return box({message(WL3_TR("Message", "Interrupted: the whole image was sent, but not "
                                                  "read back to verify it."))});
        case Interrupted::Stage::WriteBegun:
            return box({message(WL3_TR("Message", "Interrupted while writing: the tracker may now "
                                                  "hold a partial image. Write the configuration "
                                                  "again."))});
        case Interrupted::Stage::Exchange:
            break;
        }
        return box({message(WL3_TR("Message", "Interrupted"))});
    }
    Wording operator()(const ToneKeepsSending&) const {
        return box(
            {message(WL3_TR("Message", "The tracker keeps sending until \"wl3 tone stop\"."))});
    }
    Wording operator()(const NoUsbAdapter&) const {
        return box({message(WL3_TR("Message", "--port usb: no USB serial adapter is plugged in"))});
    }
    Wording operator()(const PortNamedTwice& twice) const {
        return box({message(WL3_TR("Message", "%1: port %2 is named twice (%3: %4)"),
                            {verbatim(twice.place), verbatim(twice.port),
                             verbatim(twice.firstPlace), verbatim(twice.firstPort)})});
    }
    Wording operator()(const FileForSeveral& several) const {
        return box({message(WL3_TR("Message", "%1: with several trackers, name a folder (DIR/) for "
                                              "a file each"),
                            {verbatim(several.option)})});
    }
    Wording operator()(const FileNamedTwice& twice) const {
        return box({message(WL3_TR("Message", "Two trackers' files would both be %1; name their "
                                              "ports apart"),
                            {verbatim(twice.path)})});
    }
    Wording operator()(const TextStoredCut& cut) const {
        //: %1 a profile's tab name, %2 the end of its status text that was not stored.
        return box({message(WL3_TR("Message", "%1 status text stored without \"%2\""),
                            {formText(kProfileTabTexts[cut.profile]), verbatim(cut.lost)})});
    }
    Wording operator()(const BackupSaved& saved) const {
        return box({message(WL3_TR("Message", "Backup saved: %1"),
                            {fileName(saved.path, FileAction::Save)})});
    }
    Wording operator()(const OutOfMemory&) const {
        return box({message(WL3_TR("Message", "out of memory"))});
    }
    Wording operator()(const FewerAtOnce& fewer) const {
        return box(
            {message(WL3_TR("Message", "At most %1 trackers at once: the limit on open files "
                                       "allows no more"),
                     {number(fewer.count)})});
    }
    Wording operator()(const NoThread& none) const {
        return box({message(WL3_TR("Message", "Not begun: no thread could be started (%1)"),
                            {verbatim(none.reason)})});
    }
    Wording operator()(const UnitCompared& compared) const {
        const ConfigComparison* comparison = compared.comparison.get();
        if (comparison == nullptr ||
            (comparison->sameRecord() && comparison->storedBytesDiffering == 0)) {
            return box({message(WL3_TR("Message", "Holds what its row writes"))});
        }
        if (comparison->sameRecord()) {
            return box({sameRecordWording(comparison->storedBytesDiffering)});
        }
        std::optional<Phrase> fields;
        for (const FieldDifference& difference : comparison->differences) {
            const Phrase field = unitDifferenceWording(*comparison, difference);
            fields = fields ? message(WL3_TR("Message", "%1; %2"), {*fields, field}) : field;
        }
        return box({message(WL3_TR("Message", "Differs from its row: %1"), {*fields})});
    }
};

} // namespace

Wording wordingOf(const Outcome& outcome) {
    return std::visit(Words{}, outcome);
}

std::vector<Wording> commandLineWordings(const Outcome& outcome) {
    const auto* refused = std::get_if<ValuesRefused>(&outcome);
    if (refused == nullptr) {
        return {wordingOf(outcome)};
    }
    std::vector<Wording> wordings;
    std::ranges::transform(
        refused->values, std::back_inserter(wordings), [refused](const UnholdableValue& value) {
            return captioned(refusedCaption(refused->action),
                             {message(WL3_TR("Message", "%1 %2: the tracker holds %3"),
                                      {verbatim(configKeyPath(*value.field, value.profile)),
                                       verbatim(value.given), allowedWording(value)})});
        });
    return wordings;
}

namespace {

// The longest text a text field holds; nothing for a value of another kind.
template <std::size_t N> std::optional<Allowed> textLengthHeld(const TextField<N>& /*text*/) {
    return Allowed{Allowed::Kind::TextLength, 0, int(N - 1)};
}

template <typename Value> std::optional<Allowed> textLengthHeld(const Value& /*value*/) {
    return std::nullopt;
}

} // namespace

std::optional<Phrase> holdableWording(const ProfileField& field) {
    using Kind = Holdable::Kind;
    const Holdable& holdable = field.holdable;
    std::optional<Allowed> allowed;
    switch (holdable.kind) {
    case Kind::Number:
        if (!field.isListIndex()) {
            allowed = Allowed{Allowed::Kind::Range, holdable.low, holdable.high};
        }
        break;
    case Kind::Address:
        allowed = Allowed{Allowed::Kind::Address};
        break;
    case Kind::AddressList:
        allowed = Allowed{Allowed::Kind::AddressList};
        break;
    case Kind::SlotOffset:
        allowed = Allowed{Allowed::Kind::SlotOffsetAny};
        break;
    case Kind::Character:
        allowed = Allowed{Allowed::Kind::Character};
        break;
    case Kind::Anything: {
        // A text is held up to its array's size; a flag holds anything.
        const TrackerConfig any;
        allowed = visitValue(any, field, kPrimary,
                             [](const auto& value) { return textLengthHeld(value); });
        break;
    }
    }
    if (!field.isShown() || !allowed) {
        return std::nullopt;
    }
    return allowedWording(UnholdableValue{&field, kPrimary, {}, *allowed});
}

Phrase phaseWording(ExchangePhase phase) {
    switch (phase) {
    case ExchangePhase::CheckingTracker:
        return message(WL3_TR("Message", "Asking the tracker for its version"));
    case ExchangePhase::FirstRead:
        return message(WL3_TR("Message", "Reading the configuration"));
    case ExchangePhase::SecondRead:
        return message(WL3_TR("Message", "Reading it again, to verify"));
    case ExchangePhase::Writing:
        return message(WL3_TR("Message", "Writing the configuration"));
    case ExchangePhase::ReadingBack:
        return message(WL3_TR("Message", "Reading it back, to verify"));
    case ExchangePhase::Tone:
        break;
    }
    return message(WL3_TR("Message", "Sending the tone command"));
}

Phrase adviceReason(const Advice& advice) {
    using Kind = Advice::Kind;
    const Phrase element = verbatim(advice.element);
    switch (advice.kind) {
    case Kind::NoCallsign:
        return message(WL3_TR("Message", "no callsign: every transmission must carry your own"));
    case Kind::Placeholder:
        return message(WL3_TR("Message", "%1 is a placeholder that may not be transmitted: "
                                         "set your own callsign"),
                       {element});
    case Kind::ObsoleteElement:
        return message(WL3_TR("Message", "%1 is obsolete and no longer served by the networks: "
                                         "use WIDE1-1,WIDE2-1 or WIDE2-2"),
                       {element});
    case Kind::WideTooFar:
        return message(WL3_TR("Message",
                              "%1 asks for more than two hops and floods the network: use "
                              "WIDE2-2 at most"),
                       {element});
    case Kind::TooManyHops:
        return message(
            WL3_TR("Message", "the path asks for %1 hops in all; more than two floods the network"),
            {number(advice.number)});
    case Kind::FastAutoRate:
        return message(WL3_TR("Message", "a beacon every %1 seconds crowds the channel: once a "
                                         "minute or less often is advised"),
                       {number(advice.number)});
    case Kind::SlowSpeedNotBelow:
        return message(WL3_TR("Message", "the slow speed (%1 MPH) is not below the fast speed "
                                         "(%2 MPH), so SmartBeaconing cannot tell them apart"),
                       {number(advice.number), number(advice.other)});
    case Kind::FastRateAboveSlow:
        return message(WL3_TR("Message", "the fast rate (%1 seconds) is longer than the slow rate "
                                         "(%2 seconds): moving, the tracker would beacon less "
                                         "often"),
                       {number(advice.number), number(advice.other)});
    case Kind::EmergencyMessage:
        break;
    }
    return message(WL3_TR("Message", "Emergency! makes every station that receives it raise an "
                                     "alarm: choose it only in a real emergency"));
}

Phrase adviceWording(const Advice& advice) {
    //: A piece of advice: %1 the key of the field (primary.digiPath), %2 the reason.
    return message(WL3_TR("Message", "%1: %2"),
                   {verbatim(configKeyPath(*advice.field, advice.profile)), adviceReason(advice)});
}

Phrase symbolWording(char table, char symbol) {
    const SymbolMeaning meaning = symbolMeaning(table, symbol);
    if (meaning.symbol == nullptr) {
        return Phrase{"Symbol", WL3_TR("Symbol", "unassigned"), {}};
    }
    Phrase name{"Symbol", std::string(meaning.symbol->name), {}};
    if (meaning.overlay == '\0') {
        return name;
    }
    //: A symbol drawn with a character over it: %1 the symbol's name, %2 the character.
    return Phrase{"Symbol",
                  WL3_TR("Symbol", "%1 with overlay %2"),
                  {std::move(name), verbatim(std::string(1, meaning.overlay))}};
}

Phrase accessWording(const PortAccessCheck& check) {
    switch (check.access) {
    case PortAccess::NotInGroup:
        return message(WL3_TR("Message", "permission denied. Add your user to the group that owns "
                                         "the device (sudo usermod -aG %1 $USER), then log out and "
                                         "back in."),
                       {verbatim(check.group)});
    case PortAccess::GroupNotInSession:
        return message(WL3_TR("Message", "permission denied. Your user is in the group %1, but "
                                         "this session began before it was added: log out and back "
                                         "in (or run newgrp %1)."),
                       {verbatim(check.group)});
    case PortAccess::RootOnly:
        return message(WL3_TR("Message",
                              "permission denied. Only root may open this device, and no "
                              "group helps: a udev rule must give it a group (see "
                              "PERMISSIONS in man wl3)."));
    case PortAccess::Allowed:
    case PortAccess::Denied:
        break;
    }
    return message(WL3_TR("Message", "permission denied."));
}

Phrase comPortRangeWording() {
    return message(WL3_TR("Message", "%1 to %2"), {verbatim(std::string(kComPortNames.front())),
                                                   verbatim(std::string(kComPortNames.back()))});
}

Phrase portChoiceRefusal(std::string_view given) {
    return message(WL3_TR("Message", "%1 or a device path, not \"%2\""),
                   {comPortRangeWording(), verbatim(std::string(given))});
}

Phrase fileNameRefusal(std::string_view given) {
    return message(WL3_TR("Message", "a file name ending in %1 or %2, not \"%3\""),
                   {verbatim(std::string(kConfigFileExtension)), verbatim(".json"),
                    verbatim(std::string(given))});
}

Phrase rowPlace(const std::string& file, int row) {
    return message(WL3_TR("Message", "%1 row %2"), {fileName(file, FileAction::Load), number(row)});
}

Phrase fieldNameWording(const FieldDifference& difference) {
    const ProfileField& field = *difference.field;
    if (difference.shownAlike) {
        return verbatim(std::string(field.key));
    }
    return field.control.label.text.empty() ? checkBoxName(field)
                                            : formText(field.control.label.text);
}

Phrase fieldValueWording(const TrackerConfig& config, const FieldDifference& difference) {
    const ProfileField& field = *difference.field;
    return visitValue(config, field, difference.profile,
                      Overloaded{
                          []<std::size_t N>(const TextField<N>& text) {
                              return textOf(text).empty() ? message(WL3_TR("Message", "(empty)"))
                                                          : verbatim(std::string(textOf(text)));
                          },
                          [](const char& c) {
                              return c == '\0' ? message(WL3_TR("Message", "(none)"))
                                               : verbatim(std::string(1, c));
                          },
                          [&field](const int& value) {
                              return field.isListIndex() ? listItemWording(field, value)
                                                         : withUnit(number(value), field);
                          },
                          [&](const bool& flag) {
                              const bool shown = field.view != nullptr && !difference.shownAlike
                                                     ? field.view->shown(config, difference.profile)
                                                     : flag;
                              //: A check box's state, as a comparison of two configurations shows
                              //: it.
                              return shown ? message(WL3_TR("Message", "on"))
                                           : message(WL3_TR("Message", "off"));
                          },
                      });
}

Phrase sameRecordWording(int storedBytesDiffering) {
    if (storedBytesDiffering == 1) {
        return message(WL3_TR("Message", "same record, 1 stored byte differs"));
    }
    //: Two configurations whose fields are all alike, though their images are not byte for
    //: byte: %1 is how many of the 128 bytes differ.
    return message(WL3_TR("Message", "same record, %1 stored bytes differ"),
                   {number(storedBytesDiffering)});
}

} // namespace wl3
