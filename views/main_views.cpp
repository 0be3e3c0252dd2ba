#include "views/main_views.h"

#include "views/captions.h"
#include "views/list_texts.h"
#include "views/row_maps.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr int kGridRowsWhenEmpty = 2;

int Rows_For(int entries)
{
    return entries > 0 ? entries + 1 : kGridRowsWhenEmpty;
}

} // namespace

MainViews::MainViews(ChannelDatabase &db, ViewState &view)
    : m_db(db)
    , m_view(view)
    , m_filter_caption(caption::kShowActiveSatellites)
{}

GridCursor MainViews::cursor(GridId grid) const
{
    return const_cast<MainViews *>(this)->Cursor(grid);
}

GridCursor &MainViews::Cursor(GridId grid)
{
    switch (grid) {
    case GridId::Sat:
        return m_sat_grid;
    case GridId::Tp:
        return Page_Lists().tp;
    case GridId::Tv:
        return Page_Lists().tv;
    default:
        return Page_Lists().radio;
    }
}

unsigned MainViews::Take_Changes()
{
    return std::exchange(m_changes, 0u);
}

void MainViews::Set_Row_Count(GridCursor &cursor, int row_count, int first_row)
{
    cursor.row_count = row_count;
    cursor.current_row = std::clamp(cursor.current_row, first_row, row_count - 1);
}

void MainViews::Reset_Views()
{
    m_view.Data_Modified = false;
    m_view.Data_Loaded = false;
    m_view.Show_Active_Only = false;
    m_view.Clear_Selection_Flags();
    m_view.Clear_Add_Modes();
    m_db.Save_Mode = -1;
    m_view.View_Mode = kSatellitesPage;
    m_filter_caption = caption::kShowActiveSatellites;
    m_show_all_written = false;
    for (PageLists &lists : m_pages)
        lists = PageLists{};
    m_sat_grid = GridCursor{kGridRowsWhenEmpty, 0};
    Clear_Lists();
    m_changes = changed::kAll;
}

void MainViews::Clear_Lists()
{
    PageLists &lists = Page_Lists();
    lists.fav_lines.clear();
    lists.fav_current = -1;
    lists.info_lines.clear();
    Set_Row_Count(m_sat_grid, kGridRowsWhenEmpty, 0);
    Set_Row_Count(lists.tp, kGridRowsWhenEmpty, 1);
    Set_Row_Count(lists.tv, kGridRowsWhenEmpty, 1);
    Set_Row_Count(lists.radio, kGridRowsWhenEmpty, 1);
    m_view.Clear_Row_Maps();
    m_changes |= changed::kAll;
}

void MainViews::Show_All_Lists()
{
    Clear_Lists();
    for (int s = 0; s < kSatelliteCount; ++s)
        m_view.Sat_Row_Map[static_cast<std::size_t>(s)] = s;
    if (m_view.View_Mode == kSatellitesPage)
        List_Used_Sat_Tps(m_db, m_view);
    else
        List_Used_Ter_Tps(m_db, m_view);
    List_Programs(m_db, m_view, m_view.View_Mode);
    Fill_Sat_Grid();
}

void MainViews::Show_Active_Lists()
{
    Clear_Lists();
    // Only satellite programs make a satellite active: a terrestrial program's row records
    // satellite slot 0 without belonging to it.
    for (int p = 0; p < Listed_Program_Count(m_db); ++p) {
        const TProg_Info_String &row = m_db.rows.programs[static_cast<std::size_t>(p)];
        if (row.In_Use == 1 && row.Tp_Kind == prog::kKindSatellite && row.Sat_Slot >= 0
            && row.Sat_Slot < kSatelliteCount)
            m_view.Sat_Active_Marks[static_cast<std::size_t>(row.Sat_Slot)] = 1;
    }
    std::size_t next = 0;
    for (int s = 0; s < kSatelliteCount; ++s)
        if (m_view.Sat_Active_Marks[static_cast<std::size_t>(s)] == 1)
            m_view.Sat_Row_Map[next++] = s;
    List_Sat_Tps_Of_Marked(m_db, m_view);
    List_Programs(m_db, m_view, m_view.View_Mode);
    Fill_Sat_Grid();
}

void MainViews::Fill_Sat_Grid()
{
    if (m_view.View_Mode == kSatellitesPage) {
        m_show_all_written = true;
        Set_Row_Count(m_sat_grid, Map_Length(m_view.Sat_Row_Map) + 1, 0);
        m_changes |= changed::kSatGrid;
    }
    Fill_Tp_Grid();
}

void MainViews::Fill_Tp_Grid()
{
    PageLists &lists = Page_Lists();
    Set_Row_Count(lists.tp, Rows_For(Map_Length(m_view.Tp_Row_Map)), 1);
    lists.fav_lines = Favourite_Lines(m_db);
    lists.fav_current = -1; // a rewritten list has no line selected
    m_changes |= changed::kTpGrid | changed::kFavList;
    Fill_Program_Grids();
}

