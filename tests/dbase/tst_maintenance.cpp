// The deletion cascades: the default transponder that replaces a satellite's last one,
// renumbering within a satellite and within a terrestrial group, programs deleted with their
// transponder (and only those of its table), audio tracks removed and renumbered with their
// programs, counters that never go below 0, and indices from a hostile image. Every cascade
// is followed by a check of the layout's invariants.

#include "channel_fixtures.h"
#include "dbase_test_support.h"
#include "tools/sample_database.h"

#include <QtTest>

#include <random>

using namespace orvane;
using namespace orvane::test;

namespace {

SatTransponderRecord Expected_Default_Tp(int satellite)
{
    SatTransponderRecord record = kEmptySatTransponder;
    Store_U32(record, 4, 1u | static_cast<std::uint32_t>(satellite) << 1 | 1u << 9);
    return record;
}

int Slot_Of_Sat_Tp_Number(const ChannelDatabase &db, int satellite, int number)
{
    for (int t = 0; t < kSatTransponderSlots; ++t) {
        const TTp_Info_String &row = db.rows.sat_tps[t];
        if (row.In_Use == 1 && row.Sat_Index == satellite && row.Tp_Number == number)
            return t;
    }
    return -1;
}

void Verify_Freed_Sat_Tp(const ChannelDatabase &db, int t)
{
    QCOMPARE(Hex(db.raw.sat_tps[t]), Hex(kEmptySatTransponder));
    const TTp_Info_String &row = db.rows.sat_tps[t];
    QCOMPARE(row.In_Use, 0);
    QCOMPARE(row.Sat_Index, 255);
    QVERIFY(row.Polarity_Text.empty() && row.Fec_Text.empty());
    QVERIFY(row.Symbol_Rate.empty() && row.Frequency.empty());
}

void Verify_Freed_Ter_Tp(const ChannelDatabase &db, int t)
{
    QCOMPARE(Hex(db.raw.ter_tps[t]), Hex(kEmptyTerTransponder));
    QCOMPARE(Ter_Tp_Line(db, t), QStringLiteral("ttp %1: group 255 #0  bw 0").arg(t));
    QCOMPARE(db.rows.ter_tps[t].In_Use, 0);
}

void Verify_Freed_Tracks(const ChannelDatabase &db, int from, int to)
{
    for (int a = from; a < to; ++a) {
        QCOMPARE(Hex(db.raw.audio_tracks[a]), QByteArray("FE FF FF FF 00 00 00 FF"));
        QCOMPARE(Row_Text(db.rows.audio_tracks[a]), QStringLiteral("0 4001 0 []"));
    }
}

// The raw track a record turned into once its owner moved: only Program_Index changes.
AudioTrackRecord Renumbered(AudioTrackRecord record, int program)
{
    Write_Field(record, audio::Program_Index, static_cast<std::uint32_t>(program));
    return record;
}

// Five satellite programs P0..P4 on one transponder; P1, P3 and P4 own tracks, with W0 bits
// 30..31 set in some of them.
std::unique_ptr<ChannelDatabase> Programs_With_Tracks()
{
    auto db = Blank_Database();
    Add_Sat_Tp(*db, 0, 0, 11778, kV, 27500, 3);
    for (int p = 0; p < 5; ++p)
        Add_Program(*db, {.tp = 0, .name = "P" + std::to_string(p)});
    Append_Audio_Track(*db, 1, 1101, "ENG");
    Append_Audio_Track(*db, 1, 1102, "DEU", 2);
    Append_Audio_Track(*db, 3, 1301, "FRA", 1);
    Append_Audio_Track(*db, 4, 1401, "ITA", 3);
    Append_Audio_Track(*db, 4, 1402, "SPA");
    Set_Program_Field(*db, 1, prog::Audio_Track_Total, 3);
    Set_Program_Field(*db, 3, prog::Audio_Track_Total, 2);
    Set_Program_Field(*db, 4, prog::Audio_Track_Total, 3);
    return db;
}

// ---- the compaction that assumes a program's tracks lie next to each other: tracks are ----
// ---- looked for only when Audio_Track_Total is above 1, and the run after them moves up  ----

int Adjacent_Delete_Audio_Tracks(ChannelDatabase &db, int program, int count)
{
    int removed = 0;
    int first = -1;
    for (int a = 0; a < count; ++a) {
        if (db.rows.audio_tracks[a].Program_Index != program)
            continue;
        Empty_Audio_Track(db, a);
        first = first < 0 ? a : first;
        ++removed;
    }
    if (removed == 0)
        return 0;
    for (int a = first; a < count - removed; ++a) {
        db.raw.audio_tracks[a] = db.raw.audio_tracks[a + removed];
        db.rows.audio_tracks[a] = db.rows.audio_tracks[a + removed];
    }
    for (int a = count - removed; a < count; ++a)
        Empty_Audio_Track(db, a);
    return removed;
}

void Adjacent_Renumber(ChannelDatabase &db, int from, int to, int count)
{
    for (int a = 0; a < count; ++a) {
        if (db.rows.audio_tracks[a].Program_Index != from)
            continue;
        db.rows.audio_tracks[a].Program_Index = to;
        Write_Field(db.raw.audio_tracks[a], audio::Program_Index, static_cast<std::uint32_t>(to));
    }
}

void Adjacent_Delete_Program(ChannelDatabase &db, int program)
{
    int tracks = Stored_Audio_Track_Count(db.raw);
    if (db.rows.programs[program].Audio_Track_Total > 1) {
        tracks -= Adjacent_Delete_Audio_Tracks(db, program, tracks);
        Set_Audio_Track_Count(db.raw, tracks);
    }
    for (int q = program + 1; q < db.Program_Count; ++q) {
        db.raw.programs[q - 1] = db.raw.programs[q];
        db.rows.programs[q - 1] = db.rows.programs[q];
        Adjacent_Renumber(db, q, q - 1, tracks);
    }
    Set_Program_Count(db, db.Program_Count - 1);
}

std::unique_ptr<ChannelDatabase> Copy_Of(const ChannelDatabase &db)
{
    auto copy = Make_Channel_Database();
    *copy = db;
    return copy;
}

QList<int> Counters_Of(const ChannelDatabase &db)
{
    return {Stored_Program_Count(db.raw), Stored_Audio_Track_Count(db.raw),
            Sat_Tp_Total_Count(db.raw),   Sat_Tp_Per_Sat_Count(db.raw, 0),
            Ter_Tp_Total_Count(db.raw),   Ter_Tp_Per_Group_Count(db.raw, 0)};
}

} // namespace

