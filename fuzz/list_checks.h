#pragma once

#include "dbase/channel_database.h"

namespace orvane::fuzz {

// Builds every list of both pages from db, clicks every row, chooses every favourites line,
// toggles the filter and builds the info pane for every slot, checking that every row maps to a
// slot of its table or to nothing.
void Check_Lists(ChannelDatabase &db);

} // namespace orvane::fuzz
