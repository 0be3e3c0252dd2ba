#pragma once

// TFormUpgrade: the communication dialog of a transfer with the receiver. It shows the chosen
// port and its lamp, the fixed baud rate, the file being read or written, the state line and
// the progress bar, and offers Cancel. It owns the serial port (MSComm) and the transfer that
// runs over it, and is the window the transfer reports to (LinkHost).
//
// A command creates it, shows it application-modal, runs one transfer through it and destroys
// it. Cancel (or Escape) only hides it: the transfer running underneath notices at its next
// wait and returns, and the command that started it goes on from there.

#include "dbase/container.h"
#include "link/MSCommLib_TLB.h"
#include "link/link_host.h"
#include "link/poll_clock_qt.h"
#include "link/transfer_protocol.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QToolButton;

namespace orvane {

class ComStateLamp;

class TFormUpgrade final : public QDialog, public LinkHost
{
    Q_OBJECT

public:
    // How an error reaches the user: a box with an error icon and an OK button over parent.
    using ErrorBox = std::function<void(QWidget *parent, const QString &text)>;

    // main_window is enabled and shown again when the dialog closes with no transfer running.
    // Without error_box, errors go to a plain message box.
    explicit TFormUpgrade(QWidget *main_window = nullptr, ErrorBox error_box = {});
    ~TFormUpgrade() override;

    // Gives the dialog its caption, shows it application-modal and paints it before returning.
    void Show_For_Transfer(const QString &caption);

    // The two transfers, over the port selected in the list. file_name is a local path.
    bool Read_From_Receiver(const QString &file_name, FileKind kind,
                            const QString &backups_folder = {});
    bool Write_Into_Receiver(const QString &file_name, FileKind kind);
    bool transfer_running() const { return m_transfer_running; }

    // Handlers.
    void FormCreate();
    void FormShow();
    void FormClose();
    void SB_CancelClick();
    void CB_ComSelect(int index);

    // LinkHost.
    bool Link_Running() const override { return m_link_running; }
    void Process_Messages() override;
    void Show_Status(const std::string &text) override;
    void Show_Progress(int max, int step) override;
    void Show_File_Name(const std::string &path) override;
    void Set_Panel_Enabled(bool enabled) override;
    int Selected_Port_Index() const override;
    void Show_Port_State(bool open) override;
    void Port_Error(const std::string &message) override;

    // Components, for the commands that show the dialog and for tests.
    QFrame *panel_form() const { return Panel_Form; }
    QComboBox *com_list() const { return CB_Com; }
    ComStateLamp *com_state() const { return Shape_ComState; }
    QLineEdit *state_line() const { return Edit_Start; }
    QLineEdit *file_name_field() const { return Edit_FileName; }
    QProgressBar *progress_bar() const { return ProgressBarMain; }
    QToolButton *cancel_button() const { return SB_Cancel; }
    TMSComm &port() { return MSComm; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Build();
    QFrame *Build_Panel_Form();
    QFrame *Build_Panel_OK();
    void Fill_Port_List();
    void Keep_Above_Main_Window();
    bool Run_Transfer(const std::function<bool()> &transfer);

    QPointer<QWidget> m_main_window;
    ErrorBox m_error_box;
    bool m_link_running = false; // Link_Running
    bool m_transfer_running = false;
    int m_progress_step = 1;

    QFrame *Panel_Form = nullptr;
    QLabel *Label2 = nullptr;
    ComStateLamp *Shape_ComState = nullptr;
    QComboBox *CB_Com = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *Edit_Bau = nullptr;
    QLabel *Label_FileName = nullptr;
    QLineEdit *Edit_FileName = nullptr;
    QLabel *Label_State = nullptr;
    QLineEdit *Edit_Start = nullptr;
    QProgressBar *ProgressBarMain = nullptr;
    QFrame *PanelOK = nullptr;
    QFrame *Panel_Cancel = nullptr;
    QToolButton *SB_Cancel = nullptr;

    // The port lets its last command drain and closes when the dialog is destroyed, before
    // the dialog's widgets go.
    TMSComm MSComm;
    PortPollClock m_clock{MSComm};
    TransferProtocol m_protocol{MSComm, m_clock, *this};
};

} // namespace orvane
