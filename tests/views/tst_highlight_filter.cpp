// Where the satellite and transponder grids mark the selected transponder or program, which
// selection wins, and the active-satellite filter: which satellites and transponders it
// lists, how it numbers them, and how the highlight finds a satellite in the filtered list.

#include "views_fixtures.h"

#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

GridId Grid_Named(const QString &name)
{
    if (name == "tp")
        return GridId::Tp;
    return name == "radio" ? GridId::Radio : GridId::Tv;
}

// The satellites the filter marked, as slots.
QString Marked(const ViewState &view)
{
    QStringList marked;
    for (int s = 0; s < kSatelliteCount; ++s)
        if (view.Sat_Active_Marks[s] == 1)
            marked << QString::number(s);
    return marked.join(' ');
}

const QStringList kActiveSatTps{"NO.1: |11778|V|27500|3/4", "NO.2: |03400|H|00800|Auto",
                                "NO.3: |12188|H|22000|2/3", "NO.4: |04000|V|28125|1/2"};

} // namespace

class TestHighlightFilter : public QObject
{
    Q_OBJECT

private slots:
    void highlight_data();
    void highlight();
    void radio_takes_precedence_over_tv();
    void program_takes_precedence_over_transponder();
    void show_active_lists();
    void terrestrial_programs_mark_no_satellite();
    void filter_toggle();
    void show_all_info_keeps_filter();
    void highlight_with_filter_by_position();
    void favourite_program_outside_filtered_list();
};

// sat_row -1 leaves every satellite listed; then a click on `row` of `grid`.
void TestHighlightFilter::highlight_data()
{
    QTest::addColumn<int>("sat_row");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("sat_highlight");
    QTest::addColumn<int>("tp_highlight");

    QTest::newRow("TV on the last tp row") << -1 << "tv" << 3 << 6 << 5;
    QTest::newRow("TV on the first tp row") << -1 << "tv" << 1 << 3 << 1;
    QTest::newRow("radio") << -1 << "radio" << 2 << 6 << 5;
    QTest::newRow("transponder") << -1 << "tp" << 4 << 10 << -1;
    QTest::newRow("TV within sat 5, last tp row") << 6 << "tv" << 2 << 6 << 2;
    QTest::newRow("transponder within sat 2") << 3 << "tp" << 2 << 3 << -1;
    QTest::newRow("satellite only") << 6 << "none" << 0 << -1 << -1;
    QTest::newRow("empty TV row") << 10 << "tv" << 1 << -1 << -1;
}

void TestHighlightFilter::highlight()
{
    QFETCH(int, sat_row);
    QFETCH(QString, grid);
    QFETCH(int, row);
    QFETCH(int, sat_highlight);
    QFETCH(int, tp_highlight);

    LoadedViews loaded;
    MainViews &views = *loaded.views;
    if (sat_row >= 0)
        views.Select_Row(GridId::Sat, sat_row);
    if (grid != "none")
        views.Select_Row(Grid_Named(grid), row, true);

    QCOMPARE(views.Sat_Highlight_Row(), sat_highlight);
    QCOMPARE(views.Tp_Highlight_Row(), tp_highlight);
    QCOMPARE(views.Tp_Selection_Hidden(), tp_highlight > 0);
}

// Both program flags set: the radio row decides.
void TestHighlightFilter::radio_takes_precedence_over_tv()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Tv, 1, true);    // One: tp row 1, satellite 2
    views.Select_Row(GridId::Radio, 2, true); // Echo: tp row 5, satellite 5
    loaded.view->Tv_Selected = true;

    QCOMPARE(views.Sat_Highlight_Row(), 6);
    QCOMPARE(views.Tp_Highlight_Row(), 5);
}

// A program click keeps Tp_Selected; the program's satellite wins over the transponder row's.
void TestHighlightFilter::program_takes_precedence_over_transponder()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Tv, 1, true); // One, satellite 2
    views.Page_Lists().tp.current_row = 4; // slot 3, satellite 9
    loaded.view->Tp_Selected = true;

    QCOMPARE(views.Sat_Highlight_Row(), 3);
    loaded.view->Tv_Selected = false;
    QCOMPARE(views.Sat_Highlight_Row(), 10);
}

// Programs lie on satellites 2 and 5 only: two satellites numbered by position, their four
// transponders (not satellite 9's), and the program lists complete.
void TestHighlightFilter::show_active_lists()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Sat, 6);

    views.Show_Act_SatClick();

    QVERIFY(loaded.view->Show_Active_Only);
    QCOMPARE(Flags_Text(*loaded.view), QStringLiteral("-"));
    QCOMPARE(Marked(*loaded.view), QStringLiteral("2 5"));
    QCOMPARE(views.sat_grid().row_count, 3);
    QCOMPARE(views.sat_grid().current_row, 0);
    QCOMPARE(Grid_Dump(views, GridId::Sat), (QStringList{"NO.1: |Sat 02", "NO.2: |Sat 05"}));
    QCOMPARE(Grid_Dump(views, GridId::Tp), kActiveSatTps);
    QCOMPARE(Grid_Dump(views, GridId::Tv),
             (QStringList{"NO.1: |One|", "NO.2: |Two|$", "NO.3: |Three|", "NO.4: |Four|"}));
    QCOMPARE(Grid_Dump(views, GridId::Radio), (QStringList{"NO.1: |Wave|", "NO.2: |Echo|"}));
}

