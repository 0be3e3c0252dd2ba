// The database check: one hand-broken image per finding, each compared with the whole report
// it must give, and the sample and full databases free of errors.

#include "channel_fixtures.h"
#include "dbase/database_check.h"
#include "tools/sample_database.h"

#include <QTest>

#include <functional>

using namespace orvane;
using namespace orvane::test;

namespace {

using Breakage = std::function<void(ChannelDatabase &)>;

// Satellite 3 ("Sat 03") with transponders 0..2 (numbers 1..3); terrestrial transponders 0
// and 1 in group 0, 2 in group 2; one program on each transponder, all in favourite group 1.
// Program 0 has two audio track records (slots 0 and 1), program 1 one (slot 2).
std::unique_ptr<ChannelDatabase> Sound_Database()
{
    auto db = Blank_Database();
    Add_Sat_Tp(*db, 0, 3, 11778, kV, 27500, 3);
    Add_Sat_Tp(*db, 1, 3, 12000, kH, 27500, 3);
    Add_Sat_Tp(*db, 2, 3, 12100, kH, 22000, 3);
    Add_Ter_Tp(*db, 0, 0, 506000);
    Add_Ter_Tp(*db, 1, 0, 514000);
    Add_Ter_Tp(*db, 2, 2, 522000);
    const std::uint32_t fav = Groups({1});
    Add_Program(*db, {.tp = 0, .name = "News", .favourites = fav});
    Add_Program(*db, {.tp = 1, .name = "Sport", .favourites = fav});
    Add_Program(*db, {.tp = 2, .name = "Music", .radio = true, .favourites = fav});
    Add_Program(*db, {.kind = prog::kKindTerrestrial, .tp = 0, .name = "Local", .favourites = fav});
    Add_Program(*db, {.kind = prog::kKindTerrestrial, .tp = 1, .name = "City", .favourites = fav});
    Add_Program(*db, {.kind = prog::kKindTerrestrial, .tp = 2, .name = "Hill", .favourites = fav});
    Append_Audio_Track(*db, 0, 600);
    Append_Audio_Track(*db, 0, 601);
    Append_Audio_Track(*db, 1, 602);
    Set_Program_Field(*db, 0, prog::Audio_Track_Total, 3);
    Set_Program_Field(*db, 1, prog::Audio_Track_Total, 2);
    Write_Favourite_Name(db->raw.favourite_names[0], "Mine");
    return db;
}

QStringList Finding_Lines(const CheckReport &report, bool errors_only = false)
{
    QStringList lines;
    for (const CheckFinding &f : report.findings) {
        if (errors_only && f.severity != Severity::Error)
            continue;
        const QString slot
                = f.slot == kNoFindingSlot
                          ? QString()
                          : QStringLiteral(" %1 (%2)").arg(f.slot).arg(Q(Entry_Label(report, f)));
        lines << QStringLiteral("%1 %2%3: %4")
                         .arg(Severity_Key(f.severity), Table_Key(f.table), slot, Q(f.text));
    }
    return lines;
}

void Set_Sat_Tp_Field(ChannelDatabase &db, int tp, BitField field, std::uint32_t value)
{
    Write_Field(db.raw.sat_tps[tp], field, value);
}

void Set_Ter_Tp_Field(ChannelDatabase &db, int tp, BitField field, std::uint32_t value)
{
    Write_Field(db.raw.ter_tps[tp], field, value);
}

void Set_Track_Field(ChannelDatabase &db, int track, BitField field, std::uint32_t value)
{
    Write_Field(db.raw.audio_tracks[track], field, value);
}

} // namespace

class TestDatabaseCheck : public QObject
{
    Q_OBJECT

private slots:
    void sound_database_has_no_finding();
    void each_breakage_gives_its_finding_data();
    void each_breakage_gives_its_finding();
    void counts_above_their_tables_data();
    void counts_above_their_tables();
    void bundled_databases_have_no_error();
    void repairs_remove_what_the_check_lists();
};

void TestDatabaseCheck::sound_database_has_no_finding()
{
    const auto db = Sound_Database();
    QCOMPARE(Check_Invariants(*db), QStringList());
    QCOMPARE(Finding_Lines(Check_Database(db->raw)), QStringList());
}

