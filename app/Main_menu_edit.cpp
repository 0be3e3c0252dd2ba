// TFormMain: the "Edit" tool button between "File" and "Help" with its menu (undo, redo, the
// find commands, the database check and the order commands of the focused program grid), the
// modified mark of the window's caption, and Help > "About...".

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
namespace {

// GPL-compatible with liblzo2, which the program links.
constexpr const char *kLicence = "GNU General Public License, version 3 or later";

} // namespace

void TFormMain::Build_Edit_Menu()
{
    m_find_actions = {m_find, m_find_next, m_find_previous};
    m_edit_menu = new QMenu(this);
    m_edit_menu->setObjectName(QStringLiteral("PM_Edit"));
    connect(m_edit_menu, &QMenu::aboutToShow, this, &TFormMain::PM_EditPopup);
    PM_EditPopup();
}

// The menu is filled as it opens: the order commands belong to the program grid that has the
// focus, and are left out when none has it.
void TFormMain::PM_EditPopup()
{
    m_edit_menu->clear();
    m_edit_menu->addActions({m_undo, m_redo});
    m_edit_menu->addSeparator();
    m_edit_menu->addActions(m_find_actions);
    m_edit_menu->addSeparator();
    m_check->setEnabled(m_view.Data_Loaded);
    m_edit_menu->addAction(m_check);
    const GridId grid = Focused_Program_Grid();
    if (grid != GridId::Tv && grid != GridId::Radio)
        return;
    Apply_Order_Menu(grid);
    m_edit_menu->addSeparator();
    for (QAction *action :
         Order_Action_List(grid == GridId::Tv ? m_menus.Tv_Order : m_menus.Radio_Order))
        m_edit_menu->addAction(action);
}

GridId TFormMain::Focused_Program_Grid() const
{
    for (const GridId grid : {GridId::Tv, GridId::Radio})
        if (QTableView *view = Grid_View(grid); view && view->hasFocus())
            return grid;
    return GridId::Sat; // no program grid
}

void TFormMain::TB_EditClick()
{
    m_edit_menu->popup(Tool_Menu_Position(findChild<QToolButton *>(QStringLiteral("TB_Edit"))));
}

void TFormMain::Show_Modified_Mark()
{
    setWindowModified(m_view.Data_Loaded && m_files.Has_Unsaved_Changes());
}

QString TFormMain::About_Text() const
{
    const MainPaths &paths = m_files.paths();
    return QStringLiteral(
                   "%1\n\nLicence: %2\n\nSettings file: %3\nWorking copy: %4\nBackups: %5\n\n"
                   "Qt %6")
            .arg(QString::fromUtf8(app_text::kWindowCaption), QString::fromUtf8(kLicence),
                 paths.settings_file, paths.working_copy, paths.backups_folder,
                 QString::fromLatin1(qVersion()));
}

void TFormMain::AboutClick()
{
    QMessageBox::about(this, QStringLiteral("About"), About_Text());
}

} // namespace orvane
