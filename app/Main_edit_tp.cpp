// TFormMain: the opener of the transponder dialogs. One handler serves the transponder grid of
// both pages; the page on show decides which dialog edits the row.

#include "app/Main.h"
#include "dialogs/run_tp_dialog.h"

namespace orvane {

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
    if (!Run_Tp_Dialog(*m_db, m_view, m_ui, TpHandOver{tp, 0, 0}, this))
        return;
    m_view.Data_Modified = true;
    m_views.Fill_Tp_Grid();
    m_views.Show_Info(kNoSlot, tp, kNoSlot);
}

} // namespace orvane
