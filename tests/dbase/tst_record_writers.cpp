// The record writers: byte-exact new records, name fields that touch only their own bytes,
// the default and empty transponder patterns, the counters, the satellite and transponder
// edits (only their own bits, and stored codes no list shows kept), and where an edited audio
// PID goes when the program's current audio track is one of its extra tracks.

#include "dbase/table_import.h"
#include "dbase_test_support.h"

#include <QtTest>

#include <cstring>
#include <functional>

using namespace orvane;
using orvane::test::Empty_Database;
using orvane::test::First_Difference;
using orvane::test::Hex;
using orvane::test::Text;

namespace {

ByteView Slice(ByteView bytes, std::size_t from, std::size_t to)
{
    return bytes.subspan(from, to - from);
}

// Programs 0..2 and tracks owned 0, 1, 0, 2 in slots 0..3; slot 4 belongs to program 0 but
// lies beyond Audio_Track_Count and so is not one of its tracks.
void Add_Programs_With_Tracks(ChannelDatabase &db)
{
    for (int p = 0; p < 3; ++p)
        Create_Program(db, prog::kKindSatellite, 0, test::Sample_Program(p));
    const std::uint32_t owners[] = {0, 1, 0, 2, 0};
    for (std::size_t a = 0; a < 5; ++a) {
        AudioTrackRecord &track = db.raw.audio_tracks[a];
        Store_U32(track, 0, 0xC0000000u); // W0 bits 30..31 set, to see them kept
        Write_Field(track, audio::In_Use, 1);
        Write_Field(track, audio::Program_Index, owners[a]);
        Write_Field(track, audio::Audio_Pid, 2000 + static_cast<std::uint32_t>(a));
    }
    Set_Audio_Track_Count(db.raw, 4);
    Decode_Rows(db);
}

constexpr int kSatSlot = 7;
constexpr std::uint8_t kSatFill = 0xA5;
constexpr int kKept = -1; // a list without selection: no code

std::optional<std::uint32_t> Code(int code)
{
    return code == kKept ? std::nullopt : std::optional<std::uint32_t>(code);
}

// What the satellite dialog hands over for "Astra" on a UNIVERSAL LNB at 19.2 degrees.
SatelliteSettings Usual_Satellite_Settings()
{
    SatelliteSettings settings;
    settings.name = "Astra";
    settings.lnb_low_freq = 9750;
    settings.lnb_high_freq = 10600;
    settings.longitude_tenths = 192;
    settings.shown_high_freq = "10600";
    settings.shown_longitude = "19.2";
    settings.tone_22k = 2; // Auto
    settings.lnb_type = 2;
    settings.lnb_power = 1;
    settings.diseqc_port = 3;
    settings.motor = 1;
    settings.lnb_12v = 1;
    return settings;
}

// A database whose satellite kSatSlot is filled with a pattern, so that every byte the edit
// must not touch is recognisable.
std::unique_ptr<ChannelDatabase> Patterned_Satellite()
{
    auto db = std::make_unique<ChannelDatabase>();
    db->raw.satellites[kSatSlot].fill(kSatFill);
    return db;
}

// A record whose every bit is set in a pattern, so that a write touching a foreign bit shows.
template<typename Record>
Record Patterned_Record()
{
    Record record{};
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<std::uint8_t>(0xA5 ^ (i * 0x3B));
    return record;
}

QByteArray Bytes_Of(ByteView bytes, std::size_t from, std::size_t count)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data() + from),
                      static_cast<qsizetype>(count));
}

} // namespace

class TestRecordWriters : public QObject
{
    Q_OBJECT

private slots:
    void sat_transponder_worked_example();
    void default_and_empty_sat_transponder();
    void ter_transponder_keeps_high_w0_bits();
    void sat_transponder_handed_number();
    void sat_transponder_change_replaces_only_its_fields_data();
    void sat_transponder_change_replaces_only_its_fields();
    void sat_transponder_change_with_fixed_polarisation_keeps_code();
    void ter_transponder_add_fills_free_slot();
    void ter_transponder_change_data();
    void ter_transponder_change();
    void satellite_byte3_packing_data();
    void satellite_byte3_packing();
    void satellite_unknown_codes_are_kept();
    void satellite_record_bytes_and_row();
    void satellite_name_lengths_data();
    void satellite_name_lengths();
    void program_worked_example();
    void new_program_invariants_data();
    void new_program_invariants();
    void satellite_name_data();
    void satellite_name();
    void program_name_data();
    void program_name();
    void current_audio_track_slot_data();
    void current_audio_track_slot();
    void edit_program_audio_pid_data();
    void edit_program_audio_pid();
    void edit_program_changes_only_editable_fields();
    void counter_setters();
    void import_refuses_tables_that_do_not_fit_data();
    void import_refuses_tables_that_do_not_fit();
};

