#pragma once

// The commands of orvane-cli. Each opens its files through the library exactly as the
// program's own Open and Save do, with the working copy in memory, and returns the exit
// status. A database file it replaces is backed up first, as the program's saves do.

#include "cli/command_line.h"

#include <ostream>

namespace orvane::cli {

int Run_Command(const CommandLine &line, std::ostream &out, std::ostream &err);

// Wrong usage: the reason and the usage text on err; returns kExitUsage.
int Usage_Error(std::ostream &err, const std::string &reason);

} // namespace orvane::cli