// A terrestrial program's row records satellite slot 0 without belonging to it; a satellite
// program on satellite 0 does mark it.
void TestHighlightFilter::terrestrial_programs_mark_no_satellite()
{
    LoadedViews loaded;
    loaded.views->Show_Act_SatClick();
    QCOMPARE(loaded.view->Sat_Active_Marks[0], 0);

    auto only_terrestrial = Blank_Database();
    Add_Ter_Tp(*only_terrestrial, 0, 0, 474000);
    Add_Program(*only_terrestrial, {.kind = prog::kKindTerrestrial, .tp = 0, .name = "T"});
    LoadedViews terrestrial(std::move(only_terrestrial));
    terrestrial.views->Show_Act_SatClick();
    QCOMPARE(Marked(*terrestrial.view), QString());
    QCOMPARE(terrestrial.views->sat_grid().row_count, 1);
    QCOMPARE(Grid_Dump(*terrestrial.views, GridId::Tp), QStringList{"||||"});

    Add_Sat_Tp(*loaded.db, 5, 0, 12000, kH, 27500, 0);
    Add_Program(*loaded.db, {.tp = 5, .name = "Zero"});
    loaded.views->Show_Active_Lists();
    QCOMPARE(Marked(*loaded.view), QStringLiteral("0 2 5"));
    QCOMPARE(Grid_Dump(*loaded.views, GridId::Sat).first(), QStringLiteral("NO.1: |Sat 00"));
}

// The caption always names the view the command switches to; row 0 becomes current.
void TestHighlightFilter::filter_toggle()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    QCOMPARE(U(views.filter_caption()), QStringLiteral("Show active satellites"));

    views.Show_Act_SatClick();
    QCOMPARE(U(views.filter_caption()), QStringLiteral("Show all satellites"));
    views.Select_Row(GridId::Sat, 2);
    QCOMPARE(Flags_Text(*loaded.view), QStringLiteral("Sat"));

    views.Show_Act_SatClick();
    QVERIFY(!loaded.view->Show_Active_Only);
    QCOMPARE(U(views.filter_caption()), QStringLiteral("Show active satellites"));
    QCOMPARE(Flags_Text(*loaded.view), QStringLiteral("-"));
    QCOMPARE(views.sat_grid().current_row, 0);
    QCOMPARE(views.sat_grid().row_count, 61);
    QCOMPARE(Grid_Dump(views, GridId::Tp).size(), 5);
}

// With the filter on, "Show ALL Info" rebuilds the filtered view; a satellite click narrows
// within it.
void TestHighlightFilter::show_all_info_keeps_filter()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Show_Act_SatClick();
    views.Select_Row(GridId::Sat, 2);
    QCOMPARE(Info_Dump(views), QStringList{"【SAT】:Sat 05"});
    QCOMPARE(Grid_Dump(views, GridId::Tp),
             (QStringList{"NO.1: |03400|H|00800|Auto", "NO.2: |04000|V|28125|1/2"}));

    views.Select_Row(GridId::Sat, 0);
    QCOMPARE(views.sat_grid().row_count, 3);
    QCOMPARE(Grid_Dump(views, GridId::Tp), kActiveSatTps);
    QCOMPARE(Info_Dump(views), QStringList());
}

void TestHighlightFilter::highlight_with_filter_by_position()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Show_Act_SatClick();

    views.Select_Row(GridId::Tv, 4); // Four: slot 1 of satellite 5, second in both lists
    QCOMPARE(views.Sat_Highlight_Row(), 2);
    QCOMPARE(views.Tp_Highlight_Row(), 2);
    views.Select_Row(GridId::Tp, 4); // slot 4, satellite 5
    QCOMPARE(views.Sat_Highlight_Row(), 2);
    views.Select_Row(GridId::Tp, 1); // slot 0, satellite 2
    QCOMPARE(views.Sat_Highlight_Row(), 1);
}

// A program added on satellite 9 after the filter was built is listed by its favourite group,
// but neither its satellite nor its transponder is in the filtered lists.
void TestHighlightFilter::favourite_program_outside_filtered_list()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Show_Act_SatClick();
    Add_Program(*loaded.db, {.tp = 3, .name = "Late", .favourites = Groups({1})});

    views.Select_Fav_Line(0);
    QCOMPARE(Grid_Dump(views, GridId::Tv),
             (QStringList{"NO.1: |One|", "NO.2: |Four|", "NO.3: |Late|"}));
    views.Select_Row(GridId::Tv, 3);

    QCOMPARE(Flags_Text(*loaded.view), QStringLiteral("Tv Fav"));
    QCOMPARE(views.Sat_Highlight_Row(), -1);
    QCOMPARE(views.Tp_Highlight_Row(), -1);
    QVERIFY(views.Tp_Selection_Hidden());
}

QTEST_APPLESS_MAIN(TestHighlightFilter)
#include "tst_highlight_filter.moc"
