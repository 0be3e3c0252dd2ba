// Comparing two databases: one edit of each kind in each table of the sample, each giving
// exactly its one change (the matching's tolerances at their edges among them), the rule that
// makes a move, and the symmetry of a comparison under random edits.

#include "channel_fixtures.h"
#include "dbase/database_compare.h"
#include "tools/sample_database.h"

#include <QtTest>

#include <functional>
#include <random>
#include <set>

using namespace orvane;
using namespace orvane::test;

namespace {

using Edit = std::function<void(ChannelDatabase &a, ChannelDatabase &b)>;

std::unique_ptr<ChannelDatabase> Sample()
{
    auto db = Make_Channel_Database();
    Build_Sample_Database(*db, FileKind::ChannelData);
    return db;
}

// "changed programs 3>3: TV program ..." for every change.
QStringList Dump(const DatabaseComparison &comparison)
{
    QStringList lines;
    for (const EntryChange &change : comparison.changes)
        lines << QStringLiteral("%1 %2 %3>%4: %5")
                         .arg(Change_Kind_Key(change.kind), Compare_Table_Key(change.table))
                         .arg(change.a_slot)
                         .arg(change.b_slot)
                         .arg(QString::fromStdString(change.text));
    return lines;
}

int Free_Sat_Tp(const ChannelDatabase &db)
{
    int slot = 0;
    while (db.rows.sat_tps[static_cast<std::size_t>(slot)].In_Use != 0)
        ++slot;
    return slot;
}

void Shift_Sat_Tp(ChannelDatabase &db, int slot, int mhz)
{
    const TTp_Info_String &row = db.rows.sat_tps[static_cast<std::size_t>(slot)];
    Edit_Sat_Transponder(db, slot,
                         {row.Polarity, row.Fec,
                          static_cast<std::uint32_t>(std::stoul(row.Symbol_Rate)),
                          static_cast<std::uint32_t>(std::stoi(row.Frequency) + mhz)});
}

// The sample's transponders all carry programs: a transponder without any, in both databases.
int Empty_Sat_Tp(ChannelDatabase &a, ChannelDatabase &b)
{
    const int slot = Free_Sat_Tp(a);
    Add_Sat_Tp(a, slot, 0, 12100, kH, 27500, 3);
    Add_Sat_Tp(b, slot, 0, 12100, kH, 27500, 3);
    return slot;
}

ProgramValues Values_Of(const ChannelDatabase &db, int slot)
{
    const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(slot)];
    const auto number
            = [](const std::string &text) { return static_cast<std::uint32_t>(std::stoul(text)); };
    return {row.Is_Radio != 0,
            row.Locked != 0,
            row.Skipped != 0,
            number(row.Service_Id),
            number(row.Pcr_Pid),
            number(row.Private_Pid),
            number(row.Video_Pid),
            number(row.Audio_Pid),
            static_cast<std::uint32_t>(std::stoul(row.Favourite_Mask, nullptr, 2)),
            number(row.Pmt_Pid),
            row.Name};
}

void Edit_Program_With(ChannelDatabase &db, int slot,
                       const std::function<void(ProgramValues &)> &edit)
{
    ProgramValues values = Values_Of(db, slot);
    edit(values);
    Edit_Program(db, slot, values);
}

} // namespace

class TestDatabaseCompare : public QObject
{
    Q_OBJECT

private slots:
    void one_edit_one_change_data();
    void one_edit_one_change();
    void moves_are_outside_the_longest_kept_run_data();
    void moves_are_outside_the_longest_kept_run();
    void random_edits_compare_symmetrically();
};