class TestMaintenance : public QObject
{
    Q_OBJECT

private slots:
    void deleting_many_at_once_is_deleting_each_data();
    void deleting_many_at_once_is_deleting_each();
    void invariant_check_sees_faults_data();
    void invariant_check_sees_faults();
    void only_sat_tp_becomes_default_data();
    void only_sat_tp_becomes_default();
    void sat_renumbering_data();
    void sat_renumbering();
    void sat_tp_deletion_keeps_terrestrial_programs();
    void ter_renumbering_within_group_data();
    void ter_renumbering_within_group();
    void ter_group_may_become_empty();
    void delete_program_with_tracks_data();
    void delete_program_with_tracks();
    void delete_last_program_only_lowers_count_data();
    void delete_last_program_only_lowers_count();
    void stray_tracks_data();
    void stray_tracks();
    void same_bytes_as_adjacent_compaction_data();
    void same_bytes_as_adjacent_compaction();
    void counters_never_below_zero_data();
    void counters_never_below_zero();
    void hostile_indices_data();
    void hostile_indices();
};

// The check every cascade ends with must itself see a broken database.
void TestMaintenance::invariant_check_sees_faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reported");

    QTest::newRow("valid") << "none"
                           << "";
    QTest::newRow("Total_Count off") << "total"
                                     << "sat tps Total_Count 3 used 2";
    QTest::newRow("number gap") << "gap"
                                << "sat tps of 0 numbered 1,3 count 2";
    QTest::newRow("group count off") << "group"
                                     << "ter tps of 0 count 2 used 0";
    QTest::newRow("program on a freed tp") << "freed tp"
                                           << "prog 1: in use 1 kind 1 tp 7";
    QTest::newRow("tracks apart") << "apart"
                                  << "audio 2: of program 1";
    QTest::newRow("row differs from raw") << "row"
                                          << "prog 0: row [";
}

void TestMaintenance::invariant_check_sees_faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, reported);

    auto db = Blank_Database();
    Add_Sat_Tp(*db, 0, 0, 11778, kV, 27500, 3);
    Add_Sat_Tp(*db, 1, 0, 12188, kH, 22000, 2);
    Add_Program(*db, {.tp = 0, .name = "P0"});
    Add_Program(*db, {.tp = 1, .name = "P1"});
    Append_Audio_Track(*db, 1, 1101);
    Append_Audio_Track(*db, 0, 1001);
    if (fault != "apart")
        Append_Audio_Track(*db, 0, 1002);
    else
        Append_Audio_Track(*db, 1, 1102);
    Set_Program_Field(*db, 0, prog::Audio_Track_Total, fault == "apart" ? 2 : 3);
    Set_Program_Field(*db, 1, prog::Audio_Track_Total, fault == "apart" ? 3 : 2);
    if (fault == "total")
        Set_Sat_Tp_Counts(db->raw, 3, 0, 2);
    else if (fault == "gap")
        db->rows.sat_tps[1].Tp_Number = 3;
    else if (fault == "group")
        Set_Ter_Tp_Counts(db->raw, 0, 0, 2);
    else if (fault == "freed tp")
        Set_Program_Field(*db, 1, prog::Tp_Index, 7);
    else if (fault == "row")
        db->rows.programs[0].Name = "Other";

    const QStringList problems = Check_Invariants(*db);
    if (reported.isEmpty())
        QCOMPARE(problems, QStringList());
    else
        QVERIFY2(problems.join('\n').contains(reported), qPrintable(problems.join('\n')));
}

// Satellite 5's only transponder is deleted; satellite 0 owns the slots listed. A terrestrial
// program whose Tp_Index is the deleted slot's number stays.
void TestMaintenance::only_sat_tp_becomes_default_data()
{
    QTest::addColumn<QList<int>>("sat0_slots");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("default_slot");

    QTest::newRow("free slot below") << QList<int>{0, 1, 3} << 4 << 2;
    QTest::newRow("no free slot below") << QList<int>{0, 1, 2, 3} << 4 << 4;
    QTest::newRow("slot 0") << QList<int>{1, 2} << 0 << 0;
}

