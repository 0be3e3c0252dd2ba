#pragma once

// Restoring a backup into the database open for the file it was taken from: the backup's
// content takes the open one's place, so that the next save writes the backup's bytes again.

#include "dbase/channel_database.h"

namespace orvane {

// Gives db the content of backup: the raw arrays with their display rows and program count,
// and what a save writes around them (kind, header with its version text, bank). The backup's
// kind wins over the open file's: the file is to hold again what it held then, and a backup
// taken before a "Save To Default" over a "Channel Data" file is a "Channel Data" file.
// Returns whether db held anything else before.
bool Restore_Database_Content(ChannelDatabase &db, const ChannelDatabase &backup);

} // namespace orvane
