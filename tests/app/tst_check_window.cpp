// The "Check database" window: gauge colours at their edges, the findings' texts and orders,
// the repairs' wording, the jump from a finding to its entry on every kind of table (hostile
// slots included), the report following edits, undo, a repair and the no-file state, and the
// window's size, keys and first finding when it opens.

#include "app/controllers/check_commands.h"
#include "app/controllers/history_commands.h"
#include "window_test_case.h"

#include "app/check_findings_model.h"
#include "app/check_window.h"
#include "channel_fixtures.h"
#include "dbase/decode.h"
#include "views/finding_jump.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

constexpr int kPick = -100; // the row's entry is picked from the sample

QStringList Column(const QAbstractItemModel *model, int column)
{
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, column).data().toString();
    return cells;
}

} // namespace

Q_DECLARE_METATYPE(orvane::GaugeLevel)
Q_DECLARE_METATYPE(orvane::CheckTable)

class TestCheckWindow : public WindowTestCase
{
    Q_OBJECT

private slots:
    void gauge_levels_data();
    void gauge_levels();
    void findings_texts_and_orders();
    void repair_texts_data();
    void repair_texts();
    void jump_to_entry_data();
    void jump_to_entry();
    void report_follows_changes();
    void opening_and_keys();

private:
    int Pick(CheckTable table) const;
};

void TestCheckWindow::gauge_levels_data()
{
    QTest::addColumn<int>("used");
    QTest::addColumn<int>("limit");
    QTest::addColumn<GaugeLevel>("level");
    QTest::newRow("just under 90 %") << 3599 << 4000 << GaugeLevel::Normal;
    QTest::newRow("90 %") << 3600 << 4000 << GaugeLevel::Near_Limit;
    QTest::newRow("one short of the limit") << 149 << 150 << GaugeLevel::Near_Limit;
    QTest::newRow("at the limit") << 150 << 150 << GaugeLevel::At_Limit;
    QTest::newRow("hostile count over it") << 65535 << 1000 << GaugeLevel::At_Limit;
    QTest::newRow("empty table of no room") << 0 << 0 << GaugeLevel::Normal;
}

void TestCheckWindow::gauge_levels()
{
    QFETCH(int, used);
    QFETCH(int, limit);
    QTEST(Gauge_Level(used, limit), "level");
}

void TestCheckWindow::findings_texts_and_orders()
{
    CheckWindow window(nullptr);
    CheckReport report;
    report.capacity = {{"Programs", 3600, 4000, ""},
                       {"Satellite transponders", 1200, 1000, "Caf\xE9"},
                       {"Audio tracks", 5, 1000, ""}};
    const ListedEntry tp{EntryList::Sat_Transponders, 2, 10};
    report.findings
            = {{Severity::Error, CheckTable::Sat_Transponders, 100, tp, "tp"},
               {Severity::Error, CheckTable::Counts, kNoFindingSlot, {}, "count"},
               {Severity::Warning, CheckTable::Programs, 9, {EntryList::Sat_Tv, 0, 9}, "Caf\xE9"},
               {Severity::Info, CheckTable::Programs, 10, {EntryList::Sat_Tv, 0, 10}, "ten"}};
    report.satellite_names = {"Sat 00", "", "Caf\xE9"};
    window.Show_Report(report, 0, 3);
    QCOMPARE(window.summary_label()->text(), "2 errors, 1 warning, 1 information");
    QCOMPARE(
            Model_Dump(window.findings_view()->model()),
            (QStringList{"Error|Satellite transponders|NO.10 of \"Café\"|tp", "Error|Counts||count",
                         "Warning|Programs|TV NO.9|Café", "Information|Programs|TV NO.10|ten"}));
    QCOMPARE(Header_Dump(window.findings_view()->model()),
             (QStringList{"Severity", "Table", "Entry", "Text"}));
    QVERIFY(!window.remove_duplicates_button()->isEnabled());
    QVERIFY(window.delete_empty_button()->isEnabled());
    const auto &gauges = window.gauges();
    QCOMPARE(gauges[1].caption->text(), "Satellite transponders (Café)");
    QCOMPARE(gauges[1].figures->text(), "1200 / 1000");
    QCOMPARE(gauges[0].figures->text(), "3600 / 4000");
    QVERIFY(gauges[2].bar->styleSheet().isEmpty());
    QVERIFY(!gauges[0].bar->styleSheet().isEmpty() && !gauges[1].bar->styleSheet().isEmpty());
    QVERIFY(gauges[0].bar->styleSheet() != gauges[1].bar->styleSheet());

    // Severities by rank, entries by number (counts first), not as words or digits.
    QTableView *view = window.findings_view();
    view->sortByColumn(CheckFindingsModel::Severity_Column, Qt::DescendingOrder);
    QCOMPARE(Column(view->model(), 0), (QStringList{"Information", "Warning", "Error", "Error"}));
    view->sortByColumn(CheckFindingsModel::Entry_Column, Qt::AscendingOrder);
    QCOMPARE(Column(view->model(), 2),
             (QStringList{"", "TV NO.9", "TV NO.10", "NO.10 of \"Café\""}));

    // A refresh keeps the order and the current finding; Enter goes to it.
    Set_Current_Row(view, 1);
    std::swap(report.findings[0], report.findings[2]);
    report.findings.pop_back();
    report.capacity.pop_back();
    window.Show_Report(report, 1, 0);
    QCOMPARE(Column(view->model(), 2), (QStringList{"", "TV NO.9", "NO.10 of \"Café\""}));
    QCOMPARE(view->currentIndex().row(), 1);
    QCOMPARE(window.summary_label()->text(), "2 errors, 1 warning, 0 information");
    QVERIFY(gauges[2].bar->isHidden() && !gauges[1].bar->isHidden());
    QSignalSpy activated(&window, &CheckWindow::findingActivated);
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(activated.size(), 1);
    QCOMPARE(activated[0][0].value<CheckFinding>().slot, 9);
}

