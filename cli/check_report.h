#pragma once

// `orvane-cli check`: the database check's report for a terminal (the gauges as bars, then the
// findings by severity) or as JSON, the names inside the texts read in the database's set.

#include "dbase/database_check.h"
#include "dbase/name_text.h"

#include <ostream>
#include <string>

namespace orvane::cli {

void Print_Check_Report(const CheckReport &report, const NameText &names, std::ostream &out);
void Write_Check_Json(const CheckReport &report, const NameText &names, std::ostream &out);
// What --json prints for a file a command could not open: {"error": message}.
void Write_Error_Json(const std::string &message, std::ostream &out);

} // namespace orvane::cli
