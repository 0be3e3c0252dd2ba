#pragma once

// The lists of the main window as plain logic: what each grid and list holds, which row is
// current, the linked selection between them and the information pane. The widgets show what
// this object says and report the user's row changes back to it; they hold no data of their
// own. Lists are written through Page_Lists, so one set of handlers serves both pages.

#include "dbase/channel_database.h"
#include "views/view_state.h"

#include <array>
#include <string>
#include <vector>

namespace orvane {

enum class GridId { Sat, Tp, Tv, Radio };

// Bits of the lists a call changed, for the widgets to redraw.
namespace changed {
constexpr unsigned kSatGrid = 1u << 0;
constexpr unsigned kTpGrid = 1u << 1;
constexpr unsigned kTvGrid = 1u << 2;
constexpr unsigned kRadioGrid = 1u << 3;
constexpr unsigned kFavList = 1u << 4;
constexpr unsigned kInfoList = 1u << 5;
constexpr unsigned kSatHighlight = 1u << 6; // repaint only: the highlight moved
constexpr unsigned kTpHighlight = 1u << 7;
constexpr unsigned kCursor = 1u << 8; // a current row was set by the logic
constexpr unsigned kAll = (1u << 9) - 1;
} // namespace changed

// Row count and current row of a grid. Row 0 is the title row (the "Show ALL Info" row in the
// satellite grid), so a grid with nothing to show has 2 rows: the title and one empty row.
struct GridCursor
{
    int row_count = 2;
    int current_row = 1;
};

struct PageLists
{
    GridCursor tp;
    GridCursor tv;
    GridCursor radio;
    std::vector<std::string> fav_lines;
    int fav_current = -1; // selected favourites line, -1 for none
    std::vector<std::string> info_lines;
    // The satellite, transponder and program slots the info pane shows (-1 for none).
    std::array<int, 3> info_slots{-1, -1, -1};
};

class MainViews
{
public:
    MainViews(ChannelDatabase &db, ViewState &view);

    ChannelDatabase &database() { return m_db; }
    const ChannelDatabase &database() const { return m_db; }
    ViewState &view() { return m_view; }
    const ViewState &view() const { return m_view; }

    // The lists of a page (1 "Satellites", 2 "Terrestrial") and of the page on show.
    PageLists &page(int view_mode) { return m_pages[view_mode == kTerrestrialPage ? 1 : 0]; }
    const PageLists &page(int view_mode) const
    {
        return m_pages[view_mode == kTerrestrialPage ? 1 : 0];
    }
    PageLists &Page_Lists() { return page(m_view.View_Mode); }
    const PageLists &Page_Lists() const { return page(m_view.View_Mode); }
    const GridCursor &sat_grid() const { return m_sat_grid; }
    GridCursor cursor(GridId grid) const;
    const char *filter_caption() const { return m_filter_caption; }

    // No-file state: flags, add modes, Save_Mode -1, page 1, empty lists.
    void Reset_Views();
    void Clear_Lists();
    void Show_All_Lists();
    void Show_Active_Lists();
    void Fill_Sat_Grid();
    void Fill_Tp_Grid();
    void Fill_Program_Grids();
    void Show_Info(int satellite, int tp, int program);
    void Clear_Info();
    // The names read in another character set: the texts of every list of both pages are
    // made anew; rows, current rows and the info pane's entry stay.
    void Retext_Lists();

    // Click handlers of the page on show; each acts on its list's current row.
    void SG_S_SatClick();
    void SG_S_TPClick();
    void LB_S_FAVClick();
    void SG_S_TVClick();
    void SG_S_RadioClick();
    void Click(GridId grid);

    // The user (or a handler) moved a grid's current row: the click handler runs when the row
    // changed. A click on the row that is already current runs it too (by_click).
    void Select_Row(GridId grid, int row, bool by_click = false);
    void Select_Fav_Line(int line, bool by_click = false);
    // Makes a row current without running its click handler, for the page change and the
    // filter, which rebuild every list themselves; the row is clamped into the grid.
    void Set_Current_Row(GridId grid, int row);
    // Makes a row current from code and runs the grid's click handler for it, so that the
    // other lists, the selection flags and the info pane follow that row.
    void Make_Row_Current(GridId grid, int row);
    // The grid row (from 1) that shows a slot on the page on show, or -1.
    int Row_Of_Slot(GridId grid, int slot) const;

    void PageControl_MainChange(int page_index);
    void Show_Act_SatClick();

    // What the grids show. Row and column as the grid counts them: row 0 is the title row.
    std::string Cell_Text(int view_mode, GridId grid, int row, int column) const;
    static int Column_Count(int view_mode, GridId grid);
    std::string Title_Text(int view_mode, GridId grid, int column) const;
    // The slot a grid row shows on the page on show, or -1 when it shows nothing.
    int Row_Slot(GridId grid, int row) const;

    // The rows that Row_Highlight marks, or -1.
    int Sat_Highlight_Row() const;
    int Tp_Highlight_Row() const;
    // While a program is selected, the transponder grid's own selection is not shown.
    bool Tp_Selection_Hidden() const { return m_view.Tv_Selected || m_view.Radio_Selected; }

    // The lists changed since the last call, as changed:: bits.
    unsigned Take_Changes();

private:
    GridCursor &Cursor(GridId grid);
    static void Set_Row_Count(GridCursor &cursor, int row_count, int first_row);
    int Program_Of_Current_Row(GridId grid) const;
    int Sat_Row_Of(int satellite) const;

    ChannelDatabase &m_db;
    ViewState &m_view;
    GridCursor m_sat_grid{2, 0};
    PageLists m_pages[2];
    bool m_show_all_written = false;
    const char *m_filter_caption;
    unsigned m_changes = changed::kAll;
};

} // namespace orvane
