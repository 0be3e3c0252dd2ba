#pragma once

// Checks of the main window's lists and information pane over a decoded database. The sweeps
// cover every slot or every row of a database at once; the grid checks serve a target that
// clicks rows one by one.

#include "dbase/channel_database.h"
#include "views/main_views.h"

namespace orvane::fuzz {

enum class InfoPanes {
    EveryRow,
    // The rows the grids start on: the pane of every slot costs a walk of the audio tracks per
    // program, more than all the rest of the lists together.
    CurrentRows
};

// Builds every list of both pages, with and without the active-satellite filter, and checks
// that every row of every grid maps to a slot of its table or to nothing. Without the filter
// the grids list every slot that the window can show, and the info pane that a click shows is
// built for the rows that `panes` names.
void Check_All_Lists(ChannelDatabase &db, InfoPanes panes);

// The grid's cursor within the grid, its current row valid, the highlights on existing rows.
void Check_Cursor(const MainViews &views, GridId grid);
// Check_Cursor, then every row of the grid.
void Check_Grid(const MainViews &views, GridId grid);
// Every grid of the page on show.
void Check_Page_Grids(const MainViews &views);

// Opens the grid's context menu on its current row, which also presses the row.
void Open_Menu(MainViews &views, GridId grid);

} // namespace orvane::fuzz
