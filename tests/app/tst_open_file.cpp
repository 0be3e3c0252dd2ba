// Opening database files in the main window: File > Open, the checks and their messages, the
// recent-file list, the question before unsaved changes are dropped, and a file handed over by
// a second start.

#include "gui_fixtures.h"

#include "app/Face.h"
#include "app/app_messages.h"
#include "dbase/messages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

const QString kInexistent = QString::fromUtf8(msg::kFileInexistent);
const QString kOpenQuestion = QString::fromUtf8(app_text::kOpenQuestion);

// The sample file of `kind` with one change, and a version text of its own (which no
// checksum covers), for the failure table.
QByteArray Damaged_Sample(FileKind kind, const QString &damage)
{
    QByteArray bytes = Sample_Bytes(kind).replace(40, 8, "BADHDR  ");
    if (damage == QLatin1String("crc"))
        bytes[200] = static_cast<char>(bytes[200] ^ 0x5A); // inside the compressed data
    if (damage == QLatin1String("length"))
        bytes[84] = 16, bytes[85] = bytes[86] = bytes[87] = 0; // stored length, no checksum
    if (damage == QLatin1String("truncated"))
        bytes.chop(1);
    return bytes;
}

enum class Route { OpenMenu, LastFiles, HandOver };

} // namespace

Q_DECLARE_METATYPE(Route)

class TestOpenFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        Quiet_Platform_Warnings();
    }

    void opensSampleFile_data();
    void opensSampleFile();
    void failedOpenLeavesNoFileState_data();
    void failedOpenLeavesNoFileState();
    void writeIntoReceiverFollowsLoadedDatabase();
    void cancelledDialogKeepsKind();
    void asksBeforeDroppingChanges_data();
    void asksBeforeDroppingChanges();
    void handOverWaitsWhileBusy();
};

void TestOpenFile::opensSampleFile_data()
{
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("version_shown");
    QTest::newRow("channel data") << FileKind::ChannelData << "CHANNEL_DATA.BIN" << false;
    QTest::newRow("default") << FileKind::Default << "DEFAULT.BIN" << true;
}

void TestOpenFile::opensSampleFile()
{
    QFETCH(FileKind, kind);
    QFETCH(QString, name);
    QFETCH(bool, version_shown);
    WindowFixture f;
    const QString path = f.Write_Sample(name, kind);

    QVERIFY(f.Open(path, kind));
    QCOMPARE(f.ui.dialogs(), QStringList{"Open File"});
    QCOMPARE(f.ui.errors(), QStringList());
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
    QCOMPARE(f.window.database().File_Kind, kind);
    QCOMPARE(f.window.file_commands().current_file(), path);
    QVERIFY(!f.window.file_commands().Has_Unsaved_Changes());
    QCOMPARE(File_Name_Label(f.window)->text(), "Open The File Name:  " + name);
    QCOMPARE(f.Child("Panel_FileName")->minimumWidth(), File_Name_Label(f.window)->width() + 20);
    QCOMPARE(f.Child("Panel_Version")->isHidden(), !version_shown);
    if (version_shown)
        QCOMPARE(Version_Edit(f.window)->text(), "V1.0.7"); // "V1.0.7  " trimmed
    QVERIFY(!f.Child("PanelMain")->isHidden());
    QVERIFY(!f.Child("Panel_Top")->isHidden());
    QVERIFY(f.Child("ImageMain")->isHidden());
    QCOMPARE(f.Recent().first(), path);

    const QStringList satellites = Model_Dump(f.window.page_widgets(kSatellitesPage).sat->model());
    QCOMPARE(satellites.size(), 61);
    QCOMPARE(satellites.first(), "|Show ALL Info");
    QCOMPARE(satellites.at(1), "NO.1: |Sat 19.2E");
    QCOMPARE(satellites.at(60).left(8), "NO.60: |");
}

