// FileCommands: "Restore a backup...". A backup is never opened as a file of its own: its
// database goes back into the file it was taken from, as a change the user can undo, and only
// the next Save writes it there (backing up what it replaces, as every save does).

#include "app/file_commands.h"

#include "dbase/backups.h"
#include "dbase/database_restore.h"
#include "translations/ui_text.h"
#include "views/main_views.h"
#include "views/ui_services.h"

#include <QFile>
#include <QFileInfo>

namespace orvane {
namespace {

constexpr const char *kRestoreTitle = ORVANE_TEXT("Orvane", "Restore a backup");
constexpr const char *kRestoreText
        = ORVANE_TEXT("Orvane", "Backups of replaced database files in %1, newest first. The "
                                "chosen one goes back into the file it was taken from; save it "
                                "to keep it.");
constexpr const char *kRestoreTargetTitle = ORVANE_TEXT("Orvane", "Restore the backup into...");
constexpr const char *kNotADatabase = ORVANE_TEXT("Orvane", "not a database file");

// The backups as the restore list shows them: time, the file each was taken from (its name only
// when the backup does not record where it was), kind and programs.
Ui_Services::RowChoice Backup_Choice(const QString &folder, const std::vector<BackupFile> &backups)
{
    Ui_Services::RowChoice choice;
    choice.title = ui_text::Shown(kRestoreTitle);
    choice.text = ui_text::Shown(kRestoreText).arg(folder);
    choice.columns = {FileCommands::tr("Time"), FileCommands::tr("File"), FileCommands::tr("Kind"),
                      FileCommands::tr("TV"), FileCommands::tr("Radio")};
    for (const BackupFile &backup : backups) {
        const DatabaseSummary summary = Summarise_Database_File(backup.path);
        const std::string &file = backup.origin.empty() ? backup.file_name : backup.origin;
        QStringList row{QString::fromStdString(Stamp_Text(backup.stamp)),
                        QFile::decodeName(file.c_str())};
        if (summary.outcome)
            row << ui_text::Shown(File_Kind_Name(summary.kind))
                << QString::number(summary.programs.tv) << QString::number(summary.programs.radio);
        else
            row << ui_text::Shown(kNotADatabase) << QString() << QString();
        choice.rows << row;
    }
    return choice;
}

} // namespace

void FileCommands::Restore_BackupClick()
{
    if (busy())
        return;
    const std::vector<BackupFile> backups
            = List_Backups(QFile::encodeName(m_paths.backups_folder).toStdString());
    Ui_Services::RowChoice choice = Backup_Choice(m_paths.backups_folder, backups);
    // Only an open database has anything to be compared with.
    if (m_backup_comparer && m_view.Data_Loaded) {
        choice.action_caption = tr("Compare...");
        choice.action = [this, &backups](int row, QWidget *list) {
            if (row >= 0 && row < static_cast<int>(backups.size()))
                m_backup_comparer(
                        QFile::decodeName(backups[static_cast<std::size_t>(row)].path.c_str()),
                        list);
        };
    }
    const int chosen = m_ui.Choose_Row(m_host.Dialog_Parent(), choice);
    if (chosen >= 0 && chosen < static_cast<int>(backups.size()))
        Restore_Backup(backups[static_cast<std::size_t>(chosen)]);
}

// The backup is read before anything is asked, so that one that does not open costs nothing.
bool FileCommands::Restore_Backup(const BackupFile &backup)
{
    const std::unique_ptr<ChannelDatabase> content
            = Open_Database_Copy(QFile::decodeName(backup.path.c_str()));
    if (!content)
        return false;
    const QString target = Restore_Target(backup);
    if (target.isEmpty() || (Has_Unsaved_Changes() && !Changes_May_Be_Dropped()))
        return false;
    if (Open_Restore_Target(target))
        Restore_Content(*content);
    else
        Show_Restored_Database(target, *content);
    return true;
}

// A backup made before backups recorded where their file was names no folder: the user says
// where it goes, as for a Save as.
QString FileCommands::Restore_Target(const BackupFile &backup)
{
    if (!backup.origin.empty())
        return QFile::decodeName(backup.origin.c_str());
    return Ask_Target(kRestoreTargetTitle);
}

// The file opens as Open opens it, of the kind its size gives. False when it is not there, or
// when it did not open (which was reported, and left the window without a database).
bool FileCommands::Open_Restore_Target(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    const FileKind kind = Kind_For_Recent_File(info.size());
    return Open_Checked_File(
            path, kind,
            Check_Database_File(QFile::encodeName(path).toStdString(), Expected_Size_For(kind)));
}

// One step of the history, so that Undo brings back what the file holds.
void FileCommands::Restore_Content(const ChannelDatabase &backup)
{
    bool changed = false;
    m_host.Record_Step(ui_text::Shown(kRestoreTitle),
                       [&] { changed = Restore_Database_Content(m_db, backup); });
    m_view.Data_Modified = m_view.Data_Modified || changed;
    Update_Version_Panel();
    m_views.Show_All_Lists();
    m_host.Show_Lists();
}

// No file to undo back to: the backup's database is the window's content from the start, and
// stays unsaved until a Save writes it under path.
void FileCommands::Show_Restored_Database(const QString &path, const ChannelDatabase &backup)
{
    m_current_file = path;
    Reset_Views();
    Restore_Database_Content(m_db, backup);
    Update_Version_Panel();
    Show_Opened_Database(path);
    m_host.Database_Opened();
    m_view.Data_Modified = true;
    m_host.Database_Unsaved();
    m_host.Show_Loaded_State();
}

} // namespace orvane