void TestCheckWindow::repair_texts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("none") << 0
                          << QStringList{"Remove duplicate programs",
                                         "Delete all empty transponders"};
    QTest::newRow("one") << 1
                         << QStringList{"Remove 1 duplicate program", "Delete 1 empty transponder",
                                        "Remove 1 duplicate program? The first program of each "
                                        "group stays.",
                                        "Delete 1 empty transponder?"};
    QTest::newRow("two") << 2
                         << QStringList{"Remove 2 duplicate programs",
                                        "Delete 2 empty transponders",
                                        "Remove 2 duplicate programs? The first program of each "
                                        "group stays.",
                                        "Delete 2 empty transponders of every satellite and "
                                        "terrestrial group?"};
}

// The buttons and questions in the count's own number; with nothing to repair the buttons say
// what they would do, and nothing is asked.
void TestCheckWindow::repair_texts()
{
    QFETCH(int, count);
    CheckWindow window(nullptr);
    window.Show_Report({}, count, count);
    QStringList texts{window.remove_duplicates_button()->text(),
                      window.delete_empty_button()->text()};
    if (count > 0)
        texts << CheckWindow::Remove_Duplicates_Question(count)
              << CheckWindow::Delete_Empty_Question(count);
    QTEST(texts, "texts");
    QCOMPARE(window.delete_empty_button()->isEnabled(), count > 0);
}

// An entry of each kind in the sample, far from the first rows so that a jump has to move.
int TestCheckWindow::Pick(CheckTable table) const
{
    const ChannelDatabase &db = Db();
    switch (table) {
    case CheckTable::Programs:
        for (int p = Db().Program_Count - 1; p >= 0; --p)
            if (db.rows.programs[p].Is_Radio && db.rows.programs[p].Tp_Kind == 1)
                return p;
        break;
    case CheckTable::Audio_Tracks:
        for (int a = Used_Audio_Track_Count(db.raw) - 1; a >= 0; --a)
            if (const int owner = Audio_Track_Owner(db, a); owner >= 0
                                                            && db.rows.programs[owner].Tp_Kind == 1
                                                            && !db.rows.programs[owner].Is_Radio)
                return a;
        break;
    case CheckTable::Sat_Transponders:
        for (int t = kSatTransponderSlots - 1; t >= 0; --t)
            if (db.rows.sat_tps[t].In_Use == 1)
                return t;
        break;
    default:
        for (int t = kTerTransponderSlots - 1; t >= 0; --t)
            if (db.rows.ter_tps[t].In_Use == 1)
                return t;
    }
    return kNoSlot;
}