void TestDatabaseCheck::each_breakage_gives_its_finding_data()
{
    QTest::addColumn<Breakage>("breakage");
    QTest::addColumn<QStringList>("findings");
    const auto row = [](const char *name, Breakage breakage, QStringList findings) {
        QTest::newRow(name) << std::move(breakage) << std::move(findings);
    };
    // Errors.
    row("sat total count", [](auto &db) { Set_Sat_Tp_Counts(db.raw, 4, 3, 3); },
        {"error counts: Satellite transponders: the count is 4, but 3 are in use"});
    row("per-satellite count", [](auto &db) { Set_Sat_Tp_Counts(db.raw, 3, 3, 2); },
        {R"(error counts: Transponders of Satellite "Sat 03": the count is 2, but 3 are in use)"});
    row("ter total count", [](auto &db) { Set_Ter_Tp_Counts(db.raw, 2, 0, 2); },
        {"error counts: Terrestrial transponders: the count is 2, but 3 are in use"});
    row("per-group count", [](auto &db) { Set_Ter_Tp_Counts(db.raw, 3, 2, 0); },
        {"error counts: Transponders of terrestrial group 2: the count is 0, but 1 is in use"});
    row("sat number gap", [](auto &db) { Set_Sat_Tp_Field(db, 2, sat_tp::Tp_Number, 4); },
        {R"(error sat_transponders 2 (NO.3 of "Sat 03"): Transponder NO.3 (12100 H) of "Sat 03": number 4 is outside 1..3)"});
    row("sat number repeat", [](auto &db) { Set_Sat_Tp_Field(db, 2, sat_tp::Tp_Number, 1); },
        {R"(error sat_transponders 2 (NO.3 of "Sat 03"): Transponder NO.3 (12100 H) of "Sat 03": number 1 is also the number of transponder NO.1 (11778 V))"});
    row("ter number repeat", [](auto &db) { Set_Ter_Tp_Field(db, 1, ter_tp::Tp_Number, 1); },
        {"error ter_transponders 1 (NO.2): Terrestrial transponder NO.2 (514000 kHz): number 1 is "
         "also the number of transponder NO.1 (506000 kHz)"});
    row("sat index above 59",
        [](auto &db) {
            Set_Sat_Tp_Field(db, 2, sat_tp::Sat_Index, 60);
            Set_Sat_Tp_Counts(db.raw, 3, 3, 2);
        },
        {"error sat_transponders 2 (slot 2): Transponder slot 2 (12100 H): satellite index 60 is "
         "above 59"});
    row("group index above 6",
        [](auto &db) {
            Set_Ter_Tp_Field(db, 2, ter_tp::Group_Index, 7);
            Set_Ter_Tp_Counts(db.raw, 3, 2, 0);
        },
        {"error ter_transponders 2 (NO.3): Terrestrial transponder NO.3 (522000 kHz): group index "
         "7 is above 6"});
    row("program tp outside table",
        [](auto &db) { Set_Program_Field(db, 5, prog::Tp_Index, 1000); },
        {R"(error programs 5 (Terrestrial TV NO.3): TV program "Hill": terrestrial transponder slot 1000 is outside its table)",
         "info ter_transponders 2 (NO.3): Terrestrial transponder NO.3 (522000 kHz) carries no "
         "program"});
    row("program tp not in use", [](auto &db) { Set_Program_Field(db, 1, prog::Tp_Index, 9); },
        {R"(error programs 1 (TV NO.2): TV program "Sport": satellite transponder slot 9 is not in use)",
         R"(info sat_transponders 1 (NO.2 of "Sat 03"): Transponder NO.2 (12000 H) of "Sat 03" carries no program)"});
    row("program tp kind", [](auto &db) { Set_Program_Field(db, 2, prog::Tp_Kind, 3); },
        {R"(error programs 2 (slot 2): Radio program "Music": transponder kind 3 is neither satellite (1) nor terrestrial (2))",
         R"(info sat_transponders 2 (NO.3 of "Sat 03"): Transponder NO.3 (12100 H) of "Sat 03" carries no program)"});
    row("program slot unused below count",
        [](auto &db) { Set_Program_Field(db, 4, prog::In_Use, 0); },
        {"error programs 4 (slot 4): Program slot 4 lies below the program count but is not in use",
         "info ter_transponders 1 (NO.2): Terrestrial transponder NO.2 (514000 kHz) carries no "
         "program"});
    row("track unused below count", [](auto &db) { Set_Audio_Track_Count(db.raw, 4); },
        {"error audio_tracks 3 (slot 3): Audio track slot 3 lies below the audio track count but "
         "is not in use"});
    row("track used above count", [](auto &db) { db.raw.audio_tracks[7] = db.raw.audio_tracks[2]; },
        {R"(error audio_tracks 7 (slot 7): Audio track (PID 602) of TV program "Sport": in use above the audio track count 3)"});
    row("tracks not together",
        [](auto &db) { std::swap(db.raw.audio_tracks[1], db.raw.audio_tracks[2]); },
        {R"(error audio_tracks 2 (slot 2): Audio track (PID 601) of TV program "News": not next to the other tracks of its program)"});
    row("track of no program",
        [](auto &db) {
            Set_Track_Field(db, 2, audio::Program_Index, 6);
            Set_Program_Field(db, 1, prog::Audio_Track_Total, 1);
        },
        {"error audio_tracks 2 (slot 2): Audio track (PID 602): program slot 6 is not a program"});
    row("track total", [](auto &db) { Set_Program_Field(db, 1, prog::Audio_Track_Total, 3); },
        {R"(error programs 1 (TV NO.2): TV program "Sport": it counts 3 audio tracks, but has 2)"});
    row("track total 0 without records",
        [](auto &db) { Set_Program_Field(db, 3, prog::Audio_Track_Total, 0); }, {});
    row("current track missing", [](auto &db) { Set_Program_Field(db, 1, prog::Current_Audio, 2); },
        {R"(error programs 1 (TV NO.2): TV program "Sport": its current audio track 2 is none of its 1 further tracks)"});
    row("current track last one",
        [](auto &db) { Set_Program_Field(db, 0, prog::Current_Audio, 2); }, {});
    // Warnings.
    row("duplicate program",
        [](auto &db) {
            const int p = Add_Program(db, {.tp = 0, .name = "News 2", .favourites = 1});
            Set_Program_Field(db, p, prog::Service_Id, 100);
        },
        {R"(warning programs 6 (TV NO.3): TV program "News 2" repeats TV program "News" (service id 100 on the same transponder))"});
    row("same service id, radio",
        [](auto &db) {
            const int p
                    = Add_Program(db, {.tp = 0, .name = "News", .radio = true, .favourites = 1});
            Set_Program_Field(db, p, prog::Service_Id, 100);
        },
        {});
    row("sat tp 2 MHz apart", [](auto &db) { Add_Sat_Tp(db, 5, 3, 11780, kV, 27500, 0); },
        {R"(warning sat_transponders 5 (NO.4 of "Sat 03"): Transponder NO.4 (11780 V) of "Sat 03" repeats transponder NO.1 (11778 V))",
         R"(info sat_transponders 5 (NO.4 of "Sat 03"): Transponder NO.4 (11780 V) of "Sat 03" carries no program)"});
    row("sat tp 3 MHz apart", [](auto &db) { Add_Sat_Tp(db, 5, 3, 11781, kV, 27500, 0); },
        {R"(info sat_transponders 5 (NO.4 of "Sat 03"): Transponder NO.4 (11781 V) of "Sat 03" carries no program)"});
    row("ter tp same frequency", [](auto &db) { Add_Ter_Tp(db, 4, 0, 506000); },
        {"warning ter_transponders 4 (NO.4): Terrestrial transponder NO.4 (506000 kHz) repeats "
         "transponder NO.1 (506000 kHz)",
         "info ter_transponders 4 (NO.4): Terrestrial transponder NO.4 (506000 kHz) carries no "
         "program"});
    row("empty name", [](auto &db) { Write_Program_Name(db.raw.programs[3], ""); },
        {"warning programs 3 (Terrestrial TV NO.1): TV program NO.1: the name is empty"});
    row("unnamed TV program after radio and terrestrial ones",
        [](auto &db) { Add_Program(db, {.tp = 1, .name = "", .favourites = 1}); },
        {"warning programs 6 (TV NO.3): TV program NO.3: the name is empty"});
    row("blank name", [](auto &db) { Write_Program_Name(db.raw.programs[3], "  "); },
        {R"(warning programs 3 (Terrestrial TV NO.1): TV program "  ": the name is blank)"});
    row("control characters",
        [](auto &db) {
            Write_Program_Name(db.raw.programs[3], "Lo\x01"
                                                   "cal");
        },
        {R"(warning programs 3 (Terrestrial TV NO.1): TV program "Lo?cal": the name holds control characters)"});
    row("favourite name control",
        [](auto &db) { Write_Favourite_Name(db.raw.favourite_names[1], "A\tB"); },
        {R"(warning favourite_groups 1 (FAV.02): Favourite group 2 "A?B": the name holds control characters)"});
    // Information.
    row("program in no group", [](auto &db) { Set_Program_Field(db, 2, prog::Favourite_Mask, 0); },
        {R"(info programs 2 (Radio NO.1): Radio program "Music" is in no favourite group)"});
    row("sole empty tp of a satellite", [](auto &db) { Add_Sat_Tp(db, 9, 7, 10700, kH, 22000, 0); },
        {});
    row("two empty tps of a satellite",
        [](auto &db) {
            Add_Sat_Tp(db, 9, 7, 10700, kH, 22000, 0);
            Add_Sat_Tp(db, 8, 7, 10800, kH, 22000, 0);
        },
        {R"(info sat_transponders 8 (NO.1 of "Sat 07"): Transponder NO.1 (10800 H) of "Sat 07" carries no program)"});
    row("empty tps of an unnamed satellite",
        [](auto &db) {
            Write_Satellite_Name(db.raw.satellites[5], "");
            Add_Sat_Tp(db, 4, 5, 10900, kV, 27500, 0);
            Add_Sat_Tp(db, 6, 5, 11000, kV, 27500, 0);
        },
        {"info sat_transponders 6 (NO.2 of satellite NO.6): Transponder NO.2 (11000 V) of "
         "satellite NO.6 carries no program"});
}

