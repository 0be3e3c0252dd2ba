// The row-map builders: ascending slots then -1 to the end, every entry of the maps a builder
// fills reset first, TV and radio apart, the table kind, favourite membership read from the
// mask text, and groups, satellites and program counts outside their tables.

#include "views_fixtures.h"

#include "views/row_maps.h"

#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

// A slot no builder could list from the fixture: shows whether a map was left untouched.
constexpr int kStale = 3999;

void Fill_Stale(ViewState &view)
{
    view.Tp_Row_Map.fill(kStale);
    view.Tv_Row_Map.fill(kStale);
    view.Radio_Row_Map.fill(kStale);
}

bool Untouched(std::span<const int> map)
{
    return std::all_of(map.begin(), map.end(), [](int slot) { return slot == kStale; });
}

void Run_Builder(const QString &builder, const ChannelDatabase &db, ViewState &view, int a, int b,
                 int kind)
{
    if (builder == "List_Used_Sat_Tps")
        List_Used_Sat_Tps(db, view);
    else if (builder == "List_Used_Ter_Tps")
        List_Used_Ter_Tps(db, view);
    else if (builder == "List_Sat_Tps_Of")
        List_Sat_Tps_Of(db, view, a);
    else if (builder == "List_Programs")
        List_Programs(db, view, kind);
    else if (builder == "List_Programs_Of_Tp")
        List_Programs_Of_Tp(db, view, a, kind);
    else if (builder == "List_Programs_Of_Sat")
        List_Programs_Of_Sat(db, view, a, kind);
    else if (builder == "List_Programs_Of_Fav")
        List_Programs_Of_Fav(db, view, a, kind);
    else if (builder == "List_Programs_Of_Sat_Fav")
        List_Programs_Of_Sat_Fav(db, view, a, b, kind);
    else
        QFAIL("unknown builder");
}

// Every one of the 4000 slots used, TV and radio alternating, with a count far beyond the
// table.
std::unique_ptr<ChannelDatabase> Overfull_Database()
{
    auto db = Blank_Database();
    for (int p = 0; p < kProgramSlots; ++p) {
        TProg_Info_String &row = db->rows.programs[p];
        row.In_Use = 1;
        row.Is_Radio = p % 2;
        row.Tp_Kind = prog::kKindSatellite;
        row.Sat_Slot = 7;
        row.Favourite_Mask = "0000000000000001";
    }
    Set_Program_Count(*db, 65535);
    return db;
}

} // namespace

class TestRowMaps : public QObject
{
    Q_OBJECT

private slots:
    void builders_data();
    void builders();
    void favourites_read_from_mask_text();
    void slots_from_program_count_on_are_not_listed();
    void program_count_above_table_is_clamped();
    void program_without_satellite();
    void last_transponder_slots_are_listed();
};

