#pragma once

// The commands of orvane-cli. Each opens its files through the library exactly as the
// program's own Open and Save do, with the working copy in memory, and returns the exit
// status. A database file it replaces is backed up first, as the program's saves do.

#include "cli/command_line.h"
#include "dbase/channel_database.h"
#include "dbase/outcome.h"

#include <ostream>

namespace orvane::cli {

int Run_Command(const CommandLine &line, std::ostream &out, std::ostream &err);

// Wrong usage: the reason and the usage text on err; returns kExitUsage.
int Usage_Error(std::ostream &err, const std::string &reason);

// A message's "\r" line breaks as new lines.
std::string Terminal_Text(std::string message);

// A refused file: the message on err, its "\r" line breaks as new lines; returns kExitRefused.
int Refuse(std::ostream &err, std::string message);

// A database file of the given kind that could not be opened: the message, then the file's
// path on a line of its own unless the message names it, then its size when that was wrong.
std::string Opening_Refused(const std::string &path, FileKind kind, std::string message);

// Opens a database file as the program's Open does, its working copy in memory; its kind is
// forced's or the one its size gives. A refusal names the file as Opening_Refused does.
Outcome Load_For_Command(ChannelDatabase &db, const std::string &path,
                         std::optional<FileKind> forced);

// A changed database saved as Save does: in its own kind, the file it replaces backed up.
Outcome Save_In_Own_Kind(ChannelDatabase &db, const std::string &path);

} // namespace orvane::cli
