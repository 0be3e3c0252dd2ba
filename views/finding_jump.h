#pragma once

// Going from a finding of the database check to the entry it names, selecting as the user's
// own clicks would, so that the lists, the selection flags and the info pane follow. A finding
// is taken as untrusted: its slot is checked against its table before anything is selected.

#include "dbase/database_check.h"
#include "views/main_views.h"

#include <optional>

namespace orvane {

// The program that owns audio track slot `track` (its stored Program_Index), when the lists
// can show that program; otherwise kNoSlot.
int Audio_Track_Owner(const ChannelDatabase &db, int track);

// Selects the finding's entry on its page: a program in its grid, an audio track's program,
// a transponder, a satellite, or a favourite group's line of the page on show. Returns the
// grid to focus; nothing for a favourite group (its line is selected), for the counters, and
// for an entry the lists cannot show.
std::optional<GridId> Show_Finding(MainViews &views, const CheckFinding &finding);

} // namespace orvane