// Satellite slot 5 already has two transponders, so the new one is number 3.
void TestRecordWriters::sat_transponder_worked_example()
{
    auto db = Empty_Database(FileKind::ChannelData);
    Set_Sat_Tp_Counts(db->raw, 2, 5, 2);
    SatTransponderRecord &record = db->raw.sat_tps[9];
    record.fill(0x3C);
    Create_Sat_Transponder(*db, 9, 5, {1, 3, 27500, 11778});
    QCOMPARE(Hex(Slice(record, 0, 4)), QByteArray("00 00 00 00"));
    QCOMPARE(Hex(Slice(record, 4, 12)), QByteArray("0B 06 1A 00 B1 AD 09 B8"));
    QCOMPARE(Hex(Slice(record, 12, 16)), QByteArray("FF FF FF FF"));
    QCOMPARE(Hex(Slice(record, 16, 20)), QByteArray("3C 3C 3C 3C")); // not the dialog's
    QCOMPARE(Sat_Tp_Total_Count(db->raw), 3);
    QCOMPARE(Sat_Tp_Per_Sat_Count(db->raw, 5), 3);
    const TTp_Info_String &row = db->rows.sat_tps[9];
    QCOMPARE(row.Tp_Number, 3);
    QCOMPARE(Text(row.Polarity_Text), QByteArray("V"));
    QCOMPARE(Text(row.Fec_Text), QByteArray("3/4"));
    QCOMPARE(Text(row.Symbol_Rate), QByteArray("27500"));
    QCOMPARE(Text(row.Frequency), QByteArray("11778"));
}

void TestRecordWriters::default_and_empty_sat_transponder()
{
    auto db = Empty_Database(FileKind::ChannelData);
    Create_Sat_Transponder(*db, 0, 7, {0, 0, 28125, 4000});
    Default_Sat_Transponder(*db, 1, 7);
    QCOMPARE(Read_Field(db->raw.sat_tps[0], sat_tp::W2_Low_Bits), 1u);
    QCOMPARE(Read_Field(db->raw.sat_tps[1], sat_tp::W2_Low_Bits), 0u);
    QCOMPARE(Hex(db->raw.sat_tps[1]),
             QByteArray("00 00 00 00 0F 02 00 00 74 B7 81 3E FF FF FF FF FF 00 00 00"));
    const TTp_Info_String &made = db->rows.sat_tps[1];
    QCOMPARE(int(made.In_Use), 1);
    QCOMPARE(made.Tp_Number, 1);
    QCOMPARE(Text(made.Polarity_Text + made.Fec_Text + made.Symbol_Rate + made.Frequency),
             QByteArray("HAuto281254000"));

    // A freed slot: the empty pattern, and a row that no list can take for a used one.
    Empty_Sat_Transponder(*db, 0);
    QCOMPARE(Hex(db->raw.sat_tps[0]),
             QByteArray("00 00 00 00 00 00 00 00 74 B7 81 3E FF FF FF FF FF 00 00 00"));
    QCOMPARE(int(db->rows.sat_tps[0].In_Use), 0);
    QCOMPARE(int(db->rows.sat_tps[0].Sat_Index), 255);
    QVERIFY(db->rows.sat_tps[0].Frequency.empty());

    // Decoding the empty pattern, into a row that held a used transponder before.
    TTp_Info_String row = made;
    Decode_Sat_Transponder(kEmptySatTransponder, row);
    QCOMPARE(int(row.In_Use), 0);
    QCOMPARE(Text(row.Polarity_Text), QByteArray("H"));
    QCOMPARE(Text(row.Fec_Text), QByteArray("Auto"));
    QCOMPARE(Text(row.Symbol_Rate), QByteArray("28125"));
    QCOMPARE(Text(row.Frequency), QByteArray("4000"));
}

void TestRecordWriters::ter_transponder_keeps_high_w0_bits()
{
    auto db = Empty_Database(FileKind::ChannelData);
    Set_Ter_Tp_Counts(db->raw, 4, 0, 4);
    TerTransponderRecord &record = db->raw.ter_tps[3];
    record.fill(0xFF);
    Create_Ter_Transponder(*db, 3, {474000, 2});
    // W0: In_Use 1, Group_Index 0, Tp_Number 5, bits 17..31 as they were.
    QCOMPARE(Load_U32(record, 0), 0xFFFE0000u | (5u << 9) | 1u);
    QCOMPARE(Hex(Slice(record, 4, 20)),
             QByteArray("90 3B 07 00 00 00 06 06 02 00 00 00 FF FF FF FF"));
    QCOMPARE(Ter_Tp_Total_Count(db->raw), 5);
    QCOMPARE(Ter_Tp_Per_Group_Count(db->raw, 0), 5);
    QCOMPARE(Text(db->rows.ter_tps[3].Frequency), QByteArray("474000"));
}

