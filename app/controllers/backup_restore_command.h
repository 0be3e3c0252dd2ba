#pragma once

// File > "Restore a backup...": a backup chosen from the file's history goes back into the file
// it was taken from (FileCommands::Restore_BackupClick, which records it as one step).

#include <QObject>

class QAction;

namespace orvane {

class WindowShell;

class BackupRestoreCommand final : public QObject
{
    Q_OBJECT

public:
    explicit BackupRestoreCommand(WindowShell &shell);

    QAction *action() const { return m_restore; }

private:
    QAction *m_restore;
};

} // namespace orvane
