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

// A refused file: the message on err, its "\r" line breaks as new lines; returns kExitRefused.
int Refuse(std::ostream &err, std::string message);

// A changed database saved as Save does: in its own kind, the file it replaces backed up.
Outcome Save_In_Own_Kind(ChannelDatabase &db, const std::string &path);

} // namespace orvane::cli