void TestRecordWriters::sat_transponder_handed_number()
{
    auto db = Empty_Database(FileKind::ChannelData);
    Set_Sat_Tp_Counts(db->raw, 7, 5, 2);
    SatTransponderRecord &record = db->raw.sat_tps[40];
    record = Patterned_Record<SatTransponderRecord>();
    const QByteArray tail = Bytes_Of(record, 16, 4);

    Add_Sat_Transponder(*db, 40, 5, 3, {1, 3, 27500, 11778});

    QCOMPARE(Bytes_Of(record, 0, 4), QByteArray(4, '\0'));
    QCOMPARE(Bytes_Of(record, 4, 8), QByteArray::fromHex("0B061A00B1AD09B8"));
    QCOMPARE(Bytes_Of(record, 12, 4), QByteArray(4, '\xFF'));
    QCOMPARE(Bytes_Of(record, 16, 4), tail);
    QCOMPARE(Sat_Tp_Total_Count(db->raw), 8);
    QCOMPARE(Sat_Tp_Per_Sat_Count(db->raw, 5), 3);
    const TTp_Info_String &row = db->rows.sat_tps[40];
    QCOMPARE(row.In_Use, 1);
    QCOMPARE(row.Sat_Index, 5);
    QCOMPARE(row.Frequency, std::string("11778"));
    QCOMPARE(row.Symbol_Rate, std::string("27500"));
    QCOMPARE(row.Fec_Text, std::string("3/4"));
    QCOMPARE(row.Polarity_Text, std::string("V"));
}

void TestRecordWriters::sat_transponder_change_replaces_only_its_fields_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("symbol_rate");
    QTest::addColumn<int>("fec");
    QTest::addColumn<int>("polarity");

    QTest::newRow("lowest") << "2000"
                            << "2000" << 0 << 0;
    QTest::newRow("highest") << "12750"
                             << "45000" << 6 << 1;
    QTest::newRow("typical") << "10714"
                             << "22000" << 4 << 0;
}

void TestRecordWriters::sat_transponder_change_replaces_only_its_fields()
{
    QFETCH(QString, frequency);
    QFETCH(QString, symbol_rate);
    QFETCH(int, fec);
    QFETCH(int, polarity);

    auto db = Empty_Database(FileKind::ChannelData);
    SatTransponderRecord &record = db->raw.sat_tps[1999];
    record = Patterned_Record<SatTransponderRecord>();
    const SatTransponderRecord before = record;
    Edit_Sat_Transponder(*db, 1999,
                         {std::uint32_t(polarity), std::uint32_t(fec), symbol_rate.toUInt(),
                          frequency.toUInt()});

    QCOMPARE(Read_Field(record, sat_tp::Frequency), frequency.toUInt());
    QCOMPARE(Read_Field(record, sat_tp::Symbol_Rate), symbol_rate.toUInt());
    QCOMPARE(Read_Field(record, sat_tp::Fec), static_cast<std::uint32_t>(fec));
    QCOMPARE(Read_Field(record, sat_tp::Polarity), static_cast<std::uint32_t>(polarity));
    // Everything else as it was: the W1 bits outside Polarity and Fec, W2's low 2 bits, and
    // the bytes around the two words.
    constexpr std::uint32_t kW1Mask = ~((3u << 17) | (15u << 19));
    QCOMPARE(Load_U32(record, 4) & kW1Mask, Load_U32(before, 4) & kW1Mask);
    QCOMPARE(Read_Field(record, sat_tp::W2_Low_Bits), Read_Field(before, sat_tp::W2_Low_Bits));
    QCOMPARE(Bytes_Of(record, 0, 4), Bytes_Of(before, 0, 4));
    QCOMPARE(Bytes_Of(record, 12, 8), Bytes_Of(before, 12, 8));
    QCOMPARE(db->rows.sat_tps[1999].Frequency, frequency.toStdString());
    QCOMPARE(db->rows.sat_tps[1999].Symbol_Rate, symbol_rate.toStdString());
    QCOMPARE(int(db->rows.sat_tps[1999].Fec), fec);
}

void TestRecordWriters::sat_transponder_change_with_fixed_polarisation_keeps_code()
{
    auto db = Empty_Database(FileKind::ChannelData);
    SatTransponderRecord &record = db->raw.sat_tps[3];
    Write_Field(record, sat_tp::Polarity, 2);
    Edit_Sat_Transponder(*db, 3, {std::nullopt, 2, 27500, 11000});
    QCOMPARE(Read_Field(record, sat_tp::Polarity), 2u);
    QCOMPARE(Read_Field(record, sat_tp::Frequency), 11000u);
}

