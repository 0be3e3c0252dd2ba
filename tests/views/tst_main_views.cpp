// The linked selection of the main window's lists, driven the way the widgets drive it (row
// changes and clicks) and compared as text dumps of the grids, the info pane and the flags:
// satellite, transponder, favourite and program clicks, "Show ALL Info", rows that show
// nothing, the page change and the reset.

#include "views_fixtures.h"

#include "views/captions.h"
#include "views/program_find.h"

#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

const QStringList kAllSatTps{"NO.1: |11778|V|27500|3/4", "NO.2: |03400|H|00800|Auto",
                             "NO.3: |12188|H|22000|2/3", "NO.4: |10700|V|30000|7/8",
                             "NO.5: |04000|V|28125|1/2"};
const QStringList kAllSatTv{"NO.1: |One|", "NO.2: |Two|$", "NO.3: |Three|", "NO.4: |Four|"};
const QStringList kAllSatRadio{"NO.1: |Wave|", "NO.2: |Echo|"};
const QStringList kEmptyTpGrid{"||||"};
const QStringList kEmptyProgramGrid{"||"};

// Everything a user could see of the page on show, for before/after comparisons.
QStringList Snapshot(const MainViews &views)
{
    QStringList lines;
    lines << "flags " + Flags_Text(views.view())
          << QStringLiteral("fav group %1").arg(views.view().Fav_Group_Index);
    for (const GridId grid : {GridId::Sat, GridId::Tp, GridId::Tv, GridId::Radio})
        lines << QStringLiteral("rows %1, current %2")
                         .arg(views.cursor(grid).row_count)
                         .arg(views.cursor(grid).current_row)
              << Grid_Dump(views, grid);
    return lines << Info_Dump(views) << Fav_Dump(views);
}

// The shared database and program 9 "\xC9cole 3400 \xD7" on satellite transponder 3, whose
// satellite slot the display row can move out of the 60 (Sat_Index 70). Program 5 has private
// PID 777 (the others 0), program 8 PCR 4444.
std::unique_ptr<ChannelDatabase> Find_Database(bool satellite_unlisted = false)
{
    auto db = Views_Database();
    Add_Program(*db, {.tp = 3,
                      .name = "\xC9"
                              "cole 3400 \xD7"});
    Set_Program_Field(*db, 5, prog::Private_Pid, 777);
    Set_Program_Field(*db, 8, prog::Pcr_Pid, 4444);
    if (satellite_unlisted) {
        db->rows.sat_tps[3].Sat_Index = 70;
        db->rows.programs[9].Sat_Slot = kNoSatellite;
    }
    return db;
}

} // namespace

class TestMainViews : public QObject
{
    Q_OBJECT

private slots:
    void show_all_lists();
    void database_without_transponders();
    void satellite_click_narrows();
    void show_all_info_restores();
    void transponder_click_narrows();
    void favourite_click_data();
    void favourite_click();
    void favourite_click_without_line_changes_nothing();
    void program_clicks();
    void program_click_on_empty_row();
    void click_runs_only_on_a_new_row_inside_the_grid_data();
    void click_runs_only_on_a_new_row_inside_the_grid();
    void click_before_loading_is_ignored();
    void changes_reported_data();
    void changes_reported();
    void favourites_list_rewritten_without_selection();
    void page_change_to_terrestrial_and_back();
    void page_change_turns_filter_off();
    void reset_views();
    void find_matches_data();
    void find_matches();
    void find_shows_each_match_data();
    void find_shows_each_match();
};

