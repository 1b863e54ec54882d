#pragma once

#include <cstdint>
#include <string>
#include <system_error>

namespace wl3 {

// Why a file could not be read or written, or why a run refuses one, as the layer that
// found it knows it; each kind names the arguments it uses.
enum class FileProblem {
    System,          // systemError, in the system's words
    IsFolder,        //
    NotFolder,       // a folder was asked for
    IsReadOnly,      //
    NotAFile,        // a device, a pipe or a socket where a file is read
    CannotBeRead,    // systemError
    FolderMissing,   // the folder it would be made in does not exist
    NoNewFile,       // systemError; the path is the folder
    ShortWrite,      // not every byte could be written
    NotWritable,     // neither a file nor a device to write to
    IsPipe,          // a pipe (FIFO), which may wait for ever or feed another's reader
    IsDevice,        // a device other than the user's terminal or /dev/null
    OthersFile,      // another user's file in a shared folder
    OwnerNotKept,    // a new file could not keep the old one's owner and group
    OthersLink,      // owner, ownerId, via; another user's link in a shared folder
    OthersLinkRoot,  // owner, ownerId, via; another user's link, which root does not follow
    LinkNowhere,     // a link that leads nowhere a file can be saved
    IsRunFile,       // role: the output is one of the run's inputs
    ReplacesRunFile, // role, otherRole: two outputs of the run are one file
    Terminal,        // a binary file would go to a terminal
    NotConfigFile,   // no configuration file's header
    ImageLength,     // count: the image length its header gives
    EndsInHeader,    //
    EndsEarly,       // count: the image bytes it holds
    NotDecodable,    // its image cannot be decoded
    TooLarge,        // larger than any configuration
    NoUnits,         // a units file with no tracker below its header
    Utf16,           // text in UTF-16, where UTF-8 is read
    NotUtf8,         // text in another encoding (a spreadsheet's "ANSI"), where UTF-8 is read
    SystemFolder,    // a folder whose files the system provides (/proc), where none is made
    NotCsv,          // count: the row; detail: the parser's words
    NoMemory,        // the parser had no memory
};

// What a file is to a run, for naming it in a refusal: "the report", "the backup of
// /dev/ttyUSB0".
enum class RunFileKind { Output, InputFile, UnitsFile, Report, Table, Folder, FileOf, BackupOf };

struct RunFileRole {
    RunFileKind kind = RunFileKind::Output;
    std::string port{}; // for FileOf and BackupOf
};

struct FileReason {
    FileProblem problem = FileProblem::System;
    std::error_code systemError{};
    std::string owner{};     // a link's owner's name; empty when the user has none
    unsigned ownerId = 0;    //
    std::string via{};       // the folders a refused link was met in; empty at the path's end
    RunFileRole role{};      //
    RunFileRole otherRole{}; //
    std::uint64_t count = 0; //
    std::string detail{};    // another library's own words
};

} // namespace wl3
