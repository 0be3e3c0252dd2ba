#pragma once

// orvane-cli read and write: the receiver transfers of the program's File menu, without a
// window. The transfer, its texts and its checks are the program's own; only the dialog is
// replaced by the terminal.

#include "cli/command_line.h"

#include <ostream>

namespace orvane::cli {

// read --port PORT --kind data|default OUT
int Run_Read(const CommandLine &line, std::ostream &out, std::ostream &err);
// write --port PORT FILE (the kind from the file's size unless --kind names it)
int Run_Write(const CommandLine &line, std::ostream &out, std::ostream &err);

} // namespace orvane::cli
