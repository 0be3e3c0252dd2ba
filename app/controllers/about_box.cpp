#include "app/controllers/about_box.h"

#include "app/app_messages.h"
#include "app/controllers/window_shell.h"
#include "app/file_commands.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

namespace orvane {
namespace {

// GPL-compatible with liblzo2, which the program links.
constexpr const char *kLicence
        = ORVANE_TEXT("Orvane", "GNU General Public License, version 3 or later");

} // namespace

AboutBox::AboutBox(WindowShell &shell)
    : QObject(shell.controller_parent())
    , m_shell(shell)
{
    QAction *about = shell.help_menu()->addAction(tr("About..."));
    connect(about, &QAction::triggered, this, &AboutBox::AboutClick);
}

QString AboutBox::About_Text() const
{
    const MainPaths &paths = m_shell.file_commands().paths();
    return tr("%1\n\nLicence: %2\n\nSettings file: %3\nWorking copy: %4\nBackups: %5\n\nQt %6")
            .arg(QString::fromUtf8(app_text::kWindowCaption), ui_text::Shown(kLicence),
                 paths.settings_file, paths.working_copy, paths.backups_folder,
                 QString::fromLatin1(qVersion()));
}

void AboutBox::AboutClick()
{
    QMessageBox::about(m_shell.Dialog_Parent(), tr("About"), About_Text());
}

} // namespace orvane
