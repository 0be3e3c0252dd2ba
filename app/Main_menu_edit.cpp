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
void TFormMain::Build_Edit_Menu()
{
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
    for (const auto &section : m_edit_sections) {
        const QList<QAction *> actions = section();
        if (actions.isEmpty())
            continue;
        if (!m_edit_menu->isEmpty())
            m_edit_menu->addSeparator();
        m_edit_menu->addActions(actions);
    }
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

} // namespace orvane