void TestOpenFile::failedOpenLeavesNoFileState_data()
{
    QTest::addColumn<FileKind>("file_kind");
    QTest::addColumn<FileKind>("opened_as");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("version"); // shown in the version panel; "-" hidden
    const QString wrong = QString::fromUtf8(msg::kFileWrong);
    const QString crc = QString::fromUtf8(msg::kFileCrcWrong);
    constexpr FileKind kData = FileKind::ChannelData;
    constexpr FileKind kDefault = FileKind::Default;
    // The version panel keeps the last file's state until the header is read: after the
    // existence and size checks, before the checksums.
    QTest::newRow("missing") << kData << kData << "missing" << kInexistent << "-";
    QTest::newRow("folder") << kData << kData << "folder" << kInexistent << "-";
    QTest::newRow("channel data as default") << kData << kDefault << "" << wrong << "-";
    QTest::newRow("default as channel data") << kDefault << kData << "" << wrong << "-";
    QTest::newRow("truncated") << kData << kData << "truncated" << wrong << "-";
    QTest::newRow("checksum, channel data") << kData << kData << "crc" << crc << "-";
    QTest::newRow("checksum, default") << kDefault << kDefault << "crc" << crc << "BADHDR";
    QTest::newRow("stored length")
            << kData << kData << "length" << QString::fromUtf8(msg::kDecompressError) << "-";
}

