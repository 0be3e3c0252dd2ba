// The sample generator: every invariant of the image layout holds in the sample and in the
// full database, both kinds save and load back to the same image, the full database still
// fits into one bank, and the same build always gives the same bytes.

#include "dbase/Orvane_dbase.h"
#include "tools/sample_database.h"

#include <QtTest>

#include <functional>
#include <map>
#include <set>

using namespace orvane;

namespace {

using Builder = std::function<void(ChannelDatabase &, FileKind)>;

std::unique_ptr<ChannelDatabase> Built(const Builder &build, FileKind kind)
{
    auto db = Make_Channel_Database();
    build(*db, kind);
    return db;
}

Bytes Image_Of(const RawArrays &raw)
{
    Bytes image(kImageSize);
    Image_From_Raw(raw, image);
    return image;
}

// Within one satellite or group the numbers are exactly 1..count, in any slot order.
void Check_Numbering(QStringList &faults, const char *table,
                     const std::map<int, std::multiset<int>> &numbers)
{
    for (const auto &[owner, seen] : numbers) {
        std::multiset<int> expected;
        for (int n = 1; n <= static_cast<int>(seen.size()); ++n)
            expected.insert(n);
        if (seen != expected)
            faults << QString("%1 %2: Tp_Number not 1..count").arg(table).arg(owner);
    }
}

void Check_Sat_Transponders(QStringList &faults, const RawArrays &raw)
{
    std::map<int, std::multiset<int>> numbers;
    int used = 0;
    for (const auto &record : raw.sat_tps) {
        if (!Read_Field(record, sat_tp::In_Use))
            continue;
        ++used;
        const int satellite = static_cast<int>(Read_Field(record, sat_tp::Sat_Index));
        if (satellite >= kSatelliteCount)
            faults << QString("Sat_Index %1 out of range").arg(satellite);
        numbers[satellite].insert(static_cast<int>(Read_Field(record, sat_tp::Tp_Number)));
    }
    if (used != Sat_Tp_Total_Count(raw))
        faults << QString("sat Total_Count %1, used %2").arg(Sat_Tp_Total_Count(raw)).arg(used);
    for (int s = 0; s < kSatelliteCount; ++s) {
        const int count = Sat_Tp_Per_Sat_Count(raw, s);
        if (count != static_cast<int>(numbers[s].size()) || count > 150)
            faults << QString("Per_Sat_Count[%1] = %2").arg(s).arg(count);
    }
    Check_Numbering(faults, "satellite", numbers);
}

void Check_Ter_Transponders(QStringList &faults, const RawArrays &raw)
{
    std::map<int, std::multiset<int>> numbers;
    int used = 0;
    for (const auto &record : raw.ter_tps) {
        if (!Read_Field(record, ter_tp::In_Use))
            continue;
        ++used;
        const int group = static_cast<int>(Read_Field(record, ter_tp::Group_Index));
        if (group >= kTerGroupCount)
            faults << QString("Group_Index %1 out of range").arg(group);
        numbers[group].insert(static_cast<int>(Read_Field(record, ter_tp::Tp_Number)));
    }
    if (used != Ter_Tp_Total_Count(raw))
        faults << QString("ter Total_Count %1, used %2").arg(Ter_Tp_Total_Count(raw)).arg(used);
    for (int g = 0; g < kTerGroupCount; ++g)
        if (Ter_Tp_Per_Group_Count(raw, g) != static_cast<int>(numbers[g].size()))
            faults << QString("Per_Group_Count[%1] wrong").arg(g);
    Check_Numbering(faults, "group", numbers);
}

bool Transponder_In_Use(const RawArrays &raw, std::uint32_t kind, std::uint32_t tp)
{
    if (kind == prog::kKindSatellite)
        return tp < kSatTransponderSlots && Read_Field(raw.sat_tps[tp], sat_tp::In_Use);
    if (kind == prog::kKindTerrestrial)
        return tp < kTerTransponderSlots && Read_Field(raw.ter_tps[tp], ter_tp::In_Use);
    return false;
}

void Check_Programs(QStringList &faults, const RawArrays &raw)
{
    const int count = Stored_Program_Count(raw);
    if (count > kProgramSlots)
        faults << "Program_Count above the table";
    for (int p = 0; p < std::min(count, kProgramSlots); ++p) {
        const auto &record = raw.programs[static_cast<std::size_t>(p)];
        if (!Read_Field(record, prog::In_Use))
            faults << QString("program %1 not in use").arg(p);
        if (!Transponder_In_Use(raw, Read_Field(record, prog::Tp_Kind),
                                Read_Field(record, prog::Tp_Index)))
            faults << QString("program %1 names no used transponder").arg(p);
    }
}

// Tracks are dense, grouped by program, and each program's total and current track agree
// with the tracks it owns.
void Check_Audio_Tracks(QStringList &faults, const RawArrays &raw)
{
    const int count = Stored_Audio_Track_Count(raw);
    std::map<int, int> owned;
    int previous = -1;
    for (int a = 0; a < kAudioTrackSlots; ++a) {
        const auto &record = raw.audio_tracks[static_cast<std::size_t>(a)];
        const bool used = Read_Field(record, audio::In_Use);
        if (used != (a < count))
            faults << QString("audio slot %1: In_Use against the count").arg(a);
        if (!used)
            continue;
        const int owner = static_cast<int>(Read_Field(record, audio::Program_Index));
        if (owner >= Stored_Program_Count(raw) || owner < previous)
            faults << QString("audio slot %1: owner %2 out of order").arg(a).arg(owner);
        previous = owner;
        ++owned[owner];
    }
    for (int p = 0; p < Used_Program_Count(raw); ++p) {
        const auto &record = raw.programs[static_cast<std::size_t>(p)];
        const int extras = owned.count(p) ? owned[p] : 0;
        if (static_cast<int>(Read_Field(record, prog::Audio_Track_Total)) != 1 + extras
            || static_cast<int>(Read_Field(record, prog::Current_Audio)) > extras)
            faults << QString("program %1: audio totals").arg(p);
    }
}

// Rows decoded afresh must equal the rows the generator left behind.
void Check_Rows_Match_Raw(QStringList &faults, const ChannelDatabase &db)
{
    auto fresh = std::make_unique<ChannelDatabase>(db);
    Decode_Rows(*fresh);
    if (fresh->Program_Count != db.Program_Count)
        faults << "Program_Count row";
    for (std::size_t p = 0; p < kProgramSlots; ++p) {
        const auto &a = fresh->rows.programs[p];
        const auto &b = db.rows.programs[p];
        if (a.Name != b.Name || a.In_Use != b.In_Use || a.Sat_Slot != b.Sat_Slot
            || a.Audio_Track_Total != b.Audio_Track_Total || a.Favourite_Mask != b.Favourite_Mask)
            faults << QString("program row %1 stale").arg(p);
    }
    for (std::size_t s = 0; s < kSatelliteCount; ++s)
        if (fresh->rows.satellites[s].Name != db.rows.satellites[s].Name)
            faults << QString("satellite row %1 stale").arg(s);
}

QStringList Layout_Faults(const ChannelDatabase &db)
{
    QStringList faults;
    Check_Sat_Transponders(faults, db.raw);
    Check_Ter_Transponders(faults, db.raw);
    Check_Programs(faults, db.raw);
    Check_Audio_Tracks(faults, db.raw);
    Check_Rows_Match_Raw(faults, db);
    return faults;
}

void Add_Builder_Rows()
{
    QTest::addColumn<Builder>("build");
    QTest::addColumn<FileKind>("kind");
    const Builder sample = Build_Sample_Database;
    const Builder full = Build_Full_Database;
    QTest::newRow("sample, Channel Data") << sample << FileKind::ChannelData;
    QTest::newRow("sample, Default") << sample << FileKind::Default;
    QTest::newRow("full, Channel Data") << full << FileKind::ChannelData;
    QTest::newRow("full, Default") << full << FileKind::Default;
}

} // namespace

