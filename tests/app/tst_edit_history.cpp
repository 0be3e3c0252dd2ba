// The edit history in the window: hundreds of random commands undone back to the opened file
// byte for byte and redone to the last state; a restored backup as one step; the modified flag
// following the last open or save; the steps named after their commands.

#include "app/controllers/about_box.h"
#include "app/controllers/backup_restore_command.h"
#include "app/controllers/check_commands.h"
#include "app/controllers/edit_menu.h"
#include "app/controllers/history_commands.h"
#include "app/controllers/order_commands.h"
#include "window_test_case.h"

#include "dbase/backups.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>

#include <random>

using namespace orvane;
using namespace orvane::test;

namespace {

QByteArray Image(const RawArrays &raw)
{
    Bytes image(kImageSize);
    Image_From_Raw(raw, image);
    return QByteArray(reinterpret_cast<const char *>(image.data()),
                      static_cast<qsizetype>(image.size()));
}

} // namespace

class TestEditHistory : public WindowTestCase
{
    Q_OBJECT

public:
    TestEditHistory()
        : WindowTestCase({.shown = true})
    {}

private slots:
    void undo_all_then_redo_all();
    void restore_is_one_step_data();
    void restore_is_one_step();
    void restore_without_its_file_stays_unsaved();
    void modified_follows_the_clean_state_data();
    void modified_follows_the_clean_state();
    void edit_menu_names_the_steps();

private:
    void Random_Command(std::mt19937 &random);
    QTableView *Program_Grid(GridId grid) const
    {
        return m_f->window.page_widgets(View().View_Mode)
               .*(grid == GridId::Tv ? &PageWidgets::tv : &PageWidgets::radio);
    }
};

// A command a user could give with the keyboard and the menus: a click on a list, a move or a
// sort of the selected programs, or a deletion that is confirmed.
void TestEditHistory::Random_Command(std::mt19937 &random)
{
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, std::max(count - 1, 0))(random);
    };
    const GridId grid = pick(2) == 0 ? GridId::Tv : GridId::Radio;
    QTableView *programs = Program_Grid(grid);
    switch (pick(9)) {
    case 0:
        Page_Control(m_f->window)->setCurrentIndex(pick(2));
        break;
    case 1:
        if (QTableView *sat = m_f->window.page_widgets(View().View_Mode).sat)
            Set_Current_Row(sat, pick(sat->model()->rowCount()));
        break;
    case 2: {
        QTableView *tp = m_f->window.page_widgets(View().View_Mode).tp;
        Set_Current_Row(tp, pick(tp->model()->rowCount()));
        break;
    }
    case 3:
    case 4: {
        const int rows = programs->model()->rowCount();
        const int first = pick(rows);
        Set_Current_Row(programs, first);
        programs->selectionModel()->select(
                QItemSelection(programs->model()->index(first, 0),
                               programs->model()->index(std::min(first + pick(4), rows - 1), 0)),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        Controller_Of<OrderCommands>(m_f->window)
                .Move_ProgramsClick(grid, static_cast<MoveKind>(pick(4)));
        break;
    }
    case 5:
        Controller_Of<OrderCommands>(m_f->window)
                .Sort_ProgramsClick(grid, pick(2) == 0 ? ProgramSortKey::Name
                                                       : ProgramSortKey::Service_Id);
        break;
    case 6:
        Set_Current_Row(programs, pick(programs->model()->rowCount()));
        if (m_f->window.views().Row_Slot(grid, m_f->window.views().cursor(grid).current_row) < 0)
            break;
        m_f->ui.Push_Answer(true);
        if (grid == GridId::Tv)
            m_f->window.Delete_TvClick();
        else
            m_f->window.Delete_RadioClick();
        break;
    default: {
        QTableView *tp = m_f->window.page_widgets(View().View_Mode).tp;
        Set_Current_Row(tp, pick(tp->model()->rowCount()));
        if (m_f->window.views().Row_Slot(GridId::Tp,
                                         m_f->window.views().cursor(GridId::Tp).current_row)
            < 0)
            break;
        m_f->ui.Push_Answer(true);
        m_f->window.PM_TPPopup(); // the caption of the page's deletion
        m_f->window.Delete_TpClick();
        break;
    }
    }
}

void TestEditHistory::undo_all_then_redo_all()
{
    QUndoStack *history = Controller_Of<HistoryCommands>(m_f->window).stack();
    const QByteArray opened = Image(Db().raw);
    const int opened_count = Db().Program_Count;
    std::mt19937 random(1209);
    while (history->count() < 200)
        Random_Command(random);
    QVERIFY(View().Data_Modified);
    const QByteArray edited = Image(Db().raw);
    const ProgramTally tally = Count_Programs(Db());
    QVERIFY(Db().Program_Count < opened_count); // deletions were among the commands

    while (history->canUndo())
        Controller_Of<HistoryCommands>(m_f->window).undo_action()->trigger();
    QVERIFY(Image(Db().raw) == opened);
    QVERIFY(!View().Data_Modified);
    while (history->canRedo())
        Controller_Of<HistoryCommands>(m_f->window).redo_action()->trigger();
    QVERIFY(Image(Db().raw) == edited);
    QCOMPARE(Count_Programs(Db()).tv, tally.tv);
    QVERIFY(View().Data_Modified);
}

