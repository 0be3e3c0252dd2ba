#include "link/Upgrade.h"

#include "dbase/messages.h"
#include "link/com_ports.h"
#include "link/link_texts.h"
#include "link/upgrade_lamp.h"
#include "link/upgrade_texts.h"
#include "translations/ui_text.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace orvane {
namespace {

constexpr int kFormWidth = 413;
constexpr int kFormHeight = 178;
constexpr int kPanelOkHeight = 28;
const QColor kPanelColour{221, 221, 221};
const QColor kNavy{0, 0, 128};
const QColor kMaroon{128, 0, 0};

QFont Arial_14(bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(bold);
    return font;
}

QFrame *Make_Panel(const char *name, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    panel->setPalette(palette);
    return panel;
}

QLabel *Make_Label(const char *name, const char *text, QWidget *parent)
{
    auto *label = new QLabel(ui_text::Shown(text), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit *Make_Read_Only_Edit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    return edit;
}

void Set_Text_Colour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void Plain_Error_Box(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, parent ? parent->windowTitle() : QString(), text,
                          QMessageBox::Ok);
}

} // namespace

TFormUpgrade::TFormUpgrade(QWidget *main_window, ErrorBox error_box)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_main_window(main_window)
    , m_error_box(error_box ? std::move(error_box) : ErrorBox(Plain_Error_Box))
{
    setObjectName(QStringLiteral("FormUpgrade"));
    setFixedSize(kFormWidth, kFormHeight);
    setFont(Arial_14());
    Build();
    FormCreate();
}

TFormUpgrade::~TFormUpgrade() = default;

void TFormUpgrade::Build()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Build_Panel_Form(), 1);
    layout->addWidget(Build_Panel_OK());
}

QFrame *TFormUpgrade::Build_Panel_Form()
{
    Panel_Form = Make_Panel("Panel_Form", this);
    Label2 = Make_Label("Label2", upgrade_text::kComLabel, Panel_Form);
    Set_Text_Colour(Label2, QPalette::WindowText, kNavy);
    Shape_ComState = new ComStateLamp(Panel_Form);
    CB_Com = new QComboBox(Panel_Form);
    CB_Com->setObjectName(QStringLiteral("CB_Com"));
    Fill_Port_List();
    Label7 = Make_Label("Label7", upgrade_text::kBaudLabel, Panel_Form);
    Edit_Bau = Make_Read_Only_Edit("Edit_Bau", Panel_Form);
    Edit_Bau->setText(QString::fromUtf8(upgrade_text::kBaudRate));
    Label_FileName = Make_Label("Label_FileName", upgrade_text::kFileNameLabel, Panel_Form);
    Edit_FileName = Make_Read_Only_Edit("Edit_FileName", Panel_Form);
    Label_State = Make_Label("Label_State", upgrade_text::kStateLabel, Panel_Form);
    Edit_Start = Make_Read_Only_Edit("Edit_Start", Panel_Form);
    ProgressBarMain = new QProgressBar(Panel_Form);
    ProgressBarMain->setObjectName(QStringLiteral("ProgressBarMain"));
    ProgressBarMain->setTextVisible(false);

    auto *grid = new QGridLayout(Panel_Form);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->addWidget(Label2, 0, 0);
    auto *port_row = new QHBoxLayout;
    port_row->addWidget(Shape_ComState);
    port_row->addWidget(CB_Com, 1);
    port_row->addWidget(Label7);
    port_row->addWidget(Edit_Bau, 1);
    grid->addLayout(port_row, 0, 1);
    grid->addWidget(Label_FileName, 1, 0);
    grid->addWidget(Edit_FileName, 1, 1);
    grid->addWidget(Label_State, 2, 0);
    grid->addWidget(Edit_Start, 2, 1);
    grid->addWidget(ProgressBarMain, 3, 0, 1, 2);
    return Panel_Form;
}

// The items "COM.01" to "COM.10"; each one's tooltip names the device it opens.
void TFormUpgrade::Fill_Port_List()
{
    CB_Com->setEditable(false);
    CB_Com->setMaxVisibleItems(kComPortCount);
    for (int number = 1; number <= kComPortCount; ++number)
        CB_Com->addItem(QString::fromStdString(Com_Port_Label(number)));
    for (const ComPort &port : MSComm.Port_Devices()) {
        if (port.number < 1 || port.number > kComPortCount)
            continue;
        const QString tip = port.device.empty() ? ui_text::Shown(upgrade_text::kNoDevice)
                                                : QFile::decodeName(port.device.c_str());
        CB_Com->setItemData(port.number - 1, tip, Qt::ToolTipRole);
    }
    connect(CB_Com, &QComboBox::activated, this, &TFormUpgrade::CB_ComSelect);
    // CB_ComChange stays unconnected. Qt reports every change of the current index, also the
    // ones the program makes itself (FormClose selects the first port), and a handler that
    // started a transfer there would start one inside the transfer already running. The list
    // cannot be typed into, so its text never changes but by code: the user's pick reaches
    // CB_ComSelect, and nothing is left for CB_ComChange to do.
}

