// Saving from the main window: Save, the two Save as... commands with the overwrite question
// and the reopen, failed saves, the File menu's items and enabling, the version field of a
// "Default" file, and the question when the window closes with unsaved changes.

#include "gui_fixtures.h"

#include "app/Face.h"
#include "app/app_messages.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

const QString kOverwriteQuestion = QString::fromUtf8(app_text::kOverwriteQuestion);
const QString kExitQuestion = QString::fromUtf8(app_text::kExitQuestion);
const QString kSaveFailedStart = QStringLiteral("Find an error, when saving this file,\r\r");

QByteArray Header_Version(const QByteArray &file)
{
    return file.mid(40, 8);
}

QByteArray Header_Version(const ChannelDatabase &db)
{
    return QByteArray(reinterpret_cast<const char *>(db.File_Header.data()) + 40, 8);
}

// A menu as text: one line per item, "-" for a separator, a submenu's items after " > ".
QStringList Menu_Dump(const QMenu *menu)
{
    QStringList lines;
    for (const QAction *action : menu->actions()) {
        QString line = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (const QMenu *sub = QMenu::menuInAction(action)) {
            QStringList items;
            for (const QAction *item : sub->actions())
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            line += " > " + items.join(", ");
        }
        lines << line;
    }
    return lines;
}

QAction *Menu_Item(const QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

enum class CloseRoute { Close, ExitItem, ExitButton };

} // namespace

Q_DECLARE_METATYPE(CloseRoute)

class TestSaveCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        Quiet_Platform_Warnings();
    }

    void saveRewritesCurrentFile_data();
    void saveRewritesCurrentFile();
    void saveAs_data();
    void saveAs();
    void failedSaveKeepsDatabase_data();
    void failedSaveKeepsDatabase();
    void saveCommandsNeedDatabase();
    void saveShortcutWithoutMenu_data();
    void saveShortcutWithoutMenu();
    void restoreBackupOpensIt();
    void fileMenuItems();
    void versionFieldGoesIntoHeader_data();
    void versionFieldGoesIntoHeader();
    void versionSetByCodeIsNoEdit();
    void versionRefusesTextOutsideLatin1();
    void closeQuestion_data();
    void closeQuestion();
    void closeIgnoredWhileBusy();
};

void TestSaveCommands::saveRewritesCurrentFile_data()
{
    QTest::addColumn<FileKind>("kind");
    QTest::newRow("channel data, mode 0") << FileKind::ChannelData;
    QTest::newRow("default, mode 2") << FileKind::Default;
}

// An unchanged database saved into its own file gives the file back byte for byte.
void TestSaveCommands::saveRewritesCurrentFile()
{
    QFETCH(FileKind, kind);
    WindowFixture f;
    const QString path = f.Write_Sample(QStringLiteral("SAVED.BIN"), kind);
    QVERIFY(f.Open(path, kind));
    QVERIFY(Write_File(path, QByteArray("overwritten by the save")));
    f.window.view_state().Data_Modified = true;

    f.window.PMSaveClick();
    QCOMPARE(f.ui.shown().size(), 1); // the open dialog only
    QVERIFY(Read_File(path) == Sample_Bytes(kind));
    QVERIFY(!f.window.Has_Unsaved_Changes());
    QCOMPARE(f.window.current_file(), path);
}

void TestSaveCommands::saveAs_data()
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

void TestSaveCommands::saveAs()
{
    QFETCH(FileKind, from);
    QFETCH(FileKind, to);
    QFETCH(bool, target_exists);
    QFETCH(bool, answer);
    QFETCH(QByteArray, expected);
    WindowFixture f;
    const QString source = f.Write_Sample(QStringLiteral("SOURCE.BIN"), from);
    const QString target = f.Path(QStringLiteral("TARGET.BIN"));
    QVERIFY(f.Open(source, from));
    if (target_exists)
        QVERIFY(Write_File(target, "old file"));
    f.ui.Push_Save_File(target);
    if (target_exists)
        f.ui.Push_Answer(answer);

    f.window.Save_DataClick(to);
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
    QCOMPARE(f.window.current_file(), shown);
    QCOMPARE(f.window.database().File_Kind, saved ? to : from);
    QCOMPARE(f.window.file_name_label()->text(),
             "Open The File Name:  " + QFileInfo(shown).fileName());
    QCOMPARE(f.Recent().first(), shown);
    QVERIFY(f.window.view_state().Data_Loaded);
    QCOMPARE(f.Child("Panel_Version")->isHidden(), (saved ? to : from) == FileKind::ChannelData);
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
}