void TestEditHistory::restore_is_one_step_data()
{
    QTest::addColumn<QString>("change"); // what the file went through between its two saves
    QTest::newRow("programs sorted") << "sort";
    QTest::newRow("version typed into a Default file") << "version";
    QTest::newRow("saved as the other kind over itself") << "kind";
}

// "Restore a backup..." puts the backup's database into the window as the content of the file
// it was taken from, in one step: undo gives back every byte and header field the file held,
// redo the backup's, and Save writes the backup's bytes into the file. No backup's path enters
// the last files.
void TestEditHistory::restore_is_one_step()
{
    QFETCH(QString, change);
    QString path = m_f->window.file_commands().current_file();
    const auto type_version = [this](const QString &text) {
        Version_Edit(m_f->window)->selectAll();
        QTest::keyClicks(Version_Edit(m_f->window), text);
    };
    if (change == "version") {
        path = m_f->Write_Sample(QStringLiteral("DEFAULT.BIN"), FileKind::Default);
        QVERIFY(m_f->Open(path, FileKind::Default));
        type_version(QStringLiteral("V1"));
    }
    m_f->window.PMSaveClick();
    if (change == "kind") {
        m_f->ui.Push_Save_File(path);
        m_f->ui.Push_Answer(true); // "The file has existed, are you sure to cover it?"
        m_f->window.Save_DataClick(FileKind::Default);
    } else {
        if (change == "version") {
            type_version(QStringLiteral("V2"));
        } else {
            Set_Current_Row(Grid("SG_S_Sat"), 1);
            Controller_Of<OrderCommands>(m_f->window)
                    .Sort_ProgramsClick(GridId::Tv, ProgramSortKey::Name);
        }
        m_f->window.PMSaveClick();
    }
    const QByteArray on_disk = Read_File(path);
    const QByteArray held = Image(Db().raw);
    const FileState held_state = File_State_Of(Db());
    const std::string backups = QFile::encodeName(m_f->Backups()).toStdString();
    const std::size_t backups_before = List_Backups(backups).size();
    const std::string newest = List_Backups(backups).front().path;
    const auto backup = Make_Channel_Database();
    QVERIFY(Load_Database_Copy(*backup, newest,
                               Kind_For_File_Size(File_Size(newest), FileKind::ChannelData)));
    QVERIFY(Image(backup->raw) != held || File_State_Of(*backup) != held_state);
    // The window shows a state: its bytes, its file's kind, header and bank, its version field.
    const auto shows = [this](const QByteArray &image, const FileState &state) {
        const bool is_default = state.kind == FileKind::Default;
        const QString version = QString::fromLatin1(Version_Text(state.header).c_str()).trimmed();
        return Image(Db().raw) == image && File_State_Of(Db()) == state
               && Version_Edit(m_f->window)->isVisibleTo(&m_f->window) == is_default
               && (!is_default || Version_Edit(m_f->window)->text() == version);
    };

    m_f->ui.Push_Choice(0);
    Controller_Of<BackupRestoreCommand>(m_f->window).action()->trigger();
    QCOMPARE(m_f->ui.last_choice_rows().first().at(1), path);
    QCOMPARE(m_f->window.file_commands().current_file(), path);
    QCOMPARE(File_Name_Label(m_f->window)->text(),
             "Open The File Name:  " + QFileInfo(path).fileName());
    QVERIFY(shows(Image(backup->raw), File_State_Of(*backup)));
    QVERIFY(View().Data_Modified);
    QCOMPARE(Controller_Of<HistoryCommands>(m_f->window).stack()->count(), 1);
    QCOMPARE(Controller_Of<HistoryCommands>(m_f->window).undo_action()->text(),
             "Undo Restore a backup");
    QVERIFY(Read_File(path) == on_disk);

    Controller_Of<HistoryCommands>(m_f->window).undo_action()->trigger();
    QVERIFY(shows(held, held_state));
    QVERIFY(!View().Data_Modified);
    Controller_Of<HistoryCommands>(m_f->window).redo_action()->trigger();
    QVERIFY(shows(Image(backup->raw), File_State_Of(*backup)));
    QVERIFY(View().Data_Modified);

    m_f->window.PMSaveClick();
    QVERIFY(Read_File(path) == Read_File(QFile::decodeName(newest.c_str())));
    QCOMPARE(List_Backups(backups).size(), backups_before + 1); // the replaced file
    QCOMPARE(m_f->Recent().first(), path);
    for (const QString &recent : m_f->Recent())
        QVERIFY2(!recent.startsWith(m_f->Backups()), qPrintable(recent));
}