// Every finding names the entry it is about, and the check changes nothing.
void TestDatabaseCheck::each_breakage_gives_its_finding()
{
    QFETCH(Breakage, breakage);
    QFETCH(QStringList, findings);
    auto db = Sound_Database();
    breakage(*db);
    const RawArrays before = db->raw;
    QCOMPARE(Finding_Lines(Check_Database(db->raw)), findings);
    QVERIFY(std::memcmp(&before, &db->raw, sizeof before) == 0);
}

void TestDatabaseCheck::counts_above_their_tables_data()
{
    QTest::addColumn<BitField>("count");
    QTest::addColumn<QString>("finding");
    QTest::newRow("programs") << program_counts::Program_Count
                              << "error counts: Programs: the count is 4001, above the table's "
                                 "4000 slots";
    QTest::newRow("audio tracks") << program_counts::Audio_Track_Count
                                  << "error counts: Audio tracks: the count is 1001, above the "
                                     "table's 1000 slots";
}

// A full table with its count one above: the count is the only error.
void TestDatabaseCheck::counts_above_their_tables()
{
    QFETCH(BitField, count);
    QFETCH(QString, finding);
    auto db = Make_Channel_Database();
    Build_Full_Database(*db, FileKind::ChannelData);
    QCOMPARE(Used_Audio_Track_Count(db->raw), kAudioTrackSlots);
    Write_Field(db->raw.program_counts, count, Read_Field(db->raw.program_counts, count) + 1);
    QCOMPARE(Finding_Lines(Check_Database(db->raw), true), QStringList{finding});
}