Q_DECLARE_METATYPE(Builder)
Q_DECLARE_METATYPE(orvane::FileKind)

class TestSampleDatabase : public QObject
{
    Q_OBJECT

private slots:
    void layout_invariants_hold_data() { Add_Builder_Rows(); }
    void layout_invariants_hold();
    void saves_and_loads_back_data() { Add_Builder_Rows(); }
    void saves_and_loads_back();
    void full_database_fills_every_table();
    void full_database_fits_one_bank();
    void sample_is_realistic();
    void sample_is_deterministic();
};

void TestSampleDatabase::layout_invariants_hold()
{
    QFETCH(Builder, build);
    QFETCH(FileKind, kind);
    const auto db = Built(build, kind);
    QCOMPARE(Layout_Faults(*db).join('\n'), QString());
    QCOMPARE(db->File_Kind, kind);
    QCOMPARE(db->Save_Mode, Save_Mode_For(kind, kind));
    QCOMPARE(db->container.bank, std::size_t{0});
    QCOMPARE(Version_Text(db->File_Header), std::string("V1.0.7  "));
}

void TestSampleDatabase::saves_and_loads_back()
{
    QFETCH(Builder, build);
    QFETCH(FileKind, kind);
    const auto db = Built(build, kind);
    const SavedFiles saved = Save_Database_Bytes(*db);
    QVERIFY2(saved.outcome.ok, saved.outcome.message.c_str());
    QCOMPARE(saved.target.size(), Expected_Size_For(kind));

    auto loaded = Make_Channel_Database();
    loaded->Set_File_Kind(kind);
    const Outcome outcome = Load_Database_Bytes(*loaded, saved.target);
    QVERIFY2(outcome.ok, outcome.message.c_str());
    QVERIFY(Image_Of(loaded->raw) == Image_Of(db->raw));
    QVERIFY(loaded->File_Header == db->File_Header);
    QCOMPARE(Layout_Faults(*loaded).join('\n'), QString());
}