void TestMaintenance::only_sat_tp_becomes_default()
{
    QFETCH(QList<int>, sat0_slots);
    QFETCH(int, deleted);
    QFETCH(int, default_slot);

    auto db = Blank_Database();
    for (const int t : sat0_slots)
        Add_Sat_Tp(*db, t, 0, 11000 + 10 * static_cast<std::uint32_t>(t), kV, 27500, 2);
    Add_Sat_Tp(*db, deleted, 5, 12345, kV, 30000, 6);
    for (int t = 0; t < 5; ++t)
        Add_Ter_Tp(*db, t, 0, 474000 + 8000 * static_cast<std::uint32_t>(t));
    Add_Program(*db, {.tp = deleted, .name = "Gone A"});
    Add_Program(*db, {.tp = sat0_slots.first(), .name = "Kept"});
    Add_Program(*db, {.kind = prog::kKindTerrestrial, .tp = deleted, .name = "Ter kept"});
    Add_Program(*db, {.tp = deleted, .name = "Gone B", .radio = true});
    const int total = Sat_Tp_Total_Count(db->raw);

    const SatTpDeletion result = Delete_Sat_Transponder(*db, deleted, 5);

    QVERIFY(result.Default_Tp_Replaced);
    QCOMPARE(result.default_slot, default_slot);
    QCOMPARE(result.programs_deleted, 2);
    QCOMPARE(Sat_Tp_Total_Count(db->raw), total);
    QCOMPARE(Sat_Tp_Per_Sat_Count(db->raw, 5), 1);
    QCOMPARE(Sat_Tp_Line(*db, default_slot),
             QStringLiteral("tp %1: sat 5 #1 4000 H 28125 Auto").arg(default_slot));
    QCOMPARE(Read_Field(db->raw.sat_tps[default_slot], sat_tp::W2_Low_Bits), 0u);
    QCOMPARE(Hex(db->raw.sat_tps[default_slot]), Hex(Expected_Default_Tp(5)));
    QCOMPARE(db->rows.sat_tps[default_slot].Polarity, 0);
    QCOMPARE(db->rows.sat_tps[default_slot].Fec, 0);
    if (default_slot != deleted)
        Verify_Freed_Sat_Tp(*db, deleted);
    QCOMPARE(Program_Dump(*db),
             (QStringList{
                     QStringLiteral("prog 0: sat tp %1 TV Kept tracks 1").arg(sat0_slots.first()),
                     QStringLiteral("prog 1: ter tp %1 TV Ter kept tracks 1").arg(deleted)}));
    QCOMPARE(Check_Invariants(*db), QStringList());
}

// Satellite 0's transponders were made in the order slot 4, 0, 2 (numbers 1, 2, 3), so the
// numbers do not follow the slots; satellite 1 owns slots 1 and 3. Bits of W1 outside
// Tp_Number and the bytes after W2 carry marks that must survive the renumbering.
void TestMaintenance::sat_renumbering_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("expected");

    const QString sat1_a = "tp 1: sat 1 #1 12000 V 27500 5/6";
    const QString sat1_b = "tp 3: sat 1 #2 12100 H 27500 7/8";
    QTest::newRow("number 1 of 1,2,3") << 1
                                       << QStringList{"tp 0: sat 0 #1 11100 V 22000 1/2", sat1_a,
                                                      "tp 2: sat 0 #2 11200 H 30000 3/4", sat1_b};
    QTest::newRow("number 2 of 1,2,3") << 2
                                       << QStringList{sat1_a, "tp 2: sat 0 #2 11200 H 30000 3/4",
                                                      sat1_b, "tp 4: sat 0 #1 11000 H 27500 Auto"};
    QTest::newRow("number 3 of 1,2,3") << 3
                                       << QStringList{"tp 0: sat 0 #2 11100 V 22000 1/2", sat1_a,
                                                      sat1_b, "tp 4: sat 0 #1 11000 H 27500 Auto"};
}

void TestMaintenance::sat_renumbering()
{
    QFETCH(int, number);
    QFETCH(QStringList, expected);

    auto db = Blank_Database();
    Add_Sat_Tp(*db, 4, 0, 11000, kH, 27500, 0);
    Add_Sat_Tp(*db, 0, 0, 11100, kV, 22000, 1);
    Add_Sat_Tp(*db, 2, 0, 11200, kH, 30000, 3);
    Add_Sat_Tp(*db, 1, 1, 12000, kV, 27500, 4);
    Add_Sat_Tp(*db, 3, 1, 12100, kH, 27500, 6);
    for (int t = 0; t < 5; ++t) {
        Write_Field(db->raw.sat_tps[t], sat_tp::W1_High_Bits, 0x1A5);
        Store_U32(db->raw.sat_tps[t], 16, 0xC0FFEE00u + static_cast<std::uint32_t>(t));
    }
    Decode_Rows(*db);
    const auto before = db->raw.sat_tps;
    const int slot = Slot_Of_Sat_Tp_Number(*db, 0, number);

    const SatTpDeletion result = Delete_Sat_Transponder(*db, slot, 0);

    QVERIFY(!result.Default_Tp_Replaced);
    QCOMPARE(Sat_Tp_Dump(*db), expected);
    QCOMPARE(Sat_Tp_Total_Count(db->raw), 4);
    QCOMPARE(Sat_Tp_Per_Sat_Count(db->raw, 0), 2);
    QCOMPARE(Sat_Tp_Per_Sat_Count(db->raw, 1), 2);
    Verify_Freed_Sat_Tp(*db, slot);
    for (int t = 0; t < 5; ++t) {
        if (t == slot)
            continue;
        SatTransponderRecord kept = before[t];
        Write_Field(kept, sat_tp::Tp_Number,
                    static_cast<std::uint32_t>(db->rows.sat_tps[t].Tp_Number));
        QCOMPARE(Hex(db->raw.sat_tps[t]), Hex(kept));
    }
    QCOMPARE(Check_Invariants(*db), QStringList());
}

