#pragma once

// `orvane-cli restore BACKUP [FILE]`: puts a backup's database back, into the file it was
// taken from or into FILE, backing up what it replaces as every other write does.

#include "cli/command_line.h"

#include <ostream>

namespace orvane::cli {

int Run_Restore(const CommandLine &line, std::ostream &out, std::ostream &err);

} // namespace orvane::cli
