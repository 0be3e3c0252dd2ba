// The order commands in the window: several rows chosen with the keyboard and moved with the
// shortcuts while a satellite narrows the list, rows dropped between two others, several rows
// deleted with one question, the whole database ordered like another file, and an edited
// program list imported as one step. Every grid model runs under the model tester.

#include "app/controllers/history_commands.h"
#include "app/controllers/order_commands.h"
#include "app/controllers/program_list_commands.h"
#include "window_test_case.h"

#include <QFile>
#include <QMimeData>
#include <QUndoStack>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

// The names the TV grid of the page on show lists, row by row.
QStringList Tv_Names(TFormMain &window)
{
    QStringList names;
    MainViews &views = window.views();
    for (int row = 1; row < views.cursor(GridId::Tv).row_count; ++row)
        if (const int slot = views.Row_Slot(GridId::Tv, row); slot != kNoSlot)
            names << QString::fromLatin1(views.database().rows.programs[slot].Name);
    return names;
}

// Program records by slot, with the slots the TV grid shows left out.
std::vector<ProgramRecord> Records_Not_Listed(TFormMain &window)
{
    std::vector<ProgramRecord> records(window.database().raw.programs.begin(),
                                       window.database().raw.programs.end());
    for (int row = 1; row < window.views().cursor(GridId::Tv).row_count; ++row)
        if (const int slot = window.views().Row_Slot(GridId::Tv, row); slot != kNoSlot)
            records[static_cast<std::size_t>(slot)] = {};
    return records;
}

