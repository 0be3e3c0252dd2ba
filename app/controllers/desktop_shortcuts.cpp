#include "app/controllers/desktop_shortcuts.h"

#include "app/resources/resource_names.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace orvane {
namespace {

// An action of the window's menus takes its key everywhere in the window, not only while its
// menu is open.
void Give_Key(QWidget *window, const char *action_name, const QKeySequence &keys)
{
    if (auto *action = window->findChild<QAction *>(QString::fromLatin1(action_name))) {
        action->setShortcut(keys);
        window->addAction(action);
    }
}

QString Manual_Text()
{
    QFile file(QString::fromLatin1(resource::kManual));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

DesktopShortcuts::DesktopShortcuts(QWidget *window, QMenu *help_menu)
    : QObject(window)
    , m_window(window)
{
    Give_Key(window, "PMOpenChannelData", QKeySequence::Open);
    Give_Key(window, "PMExit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    help_menu->addSeparator();
    QAction *manual = help_menu->addAction(tr("Manual"));
    manual->setObjectName(QStringLiteral("PMManual"));
    manual->setShortcut(QKeySequence::HelpContents);
    window->addAction(manual);
    connect(manual, &QAction::triggered, this, &DesktopShortcuts::Show_Manual);
}

void DesktopShortcuts::Show_Manual()
{
    if (m_manual == nullptr) {
        m_manual = new QDialog(m_window);
        m_manual->setObjectName(QStringLiteral("ManualWindow"));
        m_manual->setWindowTitle(tr("Manual"));
        m_manual->resize(760, 620);
        auto *text = new QTextBrowser;
        text->setOpenExternalLinks(true);
        text->setMarkdown(Manual_Text());
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
        connect(buttons, &QDialogButtonBox::rejected, m_manual, &QDialog::close);
        auto *layout = new QVBoxLayout(m_manual);
        layout->addWidget(text);
        layout->addWidget(buttons);
    }
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}

} // namespace orvane
