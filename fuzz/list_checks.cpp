// The checks are what the widgets rely on: a row shows a slot of its table or nothing, row
// counts stay within the grids, highlights name existing rows, the info pane of a listed slot
// has its fixed number of lines and shows the PID of the program's current audio track.

#include "fuzz/list_checks.h"
#include "fuzz/image_checks.h"
#include "fuzz/property_check.h"

#include "dbase/record_writers.h"

#include "views/context_menus.h"
#include "views/list_texts.h"

namespace orvane::fuzz {
namespace {

int Table_Size(int view_mode, GridId grid)
{
    switch (grid) {
    case GridId::Sat:
        return kSatelliteCount;
    case GridId::Tp:
        return view_mode == kSatellitesPage ? kSatTransponderSlots : kTerTransponderSlots;
    default:
        return kProgramSlots;
    }
}

void Check_Row(const MainViews &views, GridId grid, int row)
{
    const int mode = views.view().View_Mode;
    const int slot = views.Row_Slot(grid, row);
    FUZZ_CHECK(slot == kNoSlot || (slot >= 0 && slot < Table_Size(mode, grid)));
    for (int column = 0; column < views.Column_Count(mode, grid); ++column)
        (void)views.Cell_Text(mode, grid, row, column).size();
}

// The info pane of the slot a row shows, as a click on the row builds it; for a program, also
// the audio track whose PID the pane shows (expected_tracks: Expected_Current_Tracks).
void Check_Row_Info(const MainViews &views, GridId grid, int row,
                    const std::vector<int> &expected_tracks)
{
    const int slot = views.Row_Slot(grid, row);
    if (slot == kNoSlot)
        return;
    const ChannelDatabase &db = views.database();
    const int mode = views.view().View_Mode;
    const bool satellites = mode == kSatellitesPage;
    switch (grid) {
    case GridId::Sat:
        FUZZ_CHECK(Info_Lines(db, mode, slot, kNoSlot, kNoSlot).size() == 1);
        break;
    case GridId::Tp:
        FUZZ_CHECK(Info_Lines(db, mode, kNoSlot, slot, kNoSlot).size() == (satellites ? 3u : 2u));
        break;
    case GridId::Tv:
    case GridId::Radio:
        FUZZ_CHECK(Info_Lines(db, mode, kNoSlot, kNoSlot, slot).size() == (satellites ? 9u : 5u));
        FUZZ_CHECK(Current_Audio_Track_Slot(db.raw, slot)
                   == expected_tracks[static_cast<std::size_t>(slot)]);
        break;
    }
}

void Check_Page_Info(const MainViews &views, const std::vector<int> &expected_tracks,
                     InfoPanes panes)
{
    for (const GridId grid : {GridId::Sat, GridId::Tp, GridId::Tv, GridId::Radio}) {
        if (grid == GridId::Sat && views.view().View_Mode != kSatellitesPage)
            continue;
        if (panes == InfoPanes::CurrentRows)
            Check_Row_Info(views, grid, views.cursor(grid).current_row, expected_tracks);
        else
            for (int row = 0; row < views.cursor(grid).row_count; ++row)
                Check_Row_Info(views, grid, row, expected_tracks);
    }
}

} // namespace

void Check_Cursor(const MainViews &views, GridId grid)
{
    const int mode = views.view().View_Mode;
    const GridCursor cursor = views.cursor(grid);
    FUZZ_CHECK(cursor.row_count >= 1 && cursor.row_count <= Table_Size(mode, grid) + 1);
    FUZZ_CHECK(cursor.current_row >= 0 && cursor.current_row < cursor.row_count);
    Check_Row(views, grid, cursor.current_row);
    FUZZ_CHECK(views.Sat_Highlight_Row() < views.sat_grid().row_count);
    FUZZ_CHECK(views.Tp_Highlight_Row() < views.cursor(GridId::Tp).row_count);
}

void Check_Grid(const MainViews &views, GridId grid)
{
    Check_Cursor(views, grid);
    for (int row = 0; row < views.cursor(grid).row_count; ++row)
        Check_Row(views, grid, row);
}

void Check_Page_Grids(const MainViews &views)
{
    for (const GridId grid : {GridId::Sat, GridId::Tp, GridId::Tv, GridId::Radio})
        if (grid != GridId::Sat || views.view().View_Mode == kSatellitesPage)
            Check_Grid(views, grid);
}

void Open_Menu(MainViews &views, GridId grid)
{
    switch (grid) {
    case GridId::Sat:
        (void)PM_SatePopup(views);
        break;
    case GridId::Tp:
        (void)PM_TPPopup(views);
        break;
    case GridId::Tv:
        (void)PM_TvPopup(views);
        break;
    case GridId::Radio:
        (void)PM_RadioPopup(views);
        break;
    }
    Check_Cursor(views, grid);
}

void Check_All_Lists(ChannelDatabase &db, InfoPanes panes)
{
    ViewState view;
    MainViews views(db, view);
    views.Reset_Views();
    view.Data_Loaded = true;
    const std::vector<int> expected_tracks = Expected_Current_Tracks(db.raw);
    views.Show_All_Lists();
    Check_Page_Grids(views);
    Check_Page_Info(views, expected_tracks, panes);
    views.Show_Act_SatClick(); // the active-satellite filter on
    Check_Page_Grids(views);
    views.PageControl_MainChange(1);
    Check_Page_Grids(views);
    Check_Page_Info(views, expected_tracks, panes);
}

} // namespace orvane::fuzz