void MainViews::Fill_Program_Grids()
{
    PageLists &lists = Page_Lists();
    const int limit = Listed_Program_Count(m_db);
    Set_Row_Count(lists.tv, Rows_For(std::min(Map_Length(m_view.Tv_Row_Map), limit)), 1);
    Set_Row_Count(lists.radio, Rows_For(std::min(Map_Length(m_view.Radio_Row_Map), limit)), 1);
    m_changes |= changed::kTvGrid | changed::kRadioGrid;
}

void MainViews::Show_Info(int satellite, int tp, int program)
{
    Page_Lists().info_lines = Info_Lines(m_db, m_view.View_Mode, satellite, tp, program);
    Page_Lists().info_slots = {satellite, tp, program};
    m_changes |= changed::kInfoList;
}

void MainViews::Retext_Lists()
{
    for (const int view_mode : {kSatellitesPage, kTerrestrialPage}) {
        PageLists &lists = page(view_mode);
        if (!lists.fav_lines.empty())
            lists.fav_lines = Favourite_Lines(m_db);
        if (!lists.info_lines.empty()) {
            const auto [satellite, tp, program] = lists.info_slots;
            lists.info_lines = Info_Lines(m_db, view_mode, satellite, tp, program);
        }
    }
    m_changes |= changed::kSatGrid | changed::kTpGrid | changed::kTvGrid | changed::kRadioGrid
                 | changed::kFavList | changed::kInfoList;
}

void MainViews::Clear_Info()
{
    Page_Lists().info_lines.clear();
    Page_Lists().info_slots = {-1, -1, -1};
    m_changes |= changed::kInfoList;
}

int MainViews::Row_Of_Slot(GridId grid, int slot) const
{
    if (slot == kNoSlot)
        return kNoSlot;
    for (int row = 1; row < cursor(grid).row_count; ++row)
        if (Row_Slot(grid, row) == slot)
            return row;
    return kNoSlot;
}

int MainViews::Row_Slot(GridId grid, int row) const
{
    switch (grid) {
    case GridId::Sat:
        return row >= 1 ? Map_Slot(m_view.Sat_Row_Map, row - 1) : kNoSlot;
    case GridId::Tp:
        return Map_Slot(m_view.Tp_Row_Map, row - 1);
    case GridId::Tv:
        return Map_Slot(m_view.Tv_Row_Map, row - 1);
    default:
        return Map_Slot(m_view.Radio_Row_Map, row - 1);
    }
}

void MainViews::SG_S_SatClick()
{
    const int row = m_sat_grid.current_row;
    if (row > 1 && Row_Slot(GridId::Sat, row) == kNoSlot)
        return;
    m_view.Tp_Selected = m_view.Tv_Selected = m_view.Radio_Selected = m_view.Fav_Selected = false;
    if (!m_view.Data_Loaded)
        return;
    if (row == 0) {
        m_view.Sat_Selected = false;
        if (m_view.Show_Active_Only)
            Show_Active_Lists();
        else
            Show_All_Lists();
        return;
    }
    const int satellite = Row_Slot(GridId::Sat, row);
    m_view.Sat_Selected = true;
    Show_Info(satellite, kNoSlot, kNoSlot);
    List_Sat_Tps_Of(m_db, m_view, satellite);
    List_Programs_Of_Sat(m_db, m_view, satellite, m_view.View_Mode);
    Fill_Tp_Grid();
    m_changes |= changed::kSatHighlight;
}

void MainViews::SG_S_TPClick()
{
    const int tp = Row_Slot(GridId::Tp, Page_Lists().tp.current_row);
    if (tp == kNoSlot)
        return;
    m_view.Tp_Selected = true;
    m_view.Tv_Selected = m_view.Radio_Selected = m_view.Fav_Selected = false;
    if (m_view.View_Mode == kSatellitesPage)
        m_changes |= changed::kSatHighlight;
    m_changes |= changed::kTpHighlight;
    Show_Info(kNoSlot, tp, kNoSlot);
    List_Programs_Of_Tp(m_db, m_view, tp, m_view.View_Mode);
    Fill_Program_Grids();
}

void MainViews::LB_S_FAVClick()
{
    const int line = Page_Lists().fav_current;
    // With no line selected nothing changes: a group of -1 would read outside the mask.
    if (line < 0 || line >= kFavouriteGroupCount)
        return;
    m_view.Tp_Selected = m_view.Tv_Selected = m_view.Radio_Selected = false;
    m_view.Fav_Selected = true;
    m_view.Fav_Group_Index = line;
    m_changes |= changed::kSatHighlight | changed::kTpHighlight;
    Show_Info(kNoSlot, kNoSlot, kNoSlot);
    if (m_view.Sat_Selected)
        List_Programs_Of_Sat_Fav(m_db, m_view, line, Row_Slot(GridId::Sat, m_sat_grid.current_row),
                                 m_view.View_Mode);
    else
        List_Programs_Of_Fav(m_db, m_view, line, m_view.View_Mode);
    Fill_Program_Grids();
}

void MainViews::SG_S_TVClick()
{
    const int program = Program_Of_Current_Row(GridId::Tv);
    if (program == kNoSlot) {
        Show_Info(kNoSlot, kNoSlot, kNoSlot);
        return;
    }
    m_view.Tv_Selected = true;
    m_view.Radio_Selected = false;
    m_changes |= changed::kSatHighlight | changed::kTpHighlight;
    Show_Info(kNoSlot, kNoSlot, program);
}