void TestRecordWriters::ter_transponder_add_fills_free_slot()
{
    auto db = Empty_Database(FileKind::ChannelData);
    Set_Ter_Tp_Counts(db->raw, 4, 0, 4);
    TerTransponderRecord &record = db->raw.ter_tps[999];
    record = Patterned_Record<TerTransponderRecord>();
    const std::uint32_t high_bits = Load_U32(record, 0) >> 17;

    Add_Ter_Transponder(*db, 999, {474000, 2}, "0474000");

    QCOMPARE(Load_U32(record, 0) >> 17, high_bits);
    QCOMPARE(Read_Field(record, ter_tp::In_Use), 1u);
    QCOMPARE(Read_Field(record, ter_tp::Group_Index), 0u);
    QCOMPARE(Read_Field(record, ter_tp::Tp_Number), 5u);
    QCOMPARE(Load_U32(record, 4), 474000u);
    QCOMPARE(Bytes_Of(record, 8, 12), QByteArray::fromHex("0000060602000000FFFFFFFF"));
    QCOMPARE(Ter_Tp_Total_Count(db->raw), 5);
    QCOMPARE(Ter_Tp_Per_Group_Count(db->raw, 0), 5);
    // The list shows the text as typed.
    QCOMPARE(db->rows.ter_tps[999].Frequency, std::string("0474000"));
    QCOMPARE(int(db->rows.ter_tps[999].Bandwidth), 2);
    QCOMPARE(int(db->rows.ter_tps[999].Tp_Number), 5);
}

void TestRecordWriters::ter_transponder_change_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("bandwidth");
    QTest::addColumn<int>("stored_bandwidth");
    QTest::addColumn<int>("expected_bandwidth");

    QTest::newRow("lowest, 6 MHz") << "50000" << 0 << 2 << 0;
    QTest::newRow("highest, 8 MHz") << "1000000" << 2 << 0 << 2;
    QTest::newRow("no item for 3: kept") << "474000" << kKept << 3 << 3;
    QTest::newRow("no item for 200: kept") << "474000" << kKept << 200 << 200;
}

void TestRecordWriters::ter_transponder_change()
{
    QFETCH(QString, frequency);
    QFETCH(int, bandwidth);
    QFETCH(int, stored_bandwidth);
    QFETCH(int, expected_bandwidth);

    auto db = Empty_Database(FileKind::ChannelData);
    TerTransponderRecord &record = db->raw.ter_tps[0];
    record = Patterned_Record<TerTransponderRecord>();
    record[12] = static_cast<std::uint8_t>(stored_bandwidth);
    const TerTransponderRecord before = record;
    Edit_Ter_Transponder(*db, 0, {frequency.toUInt(), Code(bandwidth)}, frequency.toStdString());

    QCOMPARE(Load_U32(record, 4), frequency.toUInt());
    QCOMPARE(int(record[12]), expected_bandwidth);
    QCOMPARE(Bytes_Of(record, 0, 4), Bytes_Of(before, 0, 4));
    QCOMPARE(Bytes_Of(record, 8, 4), Bytes_Of(before, 8, 4));
    QCOMPARE(Bytes_Of(record, 13, 7), Bytes_Of(before, 13, 7));
    QCOMPARE(db->rows.ter_tps[0].Frequency, frequency.toStdString());
    QCOMPARE(int(db->rows.ter_tps[0].Bandwidth), expected_bandwidth);
}

void TestRecordWriters::satellite_byte3_packing_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("diseqc");
    QTest::addColumn<int>("motor");
    QTest::addColumn<int>("byte3");

    QTest::newRow("PORT C, motor ON") << 0x00 << 3 << 1 << 0x13;
    QTest::newRow("PORT D, motor OFF") << 0xFF << 4 << 0 << 0x04;
    QTest::newRow("OFF, motor ON") << 0xFF << 0 << 1 << 0x10;
    QTest::newRow("PORT A, motor OFF over PORT D ON") << 0x14 << 1 << 0 << 0x01;
    QTest::newRow("unknown port kept") << 0x27 << -1 << 1 << 0x17;
    QTest::newRow("unknown motor kept") << 0x27 << 2 << -1 << 0x22;
    QTest::newRow("both unknown kept") << 0xF9 << -1 << -1 << 0xF9;
}

void TestRecordWriters::satellite_byte3_packing()
{
    QFETCH(int, stored);
    QFETCH(int, diseqc);
    QFETCH(int, motor);
    auto db = Patterned_Satellite();
    db->raw.satellites[kSatSlot][3] = std::uint8_t(stored);
    SatelliteSettings settings = Usual_Satellite_Settings();
    settings.diseqc_port = Code(diseqc);
    settings.motor = Code(motor);
    Edit_Satellite_Lnb(*db, kSatSlot, settings);
    QTEST(int(db->raw.satellites[kSatSlot][3]), "byte3");
    const TLNB_Info_String &row = db->rows.satellites[kSatSlot];
    QCOMPARE(int(row.Diseqc_Port), int(Read_Field(db->raw.satellites[kSatSlot], sat::Diseqc_Port)));
    QCOMPARE(int(row.Motor), int(Read_Field(db->raw.satellites[kSatSlot], sat::Motor)));
}

