// TFormMain: the edit history. Every command that changes the open database runs through
// Record_Step, which keeps the bytes it changed (and the file's kind, header and bank, which a
// restored backup changes too) as one step of the undo stack; undo and redo put them back,
// rebuild the lists of the page and choose the entries of the step again. The modified flag
// follows the stack's clean state: the last open or save (none after a backup was restored
// where its file did not open).

#include "app/Main.h"

#include "app/edit_history.h"

#include <QAction>
#include <QUndoStack>

namespace orvane {

// Enough for a long session; a step of a single edit holds a few dozen bytes.
constexpr int kUndoLimit = 200;

void TFormMain::Build_History()
{
    m_history = new QUndoStack(this);
    m_history->setUndoLimit(kUndoLimit);
    m_undo = m_history->createUndoAction(this, QStringLiteral("Undo"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo = m_history->createRedoAction(this, QStringLiteral("Redo"));
    m_redo->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addActions({m_undo, m_redo});
    Add_Edit_Menu_Section([this] { return QList<QAction *>{m_undo, m_redo}; });
    connect(m_history, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (m_view.Data_Loaded)
            m_view.Data_Modified = !clean;
        Show_Modified_Mark();
    });
}

void TFormMain::Record_Step(const QString &caption, const std::function<void()> &command)
{
    if (!m_view.Data_Loaded) {
        command();
        return;
    }
    const auto before = std::make_unique<RawArrays>(m_db->raw);
    const FileState file_before = File_State_Of(*m_db);
    const CurrentEntries entries_before = Current_Entries(m_views);
    command();
    ImageChange change = Database_Change_Between(*before, file_before, *m_db);
    if (change.empty())
        return;
    m_history->push(new EditStep(
            caption, std::move(change), entries_before, Current_Entries(m_views),
            [this](const ImageChange &step, bool to_before, const CurrentEntries &entries) {
                Restore_Step(step, to_before, entries);
            }));
}

void TFormMain::Restore_Step(const ImageChange &change, bool to_before,
                             const CurrentEntries &entries)
{
    Apply_Image_Change(*m_db, change, to_before);
    if (change.file)
        m_files.Update_Version_Panel();
    Show_Entries(m_views, entries);
    Apply_Changes();
}

void TFormMain::Database_Opened()
{
    m_history->clear();
    Refresh_Check_Window();
}

void TFormMain::Database_Saved()
{
    m_history->setClean();
}

void TFormMain::Database_Unsaved()
{
    m_history->resetClean();
}

} // namespace orvane
