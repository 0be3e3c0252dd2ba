#include "app/link_transfers.h"

#include "link/Upgrade.h"
#include "link/link_texts.h"
#include "link/upgrade_texts.h"
#include "translations/ui_text.h"
#include "views/ui_services.h"

#include <QLineEdit>

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
    return ui_text::Shown(link_text::kUpdateFailed) + QStringLiteral("\r\r")
           + dialog.state_line()->text();
}

} // namespace

LinkTransfers::LinkTransfers(QWidget *window, Ui_Services &ui)
    : QObject(window)
    , m_window(window)
    , m_ui(ui)
{}

bool LinkTransfers::Receive_File(const QString &target, FileKind kind,
                                 const QString &backups_folder)
{
    return Run_Link_Transfer(Read_Caption(kind), [&](TFormUpgrade &dialog) {
        return dialog.Read_From_Receiver(target, kind, backups_folder);
    });
}

bool LinkTransfers::Send_File(const QString &file, FileKind kind)
{
    return Run_Link_Transfer(Write_Caption(kind), [&](TFormUpgrade &dialog) {
        return dialog.Write_Into_Receiver(file, kind);
    });
}

// One transfer through a communication dialog with the given caption, while the main window
// is disabled. The window is enabled again (and a failure reported) before this returns, so
// that what follows (opening the received file) asks its questions over an enabled window.
bool LinkTransfers::Run_Link_Transfer(const char *caption,
                                      const std::function<bool(TFormUpgrade &)> &transfer)
{
    bool done = false;
    QString failure;
    {
        m_window->setEnabled(false);
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
        m_ui.Error_Box(m_window, failure);
    return done;
}

std::unique_ptr<TFormUpgrade> LinkTransfers::Show_Link_Dialog(const char *caption)
{
    auto dialog = std::make_unique<TFormUpgrade>(
            m_window,
            [this](QWidget *parent, const QString &text) { m_ui.Error_Box(parent, text); });
    dialog->Show_For_Transfer(ui_text::Shown(caption));
    emit linkDialogShown(dialog.get());
    return dialog;
}

// The transfer has returned: the window comes back to the front.
void LinkTransfers::Finish_Link_Command()
{
    m_window->setEnabled(true);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace orvane