void TestRecordWriters::satellite_unknown_codes_are_kept()
{
    // Lists without a selection (stored codes that have no item) keep the stored values.
    auto db = Patterned_Satellite();
    SatelliteRecord &record = db->raw.satellites[kSatSlot];
    record[0] = 9; // type
    record[1] = 3; // 12 V
    record[2] = 1; // tone
    record[4] = 7; // power
    SatelliteSettings settings = Usual_Satellite_Settings();
    settings.lnb_type = settings.lnb_12v = settings.lnb_power = std::nullopt;
    settings.diseqc_port = settings.motor = settings.tone_22k = std::nullopt;
    Edit_Satellite_Lnb(*db, kSatSlot, settings);
    QCOMPARE(record[0], 9);
    QCOMPARE(record[1], 3);
    QCOMPARE(record[2], 1);
    QCOMPARE(record[3], kSatFill);
    QCOMPARE(record[4], 7);
    const TLNB_Info_String &row = db->rows.satellites[kSatSlot];
    QCOMPARE(row.Lnb_Type, 9);
    QCOMPARE(row.Lnb_12V, 3);
    QCOMPARE(row.Tone_22K, 1);
    QCOMPARE(row.Lnb_Power, 7);
}

void TestRecordWriters::satellite_record_bytes_and_row()
{
    auto db = Patterned_Satellite();
    SatelliteSettings settings = Usual_Satellite_Settings();
    settings.name = "AB ";
    settings.lnb_low_freq = 300;
    settings.lnb_high_freq = 30000;
    settings.longitude_tenths = 3600;
    settings.shown_high_freq = "30000";
    settings.shown_longitude = "360.0";
    settings.lnb_type = 5;
    settings.lnb_power = 3;
    settings.lnb_12v = 0;
    settings.tone_22k = 1; // ON
    Edit_Satellite_Lnb(*db, kSatSlot, settings);

    const SatelliteRecord &record = db->raw.satellites[kSatSlot];
    SatelliteRecord expected;
    expected.fill(kSatFill);
    const std::uint8_t written[][2] = {{0, 5},    {1, 0},    {2, 1},    {3, 0x13},  {4, 3},
                                       {6, 0x2C}, {7, 0x01}, {8, 0x30}, {9, 0x75},  {12, 'A'},
                                       {13, 'B'}, {14, ' '}, {15, 0},   {32, 0x10}, {33, 0x0E}};
    for (const auto &[offset, value] : written)
        expected[offset] = value;
    QCOMPARE(record, expected);

    const TLNB_Info_String &row = db->rows.satellites[kSatSlot];
    QCOMPARE(row.Name, std::string("AB ")); // untrimmed, as typed
    QCOMPARE(row.Lnb_Low_Freq, std::string("300"));
    QCOMPARE(row.Lnb_High_Freq, std::string("30000"));
    QCOMPARE(row.Longitude, std::string("360.0"));
    QCOMPARE(row.Lnb_Type, 5);
    QCOMPARE(row.Lnb_Power, 3);
    QCOMPARE(row.Tone_22K, 1);
    QCOMPARE(row.Lnb_12V, 0);
}

void TestRecordWriters::satellite_name_lengths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("stored"); // bytes 12..31 after the write

    const QByteArray fill(1, char(kSatFill));
    QTest::newRow("18 characters")
            << "ABCDEFGHIJKLMNOPQR" << QByteArray("ABCDEFGHIJKLMNOPQR") + '\0' + fill;
    QTest::newRow("17 characters")
            << "ABCDEFGHIJKLMNOPQ" << QByteArray("ABCDEFGHIJKLMNOPQ") + '\0' + fill + fill;
    QTest::newRow("empty") << "" << QByteArray(1, '\0') + fill.repeated(19);
    QTest::newRow("latin-1") << QString::fromUtf8("é")
                             << QByteArray("\xE9") + '\0' + fill.repeated(18);
}

void TestRecordWriters::satellite_name_lengths()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, stored);
    auto db = Patterned_Satellite();
    SatelliteSettings settings = Usual_Satellite_Settings();
    settings.name = name.toLatin1().toStdString();
    Edit_Satellite_Lnb(*db, kSatSlot, settings);
    const SatelliteRecord &record = db->raw.satellites[kSatSlot];
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.data()) + 12, 20), stored);
    QCOMPARE(db->rows.satellites[kSatSlot].Name, name.toLatin1().toStdString());
}