// From the terrestrial page with its TV grid focused. "" for the focus: nothing changes.
void TestCheckWindow::jump_to_entry_data()
{
    QTest::addColumn<CheckTable>("table");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    using T = CheckTable;
    QTest::newRow("program") << T::Programs << kPick << 1 << "SG_S_Radio";
    QTest::newRow("audio track") << T::Audio_Tracks << kPick << 1 << "SG_S_TV";
    QTest::newRow("satellite transponder") << T::Sat_Transponders << kPick << 1 << "SG_S_TP";
    QTest::newRow("terrestrial transponder") << T::Ter_Transponders << kPick << 2 << "SG_T_TP";
    QTest::newRow("satellite") << T::Satellites << 59 << 1 << "SG_S_Sat";
    QTest::newRow("favourite group") << T::Favourite_Groups << 15 << 2 << "LB_T_FAV";
    QTest::newRow("counts") << T::Counts << kNoFindingSlot << 2 << "";
    QTest::newRow("program past the table") << T::Programs << kProgramSlots << 2 << "";
    QTest::newRow("unused program") << T::Programs << kProgramSlots - 1 << 2 << "";
    QTest::newRow("audio track past the table") << T::Audio_Tracks << kAudioTrackSlots << 2 << "";
    QTest::newRow("negative transponder") << T::Sat_Transponders << -7 << 2 << "";
    QTest::newRow("satellite past the table") << T::Satellites << kSatelliteCount << 2 << "";
    QTest::newRow("group 17") << T::Favourite_Groups << kFavouriteGroupCount << 2 << "";
}

