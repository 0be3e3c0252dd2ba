// TFormMain: the opener of the transponder dialogs. One handler serves the transponder grid of
// both pages; the page on show decides which dialog edits the row.

#include "app/Main.h"
#include "dialogs/Edit_S_TP.h"
#include "dialogs/Edit_T_TP.h"

namespace orvane {

namespace {

bool Run_Tp_Dialog(ChannelDatabase &db, ViewState &view, Ui_Services &ui, int slot, QWidget *parent)
{
    const TpHandOver hand_over{slot, 0, 0};
    if (view.View_Mode == kTerrestrialPage) {
        TForm_Edit_T_TP dialog(db, view, ui, hand_over, parent);
        dialog.exec();
    } else {
        TForm_Edit_S_TP dialog(db, view, ui, hand_over, parent);
        dialog.exec();
    }
    return view.Edit_Accepted;
}

} // namespace

void TFormMain::SG_S_TPDblClick()
{
    const int row = m_views.cursor(GridId::Tp).current_row;
    if (row < 1 || m_views.Cell_Text(m_view.View_Mode, GridId::Tp, row, 1).empty())
        return;
    m_views.Click(GridId::Tp);
    const int tp = m_views.Row_Slot(GridId::Tp, row);
    if (tp == kNoSlot)
        return;
    m_view.Edit_Accepted = false;
    m_view.Is_New_Entry = false; // the change mode
    if (!Run_Tp_Dialog(*m_db, m_view, m_ui, tp, this))
        return;
    m_view.Data_Modified = true;
    m_views.Fill_Tp_Grid();
    m_views.Show_Info(kNoSlot, tp, kNoSlot);
}

} // namespace orvane
