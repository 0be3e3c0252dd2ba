#include "views/structural_edits.h"

#include "dbase/decode.h"
#include "dbase/maintenance.h"
#include "dbase/record_writers.h"
#include "views/edit_messages.h"
#include "views/row_maps.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr int kMaxSatTps = 2000;
constexpr int kMaxTpsPerSatellite = 150;
constexpr int kMaxTerTps = 1000;
constexpr int kMaxTpsPerTerGroup = 255; // the 8-bit Tp_Number
constexpr int kMaxPrograms = 4000;
constexpr int kMaxProgramsPerSatTp = 120;

int Current_Slot(const MainViews &views, GridId grid)
{
    return views.Row_Slot(grid, views.cursor(grid).current_row);
}

template<typename Rows>
int Lowest_Unused(const Rows &rows)
{
    for (std::size_t slot = 0; slot < rows.size(); ++slot)
        if (rows[slot].In_Use == 0)
            return static_cast<int>(slot);
    return kNoSlot;
}

// The transponder grid shows the new transponder's row, current and focused; the row's click
// selects it, lists its (empty) program lists and shows it in the info pane.
FocusRequest Show_New_Tp(MainViews &views, int slot)
{
    views.view().Data_Modified = true;
    views.Fill_Tp_Grid();
    views.Make_Row_Current(GridId::Tp, views.Row_Of_Slot(GridId::Tp, slot));
    return GridId::Tp;
}

FocusRequest New_Sat_Tp(MainViews &views, EditCommandHost &host)
{
    ChannelDatabase &db = views.database();
    ViewState &view = views.view();
    if (Sat_Tp_Total_Count(db.raw) >= kMaxSatTps) {
        host.Show_Error(msg::kMaxSatTps);
        return {};
    }
    const int satellite = Current_Slot(views, GridId::Sat);
    if (satellite == kNoSlot)
        return {};
    const int per_satellite = Sat_Tp_Per_Sat_Count(db.raw, satellite);
    if (per_satellite >= kMaxTpsPerSatellite) {
        host.Show_Error(msg::kMaxTpsPerSatellite);
        return {};
    }
    // Counts that disagree with the in-use flags (a file from elsewhere) may leave no slot.
    const int slot = Free_Sat_Tp_Slot(db);
    if (slot == kNoSlot) {
        host.Show_Error(msg::kMaxSatTps);
        return {};
    }
    view.Edit_Accepted = false;
    view.Is_New_Entry = true;
    host.Run_New_Tp_Dialog(slot, satellite, per_satellite + 1);
    view.Is_New_Entry = false;
    if (!std::exchange(view.Edit_Accepted, false))
        return {};
    List_Sat_Tps_Of(db, view, satellite);
    return Show_New_Tp(views, slot);
}

FocusRequest New_Ter_Tp(MainViews &views, EditCommandHost &host)
{
    ChannelDatabase &db = views.database();
    ViewState &view = views.view();
    const int slot = Free_Ter_Tp_Slot(db);
    if (Ter_Tp_Total_Count(db.raw) >= kMaxTerTps || slot == kNoSlot) {
        host.Show_Error(msg::kMaxTerTps);
        return {};
    }
    // New terrestrial transponders join group 0.
    if (Ter_Tp_Per_Group_Count(db.raw, 0) >= kMaxTpsPerTerGroup) {
        host.Show_Error(msg::kMaxTpsPerGroup);
        return {};
    }
    view.Edit_Accepted = false;
    view.Is_New_Entry = true;
    host.Run_New_Tp_Dialog(slot, kNoSlot, 0);
    view.Is_New_Entry = false;
    if (!std::exchange(view.Edit_Accepted, false))
        return {};
    List_Used_Ter_Tps(db, view);
    return Show_New_Tp(views, slot);
}

