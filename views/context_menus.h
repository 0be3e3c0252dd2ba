#pragma once

// What the four context menus of the lists offer when they open. Each popup handler computes
// the enabling from the view state as it stands, before it re-runs the click of the row the
// menu was opened on, so a command that needs a selection is offered only after its row was
// clicked.

#include "views/main_views.h"

namespace orvane {

struct SateMenu
{
    bool Show_Act_Sat = false;
    const char *show_act_sat_caption = nullptr;
    bool Change_Sat = false;
};

struct TpMenu
{
    bool Change_Tp = false;
    bool New_Tp = false;
    bool New_Tp_Tv = false;
    bool New_Tp_Radio = false;
    bool Delete_Tp = false;
    bool Del_All_Empty_Tp = false;
    const char *new_tp_caption = nullptr;    // "Satellites Tp" / "Terrestrial Tp"
    const char *delete_tp_caption = nullptr; // "Delete Satellites Tp" / "Delete Terrestrial Tp"
};

// PM_Tv and PM_Radio: "Change TV data", "New TV", "Delete Tv" and their radio twins.
struct ProgramMenu
{
    bool Change = false;
    bool New = false;
    bool Delete = false;
};

// The popup handlers. PM_SatePopup empties the info list; the others press the hidden button
// of their grid (the row's click) when the row shows an entry.
SateMenu PM_SatePopup(MainViews &views);
TpMenu PM_TPPopup(MainViews &views);
ProgramMenu PM_TvPopup(MainViews &views);
ProgramMenu PM_RadioPopup(MainViews &views);

} // namespace orvane