// Satellite programs on the deleted transponder go, with their audio tracks; terrestrial
// programs whose Tp_Index is the same number stay, and so do the tracks of the others.
void TestMaintenance::sat_tp_deletion_keeps_terrestrial_programs()
{
    auto db = Blank_Database();
    Add_Sat_Tp(*db, 0, 0, 11778, kV, 27500, 3);
    Add_Sat_Tp(*db, 1, 0, 12188, kH, 22000, 2);
    Add_Ter_Tp(*db, 0, 0, 474000);
    Add_Ter_Tp(*db, 1, 0, 482000);
    Add_Program(*db, {.tp = 1, .name = "A"});
    Add_Program(*db, {.kind = prog::kKindTerrestrial, .tp = 1, .name = "T"});
    Add_Program(*db, {.tp = 0, .name = "B"});
    Add_Program(*db, {.tp = 1, .name = "C", .radio = true});
    Add_Program(*db, {.kind = prog::kKindTerrestrial, .tp = 1, .name = "T2"});
    Append_Audio_Track(*db, 2, 2001, "ENG");
    Append_Audio_Track(*db, 3, 3001, "DEU");
    Append_Audio_Track(*db, 3, 3002, "FRA");
    Append_Audio_Track(*db, 4, 4001, "ITA");
    Set_Program_Field(*db, 2, prog::Audio_Track_Total, 2);
    Set_Program_Field(*db, 3, prog::Audio_Track_Total, 3);
    Set_Program_Field(*db, 4, prog::Audio_Track_Total, 2);

    const SatTpDeletion result = Delete_Sat_Transponder(*db, 1, 0);

    QVERIFY(!result.Default_Tp_Replaced);
    QCOMPARE(result.programs_deleted, 2);
    QCOMPARE(Sat_Tp_Dump(*db), QStringList{"tp 0: sat 0 #1 11778 V 27500 3/4"});
    QCOMPARE(Program_Dump(*db),
             (QStringList{"prog 0: ter tp 1 TV T tracks 1", "prog 1: sat tp 0 TV B tracks 2",
                          "prog 2: ter tp 1 TV T2 tracks 2"}));
    QCOMPARE(Audio_Dump(*db),
             (QStringList{"audio 0: prog 1 pid 2001 ENG", "audio 1: prog 2 pid 4001 ITA"}));
    Verify_Freed_Tracks(*db, 2, 4);
    QCOMPARE(Check_Invariants(*db), QStringList());
}

// Group 0 holds slots 0, 1, 2 (numbers 1, 2, 3) and group 1 slots 3, 4 (numbers 1, 2); W0
// bits 17..31 carry a mark. Only the deleted transponder's group closes its gap.
void TestMaintenance::ter_renumbering_within_group_data()
{
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("group");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("group_counts");

    const QString g0[] = {"ttp 0: group 0 #1 474000 bw 2", "ttp 1: group 0 #2 482000 bw 2",
                          "ttp 2: group 0 #3 490000 bw 2"};
    const QString g1[] = {"ttp 3: group 1 #1 498000 bw 2", "ttp 4: group 1 #2 506000 bw 2"};
    QTest::newRow("group 0 number 1") << 0 << 0
                                      << QStringList{"ttp 1: group 0 #1 482000 bw 2",
                                                     "ttp 2: group 0 #2 490000 bw 2", g1[0], g1[1]}
                                      << QList<int>{2, 2};
    QTest::newRow("group 0 number 3")
            << 2 << 0 << QStringList{g0[0], g0[1], g1[0], g1[1]} << QList<int>{2, 2};
    QTest::newRow("group 1 number 1")
            << 3 << 1 << QStringList{g0[0], g0[1], g0[2], "ttp 4: group 1 #1 506000 bw 2"}
            << QList<int>{3, 1};
}

