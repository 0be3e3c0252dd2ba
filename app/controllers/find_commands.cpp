#include "app/controllers/find_commands.h"

#include "app/controllers/window_shell.h"
#include "app/file_commands.h"
#include "app/find_bar.h"
#include "translations/ui_text.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>

namespace orvane {

FindCommands::FindCommands(WindowShell &shell)
    : QObject(shell.controller_parent())
    , m_shell(shell)
    , m_bar(new FindBar)
{
    shell.Add_Bottom_Bar(m_bar);
    QWidget *window = shell.Dialog_Parent();
    auto make = [this, window](const char *name, const char *text, const QKeySequence &keys,
                               void (FindCommands::*command)()) {
        auto *action = new QAction(ui_text::Shown(text), window);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        connect(action, &QAction::triggered, this, command);
        m_actions.append(action);
    };
    make("Find", ORVANE_TEXT("Orvane", "Find..."), QKeySequence(Qt::CTRL | Qt::Key_F),
         &FindCommands::Find_Click);
    make("Find_Next", ORVANE_TEXT("Orvane", "Find next"), QKeySequence(Qt::Key_F3),
         &FindCommands::Find_Next);
    make("Find_Previous", ORVANE_TEXT("Orvane", "Find previous"),
         QKeySequence(Qt::SHIFT | Qt::Key_F3), &FindCommands::Find_Previous);
    shell.Add_Edit_Menu_Section([this] { return m_actions; });
    connect(m_bar, &FindBar::textChanged, this, [this] { Search(true); });
    connect(m_bar, &FindBar::nextRequested, this, &FindCommands::Find_Next);
    connect(m_bar, &FindBar::previousRequested, this, &FindCommands::Find_Previous);
    connect(m_bar, &FindBar::closeRequested, this, &FindCommands::Close_Find_Bar);
    // The same text finds other names when the names read in another character set.
    connect(&shell.events(), &ShellEvents::namesRetexted, this, [this] {
        if (m_bar->isVisible())
            Search(false);
    });
}

void FindCommands::Find_Click()
{
    if (m_shell.file_commands().opening_or_saving() || !m_shell.views().view().Data_Loaded)
        return;
    QWidget *focus = QApplication::focusWidget();
    if (!m_bar->isAncestorOf(focus))
        m_focus_before = focus;
    m_bar->Open();
}

void FindCommands::Find_Next()
{
    Find_Step(true);
}

void FindCommands::Find_Previous()
{
    Find_Step(false);
}

void FindCommands::Find_Step(bool forward)
{
    if (!m_shell.Ready_For_Command())
        return;
    if (m_bar->edit()->text().isEmpty()) {
        Find_Click();
        return;
    }
    m_bar->show();
    Search(false);
    Show_Find_Step(forward ? m_cursor.Next() : m_cursor.Previous());
}

// Searches again for the bar's text: the database may have changed since the last search.
// While the text is typed (step_on) the search also goes to the current or first match.
void FindCommands::Search(bool step_on)
{
    if (!m_shell.Ready_For_Command())
        return;
    m_cursor.Reset(Find_Programs(m_shell.database(), m_bar->edit()->text().toStdString()));
    if (!step_on)
        return;
    if (m_cursor.position() >= 0)
        Show_Find_Step(FindCursor::Step{m_cursor.current_slot(), FindCursor::Wrap::None});
    else
        Show_Find_Step(m_cursor.Next());
}

void FindCommands::Show_Find_Step(const std::optional<FindCursor::Step> &step)
{
    if (!step) {
        m_grid.reset();
        const bool typed = !m_bar->edit()->text().isEmpty();
        m_bar->Show_Status(typed ? ui_text::Shown(find_text::kNoMatch) : QString());
        return;
    }
    m_grid = Show_Program(m_shell.views(), step->slot);
    m_shell.Show_Page_Tab();
    m_shell.Apply_Changes();
    if (m_grid) {
        QTableView *view = m_shell.Grid_View(*m_grid);
        view->scrollTo(view->currentIndex());
    }
    m_bar->Show_Position(m_cursor.position(), m_cursor.count(),
                         ui_text::Shown(Wrap_Note(step->wrap)));
}

void FindCommands::Close_Find_Bar()
{
    if (m_grid)
        m_shell.Focus_Grid(*m_grid);
    else if (m_focus_before)
        m_focus_before->setFocus(Qt::OtherFocusReason);
    m_bar->hide();
}

} // namespace orvane
