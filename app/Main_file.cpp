// TFormMain: the File menu. Opening, saving under the current or a new name, the recent-file
// list, and the version text of a "Default" file.

#include "app/Main.h"

#include "app/Face.h"
#include "app/app_messages.h"
#include "app/recent_files.h"
#include "dbase/backups.h"
#include "dbase/decode.h"
#include "dbase/file_io.h"
#include "dbase/messages.h"
#include "views/ui_services.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QTimer>

namespace orvane {
namespace {

std::string Local_Path(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

constexpr int kIdleRetryMs = 250;

// The backups as the restore list shows them: time, file, kind and programs.
Ui_Services::RowChoice Backup_Choice(const QString &folder, const std::vector<BackupFile> &backups)
{
    Ui_Services::RowChoice choice;
    choice.title = QStringLiteral("Restore a backup");
    choice.text = QStringLiteral("Backups of replaced database files in %1, newest first. The "
                                 "chosen one opens as a database; save it to keep it.")
                          .arg(folder);
    choice.columns = {QStringLiteral("Time"), QStringLiteral("File"), QStringLiteral("Kind"),
                      QStringLiteral("TV"), QStringLiteral("Radio")};
    for (const BackupFile &backup : backups) {
        const DatabaseSummary summary = Summarise_Database_File(backup.path);
        QStringList row{QString::fromStdString(Stamp_Text(backup.stamp)),
                        QFile::decodeName(backup.file_name.c_str())};
        if (summary.outcome)
            row << QString::fromLatin1(File_Kind_Name(summary.kind))
                << QString::number(summary.programs.tv) << QString::number(summary.programs.radio);
        else
            row << QStringLiteral("not a database file") << QString() << QString();
        choice.rows << row;
    }
    return choice;
}

} // namespace

void TFormMain::TB_FileClick()
{
    Prepare_File_Menu();
    m_file_menu->popup(QCursor::pos());
}

void TFormMain::Prepare_File_Menu()
{
    Apply_Version_Edit();
    const RecentFiles recent = Read_Recent_Files(m_paths.settings_file);
    for (std::size_t i = 0; i < m_recent.size(); ++i)
        m_recent[i]->setText(recent.names[i]);
    PM_FilePopup();
}

void TFormMain::PM_FilePopup()
{
    Enable_Save_Actions();
}

// Save and its shortcut Ctrl+S follow the loaded database at once, not only when the menu
// opens.
void TFormMain::Enable_Save_Actions()
{
    m_save->setEnabled(m_view.Data_Loaded);
    m_save_as->setEnabled(m_view.Data_Loaded);
}

// The version field of a "Default" file, once typed into, becomes the header's version text,
// padded with spaces to its 8 characters, and counts as a change to save.
void TFormMain::Apply_Version_Edit()
{
    if (m_db->File_Kind != FileKind::Default || !m_version_edited)
        return;
    m_view.Data_Modified = true;
    Set_Version_Text(m_db->File_Header, m_version_edit->text().toLatin1().toStdString());
}

void TFormMain::OpenDataClick(FileKind kind)
{
    const QString path = m_ui.Open_File_Name(this, QString::fromUtf8(app_text::kOpenDialogTitle));
    if (!path.isEmpty())
        Open_Database_File(path, kind);
}

void TFormMain::LastFileName1Click(int index)
{
    RecentFiles recent = Read_Recent_Files(m_paths.settings_file);
    const QString path = m_recent[static_cast<std::size_t>(index)]->text();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists()) {
        m_ui.Error_Box(this, QString::fromUtf8(msg::kFileInexistent));
        const auto at = std::find(recent.names.begin(), recent.names.end(), path);
        if (at != recent.names.end()) {
            recent = Remove_Recent_File(recent, static_cast<int>(at - recent.names.begin()));
            Store_Recent_Files(recent);
        }
        return;
    }
    Open_Database_File(path, Kind_For_Recent_File(info.size()));
}

bool TFormMain::Open_Database_File(const QString &path, FileKind kind)
{
    // A file that cannot open must not cost the unsaved changes: it is refused before the
    // question, and the loaded database stays on show.
    const std::size_t expected_size = Expected_Size_For(kind);
    if (Has_Unsaved_Changes()) {
        if (Outcome checked = Check_Database_File(Local_Path(path), expected_size); !checked) {
            m_ui.Error_Box(this, QString::fromStdString(checked.message));
            return false;
        }
        if (!m_ui.Ask_Yes(this, QString::fromUtf8(app_text::kOpenQuestion),
                          Ui_Services::Buttons::YesCancel))
            return false;
    }
    const QScopedValueRollback<bool> busy(m_busy, true);
    m_db->Set_File_Kind(kind);
    m_current_file = path;
    Reset_Views();
    if (Outcome checked = Check_Database_File(Local_Path(path), expected_size); !checked) {
        m_ui.Error_Box(this, QString::fromStdString(checked.message));
        return false;
    }
    const QFileInfo info(path);
    Outcome outcome;
    {
        const Please_Wait_Window wait(this, QString::fromUtf8(kPleaseWaitOpening));
        outcome = Load_Database_File(*m_db, Local_Path(path), Local_Path(m_paths.working_copy));
        Update_Version_Panel(); // the header is read before the checks
        if (outcome) {
            m_view.Data_Loaded = true;
            Show_File_Label(QString::fromUtf8(app_text::kOpenedLabel) + info.fileName());
            const RecentFiles recent = Read_Recent_Files(m_paths.settings_file);
            const RecentFiles updated = Add_Recent_File(recent, path);
            if (updated.names != recent.names)
                Store_Recent_Files(updated);
            m_views.Show_All_Lists();
            Apply_Changes();
        }
    }
    if (!outcome) {
        m_ui.Error_Box(this, QString::fromStdString(outcome.message));
        return false;
    }
    Show_Loaded_State();
    return true;
}

void TFormMain::Update_Version_Panel()
{
    const bool is_default = m_db->File_Kind == FileKind::Default;
    m_panel_version->setVisible(is_default);
    if (is_default)
        m_version_edit->setText(
                QString::fromLatin1(Version_Text(m_db->File_Header).c_str()).trimmed());
    m_version_edited = false;
}

void TFormMain::Show_File_Label(const QString &text)
{
    m_file_name_label->setText(text);
    m_file_name_label->adjustSize();
    m_panel_file_name->setFixedWidth(m_file_name_label->width() + 20);
}

void TFormMain::Show_Loaded_State()
{
    m_panel_top->setVisible(m_view.Data_Loaded);
    m_stack->setCurrentWidget(m_view.Data_Loaded ? m_panel_main
                                                 : static_cast<QWidget *>(m_image_main));
    m_write->setEnabled(m_view.Data_Loaded);
    Enable_Save_Actions();
}

bool TFormMain::Save_To(const QString &target)
{
    Outcome outcome;
    {
        const QScopedValueRollback<bool> busy(m_busy, true);
        const Please_Wait_Window wait(this, QString::fromUtf8(kPleaseWaitSaving));
        outcome = Save_Database_File(*m_db, Local_Path(target), Local_Path(m_paths.working_copy),
                                     Local_Path(m_paths.backups_folder));
    }
    if (!outcome) {
        m_ui.Error_Box(this, QString::fromStdString(outcome.message));
        return false;
    }
    m_view.Data_Modified = false;
    m_version_edited = false;
    return true;
}

void TFormMain::PMSaveClick()
{
    if (!m_view.Data_Loaded || m_busy)
        return;
    Apply_Version_Edit();
    m_db->Save_Mode = Save_Mode_For(m_db->File_Kind, m_db->File_Kind);
    Save_To(m_current_file);
}

void TFormMain::Save_DataClick(FileKind target_kind)
{
    if (!m_view.Data_Loaded || m_busy)
        return;
    Apply_Version_Edit();
    m_db->Save_Mode = Save_Mode_For(m_db->File_Kind, target_kind);
    const QString target = m_ui.Save_File_Name(this, QString::fromUtf8(app_text::kSaveDialogTitle));
    if (target.isEmpty())
        return;
    if (QFileInfo::exists(target)
        && !m_ui.Ask_Yes(this, QString::fromUtf8(app_text::kOverwriteQuestion),
                         Ui_Services::Buttons::YesCancel))
        return;
    // A failed save leaves the loaded database and its file as they were.
    if (!Save_To(target))
        return;
    Show_File_Label(QString::fromUtf8(app_text::kSavedLabel) + QFileInfo(target).fileName());
    m_current_file = target;
    Open_Database_File(target, target_kind);
}

void TFormMain::Restore_BackupClick()
{
    if (m_busy || m_link_busy)
        return;
    const std::vector<BackupFile> backups = List_Backups(Local_Path(m_paths.backups_folder));
    const int chosen = m_ui.Choose_Row(this, Backup_Choice(m_paths.backups_folder, backups));
    if (chosen < 0 || chosen >= static_cast<int>(backups.size()))
        return;
    const QString path = QFile::decodeName(backups[static_cast<std::size_t>(chosen)].path.c_str());
    Open_Database_File(path, Kind_For_Recent_File(QFileInfo(path).size()));
}

void TFormMain::Store_Recent_Files(const RecentFiles &recent)
{
    if (!Write_Recent_Files(m_paths.settings_file, recent))
        m_ui.Error_Box(this, QString::fromStdString(msg::Save_Failed(
                                     Local_Path(m_paths.settings_file),
                                     "The list of last files can not be stored.")));
}

bool TFormMain::Idle() const
{
    return !m_busy && !m_link_busy && QApplication::activeModalWidget() == nullptr
           && QApplication::activePopupWidget() == nullptr;
}

// A file handed over by a second start opens once nothing else runs: no dialog, menu, open
// or save.
void TFormMain::Open_Pending_When_Idle()
{
    if (m_pending_file.isEmpty())
        return;
    if (!Idle()) {
        QTimer::singleShot(kIdleRetryMs, this, &TFormMain::Open_Pending_When_Idle);
        return;
    }
    const QString path = std::exchange(m_pending_file, QString());
    const QFileInfo info(path);
    Open_Database_File(path, Kind_For_Recent_File(info.exists() ? info.size() : -1));
}

} // namespace orvane