FocusRequest New_Program(MainViews &views, EditCommandHost &host, bool radio)
{
    ChannelDatabase &db = views.database();
    ViewState &view = views.view();
    const int tp = Current_Slot(views, GridId::Tp);
    if (tp == kNoSlot)
        return {};
    // The stored count decides; the table's own end refuses too.
    if (db.Program_Count >= kMaxPrograms || Used_Program_Count(db.raw) >= kProgramSlots) {
        host.Show_Error(msg::kMaxPrograms);
        return {};
    }
    if (view.View_Mode == kSatellitesPage && Sat_Programs_On(db, tp) >= kMaxProgramsPerSatTp) {
        host.Show_Error(msg::kMaxProgramsPerTp);
        return {};
    }
    bool &is_new = radio ? view.Is_New_Radio : view.Is_New_TV;
    bool &added = radio ? view.Radio_Added : view.TV_Added;
    added = false;
    is_new = true;
    host.Run_New_Program_Dialog(db.Program_Count, tp);
    is_new = false;
    if (!std::exchange(added, false))
        return {};
    view.Data_Modified = true;
    List_Programs_Of_Tp(db, view, tp, view.View_Mode);
    views.Fill_Program_Grids();
    // The new program occupies the last slot; its row's click selects it and shows it in the
    // info pane.
    const int program = db.Program_Count - 1;
    const GridId grid = radio ? GridId::Radio : GridId::Tv;
    views.Make_Row_Current(grid, views.Row_Of_Slot(grid, program));
    return grid;
}

// The satellite list under the filter after a deletion: marks are only ever added, and the
// satellite grid keeps what it shows.
void Relist_Marked_Satellites(ChannelDatabase &db, ViewState &view)
{
    view.Tp_Row_Map.fill(kNoSlot);
    for (int p = 0; p < Listed_Program_Count(db); ++p) {
        const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(p)];
        if (row.In_Use == 1 && row.Tp_Kind == prog::kKindSatellite && row.Sat_Slot >= 0
            && row.Sat_Slot < kSatelliteCount)
            view.Sat_Active_Marks[static_cast<std::size_t>(row.Sat_Slot)] = 1;
    }
    view.Sat_Row_Map.fill(kNoSlot);
    std::size_t next = 0;
    for (int s = 0; s < kSatelliteCount; ++s)
        if (view.Sat_Active_Marks[static_cast<std::size_t>(s)] == 1)
            view.Sat_Row_Map[next++] = s;
    List_Sat_Tps_Of_Marked(db, view);
}

// Deletes transponder slot tp of the page on show; for a satellite's last transponder,
// returns the slot of the default transponder that took its place. A deletion leaves the
// selection as a transponder click does, which decides how the lists are rebuilt after it.
int Delete_Listed_Tp(MainViews &views, int tp)
{
    ChannelDatabase &db = views.database();
    ViewState &view = views.view();
    view.Tp_Selected = true;
    view.Tv_Selected = view.Radio_Selected = false;
    if (view.View_Mode == kTerrestrialPage) {
        Delete_Ter_Transponder(db, tp, db.rows.ter_tps[static_cast<std::size_t>(tp)].Group_Index);
        return kNoSlot;
    }
    const SatTpDeletion deletion = Delete_Sat_Transponder(
            db, tp, db.rows.sat_tps[static_cast<std::size_t>(tp)].Sat_Index);
    return deletion.Default_Tp_Replaced ? deletion.default_slot : kNoSlot;
}

// Whether some used program among slots 0..Program_Count-1 names tp, of either kind.
bool Tp_Occupied(const ChannelDatabase &db, int tp)
{
    for (int p = 0; p < Listed_Program_Count(db); ++p) {
        const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(p)];
        if (row.In_Use == 1 && row.Tp_Index == tp)
            return true;
    }
    return false;
}

// The program maps for the narrowing in force after programs were deleted; each later step
// replaces the earlier.
void Relist_Programs(MainViews &views)
{
    ChannelDatabase &db = views.database();
    ViewState &view = views.view();
    const int mode = view.View_Mode;
    const int satellite = Current_Slot(views, GridId::Sat);
    List_Programs(db, view, mode);
    if (view.Sat_Selected)
        List_Programs_Of_Sat(db, view, satellite, mode);
    if (view.Tp_Selected)
        List_Programs_Of_Tp(db, view, Current_Slot(views, GridId::Tp), mode);
    if (view.Fav_Selected)
        List_Programs_Of_Fav(db, view, view.Fav_Group_Index, mode);
    if (view.Fav_Selected && view.Sat_Selected)
        List_Programs_Of_Sat_Fav(db, view, view.Fav_Group_Index, satellite, mode);
}

