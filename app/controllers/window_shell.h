#pragma once

// What a controller of the main window reaches of it: the open database and its list logic,
// the file commands, the grids, the menus it adds its items to, and the edit history, which
// every change of the database goes through. The window implements it; a controller's test can
// implement it with a small fake. ShellEvents tells the controllers what happened to the file
// and the lists.

#include "app/main_layout.h"
#include "dbase/channel_database.h"
#include "views/main_views.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QTableView;
class QWidget;

namespace orvane {

class EditCommandHost;
class FileCommands;
class Ui_Services;
struct ListMenus;

class ShellEvents final : public QObject
{
    Q_OBJECT

signals:
    // A database was opened (or read from the receiver); the history starts afresh.
    void databaseOpened();
    // The open database was saved, or a restored backup left it unsaved.
    void databaseSaved();
    void databaseUnsaved();
    // The window went back to showing no file.
    void noFile();
    // A list's context menu is about to open on its current row (the menu's commands were just
    // enabled for it), and a menu closed again.
    void menuPrepared(orvane::GridId grid);
    void menuClosed();
    // Whether a database is loaded, each time the window's file actions follow it.
    void loadedStateChanged(bool loaded);
    // A step was recorded, undone or redone: the database changed through the history.
    void stepsChanged();
    // The names are read in another character set: the bytes are the same, their texts not.
    void namesRetexted();
    // A write was stopped for the faults of the database: they are to be shown.
    void faultsAsked();
};

class WindowShell
{
public:
    virtual ~WindowShell() = default;

    // The window: the parent of dialogs, and where window-wide actions are added.
    virtual QWidget *Dialog_Parent() = 0;
    virtual Ui_Services &ui() = 0;
    virtual ChannelDatabase &database() = 0;
    virtual MainViews &views() = 0;
    virtual FileCommands &file_commands() = 0;
    virtual ShellEvents &events() = 0;
    // The parent of every controller: the window deletes it first, while it is still whole.
    virtual QObject *controller_parent() = 0;

    // Whether a command may change or show the database now: one is loaded, no file is being
    // opened or saved, and the window is not in the middle of redrawing its lists.
    virtual bool Ready_For_Command() const = 0;
    // Runs a change of the database as one step of the edit history, named by the caption.
    virtual void Record_Step(const QString &caption, const std::function<void()> &command) = 0;
    using StepRunner = std::function<void(const QString &, const std::function<void()> &)>;
    // Where Record_Step goes: the edit history sets itself; without one a command just runs.
    virtual void Set_Step_Runner(StepRunner runner) = 0;
    // The caption's "*" while there are unsaved changes.
    virtual void Show_Modified_Mark() = 0;
    // Redraws what the list logic reports as changed.
    virtual void Apply_Changes() = 0;
    // Shows the tab of the page the lists went to by themselves.
    virtual void Show_Page_Tab() = 0;

    // Runs a command of the structural edits as one recorded step, its questions answered by
    // the window's message boxes, then redraws and focuses the grid the command asks for.
    using EditCommand = std::function<std::optional<GridId>(MainViews &, EditCommandHost &)>;
    virtual void Run_Edit_Command(const QString &caption, const EditCommand &command) = 0;

    // The grid of the page on show, and the grid of a given page.
    virtual QTableView *Grid_View(GridId grid) const = 0;
    virtual QTableView *Grid_View_Of_Page(int view_mode, GridId grid) const = 0;
    virtual const PageWidgets &page_widgets(int view_mode) const = 0;
    virtual void Focus_Grid(GridId grid) = 0;
    virtual const ListMenus &list_menus() const = 0;
    // The program grid that has the focus, or GridId::Sat when none has it.
    virtual GridId Focused_Program_Grid() const = 0;
    virtual QMenu *file_menu() const = 0;
    virtual QMenu *help_menu() const = 0;
    // Places a bar (the find bar) under the pages, or one (an offer) above them.
    virtual void Add_Bottom_Bar(QWidget *bar) = 0;
    virtual void Add_Bar_Above_Pages(QWidget *bar) = 0;
    // A part of the Edit tool button's menu, asked for its actions each time the menu opens
    // (none leaves the part out); parts are separated and listed in the order they were added.
    virtual void Add_Edit_Menu_Section(std::function<QList<QAction *>()> section) = 0;
};

} // namespace orvane
