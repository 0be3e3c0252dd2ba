#include "app/controllers/compare_commands.h"

#include "app/controllers/entry_jump.h"
#include "app/controllers/window_shell.h"
#include "app/file_commands.h"
#include "translations/ui_text.h"
#include "views/ui_services.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace orvane {
namespace {

constexpr const char *kCompareTitle = ORVANE_TEXT("Orvane", "Compare with another file");

CheckTable Check_Table_Of(CompareTable table)
{
    switch (table) {
    case CompareTable::Satellites:
        return CheckTable::Satellites;
    case CompareTable::Sat_Transponders:
        return CheckTable::Sat_Transponders;
    case CompareTable::Ter_Transponders:
        return CheckTable::Ter_Transponders;
    case CompareTable::Programs:
        return CheckTable::Programs;
    case CompareTable::Favourite_Groups:
        return CheckTable::Favourite_Groups;
    }
    return CheckTable::Counts;
}

// The other file's names read in the open database's set, as its own do.
DatabaseComparison Compare_With_Open(ChannelDatabase &other, const ChannelDatabase &open)
{
    other.names = open.names;
    return Compare_Databases(other, open);
}

} // namespace

CompareCommands::CompareCommands(WindowShell &shell)
    : QObject(shell.controller_parent())
    , m_shell(shell)
{
    QMenu *menu = shell.file_menu();
    menu->addSeparator();
    m_compare = menu->addAction(tr("Compare with another file..."));
    m_compare->setObjectName(QStringLiteral("PMCompare"));
    connect(m_compare, &QAction::triggered, this, &CompareCommands::Compare_With_FileClick);
    ShellEvents &events = shell.events();
    connect(&events, &ShellEvents::loadedStateChanged, m_compare, &QAction::setEnabled);
    for (const auto signal : {&ShellEvents::stepsChanged, &ShellEvents::databaseOpened,
                              &ShellEvents::noFile, &ShellEvents::namesRetexted})
        connect(&events, signal, this, &CompareCommands::Refresh_Compare_Window);
    shell.file_commands().Set_Backup_Comparer(
            [this](const QString &path, QWidget *list) { Compare_Backup(path, list); });
}

CompareCommands::~CompareCommands()
{
    m_shell.file_commands().Set_Backup_Comparer(nullptr);
}

void CompareCommands::Compare_With_FileClick()
{
    if (!m_shell.Ready_For_Command())
        return;
    const QString path
            = m_shell.ui().Open_File_Name(m_shell.Dialog_Parent(), ui_text::Shown(kCompareTitle));
    if (path.isEmpty())
        return;
    if (std::unique_ptr<ChannelDatabase> other = m_shell.file_commands().Open_Database_Copy(path))
        Compare_With(std::move(other), path);
}

void CompareCommands::Compare_With(std::unique_ptr<ChannelDatabase> other, const QString &path)
{
    m_other = std::move(other);
    m_other_path = QDir::toNativeSeparators(path);
    if (!m_window)
        m_window = New_Window(m_shell.Dialog_Parent());
    m_window->show();
    Refresh_Compare_Window();
    m_window->raise();
    m_window->activateWindow();
}

CompareWindow *CompareCommands::New_Window(QWidget *parent)
{
    auto *window = new CompareWindow(parent);
    connect(window, &CompareWindow::changeActivated, this, &CompareCommands::Go_To_Change);
    return window;
}

// The comparison follows the open database while the window is open; a closed window compares
// afresh when it opens again.
void CompareCommands::Refresh_Compare_Window()
{
    if (!m_window || m_window->isHidden() || !m_other)
        return;
    if (!m_shell.views().view().Data_Loaded) {
        m_window->Show_Comparison({}, m_other_path);
        return;
    }
    m_window->Show_Comparison(Compare_With_Open(*m_other, m_shell.database()), m_other_path);
}

// Over the modal backup list, and gone with it: nothing changes the database meanwhile.
void CompareCommands::Compare_Backup(const QString &path, QWidget *list)
{
    if (!m_shell.Ready_For_Command())
        return;
    std::unique_ptr<ChannelDatabase> backup = m_shell.file_commands().Open_Database_Copy(path);
    if (!backup)
        return;
    CompareWindow *window = New_Window(list);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Show_Comparison(Compare_With_Open(*backup, m_shell.database()),
                            QDir::toNativeSeparators(path));
    window->show();
}

void CompareCommands::Go_To_Change(const EntryChange &change)
{
    if (change.b_slot == kNoCompareSlot)
        return;
    Go_To_Entry(m_shell, {Severity::Info, Check_Table_Of(change.table), change.b_slot, {}, {}});
}

} // namespace orvane