void TestDatabaseCompare::one_edit_one_change_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("changes");
    const auto row = [](const char *name, Edit edit, const QStringList &changes) {
        QTest::newRow(name) << edit << changes;
    };
    row("nothing", [](ChannelDatabase &, ChannelDatabase &) {}, {});
    row("satellite longitude",
        [](ChannelDatabase &, ChannelDatabase &b) {
            Write_Field(b.raw.satellites[1], sat::Longitude, 193);
            Decode_Satellite(b.raw.satellites[1], b.rows.satellites[1]);
        },
        {"changed satellites 1>1: Satellite \"Sat 13.0E\": Longitude 13 -> 19.3"});
    row("satellite name and LNB",
        [](ChannelDatabase &, ChannelDatabase &b) {
            Write_Satellite_Name(b.raw.satellites[2], "Renamed");
            Write_Field(b.raw.satellites[2], sat::Tone_22K, 1);
            Decode_Satellite(b.raw.satellites[2], b.rows.satellites[2]);
        },
        {"changed satellites 2>2: Satellite \"Renamed\": Name \"Sat 28.2E\" -> \"Renamed\"; 22K 2 "
         "-> 1"});
    row("satellite transponder added",
        [](ChannelDatabase &, ChannelDatabase &b) {
            Add_Sat_Tp(b, Free_Sat_Tp(b), 0, 12345, kV, 27500, 3);
        },
        {"added sat_transponders -1>92: Transponder NO.15 (12345 V) of \"Sat 19.2E\""});
    row("empty satellite transponder removed",
        [](ChannelDatabase &a, ChannelDatabase &b) {
            Delete_Sat_Transponder(b, Empty_Sat_Tp(a, b), 0);
        },
        {"removed sat_transponders 92>-1: Transponder NO.15 (12100 H) of \"Sat 19.2E\""});
    row("symbol rate and FEC",
        [](ChannelDatabase &, ChannelDatabase &b) {
            Edit_Sat_Transponder(b, 0, {std::nullopt, 5, 27000, 10714});
        },
        {"changed sat_transponders 0>0: Transponder NO.1 (10714 H) of \"Sat 19.2E\": Symbol rate "
         "22000 -> 27000; FEC 5/6 -> 6/7"});
    row("frequency 2 MHz up is the same transponder",
        [](ChannelDatabase &a, ChannelDatabase &b) { Shift_Sat_Tp(b, Empty_Sat_Tp(a, b), 2); },
        {"changed sat_transponders 92>92: Transponder NO.15 (12102 H) of \"Sat 19.2E\": Frequency "
         "12100 -> 12102"});
    row("frequency 3 MHz down is another one",
        [](ChannelDatabase &a, ChannelDatabase &b) { Shift_Sat_Tp(b, Empty_Sat_Tp(a, b), -3); },
        {"removed sat_transponders 92>-1: Transponder NO.15 (12100 H) of \"Sat 19.2E\"",
         "added sat_transponders -1>92: Transponder NO.15 (12097 H) of \"Sat 19.2E\""});
    row("terrestrial transponder added",
        [](ChannelDatabase &, ChannelDatabase &b) { Add_Ter_Tp(b, 10, 3, 858000, 1); },
        {"added ter_transponders -1>10: Terrestrial transponder NO.11 (858000 kHz)"});
    row("terrestrial bandwidth",
        [](ChannelDatabase &, ChannelDatabase &b) {
            Edit_Ter_Transponder(b, 0, {482000, 0}, "482000");
        },
        {"changed ter_transponders 0>0: Terrestrial transponder NO.1 (482000 kHz): Bandwidth 2 -> "
         "0"});
    row("program added",
        [](ChannelDatabase &, ChannelDatabase &b) {
            Add_Program(b, {.tp = 0, .name = "Brand New"});
        },
        {"added programs -1>362: TV program \"Brand New\" (list number 248)"});
    row("program removed", [](ChannelDatabase &, ChannelDatabase &b) { Delete_Program(b, 7); },
        {"removed programs 7>-1: TV program \"Marbeck One\" (list number 7)"});
    row("PIDs, name and flags",
        [](ChannelDatabase &, ChannelDatabase &b) {
            Edit_Program_With(b, 3, [](ProgramValues &values) {
                values.video_pid = 300;
                values.name = "Velora 1";
                values.locked = !values.locked;
                values.favourite_mask = Groups({1, 3});
            });
        },
        {"changed programs 3>3: TV program \"Velora 1\" (list number 4): Name \"Quillan Music\" "
         "-> \"Velora 1\"; Locked no -> yes; Video PID 288 -> 300; Favourite groups 4 -> 1, 3"});
    row("audio track",
        [](ChannelDatabase &, ChannelDatabase &b) { Append_Audio_Track(b, 5, 1234, "fra"); },
        {"changed programs 5>5: TV program \"Marbeck Travel\" (list number 6): Audio tracks none "
         "-> 1234 fra"});
    row("program on another satellite's transponder of its frequency",
        [](ChannelDatabase &, ChannelDatabase &b) {
            const TTp_Info_String tp = b.rows.sat_tps[0];
            const int copy = Free_Sat_Tp(b);
            Add_Sat_Tp(b, copy, 9, std::stoul(tp.Frequency), tp.Polarity, 27500, 3);
            Set_Program_Field(b, 0, prog::Tp_Index, static_cast<std::uint32_t>(copy));
        },
        {"added sat_transponders -1>92: Transponder NO.7 (10714 H) of \"Sat 68.5E C\"",
         "changed programs 0>0: TV program \"Velora One\" (list number 1): Transponder 10714 H of "
         "\"Sat 19.2E\" -> 10714 H of \"Sat 68.5E C\""});
    row("favourite group renamed",
        [](ChannelDatabase &, ChannelDatabase &b) {
            Write_Favourite_Name(b.raw.favourite_names[2], "Films");
            Decode_Favourite_Name(b.raw.favourite_names[2], b.rows.favourite_names[2]);
        },
        {"changed favourite_groups 2>2: Favourite group 3 \"Films\": Name \"Movies\" -> "
         "\"Films\""});
}

