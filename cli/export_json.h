#pragma once

// `orvane-cli export`: the decoded tables of an opened database as one JSON document, keys
// named after the record fields. Coded fields are numbers, frequencies, PIDs and the like
// their display texts.

#include "dbase/channel_database.h"

#include <ostream>

namespace orvane::cli {

void Write_Export(const ChannelDatabase &db, std::ostream &out);

} // namespace orvane::cli