void TestMainViews::show_all_lists()
{
    LoadedViews loaded;
    const MainViews &views = *loaded.views;

    QCOMPARE(views.sat_grid().row_count, 61);
    QCOMPARE(views.sat_grid().current_row, 0);
    const QStringList sats = Grid_Dump(views, GridId::Sat);
    QCOMPARE(sats.first(), QStringLiteral("NO.1: |Sat 00"));
    QCOMPARE(sats.at(5), QStringLiteral("NO.6: |Sat 05"));
    QCOMPARE(sats.last(), QStringLiteral("NO.60: |Sat 59"));
    QCOMPARE(Grid_Dump(views, GridId::Tp), kAllSatTps);
    QCOMPARE(Grid_Dump(views, GridId::Tv), kAllSatTv);
    QCOMPARE(Grid_Dump(views, GridId::Radio), kAllSatRadio);
    const QStringList favs = Fav_Dump(views);
    QCOMPARE(favs.size(), 16);
    QCOMPARE(favs.mid(0, 3), (QStringList{"FAV.01 :  News", "FAV.02 :  Music", "FAV.03 :  "}));
    QCOMPARE(favs.mid(8, 2), (QStringList{"FAV.09 :  ", "FAV.10 :  "}));
    QCOMPARE(favs.last(), QStringLiteral("FAV.16 :  Last"));
    QCOMPARE(Info_Dump(views), QStringList());
    QCOMPARE(Flags_Text(views.view()), QStringLiteral("-"));
}

// One empty row under the titles; the satellites are listed all the same.
void TestMainViews::database_without_transponders()
{
    LoadedViews loaded(Blank_Database());
    QCOMPARE(loaded.views->cursor(GridId::Tp).row_count, 2);
    QCOMPARE(Grid_Dump(*loaded.views, GridId::Tp), kEmptyTpGrid);
    QCOMPARE(Grid_Dump(*loaded.views, GridId::Tv), kEmptyProgramGrid);
    QCOMPARE(Grid_Dump(*loaded.views, GridId::Radio), kEmptyProgramGrid);
    QCOMPARE(loaded.views->sat_grid().row_count, 61);
    loaded.views->Select_Row(GridId::Tp, 1, true);
    QCOMPARE(Flags_Text(*loaded.view), QStringLiteral("-"));
}

void TestMainViews::satellite_click_narrows()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Sat, 6);

    QCOMPARE(Flags_Text(views.view()), QStringLiteral("Sat"));
    QCOMPARE(Info_Dump(views), QStringList{"【SAT】:Sat 05"});
    QCOMPARE(Grid_Dump(views, GridId::Tp),
             (QStringList{"NO.1: |03400|H|00800|Auto", "NO.2: |04000|V|28125|1/2"}));
    QCOMPARE(Grid_Dump(views, GridId::Tv),
             (QStringList{"NO.1: |Two|$", "NO.2: |Three|", "NO.3: |Four|"}));
    QCOMPARE(Grid_Dump(views, GridId::Radio), QStringList{"NO.1: |Echo|"});
    QCOMPARE(views.sat_grid().row_count, 61);

    views.Select_Row(GridId::Sat, 10); // satellite 9: one transponder, no programs
    QCOMPARE(Grid_Dump(views, GridId::Tp), QStringList{"NO.1: |10700|V|30000|7/8"});
    QCOMPARE(Grid_Dump(views, GridId::Tv), kEmptyProgramGrid);
    QCOMPARE(views.cursor(GridId::Radio).row_count, 2);
}

void TestMainViews::show_all_info_restores()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    const QStringList before = Snapshot(views);
    views.Select_Row(GridId::Sat, 6);
    views.Select_Row(GridId::Tp, 2);
    views.Select_Row(GridId::Tv, 1, true);
    QCOMPARE(Flags_Text(views.view()), QStringLiteral("Sat Tp Tv"));

    views.Select_Row(GridId::Sat, 0);

    QCOMPARE(Flags_Text(views.view()), QStringLiteral("-"));
    QCOMPARE(Info_Dump(views), QStringList());
    QCOMPARE(Snapshot(views), before);
}

// Sat_Selected stays; the program lists follow the transponder.
void TestMainViews::transponder_click_narrows()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Sat, 6);
    views.Select_Row(GridId::Tp, 2);

    QCOMPARE(Flags_Text(views.view()), QStringLiteral("Sat Tp"));
    QCOMPARE(Info_Dump(views),
             (QStringList{"【SAT】:Sat 05", "", "【TP】:4000----V----28125----1/2"}));
    QCOMPARE(Grid_Dump(views, GridId::Tp).size(), 2);
    QCOMPARE(Grid_Dump(views, GridId::Tv), QStringList{"NO.1: |Three|"});
    QCOMPARE(Grid_Dump(views, GridId::Radio), QStringList{"NO.1: |Echo|"});

    views.Select_Row(GridId::Tp, 1);
    QCOMPARE(Grid_Dump(views, GridId::Tv), (QStringList{"NO.1: |Two|$", "NO.2: |Four|"}));
    QCOMPARE(Grid_Dump(views, GridId::Radio), kEmptyProgramGrid);

    views.Select_Row(GridId::Sat, 0);
    views.Select_Row(GridId::Tp, 3); // slot 2 of satellite 2, from the full list
    QCOMPARE(Flags_Text(views.view()), QStringLiteral("Tp"));
    QCOMPARE(Info_Dump(views),
             (QStringList{"【SAT】:Sat 02", "", "【TP】:12188----H----22000----2/3"}));
}

