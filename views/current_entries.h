#pragma once

// The entries the lists of the page on show have chosen (satellite, transponder, program),
// by slot, so that the lists can be rebuilt after undo and redo and the same entries chosen
// again by the clicks a user would make.

#include "views/main_views.h"

namespace orvane {

struct CurrentEntries
{
    int page = kSatellitesPage;
    int satellite = kNoSlot;
    int tp = kNoSlot;
    GridId program_grid = GridId::Tv;
    int program = kNoSlot;
};

CurrentEntries Current_Entries(const MainViews &views);

// Rebuilds the lists of the entries' page as when the page is shown, then clicks the
// satellite, the transponder and the program rows in that order where the rebuilt lists
// still show them; an entry they no longer show leaves its list on its first row.
void Show_Entries(MainViews &views, const CurrentEntries &entries);

} // namespace orvane