void TestMaintenance::ter_renumbering_within_group()
{
    QFETCH(int, deleted);
    QFETCH(int, group);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, group_counts);

    auto db = Blank_Database();
    const int groups[] = {0, 0, 0, 1, 1};
    for (int t = 0; t < 5; ++t) {
        Add_Sat_Tp(*db, t, 0, 11000 + static_cast<std::uint32_t>(t), kH, 27500, 0);
        Add_Ter_Tp(*db, t, groups[t], 474000 + 8000 * static_cast<std::uint32_t>(t));
        Write_Field(db->raw.ter_tps[t], BitField{0, 17, 15}, 0x2B5F);
    }
    Decode_Rows(*db);
    Add_Program(*db, {.kind = prog::kKindTerrestrial, .tp = deleted, .name = "Ter gone"});
    Add_Program(*db, {.tp = deleted, .name = "Sat kept"});
    Add_Program(*db, {.kind = prog::kKindTerrestrial, .tp = 4, .name = "Ter kept"});
    const auto before = db->raw.ter_tps;

    QCOMPARE(Delete_Ter_Transponder(*db, deleted, group), 1);

    QCOMPARE(Ter_Tp_Dump(*db), expected);
    QCOMPARE(Ter_Tp_Total_Count(db->raw), 4);
    QCOMPARE(Ter_Tp_Per_Group_Count(db->raw, 0), group_counts[0]);
    QCOMPARE(Ter_Tp_Per_Group_Count(db->raw, 1), group_counts[1]);
    Verify_Freed_Ter_Tp(*db, deleted);
    for (int t = 0; t < 5; ++t) {
        if (t == deleted)
            continue;
        TerTransponderRecord kept = before[t];
        Write_Field(kept, ter_tp::Tp_Number, db->rows.ter_tps[t].Tp_Number);
        QCOMPARE(Hex(db->raw.ter_tps[t]), Hex(kept));
    }
    QCOMPARE(Program_Dump(*db).size(), 2);
    QCOMPARE(Program_Dump(*db).first(),
             QStringLiteral("prog 0: sat tp %1 TV Sat kept tracks 1").arg(deleted));
    QCOMPARE(Check_Invariants(*db), QStringList());
}

// No last-transponder rule on the terrestrial side.
void TestMaintenance::ter_group_may_become_empty()
{
    auto db = Blank_Database();
    Add_Ter_Tp(*db, 0, 0, 474000);
    Add_Ter_Tp(*db, 1, 1, 482000);
    Add_Ter_Tp(*db, 2, 1, 490000);
    Delete_Ter_Transponder(*db, 1, 1);
    Delete_Ter_Transponder(*db, 2, 1);
    QCOMPARE(Ter_Tp_Dump(*db), QStringList{"ttp 0: group 0 #1 474000 bw 2"});
    QCOMPARE(Ter_Tp_Per_Group_Count(db->raw, 1), 0);
    QCOMPARE(Ter_Tp_Total_Count(db->raw), 1);
    QCOMPARE(Check_Invariants(*db), QStringList());
}

// Tracks before: P1 1101 1102, P3 1301, P4 1401 1402.
void TestMaintenance::delete_program_with_tracks_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<QStringList>("programs");
    QTest::addColumn<QStringList>("tracks");

    QTest::newRow("two tracks, Audio_Track_Total 3")
            << 1 << QStringList{"P0", "P2", "P3", "P4"}
            << QStringList{"audio 0: prog 2 pid 1301 FRA", "audio 1: prog 3 pid 1401 ITA",
                           "audio 2: prog 3 pid 1402 SPA"};
    QTest::newRow("first, no tracks")
            << 0 << QStringList{"P1", "P2", "P3", "P4"}
            << QStringList{"audio 0: prog 0 pid 1101 ENG", "audio 1: prog 0 pid 1102 DEU",
                           "audio 2: prog 2 pid 1301 FRA", "audio 3: prog 3 pid 1401 ITA",
                           "audio 4: prog 3 pid 1402 SPA"};
    QTest::newRow("middle, no tracks")
            << 2 << QStringList{"P0", "P1", "P3", "P4"}
            << QStringList{"audio 0: prog 1 pid 1101 ENG", "audio 1: prog 1 pid 1102 DEU",
                           "audio 2: prog 2 pid 1301 FRA", "audio 3: prog 3 pid 1401 ITA",
                           "audio 4: prog 3 pid 1402 SPA"};
    QTest::newRow("last, two tracks")
            << 4 << QStringList{"P0", "P1", "P2", "P3"}
            << QStringList{"audio 0: prog 1 pid 1101 ENG", "audio 1: prog 1 pid 1102 DEU",
                           "audio 2: prog 3 pid 1301 FRA"};
}

void TestMaintenance::delete_program_with_tracks()
{
    QFETCH(int, program);
    QFETCH(QStringList, programs);
    QFETCH(QStringList, tracks);

    auto db = Programs_With_Tracks();
    const auto before = db->raw.audio_tracks;

    Delete_Program(*db, program);

    QStringList names;
    for (int p = 0; p < db->Program_Count; ++p)
        names << Q(db->rows.programs[p].Name);
    QCOMPARE(names, programs);
    QCOMPARE(Audio_Dump(*db), tracks);
    QCOMPARE(Stored_Audio_Track_Count(db->raw), static_cast<int>(tracks.size()));
    QCOMPARE(Stored_Program_Count(db->raw), 4);
    // Moved tracks keep W0 bit 0, Audio_Pid, bits 30..31 and the tag: only the owner changes.
    for (int a = 0; a < tracks.size(); ++a) {
        const int pid = std::stoi(db->rows.audio_tracks[a].Audio_Pid);
        const auto original = std::find_if(before.begin(), before.end(), [pid](const auto &r) {
            return Read_Field(r, audio::Audio_Pid) == static_cast<std::uint32_t>(pid);
        });
        QVERIFY(original != before.end());
        QCOMPARE(Hex(db->raw.audio_tracks[a]),
                 Hex(Renumbered(*original, db->rows.audio_tracks[a].Program_Index)));
    }
    Verify_Freed_Tracks(*db, static_cast<int>(tracks.size()), 5);
    QCOMPARE(Check_Invariants(*db), QStringList());
}