// Columns a and b are the builder's arguments in order (satellite, transponder or group);
// "=" marks a map the builder does not fill.
void TestRowMaps::builders_data()
{
    QTest::addColumn<QString>("builder");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("tp");
    QTest::addColumn<QString>("tv");
    QTest::addColumn<QString>("radio");

    auto row = [](const char *name, const char *builder, int a, int b, int kind, const char *tp,
                  const char *tv, const char *radio) {
        QTest::newRow(name) << QString(builder) << a << b << kind << QString(tp) << QString(tv)
                            << QString(radio);
    };
    row("used sat tps", "List_Used_Sat_Tps", 0, 0, 0, "0 1 2 3 4", "=", "=");
    row("used ter tps", "List_Used_Ter_Tps", 0, 0, 0, "0 1 2", "=", "=");
    row("tps of sat 5", "List_Sat_Tps_Of", 5, 0, 0, "1 4", "=", "=");
    row("tps of sat 2", "List_Sat_Tps_Of", 2, 0, 0, "0 2", "=", "=");
    row("tps of sat 0 (none)", "List_Sat_Tps_Of", 0, 0, 0, "", "=", "=");
    row("tps of sat -1", "List_Sat_Tps_Of", -1, 0, 0, "", "=", "=");
    row("tps of sat 255 (freed rows)", "List_Sat_Tps_Of", 255, 0, 0, "", "=", "=");
    row("programs, satellite", "List_Programs", 0, 0, 1, "=", "0 2 4 7", "1 5");
    row("programs, terrestrial", "List_Programs", 0, 0, 2, "=", "3 8", "6");
    row("programs, kind 3", "List_Programs", 0, 0, 3, "=", "", "");
    row("sat tp 0", "List_Programs_Of_Tp", 0, 0, 1, "=", "0", "1");
    row("ter tp 0, same number", "List_Programs_Of_Tp", 0, 0, 2, "=", "3", "");
    row("ter tp 1", "List_Programs_Of_Tp", 1, 0, 2, "=", "", "6");
    row("sat tp 3 (empty)", "List_Programs_Of_Tp", 3, 0, 1, "=", "", "");
    row("sat 5", "List_Programs_Of_Sat", 5, 0, 1, "=", "2 4 7", "5");
    row("sat 9 (no programs)", "List_Programs_Of_Sat", 9, 0, 1, "=", "", "");
    row("sat -1", "List_Programs_Of_Sat", -1, 0, 1, "=", "", "");
    row("group 1 = last mask char", "List_Programs_Of_Fav", 0, 0, 1, "=", "0 7", "1 5");
    row("group 2", "List_Programs_Of_Fav", 1, 0, 1, "=", "2", "1");
    row("group 16 = first mask char", "List_Programs_Of_Fav", 15, 0, 1, "=", "7", "");
    row("group 16, terrestrial", "List_Programs_Of_Fav", 15, 0, 2, "=", "8", "");
    row("group 2, terrestrial", "List_Programs_Of_Fav", 1, 0, 2, "=", "", "6");
    row("group index -1", "List_Programs_Of_Fav", -1, 0, 1, "=", "", "");
    row("group index 16", "List_Programs_Of_Fav", 16, 0, 1, "=", "", "");
    row("group 1 on sat 5", "List_Programs_Of_Sat_Fav", 0, 5, 1, "=", "7", "5");
    row("group 1 on sat 2", "List_Programs_Of_Sat_Fav", 0, 2, 1, "=", "0", "1");
    row("group 2 on sat 5", "List_Programs_Of_Sat_Fav", 1, 5, 1, "=", "2", "");
    row("group index -1 on sat 5", "List_Programs_Of_Sat_Fav", -1, 5, 1, "=", "", "");
    row("group index 16 on sat 5", "List_Programs_Of_Sat_Fav", 16, 5, 1, "=", "", "");
    row("group 1 on sat -1", "List_Programs_Of_Sat_Fav", 0, -1, 1, "=", "", "");
}

void TestRowMaps::builders()
{
    QFETCH(QString, builder);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, kind);
    QFETCH(QString, tp);
    QFETCH(QString, tv);
    QFETCH(QString, radio);

    const auto db = Views_Database();
    auto view = std::make_unique<ViewState>();
    Fill_Stale(*view);
    Run_Builder(builder, *db, *view, a, b, kind);

    const std::pair<QString, std::span<const int>> maps[]
            = {{tp, view->Tp_Row_Map}, {tv, view->Tv_Row_Map}, {radio, view->Radio_Row_Map}};
    for (const auto &[expected, map] : maps) {
        if (expected == "=")
            QVERIFY(Untouched(map));
        else
            QCOMPARE(Map_Text(map), expected);
    }
}

// Membership comes from the row's mask text, whatever the raw record says; a mask text that
// is too short makes no member.
void TestRowMaps::favourites_read_from_mask_text()
{
    auto db = Views_Database();
    db->rows.programs[4].Favourite_Mask = "1000000000000001";
    db->rows.programs[0].Favourite_Mask = "";
    auto view = std::make_unique<ViewState>();

    List_Programs_Of_Fav(*db, *view, 0, 1);
    QCOMPARE(Map_Text(view->Tv_Row_Map), QStringLiteral("4 7"));
    List_Programs_Of_Fav(*db, *view, 15, 1);
    QCOMPARE(Map_Text(view->Tv_Row_Map), QStringLiteral("4 7"));
    QVERIFY(!Is_Favourite_Member(db->rows.programs[0], 0));
}