void MainViews::SG_S_RadioClick()
{
    const int program = Program_Of_Current_Row(GridId::Radio);
    if (program == kNoSlot) {
        Show_Info(kNoSlot, kNoSlot, kNoSlot);
        return;
    }
    m_view.Radio_Selected = true;
    m_view.Tv_Selected = false;
    m_changes |= changed::kSatHighlight | changed::kTpHighlight;
    Show_Info(kNoSlot, kNoSlot, program);
}

void MainViews::Click(GridId grid)
{
    switch (grid) {
    case GridId::Sat:
        SG_S_SatClick();
        break;
    case GridId::Tp:
        SG_S_TPClick();
        break;
    case GridId::Tv:
        SG_S_TVClick();
        break;
    case GridId::Radio:
        SG_S_RadioClick();
        break;
    }
}

void MainViews::Select_Row(GridId grid, int row, bool by_click)
{
    GridCursor &cursor = Cursor(grid);
    const int first = grid == GridId::Sat ? 0 : 1;
    if (row < first || row >= cursor.row_count)
        return;
    if (row == cursor.current_row && !by_click)
        return;
    cursor.current_row = row;
    Click(grid);
}

void MainViews::Select_Fav_Line(int line, bool by_click)
{
    PageLists &lists = Page_Lists();
    if (line >= static_cast<int>(lists.fav_lines.size()))
        return;
    if (line == lists.fav_current && !by_click)
        return;
    lists.fav_current = line;
    LB_S_FAVClick();
}

void MainViews::Set_Current_Row(GridId grid, int row)
{
    GridCursor &cursor = Cursor(grid);
    cursor.current_row = std::clamp(row, grid == GridId::Sat ? 0 : 1, cursor.row_count - 1);
    m_changes |= changed::kCursor;
}

void MainViews::Make_Row_Current(GridId grid, int row)
{
    Set_Current_Row(grid, row);
    Click(grid);
}

void MainViews::PageControl_MainChange(int page_index)
{
    m_view.Show_Active_Only = false;
    m_view.Clear_Selection_Flags();
    m_filter_caption = caption::kShowActiveSatellites;
    m_view.View_Mode = page_index + 1;
    // The rows are set as part of rebuilding the lists, so their click handlers do not run on
    // row maps that still belong to the other page.
    if (m_view.View_Mode == kSatellitesPage)
        Set_Current_Row(GridId::Sat, 0);
    else
        Set_Current_Row(GridId::Tp, 1);
    Show_All_Lists();
}

void MainViews::Show_Act_SatClick()
{
    if (!m_view.Data_Loaded)
        return;
    m_view.Clear_Selection_Flags();
    if (m_view.Show_Active_Only) {
        m_view.Show_Active_Only = false;
        Show_All_Lists();
        m_filter_caption = caption::kShowActiveSatellites;
    } else {
        m_view.Show_Active_Only = true;
        Show_Active_Lists();
        m_filter_caption = caption::kShowAllSatellites;
    }
    Set_Current_Row(GridId::Sat, 0);
}

int MainViews::Program_Of_Current_Row(GridId grid) const
{
    return Row_Slot(grid, cursor(grid).current_row);
}

int MainViews::Sat_Row_Of(int satellite) const
{
    if (satellite < 0)
        return kNoSlot;
    for (int position = 0; position < kSatelliteCount; ++position)
        if (m_view.Sat_Row_Map[static_cast<std::size_t>(position)] == satellite)
            return position + 1;
    return kNoSlot;
}

int MainViews::Sat_Highlight_Row() const
{
    int satellite = kNoSlot;
    if (m_view.Radio_Selected || m_view.Tv_Selected) {
        const int program
                = Program_Of_Current_Row(m_view.Radio_Selected ? GridId::Radio : GridId::Tv);
        if (program != kNoSlot)
            satellite = m_db.rows.programs[static_cast<std::size_t>(program)].Sat_Slot;
    } else if (m_view.Tp_Selected && m_view.View_Mode == kSatellitesPage) {
        const int tp = Program_Of_Current_Row(GridId::Tp);
        if (tp != kNoSlot)
            satellite = m_db.rows.sat_tps[static_cast<std::size_t>(tp)].Sat_Index;
    }
    return Sat_Row_Of(satellite);
}

int MainViews::Tp_Highlight_Row() const
{
    if (!Tp_Selection_Hidden())
        return kNoSlot;
    const int program = Program_Of_Current_Row(m_view.Radio_Selected ? GridId::Radio : GridId::Tv);
    if (program == kNoSlot)
        return kNoSlot;
    const int tp = m_db.rows.programs[static_cast<std::size_t>(program)].Tp_Index;
    for (int position = 0; position < kSatTransponderSlots; ++position) {
        const int slot = m_view.Tp_Row_Map[static_cast<std::size_t>(position)];
        if (slot == kNoSlot)
            break;
        if (slot == tp)
            return position + 1;
    }
    return kNoSlot;
}

} // namespace orvane