void TestMaintenance::delete_last_program_only_lowers_count_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("last of three") << 3;
    QTest::newRow("program 0 of 1") << 1;
}

// The old last slot keeps its bytes and its row; only Program_Count changes in the image.
void TestMaintenance::delete_last_program_only_lowers_count()
{
    QFETCH(int, count);
    auto db = Blank_Database();
    Add_Sat_Tp(*db, 0, 0, 11778, kV, 27500, 3);
    for (int p = 0; p < count; ++p)
        Add_Program(*db, {.tp = 0, .name = "P" + std::to_string(p)});
    const Bytes before = Image_Of(db->raw);
    const QString last_row = Row_Text(db->rows.programs[count - 1]);

    Delete_Program(*db, count - 1);

    const Bytes after = Image_Of(db->raw);
    QCOMPARE(db->Program_Count, count - 1);
    QCOMPARE(static_cast<int>(Load_U16(after, kProgramCountsOffset)), count - 1);
    Bytes expected = before;
    Store_U16(expected, kProgramCountsOffset, static_cast<std::uint16_t>(count - 1));
    QCOMPARE(First_Difference(after, expected), -1);
    QCOMPARE(Row_Text(db->rows.programs[count - 1]), last_row);
}

// A file from elsewhere: P1 has Audio_Track_Total 1 and yet a stray track, and P2's tracks lie
// apart. Tracks before: P0 1000, P2 2001, P1 1101, P2 2002, P3 3001.
void TestMaintenance::stray_tracks_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<QStringList>("tracks");

    QTest::newRow("stray track, Audio_Track_Total 1")
            << 1
            << QStringList{"audio 0: prog 0 pid 1000 ENG", "audio 1: prog 1 pid 2001 DEU",
                           "audio 2: prog 1 pid 2002 ITA", "audio 3: prog 2 pid 3001 SPA"};
    QTest::newRow("tracks apart") << 2
                                  << QStringList{"audio 0: prog 0 pid 1000 ENG",
                                                 "audio 1: prog 1 pid 1101 FRA",
                                                 "audio 2: prog 2 pid 3001 SPA"};
    QTest::newRow("program 0, the others keep their order")
            << 0
            << QStringList{"audio 0: prog 1 pid 2001 DEU", "audio 1: prog 0 pid 1101 FRA",
                           "audio 2: prog 1 pid 2002 ITA", "audio 3: prog 2 pid 3001 SPA"};
}

void TestMaintenance::stray_tracks()
{
    QFETCH(int, program);
    QFETCH(QStringList, tracks);

    auto db = Blank_Database();
    Add_Sat_Tp(*db, 0, 0, 11778, kV, 27500, 3);
    for (int p = 0; p < 4; ++p)
        Add_Program(*db, {.tp = 0, .name = "P" + std::to_string(p)});
    Append_Audio_Track(*db, 0, 1000, "ENG");
    Append_Audio_Track(*db, 2, 2001, "DEU");
    Append_Audio_Track(*db, 1, 1101, "FRA");
    Append_Audio_Track(*db, 2, 2002, "ITA");
    Append_Audio_Track(*db, 3, 3001, "SPA");
    for (const auto &[p, total] : {std::pair{0, 2}, {2, 3}, {3, 2}})
        Set_Program_Field(*db, p, prog::Audio_Track_Total, static_cast<std::uint32_t>(total));

    Delete_Program(*db, program);

    QCOMPARE(Audio_Dump(*db), tracks);
    QCOMPARE(Stored_Audio_Track_Count(db->raw), static_cast<int>(tracks.size()));
    Verify_Freed_Tracks(*db, static_cast<int>(tracks.size()), 5);
}

// On files whose tracks are grouped by program and only programs with Audio_Track_Total above
// 1 own tracks, removing exactly a program's tracks gives the same bytes as the compaction
// that relies on that grouping. Programs are deleted one at a time, chosen by a seeded
// generator, and the whole images compared after each.
void TestMaintenance::same_bytes_as_adjacent_compaction_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<int>("deletions");
    QTest::newRow("sample database, every program") << false << -1;
    QTest::newRow("full database, 6 programs") << true << 6;
}