void TestRecordWriters::program_worked_example()
{
    auto db = Empty_Database(FileKind::ChannelData);
    ProgramValues values;
    values.skipped = true;
    values.service_id = 1234;
    values.pcr_pid = 256;
    values.video_pid = 256;
    values.audio_pid = 257;
    values.favourite_mask = 0x0005; // groups 1 and 3
    values.pmt_pid = 32;
    values.name = "Example";
    QCOMPARE(Create_Program(*db, prog::kKindSatellite, 7, values), 0);
    const ProgramRecord &record = db->raw.programs[0];
    QCOMPARE(Hex(Slice(record, 0, 20)),
             QByteArray("85 0E 00 20 68 69 D2 04 00 01 00 04 00 21 20 00 05 00 20 00"));
    QCOMPARE(Hex(Slice(record, 20, 40)),
             QByteArray("45 78 61 6D 70 6C 65 00 00 00 00 00 00 00 00 FF 00 00 00 00"));
    QCOMPARE(db->Program_Count, 1);
    QCOMPARE(Load_U16(db->raw.program_counts, 0), std::uint16_t{1});
}

void TestRecordWriters::new_program_invariants_data()
{
    QTest::addColumn<uint>("tp_kind");
    QTest::addColumn<bool>("flags");
    QTest::addColumn<uint>("mask");
    QTest::addColumn<uint>("pid");

    QTest::newRow("satellite, nothing set") << 1u << false << 0u << 0u;
    QTest::newRow("satellite, all set") << 1u << true << 0xFFFFu << 8191u;
    QTest::newRow("terrestrial, all set") << 2u << true << 0xFFFFu << 8191u;
    QTest::newRow("terrestrial, group 16") << 2u << false << 0x8000u << 4096u;
}

// Over a slot full of 0xFF, whatever the choices: bits no field owns are cleared.
void TestRecordWriters::new_program_invariants()
{
    QFETCH(uint, tp_kind);
    QFETCH(bool, flags);
    QFETCH(uint, mask);
    QFETCH(uint, pid);
    auto db = Empty_Database(FileKind::ChannelData);
    Set_Program_Count(*db, 3);
    ProgramValues values{flags, flags, flags, 0xFFFF, pid, pid, pid, pid, mask, pid, "Radio X"};
    QCOMPARE(Create_Program(*db, tp_kind, 4095, values), 3);
    const ProgramRecord &record = db->raw.programs[3];
    QCOMPARE(Read_Field(record, prog::Free_To_Air), 1u);
    QCOMPARE(Read_Field(record, prog::Audio_Track_Total), 1u);
    QCOMPARE(Read_Field(record, prog::W1_Low_Bits), 0x6968u);
    QCOMPARE(Read_Field(record, prog::W4_Top_Bits), 0u);
    QCOMPARE(Read_Field(record, prog::Current_Audio), 0u);
    QCOMPARE(Load_U32(record, 0) & 0x1FE00138u, 0u); // W0 bits 3..5, 8 and 21..28
    QCOMPARE(Read_Field(record, prog::Tp_Kind), tp_kind);
    QCOMPARE(Read_Field(record, prog::Is_Radio), uint(flags));
    QCOMPARE(Read_Field(record, prog::Favourite_Mask), mask);
    QCOMPARE(Read_Field(record, prog::Audio_Pid), pid);
    QCOMPARE(Hex(Slice(record, 36, 40)), QByteArray("00 00 00 00"));
    QCOMPARE(db->Program_Count, 4);
    QCOMPARE(Text(db->rows.programs[3].Name), QByteArray("Radio X"));
}

void TestRecordWriters::satellite_name_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("stored"); // characters written before the NUL

    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("short") << QByteArray("Sat") << 3;
    QTest::newRow("17 characters") << QByteArray(17, 'n') << 17;
    QTest::newRow("18 characters") << QByteArray(18, 'n') << 18;
    QTest::newRow("19 characters are cut") << QByteArray(19, 'n') << 18;
}

// Only the name's characters and its NUL are written; byte 30 only for an 18-character name.
void TestRecordWriters::satellite_name()
{
    QFETCH(QByteArray, name);
    QFETCH(int, stored);
    SatelliteRecord record;
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = static_cast<std::uint8_t>(0xA0 + i);
    SatelliteRecord expected = record;
    std::copy_n(name.constData(), stored, expected.begin() + 12);
    expected[12 + static_cast<std::size_t>(stored)] = 0;
    Write_Satellite_Name(record, {name.constData(), static_cast<std::size_t>(name.size())});
    QCOMPARE(Hex(record), Hex(expected));
}

void TestRecordWriters::program_name_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("stored");

    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("short") << QByteArray("Radio") << 5;
    QTest::newRow("14 characters") << QByteArray(14, 'n') << 14;
    QTest::newRow("15 characters") << QByteArray(15, 'n') << 15;
    QTest::newRow("16 characters are cut") << QByteArray(16, 'n') << 15;
}