// The slot that was last before a deletion keeps its used bytes, but lies at Program_Count.
void TestRowMaps::slots_from_program_count_on_are_not_listed()
{
    auto db = Views_Database();
    auto view = std::make_unique<ViewState>();
    Delete_Program(*db, 8);
    QCOMPARE(db->rows.programs[8].In_Use, 1);
    List_Programs(*db, *view, 2);
    QCOMPARE(Map_Text(view->Tv_Row_Map), QStringLiteral("3"));

    Set_Program_Count(*db, 5);
    List_Programs(*db, *view, 1);
    QCOMPARE(Map_Text(view->Tv_Row_Map), QStringLiteral("0 2 4"));
    QCOMPARE(Map_Text(view->Radio_Row_Map), QStringLiteral("1"));
}

// A count of 65535 scans the 4000 slots and no further (run under the asan preset), and the
// program grids get one row per listed program.
void TestRowMaps::program_count_above_table_is_clamped()
{
    auto db = Overfull_Database();
    auto view = std::make_unique<ViewState>();
    QCOMPARE(Listed_Program_Count(*db), kProgramSlots);

    List_Programs_Of_Fav(*db, *view, 0, 1);
    QCOMPARE(Map_Length(view->Tv_Row_Map), 2000);
    QCOMPARE(Map_Length(view->Radio_Row_Map), 2000);
    QCOMPARE(view->Tv_Row_Map[1999], 3998);
    QCOMPARE(view->Radio_Row_Map[1999], 3999);
    QVERIFY(Map_Text(view->Tv_Row_Map) != "not dense");

    MainViews views(*db, *view);
    view->Data_Loaded = true;
    views.Show_All_Lists();
    QCOMPARE(views.cursor(GridId::Tv).row_count, 2001);
    QCOMPARE(views.cursor(GridId::Radio).row_count, 2001);
    QCOMPARE(U(views.Cell_Text(1, GridId::Radio, 2000, 0)), QStringLiteral("NO.2000: "));
    views.Select_Row(GridId::Sat, 8);
    QCOMPARE(views.cursor(GridId::Tv).row_count, 2001);
}

// A transponder naming satellite 200 leaves its programs without a satellite (slot -1): they
// are satellite programs, but no satellite lists them, not even a request for satellite -1.
void TestRowMaps::program_without_satellite()
{
    auto db = Views_Database();
    Write_Field(db->raw.sat_tps[3], sat_tp::Sat_Index, 200);
    const int lost = Add_Program(*db, {.tp = 3, .name = "Lost"});
    Decode_Rows(*db);
    QCOMPARE(db->rows.programs[lost].Sat_Slot, kNoSatellite);
    auto view = std::make_unique<ViewState>();

    List_Programs_Of_Sat(*db, *view, -1, 1);
    QCOMPARE(Map_Text(view->Tv_Row_Map), QString());
    List_Programs_Of_Sat_Fav(*db, *view, 0, -1, 1);
    QCOMPARE(Map_Text(view->Tv_Row_Map), QString());
    List_Programs(*db, *view, 1);
    QCOMPARE(Map_Text(view->Tv_Row_Map), QStringLiteral("0 2 4 7 9"));
}

// The last slot of each transponder table is listed like any other: the scans run to the
// table's end, not one short of it.
void TestRowMaps::last_transponder_slots_are_listed()
{
    auto db = Views_Database();
    auto view = std::make_unique<ViewState>();
    TTp_Info_String &sat_tp = db->rows.sat_tps[kSatTransponderSlots - 1];
    sat_tp.In_Use = 1;
    sat_tp.Sat_Index = 5;
    db->rows.ter_tps[kTerTransponderSlots - 1].In_Use = 1;

    List_Used_Sat_Tps(*db, *view);
    QCOMPARE(Map_Text(view->Tp_Row_Map), QStringLiteral("0 1 2 3 4 1999"));
    List_Sat_Tps_Of(*db, *view, 5);
    QCOMPARE(Map_Text(view->Tp_Row_Map), QStringLiteral("1 4 1999"));
    List_Used_Ter_Tps(*db, *view);
    QCOMPARE(Map_Text(view->Tp_Row_Map), QStringLiteral("0 1 2 999"));
}

QTEST_APPLESS_MAIN(TestRowMaps)
#include "tst_row_maps.moc"
