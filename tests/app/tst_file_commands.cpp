// The file commands without a window: opening from the menu, the recent files and a second
// start, the question and checks before unsaved changes are dropped, Save, Save as with its
// reopen, failed saves and restoring a backup into its file. A recording host stands for the
// window.

#include "gui_fixtures.h"

#include "app/app_messages.h"
#include "app/file_commands.h"
#include "dbase/backups.h"
#include "dbase/database_check.h"
#include "dbase/messages.h"
#include "views/main_views.h"

#include <QDir>
#include <QtTest>

#include <cstring>

using namespace orvane;
using namespace orvane::test;

namespace {

const QString kInexistent = QString::fromUtf8(msg::kFileInexistent);
const QString kOverwriteQuestion = QString::fromUtf8(app_text::kOverwriteQuestion);
const QString kSaveFailedStart = QStringLiteral("Find an error, when saving this file,\r\r");

// What the window would show, recorded.
class RecordingHost final : public FileCommandHost
{
public:
    QWidget *Dialog_Parent() override { return nullptr; }
    std::shared_ptr<void> Please_Wait(const char * /*text*/) override { return nullptr; }
    void Show_No_File() override {}
    void Show_Version(bool shown, const QString &text) override
    {
        version_shown = shown;
        version = text;
    }
    QString Version_Text() const override { return version; }
    void Show_File_Label(const QString &text) override { label = text; }
    void Show_Lists() override {}
    void Show_Loaded_State() override {}
    bool Receive_File(const QString & /*target*/, FileKind /*kind*/,
                      const QString & /*backups_folder*/) override
    {
        return false;
    }
    bool Send_File(const QString & /*file*/, FileKind /*kind*/) override
    {
        ++sent;
        return false;
    }
    void Show_Write_Faults() override { ++check_windows; }
    void Record_Step(const QString &caption, const std::function<void()> &command) override
    {
        steps << caption;
        command();
    }

    QStringList steps;
    int sent = 0;
    int check_windows = 0;
    QString label;
    QString version;
    bool version_shown = false;
};

// The commands over a database of their own, answered by the scripted boxes and dialogs.
class CommandsFixture : public TestFolder
{
public:
    CommandsFixture() { files.Reset_Views(); }

    // File > Open > kind, choosing path in the dialog.
    bool Open(const QString &path, FileKind kind)
    {
        ui.Push_Open_File(path);
        files.OpenDataClick(kind);
        return view.Data_Loaded;
    }

    ScriptedUiServices ui;
    RecordingHost host;
    std::unique_ptr<ChannelDatabase> owned_db = Make_Channel_Database();
    ChannelDatabase &db = *owned_db;
    ViewState view;
    MainViews views{db, view};
    FileCommands files{ui, host, views, Paths()};
};

enum class Route { OpenMenu, HandOver };

} // namespace

Q_DECLARE_METATYPE(Route)

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void recentListOnOpen_data();
    void recentListOnOpen();
    void unopenableFileKeepsChanges_data();
    void unopenableFileKeepsChanges();
    void lastFilesMissingEntry();
    void lastFilesKindFromSize_data();
    void lastFilesKindFromSize();
    void saveRewritesCurrentFile_data();
    void saveRewritesCurrentFile();
    void saveAs_data();
    void saveAs();
    void failedSaveKeepsDatabase_data();
    void failedSaveKeepsDatabase();
    void restoreBackup_data();
    void restoreBackup();
    void writeAsksAboutErrors_data();
    void writeAsksAboutErrors();
};

void TestFileCommands::recentListOnOpen_data()
{
    QTest::addColumn<QStringList>("before"); // "D" stands for the opened file
    QTest::addColumn<QStringList>("after");
    QTest::newRow("new file goes first")
            << QStringList{"A", "B", "C"} << QStringList{"D", "A", "B"};
    QTest::newRow("first entry stays") << QStringList{"D", "B", "C"} << QStringList{"D", "B", "C"};
    QTest::newRow("second entry stays") << QStringList{"A", "D", "C"} << QStringList{"A", "D", "C"};
    QTest::newRow("third entry stays") << QStringList{"A", "B", "D"} << QStringList{"A", "B", "D"};
    QTest::newRow("other case is another file")
            << QStringList{"A", "d", "C"} << QStringList{"D", "A", "d"};
}

