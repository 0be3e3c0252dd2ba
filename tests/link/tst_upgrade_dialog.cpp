// The communication dialog and the receiver commands of the main window: the dialog's
// components, texts and closing, the port list, the captions the commands give it, the save
// dialog and overwrite question before a read, the save-first rule before a write, commands
// and closing that wait for a running transfer, and one read and one write through the dialog
// against the simulated receiver on a pseudo-terminal.

#include "gui_fixtures.h"
#include "pty_pair.h"

#include "app/app_messages.h"
#include "app/link_transfers.h"
#include "link/Upgrade.h"
#include "link/link_texts.h"
#include "link/upgrade_lamp.h"
#include "link/upgrade_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <functional>

using namespace orvane;
using namespace orvane::test;

namespace {

constexpr int kCancelAfterMs = 150;

// COM1, COM2, ... stand for these devices in every port list made from now on.
void Set_Com_Ports(const QStringList &devices)
{
    qputenv("ORVANE_COM_PORTS", devices.join(u',').toLocal8Bit());
}

// What the receiver commands of a window did with their communication dialogs.
struct LinkWatch
{
    explicit LinkWatch(TFormMain &window, std::function<void(TFormUpgrade *)> act = {})
    {
        m_connection = QObject::connect(
                window.findChild<LinkTransfers *>(), &LinkTransfers::linkDialogShown, &window,
                [this, &window, act](TFormUpgrade *dialog) {
                    captions << dialog->windowTitle();
                    main_enabled_during = window.isEnabled();
                    modal = dialog->windowModality() == Qt::ApplicationModal && dialog->isVisible();
                    above_main = dialog->windowHandle()->transientParent() == window.windowHandle();
                    QObject::connect(dialog->state_line(), &QLineEdit::textChanged, dialog,
                                     [this](const QString &text) {
                                         if (!text.isEmpty())
                                             states << text;
                                     });
                    if (act)
                        act(dialog);
                });
    }

    ~LinkWatch() { QObject::disconnect(m_connection); }
    LinkWatch(const LinkWatch &) = delete;
    LinkWatch &operator=(const LinkWatch &) = delete;

    QStringList captions;
    QStringList states;
    bool main_enabled_during = true;
    bool modal = false;
    bool above_main = false;

private:
    QMetaObject::Connection m_connection;
};

// Presses Cancel once the transfer has been looking for the receiver for a while.
void Cancel_Later(TFormUpgrade *dialog)
{
    QTimer::singleShot(kCancelAfterMs, dialog, &TFormUpgrade::SB_CancelClick);
}

// Starts the simulated receiver; returns the device of its end of the line, or an empty text.
QString Start_Simulated_Receiver(QProcess &sim, const QStringList &arguments, const QString &log)
{
    sim.setStandardErrorFile(log);
    sim.start(QStringLiteral(ORVANE_SIM_RECEIVER), arguments);
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000))
        return {};
    return QString::fromLocal8Bit(sim.readLine()).trimmed();
}

QString Last(const QStringList &texts)
{
    return texts.isEmpty() ? QString() : texts.constLast();
}

} // namespace

class TestUpgradeDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        Quiet_Platform_Warnings();
        QVERIFY(!Silent_Port().isEmpty());
        Set_Com_Ports({Silent_Port()});
    }

    void componentTexts_data();
    void componentTexts();
    void dialogLook();
    void portList();
    void pickedPortOpens();
    void closeResetsDialog_data();
    void closeResetsDialog();
    void cancelledTransfer_data();
    void cancelledTransfer();
    void readNeedsTarget_data();
    void readNeedsTarget();
    void writeWithoutDatabase();
    void writeSavesFirst_data();
    void writeSavesFirst();
    void failedSaveSendsNothing();
    void runningTransferHoldsOff_data();
    void runningTransferHoldsOff();
    void throughSimulatedReceiver();
    void failedTransferIsReported();

