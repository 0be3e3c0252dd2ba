#include "app/controllers/edit_menu.h"

#include "app/controllers/window_shell.h"
#include "app/menu_position.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace orvane {

EditMenu::EditMenu(WindowShell &shell)
    : QObject(shell.controller_parent())
    , m_menu(new QMenu(shell.Dialog_Parent()))
    , m_button(shell.Dialog_Parent()->findChild<QToolButton *>(QStringLiteral("TB_Edit")))
{
    m_menu->setObjectName(QStringLiteral("PM_Edit"));
    connect(m_menu, &QMenu::aboutToShow, this, &EditMenu::PM_EditPopup);
    if (m_button != nullptr)
        connect(m_button, &QToolButton::clicked, this, &EditMenu::TB_EditClick);
}

void EditMenu::Add_Section(std::function<QList<QAction *>()> section)
{
    m_sections.push_back(std::move(section));
}

void EditMenu::TB_EditClick()
{
    m_menu->popup(Tool_Menu_Position(m_button));
}

void EditMenu::PM_EditPopup()
{
    m_menu->clear();
    for (const auto &section : m_sections) {
        const QList<QAction *> actions = section();
        if (actions.isEmpty())
            continue;
        if (!m_menu->isEmpty())
            m_menu->addSeparator();
        m_menu->addActions(actions);
    }
}

} // namespace orvane