void TestDatabaseCheck::bundled_databases_have_no_error()
{
    for (const bool full : {false, true}) {
        auto db = Make_Channel_Database();
        if (full)
            Build_Full_Database(*db, FileKind::ChannelData);
        else
            Build_Sample_Database(*db, FileKind::ChannelData);
        const CheckReport report = Check_Database(db->raw);
        QCOMPARE(Finding_Lines(report, true), QStringList());
        QCOMPARE(report.capacity.size(), std::size_t{10});
    }
}

// Duplicates of a program with audio tracks, three empty transponders of a satellite that
// carries programs, two of one that carries none, and an empty terrestrial one: the repairs
// leave a sound database that the check finds nothing in, and keep the first of each.
void TestDatabaseCheck::repairs_remove_what_the_check_lists()
{
    auto db = Sound_Database();
    for (const int copy : {0, 1}) {
        const int p = Add_Program(*db, {.tp = 0, .name = copy ? "B" : "A", .favourites = 1});
        Set_Program_Field(*db, p, prog::Service_Id, 100);
        Append_Audio_Track(*db, p, 650);
        Set_Program_Field(*db, p, prog::Audio_Track_Total, 2);
    }
    for (const int t : {5, 6, 7})
        Add_Sat_Tp(*db, t, 3, 10000 + 100 * t, kH, 22000, 0);
    Add_Sat_Tp(*db, 9, 7, 10700, kH, 22000, 0);
    Add_Sat_Tp(*db, 8, 7, 10800, kH, 22000, 0);
    Add_Ter_Tp(*db, 3, 2, 530000);
    QCOMPARE(Check_Database(db->raw).count(Severity::Warning), 2);

    QCOMPARE(Remove_Duplicate_Programs(*db), 2);
    QCOMPARE(Delete_All_Empty_Transponders(*db), 5);
    QCOMPARE(Check_Invariants(*db), QStringList());
    QCOMPARE(Finding_Lines(Check_Database(db->raw)), QStringList());
    QCOMPARE(Program_Dump(*db).size(), 6);
    QCOMPARE(Used_Audio_Track_Count(db->raw), 3);
    QCOMPARE(Sat_Tp_Line(*db, 9), QStringLiteral("tp 9: sat 7 #1 10700 H 22000 Auto"));
}

QTEST_APPLESS_MAIN(TestDatabaseCheck)
#include "tst_database_check.moc"