void TestSampleDatabase::full_database_fills_every_table()
{
    const auto db = Built(Build_Full_Database, FileKind::ChannelData);
    QCOMPARE(Stored_Program_Count(db->raw), 4000);
    QCOMPARE(Sat_Tp_Total_Count(db->raw), 2000);
    QCOMPARE(Ter_Tp_Total_Count(db->raw), 1000);
    QCOMPARE(Stored_Audio_Track_Count(db->raw), 1000);
    for (const auto &name : db->rows.favourite_names)
        QVERIFY(!name.empty());
    for (int g = 0; g < kTerGroupCount; ++g)
        QVERIFY(Ter_Tp_Per_Group_Count(db->raw, g) > 0);
}

// Lengths 61353..61432 would run into the small class's table; above 126888 nothing fits.
void TestSampleDatabase::full_database_fits_one_bank()
{
    for (FileKind kind : {FileKind::ChannelData, FileKind::Default}) {
        const auto db = Built(Build_Full_Database, kind);
        const SavedFiles saved = Save_Database_Bytes(*db);
        QVERIFY2(saved.outcome.ok, saved.outcome.message.c_str());
        const std::uint32_t length = db->container.compressed_length;
        qInfo("full %s database: compressed length %u", File_Kind_Name(kind), length);
        QVERIFY(length <= 126888);
        QVERIFY(length <= 61352 || length > 61432);
    }
}

void TestSampleDatabase::sample_is_realistic()
{
    const auto db = Built(Build_Sample_Database, FileKind::ChannelData);
    const DisplayTables &rows = db->rows;
    std::set<std::string> names;
    for (const auto &satellite : rows.satellites) {
        QVERIFY2(satellite.Name.starts_with("Sat "), satellite.Name.c_str());
        names.insert(satellite.Name);
    }
    QCOMPARE(names.size(), std::size_t{60});
    QCOMPARE(rows.satellites[1].Name, std::string("Sat 13.0E"));
    QCOMPARE(Read_Field(db->raw.satellites[4], sat::Longitude), 3592u); // 0.8W

    for (const auto &tp : rows.sat_tps) {
        if (!tp.In_Use)
            continue;
        const bool c_band = rows.satellites[tp.Sat_Index].Lnb_Type == 0;
        const int frequency = std::stoi(tp.Frequency);
        QVERIFY(c_band ? frequency >= 3400 && frequency <= 4200
                       : frequency >= 10700 && frequency <= 12750);
    }
    int scrambled = 0, current_audio = 0, terrestrial = 0, radio = 0;
    std::uint32_t members = 0;
    for (int p = 0; p < db->Program_Count; ++p) {
        const auto &program = rows.programs[static_cast<std::size_t>(p)];
        scrambled += !program.Free_To_Air && program.Ca_System[0] != 0;
        current_audio += program.Current_Audio > 0;
        terrestrial += program.Tp_Kind == prog::kKindTerrestrial;
        radio += program.Is_Radio;
        members |= Read_Field(db->raw.programs[static_cast<std::size_t>(p)], prog::Favourite_Mask);
    }
    QVERIFY(db->Program_Count >= 200 && db->Program_Count <= 1000);
    QVERIFY(scrambled > 10 && current_audio > 5 && terrestrial > 10 && radio > 10);
    QCOMPARE(members, 0x3FFu); // each of the ten named groups has members
    QVERIFY(Ter_Tp_Per_Group_Count(db->raw, 0) > 0 && Ter_Tp_Per_Group_Count(db->raw, 1) > 0);
}

void TestSampleDatabase::sample_is_deterministic()
{
    for (FileKind kind : {FileKind::ChannelData, FileKind::Default}) {
        const Bytes first = Sample_File_Bytes(kind);
        QCOMPARE(first.size(), Expected_Size_For(kind));
        QVERIFY(first == Sample_File_Bytes(kind));
    }
    const auto a = Built(Build_Full_Database, FileKind::Default);
    const auto b = Built(Build_Full_Database, FileKind::Default);
    QVERIFY(Save_Database_Bytes(*a).target == Save_Database_Bytes(*b).target);
}

QTEST_APPLESS_MAIN(TestSampleDatabase)
#include "tst_sample_database.moc"
