#include "app/file_commands.h"

#include "app/Face.h"
#include "app/app_messages.h"
#include "dbase/database_check.h"
#include "dbase/decode.h"
#include "dbase/file_io.h"
#include "dbase/messages.h"
#include "views/main_views.h"
#include "views/ui_services.h"

#include <QFile>
#include <QFileInfo>
#include <QScopedValueRollback>

#include <algorithm>

namespace orvane {
namespace {

std::string Local_Path(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

FileCommands::FileCommands(Ui_Services &ui, FileCommandHost &host, MainViews &views,
                           MainPaths paths)
    : m_ui(ui)
    , m_host(host)
    , m_views(views)
    , m_db(views.database())
    , m_view(views.view())
    , m_paths(std::move(paths))
{}

bool FileCommands::Has_Unsaved_Changes() const
{
    return m_view.Data_Modified || m_version_edited;
}

void FileCommands::Reset_Views()
{
    m_views.Reset_Views();
    m_version_edited = false;
    m_host.Show_No_File();
}

// The version field of a "Default" file, once typed into, becomes the header's version text,
// padded with spaces to its 8 characters, and counts as a change to save.
void FileCommands::Apply_Version_Edit()
{
    if (m_db.File_Kind != FileKind::Default || !m_version_edited)
        return;
    m_view.Data_Modified = true;
    Set_Version_Text(m_db.File_Header, m_host.Version_Text().toLatin1().toStdString());
}

void FileCommands::Update_Version_Panel()
{
    const bool is_default = m_db.File_Kind == FileKind::Default;
    m_host.Show_Version(
            is_default,
            is_default ? QString::fromLatin1(Version_Text(m_db.File_Header).c_str()).trimmed()
                       : QString());
    m_version_edited = false;
}

RecentFiles FileCommands::Prepare_File_Menu()
{
    Apply_Version_Edit();
    return Read_Recent_Files(m_paths.settings_file);
}

void FileCommands::OpenDataClick(FileKind kind)
{
    const QString path = m_ui.Open_File_Name(m_host.Dialog_Parent(),
                                             ui_text::Shown(app_text::kOpenDialogTitle));
    if (!path.isEmpty())
        Open_Database_File(path, kind);
}

// A recent file that has gone is reported and dropped from the list, before any question.
void FileCommands::Open_Recent_File(const QString &path)
{
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        m_ui.Error_Box(m_host.Dialog_Parent(), ui_text::Shown(msg::kFileInexistent));
        const RecentFiles recent = Read_Recent_Files(m_paths.settings_file);
        const auto *const at = std::find(recent.names.begin(), recent.names.end(), path);
        if (at != recent.names.end())
            Store_Recent_Files(
                    Remove_Recent_File(recent, static_cast<int>(at - recent.names.begin())));
        return;
    }
    Open_File_Of_Its_Kind(path);
}

bool FileCommands::Open_File_Of_Its_Kind(const QString &path)
{
    const QFileInfo info(path);
    return Open_Database_File(path, Kind_For_Recent_File(info.exists() ? info.size() : -1));
}

bool FileCommands::Open_Database_File(const QString &path, FileKind kind)
{
    // A file that cannot open must not cost the unsaved changes: it is refused before the
    // question, and the loaded database stays on show.
    const Outcome checked = Check_Database_File(Local_Path(path), Expected_Size_For(kind));
    if (Has_Unsaved_Changes()) {
        if (!checked) {
            m_ui.Error_Box(m_host.Dialog_Parent(), Shown_Database_Message(checked.message));
            return false;
        }
        if (!Changes_May_Be_Dropped())
            return false;
    }
    return Open_Checked_File(path, kind, checked);
}

bool FileCommands::Changes_May_Be_Dropped()
{
    return m_ui.Ask_Yes(m_host.Dialog_Parent(), ui_text::Shown(app_text::kOpenQuestion),
                        Ui_Services::Buttons::YesCancel);
}

// The open itself, once the unsaved changes may go: the loaded database is dropped even when
// the file then fails to open.
bool FileCommands::Open_Checked_File(const QString &path, FileKind kind, const Outcome &checked)
{
    const QScopedValueRollback<bool> busy(m_busy, true);
    m_db.Set_File_Kind(kind);
    m_current_file = path;
    Reset_Views();
    if (!checked) {
        m_ui.Error_Box(m_host.Dialog_Parent(), Shown_Database_Message(checked.message));
        return false;
    }
    Outcome outcome;
    {
        const auto wait = m_host.Please_Wait(kPleaseWaitOpening);
        outcome = Load_Database_File(m_db, Local_Path(path), Local_Path(m_paths.working_copy));
        Update_Version_Panel(); // the header is read before the checks
        if (outcome) {
            Remember_Opened_File(path);
            Show_Opened_Database(path);
        }
    }
    if (!outcome) {
        m_ui.Error_Box(m_host.Dialog_Parent(), Shown_Database_Message(outcome.message));
        return false;
    }
    m_host.Database_Opened();
    m_host.Show_Loaded_State();
    return true;
}

void FileCommands::Show_Opened_Database(const QString &path)
{
    m_view.Data_Loaded = true;
    m_host.Show_File_Label(ui_text::Shown(app_text::kOpenedLabel) + QFileInfo(path).fileName());
    m_views.Show_All_Lists();
    m_host.Show_Lists();
}

std::unique_ptr<ChannelDatabase> FileCommands::Open_Reference_File(const QString &title)
{
    const QString path = m_ui.Open_File_Name(m_host.Dialog_Parent(), title);
    return path.isEmpty() ? nullptr : Open_Database_Copy(path);
}

// A database file opened in memory beside the open one (a reference, a backup), of the kind its
// size gives; none when it does not open, which was reported.
std::unique_ptr<ChannelDatabase> FileCommands::Open_Database_Copy(const QString &path)
{
    auto copy = Make_Channel_Database();
    const std::string local = Local_Path(path);
    Outcome opened;
    {
        const QScopedValueRollback<bool> busy(m_busy, true);
        const auto wait = m_host.Please_Wait(kPleaseWaitOpening);
        opened = Load_Database_Copy(*copy, local,
                                    Kind_For_File_Size(File_Size(local), FileKind::ChannelData));
    }
    if (!opened) {
        m_ui.Error_Box(m_host.Dialog_Parent(), Shown_Database_Message(opened.message));
        return nullptr;
    }
    return copy;
}

// A backup is no file to come back to: it is restored into its own file instead.
void FileCommands::Remember_Opened_File(const QString &path)
{
    if (In_Backups_Folder(path))
        return;
    const RecentFiles recent = Read_Recent_Files(m_paths.settings_file);
    const RecentFiles updated = Add_Recent_File(recent, path);
    if (updated.names != recent.names)
        Store_Recent_Files(updated);
}

bool FileCommands::In_Backups_Folder(const QString &path) const
{
    const QString folder = QFileInfo(m_paths.backups_folder).canonicalFilePath();
    return !folder.isEmpty() && QFileInfo(path).canonicalPath() == folder;
}

void FileCommands::Store_Recent_Files(const RecentFiles &recent)
{
    if (!Write_Recent_Files(m_paths.settings_file, recent))
        m_ui.Error_Box(m_host.Dialog_Parent(),
                       Shown_Database_Message(msg::Save_Failed(
                               Local_Path(m_paths.settings_file),
                               tr("The list of last files can not be stored.").toStdString())));
}

bool FileCommands::Save_To(const QString &target)
{
    Outcome outcome;
    {
        const QScopedValueRollback<bool> busy(m_busy, true);
        const auto wait = m_host.Please_Wait(kPleaseWaitSaving);
        outcome = Save_Database_File(m_db, Local_Path(target), Local_Path(m_paths.working_copy),
                                     Local_Path(m_paths.backups_folder));
    }
    if (!outcome) {
        m_ui.Error_Box(m_host.Dialog_Parent(), Shown_Database_Message(outcome.message));
        return false;
    }
    m_view.Data_Modified = false;
    m_version_edited = false;
    m_host.Database_Saved();
    return true;
}

void FileCommands::PMSaveClick()
{
    if (!m_view.Data_Loaded || m_busy)
        return;
    Apply_Version_Edit();
    m_db.Save_Mode = Save_Mode_For(m_db.File_Kind, m_db.File_Kind);
    Save_To(m_current_file);
}

// The file a save as or a read writes: asked in the save dialog; an existing file only after
// the user agreed to replace it. Empty when nothing should be written.
QString FileCommands::Ask_Target(const char *title)
{
    QString target = m_ui.Save_File_Name(m_host.Dialog_Parent(), ui_text::Shown(title));
    if (target.isEmpty())
        return {};
    if (QFileInfo::exists(target)
        && !m_ui.Ask_Yes(m_host.Dialog_Parent(), ui_text::Shown(app_text::kOverwriteQuestion),
                         Ui_Services::Buttons::YesCancel))
        return {};
    return target;
}

void FileCommands::Save_DataClick(FileKind target_kind)
{
    if (!m_view.Data_Loaded || m_busy)
        return;
    Apply_Version_Edit();
    m_db.Save_Mode = Save_Mode_For(m_db.File_Kind, target_kind);
    const QString target = Ask_Target(app_text::kSaveDialogTitle);
    // A failed save leaves the loaded database and its file as they were.
    if (target.isEmpty() || !Save_To(target))
        return;
    m_host.Show_File_Label(ui_text::Shown(app_text::kSavedLabel) + QFileInfo(target).fileName());
    m_current_file = target;
    Open_Database_File(target, target_kind);
}

// The kind of the read goes to the transfer only: the loaded database keeps its own kind (and
// the format its next Save writes) unless the received file opens.
void FileCommands::ReadDataClick(FileKind kind)
{
    if (busy())
        return;
    const QString target = Ask_Target(app_text::kSaveDialogTitle);
    if (target.isEmpty())
        return;
    bool received = false;
    {
        const QScopedValueRollback<bool> link_busy(m_link_busy, true);
        received = m_host.Receive_File(target, kind, m_paths.backups_folder);
    }
    if (received)
        Open_Database_File(target, kind); // asks first when unsaved changes would be lost
}

void FileCommands::PMWriteClick()
{
    if (!m_view.Data_Loaded || busy())
        return;
    if (!Write_Despite_Errors()) {
        m_host.Show_Write_Faults();
        return;
    }
    // The receiver gets the file as stored: unsaved changes go into it first, and when that
    // save failed (its message was shown) nothing is sent.
    if (!Save_Before_Write())
        return;
    const QScopedValueRollback<bool> link_busy(m_link_busy, true);
    m_host.Send_File(m_current_file, m_db.File_Kind);
}

// A receiver may not start from a database that breaks its rules, so errors are named before
// anything is saved or sent; warnings and information never stop a write.
bool FileCommands::Write_Despite_Errors()
{
    const int errors = Check_Database(m_db.raw).count(Severity::Error);
    if (errors == 0)
        return true;
    const QString question
            = errors == 1 ? tr("The database has %n error. Write into the receiver anyway?",
                               nullptr, errors)
                          : tr("The database has %n errors. Write into the receiver anyway?",
                               nullptr, errors);
    return m_ui.Ask_Yes(m_host.Dialog_Parent(), question, Ui_Services::Buttons::YesCancel);
}

bool FileCommands::Save_Before_Write()
{
    if (!Has_Unsaved_Changes())
        return true;
    Apply_Version_Edit();
    m_db.Save_Mode = Save_Mode_For(m_db.File_Kind, m_db.File_Kind);
    return Save_To(m_current_file); // shows "File is being save now. Please wait......"
}

bool FileCommands::Close_Allowed()
{
    // An open or save in progress lets window messages run; closing then would pull the
    // database away under it.
    if (m_busy)
        return false;
    if (Has_Unsaved_Changes()
        && !m_ui.Ask_Yes(m_host.Dialog_Parent(), ui_text::Shown(app_text::kExitQuestion),
                         Ui_Services::Buttons::YesCancel))
        return false;
    QFile::remove(m_paths.working_copy); // FormClose
    return true;
}

} // namespace orvane
