#pragma once

// The "Edit" tool button's menu. Its parts come from the controllers that own their commands
// (the history's undo and redo, find, the database check, the order commands of the focused
// program grid), separated and in the order they were added; the menu is filled as it opens,
// so that a part can follow the focus or leave itself out.

#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QToolButton;

namespace orvane {

class WindowShell;

class EditMenu final : public QObject
{
    Q_OBJECT

public:
    explicit EditMenu(WindowShell &shell);

    void Add_Section(std::function<QList<QAction *>()> section);
    void TB_EditClick();
    void PM_EditPopup();
    QMenu *menu() const { return m_menu; }

private:
    QMenu *m_menu;
    QToolButton *m_button; // the Edit tool button, under which the menu opens by key
    std::vector<std::function<QList<QAction *>()>> m_sections;
};

} // namespace orvane
