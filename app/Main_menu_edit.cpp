// TFormMain: the focused program grid, which the Edit menu's order commands follow, and the
// modified mark of the window's caption.

#include "app/Main.h"

#include "app/app_messages.h"
#include "app/menu_position.h"
#include "app/resources/resource_names.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>
#include <QToolButton>

namespace orvane {
GridId TFormMain::Focused_Program_Grid() const
{
    for (const GridId grid : {GridId::Tv, GridId::Radio})
        if (QTableView *view = Grid_View(grid); view && view->hasFocus())
            return grid;
    return GridId::Sat; // no program grid
}

void TFormMain::Show_Modified_Mark()
{
    setWindowModified(m_view.Data_Loaded && m_files.Has_Unsaved_Changes());
}

} // namespace orvane
