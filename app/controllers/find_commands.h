#pragma once

// Find across the whole database: Edit > "Find..." (Ctrl+F) opens the find bar under the pages,
// or gives its field the focus; "Find next" (F3) and "Find previous" (Shift+F3) step through the
// matches, across both pages. The search and the choice of a match are plain logic
// (views/program_find.h); this binds the bar and the shortcuts to them and shows where the user
// is among the matches.

#include "views/program_find.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <optional>

class QAction;

namespace orvane {

class FindBar;
class WindowShell;

class FindCommands final : public QObject
{
    Q_OBJECT

public:
    explicit FindCommands(WindowShell &shell);

    void Find_Click();
    void Find_Next();
    void Find_Previous();
    FindBar *find_bar() const { return m_bar; }
    // Find..., Find next, Find previous: their place in the Edit menu.
    const QList<QAction *> &actions() const { return m_actions; }

private:
    void Find_Step(bool forward);
    void Search(bool step_on);
    void Show_Find_Step(const std::optional<FindCursor::Step> &step);
    void Close_Find_Bar();

    WindowShell &m_shell;
    FindBar *m_bar;
    FindCursor m_cursor;
    std::optional<GridId> m_grid; // the grid that shows the current match
    QPointer<QWidget> m_focus_before;
    QList<QAction *> m_actions;
};

} // namespace orvane
