#include "app/controllers/entry_jump.h"

#include "app/controllers/window_shell.h"
#include "views/finding_jump.h"

#include <QListWidget>
#include <QTableView>

namespace orvane {

void Go_To_Entry(WindowShell &shell, const CheckFinding &finding)
{
    if (!shell.Ready_For_Command())
        return;
    MainViews &views = shell.views();
    const std::optional<GridId> grid = Show_Finding(views, finding);
    shell.Show_Page_Tab();
    shell.Apply_Changes();
    QWidget *window = shell.Dialog_Parent();
    window->raise();
    window->activateWindow();
    if (grid) {
        QTableView *view = shell.Grid_View(*grid);
        view->scrollTo(view->currentIndex());
        shell.Focus_Grid(*grid);
    } else if (finding.table == CheckTable::Favourite_Groups
               && views.Page_Lists().fav_current == finding.slot) {
        shell.page_widgets(views.view().View_Mode).fav->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace orvane
