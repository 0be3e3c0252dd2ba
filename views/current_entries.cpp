#include "views/current_entries.h"

namespace orvane {
namespace {

int Current_Slot(const MainViews &views, GridId grid)
{
    return views.Row_Slot(grid, views.cursor(grid).current_row);
}

void Click_Slot(MainViews &views, GridId grid, int slot)
{
    if (slot == kNoSlot)
        return;
    if (const int row = views.Row_Of_Slot(grid, slot); row != kNoSlot)
        views.Make_Row_Current(grid, row);
}

} // namespace

CurrentEntries Current_Entries(const MainViews &views)
{
    const ViewState &view = views.view();
    CurrentEntries entries;
    entries.page = view.View_Mode;
    if (view.View_Mode == kSatellitesPage && view.Sat_Selected)
        entries.satellite = Current_Slot(views, GridId::Sat);
    if (view.Tp_Selected)
        entries.tp = Current_Slot(views, GridId::Tp);
    if (view.Tv_Selected || view.Radio_Selected) {
        entries.program_grid = view.Radio_Selected ? GridId::Radio : GridId::Tv;
        entries.program = Current_Slot(views, entries.program_grid);
    }
    return entries;
}

void Show_Entries(MainViews &views, const CurrentEntries &entries)
{
    views.PageControl_MainChange(entries.page == kTerrestrialPage ? 1 : 0);
    if (entries.page == kSatellitesPage)
        Click_Slot(views, GridId::Sat, entries.satellite);
    Click_Slot(views, GridId::Tp, entries.tp);
    Click_Slot(views, entries.program_grid, entries.program);
}

} // namespace orvane
