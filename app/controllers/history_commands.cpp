#include "app/controllers/history_commands.h"

#include "app/controllers/window_shell.h"
#include "app/edit_history.h"
#include "app/file_commands.h"
#include "dbase/image_change.h"
#include "views/current_entries.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

#include <memory>

namespace orvane {

// Enough for a long session; a step of a single edit holds a few dozen bytes.
constexpr int kUndoLimit = 200;

HistoryCommands::HistoryCommands(WindowShell &shell)
    : QObject(shell.controller_parent())
    , m_shell(shell)
    , m_stack(new QUndoStack(this))
{
    QWidget *window = shell.Dialog_Parent();
    m_stack->setUndoLimit(kUndoLimit);
    m_undo = m_stack->createUndoAction(window, tr("Undo"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo = m_stack->createRedoAction(window, tr("Redo"));
    m_redo->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    window->addActions({m_undo, m_redo});
    shell.Add_Edit_Menu_Section([this] { return QList<QAction *>{m_undo, m_redo}; });
    shell.Set_Step_Runner([this](const QString &caption, const std::function<void()> &command) {
        Record_Step(caption, command);
    });
    connect(m_stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        ViewState &view = m_shell.views().view();
        if (view.Data_Loaded)
            view.Data_Modified = !clean;
        m_shell.Show_Modified_Mark();
    });
    connect(m_stack, &QUndoStack::indexChanged, &shell.events(), &ShellEvents::stepsChanged);
    ShellEvents &events = shell.events();
    connect(&events, &ShellEvents::databaseOpened, m_stack, &QUndoStack::clear);
    connect(&events, &ShellEvents::noFile, m_stack, &QUndoStack::clear);
    connect(&events, &ShellEvents::databaseSaved, m_stack, &QUndoStack::setClean);
    connect(&events, &ShellEvents::databaseUnsaved, m_stack, &QUndoStack::resetClean);
}

void HistoryCommands::Record_Step(const QString &caption, const std::function<void()> &command)
{
    MainViews &views = m_shell.views();
    if (!views.view().Data_Loaded) {
        command();
        return;
    }
    ChannelDatabase &db = m_shell.database();
    const auto before = std::make_unique<RawArrays>(db.raw);
    const FileState file_before = File_State_Of(db);
    const CurrentEntries entries_before = Current_Entries(views);
    command();
    ImageChange change = Database_Change_Between(*before, file_before, db);
    if (change.empty())
        return;
    m_stack->push(new EditStep(
            caption, std::move(change), entries_before, Current_Entries(views),
            [this](const ImageChange &step, bool to_before, const CurrentEntries &entries) {
                Restore_Step(step, to_before, entries);
            }));
}

void HistoryCommands::Restore_Step(const ImageChange &change, bool to_before,
                                   const CurrentEntries &entries)
{
    Apply_Image_Change(m_shell.database(), change, to_before);
    if (change.file)
        m_shell.file_commands().Update_Version_Panel();
    Show_Entries(m_shell.views(), entries);
    m_shell.Apply_Changes();
}

} // namespace orvane
