#include "app/controllers/check_commands.h"

#include "app/check_findings_model.h"
#include "app/check_window.h"
#include "app/controllers/entry_jump.h"
#include "app/controllers/window_shell.h"
#include "app/file_commands.h"
#include "app/main_layout.h"
#include "dbase/database_check.h"
#include "dbase/maintenance.h"
#include "translations/ui_text.h"
#include "views/ui_services.h"

#include <QAction>

namespace orvane {
namespace {

constexpr const char *kCheckCaption = ORVANE_TEXT("Orvane", "Check database...");

int Empty_Transponder_Count(const RawArrays &raw)
{
    return static_cast<int>(Empty_Sat_Transponder_Slots(raw).size()
                            + Empty_Ter_Transponder_Slots(raw).size());
}

} // namespace

CheckCommands::CheckCommands(WindowShell &shell)
    : QObject(shell.controller_parent())
    , m_shell(shell)
    , m_check(new QAction(ui_text::Shown(kCheckCaption), shell.Dialog_Parent()))
{
    m_check->setObjectName(QStringLiteral("Check_Database"));
    m_check->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    m_check->setShortcutContext(Qt::WindowShortcut);
    m_check->setEnabled(false);
    shell.Dialog_Parent()->addAction(m_check);
    connect(m_check, &QAction::triggered, this, &CheckCommands::Check_DatabaseClick);
    // Every change of the database is a step of the history, and so is every undo and redo.
    ShellEvents &events = shell.events();
    for (const auto signal : {&ShellEvents::stepsChanged, &ShellEvents::databaseOpened,
                              &ShellEvents::noFile, &ShellEvents::namesRetexted})
        connect(&events, signal, this, &CheckCommands::Refresh_Check_Window);
    connect(&events, &ShellEvents::faultsAsked, this, &CheckCommands::Check_DatabaseClick);
    shell.Add_Edit_Menu_Section([this] {
        m_check->setEnabled(m_shell.views().view().Data_Loaded);
        return QList<QAction *>{m_check};
    });
}

void CheckCommands::Check_DatabaseClick()
{
    if (m_shell.file_commands().opening_or_saving() || !m_shell.views().view().Data_Loaded)
        return;
    if (!m_window) {
        m_window = new CheckWindow(m_shell.Dialog_Parent());
        connect(m_window, &CheckWindow::findingActivated, this, &CheckCommands::Go_To_Finding);
        connect(m_window, &CheckWindow::removeDuplicatesClicked, this, [this] {
            const auto count
                    = static_cast<int>(Duplicate_Program_Slots(m_shell.database().raw).size());
            Run_Repair(check_text::kRemoveDuplicates,
                       CheckWindow::Remove_Duplicates_Question(count), count,
                       [](ChannelDatabase &db) { Remove_Duplicate_Programs(db); });
        });
        connect(m_window, &CheckWindow::deleteEmptyClicked, this, [this] {
            const int count = Empty_Transponder_Count(m_shell.database().raw);
            Run_Repair(check_text::kDeleteEmptyTps, CheckWindow::Delete_Empty_Question(count),
                       count, [](ChannelDatabase &db) { Delete_All_Empty_Transponders(db); });
        });
    }
    const bool opening = m_window->isHidden();
    if (opening)
        m_window->Start_At_First_Finding();
    m_window->show();
    Refresh_Check_Window();
    if (opening)
        m_window->Fit_To_Content();
    m_window->raise();
    m_window->activateWindow();
}

// The report follows the database while the window is open; a closed window is checked
// afresh when it opens again.
void CheckCommands::Refresh_Check_Window()
{
    const bool loaded = m_shell.views().view().Data_Loaded;
    m_check->setEnabled(loaded);
    if (!m_window || m_window->isHidden())
        return;
    if (!loaded) {
        m_window->Show_Report({}, 0, 0);
        return;
    }
    const RawArrays &raw = m_shell.database().raw;
    m_window->Show_Report(Check_Database(raw),
                          static_cast<int>(Duplicate_Program_Slots(raw).size()),
                          Empty_Transponder_Count(raw), *m_shell.database().names);
}

void CheckCommands::Go_To_Finding(const CheckFinding &finding)
{
    Go_To_Entry(m_shell, finding);
}

// A repair changes programs and transponders across every satellite and group: the page is
// listed afresh, as when it is shown.
void CheckCommands::Run_Repair(const char *caption, const QString &question, int count,
                               const std::function<void(ChannelDatabase &)> &repair)
{
    if (!m_shell.Ready_For_Command() || count <= 0)
        return;
    if (!m_shell.ui().Ask_Yes(m_window, question, Ui_Services::Buttons::YesNo))
        return;
    m_shell.Record_Step(ui_text::Shown(caption), [&] { repair(m_shell.database()); });
    MainViews &views = m_shell.views();
    views.PageControl_MainChange(views.view().View_Mode - 1);
    m_shell.Apply_Changes();
}

} // namespace orvane
