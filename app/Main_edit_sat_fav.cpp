// TFormMain: the openers of the satellite and favourite group dialogs.

#include "app/Main.h"

#include "app/list_binding.h"

#include "dialogs/EditFAV.h"
#include "dialogs/EditLnb.h"
#include "views/grid_model.h"
#include "views/row_maps.h"

#include <QListWidget>

namespace orvane {

void TFormMain::SG_S_SatDblClick()
{
    const int row = m_views.sat_grid().current_row;
    const int satellite = row >= 1 ? m_views.Row_Slot(GridId::Sat, row) : kNoSlot;
    if (satellite == kNoSlot)
        return;
    m_views.Click(GridId::Sat);
    m_view.Edit_Accepted = false;
    {
        TFormEditLnb dialog(m_ui, *m_db, m_view, satellite, this);
        dialog.exec();
    }
    if (!m_view.Edit_Accepted)
        return;
    m_view.Data_Modified = true;
    List_Sat_Tps_Of(*m_db, m_view, satellite);
    List_Programs_Of_Sat(*m_db, m_view, satellite, m_view.View_Mode);
    m_views.Fill_Tp_Grid();
    m_views.Show_Info(satellite, kNoSlot, kNoSlot);
    // The grid shows the new name from the display row.
    m_lists->Refresh_Grid(GridId::Sat);
}

void TFormMain::LB_S_FAVDblClick()
{
    QListWidget *list = page_widgets(m_view.View_Mode).fav;
    const int group = list->currentRow();
    PageLists &lists = m_views.Page_Lists();
    if (group < 0 || group >= static_cast<int>(lists.fav_lines.size())
        || list->item(group)->text().isEmpty())
        return;
    m_views.LB_S_FAVClick();
    // Marked before the dialog runs, so a cancelled rename still counts as a change.
    m_view.Data_Modified = true;
    // The step takes the caption of the group's dialog: no menu command opens it.
    Record_Step(TFormEditFAV::tr("Change favor name"), [&] {
        TFormEditFAV dialog(m_ui, *m_db, group, lists.fav_lines[static_cast<std::size_t>(group)],
                            list->item(group), this);
        dialog.exec();
    });
}

} // namespace orvane
