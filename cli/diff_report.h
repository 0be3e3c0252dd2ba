#pragma once

// `orvane-cli diff`: what B changes relative to A, for a terminal (the changes by table, one
// line each, then the summary) or as JSON with the fields that differ.

#include "dbase/database_compare.h"

#include <ostream>

namespace orvane::cli {

void Print_Diff_Report(const DatabaseComparison &comparison, std::ostream &out);
void Write_Diff_Json(const DatabaseComparison &comparison, std::ostream &out);

} // namespace orvane::cli