// sat_row 0 clicks "Show ALL Info" first, so that no satellite is selected.
void TestMainViews::favourite_click_data()
{
    QTest::addColumn<int>("sat_row");
    QTest::addColumn<int>("line");
    QTest::addColumn<QStringList>("tv");
    QTest::addColumn<QStringList>("radio");

    QTest::newRow("group 1, every satellite")
            << 0 << 0 << QStringList{"NO.1: |One|", "NO.2: |Four|"}
            << QStringList{"NO.1: |Wave|", "NO.2: |Echo|"};
    QTest::newRow("group 1 within sat 5")
            << 6 << 0 << QStringList{"NO.1: |Four|"} << QStringList{"NO.1: |Echo|"};
    QTest::newRow("group 2 within sat 2")
            << 3 << 1 << kEmptyProgramGrid << QStringList{"NO.1: |Wave|"};
    QTest::newRow("group 16, every satellite")
            << 0 << 15 << QStringList{"NO.1: |Four|"} << kEmptyProgramGrid;
    QTest::newRow("group 3, no members") << 0 << 2 << kEmptyProgramGrid << kEmptyProgramGrid;
}

void TestMainViews::favourite_click()
{
    QFETCH(int, sat_row);
    QFETCH(int, line);
    QFETCH(QStringList, tv);
    QFETCH(QStringList, radio);

    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Sat, sat_row, true);
    views.Select_Row(GridId::Tp, 2);
    views.Select_Row(GridId::Tv, 1, true);

    views.Select_Fav_Line(line);

    QCOMPARE(Flags_Text(views.view()),
             sat_row > 0 ? QStringLiteral("Sat Fav") : QStringLiteral("Fav"));
    QCOMPARE(views.view().Fav_Group_Index, line);
    QCOMPARE(Info_Dump(views), QStringList());
    QCOMPARE(Grid_Dump(views, GridId::Tv), tv);
    QCOMPARE(Grid_Dump(views, GridId::Radio), radio);
}

// A favourites click with no line selected keeps every flag, Fav_Group_Index and every list.
void TestMainViews::favourite_click_without_line_changes_nothing()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Fav_Line(3);
    views.Select_Row(GridId::Tp, 2);
    const QStringList before = Snapshot(views);
    QCOMPARE(before.first(), QStringLiteral("flags Tp"));

    views.Select_Fav_Line(-1, true);
    QCOMPARE(Snapshot(views), before);
    views.LB_S_FAVClick();
    QCOMPARE(Snapshot(views), before);
    views.Select_Fav_Line(16, true);
    QCOMPARE(Snapshot(views), before);
}

void TestMainViews::program_clicks()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Sat, 6);
    views.Select_Row(GridId::Tv, 3);

    QCOMPARE(Flags_Text(views.view()), QStringLiteral("Sat Tv"));
    QCOMPARE(Info_Dump(views),
             (QStringList{"【SAT】:Sat 05", "", "【TP】:3400----H----800----Auto", "",
                          "【Program Name】:Four", "", "【Vid】:263【Aud】:3002【PCR】:263", "",
                          "【Free】【Lock_Not】【Skip_Not】"}));

    views.Select_Row(GridId::Radio, 1, true);
    QCOMPARE(Flags_Text(views.view()), QStringLiteral("Sat Radio"));
    QCOMPARE(Info_Dump(views).at(4), QStringLiteral("【Program Name】:Echo"));

    views.Select_Row(GridId::Tv, 1);
    QCOMPARE(Flags_Text(views.view()), QStringLiteral("Sat Tv"));
    QCOMPARE(Info_Dump(views).at(8), QStringLiteral("【Encrypt】【Lock_Not】【Skip_Not】"));
}

