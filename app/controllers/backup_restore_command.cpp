#include "app/controllers/backup_restore_command.h"

#include "app/controllers/window_shell.h"
#include "app/file_commands.h"

#include <QAction>
#include <QMenu>

namespace orvane {

BackupRestoreCommand::BackupRestoreCommand(WindowShell &shell)
    : QObject(shell.controller_parent())
{
    QMenu *menu = shell.file_menu();
    menu->addSeparator();
    m_restore = menu->addAction(tr("Restore a backup..."));
    m_restore->setObjectName(QStringLiteral("PMRestoreBackup"));
    connect(m_restore, &QAction::triggered, this,
            [&shell] { shell.file_commands().Restore_BackupClick(); });
}

} // namespace orvane
