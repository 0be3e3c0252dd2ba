#pragma once

// TFormMain: the main window. It owns the open database, the view state, the list logic and
// the file commands, and binds them to the widgets of the two pages. Main_file.cpp binds the
// file commands (app/file_commands.*), Main_lists.cpp the lists.

#include "app/file_commands.h"
#include "app/list_menus.h"
#include "app/main_layout.h"
#include "dbase/channel_database.h"
#include "dbase/image_change.h"
#include "views/current_entries.h"
#include "views/main_views.h"
#include "views/program_find.h"
#include "views/program_moves.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QUndoStack;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QToolButton;

namespace orvane {

class CheckWindow;
struct CheckFinding;
class FindBar;
class GridModel;
class GridDelegate;
class TFormUpgrade;
class Ui_Services;

class TFormMain final : public QMainWindow, private FileCommandHost
{
    Q_OBJECT

public:
    TFormMain(Ui_Services &ui, MainPaths paths, QWidget *parent = nullptr);
    ~TFormMain() override;

    ChannelDatabase &database() { return *m_db; }
    ViewState &view_state() { return m_view; }
    MainViews &views() { return m_views; }
    FileCommands &file_commands() { return m_files; }
    const QString &current_file() const { return m_files.current_file(); }
    bool busy() const { return m_files.busy(); }

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
    // File > "Restore a backup...": a backup chosen from the list goes back into its file.
    void Restore_BackupClick();
    // File > "Export program list..." and "Import program list..." (Main_program_list.cpp):
    // the programs as a CSV file for a spreadsheet, and an edited one applied as one step.
    void Export_Program_ListClick();
    void Import_Program_ListClick();
    void TB_HelpClick();
    // The "Edit" tool button and its menu (Main_menu_edit.cpp).
    void TB_EditClick();
    void PM_EditPopup();
    QMenu *edit_menu() const { return m_edit_menu; }
    QMenu *help_menu() const { return m_help_menu; }
    // Help > "About...": name and version, licence, the files the program keeps, Qt's version.
    void AboutClick();
    QString About_Text() const;
    QMenu *file_menu() const { return m_file_menu; }
    QAction *save_action() const { return m_save; }
    QAction *save_as_action() const { return m_save_as; }
    QAction *write_action() const { return m_write; }
    QAction *restore_action() const { return m_restore; }
    QAction *export_list_action() const { return m_export_list; }
    QAction *import_list_action() const { return m_import_list; }
    QAction *recent_action(int index) const { return m_recent[static_cast<std::size_t>(index)]; }

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
    const ListMenus &list_menus() const { return m_menus; }
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

    // The order commands at the end of the program menus (Main_order.cpp). Each acts on the TV
    // or radio grid of the page on show and its selected rows; the moved rows stay selected.
    void Move_ProgramsClick(GridId grid, MoveKind kind);
    void Move_To_NumberClick(GridId grid);
    void Sort_ProgramsClick(GridId grid, ProgramSortKey key);
    void Delete_ProgramsClick(GridId grid);
    // "Order like another file...": the whole database, both kinds, in a reference's order.
    void Order_LikeClick();
    // The grid's selected rows (from 1, as the list logic counts them), ascending.
    std::vector<int> Selected_Grid_Rows(GridId grid) const;

    // The receiver commands (Main_link.cpp): File > "Read from receiver" > kind, and File >
    // "Write into receiver". Each runs one transfer through the communication dialog while the
    // main window is disabled; a second command, closing the window and a file handed over by
    // a second start wait until the transfer has returned.
    void ReadDataClick(FileKind kind);
    void PMWriteClick();
    bool link_busy() const { return m_files.link_busy(); }

    // Find across the whole database (Main_find.cpp): Find_Click opens the find bar under the
    // pages, or gives its field the focus; next and previous step through the matches.
    void Find_Click();
    void Find_Next();
    void Find_Previous();
    QAction *find_action() const { return m_find; }
    QAction *find_next_action() const { return m_find_next; }
    QAction *find_previous_action() const { return m_find_previous; }
    FindBar *find_bar() const { return m_find_bar; }

    // The database check (Main_check.cpp): Edit > "Check database..." opens the check window,
    // which follows every change while it is open; a finding goes to its entry.
    void Check_DatabaseClick();
    void Go_To_Finding(const CheckFinding &finding);
    QAction *check_action() const { return m_check; }
    CheckWindow *check_window() const;
signals:
    // The communication dialog of a receiver command, shown and about to run its transfer.
    void linkDialogShown(orvane::TFormUpgrade *dialog);

private:
    // FileCommandHost: what the file commands show in the window.
    QWidget *Dialog_Parent() override { return this; }
    std::shared_ptr<void> Please_Wait(const char *text) override;
    void Show_No_File() override;
    void Show_Version(bool shown, const QString &text) override;
    QString Version_Text() const override;
    void Show_File_Label(const QString &text) override;
    void Show_Lists() override;
    void Show_Loaded_State() override;
    bool Receive_File(const QString &target, FileKind kind, const QString &backups_folder) override;
    bool Send_File(const QString &file, FileKind kind) override;
    void Database_Opened() override;
    void Database_Saved() override;
    void Database_Unsaved() override;
    void Show_Check_Window() override { Check_DatabaseClick(); }