QList<int> Selected_Model_Rows(QTableView *grid)
{
    QList<int> rows;
    for (const QModelIndex &index : grid->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList Moved(QStringList names, std::initializer_list<int> order)
{
    QStringList moved;
    for (const int i : order)
        moved << names[i];
    return moved;
}

} // namespace

class TestProgramOrder : public WindowTestCase
{
    Q_OBJECT

public:
    TestProgramOrder()
        : WindowTestCase({.models_tested = true})
    {}

private slots:
    void keyboard_moves_within_the_narrowed_list();
    void rows_dropped_between_rows();
    void several_rows_deleted_with_one_question();
    void order_like_another_file();
    void program_list_imported_as_one_step();
};

void TestProgramOrder::keyboard_moves_within_the_narrowed_list()
{
    Set_Current_Row(Grid("SG_S_Sat"), 1); // the first satellite narrows the lists
    QTableView *tv = Grid("SG_S_TV");
    const QStringList before = Tv_Names(m_f->window);
    QVERIFY(before.size() > 6);
    const std::vector<ProgramRecord> others = Records_Not_Listed(m_f->window);

    Focus_Row(tv, 1);
    QTest::keyClick(tv, Qt::Key_Down, Qt::ShiftModifier); // rows 1 and 2
    QTest::keyClick(tv, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(Tv_Names(m_f->window).mid(0, 4), Moved(before, {0, 3, 1, 2}));
    QCOMPARE(Selected_Model_Rows(tv), (QList<int>{2, 3}));
    QCOMPARE(tv->currentIndex().row(), 3); // the current program moved with it
    QCOMPARE(List("LB_S_Info")->item(4)->text(), "【Program Name】:" + before[2]);
    QVERIFY(View().Data_Modified);

    QTest::keyClick(tv, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(Tv_Names(m_f->window).mid(0, 4), Moved(before, {1, 2, 0, 3}));
    QCOMPARE(Selected_Model_Rows(tv), (QList<int>{0, 1}));
    QTest::keyClick(tv, Qt::Key_Up, Qt::ControlModifier); // already at the top
    QCOMPARE(Tv_Names(m_f->window).mid(0, 4), Moved(before, {1, 2, 0, 3}));
    QTest::keyClick(tv, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(Tv_Names(m_f->window).mid(before.size() - 2), Moved(before, {1, 2}));

    // A number outside the list is refused and moves nothing; one inside puts the first
    // selected program there.
    const QStringList at_bottom = Tv_Names(m_f->window);
    m_f->ui.Push_Text(QStringLiteral("0"));
    Controller_Of<OrderCommands>(m_f->window).Move_To_NumberClick(GridId::Tv);
    QCOMPARE(m_f->ui.errors(),
             QStringList{QStringLiteral("\"0\" is not a program number on show.\r\rPlease enter "
                                        "a number from 1 to %1.")
                                 .arg(before.size())});
    QCOMPARE(Tv_Names(m_f->window), at_bottom);
    m_f->ui.Push_Text(QStringLiteral(" 2 "));
    Controller_Of<OrderCommands>(m_f->window).Move_To_NumberClick(GridId::Tv);
    QCOMPARE(Tv_Names(m_f->window).mid(0, 4),
             (QStringList{before[0], before[1], before[2], before[3]}));

    QTest::keyClick(tv, Qt::Key_A, Qt::ControlModifier);
    Controller_Of<OrderCommands>(m_f->window).actions(GridId::Tv).Sort_By_Name->trigger();
    QStringList sorted = before;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString &a, const QString &b) { return a.toLower() < b.toLower(); });
    QCOMPARE(Tv_Names(m_f->window), sorted);
    QCOMPARE(Selected_Model_Rows(tv).size(), before.size());
    // Only the programs on show changed places.
    QVERIFY(Records_Not_Listed(m_f->window) == others);
}

void TestProgramOrder::rows_dropped_between_rows()
{
    QTableView *tv = Grid("SG_S_TV");
    const QStringList before = Tv_Names(m_f->window);
    Focus_Row(tv, 0);
    tv->selectionModel()->select(tv->model()->index(2, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QMimeData *data = tv->model()->mimeData(tv->selectionModel()->selectedIndexes());
    // The upper edge of model row 5: between rows 4 and 5.
    const QPoint point = tv->visualRect(tv->model()->index(5, 1)).topLeft() + QPoint(4, 1);
    QDragEnterEvent enter(point, Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(tv->viewport(), &enter);
    QDragMoveEvent move(point, Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(tv->viewport(), &move);
    QVERIFY(move.isAccepted());
    QVERIFY(tv->showDropIndicator() && !tv->dragDropOverwriteMode());
    QDropEvent drop(point, Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(tv->viewport(), &drop);
    delete data;
    QCOMPARE(Tv_Names(m_f->window).mid(0, 6), Moved(before, {1, 3, 4, 0, 2, 5}));
    QCOMPARE(Selected_Model_Rows(tv), (QList<int>{3, 4}));
    QCOMPARE(tv->currentIndex().row(), 3);
}

void TestProgramOrder::several_rows_deleted_with_one_question()
{
    QTableView *tv = Grid("SG_S_TV");
    const QStringList before = Tv_Names(m_f->window);
    const int count = Db().Program_Count;
    Focus_Row(tv, 1);
    for (const int row : {3, 4})
        tv->selectionModel()->select(tv->model()->index(row, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    m_f->ui.Push_Answer(false);
    QTest::keyClick(tv, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(Db().Program_Count, count);
    m_f->ui.Push_Answer(true);
    QTest::keyClick(tv, Qt::Key_Delete, Qt::ShiftModifier);
    const QString question = QStringLiteral("The data can not be restored after be deleted,\r\r"
                                            "Are you sure to delete these programs?");
    QCOMPARE(m_f->ui.questions(), (QStringList{question, question}));
    QCOMPARE(Db().Program_Count, count - 3);
    QCOMPARE(Tv_Names(m_f->window).mid(0, 3), Moved(before, {0, 2, 5}));
    QCOMPARE(List("LB_S_Info")->item(4)->text(), "【Program Name】:" + before[2]);
    QVERIFY(View().Data_Modified);

    // A current program that is not deleted stays current where it moved to.
    Focus_Row(tv, 3); // before[6]
    tv->selectionModel()->select(QItemSelection(tv->model()->index(0, 0), tv->model()->index(1, 0)),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_f->ui.Push_Answer(true);
    QTest::keyClick(tv, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(Tv_Names(m_f->window).mid(0, 2), Moved(before, {5, 6}));
    QCOMPARE(tv->currentIndex().row(), 1);
    QCOMPARE(List("LB_S_Info")->item(4)->text(), "【Program Name】:" + before[6]);
}

void TestProgramOrder::order_like_another_file()
{
    // The reference is the sample itself: after a shuffle, the order comes back.
    const QString reference
            = m_f->Write_Sample(QStringLiteral("REFERENCE.BIN"), FileKind::ChannelData);
    const RawArrays sample = Db().raw;
    QTableView *tv = Grid("SG_S_TV");
    QTest::keyClick(tv, Qt::Key_A, Qt::ControlModifier);
    Controller_Of<OrderCommands>(m_f->window).Sort_ProgramsClick(GridId::Tv, ProgramSortKey::Name);
    QVERIFY(Db().raw.programs != sample.programs);

    m_f->ui.Push_Open_File(reference);
    m_f->ui.Push_Options(QList<bool>{false, false});
    Controller_Of<OrderCommands>(m_f->window).Order_LikeClick();
    QVERIFY(Db().raw.programs == sample.programs);
    QVERIFY(Db().raw.audio_tracks == sample.audio_tracks);
    const ProgramTally tally = Count_Programs(Db());
    QCOMPARE(m_f->ui.reports(), QStringList{QStringLiteral("Matched %1 programs, 0 not matched.\n")
                                                    .arg(tally.tv + tally.radio)});

    // A damaged reference gives its opening message and changes nothing.
    QVERIFY(Write_File(reference, Sample_Bytes(FileKind::ChannelData).chopped(1)));
    Controller_Of<OrderCommands>(m_f->window).Sort_ProgramsClick(GridId::Tv, ProgramSortKey::Name);
    QVERIFY(Db().raw.programs != sample.programs);
    const RawArrays sorted = Db().raw;
    m_f->ui.Push_Open_File(reference);
    Controller_Of<OrderCommands>(m_f->window).Order_LikeClick();
    QCOMPARE(m_f->ui.errors(), QStringList{QStringLiteral("File wrong!")});
    QVERIFY(Db().raw.programs == sorted.programs);
}

// The first two TV rows swapped and the third renamed, through the File menu's export and
// import; undo puts every byte back. A faulty list shows its faults and changes nothing.
void TestProgramOrder::program_list_imported_as_one_step()
{
    const RawArrays sample = Db().raw;
    const QStringList names = Tv_Names(m_f->window);
    const QString path = m_f->Path(QStringLiteral("list.csv"));
    m_f->ui.Push_Save_File(path);
    Controller_Of<ProgramListCommands>(m_f->window).export_action()->trigger();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    lines.swapItemsAt(1, 2);
    lines[3].replace(names[2].toLatin1(), "Renamed");
    QVERIFY(Write_File(path, lines.join('\n')));

    m_f->ui.Push_Open_File(path);
    Controller_Of<ProgramListCommands>(m_f->window).import_action()->trigger();
    QCOMPARE(m_f->ui.reports(),
             QStringList{QStringLiteral("Applied %1 rows, 0 skipped.\n").arg(lines.size() - 2)});
    QCOMPARE(Tv_Names(m_f->window).mid(0, 3), (QStringList{names[1], names[0], "Renamed"}));
    QCOMPARE(Controller_Of<HistoryCommands>(m_f->window).stack()->count(), 1);
    QCOMPARE(Controller_Of<HistoryCommands>(m_f->window).stack()->undoText(),
             QStringLiteral("Import program list"));
    Controller_Of<HistoryCommands>(m_f->window).undo_action()->trigger();
    QVERIFY(Db().raw.programs == sample.programs);
    QCOMPARE(Tv_Names(m_f->window), names);

    lines[2].replace(",no,no,", ",no,maybe,");
    QVERIFY(Write_File(path, lines.join('\n')));
    m_f->ui.Push_Open_File(path);
    Controller_Of<ProgramListCommands>(m_f->window).import_action()->trigger();
    QCOMPARE(m_f->ui.errors(), QStringList{"The program list was not imported:\rrow 3.Locked: "
                                           "\"maybe\" is not yes or no"});
    QCOMPARE(Controller_Of<HistoryCommands>(m_f->window).stack()->count(), 1);
    QVERIFY(Db().raw.programs == sample.programs);
}

QTEST_MAIN(TestProgramOrder)
#include "tst_program_order_window.moc"
