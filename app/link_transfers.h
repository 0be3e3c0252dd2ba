#pragma once

// The transfers of the receiver commands: each runs through a communication dialog with its
// caption while the main window is disabled; the window comes back to the front, and a failure
// is reported in an error box, before the file steps that follow ask their questions.

#include "dbase/channel_database.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace orvane {

class TFormUpgrade;
class Ui_Services;

class LinkTransfers final : public QObject
{
    Q_OBJECT

public:
    LinkTransfers(QWidget *window, Ui_Services &ui);

    bool Receive_File(const QString &target, FileKind kind, const QString &backups_folder);
    bool Send_File(const QString &file, FileKind kind);
    // The window was asked to close while a transfer ran: it closes once the command is over.
    void Ask_To_Close() { m_close_asked = true; }
    bool Take_Close_Request() { return std::exchange(m_close_asked, false); }

signals:
    // The communication dialog of a receiver command, shown and about to run its transfer.
    void linkDialogShown(orvane::TFormUpgrade *dialog);

private:
    std::unique_ptr<TFormUpgrade> Show_Link_Dialog(const char *caption);
    bool Run_Link_Transfer(const char *caption,
                           const std::function<bool(TFormUpgrade &)> &transfer);
    void Finish_Link_Command();

    QWidget *m_window;
    Ui_Services &m_ui;
    bool m_close_asked = false;
};

} // namespace orvane