// The one empty row of an empty program grid empties the info pane and sets no flag.
void TestMainViews::program_click_on_empty_row()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Tp, 4); // slot 3: no programs
    QCOMPARE(Info_Dump(views).size(), 3);

    views.Select_Row(GridId::Tv, 1, true);
    QCOMPARE(Info_Dump(views), QStringList());
    QCOMPARE(Flags_Text(views.view()), QStringLiteral("Tp"));
}

// A handler runs when the row changes, or on a click on the current row; never for a row
// outside the grid (nor the title row of a program or transponder grid).
void TestMainViews::click_runs_only_on_a_new_row_inside_the_grid_data()
{
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("by_click");
    QTest::addColumn<bool>("runs");

    QTest::newRow("sat: current row") << int(GridId::Sat) << 6 << false << false;
    QTest::newRow("sat: current row, clicked") << int(GridId::Sat) << 6 << true << true;
    QTest::newRow("sat: past the last row") << int(GridId::Sat) << 61 << true << false;
    QTest::newRow("sat: row -1") << int(GridId::Sat) << -1 << true << false;
    QTest::newRow("tp: current row") << int(GridId::Tp) << 1 << false << false;
    QTest::newRow("tp: current row, clicked") << int(GridId::Tp) << 1 << true << true;
    QTest::newRow("tp: title row") << int(GridId::Tp) << 0 << true << false;
    QTest::newRow("tp: past the last row") << int(GridId::Tp) << 3 << true << false;
    QTest::newRow("tv: current row") << int(GridId::Tv) << 1 << false << false;
    QTest::newRow("tv: other row") << int(GridId::Tv) << 2 << false << true;
    QTest::newRow("tv: past the last row") << int(GridId::Tv) << 4 << true << false;
}

void TestMainViews::click_runs_only_on_a_new_row_inside_the_grid()
{
    QFETCH(int, grid);
    QFETCH(int, row);
    QFETCH(bool, by_click);
    QFETCH(bool, runs);

    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Sat, 6);
    // A handler that runs sets its flag again and rewrites the info pane.
    loaded.view->Clear_Selection_Flags();
    views.Page_Lists().info_lines = {"marker"};
    const int current = views.cursor(static_cast<GridId>(grid)).current_row;

    views.Select_Row(static_cast<GridId>(grid), row, by_click);

    QCOMPARE(Info_Dump(views) != QStringList{"marker"}, runs);
    QCOMPARE(Flags_Text(views.view()) != "-", runs);
    if (!runs)
        QCOMPARE(views.cursor(static_cast<GridId>(grid)).current_row, current);
}

void TestMainViews::click_before_loading_is_ignored()
{
    auto db = Views_Database();
    ViewState view;
    MainViews views(*db, view);
    views.Reset_Views();
    views.Select_Row(GridId::Sat, 1);
    views.SG_S_SatClick();
    views.Show_Act_SatClick();
    QCOMPARE(Flags_Text(view), QStringLiteral("-"));
    QVERIFY(!view.Show_Active_Only);
    QCOMPARE(Map_Text(view.Tp_Row_Map), QString());
    QCOMPARE(U(views.filter_caption()), QStringLiteral("Show active satellites"));
}

// The widgets redraw only what a call reports as changed, so every list a handler rewrites
// must be reported; a call that does not run reports nothing.
void TestMainViews::changes_reported_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<unsigned>("required");

    using namespace changed;
    const unsigned programs = kTvGrid | kRadioGrid;
    QTest::newRow("satellite click")
            << "sat" << (kTpGrid | programs | kFavList | kInfoList | kSatHighlight);
    QTest::newRow("show all info") << "sat 0" << (kSatGrid | kTpGrid | programs | kInfoList);
    QTest::newRow("tp click") << "tp" << (programs | kInfoList | kSatHighlight | kTpHighlight);
    QTest::newRow("fav click") << "fav" << (programs | kInfoList | kSatHighlight | kTpHighlight);
    QTest::newRow("TV click") << "tv" << (kInfoList | kSatHighlight | kTpHighlight);
    QTest::newRow("radio click") << "radio" << (kInfoList | kSatHighlight | kTpHighlight);
    QTest::newRow("page change") << "page" << (kTpGrid | programs | kFavList | kInfoList | kCursor);
    QTest::newRow("filter") << "filter" << (kSatGrid | kTpGrid | programs | kCursor);
    QTest::newRow("current row again") << "same" << 0u;
}