void TestSaveCommands::failedSaveKeepsDatabase_data()
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
void TestSaveCommands::failedSaveKeepsDatabase()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    WindowFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("sub")));
    const QString source = f.Write_Sample(QStringLiteral("sub/SOURCE.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(source, FileKind::ChannelData));
    f.window.view_state().Data_Modified = true;
    const QString label = f.window.file_name_label()->text();
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
        f.window.Save_DataClick(FileKind::Default);
    } else {
        f.window.PMSaveClick();
    }
    QCOMPARE(f.ui.errors().size(), 1);
    QVERIFY2(f.ui.errors().first().startsWith(message), qPrintable(f.ui.errors().first()));
    QVERIFY(f.ui.errors().first().contains(fault == "no backups" ? f.Backups() : target));
    if (fault == "read-only")
        QVERIFY(f.ui.errors().first().endsWith(QStringLiteral("Permission denied")));
    QCOMPARE(Read_File(target), before);
    QVERIFY(f.window.view_state().Data_Loaded);
    QVERIFY(f.window.view_state().Data_Modified);
    QCOMPARE(f.window.database().File_Kind, FileKind::ChannelData);
    QCOMPARE(f.window.current_file(), source);
    QCOMPARE(f.window.file_name_label()->text(), label);
    QCOMPARE(f.Recent(), (QStringList{source, "", ""}));
}