QFrame *TFormUpgrade::Build_Panel_OK()
{
    PanelOK = Make_Panel("PanelOK", this);
    PanelOK->setFixedHeight(kPanelOkHeight);
    PanelOK->setFrameShape(QFrame::Panel);
    PanelOK->setFrameShadow(QFrame::Raised);
    Panel_Cancel = Make_Panel("Panel_Cancel", PanelOK);
    SB_Cancel = new QToolButton(Panel_Cancel);
    SB_Cancel->setObjectName(QStringLiteral("SB_Cancel"));
    SB_Cancel->setText(ui_text::Shown(upgrade_text::kCancel));
    SB_Cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    SB_Cancel->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SB_Cancel->setAutoRaise(true);
    SB_Cancel->setFont(Arial_14(true));
    Set_Text_Colour(SB_Cancel, QPalette::ButtonText, kMaroon);
    connect(SB_Cancel, &QToolButton::clicked, this, &TFormUpgrade::SB_CancelClick);

    auto *cancel_layout = new QHBoxLayout(Panel_Cancel);
    cancel_layout->setContentsMargins(0, 0, 0, 0);
    cancel_layout->addWidget(SB_Cancel);
    auto *layout = new QHBoxLayout(PanelOK);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->addStretch(1);
    layout->addWidget(Panel_Cancel);
    return PanelOK;
}

void TFormUpgrade::FormCreate()
{
    ProgressBarMain->setValue(0);
}

void TFormUpgrade::Show_For_Transfer(const QString &caption)
{
    setWindowTitle(caption);
    setWindowModality(Qt::ApplicationModal);
    Keep_Above_Main_Window();
    show();
    repaint();
    QCoreApplication::processEvents();
}

// The dialog is no child of the main window, since disabling the main window for the transfer
// would disable the dialog with it; the window system still keeps it above the main window.
void TFormUpgrade::Keep_Above_Main_Window()
{
    if (!m_main_window || !m_main_window->windowHandle())
        return;
    create();
    windowHandle()->setTransientParent(m_main_window->windowHandle());
}

void TFormUpgrade::showEvent(QShowEvent *event)
{
    // The dialog opens centred on the screen.
    if (const QScreen *shown_on = screen())
        move(shown_on->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
    FormShow();
}

void TFormUpgrade::FormShow()
{
    m_link_running = true;
    Panel_Form->setEnabled(true);
}

// Every way of closing (Cancel, Escape, the window manager) ends here; the dialog is hidden,
// not destroyed, so the transfer running underneath can still report to it.
void TFormUpgrade::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TFormUpgrade::FormClose()
{
    Edit_Start->clear();
    Edit_FileName->clear();
    CB_Com->setCurrentIndex(0);
    // The save dialog of the main window remembers no file name here: it is asked anew for
    // every read, so there is nothing to forget.
    m_link_running = false;
    // While a transfer still runs, the main window stays disabled: the command that started
    // the transfer brings it back once the transfer has returned, so no second command can
    // start inside this one.
    if (m_main_window && !m_transfer_running) {
        m_main_window->setEnabled(true);
        m_main_window->show();
    }
}

void TFormUpgrade::SB_CancelClick()
{
    close();
}

// The user's pick of a port: close the port and open the chosen one. A handshake in progress
// goes on over the new port.
void TFormUpgrade::CB_ComSelect(int /*index*/)
{
    m_protocol.Open_Port();
}

bool TFormUpgrade::Run_Transfer(const std::function<bool()> &transfer)
{
    if (m_transfer_running)
        return false;
    const QScopedValueRollback<bool> running(m_transfer_running, true);
    return transfer();
}

bool TFormUpgrade::Read_From_Receiver(const QString &file_name, FileKind kind,
                                      const QString &backups_folder)
{
    const std::string path = QFile::encodeName(file_name).toStdString();
    const std::string backups = QFile::encodeName(backups_folder).toStdString();
    return Run_Transfer([&] { return m_protocol.Read_From_Receiver(path, kind, backups); });
}

bool TFormUpgrade::Write_Into_Receiver(const QString &file_name, FileKind kind)
{
    const std::string path = QFile::encodeName(file_name).toStdString();
    return Run_Transfer([&] { return m_protocol.Write_Into_Receiver(path, kind); });
}

void TFormUpgrade::Process_Messages()
{
    QCoreApplication::processEvents();
}

void TFormUpgrade::Show_Status(const std::string &text)
{
    Edit_Start->setText(ui_text::Shown_Pieces(
            text, {link_text::kReadProgress, link_text::kDataProgress, link_text::kCrcProgress}));
}

void TFormUpgrade::Show_Progress(int max, int step)
{
    m_progress_step = step;
    ProgressBarMain->setRange(0, std::max(max, 0));
    ProgressBarMain->setValue(std::min(ProgressBarMain->value() + m_progress_step, max));
    Process_Messages();
}

void TFormUpgrade::Show_File_Name(const std::string &path)
{
    Edit_FileName->setText(QFile::decodeName(path.c_str()));
}

void TFormUpgrade::Set_Panel_Enabled(bool enabled)
{
    Panel_Form->setEnabled(enabled);
}

int TFormUpgrade::Selected_Port_Index() const
{
    return CB_Com->currentIndex();
}

void TFormUpgrade::Show_Port_State(bool open)
{
    Shape_ComState->Set_Open(open);
}

void TFormUpgrade::Port_Error(const std::string &message)
{
    m_error_box(this, ui_text::Shown_Pieces(message,
                                            {link_text::kPortDeniedLead, link_text::kPortDeniedTail,
                                             link_text::kDialoutAdvice, link_text::kCanNotReadFile,
                                             link_text::kCanNotWriteFile, msg::kSaveFailedLead,
                                             msg::kBackupFailedLead, msg::kOldFileKept}));
}

} // namespace orvane