    std::unique_ptr<TFormUpgrade> Show_Link_Dialog(const char *caption);
    bool Run_Link_Transfer(const char *caption,
                           const std::function<bool(TFormUpgrade &)> &transfer);
    void Finish_Link_Command();
    void Close_If_Asked();
    bool m_close_after_link = false; // the window was asked to close meanwhile

public:
    // A second start handed over: come to the front, and open its file once idle.
    void Instance_Message(const QString &file_path);

    // Widgets, for tests and for the page binding.
    const PageWidgets &page_widgets(int view_mode) const;
    QTabWidget *page_control() const { return m_page_control; }
    QLineEdit *version_edit() const { return m_version_edit; }
    QLabel *file_name_label() const { return m_file_name_label; }
    bool version_edited() const { return m_files.version_edited(); }
    bool Has_Unsaved_Changes() const { return m_files.Has_Unsaved_Changes(); }
    QUndoStack *history() const { return m_history; }
    QAction *undo_action() const { return m_undo; }
    QAction *redo_action() const { return m_redo; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct BoundGrid
    {
        QTableView *view = nullptr;
        GridModel *model = nullptr;
        GridDelegate *delegate = nullptr;
        int view_mode = kSatellitesPage;
        GridId grid = GridId::Sat;
        bool row_changed_by_press = false;
    };

    void Build_Window();
    void Build_Tool_Bar();
    void Build_File_Menu();
    QWidget *Build_Top_Panel();
    void Reset_Grid_Columns();

    // Lists (Main_lists.cpp).
    void Bind_Lists();
    void Bind_Grid(QTableView *view, int view_mode, GridId grid);
    void Bind_Fav_List(QListWidget *list);
    void On_Current_Row_Changed(BoundGrid &bound, int model_row);
    void On_Row_Clicked(BoundGrid &bound, int model_row);
    void On_Page_Changed(int index);
    void Apply_Changes();
    void Sync_Cursors();
    void Refill_Fav_List();
    void Refill_Info_List();
    void Open_Editor(GridId grid);
    BoundGrid *Bound(QObject *view_or_viewport);

    void Build_Edit_Menu();
    GridId Focused_Program_Grid() const;
    // The caption's "*" while there are unsaved changes.
    void Show_Modified_Mark();

    // The edit history (Main_history.cpp).
    void Build_History();
    void Record_Step(const QString &caption, const std::function<void()> &command) override;
    void Restore_Step(const ImageChange &change, bool to_before, const CurrentEntries &entries);

    // Context menus (Main_menus.cpp).
    void Bind_List_Menus();
    void Pop_Up_Menu(GridId grid, QTableView *view, const QPoint &position);
    template<typename Command>
    void Run_Edit_Command(const QAction *caption, Command command);
    void Focus_Grid(GridId grid);
    QTableView *Grid_View(GridId grid) const;

    // Order commands (Main_order.cpp).
    void Bind_Order_Menus();
    void Apply_Order_Menu(GridId grid);
    template<typename Step>
    void Run_Order_Command(const QString &caption, GridId grid, Step step);
    void Select_Grid_Rows(GridId grid, const std::vector<int> &rows);

    // Find (Main_find.cpp).
    void Bind_Find();
    void Search(bool step_on);
    void Find_Step(bool forward);
    void Show_Find_Step(const std::optional<FindCursor::Step> &step);
    void Close_Find_Bar();
    void Show_Page_Tab();

    // The database check (Main_check.cpp).
    void Bind_Check();
    void Refresh_Check_Window();
    void Run_Repair(const char *caption, const QString &question, int count,
                    const std::function<void(ChannelDatabase &)> &repair);

    // Files (Main_file.cpp).
    void Enable_Save_Actions();
    void Open_Pending_When_Idle();
    bool Idle() const;

    Ui_Services &m_ui;
    std::unique_ptr<ChannelDatabase> m_db;
    ViewState m_view;
    MainViews m_views;
    FileCommands m_files;
    QString m_pending_file;
    bool m_syncing = false;
    bool m_fav_row_changed_by_press = false;

    QStackedWidget *m_stack = nullptr;
    QLabel *m_image_main = nullptr;
    QWidget *m_panel_main = nullptr;
    QWidget *m_panel_top = nullptr;
    QWidget *m_panel_file_name = nullptr;
    QLabel *m_file_name_label = nullptr;
    QWidget *m_panel_version = nullptr;
    QLineEdit *m_version_edit = nullptr;
    QTabWidget *m_page_control = nullptr;
    PageWidgets m_sat_page;
    PageWidgets m_ter_page;
    std::vector<BoundGrid> m_grids;
    ListMenus m_menus;

    QToolButton *m_tb_file = nullptr;
    QMenu *m_file_menu = nullptr;
    QMenu *m_help_menu = nullptr;
    QMenu *m_edit_menu = nullptr;
    QList<QAction *> m_find_actions; // the find commands, listed in the Edit menu
    std::array<QAction *, 3> m_recent{};
    QAction *m_save = nullptr;
    QAction *m_save_as = nullptr;
    QAction *m_write = nullptr;
    QAction *m_restore = nullptr;
    QAction *m_export_list = nullptr;
    QAction *m_import_list = nullptr;
    QUndoStack *m_history = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;

    FindBar *m_find_bar = nullptr;
    FindCursor m_find_cursor;
    std::optional<GridId> m_find_grid; // the grid that shows the current match
    QPointer<QWidget> m_focus_before_find;
    QAction *m_find = nullptr;
    QAction *m_find_next = nullptr;
    QAction *m_find_previous = nullptr;

    QAction *m_check = nullptr;
    QPointer<CheckWindow> m_check_window;
};

} // namespace orvane