void TestMaintenance::same_bytes_as_adjacent_compaction()
{
    QFETCH(bool, full);
    QFETCH(int, deletions);

    auto db = Make_Channel_Database();
    if (full)
        Build_Full_Database(*db, FileKind::ChannelData);
    else
        Build_Sample_Database(*db, FileKind::ChannelData);
    QCOMPARE(Check_Invariants(*db), QStringList());
    QVERIFY(Stored_Audio_Track_Count(db->raw) > 0);
    auto grouped = Copy_Of(*db);
    std::mt19937 engine(20240607);
    if (deletions < 0)
        deletions = db->Program_Count;
    for (int step = 0; step < deletions; ++step) {
        // In the full database only the first 500 programs own tracks; aim near them.
        const int range = full ? 600 : db->Program_Count;
        const int p = static_cast<int>(engine() % static_cast<std::uint32_t>(range));
        Delete_Program(*db, p);
        Adjacent_Delete_Program(*grouped, p);
        const Bytes ours = Image_Of(db->raw);
        const Bytes adjacent = Image_Of(grouped->raw);
        if (First_Difference(ours, adjacent) != -1)
            QFAIL(qPrintable(QStringLiteral("step %1, program %2: images differ at byte %3")
                                     .arg(step)
                                     .arg(p)
                                     .arg(First_Difference(ours, adjacent))));
        QCOMPARE(db->Program_Count, grouped->Program_Count);
    }
    QCOMPARE(Check_Invariants(*db), QStringList());
    if (!full)
        QCOMPARE(Stored_Audio_Track_Count(db->raw), 0);
}

// Counts that already read 0 in a hostile image stay 0 instead of wrapping to 65535. Columns
// of the counters: programs, tracks, sat total, satellite 0, ter total, group 0.
void TestMaintenance::counters_never_below_zero_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("Program_Count 0")
            << "program" << QList<int>{0, 0, 2, 2, 1, 1} << QList<int>{0, 0, 2, 2, 1, 1};
    QTest::newRow("track of the program, Audio_Track_Count 0")
            << "program" << QList<int>{1, 0, 2, 2, 1, 1} << QList<int>{0, 0, 2, 2, 1, 1};
    // P0 lies on the deleted satellite transponder and goes with its track.
    QTest::newRow("sat Total_Count 0")
            << "sat tp" << QList<int>{1, 1, 0, 2, 1, 1} << QList<int>{0, 0, 0, 1, 1, 1};
    QTest::newRow("sat counts 0") << "sat tp" << QList<int>{1, 1, 0, 0, 1, 1}
                                  << QList<int>{0, 0, 0, 0, 1, 1};
    QTest::newRow("ter counts 0") << "ter tp" << QList<int>{1, 1, 2, 2, 0, 0}
                                  << QList<int>{1, 1, 2, 2, 0, 0};
}

void TestMaintenance::counters_never_below_zero()
{
    QFETCH(QString, operation);
    QFETCH(QList<int>, counts);
    QFETCH(QList<int>, expected);

    auto db = Blank_Database();
    Add_Sat_Tp(*db, 0, 0, 11778, kV, 27500, 3);
    Add_Sat_Tp(*db, 1, 0, 12188, kH, 22000, 2);
    Add_Ter_Tp(*db, 0, 0, 474000);
    Add_Program(*db, {.tp = 1, .name = "P0"});
    Append_Audio_Track(*db, 0, 1001);
    Set_Program_Field(*db, 0, prog::Audio_Track_Total, 2);
    Set_Program_Count(*db, counts[0]);
    Set_Audio_Track_Count(db->raw, counts[1]);
    Set_Sat_Tp_Counts(db->raw, counts[2], 0, counts[3]);
    Set_Ter_Tp_Counts(db->raw, counts[4], 0, counts[5]);

    if (operation == "program")
        Delete_Program(*db, 0);
    else if (operation == "sat tp")
        Delete_Sat_Transponder(*db, 1, 0);
    else
        Delete_Ter_Transponder(*db, 0, 0);

    QCOMPARE(Counters_Of(*db), expected);
}

// Indices a hostile image or a confused caller may pass: nothing outside a table is read or
// written (run under the asan preset), and slots out of range change nothing at all.
void TestMaintenance::hostile_indices_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("unchanged");

    QTest::newRow("sat tp of satellite 200") << "sat 200" << false;
    QTest::newRow("sat tp whose Sat_Index is 255") << "sat index 255" << false;
    QTest::newRow("ter tp of group 9") << "group 9" << false;
    QTest::newRow("ter tp of group -1") << "group -1" << false;
    QTest::newRow("sat tp slot 2000") << "sat slot 2000" << true;
    QTest::newRow("sat tp slot -1") << "sat slot -1" << true;
    QTest::newRow("ter tp slot 1000") << "ter slot 1000" << true;
    QTest::newRow("program -1") << "program -1" << true;
    QTest::newRow("program at Program_Count") << "program count" << true;
    QTest::newRow("Program_Count 65535") << "program 65535" << false;
    QTest::newRow("Audio_Track_Count 65535") << "tracks 65535" << false;
}