// Bytes 20..34 are cleared first; byte 35 changes only for a 15-character name.
void TestRecordWriters::program_name()
{
    QFETCH(QByteArray, name);
    QFETCH(int, stored);
    ProgramRecord record;
    record.fill(0xA5);
    ProgramRecord expected = record;
    std::fill_n(expected.begin() + 20, 15, std::uint8_t{0});
    std::copy_n(name.constData(), stored, expected.begin() + 20);
    expected[20 + static_cast<std::size_t>(stored)] = 0;
    Write_Program_Name(record, {name.constData(), static_cast<std::size_t>(name.size())});
    QCOMPARE(Hex(record), Hex(expected));
}

void TestRecordWriters::current_audio_track_slot_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<uint>("current_audio");
    QTest::addColumn<int>("slot");

    QTest::newRow("own audio pid") << 0 << 0u << -1;
    QTest::newRow("first own track") << 0 << 1u << 0;
    QTest::newRow("second own track skips others") << 0 << 2u << 2;
    QTest::newRow("track beyond the count") << 0 << 3u << -1;
    QTest::newRow("program 1, track 1") << 1 << 1u << 1;
    QTest::newRow("program 1 owns one track") << 1 << 2u << -1;
    QTest::newRow("program 2, track 1") << 2 << 1u << 3;
    QTest::newRow("largest code") << 2 << 63u << -1;
}

void TestRecordWriters::current_audio_track_slot()
{
    QFETCH(int, program);
    QFETCH(uint, current_audio);
    QFETCH(int, slot);
    auto db = Empty_Database(FileKind::ChannelData);
    Add_Programs_With_Tracks(*db);
    Write_Field(db->raw.programs[static_cast<std::size_t>(program)], prog::Current_Audio,
                current_audio);
    QCOMPARE(Current_Audio_Track_Slot(db->raw, program), slot);
}

void TestRecordWriters::edit_program_audio_pid_data()
{
    QTest::addColumn<uint>("current_audio");
    QTest::addColumn<int>("track"); // the track that receives the PID, -1 for the program

    QTest::newRow("program's own audio pid") << 0u << -1;
    QTest::newRow("first own track") << 1u << 0;
    QTest::newRow("second own track") << 2u << 2;
    // A program never writes another program's track, nor one past the used tracks.
    QTest::newRow("track not owned") << 3u << -1;
}

void TestRecordWriters::edit_program_audio_pid()
{
    QFETCH(uint, current_audio);
    QFETCH(int, track);
    auto db = Empty_Database(FileKind::ChannelData);
    Add_Programs_With_Tracks(*db);
    Write_Field(db->raw.programs[0], prog::Current_Audio, current_audio);
    const auto tracks_before = db->raw.audio_tracks;
    const std::uint32_t own_pid_before = Read_Field(db->raw.programs[0], prog::Audio_Pid);

    ProgramValues values = test::Sample_Program(0);
    values.audio_pid = 7777;
    Edit_Program(*db, 0, values);

    const std::uint32_t own_pid = Read_Field(db->raw.programs[0], prog::Audio_Pid);
    QCOMPARE(own_pid, track < 0 ? 7777u : own_pid_before);
    for (std::size_t a = 0; a < 5; ++a) {
        AudioTrackRecord expected = tracks_before[a];
        if (static_cast<int>(a) == track)
            Write_Field(expected, audio::Audio_Pid, 7777);
        QCOMPARE(Hex(db->raw.audio_tracks[a]), Hex(expected));
    }
    if (track >= 0)
        QCOMPARE(Text(db->rows.audio_tracks[static_cast<std::size_t>(track)].Audio_Pid),
                 QByteArray("7777"));
    QCOMPARE(Text(db->rows.programs[0].Audio_Pid), QByteArray::number(own_pid));
}

void TestRecordWriters::edit_program_changes_only_editable_fields()
{
    auto db = Empty_Database(FileKind::ChannelData);
    Create_Program(*db, prog::kKindSatellite, 12, test::Sample_Program(1));
    ProgramRecord &record = db->raw.programs[0];
    Write_Field(record, prog::Free_To_Air, 0);
    Write_Field(record, prog::W4_Top_Bits, 5);
    record[36] = 0x0B;
    const ProgramRecord before = record;

    // is_radio is set here but an edit never changes it.
    ProgramValues values{true, true, true, 65535, 8191, 8191, 8191, 8191, 0xFFFF, 8191, "Edited"};
    Edit_Program(*db, 0, values);
    const std::uint32_t locked_and_skipped = 0xC0;
    QCOMPARE(Load_U32(record, 0) & ~locked_and_skipped, Load_U32(before, 0) & ~locked_and_skipped);
    QCOMPARE(Load_U32(record, 0) & locked_and_skipped, locked_and_skipped);
    QCOMPARE(Read_Field(record, prog::W1_Low_Bits), 0x6968u);
    QCOMPARE(Read_Field(record, prog::Audio_Track_Total), 1u);
    QCOMPARE(Read_Field(record, prog::W4_Top_Bits), 5u);
    QCOMPARE(Hex(Slice(record, 36, 40)), QByteArray("0B 00 00 00"));
    QCOMPARE(Read_Field(record, prog::Service_Id), 65535u);
    QCOMPARE(Read_Field(record, prog::Pmt_Pid), 8191u);
    QCOMPARE(Text(db->rows.programs[0].Name), QByteArray("Edited"));
    QCOMPARE(int(db->rows.programs[0].Locked), 1);
}