void TestFileCommands::recentListOnOpen()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    CommandsFixture f;
    const QString path = f.Write_Sample(QStringLiteral("D.BIN"), FileKind::ChannelData);
    auto paths = [&](QStringList names) {
        for (QString &name : names)
            if (!name.isEmpty())
                name = name == QLatin1String("D") ? path : f.Path(name + ".BIN");
        return names;
    };
    f.Set_Recent(paths(before));

    QVERIFY(f.Open(path, FileKind::ChannelData));
    QCOMPARE(f.Recent(), paths(after));
}

void TestFileCommands::unopenableFileKeepsChanges_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("file"); // "" missing, "/" a folder, else its bytes
    QTest::addColumn<QString>("message");
    const QString wrong = QString::fromUtf8(msg::kFileWrong);
    QTest::newRow("hand-over, missing") << Route::HandOver << "" << kInexistent;
    QTest::newRow("hand-over, folder") << Route::HandOver << "/" << kInexistent;
    QTest::newRow("hand-over, wrong size") << Route::HandOver << "short" << wrong;
    QTest::newRow("open menu, wrong size") << Route::OpenMenu << "short" << wrong;
}

// With unsaved changes, a file that cannot open is refused before the question: the edits
// and the loaded database stay.
void TestFileCommands::unopenableFileKeepsChanges()
{
    QFETCH(Route, route);
    QFETCH(QString, file);
    QFETCH(QString, message);
    CommandsFixture f;
    const QString first = f.Write_Sample(QStringLiteral("FIRST.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(first, FileKind::ChannelData));
    f.view.Data_Modified = true;
    const QString other = f.Path(QStringLiteral("OTHER.BIN"));
    if (file == "/")
        QVERIFY(QDir().mkdir(other));
    else if (!file.isEmpty())
        QVERIFY(Write_File(other, file.toLatin1()));

    if (route == Route::OpenMenu)
        f.Open(other, FileKind::ChannelData);
    else
        f.files.Open_File_Of_Its_Kind(other);
    QTRY_COMPARE(f.ui.errors(), QStringList{message});
    QCOMPARE(f.ui.questions(), QStringList());
    QVERIFY(f.view.Data_Loaded);
    QVERIFY(f.view.Data_Modified);
    QCOMPARE(f.files.current_file(), first);
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
}

// A recent file that has gone is reported and dropped, before any question, and the loaded
// database keeps its file: a Save afterwards writes there, not under the missing name.
void TestFileCommands::lastFilesMissingEntry()
{
    CommandsFixture f;
    const QString a = f.Write_Sample(QStringLiteral("A.BIN"), FileKind::ChannelData);
    const QString b = f.Path(QStringLiteral("B.BIN"));
    const QString c = f.Write_Sample(QStringLiteral("C.BIN"), FileKind::Default);
    QVERIFY(f.Open(a, FileKind::ChannelData));
    f.view.Data_Modified = true;
    f.Set_Recent({a, b, c});
    const RecentFiles menu = f.files.Prepare_File_Menu();
    QCOMPARE(menu.names[0], a);
    QCOMPARE(menu.names[1], b);
    QCOMPARE(menu.names[2], c);

    f.files.Open_Recent_File(menu.names[1]);
    QCOMPARE(f.ui.errors(), QStringList{kInexistent});
    QCOMPARE(f.ui.questions(), QStringList());
    QCOMPARE(f.Recent(), (QStringList{a, c, ""}));
    QVERIFY(f.view.Data_Loaded);
    QCOMPARE(f.files.current_file(), a);

    QVERIFY(QFile::remove(a));
    f.files.PMSaveClick();
    QCOMPARE(Read_File(a).size(), 262144);
    QVERIFY(!QFile::exists(b));
    QVERIFY(!f.view.Data_Modified);
    QCOMPARE(f.ui.errors().size(), 1);
}

void TestFileCommands::lastFilesKindFromSize_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<QStringList>("errors");
    QTest::newRow("262144 bytes") << Sample_Bytes(FileKind::ChannelData) << FileKind::ChannelData
                                  << QStringList();
    QTest::newRow("131072 bytes") << Sample_Bytes(FileKind::Default) << FileKind::Default
                                  << QStringList();
    QTest::newRow("262143 bytes") << Sample_Bytes(FileKind::ChannelData).left(262143)
                                  << FileKind::Default << QStringList{"File wrong!"};
}

void TestFileCommands::lastFilesKindFromSize()
{
    QFETCH(QByteArray, bytes);
    QFETCH(FileKind, kind);
    QFETCH(QStringList, errors);
    CommandsFixture f;
    const QString path = f.Path(QStringLiteral("RECENT.BIN"));
    QVERIFY(Write_File(path, bytes));
    f.Set_Recent({path});
    f.files.Open_Recent_File(f.files.Prepare_File_Menu().names[0]);
    QCOMPARE(f.ui.errors(), errors);
    QCOMPARE(f.view.Data_Loaded, errors.isEmpty());
    QCOMPARE(f.db.File_Kind, kind);
    QCOMPARE(f.Recent(), (QStringList{path, "", ""}));
}

void TestFileCommands::saveRewritesCurrentFile_data()
{
    QTest::addColumn<FileKind>("kind");
    QTest::newRow("channel data, mode 0") << FileKind::ChannelData;
    QTest::newRow("default, mode 2") << FileKind::Default;
}

// An unchanged database saved into its own file gives the file back byte for byte.
void TestFileCommands::saveRewritesCurrentFile()
{
    QFETCH(FileKind, kind);
    CommandsFixture f;
    const QString path = f.Write_Sample(QStringLiteral("SAVED.BIN"), kind);
    QVERIFY(f.Open(path, kind));
    QVERIFY(Write_File(path, QByteArray("overwritten by the save")));
    f.view.Data_Modified = true;

    f.files.PMSaveClick();
    QCOMPARE(f.ui.shown().size(), 1); // the open dialog only
    QVERIFY(Read_File(path) == Sample_Bytes(kind));
    QVERIFY(!f.files.Has_Unsaved_Changes());
    QCOMPARE(f.files.current_file(), path);
}

void TestFileCommands::saveAs_data()
{
    QTest::addColumn<FileKind>("from");
    QTest::addColumn<FileKind>("to");
    QTest::addColumn<bool>("target_exists");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QByteArray>("expected"); // the target's bytes; empty: 262144 bytes
    constexpr FileKind kData = FileKind::ChannelData;
    constexpr FileKind kDefault = FileKind::Default;
    const QByteArray data = Sample_Bytes(kData);
    const QByteArray def = Sample_Bytes(kDefault);
    QTest::newRow("channel data to default") << kData << kDefault << false << false << def;
    QTest::newRow("channel data to channel data") << kData << kData << false << false << data;
    QTest::newRow("default to channel data") << kDefault << kData << false << false << QByteArray();
    QTest::newRow("default to default") << kDefault << kDefault << false << false << def;
    QTest::newRow("existing file, cancel")
            << kData << kDefault << true << false << QByteArray("old file");
    QTest::newRow("existing file, yes") << kData << kDefault << true << true << def;
}

void TestFileCommands::saveAs()
{
    QFETCH(FileKind, from);
    QFETCH(FileKind, to);
    QFETCH(bool, target_exists);
    QFETCH(bool, answer);
    QFETCH(QByteArray, expected);
    CommandsFixture f;
    const QString source = f.Write_Sample(QStringLiteral("SOURCE.BIN"), from);
    const QString target = f.Path(QStringLiteral("TARGET.BIN"));
    QVERIFY(f.Open(source, from));
    if (target_exists)
        QVERIFY(Write_File(target, "old file"));
    f.ui.Push_Save_File(target);
    if (target_exists)
        f.ui.Push_Answer(answer);

    f.files.Save_DataClick(to);
    QCOMPARE(f.ui.dialogs(), (QStringList{"Open File", "Save As..."}));
    QCOMPARE(f.ui.questions(), target_exists ? QStringList{kOverwriteQuestion} : QStringList());
    QCOMPARE(f.ui.errors(), QStringList());
    const QByteArray written = Read_File(target);
    if (expected.isEmpty())
        QCOMPARE(written.size(), 262144);
    else
        QVERIFY(written == expected);

    const bool saved = !target_exists || answer;
    const QString shown = saved ? target : source;
    QCOMPARE(f.files.current_file(), shown);
    QCOMPARE(f.db.File_Kind, saved ? to : from);
    QCOMPARE(f.host.label, "Open The File Name:  " + QFileInfo(shown).fileName());
    QCOMPARE(f.Recent().first(), shown);
    QVERIFY(f.view.Data_Loaded);
    QCOMPARE(!f.host.version_shown, (saved ? to : from) == FileKind::ChannelData);
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
}

void TestFileCommands::failedSaveKeepsDatabase_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    const QString save_failed = kSaveFailedStart;
    QTest::newRow("save as into a missing folder") << "missing folder" << save_failed;
    QTest::newRow("save into a removed folder") << "removed folder" << save_failed;
    QTest::newRow("save over a read-only file") << "read-only" << save_failed;
    QTest::newRow("save as over a folder") << "folder" << save_failed;
    QTest::newRow("backup folder cannot be made")
            << "no backups"
            << "Find an error, when backing up the old file into this folder,";
}