void TestMainViews::changes_reported()
{
    QFETCH(QString, action);
    QFETCH(unsigned, required);

    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Sat, 6);
    views.Take_Changes();

    if (action == "sat")
        views.Select_Row(GridId::Sat, 3);
    else if (action == "sat 0")
        views.Select_Row(GridId::Sat, 0);
    else if (action == "tp")
        views.Select_Row(GridId::Tp, 2);
    else if (action == "fav")
        views.Select_Fav_Line(0);
    else if (action == "tv")
        views.Select_Row(GridId::Tv, 2);
    else if (action == "radio")
        views.Select_Row(GridId::Radio, 1, true);
    else if (action == "page")
        views.PageControl_MainChange(1);
    else if (action == "filter")
        views.Show_Act_SatClick();
    else
        views.Select_Row(GridId::Sat, 6);

    const unsigned reported = views.Take_Changes();
    QCOMPARE(reported & required, required);
    if (required == 0)
        QCOMPARE(reported, 0u);
}

// Rewriting the favourites list (every satellite click, every rebuild) empties it and adds
// the 16 lines again, so no line stays selected for a group the lists no longer show.
void TestMainViews::favourites_list_rewritten_without_selection()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Fav_Line(0);
    QCOMPARE(views.Page_Lists().fav_current, 0);

    views.Select_Row(GridId::Sat, 6);

    QCOMPARE(Flags_Text(views.view()), QStringLiteral("Sat"));
    QCOMPARE(views.Page_Lists().fav_current, -1);
    views.Select_Row(GridId::Sat, 0);
    QCOMPARE(views.Page_Lists().fav_current, -1);
}

// The terrestrial page lists its own tables and the satellite grid shows no satellite; back
// on "Satellites" the grid is rebuilt with row 0 current.
void TestMainViews::page_change_to_terrestrial_and_back()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Sat, 6);
    views.Select_Row(GridId::Tp, 2);

    views.PageControl_MainChange(1);

    QCOMPARE(views.view().View_Mode, 2);
    QCOMPARE(Flags_Text(views.view()), QStringLiteral("-"));
    QCOMPARE(Grid_Dump(views, GridId::Tp),
             (QStringList{"NO.1: |0474000", "NO.2: |0050000", "NO.3: |0009000"}));
    QCOMPARE(views.cursor(GridId::Tp).current_row, 1);
    QCOMPARE(Grid_Dump(views, GridId::Tv), (QStringList{"NO.1: |Ter One|", "NO.2: |Ter Two|"}));
    QCOMPARE(Grid_Dump(views, GridId::Radio), QStringList{"NO.1: |Ter Radio|"});
    QCOMPARE(Fav_Dump(views).size(), 16);
    QCOMPARE(views.sat_grid().row_count, 2);
    for (int row = 1; row < views.sat_grid().row_count; ++row)
        QCOMPARE(U(views.Cell_Text(1, GridId::Sat, row, 1)), QString());

    views.Select_Row(GridId::Tp, 3);
    QCOMPARE(Info_Dump(views), (QStringList{"", "【TP】:9000"}));
    QCOMPARE(Grid_Dump(views, GridId::Tv), QStringList{"NO.1: |Ter Two|"});
    views.Select_Fav_Line(1);
    QCOMPARE(Grid_Dump(views, GridId::Radio), QStringList{"NO.1: |Ter Radio|"});
    QCOMPARE(Grid_Dump(views, GridId::Tv), kEmptyProgramGrid);
    views.Select_Row(GridId::Radio, 1, true);
    QCOMPARE(Info_Dump(views).size(), 5);

    views.PageControl_MainChange(0);

    QCOMPARE(views.view().View_Mode, 1);
    QCOMPARE(Flags_Text(views.view()), QStringLiteral("-"));
    QCOMPARE(views.sat_grid().row_count, 61);
    QCOMPARE(views.sat_grid().current_row, 0);
    QCOMPARE(Grid_Dump(views, GridId::Sat).at(5), QStringLiteral("NO.6: |Sat 05"));
    QCOMPARE(Grid_Dump(views, GridId::Tp), kAllSatTps);
    QCOMPARE(Grid_Dump(views, GridId::Tv), kAllSatTv);
}

