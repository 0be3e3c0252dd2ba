// TFormMain: the receiver commands. "Read from receiver" receives a database file of the chosen
// kind into a file the user names and opens it; "Write into receiver" sends the open database
// file, saved first when it has unsaved changes. Both run their transfer through the
// communication dialog while the main window is disabled.

#include "app/Main.h"

#include "app/app_messages.h"
#include "link/Upgrade.h"
#include "link/link_texts.h"
#include "link/upgrade_texts.h"
#include "views/ui_services.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>

namespace orvane {
namespace {

const char *Read_Caption(FileKind kind)
{
    return kind == FileKind::Default ? upgrade_text::kCaptionReadDefault
                                     : upgrade_text::kCaptionReadData;
}

const char *Write_Caption(FileKind kind)
{
    return kind == FileKind::Default ? upgrade_text::kCaptionWriteDefault
                                     : upgrade_text::kCaptionWriteData;
}

// The state line vanishes with the dialog, so a transfer that failed on its own (not cancelled
// by the user) is reported once more in an error box, with the step that failed.
QString Failure_Report(TFormUpgrade &dialog)
{
    if (!dialog.Link_Running())
        return {};
    return QString::fromUtf8(link_text::kUpdateFailed) + QStringLiteral("\r\r")
           + dialog.state_line()->text();
}

} // namespace

// The kind of the read goes to the transfer only: the loaded database keeps its own kind (and
// the format its next Save writes) unless the received file opens.
void TFormMain::ReadDataClick(FileKind kind)
{
    if (busy())
        return;
    const QString target = Ask_Read_Target();
    if (target.isEmpty())
        return;
    const bool received = Run_Link_Transfer(Read_Caption(kind), [&](TFormUpgrade &dialog) {
        return dialog.Read_From_Receiver(target, kind, m_paths.backups_folder);
    });
    if (received)
        Open_Database_File(target, kind); // asks first when unsaved changes would be lost
    Close_If_Asked();
}

// The file a read writes: asked in the save dialog; an existing file only after the user
// agreed to replace it. Empty when the read should not run.
QString TFormMain::Ask_Read_Target()
{
    const QString target = m_ui.Save_File_Name(this, QString::fromUtf8(app_text::kSaveDialogTitle));
    if (target.isEmpty())
        return {};
    if (QFileInfo::exists(target)
        && !m_ui.Ask_Yes(this, QString::fromUtf8(app_text::kOverwriteQuestion),
                         Ui_Services::Buttons::YesCancel))
        return {};
    return target;
}

void TFormMain::PMWriteClick()
{
    if (!m_view.Data_Loaded || busy())
        return;
    // The receiver gets the file as stored: unsaved changes go into it first, and when that
    // save failed (its message was shown) nothing is sent.
    if (!Save_Before_Write())
        return;
    const FileKind kind = m_db->File_Kind;
    Run_Link_Transfer(Write_Caption(kind), [&](TFormUpgrade &dialog) {
        return dialog.Write_Into_Receiver(m_current_file, kind);
    });
    Close_If_Asked();
}

// One transfer through a communication dialog with the given caption, while the main window
// is disabled. The window is enabled again (and a failure reported) before this returns, so
// that what follows (opening the received file) asks its questions over an enabled window.
bool TFormMain::Run_Link_Transfer(const char *caption,
                                  const std::function<bool(TFormUpgrade &)> &transfer)
{
    bool done = false;
    QString failure;
    {
        const QScopedValueRollback<bool> link_busy(m_link_busy, true);
        setEnabled(false);
        const std::unique_ptr<TFormUpgrade> dialog = Show_Link_Dialog(caption);
        done = transfer(*dialog);
        if (done) {
            dialog->close();
        } else {
            failure = Failure_Report(*dialog);
            dialog->Show_Status(link_text::kUpdateFailed);
        }
    }
    Finish_Link_Command();
    if (!failure.isEmpty())
        m_ui.Error_Box(this, failure);
    return done;
}

bool TFormMain::Save_Before_Write()
{
    if (!Has_Unsaved_Changes())
        return true;
    Apply_Version_Edit();
    m_db->Save_Mode = Save_Mode_For(m_db->File_Kind, m_db->File_Kind);
    return Save_To(m_current_file); // shows "File is being save now. Please wait......"
}

std::unique_ptr<TFormUpgrade> TFormMain::Show_Link_Dialog(const char *caption)
{
    auto dialog = std::make_unique<TFormUpgrade>(
            this, [this](QWidget *parent, const QString &text) { m_ui.Error_Box(parent, text); });
    dialog->Show_For_Transfer(QString::fromUtf8(caption));
    emit linkDialogShown(dialog.get());
    return dialog;
}

// The transfer has returned: the window comes back to the front.
void TFormMain::Finish_Link_Command()
{
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

// A close asked for while the transfer ran goes ahead once the command is over, with its own
// question about unsaved changes.
void TFormMain::Close_If_Asked()
{
    if (std::exchange(m_close_after_link, false))
        QTimer::singleShot(0, this, &TFormMain::close);
}

} // namespace orvane
