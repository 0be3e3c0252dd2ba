#include "app/Main.h"

#include "app/app_messages.h"
#include "app/controllers/about_box.h"
#include "app/controllers/accessible_names.h"
#include "app/controllers/backup_restore_command.h"
#include "app/controllers/check_commands.h"
#include "app/controllers/compare_commands.h"
#include "app/controllers/desktop_shortcuts.h"
#include "app/controllers/edit_menu.h"
#include "app/controllers/find_commands.h"
#include "app/controllers/history_commands.h"
#include "app/controllers/keyboard_route.h"
#include "app/controllers/name_charset_commands.h"
#include "app/controllers/order_commands.h"
#include "app/controllers/program_list_commands.h"
#include "app/link_transfers.h"
#include "app/list_binding.h"
#include "app/menu_position.h"
#include "app/pending_open.h"
#include "app/resources/resource_names.h"
#include "app/tool_bar.h"
#include "app/top_panel.h"
#include "views/grid_delegate.h"
#include "views/grid_model.h"
#include "views/ui_services.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace orvane {
namespace {

const QColor kWindowColour{221, 221, 221};

} // namespace

TFormMain::TFormMain(Ui_Services &ui, MainPaths paths, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(ui)
    , m_db(Make_Channel_Database())
    , m_views(*m_db, m_view)
    , m_files(ui, *this, m_views, std::move(paths))
    , m_events(new ShellEvents)
{
    m_events->setParent(this);
    m_link = new LinkTransfers(this, ui);
    m_pending = new PendingOpen(m_files, this);
    Build_Window();
    Bind_Lists();
    Bind_List_Menus();
    Create_Controllers();
    Reset_Views(); // FormCreate
}

// Every feature beyond the window's own form, each a controller of its own. The order is the
// order of their items in the menus they share.
void TFormMain::Create_Controllers()
{
    m_controllers = new QObject(this);
    m_edit = new EditMenu(*this);
    new HistoryCommands(*this);
    new BackupRestoreCommand(*this);
    new ProgramListCommands(*this);
    new CompareCommands(*this);
    new AboutBox(*this);
    new DesktopShortcuts(this, m_help_menu);
    new FindCommands(*this);
    new CheckCommands(*this);
    new OrderCommands(*this);
    new KeyboardRoute(this, m_page_control, m_sat_page, m_ter_page);
    new AccessibleNames(this, m_sat_page, m_ter_page);
    new NameCharsetCommands(*this);
}

bool TFormMain::Ready_For_Command() const
{
    return !m_files.opening_or_saving() && !m_lists->syncing() && m_view.Data_Loaded;
}

void TFormMain::Add_Bottom_Bar(QWidget *bar)
{
    m_panel_main->layout()->addWidget(bar);
}

void TFormMain::Add_Bar_Above_Pages(QWidget *bar)
{
    auto *layout = static_cast<QVBoxLayout *>(m_panel_main->layout());
    layout->insertWidget(layout->indexOf(m_page_control), bar);
}

void TFormMain::Add_Edit_Menu_Section(std::function<QList<QAction *>()> section)
{
    m_edit->Add_Section(std::move(section));
}

// After the lists went to another page by themselves, the tab only has to show it. The focus
// then leaves the hidden page for the first grid of the new one, whose row it must not click.
void TFormMain::Show_Page_Tab()
{
    const QSignalBlocker blocker(m_page_control);
    m_lists->Quietly([this] { m_page_control->setCurrentIndex(m_view.View_Mode - 1); });
}

// The controllers go first: QWidget would delete them after this class's members are gone, and
// their last signals (the history's clear on destruction) reach the window.
TFormMain::~TFormMain()
{
    delete m_controllers;
}

void TFormMain::Build_Window()
{
    setWindowTitle(QString::fromUtf8(app_text::kWindowCaption) + QStringLiteral("[*]"));
    resize(833, 625);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    palette.setColor(QPalette::Button, kWindowColour);
    setPalette(palette);
    Build_File_Menu();
    m_buttons = Build_Tool_Bar(*this);
    connect(m_buttons.file, &QToolButton::clicked, this, &TFormMain::TB_FileClick);
    connect(m_buttons.help, &QToolButton::clicked, this, &TFormMain::TB_HelpClick);
    connect(m_buttons.exit, &QToolButton::clicked, this, &TFormMain::close); // TB_ExitClick
    m_help_menu = new QMenu(this);
    m_help_menu->setObjectName(QStringLiteral("PM_Help"));
    m_help_menu->addAction(tr("Help"))->setEnabled(false);
    m_help_menu->addSeparator();

    m_sat_page = Build_Satellites_Page();
    m_ter_page = Build_Terrestrial_Page();
    m_page_control = new QTabWidget;
    m_page_control->setObjectName(QStringLiteral("PageControl_Main"));
    m_page_control->tabBar()->setFont(Arial(14, true));
    m_page_control->setStyleSheet(QStringLiteral("QTabBar::tab { width: 250px; }"));
    m_page_control->setIconSize(QSize(30, 21));
    m_page_control->addTab(m_sat_page.page, QIcon(QString::fromLatin1(resource::kTabSatellite)),
                           tr("Satellites"));
    m_page_control->addTab(m_ter_page.page, QIcon(QString::fromLatin1(resource::kTabTerrestrial)),
                           tr("Terrestrial"));

    m_panel_main = new QWidget;
    m_panel_main->setObjectName(QStringLiteral("PanelMain"));
    auto *main_layout = new QVBoxLayout(m_panel_main);
    main_layout->setContentsMargins(0, 0, 0, 0);
    main_layout->setSpacing(0);
    m_top = Build_Top_Panel();
    connect(m_top.version_edit, &QLineEdit::textEdited, this, [this] { m_files.Version_Typed(); });
    main_layout->addWidget(m_top.panel);
    main_layout->addWidget(m_page_control, 1);

    m_image_main = new QLabel;
    m_image_main->setObjectName(QStringLiteral("ImageMain"));
    m_image_main->setPixmap(QPixmap(QString::fromLatin1(resource::kStartPicture)));
    m_image_main->setScaledContents(true);
    m_image_main->setMinimumSize(1, 1);

    m_stack = new QStackedWidget;
    m_stack->addWidget(m_image_main);
    m_stack->addWidget(m_panel_main);
    setCentralWidget(m_stack);
}

void TFormMain::Build_File_Menu()
{
    m_file_menu = new QMenu(this);
    m_file_menu->setObjectName(QStringLiteral("PM_File"));
    connect(m_file_menu, &QMenu::aboutToShow, this, &TFormMain::PM_FilePopup);

    QMenu *open = m_file_menu->addMenu(tr("Open"));
    QAction *open_channel_data
            = open->addAction(ui_text::Shown(File_Kind_Name(FileKind::ChannelData)));
    open_channel_data->setObjectName(QStringLiteral("PMOpenChannelData"));
    connect(open_channel_data, &QAction::triggered, this,
            [this] { OpenDataClick(FileKind::ChannelData); });
    connect(open->addAction(ui_text::Shown(File_Kind_Name(FileKind::Default))), &QAction::triggered,
            this, [this] { OpenDataClick(FileKind::Default); });

    QMenu *last = m_file_menu->addMenu(tr("Last Files"));
    for (int i = 0; i < 3; ++i) {
        m_recent[static_cast<std::size_t>(i)] = last->addAction(QString());
        connect(m_recent[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { LastFileName1Click(i); });
        if (i == 0)
            last->addSeparator();
    }

    QMenu *read = m_file_menu->addMenu(tr("Read from receiver"));
    connect(read->addAction(ui_text::Shown(File_Kind_Name(FileKind::ChannelData))),
            &QAction::triggered, this, [this] { ReadDataClick(FileKind::ChannelData); });
    connect(read->addAction(ui_text::Shown(File_Kind_Name(FileKind::Default))), &QAction::triggered,
            this, [this] { ReadDataClick(FileKind::Default); });
    m_file_menu->addSeparator();

    m_save = m_file_menu->addAction(tr("Save"));
    m_save->setObjectName(QStringLiteral("PMSave"));
    m_save->setShortcut(QKeySequence::Save);
    m_save->setShortcutContext(Qt::ApplicationShortcut);
    addAction(m_save);
    connect(m_save, &QAction::triggered, this, &TFormMain::PMSaveClick);

    QMenu *save_as = m_file_menu->addMenu(tr("Save as..."));
    m_save_as = save_as->menuAction();
    m_save_as->setObjectName(QStringLiteral("PMSaveAs"));
    connect(save_as->addAction(tr("Save To Channel Data")), &QAction::triggered, this,
            [this] { Save_DataClick(FileKind::ChannelData); });
    connect(save_as->addAction(tr("Save To Default")), &QAction::triggered, this,
            [this] { Save_DataClick(FileKind::Default); });

    m_write = m_file_menu->addAction(tr("Write into receiver"));
    m_write->setObjectName(QStringLiteral("PMWrite"));
    m_write->setEnabled(false);
    connect(m_write, &QAction::triggered, this, &TFormMain::PMWriteClick);
    m_file_menu->addSeparator();
    QAction *exit = m_file_menu->addAction(tr("Exit"));
    exit->setObjectName(QStringLiteral("PMExit"));
    connect(exit, &QAction::triggered, this, &TFormMain::close);
}

const PageWidgets &TFormMain::page_widgets(int view_mode) const
{
    return view_mode == kTerrestrialPage ? m_ter_page : m_sat_page;
}

// The widgets' part of the no-file state; the views and the version field's edit flag are
// reset by the file commands.
void TFormMain::Show_No_File()
{
    emit m_events->noFile();
    m_top.panel->hide();
    m_stack->setCurrentWidget(m_image_main);
    PM_FilePopup();
    m_write->setEnabled(false);
    setWindowState(windowState() | Qt::WindowMaximized);
    {
        const QSignalBlocker blocker(m_page_control);
        m_page_control->setCurrentIndex(0);
    }
    Reset_Panel_Widths(m_sat_page, true);
    Reset_Panel_Widths(m_ter_page, false);
    Apply_Changes();
    Reset_Grid_Columns(m_sat_page, m_ter_page);
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    // A transfer with the receiver is not cut short: the window closes once it has returned.
    if (m_files.link_busy()) {
        m_link->Ask_To_Close();
        event->ignore();
        return;
    }
    if (!m_files.Close_Allowed()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TFormMain::TB_HelpClick()
{
    m_help_menu->popup(Tool_Menu_Position(m_buttons.help));
}

void TFormMain::Instance_Message(const QString &file_path)
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    if (!file_path.isEmpty())
        m_pending->Open_When_Idle(file_path);
}

} // namespace orvane
