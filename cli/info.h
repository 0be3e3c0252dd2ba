#pragma once

// `orvane-cli info`: a summary of an opened database file, one "key: value" line each.

#include "dbase/channel_database.h"

#include <ostream>
#include <string>

namespace orvane::cli {

void Print_Info(const ChannelDatabase &db, const std::string &path, std::ostream &out);

} // namespace orvane::cli