void TestSaveCommands::saveCommandsNeedDatabase()
{
    WindowFixture f;
    f.window.Prepare_File_Menu();
    QVERIFY(!f.window.save_action()->isEnabled());
    QVERIFY(!f.window.save_as_action()->isEnabled());

    const QString path = f.Write_Sample(QStringLiteral("CD.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(path, FileKind::ChannelData));
    f.window.save_action()->setEnabled(false);
    emit f.window.file_menu()->aboutToShow(); // PM_FilePopup as the menu opens
    QVERIFY(f.window.save_action()->isEnabled());
    QVERIFY(f.window.save_as_action()->isEnabled());

    f.Open(f.Path(QStringLiteral("NONE.BIN")), FileKind::ChannelData);
    f.window.save_action()->setEnabled(true);
    f.window.save_as_action()->setEnabled(true);
    emit f.window.file_menu()->aboutToShow();
    QVERIFY(!f.window.save_action()->isEnabled());
    QVERIFY(!f.window.save_as_action()->isEnabled());
}

void TestSaveCommands::saveShortcutWithoutMenu_data()
{
    QTest::addColumn<bool>("save_as_first");
    QTest::newRow("after an open") << false;
    QTest::newRow("after a save-as reopen") << true;
}

// Ctrl+S saves as soon as a database is loaded, before the File menu was ever opened; the
// file it replaces goes into the backups folder.
void TestSaveCommands::saveShortcutWithoutMenu()
{
    QFETCH(bool, save_as_first);
    WindowFixture f;
    QString path = f.Write_Sample(QStringLiteral("CD.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(path, FileKind::ChannelData));
    if (save_as_first) {
        path = f.Path(QStringLiteral("AS.BIN"));
        f.ui.Push_Save_File(path);
        f.window.Save_DataClick(FileKind::ChannelData);
        QCOMPARE(f.window.current_file(), path);
    }
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.window.view_state().Data_Modified = true;
    QVERIFY(f.window.save_action()->isEnabled());
    QTest::keyClick(f.window.page_widgets(kSatellitesPage).sat, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!f.window.view_state().Data_Modified);
    const QStringList backups = QDir(f.Backups()).entryList(QDir::Files);
    QCOMPARE(backups.size(), 1);
    QVERIFY(backups.first().startsWith(QFileInfo(path).fileName() + '.'));
    QVERIFY(f.ui.failures().isEmpty());
}

// A backup chosen from the list opens as Open opens a file, asking first when there are
// unsaved changes.
void TestSaveCommands::restoreBackupOpensIt()
{
    WindowFixture f;
    const QString path = f.Write_Sample(QStringLiteral("CD.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(path, FileKind::ChannelData));
    f.window.PMSaveClick(); // the first backup: the sample as written
    const ProgramTally programs = Count_Programs(f.window.database());
    f.window.view_state().Data_Modified = true;

    f.ui.Push_Choice(0);
    f.ui.Push_Answer(false); // "Setting not saved, open another file anyway?"
    f.window.Restore_BackupClick();
    QCOMPARE(f.window.current_file(), path);
    QCOMPARE(f.ui.last_choice_rows().size(), 1);
    const QStringList row = f.ui.last_choice_rows().first();
    QCOMPARE(row.mid(1), (QStringList{"CD.BIN", "Channel Data", QString::number(programs.tv),
                                      QString::number(programs.radio)}));

    f.ui.Push_Choice(0);
    f.ui.Push_Answer(true);
    f.window.Restore_BackupClick();
    const QStringList backups = QDir(f.Backups()).entryList(QDir::Files);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(f.window.current_file(), QDir(f.Backups()).filePath(backups.first()));
    QVERIFY(f.window.view_state().Data_Loaded);
    QVERIFY(!f.window.view_state().Data_Modified);
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
}

void TestSaveCommands::fileMenuItems()
{
    WindowFixture f;
    f.Set_Recent({f.Path("A.BIN"), "", f.Path("C.BIN")});
    f.window.Prepare_File_Menu();
    const QStringList expected{
            "Open > Channel Data, Default",
            QStringLiteral("Last Files > %1, -, , %2").arg(f.Path("A.BIN"), f.Path("C.BIN")),
            "Read from receiver > Channel Data, Default",
            "-",
            "Save",
            "Save as... > Save To Channel Data, Save To Default",
            "Write into receiver",
            "-",
            "Exit",
            "-",
            "Restore a backup..."};
    QCOMPARE(Menu_Dump(f.window.file_menu()), expected);
    const auto *help = f.window.findChild<QMenu *>(QStringLiteral("PM_Help"));
    QVERIFY(help);
    QCOMPARE(Menu_Dump(help), (QStringList{"Help", "-", "About..."}));
    QVERIFY(!help->actions().at(0)->isEnabled());
    QVERIFY(help->actions().at(2)->isEnabled());

    // The menu items reach their commands.
    const QString path = f.Write_Sample(QStringLiteral("D.BIN"), FileKind::Default);
    f.ui.Push_Open_File(path);
    QMenu::menuInAction(f.window.file_menu()->actions().at(0))->actions().at(1)->trigger();
    QCOMPARE(f.window.current_file(), path);
    QCOMPARE(f.window.database().File_Kind, FileKind::Default);
}

void TestSaveCommands::versionFieldGoesIntoHeader_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("short text is padded") << "V2.0" << QByteArray("V2.0    ");
    QTest::newRow("eight characters at most") << "ABCDEFGHIJ" << QByteArray("ABCDEFGH");
    QTest::newRow("one character") << "9" << QByteArray("9       ");
}

void TestSaveCommands::versionFieldGoesIntoHeader()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    WindowFixture f;
    const QString path = f.Write_Sample(QStringLiteral("DEFAULT.BIN"), FileKind::Default);
    QVERIFY(f.Open(path, FileKind::Default));
    QCOMPARE(f.window.version_edit()->text(), "V1.0.7");

    f.window.version_edit()->selectAll();
    QTest::keyClicks(f.window.version_edit(), typed);
    QVERIFY(f.window.version_edited());
    QVERIFY(f.window.Has_Unsaved_Changes()); // before the File menu was opened
    QVERIFY(!f.window.view_state().Data_Modified);

    // The "File" tool button stores the text before its menu opens.
    f.window.show();
    f.window.findChild<QToolButton *>(QStringLiteral("TB_File"))->click();
    QTRY_VERIFY(f.window.file_menu()->isVisible());
    f.window.file_menu()->close();
    QVERIFY(f.window.view_state().Data_Modified);
    QCOMPARE(Header_Version(f.window.database()), stored);

    f.window.PMSaveClick();
    QCOMPARE(Header_Version(Read_File(path)), stored);
    QVERIFY(!f.window.Has_Unsaved_Changes());
    QVERIFY(!f.window.version_edited());

    QVERIFY(f.Open(path, FileKind::Default));
    QCOMPARE(f.window.version_edit()->text(), QString::fromLatin1(stored).trimmed());
    QCOMPARE(f.ui.questions(), QStringList());
}

void TestSaveCommands::versionSetByCodeIsNoEdit()
{
    WindowFixture f;
    QVERIFY(f.Open(f.Write_Sample(QStringLiteral("DEFAULT.BIN"), FileKind::Default),
                   FileKind::Default));
    f.window.version_edit()->setText(QStringLiteral("CODE"));
    QVERIFY(!f.window.version_edited());
    QVERIFY(!f.window.Has_Unsaved_Changes());
    f.window.Prepare_File_Menu();
    QVERIFY(!f.window.view_state().Data_Modified);
    QCOMPARE(Header_Version(f.window.database()), QByteArray("V1.0.7  "));
}

// Header texts are 8-bit bytes stored exactly as typed; a character that Latin-1 cannot hold
// must be refused, not turned into "?".
void TestSaveCommands::versionRefusesTextOutsideLatin1()
{
    WindowFixture f;
    QVERIFY(f.Open(f.Write_Sample(QStringLiteral("DEFAULT.BIN"), FileKind::Default),
                   FileKind::Default));
    QLineEdit *edit = f.window.version_edit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("V"));
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("\u20ac"),
                        Qt::NoModifier); // the euro sign: no key of its own in QTest
    QTest::keyClicks(edit, QStringLiteral("1"));
    QVERIFY(f.window.version_edited());
    f.window.Prepare_File_Menu();

    // The euro sign has no Latin-1 byte: the field refuses it instead of storing "?".
    QCOMPARE(edit->text(), QStringLiteral("V1"));
    const QByteArray stored = Header_Version(f.window.database());
    QCOMPARE(stored, QByteArray("V1      "));
}

void TestSaveCommands::closeQuestion_data()
{
    QTest::addColumn<QString>("change"); // "", "modified" or "typed version"
    QTest::addColumn<CloseRoute>("route");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no changes") << "" << CloseRoute::Close << false << true;
    QTest::newRow("modified, cancel") << "modified" << CloseRoute::Close << false << false;
    QTest::newRow("modified, yes") << "modified" << CloseRoute::Close << true << true;
    QTest::newRow("typed version, cancel")
            << "typed version" << CloseRoute::Close << false << false;
    QTest::newRow("exit item, cancel") << "modified" << CloseRoute::ExitItem << false << false;
    QTest::newRow("exit button, cancel") << "modified" << CloseRoute::ExitButton << false << false;
    QTest::newRow("exit button, yes") << "modified" << CloseRoute::ExitButton << true << true;
}

void TestSaveCommands::closeQuestion()
{
    QFETCH(QString, change);
    QFETCH(CloseRoute, route);
    QFETCH(bool, answer);
    QFETCH(bool, closes);
    WindowFixture f;
    QVERIFY(f.Open(f.Write_Sample(QStringLiteral("DEFAULT.BIN"), FileKind::Default),
                   FileKind::Default));
    f.window.show();
    QVERIFY(QFile::exists(f.Working_Copy()));
    if (change == QLatin1String("modified"))
        f.window.view_state().Data_Modified = true;
    if (change == QLatin1String("typed version"))
        QTest::keyClicks(f.window.version_edit(), QStringLiteral("1"));
    if (!change.isEmpty())
        f.ui.Push_Answer(answer);

    if (route == CloseRoute::Close)
        QCOMPARE(f.window.close(), closes);
    else if (route == CloseRoute::ExitItem)
        Menu_Item(f.window.file_menu(), QStringLiteral("Exit"))->trigger();
    else
        f.window.findChild<QToolButton *>(QStringLiteral("TB_Exit"))->click();
    QCOMPARE(f.ui.questions(), change.isEmpty() ? QStringList() : QStringList{kExitQuestion});
    QCOMPARE(f.window.isVisible(), !closes);
    QCOMPARE(QFile::exists(f.Working_Copy()), !closes);
    QVERIFY(f.window.view_state().Data_Loaded);
    QCOMPARE(f.window.Has_Unsaved_Changes(), !change.isEmpty());
    QVERIFY2(f.ui.failures().isEmpty(), qPrintable(f.ui.failures().join('\n')));
}

// While a save runs (and lets window messages through for the please-wait window), a close
// request is ignored without a question.
void TestSaveCommands::closeIgnoredWhileBusy()
{
    WindowFixture f;
    const QString path = f.Write_Sample(QStringLiteral("CD.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(path, FileKind::ChannelData));
    f.window.show();
    f.window.view_state().Data_Modified = true;
    bool was_busy = false;
    bool closed = true;
    QString wait_text;
    QTimer::singleShot(0, &f.window, [&] {
        was_busy = f.window.busy();
        if (const auto *face = f.window.findChild<TFormFace *>())
            wait_text = face->Label1()->text();
        closed = f.window.close();
    });

    f.window.PMSaveClick();
    QVERIFY(was_busy);
    QCOMPARE(wait_text, "File is being save now. Please wait......");
    QVERIFY(!closed);
    QVERIFY(f.window.isVisible());
    QCOMPARE(f.ui.questions(), QStringList());
    QVERIFY(QFile::exists(f.Working_Copy()));
    QVERIFY(!f.window.busy());
    QVERIFY(f.window.close()); // saved: nothing to ask
}

QTEST_MAIN(TestSaveCommands)
#include "tst_save_commands.moc"