private:
    QString Silent_Port() const { return QString::fromStdString(m_pty.device()); }
    PtyPair m_pty; // a receiver that is not there: its end never answers
};

void TestUpgradeDialog::componentTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label2") << "Label2"
                            << "Settings  COM:";
    QTest::newRow("Label7") << "Label7"
                            << "Baudrates:";
    QTest::newRow("Label_FileName") << "Label_FileName"
                                    << "File Name:";
    QTest::newRow("Label_State") << "Label_State"
                                 << "Nonce State:";
    QTest::newRow("Edit_Bau") << "Edit_Bau"
                              << "115200[bps]";
    QTest::newRow("Edit_FileName") << "Edit_FileName"
                                   << "";
    QTest::newRow("Edit_Start") << "Edit_Start"
                                << "";
    QTest::newRow("SB_Cancel") << "SB_Cancel"
                               << "Cancel";
}

void TestUpgradeDialog::componentTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    TFormUpgrade dialog;
    QWidget *widget = dialog.findChild<QWidget *>(name);
    QVERIFY(widget);
    QVERIFY(dialog.panel_form()->isAncestorOf(widget) != (name == "SB_Cancel"));
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        QCOMPARE(edit->text(), text);
        QVERIFY(edit->isReadOnly());
    } else
        QCOMPARE(qobject_cast<QToolButton *>(widget)->text(), text);
}

