#pragma once

// `orvane-cli check`: the database check's report for a terminal (the gauges as bars, then the
// findings by severity) or as JSON.

#include "dbase/database_check.h"

#include <ostream>

namespace orvane::cli {

void Print_Check_Report(const CheckReport &report, std::ostream &out);
void Write_Check_Json(const CheckReport &report, std::ostream &out);

} // namespace orvane::cli
