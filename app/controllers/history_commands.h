#pragma once

// The edit history: every command that changes the open database runs through Record_Step,
// which keeps the bytes it changed (and the file's kind, header and bank, which a restored
// backup changes too) as one step of the undo stack; Edit > "Undo" and "Redo" put them back,
// rebuild the lists and choose the entries of the step again. The modified flag follows the
// stack's clean state: the last open or save (none after a backup was restored where its file
// did not open).

#include <QObject>

#include <functional>

class QAction;
class QUndoStack;

namespace orvane {

class WindowShell;
struct CurrentEntries;
struct ImageChange;

class HistoryCommands final : public QObject
{
    Q_OBJECT

public:
    explicit HistoryCommands(WindowShell &shell);

    void Record_Step(const QString &caption, const std::function<void()> &command);
    QUndoStack *stack() const { return m_stack; }
    QAction *undo_action() const { return m_undo; }
    QAction *redo_action() const { return m_redo; }

private:
    void Restore_Step(const ImageChange &change, bool to_before, const CurrentEntries &entries);

    WindowShell &m_shell;
    QUndoStack *m_stack;
    QAction *m_undo;
    QAction *m_redo;
};

} // namespace orvane
