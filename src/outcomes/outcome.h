#pragma once

#include "outcomes/file_problem.h"
#include "outcomes/port_problem.h"
#include "outcomes/value_problem.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// What happened, as the layer that found it knows it: a failure, a warning or an outcome
// the user must see, each with its arguments. The window and wl3 put them into words
// (wording/wording.h), so that no layer below them words a message.
namespace wl3 {

struct ConfigComparison;

// The serial link and the tracker.

struct PortNumberInvalid {};
struct PortNotOpen {};
struct PortCallFailed {
    PortCall call = PortCall::Open;
    PortError error{};
    PortAccessCheck access{};  // for PortFailure::AccessDenied: what would let the user in
    bool partialImage = false; // a write that stopped between an image's first and last byte
};
struct WriteMismatch {
    bool partialImage = false;
};
struct TrackerNotFound {
    std::string device{};
    bool answered = false; // something answered, but not as a Wrenlink3 does
};
// The image read back after a write: readBack bytes of the sent ones, or as many that differ.
struct WriteNotVerified {
    int sent = 0;
    int readBack = 0;
};

// The commands.

struct VersionReply {
    std::string reply{}; // as received, at most 29 bytes of any value
};
struct ReadFailed {};
struct ReadSucceeded {};
struct WriteSucceeded {};
struct CalibrationNotWritten {};
enum class RefusedAction { Write, Save, Compare };
struct ValuesRefused {
    RefusedAction action = RefusedAction::Write;
    std::vector<UnholdableValue> values{}; // in the order of the form
};

// The image codec.

struct ImageSizeWrong {
    std::optional<std::size_t> size{}; // the decoder's image; none for the encoder's buffer
};
struct AddressesDoNotFit {};
struct TextTruncated {};
// wl3 refuses a record whose status texts the image would cut: each profile's text, and how
// many of its characters fit.
struct TextsWouldBeCut {
    std::array<int, 2> length{}; // by profile
    std::array<int, 2> fits{};
};
// Given leave to cut them, what a profile's status text lost.
struct TextStoredCut {
    int profile = 0;
    std::string lost{};
};

// Files.

enum class FileAction { Load, Save };
enum class FileStep { Open, Read, Write, Format, Decode, Size };
struct FileFailed {
    FileAction action = FileAction::Load;
    FileStep step = FileStep::Open;
    std::string path{}; // as given; "-" for standard input or output
    FileReason reason{};
};
// A load of a JSON file that holds no configuration.
struct JsonRefused {
    std::string path{};
    JsonProblem problem{};
};
// A fault in a row of a fleet's units file.
struct UnitsRowFault {
    enum class Kind {
        KeyTwice,
        UnknownKey,
        CellCount,
        BadValue,
        BadPort,
        NoPortColumn,
        Semicolons
    };
    Kind kind = Kind::BadValue;
    std::string file{}; // as given; "-" for standard input
    int row = 0;
    std::string key{}; // the column, or the port given for BadPort
    std::size_t cells = 0;
    std::size_t headerCells = 0;
    JsonProblem value{}; // for BadValue
};

// wl3's own.

struct OutputFailed {};   // standard output took not everything written to it
struct ImageFinishing {}; // an interrupt during an image write, which goes on to its end
struct Interrupted {
    enum class Stage { Exchange, WriteBegun, ImageSent };
    Stage stage = Stage::Exchange;
};
struct ToneKeepsSending {};
struct NoUsbAdapter {};
struct PortNamedTwice {
    std::string place{};
    std::string port{};
    std::string firstPlace{};
    std::string firstPort{};
};
struct FileForSeveral {
    std::string option{};
};
struct FileNamedTwice {
    std::string path{};
};
struct BackupSaved {
    std::string path{};
};
struct NoThread {
    std::string reason{}; // the system's words
};
struct OutOfMemory {};
// A fleet serves fewer trackers at once than asked, for the descriptors it may open.
struct FewerAtOnce {
    std::size_t count = 0;
};
// A tracker of a fleet checked against what its row would write: the row's configuration
// first, the tracker's second.
struct UnitCompared {
    std::shared_ptr<const ConfigComparison> comparison{};
};

using Outcome =
    std::variant<PortNumberInvalid, PortNotOpen, PortCallFailed, WriteMismatch, TrackerNotFound,
                 WriteNotVerified, VersionReply, ReadFailed, ReadSucceeded, WriteSucceeded,
                 CalibrationNotWritten, ValuesRefused, ImageSizeWrong, AddressesDoNotFit,
                 TextTruncated, TextsWouldBeCut, TextStoredCut, FileFailed, JsonRefused,
                 UnitsRowFault, OutputFailed, ImageFinishing, Interrupted, ToneKeepsSending,
                 NoUsbAdapter, PortNamedTwice, FileForSeveral, FileNamedTwice, BackupSaved,
                 NoThread, OutOfMemory, FewerAtOnce, UnitCompared>;

} // namespace wl3
