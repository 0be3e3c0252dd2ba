#include "views/context_menus.h"

#include "views/captions.h"

namespace orvane {
namespace {

int Current_Slot(const MainViews &views, GridId grid)
{
    return views.Row_Slot(grid, views.cursor(grid).current_row);
}

// PM_Tv and PM_Radio differ only in their grid and selection flag.
ProgramMenu Program_Popup(MainViews &views, GridId grid, bool selected)
{
    ProgramMenu menu;
    menu.New = Current_Slot(views, GridId::Tp) != kNoSlot && views.view().Tp_Selected;
    if (Current_Slot(views, grid) == kNoSlot)
        return menu;
    menu.Change = menu.Delete = selected;
    views.Click(grid); // the hidden B_TV / B_Radio button
    return menu;
}

} // namespace

SateMenu PM_SatePopup(MainViews &views)
{
    const ViewState &view = views.view();
    SateMenu menu;
    menu.Show_Act_Sat = view.Data_Loaded;
    menu.show_act_sat_caption = views.filter_caption();
    menu.Change_Sat = view.Sat_Selected;
    views.Clear_Info();
    return menu;
}

TpMenu PM_TPPopup(MainViews &views)
{
    const ViewState &view = views.view();
    TpMenu menu;
    if (view.View_Mode == kSatellitesPage) {
        menu.New_Tp = Current_Slot(views, GridId::Sat) != kNoSlot && view.Sat_Selected;
        menu.new_tp_caption = caption::kNewSatTp;
        menu.delete_tp_caption = caption::kDeleteSatTp;
    } else {
        menu.New_Tp = true;
        menu.new_tp_caption = caption::kNewTerTp;
        menu.delete_tp_caption = caption::kDeleteTerTp;
    }
    // A row without a transponder leaves only the add command: a satellite without
    // transponders can get its first one.
    if (Current_Slot(views, GridId::Tp) == kNoSlot)
        return menu;
    menu.Del_All_Empty_Tp = view.Data_Loaded;
    menu.Change_Tp = menu.Delete_Tp = menu.New_Tp_Tv = menu.New_Tp_Radio = view.Tp_Selected;
    views.Click(GridId::Tp); // the hidden B_TP button
    return menu;
}

ProgramMenu PM_TvPopup(MainViews &views)
{
    return Program_Popup(views, GridId::Tv, views.view().Tv_Selected);
}

ProgramMenu PM_RadioPopup(MainViews &views)
{
    return Program_Popup(views, GridId::Radio, views.view().Radio_Selected);
}

} // namespace orvane