void TestRecordWriters::counter_setters()
{
    auto db = Empty_Database(FileKind::ChannelData);
    Set_Sat_Tp_Counts(db->raw, 2000, 59, 150);
    QCOMPARE(Hex(Slice(db->raw.sat_tp_counts, 0, 2)), QByteArray("D0 07"));
    QCOMPARE(Hex(Slice(db->raw.sat_tp_counts, 118, 124)), QByteArray("00 00 96 00 FF FF"));
    QCOMPARE(Sat_Tp_Per_Sat_Count(db->raw, 59), 150);

    Set_Ter_Tp_Counts(db->raw, 1000, 6, 9);
    QCOMPARE(Hex(db->raw.ter_tp_counts),
             QByteArray("FF FF FF FF E8 03 00 00 00 00 00 00 00 00 00 00 00 00 09 00"));
    QCOMPARE(Ter_Tp_Per_Group_Count(db->raw, 6), 9);

    Set_Program_Count(*db, 4000);
    Set_Audio_Track_Count(db->raw, 1000);
    QCOMPARE(Hex(db->raw.program_counts), QByteArray("A0 0F E8 03"));
    QCOMPARE(db->Program_Count, 4000);
    QCOMPARE(Used_Audio_Track_Count(db->raw), 1000);
    QCOMPARE(First_Difference(db->raw.satellites[0], SatelliteRecord{}), -1);
}

using Misfit = std::function<void(TableImport &)>;

template<typename Entry>
Entry In_Slot(int slot)
{
    Entry entry;
    entry.slot = slot;
    return entry;
}

void TestRecordWriters::import_refuses_tables_that_do_not_fit_data()
{
    QTest::addColumn<Misfit>("misfit");
    QTest::addColumn<QString>("message");
    QTest::newRow("satellite slot") << Misfit([](TableImport &t) {
        t.satellites.push_back(In_Slot<SatelliteImport>(kSatelliteCount));
    }) << "satellites slot 60 is outside 0..59";
    QTest::newRow("negative slot")
            << Misfit([](TableImport &t) { t.sat_tps.push_back({.slot = -1}); })
            << "satellite transponders slot -1 is outside 0..1999";
    QTest::newRow("satellite of a transponder") << Misfit([](TableImport &t) {
        t.sat_tps.push_back({.slot = 0, .sat_index = kSatelliteCount});
    }) << "satellite transponders Sat_Index 60 is outside 0..59";
    QTest::newRow("terrestrial group") << Misfit([](TableImport &t) {
        t.ter_tps.push_back({.slot = 0, .group_index = kTerGroupCount});
    }) << "terrestrial transponders Group_Index 7 is outside 0..6";
    QTest::newRow("program slot") << Misfit([](TableImport &t) {
        t.programs.push_back(In_Slot<ProgramImport>(kProgramSlots));
    }) << "programs slot 4000 is outside 0..3999";
    QTest::newRow("programs") << Misfit([](TableImport &t) {
        t.programs.resize(kProgramSlots + 1);
    }) << "4001 programs given; the table holds 4000";
    QTest::newRow("audio tracks") << Misfit([](TableImport &t) {
        t.audio_tracks.resize(kAudioTrackSlots + 1);
    }) << "1001 audio tracks given; the table holds 1000";
    QTest::newRow("track slot") << Misfit([](TableImport &t) {
        t.audio_tracks.push_back(In_Slot<TrackImport>(kAudioTrackSlots));
    }) << "audio tracks slot 1000 is outside 0..999";
}

// No caller can write past a table: what does not fit is refused before anything is written.
void TestRecordWriters::import_refuses_tables_that_do_not_fit()
{
    QFETCH(Misfit, misfit);
    QFETCH(QString, message);
    const auto db = Empty_Database(FileKind::ChannelData);
    TableImport tables;
    misfit(tables);
    const RawArrays before = db->raw;
    const Outcome outcome = Import_Tables(*db, tables);
    QVERIFY(!outcome);
    QCOMPARE(QString::fromStdString(outcome.message),
             "The tables do not fit the database: " + message + '.');
    QVERIFY(std::memcmp(&before, &db->raw, sizeof before) == 0);
}

QTEST_APPLESS_MAIN(TestRecordWriters)
#include "tst_record_writers.moc"
