// TFormMain: the find bar. The search and the selection of a match are plain logic
// (views/program_find.h); this file binds the bar and the window-wide shortcuts to them and
// shows where the user is among the matches.

#include "app/Main.h"

#include "app/find_bar.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableView>

namespace orvane {

void TFormMain::Bind_Find()
{
    auto make = [this](const char *name, const char *text, const QKeySequence &keys,
                       void (TFormMain::*command)()) {
        auto *action = new QAction(QString::fromUtf8(text), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    m_find = make("Find", "Find...", QKeySequence(Qt::CTRL | Qt::Key_F), &TFormMain::Find_Click);
    m_find_next = make("Find_Next", "Find next", QKeySequence(Qt::Key_F3), &TFormMain::Find_Next);
    m_find_previous = make("Find_Previous", "Find previous", QKeySequence(Qt::SHIFT | Qt::Key_F3),
                           &TFormMain::Find_Previous);
    connect(m_find_bar, &FindBar::textChanged, this, [this] { Search(true); });
    connect(m_find_bar, &FindBar::nextRequested, this, &TFormMain::Find_Next);
    connect(m_find_bar, &FindBar::previousRequested, this, &TFormMain::Find_Previous);
    connect(m_find_bar, &FindBar::closeRequested, this, &TFormMain::Close_Find_Bar);
}

void TFormMain::Find_Click()
{
    if (m_files.opening_or_saving() || !m_view.Data_Loaded)
        return;
    QWidget *focus = QApplication::focusWidget();
    if (!m_find_bar->isAncestorOf(focus))
        m_focus_before_find = focus;
    m_find_bar->Open();
}

void TFormMain::Find_Next()
{
    Find_Step(true);
}

void TFormMain::Find_Previous()
{
    Find_Step(false);
}

void TFormMain::Find_Step(bool forward)
{
    if (m_files.opening_or_saving() || m_syncing || !m_view.Data_Loaded)
        return;
    if (m_find_bar->edit()->text().isEmpty()) {
        Find_Click();
        return;
    }
    m_find_bar->show();
    Search(false);
    Show_Find_Step(forward ? m_find_cursor.Next() : m_find_cursor.Previous());
}

// Searches again for the bar's text: the database may have changed since the last search.
// While the text is typed (step_on) the search also goes to the current or first match.
void TFormMain::Search(bool step_on)
{
    if (m_files.opening_or_saving() || m_syncing || !m_view.Data_Loaded)
        return;
    const std::optional<std::string> text
            = Latin1_Of_Utf8(m_find_bar->edit()->text().toStdString());
    m_find_cursor.Reset(text ? Find_Programs(*m_db, *text) : std::vector<int>{});
    if (!step_on)
        return;
    if (m_find_cursor.position() >= 0)
        Show_Find_Step(FindCursor::Step{m_find_cursor.current_slot(), FindCursor::Wrap::None});
    else
        Show_Find_Step(m_find_cursor.Next());
}

void TFormMain::Show_Find_Step(const std::optional<FindCursor::Step> &step)
{
    if (!step) {
        m_find_grid.reset();
        const bool typed = !m_find_bar->edit()->text().isEmpty();
        m_find_bar->Show_Status(typed ? QString::fromUtf8(find_text::kNoMatch) : QString());
        return;
    }
    m_find_grid = Show_Program(m_views, step->slot);
    Show_Page_Tab();
    Apply_Changes();
    if (m_find_grid) {
        QTableView *view = Grid_View(*m_find_grid);
        view->scrollTo(view->currentIndex());
    }
    m_find_bar->Show_Position(m_find_cursor.position(), m_find_cursor.count(),
                              QString::fromUtf8(Wrap_Note(step->wrap)));
}

// After the lists went to another page by themselves, the tab only has to show it. The focus
// then leaves the hidden page for the first grid of the new one, whose row it must not click.
void TFormMain::Show_Page_Tab()
{
    const QSignalBlocker blocker(m_page_control);
    const QScopedValueRollback<bool> guard(m_syncing, true);
    m_page_control->setCurrentIndex(m_view.View_Mode - 1);
}

void TFormMain::Close_Find_Bar()
{
    if (m_find_grid)
        Focus_Grid(*m_find_grid);
    else if (m_focus_before_find)
        m_focus_before_find->setFocus(Qt::OtherFocusReason);
    m_find_bar->hide();
}

} // namespace orvane
