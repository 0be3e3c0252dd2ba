// TFormMain: the database check. The check and its repairs belong to the database
// (dbase/database_check.h, dbase/maintenance.h) and going to a finding's entry to the lists
// (views/finding_jump.h); this file opens the check window, keeps its report current while it
// is open and runs each repair as one step of the edit history.

#include "app/Main.h"

#include "app/check_findings_model.h"
#include "app/check_window.h"
#include "dbase/database_check.h"
#include "dbase/maintenance.h"
#include "views/finding_jump.h"
#include "views/ui_services.h"

#include <QAction>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QUndoStack>

namespace orvane {
namespace {

constexpr const char *kCheckCaption = "Check database...";

int Empty_Transponder_Count(const RawArrays &raw)
{
    return static_cast<int>(Empty_Sat_Transponder_Slots(raw).size()
                            + Empty_Ter_Transponder_Slots(raw).size());
}

} // namespace

void TFormMain::Bind_Check()
{
    m_check = new QAction(QString::fromUtf8(kCheckCaption), this);
    m_check->setObjectName(QStringLiteral("Check_Database"));
    m_check->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    m_check->setShortcutContext(Qt::WindowShortcut);
    m_check->setEnabled(false);
    addAction(m_check);
    connect(m_check, &QAction::triggered, this, &TFormMain::Check_DatabaseClick);
    // Every change of the database is a step of the history, and so is every undo and redo.
    connect(m_events, &ShellEvents::stepsChanged, this, &TFormMain::Refresh_Check_Window);
    Add_Edit_Menu_Section([this] {
        m_check->setEnabled(m_view.Data_Loaded);
        return QList<QAction *>{m_check};
    });
}

CheckWindow *TFormMain::check_window() const
{
    return m_check_window;
}

void TFormMain::Check_DatabaseClick()
{
    if (m_files.opening_or_saving() || !m_view.Data_Loaded)
        return;
    if (!m_check_window) {
        m_check_window = new CheckWindow(this);
        connect(m_check_window, &CheckWindow::findingActivated, this, &TFormMain::Go_To_Finding);
        connect(m_check_window, &CheckWindow::removeDuplicatesClicked, this, [this] {
            const auto count = static_cast<int>(Duplicate_Program_Slots(m_db->raw).size());
            Run_Repair(check_text::kRemoveDuplicates,
                       CheckWindow::Remove_Duplicates_Question(count), count,
                       [](ChannelDatabase &db) { Remove_Duplicate_Programs(db); });
        });
        connect(m_check_window, &CheckWindow::deleteEmptyClicked, this, [this] {
            const int count = Empty_Transponder_Count(m_db->raw);
            Run_Repair(check_text::kDeleteEmptyTps, CheckWindow::Delete_Empty_Question(count),
                       count, [](ChannelDatabase &db) { Delete_All_Empty_Transponders(db); });
        });
    }
    const bool opening = m_check_window->isHidden();
    if (opening)
        m_check_window->Start_At_First_Finding();
    m_check_window->show();
    Refresh_Check_Window();
    if (opening)
        m_check_window->Fit_To_Content();
    m_check_window->raise();
    m_check_window->activateWindow();
}

// The report follows the database while the window is open; a closed window is checked
// afresh when it opens again.
void TFormMain::Refresh_Check_Window()
{
    if (m_check)
        m_check->setEnabled(m_view.Data_Loaded);
    if (!m_check_window || m_check_window->isHidden())
        return;
    if (!m_view.Data_Loaded) {
        m_check_window->Show_Report({}, 0, 0);
        return;
    }
    const RawArrays &raw = m_db->raw;
    m_check_window->Show_Report(Check_Database(raw),
                                static_cast<int>(Duplicate_Program_Slots(raw).size()),
                                Empty_Transponder_Count(raw));
}

void TFormMain::Go_To_Finding(const CheckFinding &finding)
{
    if (!Ready_For_Command())
        return;
    const std::optional<GridId> grid = Show_Finding(m_views, finding);
    Show_Page_Tab();
    Apply_Changes();
    raise();
    activateWindow();
    if (grid) {
        QTableView *view = Grid_View(*grid);
        view->scrollTo(view->currentIndex());
        Focus_Grid(*grid);
    } else if (finding.table == CheckTable::Favourite_Groups
               && m_views.Page_Lists().fav_current == finding.slot) {
        page_widgets(m_view.View_Mode).fav->setFocus(Qt::OtherFocusReason);
    }
}

// A repair changes programs and transponders across every satellite and group: the page is
// listed afresh, as when it is shown.
void TFormMain::Run_Repair(const char *caption, const QString &question, int count,
                           const std::function<void(ChannelDatabase &)> &repair)
{
    if (!Ready_For_Command() || count <= 0)
        return;
    if (!m_ui.Ask_Yes(m_check_window, question, Ui_Services::Buttons::YesNo))
        return;
    Record_Step(QString::fromUtf8(caption), [&] { repair(*m_db); });
    m_views.PageControl_MainChange(m_view.View_Mode - 1);
    Apply_Changes();
}

} // namespace orvane