void TestMaintenance::hostile_indices()
{
    QFETCH(QString, operation);
    QFETCH(bool, unchanged);

    auto db = Blank_Database();
    Add_Sat_Tp(*db, 0, 0, 11778, kV, 27500, 3);
    Add_Sat_Tp(*db, 1, 0, 12188, kH, 22000, 2);
    Add_Ter_Tp(*db, 0, 0, 474000);
    Add_Program(*db, {.tp = 1, .name = "P0"});
    Add_Program(*db, {.kind = prog::kKindTerrestrial, .tp = 0, .name = "P1"});
    if (operation == "sat index 255") {
        Write_Field(db->raw.sat_tps[5], sat_tp::In_Use, 1);
        Write_Field(db->raw.sat_tps[5], sat_tp::Sat_Index, 255);
        Decode_Rows(*db);
    }
    const Bytes before = Image_Of(db->raw);
    const QList<int> counts = Counters_Of(*db);

    if (operation == "sat 200") {
        QVERIFY(!Delete_Sat_Transponder(*db, 1, 200).Default_Tp_Replaced);
        Verify_Freed_Sat_Tp(*db, 1);
        QCOMPARE(Program_Dump(*db), QStringList{"prog 0: ter tp 0 TV P1 tracks 1"});
    } else if (operation == "sat index 255") {
        QVERIFY(!Delete_Sat_Transponder(*db, 5, db->rows.sat_tps[5].Sat_Index).Default_Tp_Replaced);
        Verify_Freed_Sat_Tp(*db, 5);
    } else if (operation.startsWith("group")) {
        QCOMPARE(Delete_Ter_Transponder(*db, 0, operation == "group 9" ? 9 : -1), 1);
        Verify_Freed_Ter_Tp(*db, 0);
    } else if (operation == "sat slot 2000") {
        Delete_Sat_Transponder(*db, kSatTransponderSlots, 0);
    } else if (operation == "sat slot -1") {
        Delete_Sat_Transponder(*db, -1, 0);
    } else if (operation == "ter slot 1000") {
        QCOMPARE(Delete_Ter_Transponder(*db, kTerTransponderSlots, 0), 0);
    } else if (operation == "program -1") {
        Delete_Program(*db, -1);
    } else if (operation == "program count") {
        Delete_Program(*db, db->Program_Count);
    } else if (operation == "program 65535") {
        Set_Program_Count(*db, 65535);
        Delete_Program(*db, kProgramSlots - 1);
        Delete_Program(*db, 0);
        QCOMPARE(db->Program_Count, 65533);
    } else if (operation == "tracks 65535") {
        Set_Audio_Track_Count(db->raw, 65535);
        Delete_Program(*db, 0);
        QCOMPARE(db->Program_Count, 1);
    }

    if (unchanged) {
        QCOMPARE(First_Difference(Image_Of(db->raw), before), -1);
        QCOMPARE(Check_Invariants(*db), QStringList());
    } else if (operation.startsWith("sat") || operation.startsWith("group")) {
        // The owner is unknown, so no counter can be lowered for it.
        QCOMPARE(Counters_Of(*db).mid(2), counts.mid(2));
    }
}

void TestMaintenance::deleting_many_at_once_is_deleting_each_data()
{
    QTest::addColumn<int>("program_count");
    QTest::addColumn<int>("track_count");
    QTest::addColumn<bool>("stray_tracks");
    QTest::newRow("full database") << -1 << -1 << false;
    QTest::newRow("tracks naming other slots") << -1 << -1 << true;
    QTest::newRow("counts beyond the tables") << 4100 << 1200 << true;
    QTest::newRow("short list") << 37 << -1 << true;
}

// Removing a set of programs in one pass leaves the bytes and rows of deleting them one by
// one, highest first, on lists with tracks out of place and counts a file from elsewhere
// may hold.
void TestMaintenance::deleting_many_at_once_is_deleting_each()
{
    QFETCH(int, program_count);
    QFETCH(int, track_count);
    QFETCH(bool, stray_tracks);
    auto db = Make_Channel_Database();
    Build_Full_Database(*db, FileKind::ChannelData);
    std::mt19937 random(static_cast<unsigned>(program_count + track_count));
    if (stray_tracks)
        for (int a = 0; a < kAudioTrackSlots; a += 7)
            Write_Field(db->raw.audio_tracks[a], audio::Program_Index, random() % 4200);
    if (program_count >= 0)
        Write_Field(db->raw.program_counts, program_counts::Program_Count,
                    static_cast<std::uint32_t>(program_count));
    if (track_count >= 0)
        Write_Field(db->raw.program_counts, program_counts::Audio_Track_Count,
                    static_cast<std::uint32_t>(track_count));
    Decode_Rows(*db);
    for (int round = 0; round < 6; ++round) {
        auto each = Make_Channel_Database();
        each->raw = db->raw;
        each->rows = db->rows;
        each->Program_Count = db->Program_Count;
        std::vector<int> doomed;
        const int size = std::uniform_int_distribution<int>(1, round < 3 ? 8 : 600)(random);
        for (int i = 0; i < size; ++i)
            doomed.push_back(std::uniform_int_distribution<int>(-2, kProgramSlots + 2)(random));
        std::vector<int> order = doomed;
        std::sort(order.rbegin(), order.rend());
        order.erase(std::unique(order.begin(), order.end()), order.end());
        for (const int p : order)
            Delete_Program(*each, p);
        Delete_Programs(*db, doomed);

        QCOMPARE(First_Difference(Image_Of(db->raw), Image_Of(each->raw)), -1);
        QCOMPARE(db->Program_Count, each->Program_Count);
        for (int p = 0; p < kProgramSlots; ++p)
            QCOMPARE(Row_Text(db->rows.programs[p]), Row_Text(each->rows.programs[p]));
        for (int a = 0; a < kAudioTrackSlots; ++a)
            QCOMPARE(Row_Text(db->rows.audio_tracks[a]), Row_Text(each->rows.audio_tracks[a]));
    }
}

QTEST_APPLESS_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
