#pragma once

// `orvane-cli backups [NAME]`: the backups of replaced database files, newest first, one line
// each: time, file name, size, kind, programs, and the backup's path for a copy back.

#include "cli/command_line.h"
#include "dbase/backups.h"

#include <ostream>
#include <vector>

namespace orvane::cli {

void Print_Backups(const std::string &folder, const std::vector<BackupFile> &backups,
                   std::ostream &out);

int Run_Backups(const CommandLine &line, std::ostream &out, std::ostream &err);

} // namespace orvane::cli