void TestOpenFile::failedOpenLeavesNoFileState()
{
    QFETCH(FileKind, file_kind);
    QFETCH(FileKind, opened_as);
    QFETCH(QString, damage);
    QFETCH(QString, message);
    QFETCH(QString, version);
    WindowFixture f;
    const QString good = f.Write_Sample(QStringLiteral("GOOD.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(good, FileKind::ChannelData));
    const QString bad = f.Path(QStringLiteral("BAD.BIN"));
    if (damage == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(bad));
    else if (damage != QLatin1String("missing"))
        QVERIFY(Write_File(bad, Damaged_Sample(file_kind, damage)));

    QVERIFY(!f.Open(bad, opened_as));
    QCOMPARE(f.ui.errors(), QStringList{message});
    QVERIFY(f.In_No_File_State());
    QCOMPARE(f.Recent(), (QStringList{good, "", ""}));
    const QStringList satellites = Model_Dump(f.window.page_widgets(kSatellitesPage).sat->model());
    QVERIFY2(!satellites.join('\n').contains("NO."), qPrintable(satellites.join('\n')));
    QCOMPARE(f.window.page_widgets(kSatellitesPage).fav->count(), 0);
    QCOMPARE(f.Child("Panel_Version")->isHidden(), version == QLatin1String("-"));
    if (version != QLatin1String("-"))
        QCOMPARE(Version_Edit(f.window)->text(), version);
}

void TestOpenFile::writeIntoReceiverFollowsLoadedDatabase()
{
    WindowFixture f;
    QVERIFY(!Write_Action(f.window)->isEnabled());
    QVERIFY(f.Open(f.Write_Sample(QStringLiteral("CD.BIN"), FileKind::ChannelData),
                   FileKind::ChannelData));
    QVERIFY(Write_Action(f.window)->isEnabled());

    QVERIFY(!f.Open(f.Path(QStringLiteral("NONE.BIN")), FileKind::ChannelData));
    QVERIFY(!f.window.view_state().Data_Loaded);
    // Bug: a failed open returns before Show_Loaded_State, and Reset_Views does not disable
    // "Write into receiver", so it stays enabled from the previous file.
    QVERIFY(!Write_Action(f.window)->isEnabled());
}

// The kind chosen in the Open menu applies only once a file was chosen: a cancelled dialog
// leaves the loaded database as it was, so Save still writes its own kind.
void TestOpenFile::cancelledDialogKeepsKind()
{
    WindowFixture f;
    const QString path = f.Write_Sample(QStringLiteral("CD.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(path, FileKind::ChannelData));

    QVERIFY(f.Open(QString(), FileKind::Default)); // cancelled: still loaded
    QCOMPARE(f.window.database().File_Kind, FileKind::ChannelData);
    QCOMPARE(f.window.database().Expected_File_Size, std::size_t(262144));
    QCOMPARE(f.window.file_commands().current_file(), path);
    QCOMPARE(f.ui.errors(), QStringList());

    f.window.PMSaveClick();
    QCOMPARE(Read_File(path).size(), 262144);
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
}

void TestOpenFile::asksBeforeDroppingChanges_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<bool>("typed_version"); // else Data_Modified is set
    QTest::addColumn<bool>("answer");
    for (const bool yes : {false, true}) {
        const char *answer = yes ? "yes" : "cancel";
        QTest::addRow("open menu, %s", answer) << Route::OpenMenu << false << yes;
        QTest::addRow("last files, %s", answer) << Route::LastFiles << false << yes;
        QTest::addRow("hand-over, %s", answer) << Route::HandOver << false << yes;
        QTest::addRow("typed version, %s", answer) << Route::OpenMenu << true << yes;
    }
}

void TestOpenFile::asksBeforeDroppingChanges()
{
    QFETCH(Route, route);
    QFETCH(bool, typed_version);
    QFETCH(bool, answer);
    WindowFixture f;
    const QString first = f.Write_Sample(QStringLiteral("FIRST.BIN"), FileKind::Default);
    const QString other = f.Write_Sample(QStringLiteral("OTHER.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(first, FileKind::Default));
    if (typed_version)
        QTest::keyClicks(Version_Edit(f.window), QStringLiteral("X"));
    else
        f.window.view_state().Data_Modified = true;
    f.Set_Recent({other});
    f.window.Prepare_File_Menu(); // what the user sees when the File menu opens
    f.ui.Push_Answer(answer);

    if (route == Route::OpenMenu)
        f.Open(other, FileKind::ChannelData);
    else if (route == Route::LastFiles)
        f.window.LastFileName1Click(0);
    else
        f.window.Instance_Message(other);

    QCOMPARE(f.ui.questions(), QStringList{kOpenQuestion});
    QCOMPARE(f.ui.shown().last().buttons, Ui_Services::Buttons::YesCancel);
    QCOMPARE(f.ui.errors(), QStringList());
    QVERIFY(f.window.view_state().Data_Loaded);
    QCOMPARE(f.window.file_commands().current_file(), answer ? other : first);
    QCOMPARE(f.window.database().File_Kind, answer ? FileKind::ChannelData : FileKind::Default);
    QCOMPARE(f.window.file_commands().Has_Unsaved_Changes(), !answer);
    QCOMPARE(f.window.page_widgets(kSatellitesPage).sat->model()->rowCount(), 61);
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
}

// A file handed over while an open runs is opened once the window is idle again, not in the
// middle of the open.
void TestOpenFile::handOverWaitsWhileBusy()
{
    WindowFixture f;
    const QString first = f.Write_Sample(QStringLiteral("FIRST.BIN"), FileKind::ChannelData);
    const QString handed = f.Write_Sample(QStringLiteral("HANDED.BIN"), FileKind::Default);
    bool was_busy = false;
    QString file_during_open;
    QString wait_text;
    QTimer::singleShot(0, &f.window, [&] {
        was_busy = f.window.file_commands().busy();
        if (const auto *face = f.window.findChild<TFormFace *>())
            wait_text = face->Label1()->text();
        f.window.Instance_Message(handed);
        file_during_open = f.window.file_commands().current_file();
    });

    QVERIFY(f.Open(first, FileKind::ChannelData)); // the please-wait window runs the timer
    QVERIFY(was_busy);
    QCOMPARE(wait_text, "File is being opened now. Please wait......");
    QVERIFY(!f.window.findChild<TFormFace *>()); // closed and destroyed
    QCOMPARE(file_during_open, first);
    QCOMPARE(f.window.file_commands().current_file(), first);
    QTRY_COMPARE_WITH_TIMEOUT(f.window.file_commands().current_file(), handed, 3000);
    QCOMPARE(f.window.database().File_Kind, FileKind::Default);
    QCOMPARE(f.ui.shown().size(), 1); // the open dialog only
}

QTEST_MAIN(TestOpenFile)
#include "tst_open_file.moc"
