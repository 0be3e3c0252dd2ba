#pragma once

// TFormMain: the main window. It owns the open database, the view state, the list logic and
// the file commands, and binds them to the widgets of the two pages. Main_file.cpp binds the
// file commands (app/file_commands.*), Main_lists.cpp the lists.

#include "app/controllers/window_shell.h"
#include "app/file_commands.h"
#include "app/list_menus.h"
#include "app/main_layout.h"
#include "app/tool_bar.h"
#include "app/top_panel.h"
#include "dbase/channel_database.h"
#include "dbase/image_change.h"
#include "views/current_entries.h"
#include "views/main_views.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolButton;

namespace orvane {

class GridModel;
class GridDelegate;
class EditMenu;
class LinkTransfers;
class ListBinding;
class PendingOpen;
class TFormUpgrade;
class Ui_Services;

class TFormMain final : public QMainWindow, private FileCommandHost, private WindowShell
{
    Q_OBJECT

public:
    TFormMain(Ui_Services &ui, MainPaths paths, QWidget *parent = nullptr);
    ~TFormMain() override;

    ChannelDatabase &database() override { return *m_db; }
    ViewState &view_state() { return m_view; }
    MainViews &views() override { return m_views; }
    FileCommands &file_commands() override { return m_files; }

    // The no-file state.
    void Reset_Views();
    // Opens a database file of the given kind. Asks first when the loaded database has unsaved
    // changes; returns whether a database was opened.
    bool Open_Database_File(const QString &path, FileKind kind);

    // File menu.
    void TB_FileClick();
    void Prepare_File_Menu(); // TB_FileClick without popping the menu up
    void PM_FilePopup();
    void OpenDataClick(FileKind kind);
    void LastFileName1Click(int index);
    void PMSaveClick();
    void Save_DataClick(FileKind target_kind);
    void TB_HelpClick();
    // The "Edit" tool button and its menu (Main_menu_edit.cpp).
    QMenu *help_menu() const override { return m_help_menu; }
    QMenu *file_menu() const override { return m_file_menu; }

    // The edit dialogs' openers: a double click or Enter on a list, and the change commands of
    // the context menus (Main_edit_*.cpp). Each presses its list's click handler first, runs
    // the dialog and, when it was accepted, sets Data_Modified and refreshes the lists.
    void SG_S_SatDblClick();
    void SG_S_TPDblClick(); // the transponder grid of either page
    void SG_S_TVDblClick();
    void SG_S_RadioDblClick();
    void LB_S_FAVDblClick();

    // The context menus of the lists (Main_menus.cpp). The popup handlers enable the commands
    // for the row the menu opens on; the tests call them without popping a menu up.
    const ListMenus &list_menus() const override { return m_menus; }
    void PM_SatePopup();
    void PM_TPPopup();
    void PM_TvPopup();
    void PM_RadioPopup();
    void Show_Act_SatClick();
    // The structural edits: add and delete transponders and programs.
    void New_TpClick();
    void New_TvClick();
    void New_RadioClick();
    void Delete_TpClick();
    void Del_All_Empty_TpClick();
    void Delete_TvClick();
    void Delete_RadioClick();

    // The receiver commands (Main_link.cpp): File > "Read from receiver" > kind, and File >
    // "Write into receiver". Each runs one transfer through the communication dialog while the
    // main window is disabled; a second command, closing the window and a file handed over by
    // a second start wait until the transfer has returned.
    void ReadDataClick(FileKind kind);
    void PMWriteClick();

private:
    // WindowShell: what the controllers reach of the window (app/controllers/window_shell.h).
    Ui_Services &ui() override { return m_ui; }
    ShellEvents &events() override { return *m_events; }
    QObject *controller_parent() override { return m_controllers; }
    bool Ready_For_Command() const override;
    void Show_Page_Tab() override;
    void Add_Bottom_Bar(QWidget *bar) override;
    void Add_Bar_Above_Pages(QWidget *bar) override;
    void Add_Edit_Menu_Section(std::function<QList<QAction *>()> section) override;
    void Create_Controllers();

    // FileCommandHost: what the file commands show in the window.
    QWidget *Dialog_Parent() override { return this; }
    std::shared_ptr<void> Please_Wait(const char *text) override;
    void Show_No_File() override;
    void Show_Version(bool shown, const QString &text) override;
    QString Version_Text() const override;
    void Show_File_Label(const QString &text) override;
    void Show_Lists() override;
    void Show_Loaded_State() override;
    bool Receive_File(const QString &target, FileKind kind, const QString &copies_folder) override;
    bool Send_File(const QString &file, FileKind kind) override;
    void Database_Opened() override;
    void Database_Saved() override;
    void Database_Unsaved() override;
    void Show_Write_Faults() override { emit m_events->faultsAsked(); }

    void Close_If_Asked();

public:
    // A second start handed over: come to the front, and open its file once idle.
    void Instance_Message(const QString &file_path);

    // Widgets, for tests and for the page binding.
    const PageWidgets &page_widgets(int view_mode) const override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Build_Window();
    void Build_File_Menu();

    // Lists (Main_lists.cpp).
    void Bind_Lists();
    void Apply_Changes() override;
    void Open_Editor(GridId grid);

    GridId Focused_Program_Grid() const override;
    // The caption's "*" while there are unsaved changes.
    void Show_Modified_Mark() override;

    void Record_Step(const QString &caption, const std::function<void()> &command) override;
    void Set_Step_Runner(StepRunner runner) override { m_step_runner = std::move(runner); }

    // Context menus (Main_menus.cpp).
    void Bind_List_Menus();
    void Pop_Up_Menu(GridId grid, QTableView *view, const QPoint &position);
    void Focus_Grid(GridId grid) override;
    QTableView *Grid_View(GridId grid) const override;
    QTableView *Grid_View_Of_Page(int view_mode, GridId grid) const override;
    void Run_Edit_Command(const QString &caption, const EditCommand &command) override;

    Ui_Services &m_ui;
    std::unique_ptr<ChannelDatabase> m_db;
    ViewState m_view;
    MainViews m_views;
    FileCommands m_files;

    QStackedWidget *m_stack = nullptr;
    QLabel *m_image_main = nullptr;
    QWidget *m_panel_main = nullptr;
    TopPanel m_top;
    QTabWidget *m_page_control = nullptr;
    PageWidgets m_sat_page;
    PageWidgets m_ter_page;
    ListMenus m_menus;

    ToolButtons m_buttons;
    QMenu *m_file_menu = nullptr;
    QMenu *m_help_menu = nullptr;
    std::array<QAction *, 3> m_recent{};
    QAction *m_save = nullptr;
    QAction *m_save_as = nullptr;
    QAction *m_write = nullptr;
    ShellEvents *m_events = nullptr;
    StepRunner m_step_runner;
    QObject *m_controllers = nullptr; // deleted first, while the window is whole
    LinkTransfers *m_link = nullptr;
    ListBinding *m_lists = nullptr;
    EditMenu *m_edit = nullptr;
    PendingOpen *m_pending = nullptr;
};

} // namespace orvane