void TestCheckWindow::jump_to_entry()
{
    QFETCH(CheckTable, table);
    QFETCH(int, slot);
    QFETCH(int, page);
    QFETCH(QString, focus);
    TFormMain &window = m_f->window;
    MainViews &views = window.views();
    Page_Control(window)->setCurrentIndex(1);
    Focus_Row(Grid("SG_T_TV"), 1);
    const QString before = Grid("SG_T_TV")->currentIndex().data().toString();
    if (slot == kPick) {
        slot = Pick(table);
        QVERIFY(slot != kNoSlot);
    }

    Controller_Of<CheckCommands>(window).Go_To_Finding({Severity::Error, table, slot, {}, "x"});
    QCOMPARE(Page_Control(window)->currentIndex() + 1, page);
    QCOMPARE(View().View_Mode, page);
    if (focus.isEmpty()) {
        QCOMPARE(QApplication::focusWidget(), Grid("SG_T_TV"));
        QCOMPARE(Grid("SG_T_TV")->currentIndex().data().toString(), before);
        return;
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    if (table == CheckTable::Favourite_Groups) {
        QCOMPARE(List("LB_T_FAV")->currentRow(), slot);
        QVERIFY(View().Fav_Selected);
        return;
    }
    const GridId grid = focus.endsWith("Sat")  ? GridId::Sat
                        : focus.endsWith("TP") ? GridId::Tp
                        : focus.endsWith("TV") ? GridId::Tv
                                               : GridId::Radio;
    const int entry = table == CheckTable::Audio_Tracks ? Audio_Track_Owner(Db(), slot) : slot;
    QCOMPARE(views.Row_Slot(grid, views.cursor(grid).current_row), entry);
    if (table == CheckTable::Sat_Transponders)
        QCOMPARE(views.Row_Slot(GridId::Sat, views.sat_grid().current_row),
                 int(Db().rows.sat_tps[slot].Sat_Index));
}

void TestCheckWindow::report_follows_changes()
{
    // A copy of program 0 on its transponder with its service id: a duplicate.
    const TProg_Info_String first = Db().rows.programs[0];
    const int copy = Add_Program(Db(), {.kind = first.Tp_Kind,
                                        .tp = first.Tp_Index,
                                        .name = "Copy",
                                        .radio = first.Is_Radio != 0});
    Set_Program_Field(Db(), copy, prog::Service_Id,
                      Read_Field(Db().raw.programs[0], prog::Service_Id));
    const int programs = Db().Program_Count;
    m_f->window.views().Show_All_Lists();
    Controller_Of<CheckCommands>(m_f->window).check_action()->trigger();
    CheckWindow *check = Controller_Of<CheckCommands>(m_f->window).check_window();
    QVERIFY(check && check->isVisible());
    QCOMPARE(check->windowTitle(), "Check database");
    QTableView *view = check->findings_view();
    const auto copy_row = [&] {
        for (int row = 0; row < view->model()->rowCount(); ++row)
            if (view->model()->index(row, 3).data().toString().contains("\"Copy\" repeats"))
                return row;
        return -1;
    };
    QVERIFY(copy_row() >= 0);
    QVERIFY(check->remove_duplicates_button()->isEnabled());
    // Its entry is the number the unnarrowed grid gives it, which is not its slot's.
    const GridId grid = first.Is_Radio ? GridId::Radio : GridId::Tv;
    const QString number = QString::fromStdString(m_f->window.views().Cell_Text(
            kSatellitesPage, grid, m_f->window.views().Row_Of_Slot(grid, copy), 0));
    QCOMPARE(view->model()->index(copy_row(), 2).data().toString() + ": ",
             (first.Is_Radio ? "Radio " : "TV ") + number);
    QVERIFY(number != QStringLiteral("NO.%1: ").arg(copy + 1));

    // Enter on the finding selects the copy; deleting it and undoing refresh the report.
    Set_Current_Row(view, copy_row());
    QTest::keyClick(view, Qt::Key_Return);
    m_f->ui.Push_Answer(true);
    if (first.Is_Radio)
        m_f->window.Delete_RadioClick();
    else
        m_f->window.Delete_TvClick();
    QCOMPARE(Db().Program_Count, programs - 1);
    QCOMPARE(copy_row(), -1);
    QVERIFY(!check->remove_duplicates_button()->isEnabled());
    Controller_Of<HistoryCommands>(m_f->window).undo_action()->trigger();
    QVERIFY(copy_row() >= 0);

    // The repair: one step, asked first.
    m_f->ui.Push_Answer(true);
    check->remove_duplicates_button()->click();
    QCOMPARE(m_f->ui.questions().last(),
             "Remove 1 duplicate program? The first program of each group stays.");
    QCOMPARE(Db().Program_Count, programs - 1);
    QCOMPARE(Controller_Of<HistoryCommands>(m_f->window).stack()->undoText(),
             "Remove duplicate programs");
    QCOMPARE(copy_row(), -1);

    m_f->window.Reset_Views();
    QCOMPARE(check->summary_label()->text(), "0 errors, 0 warnings, 0 information");
    QCOMPARE(view->model()->rowCount(), 0);
    QVERIFY(!Controller_Of<CheckCommands>(m_f->window).check_action()->isEnabled());
}

// It opens with room for 15 findings and every gauge in full, at its first finding; entries
// sort by number; Tab goes round the table, the repairs and Close; Escape closes it; another
// file, open or opened later, starts at its first finding again.
void TestCheckWindow::opening_and_keys()
{
    Controller_Of<CheckCommands>(m_f->window).check_action()->trigger();
    CheckWindow *check = Controller_Of<CheckCommands>(m_f->window).check_window();
    QTRY_COMPARE(QApplication::activeWindow(), check);
    QTableView *view = check->findings_view();
    QVERIFY(view->viewport()->height() >= CheckWindow::kShownFindings * view->rowHeight(0));
    for (const CheckWindow::GaugeRow &gauge : check->gauges())
        QVERIFY(gauge.caption->width() >= gauge.caption->sizeHint().width()
                && gauge.figures->width() >= gauge.figures->sizeHint().width());
    QCOMPARE(view->currentIndex().row(), 0);
    view->sortByColumn(CheckFindingsModel::Entry_Column, Qt::AscendingOrder);
    QCOMPARE(Column(view->model(), 2).mid(0, 3), (QStringList{"TV NO.1", "TV NO.7", "TV NO.20"}));

    check->Show_Report(Check_Database(Db().raw), 1, 1);
    QCOMPARE(QApplication::focusWidget(), view);
    QList<QWidget *> chain;
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << QApplication::focusWidget();
    }
    QCOMPARE(chain, (QList<QWidget *>{check->remove_duplicates_button(),
                                      check->delete_empty_button(), check->close_button(), view}));

    const auto away_from_first = [&] {
        Set_Current_Row(view, view->model()->rowCount() - 1);
        view->scrollToBottom();
        return view->verticalScrollBar()->value() > 0;
    };
    const auto at_first = [&] {
        return view->currentIndex().row() == 0 && view->verticalScrollBar()->value() == 0;
    };
    QVERIFY(away_from_first());
    QVERIFY(m_f->Open(m_f->Write_Sample("OTHER.BIN", FileKind::ChannelData),
                      FileKind::ChannelData));
    QVERIFY(at_first());
    QVERIFY(away_from_first());
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(check->isHidden());
    QVERIFY(m_f->Open(m_f->Write_Sample("THIRD.BIN", FileKind::ChannelData),
                      FileKind::ChannelData));
    Controller_Of<CheckCommands>(m_f->window).check_action()->trigger();
    QVERIFY(check->isVisible() && at_first());
}

QTEST_MAIN(TestCheckWindow)
#include "tst_check_window.moc"