// Where the file is gone there is no state to undo back to: the restored database stays
// unsaved, whatever is undone after it.
void TestEditHistory::restore_without_its_file_stays_unsaved()
{
    const QString path = m_f->window.file_commands().current_file();
    m_f->window.PMSaveClick();
    BackupFile backup = List_Backups(QFile::encodeName(m_f->Backups()).toStdString()).front();
    backup.origin = QFile::encodeName(path).toStdString();
    QVERIFY(QFile::remove(path));
    QVERIFY(m_f->window.file_commands().Restore_Backup(backup));
    QCOMPARE(m_f->window.file_commands().current_file(), path);
    QVERIFY(View().Data_Modified);
    QVERIFY(!Controller_Of<HistoryCommands>(m_f->window).stack()->canUndo());

    Set_Current_Row(Grid("SG_S_Sat"), 1);
    Controller_Of<OrderCommands>(m_f->window).Sort_ProgramsClick(GridId::Tv, ProgramSortKey::Name);
    Controller_Of<HistoryCommands>(m_f->window).undo_action()->trigger();
    QVERIFY(View().Data_Modified);
    QVERIFY(m_f->window.isWindowModified());
}

void TestEditHistory::modified_follows_the_clean_state_data()
{
    // e: a sort that changes the list, u: undo, r: redo, s: save; the flag after each.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("modified");
    QTest::newRow("edit, undo") << "e u"
                                << "1 0";
    QTest::newRow("undo past a save") << "e s u r"
                                      << "1 0 1 0";
    QTest::newRow("save between two edits") << "e s e u u"
                                            << "1 0 1 0 1";
    QTest::newRow("redo to the saved state") << "e e s u u r r"
                                             << "1 1 0 1 1 1 0";
}

void TestEditHistory::modified_follows_the_clean_state()
{
    QFETCH(QString, steps);
    Set_Current_Row(Grid("SG_S_Sat"), 1);
    ProgramSortKey next = ProgramSortKey::Name;
    QStringList flags;
    for (const QString &step : steps.split(' ')) {
        if (step == "e") {
            Controller_Of<OrderCommands>(m_f->window).Sort_ProgramsClick(GridId::Tv, next);
            next = next == ProgramSortKey::Name ? ProgramSortKey::Service_Id : ProgramSortKey::Name;
        } else if (step == "u") {
            Controller_Of<HistoryCommands>(m_f->window).undo_action()->trigger();
        } else if (step == "r") {
            Controller_Of<HistoryCommands>(m_f->window).redo_action()->trigger();
        } else {
            m_f->window.PMSaveClick();
        }
        flags << (View().Data_Modified ? "1" : "0");
    }
    QTEST(flags.join(' '), "modified");
    QCOMPARE(Controller_Of<HistoryCommands>(m_f->window).undo_action()->text().startsWith("Undo "),
             Controller_Of<HistoryCommands>(m_f->window).stack()->canUndo());
}

void TestEditHistory::edit_menu_names_the_steps()
{
    const auto captions = [this] {
        Controller_Of<EditMenu>(m_f->window).PM_EditPopup();
        QStringList texts;
        for (const QAction *action : Controller_Of<EditMenu>(m_f->window).menu()->actions())
            texts << action->text() + (action->isEnabled() ? "" : " (off)");
        return texts;
    };
    QVERIFY(m_f->window.findChild<QToolButton *>("TB_Edit"));
    QCOMPARE(captions(),
             (QStringList{"Undo (off)", "Redo (off)", "", "Find...", "Find next", "Find previous",
                          "", "Check database...", "", "Character set of names"}));
    QCOMPARE(Controller_Of<CheckCommands>(m_f->window).check_action()->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_K));
    QVERIFY(!m_f->window.isWindowModified());

    QTableView *tv = Grid("SG_S_TV");
    Focus_Row(tv, 2);
    QTest::keyClick(tv, Qt::Key_Up, Qt::ControlModifier);
    QVERIFY(m_f->window.isWindowModified());
    const QStringList after_move = captions();
    QCOMPARE(after_move.mid(0, 2), (QStringList{"Undo Move up", "Redo (off)"}));
    QCOMPARE(after_move.mid(8, 3), (QStringList{"", "Move up", "Move down"})); // the focused grid's

    QTest::keyClick(&m_f->window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(captions().mid(0, 2), (QStringList{"Undo (off)", "Redo Move up"}));
    QVERIFY(!m_f->window.isWindowModified());
    QCOMPARE(tv->currentIndex().row(), 2); // the moved program is current again
    QTest::keyClick(&m_f->window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(tv->currentIndex().row(), 1);
    QVERIFY(m_f->window.isWindowModified());

    const QString about = Controller_Of<AboutBox>(m_f->window).About_Text();
    for (const QString &part : {m_f->Settings_Path(), m_f->Working_Copy(), m_f->Backups(),
                                QString::fromLatin1(qVersion())})
        QVERIFY2(about.contains(part), qPrintable(part));
}

QTEST_MAIN(TestEditHistory)
#include "tst_edit_history.moc"
