#pragma once

// `orvane-cli import-csv CSV --like FILE OUT`: an edited program list applied to FILE, saved
// as OUT. `export --csv` writes the list to edit.

#include "cli/command_line.h"

#include <ostream>

namespace orvane::cli {

int Run_Import_Csv(const CommandLine &line, std::ostream &out, std::ostream &err);

} // namespace orvane::cli