void Mark_Program_Grid_Selected(ViewState &view, GridId grid)
{
    view.Tv_Selected = grid == GridId::Tv;
    view.Radio_Selected = grid == GridId::Radio;
}

FocusRequest Delete_Program_Of(MainViews &views, EditCommandHost &host, GridId grid)
{
    ViewState &view = views.view();
    const GridCursor before = views.cursor(grid);
    const int program = views.Row_Slot(grid, before.current_row);
    if (program == kNoSlot || !host.Confirm(msg::kConfirmDeleteProgram))
        return {};
    Mark_Program_Grid_Selected(view, grid);
    Delete_Program(views.database(), program);
    Relist_Programs(views);
    if (before.row_count <= 2) {
        views.Clear_Info();
    } else {
        const bool was_last = before.current_row == before.row_count - 1;
        views.Show_Info(kNoSlot, kNoSlot,
                        views.Row_Slot(grid, before.current_row - (was_last ? 1 : 0)));
    }
    views.Fill_Program_Grids();
    view.Data_Modified = true;
    return {};
}

} // namespace

int Free_Sat_Tp_Slot(const ChannelDatabase &db)
{
    return Lowest_Unused(db.rows.sat_tps);
}

int Free_Ter_Tp_Slot(const ChannelDatabase &db)
{
    return Lowest_Unused(db.rows.ter_tps);
}

int Sat_Programs_On(const ChannelDatabase &db, int tp)
{
    int count = 0;
    for (int p = 0; p < Listed_Program_Count(db); ++p) {
        const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(p)];
        if (row.In_Use == 1 && row.Tp_Kind == prog::kKindSatellite && row.Tp_Index == tp)
            ++count;
    }
    return count;
}

FocusRequest New_TpClick(MainViews &views, EditCommandHost &host)
{
    if (!views.view().Data_Loaded)
        return {};
    return views.view().View_Mode == kSatellitesPage ? New_Sat_Tp(views, host)
                                                     : New_Ter_Tp(views, host);
}

FocusRequest New_TvClick(MainViews &views, EditCommandHost &host)
{
    return views.view().Data_Loaded ? New_Program(views, host, false) : FocusRequest{};
}

FocusRequest New_RadioClick(MainViews &views, EditCommandHost &host)
{
    return views.view().Data_Loaded ? New_Program(views, host, true) : FocusRequest{};
}

FocusRequest Delete_TpClick(MainViews &views, EditCommandHost &host)
{
    ChannelDatabase &db = views.database();
    ViewState &view = views.view();
    const GridCursor before = views.cursor(GridId::Tp);
    const int tp = views.Row_Slot(GridId::Tp, before.current_row);
    if (tp == kNoSlot || !host.Confirm(msg::kConfirmDeleteTp))
        return {};
    const int default_tp = Delete_Listed_Tp(views, tp);
    if (view.View_Mode == kSatellitesPage) {
        List_Used_Sat_Tps(db, view);
        if (view.Sat_Selected)
            List_Sat_Tps_Of(db, view, Current_Slot(views, GridId::Sat));
        if (view.Show_Active_Only && !view.Sat_Selected)
            Relist_Marked_Satellites(db, view);
    } else {
        List_Used_Ter_Tps(db, view);
    }
    // The transponder that moved up into the row, or the one above when the last row went.
    const bool was_last = before.current_row == before.row_count - 1 && before.row_count > 2;
    int shown = Map_Slot(view.Tp_Row_Map, before.current_row - (was_last ? 2 : 1));
    if (default_tp != kNoSlot)
        shown = default_tp;
    List_Programs_Of_Tp(db, view, shown, view.View_Mode);
    views.Fill_Tp_Grid();
    views.Show_Info(kNoSlot, shown, kNoSlot);
    view.Data_Modified = true;
    // The row that shows it becomes current; its click lists the same programs and info and
    // leaves the flags as that row's click does.
    if (const int row = views.Row_Of_Slot(GridId::Tp, shown); row != kNoSlot)
        views.Make_Row_Current(GridId::Tp, row);
    return {};
}

