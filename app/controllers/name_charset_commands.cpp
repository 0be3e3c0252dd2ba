#include "app/controllers/name_charset_commands.h"

#include "app/charset_memory.h"
#include "app/controllers/window_shell.h"
#include "app/file_commands.h"
#include "charsets/charset_guess.h"
#include "views/ui_services.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <map>

namespace orvane {
namespace {

QString Script_Caption(const CharsetInfo &charset)
{
    return QCoreApplication::translate("Charsets", charset.script);
}

const CharsetInfo &Latin1_Charset()
{
    return Charsets().front();
}

} // namespace

NameCharsetCommands::NameCharsetCommands(WindowShell &shell)
    : QObject(shell.controller_parent())
    , m_shell(shell)
    , m_charset(&Latin1_Charset())
    , m_menu(Build_Menu())
    , m_bar(Build_Guess_Bar())
{
    shell.Add_Edit_Menu_Section([this] { return QList<QAction *>{m_menu->menuAction()}; });
    shell.Add_Bar_Above_Pages(m_bar);
    ShellEvents &events = shell.events();
    connect(&events, &ShellEvents::databaseOpened, this, &NameCharsetCommands::Database_Opened);
    connect(&events, &ShellEvents::noFile, m_bar, &QWidget::hide);
    connect(&events, &ShellEvents::loadedStateChanged, m_menu, &QMenu::setEnabled);
    m_menu->setEnabled(false);
}

// One submenu for each script, in the table's order; one checked item among them all.
QMenu *NameCharsetCommands::Build_Menu()
{
    auto *menu = new QMenu(tr("Character set of names"), m_shell.Dialog_Parent());
    menu->setObjectName(QStringLiteral("PMNameCharset"));
    m_group = new QActionGroup(menu);
    std::map<std::string_view, QMenu *> scripts;
    for (const CharsetInfo &charset : Charsets()) {
        QMenu *&script = scripts[charset.script];
        if (!script)
            script = menu->addMenu(Script_Caption(charset));
        QAction *item = script->addAction(QString::fromLatin1(charset.name));
        item->setCheckable(true);
        item->setChecked(&charset == m_charset);
        item->setActionGroup(m_group);
        connect(item, &QAction::triggered, this, [this, &charset] { Choose_Charset(charset); });
    }
    return menu;
}

QWidget *NameCharsetCommands::Build_Guess_Bar()
{
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("Charset_Guess_Bar"));
    bar->setAutoFillBackground(true);
    bar->setBackgroundRole(QPalette::ToolTipBase);
    m_bar_text = new QLabel;
    m_bar_text->setForegroundRole(QPalette::ToolTipText);
    auto *use = new QPushButton(tr("Use it"));
    use->setObjectName(QStringLiteral("Charset_Use"));
    auto *keep = new QPushButton(tr("Keep Latin-1"));
    keep->setObjectName(QStringLiteral("Charset_Keep"));
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(m_bar_text, 1);
    layout->addWidget(use);
    layout->addWidget(keep);
    connect(use, &QPushButton::clicked, this, [this] {
        if (m_offered)
            Choose_Charset(*m_offered);
    });
    connect(keep, &QPushButton::clicked, this, [this] {
        // Kept on purpose: the file is not asked about again.
        Remember(Latin1_Charset());
        m_bar->hide();
    });
    bar->hide();
    return bar;
}

void NameCharsetCommands::Choose_Charset(const CharsetInfo &charset)
{
    if (!Apply(charset))
        return;
    Remember(charset);
    m_bar->hide();
}

bool NameCharsetCommands::Apply(const CharsetInfo &charset)
{
    const NameText *names = Names_In(charset);
    if (!names) {
        m_shell.ui().Error_Box(m_shell.Dialog_Parent(),
                               tr("This system has no converter for the character set %1.")
                                       .arg(QString::fromLatin1(charset.name)));
        names = &Latin1_Names();
    }
    const CharsetInfo &applied = names == &Latin1_Names() ? Latin1_Charset() : charset;
    m_charset = &applied;
    for (QAction *item : m_group->actions())
        item->setChecked(item->text() == QString::fromLatin1(applied.name));
    ChannelDatabase &db = m_shell.database();
    if (db.names != names) {
        db.names = names;
        m_shell.views().Retext_Lists();
        m_shell.Apply_Changes();
        emit m_shell.events().namesRetexted();
    }
    return &applied == &charset;
}

void NameCharsetCommands::Remember(const CharsetInfo &charset)
{
    FileCommands &files = m_shell.file_commands();
    Remember_Charset(files.paths().settings_file, files.current_file(),
                     QString::fromLatin1(charset.name));
}

void NameCharsetCommands::Database_Opened()
{
    m_bar->hide();
    FileCommands &files = m_shell.file_commands();
    const QString remembered
            = Remembered_Charset(files.paths().settings_file, files.current_file());
    const CharsetInfo *charset = Find_Charset(remembered.toStdString());
    Apply(charset ? *charset : Latin1_Charset());
    if (charset)
        return;
    const std::vector<std::string_view> names = Database_Names(m_shell.database());
    if (High_Byte_Names(names) == 0)
        return;
    const CharsetInfo &guess = Guess_Charset(names);
    if (&guess != &Latin1_Charset())
        Offer(guess);
}

void NameCharsetCommands::Offer(const CharsetInfo &guess)
{
    m_offered = &guess;
    m_bar_text->setText(tr("Names look like %1 (%2).")
                                .arg(Script_Caption(guess), QString::fromLatin1(guess.name)));
    m_bar->show();
}

} // namespace orvane
