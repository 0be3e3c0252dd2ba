// TFormMain: the openers of the program dialog in change mode, for the TV and the radio grid
// of either page.

#include "app/Main.h"
#include "dialogs/EditProg.h"

#include <QTableView>

namespace orvane {

namespace {

void Run_Program_Dialog(TFormMain &window, MainViews &views, Ui_Services &ui, GridId grid)
{
    const int slot = views.Row_Slot(grid, views.cursor(grid).current_row);
    if (slot < 0)
        return;
    views.Click(grid); // the hidden B_TV / B_Radio button: the row's program click
    ViewState &view = views.view();
    ChannelDatabase &db = views.database();
    view.Edit_Accepted = false;
    const ProgHandOver hand_over{slot, db.rows.programs[static_cast<std::size_t>(slot)].Tp_Index};
    {
        TFormEditProg dialog(db, view, ui, hand_over, &window);
        dialog.exec();
    }
    if (!view.Edit_Accepted)
        return;
    view.Data_Modified = true;
    views.Fill_Tp_Grid();
    views.Show_Info(-1, -1, slot);
    // The program grids read the display rows as they paint: show the edited row.
    const PageWidgets &page = window.page_widgets(view.View_Mode);
    for (QTableView *list : {page.tv, page.radio})
        if (list)
            list->viewport()->update();
}

} // namespace

void TFormMain::SG_S_TVDblClick()
{
    Run_Program_Dialog(*this, m_views, m_ui, GridId::Tv);
}

void TFormMain::SG_S_RadioDblClick()
{
    Run_Program_Dialog(*this, m_views, m_ui, GridId::Radio);
}

} // namespace orvane