void TestDatabaseCompare::one_edit_one_change()
{
    QFETCH(Edit, edit);
    const auto a = Sample();
    const auto b = Sample();
    edit(*a, *b);
    const DatabaseComparison comparison = Compare_Databases(*a, *b);
    QTEST(Dump(comparison), "changes");
    int counted = 0;
    for (const int count : comparison.counts)
        counted += count;
    QCOMPARE(counted, static_cast<int>(comparison.changes.size()));
}

void TestDatabaseCompare::moves_are_outside_the_longest_kept_run_data()
{
    QTest::addColumn<QList<int>>("order"); // the first ten TV programs' new order
    QTest::addColumn<int>("deleted");      // a TV program deleted from B, or -1
    QTest::addColumn<QStringList>("moved");
    QTest::newRow("one program moved far")
            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 0} << -1
            << QStringList{"moved programs 0>11: TV program \"Velora One\" (list number 10): moved "
                           "from "
                           "list number 1"};
    QTest::newRow("two swapped") << QList<int>{0, 2, 1, 3, 4, 5, 6, 7, 8, 9} << -1
                                 << QStringList{
                                            "moved programs 2>1: TV program \"Quillan Kids\" (list "
                                            "number 2): moved from list number 3"};
    QTest::newRow("a deletion moves nothing")
            << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 4 << QStringList{};
}

void TestDatabaseCompare::moves_are_outside_the_longest_kept_run()
{
    QFETCH(QList<int>, order);
    QFETCH(int, deleted);
    const auto a = Sample();
    const auto b = Sample();
    const std::vector<int> tv = Used_Program_Slots(*b, false);
    const std::vector<int> first(tv.begin(), tv.begin() + 10);
    std::vector<int> new_order;
    for (const int k : order)
        new_order.push_back(first[static_cast<std::size_t>(k)]);
    QVERIFY(Reorder_Programs(*b, first, new_order));
    if (deleted >= 0)
        Delete_Program(*b, tv[static_cast<std::size_t>(deleted)]);
    const DatabaseComparison comparison = Compare_Databases(*a, *b);
    QStringList moved;
    for (const QString &line : Dump(comparison))
        if (line.startsWith("moved"))
            moved << line;
    QTEST(moved, "moved");
    QCOMPARE(comparison.count(ChangeKind::Removed), deleted >= 0 ? 1 : 0);
    QCOMPARE(comparison.count(ChangeKind::Changed), 0);
}

// Programs shuffled, some deleted, some renamed: A against B lists what B against A lists,
// added and removed swapped; every renamed program is one change; the same database twice
// gives nothing.
void TestDatabaseCompare::random_edits_compare_symmetrically()
{
    std::mt19937 random(2612);
    for (int round = 0; round < 20; ++round) {
        const auto a = Sample();
        const auto b = Sample();
        for (const bool radio : {false, true}) {
            const std::vector<int> used = Used_Program_Slots(*b, radio);
            std::vector<int> shuffled = used;
            std::shuffle(shuffled.begin(),
                         shuffled.begin() + static_cast<long>(random() % used.size()), random);
            QVERIFY(Reorder_Programs(*b, used, shuffled));
        }
        std::set<std::string> renamed;
        for (int k = 0; k < 5; ++k) {
            const int slot = static_cast<int>(random() % static_cast<unsigned>(b->Program_Count));
            Edit_Program_With(*b, slot, [&](ProgramValues &values) {
                values.name = "Renamed " + std::to_string(k);
            });
        }
        for (int k = 0; k < 3; ++k)
            Delete_Program(*b,
                           static_cast<int>(random() % static_cast<unsigned>(b->Program_Count)));
        const DatabaseComparison forward = Compare_Databases(*a, *b);
        const DatabaseComparison backward = Compare_Databases(*b, *a);
        QCOMPARE(forward.count(ChangeKind::Removed), 3);
        QCOMPARE(forward.count(ChangeKind::Added), 0);
        QVERIFY(forward.count(ChangeKind::Changed) <= 5);
        QCOMPARE(backward.count(ChangeKind::Added), forward.count(ChangeKind::Removed));
        QCOMPARE(backward.count(ChangeKind::Changed), forward.count(ChangeKind::Changed));
        QCOMPARE(backward.count(ChangeKind::Moved), forward.count(ChangeKind::Moved));
        QVERIFY(Compare_Databases(*b, *b).empty());
    }
}

QTEST_GUILESS_MAIN(TestDatabaseCompare)
#include "tst_database_compare.moc"