void TestMainViews::page_change_turns_filter_off()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Show_Act_SatClick();
    QVERIFY(views.view().Show_Active_Only);
    QCOMPARE(U(views.filter_caption()), QStringLiteral("Show all satellites"));

    views.PageControl_MainChange(1);
    QVERIFY(!views.view().Show_Active_Only);
    QCOMPARE(U(views.filter_caption()), QStringLiteral("Show active satellites"));
    views.PageControl_MainChange(0);
    QCOMPARE(views.sat_grid().row_count, 61);
    QCOMPARE(Grid_Dump(views, GridId::Tp), kAllSatTps);
}

void TestMainViews::reset_views()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    ViewState &view = *loaded.view;
    views.Show_Act_SatClick();
    views.Select_Row(GridId::Sat, 2);
    views.Select_Row(GridId::Tp, 2);
    views.Select_Fav_Line(0);
    views.PageControl_MainChange(1);
    views.Select_Row(GridId::Tv, 1, true);
    view.Data_Modified = true;
    view.Show_Active_Only = true;
    view.Is_New_Entry = view.Is_New_TV = view.TV_Added = view.Is_New_Radio = view.Radio_Added
            = true;
    loaded.db->Save_Mode = 2;

    views.Reset_Views();

    QVERIFY(!view.Data_Loaded && !view.Data_Modified && !view.Show_Active_Only);
    QCOMPARE(Flags_Text(view), QStringLiteral("-"));
    QVERIFY(!view.Is_New_Entry && !view.Is_New_TV && !view.TV_Added);
    QVERIFY(!view.Is_New_Radio && !view.Radio_Added);
    QCOMPARE(loaded.db->Save_Mode, -1);
    QCOMPARE(view.View_Mode, 1);
    QCOMPARE(U(views.filter_caption()), QStringLiteral("Show active satellites"));
    for (const std::span<const int> map :
         {std::span<const int>(view.Sat_Row_Map), std::span<const int>(view.Tp_Row_Map),
          std::span<const int>(view.Tv_Row_Map), std::span<const int>(view.Radio_Row_Map)})
        QCOMPARE(Map_Text(map), QString());
    QVERIFY(std::all_of(view.Sat_Active_Marks.begin(), view.Sat_Active_Marks.end(),
                        [](std::uint8_t mark) { return mark == 0; }));
    for (const GridId grid : {GridId::Sat, GridId::Tp, GridId::Tv, GridId::Radio})
        QCOMPARE(views.cursor(grid).row_count, 2);
    QCOMPARE(Info_Dump(views), QStringList());
    QCOMPARE(Fav_Dump(views), QStringList());
    QCOMPARE(views.page(2).info_lines.size(), std::size_t{0});
}

// `broken` names a slot the lists cannot show, made so by `how`: another transponder kind, a
// transponder index outside the table, a transponder not in use, or a Program_Count below it.
void TestMainViews::find_matches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("broken");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QList<int>>("expected");
    using L = QList<int>;
    QTest::newRow("name part, any case") << "tER" << -1 << "" << L{3, 6, 8};
    QTest::newRow("name part with a space") << "r o" << -1 << "" << L{3};
    QTest::newRow("Latin-1 capital") << "\u00E9COLE" << -1 << "" << L{9};
    QTest::newRow("times sign is no letter") << "\u00F7" << -1 << "" << L{};
    QTest::newRow("times sign itself") << "\u00D7" << -1 << "" << L{9};
    QTest::newRow("outside Latin-1") << "One\u20AC" << -1 << "" << L{};
    QTest::newRow("service id, zeros and spaces") << " 0105 " << -1 << "" << L{5};
    QTest::newRow("video pid") << "260" << -1 << "" << L{4};
    QTest::newRow("pcr pid") << "4444" << -1 << "" << L{8};
    QTest::newRow("audio pid") << "517" << -1 << "" << L{5};
    QTest::newRow("pmt pid") << "36" << -1 << "" << L{4};
    QTest::newRow("private pid") << "777" << -1 << "" << L{5};
    QTest::newRow("private pid 0 and a digit in a name")
            << "000" << -1 << "" << L{0, 1, 2, 3, 4, 6, 7, 8, 9};
    QTest::newRow("second audio track") << "3001" << -1 << "" << L{7};
    QTest::newRow("only audio track") << "2001" << -1 << "" << L{2};
    QTest::newRow("satellite MHz and a name") << "3400" << -1 << "" << L{2, 7, 9};
    QTest::newRow("terrestrial kHz") << "474000" << -1 << "" << L{3};
    QTest::newRow("nothing") << "zzz" << -1 << "" << L{};
    QTest::newRow("spaces only") << "   " << -1 << "" << L{};
    QTest::newRow("kind 3") << "one" << 0 << "kind" << L{3};
    QTest::newRow("transponder out of range") << "three" << 4 << "range" << L{};
    QTest::newRow("transponder unused") << "3400" << 7 << "unused" << L{9};
    QTest::newRow("beyond Program_Count") << "cole" << 9 << "count" << L{};
}