// A save that cannot be written says so and changes nothing: the database stays loaded with
// its kind, its file and its unsaved changes, and the file it would replace keeps its bytes.
void TestFileCommands::failedSaveKeepsDatabase()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    CommandsFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("sub")));
    const QString source = f.Write_Sample(QStringLiteral("sub/SOURCE.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(source, FileKind::ChannelData));
    f.view.Data_Modified = true;
    const QString label = f.host.label;
    const bool save_as = fault == "missing folder" || fault == "folder";
    const QString target
            = save_as ? f.Path(fault == "folder" ? "sub" : "missing/TARGET.BIN") : source;
    if (fault == "removed folder")
        QVERIFY(QDir(f.Path(QStringLiteral("sub"))).removeRecursively());
    if (fault == "read-only")
        QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::ReadGroup));
    if (fault == "no backups")
        QVERIFY(Write_File(f.Backups(), "a file where the backups folder belongs"));
    const QByteArray before = Read_File(target);

    if (save_as) {
        f.ui.Push_Save_File(target);
        if (fault == "folder")
            f.ui.Push_Answer(true); // "The file has existed, are you sure to cover it?"
        f.files.Save_DataClick(FileKind::Default);
    } else {
        f.files.PMSaveClick();
    }
    QCOMPARE(f.ui.errors().size(), 1);
    QVERIFY2(f.ui.errors().first().startsWith(message), qPrintable(f.ui.errors().first()));
    QVERIFY(f.ui.errors().first().contains(fault == "no backups" ? f.Backups() : target));
    if (fault == "read-only")
        QVERIFY(f.ui.errors().first().endsWith(QStringLiteral("Permission denied")));
    QCOMPARE(Read_File(target), before);
    QVERIFY(f.view.Data_Loaded);
    QVERIFY(f.view.Data_Modified);
    QCOMPARE(f.db.File_Kind, FileKind::ChannelData);
    QCOMPARE(f.files.current_file(), source);
    QCOMPARE(f.host.label, label);
    QCOMPARE(f.Recent(), (QStringList{source, "", ""}));
}

