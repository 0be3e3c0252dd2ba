#pragma once

// The file commands of the main window: Open (from the menu, the recent files or a second
// start), Save, Save as, restoring a backup into the file it was taken from, the question before
// unsaved changes are dropped, and the file steps of the receiver commands (the file a read
// writes and opens, the save before a write). They keep the current file, the typed version text
// and the busy state; the window binds them to its menus and shows their results through a
// FileCommandHost, so that the whole flow runs in tests without a window.

#include "app/recent_files.h"
#include "dbase/channel_database.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace orvane {

struct BackupFile;
class MainViews;
class Ui_Services;
struct ViewState;

// Where the window keeps its files; tests pass folders of their own.
struct MainPaths
{
    QString settings_file;  // "ORVANE.ini"
    QString working_copy;   // the uncompressed image of the open database
    QString backups_folder; // copies of replaced database files; none when empty
};

// What the file commands need from the window besides its message boxes and file dialogs.
class FileCommandHost
{
public:
    virtual ~FileCommandHost() = default;
    // The window the message boxes and file dialogs of the commands belong to.
    virtual QWidget *Dialog_Parent() = 0;
    // The please-wait window of an open or a save, shown until the returned object goes.
    virtual std::shared_ptr<void> Please_Wait(const char *text) = 0;
    // The no-file state of the widgets: the start picture, no Save, no Write.
    virtual void Show_No_File() = 0;
    // The version field, shown for a "Default" file only.
    virtual void Show_Version(bool shown, const QString &text) = 0;
    // The text of the version field as it stands.
    virtual QString Version_Text() const = 0;
    // The line that names the open or saved file.
    virtual void Show_File_Label(const QString &text) = 0;
    // The lists, once the views have been filled from a newly opened database.
    virtual void Show_Lists() = 0;
    // The lists page with Save and Write enabled, or the start picture, as Data_Loaded says.
    virtual void Show_Loaded_State() = 0;
    // The transfers through the communication dialog: receive a database file of `kind` into
    // target (a replaced file is copied into backups_folder first), or send `file`. True when
    // the transfer finished; a failure has been reported.
    virtual bool Receive_File(const QString &target, FileKind kind, const QString &backups_folder)
            = 0;
    virtual bool Send_File(const QString &file, FileKind kind) = 0;
    // A database was opened (from a file or a read), or the open one saved: the edit history
    // starts afresh, or marks the state on disk.
    virtual void Database_Opened() {}
    virtual void Database_Saved() {}
    // The open database differs from its file though no step of the history made it so (a
    // backup restored where its file did not open): no undo leads back to the file.
    virtual void Database_Unsaved() {}
    // Runs command, which changes the open database, as one step of the edit history, so that
    // undo and redo put back exactly what it changed.
    virtual void Record_Step(const QString &caption, const std::function<void()> &command) = 0;
    // The faults of the database, shown when a write was stopped for the errors among them.
    virtual void Show_Write_Faults() {}
};

class FileCommands
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)

public:
    FileCommands(Ui_Services &ui, FileCommandHost &host, MainViews &views, MainPaths paths);

    const QString &current_file() const { return m_current_file; }
    const MainPaths &paths() const { return m_paths; }
    bool busy() const { return m_busy || m_link_busy; }
    bool opening_or_saving() const { return m_busy; }
    bool link_busy() const { return m_link_busy; }
    bool version_edited() const { return m_version_edited; }
    bool Has_Unsaved_Changes() const;

    // The user typed into the version field.
    void Version_Typed() { m_version_edited = true; }
    // The no-file state of the views and the widgets.
    void Reset_Views();

    // Opens a database file of the given kind. Asks first when the loaded database has unsaved
    // changes; returns whether a database was opened.
    bool Open_Database_File(const QString &path, FileKind kind);
    // A file named without a kind (a second start, a recent file): its size gives the kind.
    bool Open_File_Of_Its_Kind(const QString &path);

    // File menu.
    RecentFiles Prepare_File_Menu(); // the recent files the menu shows
    void OpenDataClick(FileKind kind);
    void Open_Recent_File(const QString &path);
    void PMSaveClick();
    void Save_DataClick(FileKind target_kind);
    // "Restore a backup...": the backup chosen in the list goes back into its file.
    void Restore_BackupClick();
    // The backup's database becomes the content of the file it was taken from (asked for in the
    // save dialog when the backup does not name it): that file opens as Open opens it, asking
    // first when there are unsaved changes, and the backup's content replaces the opened one as
    // one step of the edit history; a file that is not there or does not open gives a window
    // over that path with the backup's content, modified, and no history. Nothing is written
    // before the next Save. Returns whether the backup was restored.
    bool Restore_Backup(const BackupFile &backup);
    // A database file chosen to compare with, opened in memory beside the open one (either
    // kind, from its size); none when cancelled or when it does not open, which was reported.
    std::unique_ptr<ChannelDatabase> Open_Reference_File(const QString &title);
    // The same of a file already chosen.
    std::unique_ptr<ChannelDatabase> Open_Database_Copy(const QString &path);
    // What the backup list's "Compare..." button does with the current backup's path, over the
    // list; without one the list has no such button.
    using BackupComparer = std::function<void(const QString &path, QWidget *list)>;
    void Set_Backup_Comparer(BackupComparer comparer) { m_backup_comparer = std::move(comparer); }
    // The receiver commands' file steps around their transfers.
    void ReadDataClick(FileKind kind);
    void PMWriteClick();
    // Whether the window may close: asks when there are unsaved changes, and drops the
    // working copy when it closes. Never while an open or a save runs.
    bool Close_Allowed();

    // The version field of a "Default" file as its header holds it (after an open, a restore, or
    // an undo or redo of a restore).
    void Update_Version_Panel();

private:
    void Apply_Version_Edit();
    bool Changes_May_Be_Dropped();
    bool Open_Checked_File(const QString &path, FileKind kind, const Outcome &checked);
    void Show_Opened_Database(const QString &path);
    QString Restore_Target(const BackupFile &backup);
    bool Open_Restore_Target(const QString &path);
    void Restore_Content(const ChannelDatabase &backup);
    void Show_Restored_Database(const QString &path, const ChannelDatabase &backup);
    bool In_Backups_Folder(const QString &path) const;
    bool Save_To(const QString &target);
    bool Save_Before_Write();
    bool Write_Despite_Errors();
    QString Ask_Target(const char *title);
    void Remember_Opened_File(const QString &path);
    void Store_Recent_Files(const RecentFiles &recent);

    Ui_Services &m_ui;
    FileCommandHost &m_host;
    MainViews &m_views;
    ChannelDatabase &m_db;
    ViewState &m_view;
    MainPaths m_paths;
    QString m_current_file;
    BackupComparer m_backup_comparer;
    bool m_version_edited = false;
    bool m_busy = false;
    bool m_link_busy = false;
};

} // namespace orvane
