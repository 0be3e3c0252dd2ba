// Saving from the main window: Save, the two Save as... commands with the overwrite question
// and the reopen, failed saves, the File menu's items and enabling, the version field of a
// "Default" file, and the question when the window closes with unsaved changes.

#include "app/controllers/program_list_commands.h"
#include "gui_fixtures.h"

#include "app/Face.h"
#include "app/app_messages.h"
#include "dbase/backups.h"

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

const QString kExitQuestion = QString::fromUtf8(app_text::kExitQuestion);

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

    void saveCommandsNeedDatabase();
    void saveShortcutWithoutMenu_data();
    void saveShortcutWithoutMenu();
    void fileMenuItems();
    void versionFieldGoesIntoHeader_data();
    void versionFieldGoesIntoHeader();
    void versionSetByCodeIsNoEdit();
    void versionRefusesTextOutsideLatin1();
    void closeQuestion_data();
    void closeQuestion();
    void closeIgnoredWhileBusy();
};

void TestSaveCommands::saveCommandsNeedDatabase()
{
    WindowFixture f;
    f.window.Prepare_File_Menu();
    const auto enabled = [&f] {
        QList<bool> states;
        for (const QAction *action : {Save_Action(f.window), Save_As_Action(f.window),
                                      Controller_Of<ProgramListCommands>(f.window).export_action(),
                                      Controller_Of<ProgramListCommands>(f.window).import_action()})
            states << action->isEnabled();
        return states;
    };
    QCOMPARE(enabled(), QList<bool>(4, false));

    const QString path = f.Write_Sample(QStringLiteral("CD.BIN"), FileKind::ChannelData);
    QVERIFY(f.Open(path, FileKind::ChannelData));
    Save_Action(f.window)->setEnabled(false);
    emit f.window.file_menu()->aboutToShow(); // PM_FilePopup as the menu opens
    QCOMPARE(enabled(), QList<bool>(4, true));

    f.Open(f.Path(QStringLiteral("NONE.BIN")), FileKind::ChannelData);
    Save_Action(f.window)->setEnabled(true);
    Save_As_Action(f.window)->setEnabled(true);
    emit f.window.file_menu()->aboutToShow();
    QCOMPARE(enabled(), QList<bool>(4, false));
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
        QCOMPARE(f.window.file_commands().current_file(), path);
    }
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.window.view_state().Data_Modified = true;
    QVERIFY(Save_Action(f.window)->isEnabled());
    QTest::keyClick(f.window.page_widgets(kSatellitesPage).sat, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!f.window.view_state().Data_Modified);
    const std::vector<BackupFile> backups = List_Backups(f.Backups().toStdString());
    QCOMPARE(backups.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(backups.front().origin), QFileInfo(path).canonicalFilePath());
    QVERIFY(f.ui.failures().isEmpty());
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
            "Restore a backup...",
            "-",
            "Export program list...",
            "Import program list...",
            "-",
            "Compare with another file..."};
    QCOMPARE(Menu_Dump(f.window.file_menu()), expected);
    const auto *help = f.window.findChild<QMenu *>(QStringLiteral("PM_Help"));
    QVERIFY(help);
    QCOMPARE(Menu_Dump(help), (QStringList{"Help", "-", "About...", "-", "Manual"}));
    QVERIFY(!help->actions().at(0)->isEnabled());
    QVERIFY(help->actions().at(2)->isEnabled());

    // The menu items reach their commands.
    const QString path = f.Write_Sample(QStringLiteral("D.BIN"), FileKind::Default);
    f.ui.Push_Open_File(path);
    QMenu::menuInAction(f.window.file_menu()->actions().at(0))->actions().at(1)->trigger();
    QCOMPARE(f.window.file_commands().current_file(), path);
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
    QCOMPARE(Version_Edit(f.window)->text(), "V1.0.7");

    Version_Edit(f.window)->selectAll();
    QTest::keyClicks(Version_Edit(f.window), typed);
    QVERIFY(f.window.file_commands().version_edited());
    QVERIFY(f.window.file_commands().Has_Unsaved_Changes()); // before the File menu was opened
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
    QVERIFY(!f.window.file_commands().Has_Unsaved_Changes());
    QVERIFY(!f.window.file_commands().version_edited());

    QVERIFY(f.Open(path, FileKind::Default));
    QCOMPARE(Version_Edit(f.window)->text(), QString::fromLatin1(stored).trimmed());
    QCOMPARE(f.ui.questions(), QStringList());
}

void TestSaveCommands::versionSetByCodeIsNoEdit()
{
    WindowFixture f;
    QVERIFY(f.Open(f.Write_Sample(QStringLiteral("DEFAULT.BIN"), FileKind::Default),
                   FileKind::Default));
    Version_Edit(f.window)->setText(QStringLiteral("CODE"));
    QVERIFY(!f.window.file_commands().version_edited());
    QVERIFY(!f.window.file_commands().Has_Unsaved_Changes());
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
    QLineEdit *edit = Version_Edit(f.window);
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("V"));
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("\u20ac"),
                        Qt::NoModifier); // the euro sign: no key of its own in QTest
    QTest::keyClicks(edit, QStringLiteral("1"));
    QVERIFY(f.window.file_commands().version_edited());
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
        QTest::keyClicks(Version_Edit(f.window), QStringLiteral("1"));
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
    QCOMPARE(f.window.file_commands().Has_Unsaved_Changes(), !change.isEmpty());
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
        was_busy = f.window.file_commands().busy();
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
    QVERIFY(!f.window.file_commands().busy());
    QVERIFY(f.window.close()); // saved: nothing to ask
}

QTEST_MAIN(TestSaveCommands)
#include "tst_save_commands.moc"