void TestMainViews::find_matches()
{
    QFETCH(QString, text);
    QFETCH(int, broken);
    QFETCH(QString, how);
    QFETCH(QList<int>, expected);

    auto db = Find_Database();
    if (broken >= 0) {
        TProg_Info_String &row = db->rows.programs[broken];
        if (how == "kind")
            row.Tp_Kind = 3;
        else if (how == "range")
            row.Tp_Index = kSatTransponderSlots + 500;
        else if (how == "unused")
            db->rows.sat_tps[row.Tp_Index].In_Use = 0;
        else
            db->Program_Count = broken;
    }
    const std::vector<int> found = Find_Programs(*db, text.toStdString());
    QCOMPARE(QList<int>(found.begin(), found.end()), expected);
}

// Every program shown from three starting states: its page, satellite (or "Show ALL Info"),
// transponder and program rows current, the program in the info pane; a program the lists
// cannot show changes nothing.
void TestMainViews::find_shows_each_match_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("unlisted");
    QTest::newRow("fresh lists") << 0 << false;
    QTest::newRow("terrestrial page, favourite line") << 1 << false;
    QTest::newRow("filter, satellite outside the 60") << 2 << true;
}

void TestMainViews::find_shows_each_match()
{
    QFETCH(int, start);
    QFETCH(bool, unlisted);
    LoadedViews loaded(Find_Database(unlisted));
    MainViews &views = *loaded.views;
    const ChannelDatabase &db = *loaded.db;
    loaded.db->rows.programs[1].Tp_Kind = 3;
    for (int slot = 0; slot < db.Program_Count; ++slot) {
        if (start == 1) {
            views.PageControl_MainChange(1);
            views.Select_Fav_Line(0);
        } else if (start == 2) {
            views.PageControl_MainChange(0); // the filter is off after a page change
            views.Show_Act_SatClick();
            views.Select_Row(GridId::Sat, 2);
        }
        const QString before = View_Snapshot(views);
        const std::optional<GridId> grid = Show_Program(views, slot);
        const TProg_Info_String &row = db.rows.programs[slot];
        if (slot == 1) {
            QVERIFY(!grid);
            QCOMPARE(View_Snapshot(views), before);
            continue;
        }
        QCOMPARE(grid, std::optional(row.Is_Radio ? GridId::Radio : GridId::Tv));
        QCOMPARE(views.view().View_Mode, int(row.Tp_Kind));
        QCOMPARE(views.Row_Slot(*grid, views.cursor(*grid).current_row), slot);
        QCOMPARE(views.Row_Slot(GridId::Tp, views.cursor(GridId::Tp).current_row), row.Tp_Index);
        if (row.Tp_Kind == prog::kKindSatellite) {
            const int satellite = db.rows.sat_tps[row.Tp_Index].Sat_Index;
            const int sat_row = views.sat_grid().current_row;
            QCOMPARE(sat_row == 0 ? 70 : views.Row_Slot(GridId::Sat, sat_row), satellite);
        }
        QVERIFY(Info_Dump(views).contains("【Program Name】:" + Q(row.Name)));
    }
}

QTEST_APPLESS_MAIN(TestMainViews)
#include "tst_main_views.moc"
