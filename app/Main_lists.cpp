// TFormMain: the lists of both pages are bound to the list logic by ListBinding
// (app/list_binding.*); the window opens the edit dialogs their double clicks and Enter ask for.

#include "app/Main.h"

#include "app/list_binding.h"

#include <QAction>

namespace orvane {

void TFormMain::Bind_Lists()
{
    m_lists = new ListBinding(m_views, m_page_control, m_sat_page, m_ter_page,
                              {[this] { return m_files.opening_or_saving(); },
                               [this](GridId grid) { Open_Editor(grid); },
                               [this] {
                                   LB_S_FAVDblClick();
                                   Apply_Changes();
                               },
                               [this] { Show_Modified_Mark(); }},
                              this);
}

void TFormMain::Apply_Changes()
{
    m_lists->Apply_Changes();
}

void TFormMain::Open_Editor(GridId grid)
{
    if (m_lists->syncing() || m_files.opening_or_saving() || !m_view.Data_Loaded)
        return;
    // The step takes the caption of the menu command that opens the same dialog.
    const QAction *change = grid == GridId::Sat  ? m_menus.Change_Sat
                            : grid == GridId::Tp ? m_menus.Change_Tp
                            : grid == GridId::Tv ? m_menus.Change_TV
                                                 : m_menus.Change_Radio;
    Record_Step(change->text(), [&] {
        switch (grid) {
        case GridId::Sat:
            SG_S_SatDblClick();
            break;
        case GridId::Tp:
            SG_S_TPDblClick();
            break;
        case GridId::Tv:
            SG_S_TVDblClick();
            break;
        case GridId::Radio:
            SG_S_RadioDblClick();
            break;
        }
    });
    Apply_Changes();
}

} // namespace orvane
