#pragma once

// The command line of orvane-cli: a command, its file names and its options, which may stand
// before, between or after the file names. Parsing checks everything that makes a call wrong
// usage (exit status 2) before any file is touched.

#include "dbase/container.h"
#include "dbase/name_text.h"
#include "dbase/program_order.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane::cli {

enum ExitStatus : int { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

struct CommandLine
{
    std::string command;
    std::vector<std::string> files;
    std::optional<FileKind> kind;
    std::optional<std::string> like;
    std::optional<int> mode;
    std::optional<std::string> port; // a device path ("/dev/ttyUSB0") or "COM1".."COM10"
    std::optional<ProgramSortKey> sort_key;
    // The set names are read and written in (--charset); every database the command opens
    // takes it.
    const NameText *charset = &Latin1_Names();
    bool names = false;      // order takes the reference's names
    bool favourites = false; // ... and its favourite groups
    bool json = false;       // check prints JSON
    bool csv = false;        // export writes the program list as CSV
    bool help = false;
    bool version = false; // --version: print the version, whatever else is given
};

struct ParsedCommandLine
{
    bool ok = false;
    std::string error; // what made the call wrong usage
    CommandLine line;
};

ParsedCommandLine Parse_Command_Line(std::span<const std::string> arguments);

std::string Usage_Text();

// Whether a command reads or writes names, and so takes --charset.
bool Takes_Charset(const std::string &command);

// The kind a command works on: the one --kind names, or else the one the file's size gives. A
// file of neither size goes on as "Channel Data", and the open or transfer then reports it.
FileKind Kind_Of(const std::string &path, std::optional<FileKind> forced);

} // namespace orvane::cli
