// The main window's lists over any decoded image: every list of both pages built, every row of
// every grid clicked with its context menu opened, every favourites line chosen, the filter
// toggled, the info pane built for every slot, and every add and delete command run once. The
// checks are what the widgets rely on: a row shows a slot of its table or nothing, row counts stay
// within the grids, highlights name existing rows.

#include "fuzz/list_checks.h"
#include "fuzz/fuzz_check.h"

#include "dbase/record_writers.h"
#include "views/context_menus.h"
#include "views/list_texts.h"
#include "views/main_views.h"
#include "views/structural_edits.h"

#include <memory>

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

// After a click: the cursor within its grid, the current row and the highlights valid.
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

// Opens the grid's context menu on its current row, which also presses the row.
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

void Check_Page(MainViews &views)
{
    const bool satellites = views.view().View_Mode == kSatellitesPage;
    for (const GridId grid : {GridId::Sat, GridId::Tp, GridId::Tv, GridId::Radio}) {
        if (grid == GridId::Sat && !satellites)
            continue;
        Check_Grid(views, grid);
        for (int row = 0; row < views.cursor(grid).row_count; ++row) {
            views.Select_Row(grid, row, true);
            Check_Cursor(views, grid);
            Open_Menu(views, grid);
        }
        if (grid == GridId::Sat)
            views.Select_Row(grid, 0, true); // "Show ALL Info": everything listed again
    }
    for (int line = -1; line < kFavouriteGroupCount; ++line) {
        views.Select_Fav_Line(line, true);
        Check_Cursor(views, GridId::Tv);
        Check_Cursor(views, GridId::Radio);
    }
    (void)views.Take_Changes();
}

void Check_Info_For_Every_Slot(const ChannelDatabase &db)
{
    for (int s = 0; s < kSatelliteCount; ++s)
        FUZZ_CHECK(Info_Lines(db, kSatellitesPage, s, kNoSlot, kNoSlot).size() == 1);
    for (int t = 0; t < kSatTransponderSlots; ++t)
        FUZZ_CHECK(Info_Lines(db, kSatellitesPage, kNoSlot, t, kNoSlot).size() == 3);
    for (int t = 0; t < kTerTransponderSlots; ++t)
        FUZZ_CHECK(Info_Lines(db, kTerrestrialPage, kNoSlot, t, kNoSlot).size() == 2);
    for (int p = 0; p < kProgramSlots; ++p) {
        FUZZ_CHECK(Info_Lines(db, kSatellitesPage, kNoSlot, kNoSlot, p).size() == 9);
        FUZZ_CHECK(Info_Lines(db, kTerrestrialPage, kNoSlot, kNoSlot, p).size() == 5);
    }
}

// Answers Yes to every question and stores what the add dialogs would store.
class YesHost final : public EditCommandHost
{
public:
    YesHost(ChannelDatabase &db, ViewState &view)
        : m_db(db)
        , m_view(view)
    {}
    void Show_Error(const char *) override {}
    bool Confirm(const char *) override { return true; }
    void Run_New_Tp_Dialog(int slot, int satellite, int) override
    {
        if (m_view.View_Mode == kSatellitesPage)
            Create_Sat_Transponder(m_db, slot, satellite, {1, 2, 27500, 11111});
        else
            Create_Ter_Transponder(m_db, slot, {474000, 2});
        m_view.Edit_Accepted = true;
    }
    void Run_New_Program_Dialog(int, int tp_slot) override
    {
        const std::uint32_t kind = m_view.View_Mode == kSatellitesPage ? prog::kKindSatellite
                                                                       : prog::kKindTerrestrial;
        ProgramValues values;
        values.is_radio = m_view.Is_New_Radio;
        values.name = "Fuzz";
        if (Create_Program(m_db, kind, tp_slot, values) >= 0)
            (values.is_radio ? m_view.Radio_Added : m_view.TV_Added) = true;
    }

private:
    ChannelDatabase &m_db;
    ViewState &m_view;
};

// Every structural command once on the first rows of a page, as the menus offer them, with
// the lists checked after each. They work on a copy: the save round trip checks the original.
void Check_Structural_Edits(const ChannelDatabase &original, int page_index)
{
    const auto db = std::make_unique<ChannelDatabase>(original);
    ViewState view;
    MainViews views(*db, view);
    views.Reset_Views();
    view.Data_Loaded = true;
    views.PageControl_MainChange(page_index);
    YesHost host(*db, view);
    using Command = FocusRequest (*)(MainViews &, EditCommandHost &);
    for (const Command command : {New_TpClick, New_TvClick, New_RadioClick, Delete_TvClick,
                                  Delete_RadioClick, Delete_TpClick, Del_All_Empty_TpClick}) {
        if (page_index == 0) // the satellite grid is on the "Satellites" page only
            views.Select_Row(GridId::Sat, std::min(1, views.sat_grid().row_count - 1), true);
        for (const GridId grid : {GridId::Tp, GridId::Tv, GridId::Radio})
            Open_Menu(views, grid);
        (void)command(views, host);
        for (const GridId grid : {GridId::Sat, GridId::Tp, GridId::Tv, GridId::Radio})
            if (grid != GridId::Sat || page_index == 0)
                Check_Grid(views, grid);
    }
}

} // namespace

void Check_Lists(ChannelDatabase &db)
{
    ViewState view;
    MainViews views(db, view);
    views.Reset_Views();
    view.Data_Loaded = true;
    views.Show_All_Lists();
    Check_Page(views);
    views.Show_Act_SatClick(); // the active-satellite filter on
    Check_Page(views);
    views.PageControl_MainChange(1);
    Check_Page(views);
    views.PageControl_MainChange(0);
    Check_Grid(views, GridId::Sat);
    Check_Info_For_Every_Slot(db);
    Check_Structural_Edits(db, 0);
    Check_Structural_Edits(db, 1);
}

} // namespace orvane::fuzz