FocusRequest Del_All_Empty_TpClick(MainViews &views, EditCommandHost &host)
{
    ChannelDatabase &db = views.database();
    ViewState &view = views.view();
    if (!view.Data_Loaded || !host.Confirm(msg::kConfirmDeleteEmptyTps))
        return {};
    std::vector<int> empty;
    for (int i = 0; i < Map_Length(view.Tp_Row_Map); ++i)
        if (const int tp = view.Tp_Row_Map[static_cast<std::size_t>(i)]; !Tp_Occupied(db, tp))
            empty.push_back(tp);
    for (const int tp : empty)
        Delete_Listed_Tp(views, tp);

    const int mode = view.View_Mode;
    if (mode == kSatellitesPage) {
        const int satellite = Current_Slot(views, GridId::Sat);
        if (view.Sat_Selected) {
            List_Sat_Tps_Of(db, view, satellite);
            List_Programs_Of_Sat(db, view, satellite, mode);
        } else {
            List_Used_Sat_Tps(db, view);
            List_Programs(db, view, mode);
        }
        if (view.Show_Active_Only && !view.Sat_Selected)
            views.Show_Active_Lists();
    } else {
        List_Used_Ter_Tps(db, view);
    }
    const int first_tp = Map_Slot(view.Tp_Row_Map, 0);
    if (view.Tp_Selected)
        List_Programs_Of_Tp(db, view, first_tp, mode);
    else
        List_Programs(db, view, mode);
    views.Show_Info(kNoSlot, first_tp, kNoSlot);
    views.Fill_Tp_Grid();
    view.Data_Modified = true;

    // Which rows become current is decided from the rebuilt state. Each row's click runs as it
    // is set: the "Show ALL Info" row lists every satellite's entries again and clears the
    // selection, then the first transponder row selects its transponder.
    const bool first_tp_current = view.Tp_Selected;
    FocusRequest focus;
    if (mode == kSatellitesPage) {
        views.Make_Row_Current(GridId::Sat, 0);
        focus = GridId::Sat;
    }
    if (first_tp_current) {
        views.Make_Row_Current(GridId::Tp, 1);
        focus = GridId::Tp;
    }
    return focus;
}

FocusRequest Delete_TvClick(MainViews &views, EditCommandHost &host)
{
    return Delete_Program_Of(views, host, GridId::Tv);
}

FocusRequest Delete_RadioClick(MainViews &views, EditCommandHost &host)
{
    return Delete_Program_Of(views, host, GridId::Radio);
}

FocusRequest Delete_ProgramsClick(MainViews &views, EditCommandHost &host, GridId grid,
                                  std::span<const int> rows)
{
    std::vector<int> slots;
    int first_row = kNoSlot;
    for (const int row : rows)
        if (const int slot = views.Row_Slot(grid, row); slot != kNoSlot) {
            slots.push_back(slot);
            first_row = first_row == kNoSlot ? row : std::min(first_row, row);
        }
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    if (slots.empty() || !host.Confirm(msg::kConfirmDeletePrograms))
        return {};
    ViewState &view = views.view();
    const int current = views.Row_Slot(grid, views.cursor(grid).current_row);
    Mark_Program_Grid_Selected(view, grid);
    Delete_Programs(views.database(), slots);
    Relist_Programs(views);
    views.Fill_Program_Grids();
    // The current program where it stays, else the row the first deleted one stood on.
    int row = kNoSlot;
    if (current != kNoSlot && !std::binary_search(slots.begin(), slots.end(), current)) {
        const auto below = std::lower_bound(slots.begin(), slots.end(), current) - slots.begin();
        row = views.Row_Of_Slot(grid, current - static_cast<int>(below));
    }
    if (row == kNoSlot)
        row = std::min(first_row, views.cursor(grid).row_count - 1);
    views.Set_Current_Row(grid, row);
    const int shown = views.Row_Slot(grid, views.cursor(grid).current_row);
    if (shown == kNoSlot)
        views.Clear_Info();
    else
        views.Show_Info(kNoSlot, kNoSlot, shown);
    view.Data_Modified = true;
    return grid;
}

} // namespace orvane