void TestFileCommands::restoreBackup_data()
{
    QTest::addColumn<QString>("origin"); // what has become of the file the backup was taken from
    QTest::addColumn<int>("answer");     // to "open another file anyway?": -1 none, 0 Cancel, 1 Yes
    QTest::addColumn<QStringList>("errors");
    const QStringList none;
    const QStringList wrong{QString::fromUtf8(msg::kFileWrong)};
    QTest::newRow("file opens") << "recorded" << -1 << none;
    QTest::newRow("unsaved changes dropped") << "recorded" << 1 << none;
    QTest::newRow("unsaved changes kept") << "recorded" << 0 << none;
    QTest::newRow("old backup, file named in the save dialog") << "unknown" << -1 << none;
    QTest::newRow("file saved as the other kind since") << "other kind" << -1 << none;
    QTest::newRow("file gone") << "gone" << -1 << none;
    QTest::newRow("file no longer opens") << "broken" << -1 << wrong;
    QTest::newRow("backup does not open, changes kept") << "backup broken" << -1 << wrong;
}

// A backup goes back into its file as a change to save: the file opens as Open opens it (or,
// when it does not, the window holds the backup under its path without a history), and the
// next Save writes the backup's bytes there. A backup that does not open changes nothing.
void TestFileCommands::restoreBackup()
{
    QFETCH(QString, origin);
    QFETCH(int, answer);
    QFETCH(QStringList, errors);
    CommandsFixture f;
    const QString path = f.Write_Sample(QStringLiteral("CD.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(path, FileKind::ChannelData));
    f.files.PMSaveClick();
    f.db.raw.favourite_names[0][0] ^= 1; // the file then differs from its newest backup
    if (origin == "other kind") {
        f.ui.Push_Save_File(path);
        f.ui.Push_Answer(true); // "The file has existed, are you sure to cover it?"
        f.files.Save_DataClick(FileKind::Default);
    } else {
        f.files.PMSaveClick();
    }
    BackupFile backup = List_Backups(QFile::encodeName(f.Backups()).toStdString()).front();
    const QByteArray backup_bytes = Read_File(QString::fromStdString(backup.path));
    QCOMPARE(backup_bytes.size(), 262144);
    backup.origin = origin == "unknown" ? std::string() : QFile::encodeName(path).toStdString();
    if (origin == "unknown") {
        f.ui.Push_Save_File(path);
        f.ui.Push_Answer(true); // the file exists
    }
    if (origin == "gone")
        QVERIFY(QFile::remove(path));
    if (origin == "broken")
        QVERIFY(Write_File(path, "short"));
    if (origin == "backup broken")
        QVERIFY(Write_File(QString::fromStdString(backup.path), "short"));
    f.view.Data_Modified = answer >= 0 || origin == "backup broken";
    if (answer >= 0)
        f.ui.Push_Answer(answer == 1);
    const RawArrays before = f.db.raw;
    f.ui.Clear_Record();

    const bool restored = f.files.Restore_Backup(backup);
    QCOMPARE(f.ui.errors(), errors);
    QCOMPARE(restored, answer != 0 && origin != "backup broken");
    QCOMPARE(f.files.current_file(), path);
    QVERIFY(f.view.Data_Loaded);
    QVERIFY(f.view.Data_Modified);
    const bool opened = origin != "gone" && origin != "broken";
    QCOMPARE(f.host.steps, restored && opened ? QStringList{"Restore a backup"} : QStringList());
    QCOMPARE(std::memcmp(&before, &f.db.raw, sizeof before) == 0, !restored);
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
    if (!restored)
        return;
    QCOMPARE(f.db.File_Kind, FileKind::ChannelData);
    QCOMPARE(f.host.label, QStringLiteral("Open The File Name:  CD.BIN"));
    QCOMPARE(QFile::exists(path), origin != "gone");

    f.files.PMSaveClick();
    QVERIFY(Read_File(path) == backup_bytes);
    QVERIFY(!f.view.Data_Modified);
    QCOMPARE(f.Recent(), (QStringList{path, "", ""}));
    QCOMPARE(f.ui.errors(), errors);
}

// Errors found by the check are named before a write saves or sends anything; Cancel stops it
// and opens the check window, Yes goes on, and a database without errors is never asked about.
void TestFileCommands::writeAsksAboutErrors_data()
{
    QTest::addColumn<int>("wrong_count"); // added to the satellite transponders' total
    QTest::addColumn<int>("answer");      // -1 no question, 0 Cancel, 1 Yes
    QTest::addColumn<QString>("question");
    const QString one = QStringLiteral("The database has 1 error. Write into the receiver anyway?");
    QTest::newRow("error, cancelled") << 1 << 0 << one;
    QTest::newRow("error, written anyway") << 1 << 1 << one;
    QTest::newRow("no error") << 0 << -1 << QString();
}

void TestFileCommands::writeAsksAboutErrors()
{
    QFETCH(int, wrong_count);
    QFETCH(int, answer);
    QFETCH(QString, question);
    CommandsFixture f;
    const QString path = f.Write_Sample(QStringLiteral("W.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(path, FileKind::ChannelData));
    const std::uint32_t total = Read_Field(f.db.raw.sat_tp_counts, sat_counts::Total_Count);
    Write_Field(f.db.raw.sat_tp_counts, sat_counts::Total_Count, total + wrong_count);
    f.view.Data_Modified = true; // a write saves first
    if (answer >= 0)
        f.ui.Push_Answer(answer == 1);
    f.ui.Clear_Record();

    f.files.PMWriteClick();
    QCOMPARE(f.ui.questions(), answer < 0 ? QStringList{} : QStringList{question});
    if (answer >= 0)
        QCOMPARE(f.ui.shown().first().buttons, Ui_Services::Buttons::YesCancel);
    QCOMPARE(f.host.sent, answer == 0 ? 0 : 1);
    QCOMPARE(f.host.check_windows, answer == 0 ? 1 : 0);
    QCOMPARE(f.view.Data_Modified, answer == 0); // saved only on the way to a write
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
}

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_file_commands.moc"
