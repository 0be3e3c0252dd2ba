#pragma once

// `orvane-cli backups [FILE]`: the backups of replaced database files, or of FILE only, newest
// first, one line each: time, the path of the file it was taken from (the file name alone for a
// flat backup of an earlier version), size, kind, programs, and the backup's path.

#include "cli/command_line.h"
#include "dbase/backups.h"

#include <ostream>
#include <vector>

namespace orvane::cli {

void Print_Backups(const std::string &folder, const std::vector<BackupFile> &backups,
                   std::ostream &out);

int Run_Backups(const CommandLine &line, std::ostream &out, std::ostream &err);

} // namespace orvane::cli