void TestUpgradeDialog::dialogLook()
{
    TFormUpgrade dialog;
    QCOMPARE(dialog.size(), QSize(413, 178));
    QCOMPARE(dialog.font().family(), QStringLiteral("Arial"));
    QCOMPARE(dialog.font().pixelSize(), 14);
    const Qt::WindowFlags flags = dialog.windowFlags();
    QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
    QCOMPARE(dialog.panel_form()->palette().color(QPalette::Window), QColor(221, 221, 221));
    auto *panel_ok = dialog.findChild<QFrame *>(QStringLiteral("PanelOK"));
    QVERIFY(panel_ok);
    QCOMPARE(panel_ok->height(), 28);
    QVERIFY(dialog.cancel_button()->font().bold());
    QCOMPARE(dialog.cancel_button()->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
    QCOMPARE(dialog.com_state()->colour(), kLampClosed);
    QCOMPARE(dialog.progress_bar()->value(), 0);
    QVERIFY(!dialog.Link_Running());
}

// Ten items that cannot be typed into, each naming the device its number opens.
void TestUpgradeDialog::portList()
{
    Set_Com_Ports({QStringLiteral("/dev/ttyUSB3"), QString(), QStringLiteral("/dev/ttyS0")});
    TFormUpgrade dialog;
    Set_Com_Ports({Silent_Port()});
    const QComboBox *list = dialog.com_list();
    QVERIFY(!list->isEditable());
    QCOMPARE(list->maxVisibleItems(), 10);
    QCOMPARE(list->count(), 10);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(list->itemText(0), QStringLiteral("COM.01"));
    QCOMPARE(list->itemText(9), QStringLiteral("COM.10"));
    const QString none = QString::fromUtf8(upgrade_text::kNoDevice);
    QCOMPARE(list->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyUSB3"));
    QCOMPARE(list->itemData(1, Qt::ToolTipRole).toString(), none);
    QCOMPARE(list->itemData(2, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(list->itemData(9, Qt::ToolTipRole).toString(), none);
}

// The user's pick opens that port: the lamp goes green, or red with the busy message for a
// number without a device.
void TestUpgradeDialog::pickedPortOpens()
{
    QStringList errors;
    TFormUpgrade dialog(nullptr, [&](QWidget *, const QString &text) { errors << text; });
    dialog.com_list()->setCurrentIndex(0);
    emit dialog.com_list()->activated(0);
    QVERIFY(dialog.port().Port_Open());
    QCOMPARE(dialog.com_state()->colour(), kLampOpen);
    QCOMPARE(errors, QStringList());

    dialog.com_list()->setCurrentIndex(4);
    emit dialog.com_list()->activated(4);
    QVERIFY(!dialog.port().Port_Open());
    QCOMPARE(dialog.com_state()->colour(), kLampClosed);
    QCOMPARE(errors, QStringList{QString::fromUtf8(link_text::kUsedByOther)});
}

void TestUpgradeDialog::closeResetsDialog_data()
{
    QTest::addColumn<int>("route");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("window manager") << 2;
}

// FormShow and FormClose: the dialog is hidden, not destroyed, with its fields emptied, the
// first port selected, Link_Running false and the main window enabled again.
void TestUpgradeDialog::closeResetsDialog()
{
    QFETCH(int, route);
    QWidget main_window;
    main_window.setEnabled(false);
    QStringList errors;
    QPointer<TFormUpgrade> dialog = new TFormUpgrade(
            &main_window, [&](QWidget *, const QString &text) { errors << text; });
    const std::unique_ptr<TFormUpgrade> owner(dialog.data());
    dialog->panel_form()->setEnabled(false);
    dialog->Show_For_Transfer(QStringLiteral("Downloading Data"));
    QVERIFY(dialog->Link_Running());
    QVERIFY(dialog->panel_form()->isEnabled());
    dialog->com_list()->setCurrentIndex(2);
    dialog->Show_Status("Connectting...");
    dialog->Show_File_Name("/tmp/X.BIN");

    if (route == 0)
        QTest::mouseClick(dialog->cancel_button(), Qt::LeftButton);
    else if (route == 1)
        QTest::keyClick(dialog.data(), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(dialog);
    QVERIFY(dialog->isHidden());
    QVERIFY(!dialog->Link_Running());
    QCOMPARE(dialog->state_line()->text(), QString());
    QCOMPARE(dialog->file_name_field()->text(), QString());
    QCOMPARE(dialog->com_list()->currentIndex(), 0);
    QVERIFY(main_window.isEnabled());
    QCOMPARE(errors, QStringList()); // no port was opened by the changes of the list
}

void TestUpgradeDialog::cancelledTransfer_data()
{
    QTest::addColumn<bool>("read");
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::newRow("read Channel Data")
            << true << FileKind::ChannelData << "Communication Settings  (Upgrade Data)";
    QTest::newRow("read Default") << true << FileKind::Default
                                  << "Communication Settings  (Upgrade Default)";
    QTest::newRow("write Channel Data") << false << FileKind::ChannelData << "Downloading Data";
    QTest::newRow("write Default") << false << FileKind::Default << "Downloading Default";
}

// A transfer cancelled while it looks for the receiver: the dialog had its caption and was
// application-modal over a disabled main window; the transfer ends with "Update failed!",
// writes no file and leaves the loaded database as it was (its kind too).
void TestUpgradeDialog::cancelledTransfer()
{
    QFETCH(bool, read);
    QFETCH(FileKind, kind);
    QFETCH(QString, caption);
    WindowFixture f;
    const FileKind loaded = kind == FileKind::Default ? FileKind::ChannelData : kind;
    const QString source = f.Write_Sample(QStringLiteral("LOADED.BIN"), read ? loaded : kind);
    QVERIFY(f.Open(source, read ? loaded : kind));
    f.window.show();
    LinkWatch watch(f.window, Cancel_Later);
    const QString target = f.Path(QStringLiteral("RECEIVED.BIN"));

    if (read) {
        f.ui.Push_Save_File(target);
        f.window.ReadDataClick(kind);
    } else {
        f.window.PMWriteClick();
    }
    QCOMPARE(watch.captions, QStringList{caption});
    QVERIFY(watch.modal);
    QVERIFY(watch.above_main);
    QVERIFY(!watch.main_enabled_during);
    QVERIFY(watch.states.contains(QString::fromUtf8(link_text::kConnecting)));
    QCOMPARE(Last(watch.states), QString::fromUtf8(link_text::kUpdateFailed));
    QVERIFY(f.window.isEnabled());
    QVERIFY(!f.window.file_commands().link_busy());
    QVERIFY(!QFile::exists(target));
    QCOMPARE(f.window.database().File_Kind, read ? loaded : kind);
    QCOMPARE(f.window.file_commands().current_file(), source);
    QVERIFY(Read_File(source) == Sample_Bytes(read ? loaded : kind));
    QCOMPARE(f.ui.failures(), QStringList());
    QCOMPARE(f.ui.errors(), QStringList());
}

void TestUpgradeDialog::readNeedsTarget_data()
{
    QTest::addColumn<bool>("dialog_cancelled");
    QTest::newRow("save dialog cancelled") << true;
    QTest::newRow("overwrite refused") << false;
}

// No file name, or an existing file the user keeps: no transfer, no dialog, the file as it was.
void TestUpgradeDialog::readNeedsTarget()
{
    QFETCH(bool, dialog_cancelled);
    WindowFixture f;
    const QString existing = f.Path(QStringLiteral("KEEP.BIN"));
    QVERIFY(Write_File(existing, "keep me"));
    LinkWatch watch(f.window);
    f.ui.Push_Save_File(dialog_cancelled ? QString() : existing);
    if (!dialog_cancelled)
        f.ui.Push_Answer(false);

    f.window.ReadDataClick(FileKind::ChannelData);
    QCOMPARE(watch.captions, QStringList());
    QCOMPARE(f.ui.dialogs(), QStringList{QString::fromUtf8(app_text::kSaveDialogTitle)});
    const QStringList asked
            = dialog_cancelled ? QStringList()
                               : QStringList{QString::fromUtf8(app_text::kOverwriteQuestion)};
    QCOMPARE(f.ui.questions(), asked);
    if (!dialog_cancelled)
        QCOMPARE(f.ui.shown().constLast().buttons, Ui_Services::Buttons::YesCancel);
    QCOMPARE(Read_File(existing), QByteArray("keep me"));
    QVERIFY(f.window.isEnabled());
    QCOMPARE(f.ui.failures(), QStringList());
}

void TestUpgradeDialog::writeWithoutDatabase()
{
    WindowFixture f;
    LinkWatch watch(f.window);
    f.window.PMWriteClick();
    QCOMPARE(watch.captions, QStringList());
    QVERIFY(f.ui.shown().isEmpty());
    QVERIFY(f.window.isEnabled());
}

void TestUpgradeDialog::writeSavesFirst_data()
{
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<bool>("version_typed");
    QTest::newRow("channel data changed") << FileKind::ChannelData << false;
    QTest::newRow("default changed") << FileKind::Default << false;
    QTest::newRow("default version typed") << FileKind::Default << true;
}

// Unsaved changes go into the current file before the dialog shows, so the receiver gets the
// edited database.
void TestUpgradeDialog::writeSavesFirst()
{
    QFETCH(FileKind, kind);
    QFETCH(bool, version_typed);
    WindowFixture f;
    const QString path = f.Write_Sample(QStringLiteral("EDITED.BIN"), kind);
    QVERIFY(f.Open(path, kind));
    QVERIFY(Write_File(path, "stale"));
    if (version_typed) {
        Version_Edit(f.window)->selectAll();
        QTest::keyClicks(Version_Edit(f.window), QStringLiteral("V2.0.0X"));
        QVERIFY(f.window.file_commands().Has_Unsaved_Changes());
    } else {
        f.window.view_state().Data_Modified = true;
    }
    QByteArray sent;
    LinkWatch watch(f.window, [&](TFormUpgrade *dialog) {
        sent = Read_File(path);
        Cancel_Later(dialog);
    });

    f.window.PMWriteClick();
    QCOMPARE(watch.captions.size(), 1);
    QCOMPARE(sent.size(), Sample_Bytes(kind).size());
    if (!version_typed)
        QVERIFY(sent == Sample_Bytes(kind));
    else
        QCOMPARE(sent.mid(40, 8), QByteArray("V2.0.0X "));
    QVERIFY(!f.window.file_commands().Has_Unsaved_Changes());
    QCOMPARE(f.ui.failures(), QStringList());
}

// A save-first that fails shows its message and sends nothing.
void TestUpgradeDialog::failedSaveSendsNothing()
{
    WindowFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("sub")));
    const QString path = f.Write_Sample(QStringLiteral("sub/GONE.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(path, FileKind::ChannelData));
    f.window.view_state().Data_Modified = true;
    QVERIFY(QDir(f.Path(QStringLiteral("sub"))).removeRecursively());
    LinkWatch watch(f.window);

    f.window.PMWriteClick();
    QCOMPARE(watch.captions, QStringList());
    QCOMPARE(f.ui.errors().size(), 1);
    QVERIFY(f.ui.errors().constFirst().startsWith(
            QStringLiteral("Find an error, when saving this file,")));
    QVERIFY(f.window.file_commands().Has_Unsaved_Changes());
    QVERIFY(f.window.isEnabled());
}

void TestUpgradeDialog::runningTransferHoldsOff_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("second command") << "command";
    QTest::newRow("closing the window") << "close";
    QTest::newRow("file handed over") << "hand-over";
}

// While a transfer runs, a second command starts nothing, closing the window and a file handed
// over by a second start wait until it has returned, and the main window stays disabled even
// after Cancel hid the dialog.
void TestUpgradeDialog::runningTransferHoldsOff()
{
    QFETCH(QString, what);
    WindowFixture f;
    const QString path = f.Write_Sample(QStringLiteral("SENT.BIN"), FileKind::ChannelData);
    const QString other = f.Write_Sample(QStringLiteral("OTHER.BIN"), FileKind::Default);
    QVERIFY(f.Open(path, FileKind::ChannelData));
    f.window.show();
    bool accepted_close = true;
    bool enabled_after_cancel = true;
    LinkWatch watch(f.window, [&](TFormUpgrade *dialog) {
        QTimer::singleShot(kCancelAfterMs, dialog, [&, dialog] {
            if (what == "command") {
                f.window.ReadDataClick(FileKind::Default);
                f.window.PMWriteClick();
            } else if (what == "close") {
                accepted_close = f.window.close();
            } else {
                f.window.Instance_Message(other);
            }
            dialog->SB_CancelClick();
            enabled_after_cancel = f.window.isEnabled();
        });
    });

    f.window.PMWriteClick();
    QVERIFY(!enabled_after_cancel);
    QCOMPARE(watch.captions.size(), 1);
    QVERIFY(f.ui.dialogs().size() == 1); // the open dialog of the fixture only
    QVERIFY(f.window.isEnabled());
    if (what == "close") {
        QVERIFY(!accepted_close);
        QTRY_VERIFY(!f.window.isVisible());
    } else if (what == "hand-over") {
        QCOMPARE(f.window.file_commands().current_file(), path);
        QTRY_COMPARE(f.window.file_commands().current_file(), other);
        QCOMPARE(f.window.database().File_Kind, FileKind::Default);
    }
    QCOMPARE(f.ui.failures(), QStringList());
}

// End to end through the dialog, against the simulated receiver. A "Default" read, found after
// the user picked the receiver's port during the handshake, does not replace a loaded "Channel
// Data" database with unsaved changes unless the user agrees; the received file is kept either
// way. A second read opens in the main window, and writing that database into the receiver
// stores exactly the bytes sent.
void TestUpgradeDialog::throughSimulatedReceiver()
{
    WindowFixture f;
    const QString served = f.Write_Sample(QStringLiteral("SERVED.BIN"), FileKind::Default);
    const QString stored = f.Path(QStringLiteral("STORED.BIN"));
    QProcess sim;
    const QString device = Start_Simulated_Receiver(
            sim, {QStringLiteral("--serve"), served, QStringLiteral("--store"), stored},
            f.Path(QStringLiteral("sim.log")));
    QVERIFY(device.startsWith(QLatin1String("/dev/")));

    QVERIFY(f.Open_Shown_Sample());
    f.window.view_state().Data_Modified = true;
    const QString kept = f.Path(QStringLiteral("KEPT.BIN"));
    Set_Com_Ports({Silent_Port(), device});
    {
        LinkWatch watch(f.window, [](TFormUpgrade *dialog) {
            QTimer::singleShot(kCancelAfterMs, dialog, [dialog] {
                dialog->com_list()->setCurrentIndex(1); // COM.02: the receiver
                emit dialog->com_list()->activated(1);
            });
        });
        f.ui.Push_Save_File(kept);
        f.ui.Push_Answer(false); // "Setting not saved, open another file anyway?"
        f.window.ReadDataClick(FileKind::Default);
        QCOMPARE(Last(watch.states), QString::fromUtf8(link_text::kUpdateSuccess));
    }
    QCOMPARE(f.ui.questions(), QStringList{QString::fromUtf8(app_text::kOpenQuestion)});
    QVERIFY(Read_File(kept) == Sample_Bytes(FileKind::Default));
    QCOMPARE(f.window.database().File_Kind, FileKind::ChannelData);
    QVERIFY(f.window.file_commands().Has_Unsaved_Changes());

    f.window.view_state().Data_Modified = false;
    Set_Com_Ports({device});
    const QString received = f.Path(QStringLiteral("RECEIVED.BIN"));
    f.ui.Push_Save_File(received);
    f.window.ReadDataClick(FileKind::Default);
    QVERIFY(Read_File(received) == Sample_Bytes(FileKind::Default));
    QCOMPARE(f.window.file_commands().current_file(), received);
    QCOMPARE(f.window.database().File_Kind, FileKind::Default);

    LinkWatch write_watch(f.window);
    f.window.PMWriteClick();
    Set_Com_Ports({Silent_Port()});
    QCOMPARE(Last(write_watch.states), QString::fromUtf8(link_text::kUpdateSuccess));
    QTRY_VERIFY(Read_File(stored) == Sample_Bytes(FileKind::Default));
    QCOMPARE(f.ui.errors(), QStringList());
    QCOMPARE(f.ui.failures(), QStringList());
    sim.terminate();
    sim.waitForFinished(3000);
}

// A transfer that fails on its own (not cancelled) is reported in an error box once the dialog
// has gone, naming the step that failed.
void TestUpgradeDialog::failedTransferIsReported()
{
    WindowFixture f;
    QProcess sim;
    const QString device = Start_Simulated_Receiver(sim,
                                                    {QStringLiteral("--store"),
                                                     f.Path(QStringLiteral("STORED.BIN")),
                                                     QStringLiteral("--fail-program")},
                                                    f.Path(QStringLiteral("sim.log")));
    QVERIFY(device.startsWith(QLatin1String("/dev/")));
    QVERIFY(f.Open_Shown_Sample());
    Set_Com_Ports({device});
    f.window.PMWriteClick();
    Set_Com_Ports({Silent_Port()});
    QCOMPARE(f.ui.errors(), QStringList{QStringLiteral("Update failed!\r\rProgram flash failed!")});
    QVERIFY(!QFile::exists(f.Path(QStringLiteral("STORED.BIN"))));
    QVERIFY(f.window.isEnabled());
    sim.terminate();
    sim.waitForFinished(3000);
}

QTEST_MAIN(TestUpgradeDialog)
#include "tst_upgrade_dialog.moc"
