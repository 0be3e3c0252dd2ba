// Decoding records into display rows: texts of numbers, coded fields read through their
// maxima, names trimmed or kept as stored, the satellite slot of a program, and images from
// the outside world that hold any bytes at all.

#include "dbase_test_support.h"

#include "dbase/entry_fields.h"

#include <QtTest>

#include <numeric>
#include <random>

using namespace orvane;
using orvane::test::Seeded_Bytes;
using orvane::test::Text;

namespace {

template<typename Record>
Record Record_With_Text(std::size_t offset, const QByteArray &text, std::uint8_t fill = 0)
{
    Record record;
    record.fill(fill);
    std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
    return record;
}

SatTransponderRecord Tp_With(BitField field, std::uint32_t value)
{
    SatTransponderRecord record = kEmptySatTransponder;
    Write_Field(record, sat_tp::In_Use, 1);
    Write_Field(record, field, value);
    return record;
}

} // namespace

class TestDecode : public QObject
{
    Q_OBJECT

private slots:
    void longitude_data();
    void longitude();
    void polarity_data();
    void polarity();
    void fec_data();
    void fec();
    void favourite_mask_data();
    void favourite_mask();
    void names_data();
    void names();
    void audio_tag_data();
    void audio_tag();
    void program_sat_slot_data();
    void program_sat_slot();
    void terrestrial_frequency_is_unsigned();
    void counts_raw_and_clamped_data();
    void counts_raw_and_clamped();
    void hostile_images_data();
    void hostile_images();
    void rows_made_when_read_equal_a_full_decode();
};

void TestDecode::longitude_data()
{
    QTest::addColumn<uint>("stored");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("192") << 192u << QByteArray("19.2");
    QTest::newRow("0") << 0u << QByteArray("0");
    QTest::newRow("130") << 130u << QByteArray("13");
    QTest::newRow("3600") << 3600u << QByteArray("360");
}

void TestDecode::longitude()
{
    QFETCH(uint, stored);
    QFETCH(QByteArray, text);
    SatelliteRecord record{};
    Write_Field(record, sat::Longitude, stored);
    TLNB_Info_String row;
    Decode_Satellite(record, row);
    QCOMPARE(Text(row.Longitude), text);
}

void TestDecode::polarity_data()
{
    QTest::addColumn<uint>("stored");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("0") << 0u << 0 << QByteArray("H");
    QTest::newRow("1") << 1u << 1 << QByteArray("V");
    QTest::newRow("2 has no text") << 2u << 2 << QByteArray();
    QTest::newRow("3 reads as 1") << 3u << 1 << QByteArray("V");
}

// Each row decodes into a row that showed "V" before, so no text survives from the
// previous contents of the row.
void TestDecode::polarity()
{
    QFETCH(uint, stored);
    QFETCH(int, value);
    QFETCH(QByteArray, text);
    TTp_Info_String row;
    Decode_Sat_Transponder(Tp_With(sat_tp::Polarity, 1), row);
    QCOMPARE(Text(row.Polarity_Text), QByteArray("V"));
    Decode_Sat_Transponder(Tp_With(sat_tp::Polarity, stored), row);
    QCOMPARE(int(row.Polarity), value);
    QCOMPARE(Text(row.Polarity_Text), text);
}

void TestDecode::fec_data()
{
    QTest::addColumn<uint>("stored");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("text");
    const char *texts[] = {"Auto", "1/2", "2/3", "3/4", "5/6", "6/7", "7/8"};
    const int reads[] = {0, 1, 2, 3, 4, 5, 6, 3, 4, 4, 5, 5, 6, 6, 3, 3};
    for (uint code = 0; code < 16; ++code)
        QTest::addRow("%u", code) << code << reads[code] << QByteArray(texts[reads[code]]);
}

void TestDecode::fec()
{
    QFETCH(uint, stored);
    QFETCH(int, value);
    QFETCH(QByteArray, text);
    TTp_Info_String row;
    Decode_Sat_Transponder(Tp_With(sat_tp::Fec, stored), row);
    QCOMPARE(int(row.Fec), value);
    QCOMPARE(Text(row.Fec_Text), text);
}

void TestDecode::favourite_mask_data()
{
    QTest::addColumn<uint>("mask");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("group 1") << 0x0001u << QByteArray("0000000000000001");
    QTest::newRow("group 16") << 0x8000u << QByteArray("1000000000000000");
    QTest::newRow("groups 1 and 3") << 0x0005u << QByteArray("0000000000000101");
    QTest::newRow("none") << 0x0000u << QByteArray("0000000000000000");
    QTest::newRow("all") << 0xFFFFu << QByteArray("1111111111111111");
}

void TestDecode::favourite_mask()
{
    QFETCH(uint, mask);
    QFETCH(QByteArray, text);
    auto raw = std::make_unique<RawArrays>();
    ProgramRecord record{};
    Write_Field(record, prog::Favourite_Mask, mask);
    TProg_Info_String row;
    Decode_Program(record, *raw, row);
    QCOMPARE(Text(row.Favourite_Mask), text);
}

void TestDecode::names_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("satellite");
    QTest::addColumn<QByteArray>("favourite");
    QTest::addColumn<QByteArray>("program");

    QTest::newRow("plain") << QByteArray("Astra") << QByteArray("Astra") << QByteArray("Astra")
                           << QByteArray("Astra");
    QTest::newRow("trailing blanks") << QByteArray("News  ") << QByteArray("News")
                                     << QByteArray("News") << QByteArray("News  ");
    QTest::newRow("trailing controls") << QByteArray("Sport\t\x01") << QByteArray("Sport")
                                       << QByteArray("Sport") << QByteArray("Sport\t\x01");
    QTest::newRow("leading blank kept")
            << QByteArray(" TV") << QByteArray(" TV") << QByteArray(" TV") << QByteArray(" TV");
    QTest::newRow("8-bit bytes kept") << QByteArray("Caf\xE9") << QByteArray("Caf\xE9")
                                      << QByteArray("Caf\xE9") << QByteArray("Caf\xE9");
    // No NUL in the field: each stops at its own length (18, 15 and 15 characters).
    QTest::newRow("field full") << QByteArray(20, 'x') << QByteArray(18, 'x') << QByteArray(15, 'x')
                                << QByteArray(15, 'x');
}

// The name bytes are followed by 'z' filler, so a reader that runs past its field shows.
void TestDecode::names()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, satellite);
    QFETCH(QByteArray, favourite);
    QFETCH(QByteArray, program);
    const QByteArray with_nul = stored.size() < 15 ? stored + '\0' : stored.left(20);

    TLNB_Info_String sat_row;
    Decode_Satellite(Record_With_Text<SatelliteRecord>(12, with_nul, 'z'), sat_row);
    QCOMPARE(Text(sat_row.Name), satellite);

    TFavor_Name_String favourite_row;
    Decode_Favourite_Name(Record_With_Text<FavouriteGroupName>(0, with_nul.left(16), 'z'),
                          favourite_row);
    QCOMPARE(Text(favourite_row), favourite);

    auto raw = std::make_unique<RawArrays>();
    TProg_Info_String program_row;
    Decode_Program(Record_With_Text<ProgramRecord>(20, with_nul.left(20), 'z'), *raw, program_row);
    QCOMPARE(Text(program_row.Name), program);
}

void TestDecode::audio_tag_data()
{
    QTest::addColumn<QByteArray>("tag_bytes"); // bytes 4..6
    QTest::addColumn<QByteArray>("tag");
    QTest::newRow("three characters") << QByteArray("ENG") << QByteArray("ENG");
    QTest::newRow("two and NUL") << QByteArray("EN\0", 3) << QByteArray("EN");
    QTest::newRow("NUL first") << QByteArray("\0GB", 3) << QByteArray();
    QTest::newRow("blank kept") << QByteArray("E  ") << QByteArray("E  ");
}

void TestDecode::audio_tag()
{
    QFETCH(QByteArray, tag_bytes);
    QFETCH(QByteArray, tag);
    AudioTrackRecord record = kEmptyAudioTrack; // byte 7 is 0xFF, never part of the tag
    std::copy(tag_bytes.begin(), tag_bytes.end(), record.begin() + 4);
    Write_Field(record, audio::Program_Index, 65535);
    Write_Field(record, audio::Audio_Pid, 8191);
    TAudio_Info_String row;
    Decode_Audio_Track(record, row);
    QCOMPARE(Text(row.Tag), tag);
    QCOMPARE(row.Program_Index, 65535);
    QCOMPARE(Text(row.Audio_Pid), QByteArray("8191"));
    QCOMPARE(int(row.In_Use), 0);
}

void TestDecode::program_sat_slot_data()
{
    QTest::addColumn<uint>("tp_kind");
    QTest::addColumn<uint>("tp_index");
    QTest::addColumn<uint>("tp_sat_index"); // Sat_Index of that transponder
    QTest::addColumn<int>("slot");

    QTest::newRow("satellite tp") << 1u << 7u << 12u << 12;
    QTest::newRow("last satellite, last tp") << 1u << 1999u << 59u << 59;
    QTest::newRow("terrestrial") << 2u << 7u << 12u << 0;
    QTest::newRow("kind 0") << 0u << 7u << 12u << 0;
    QTest::newRow("tp index 2000") << 1u << 2000u << 12u << kNoSatellite;
    QTest::newRow("tp index 4095") << 1u << 4095u << 12u << kNoSatellite;
    QTest::newRow("satellite 60") << 1u << 7u << 60u << kNoSatellite;
    QTest::newRow("satellite 255") << 1u << 7u << 255u << kNoSatellite;
}

void TestDecode::program_sat_slot()
{
    QFETCH(uint, tp_kind);
    QFETCH(uint, tp_index);
    QFETCH(uint, tp_sat_index);
    QFETCH(int, slot);
    auto raw = std::make_unique<RawArrays>();
    Write_Field(raw->sat_tps[std::min(tp_index, 1999u)], sat_tp::Sat_Index, tp_sat_index);
    ProgramRecord record{};
    Write_Field(record, prog::Tp_Kind, tp_kind);
    Write_Field(record, prog::Tp_Index, tp_index);
    QCOMPARE(Program_Sat_Slot(record, *raw), slot);
    TProg_Info_String row;
    Decode_Program(record, *raw, row);
    QCOMPARE(row.Sat_Slot, slot);
    QCOMPARE(row.Tp_Index, int(tp_index));
}

void TestDecode::terrestrial_frequency_is_unsigned()
{
    TerTransponderRecord record = kEmptyTerTransponder;
    Store_U32(record, 0, 0xFFFFFFFFu);
    Store_U32(record, 4, 0xFFFFFFFFu);
    record[12] = 2;
    TTer_Tp_Info_String row;
    Decode_Ter_Transponder(record, row);
    QCOMPARE(Text(row.Frequency), QByteArray("4294967295"));
    QCOMPARE(QList<int>({row.In_Use, row.Group_Index, row.Tp_Number, row.Bandwidth}),
             QList<int>({1, 255, 255, 2}));
}

void TestDecode::counts_raw_and_clamped_data()
{
    QTest::addColumn<int>("programs");
    QTest::addColumn<int>("tracks");
    QTest::newRow("in range") << 3999 << 999;
    QTest::newRow("full") << 4000 << 1000;
    QTest::newRow("one past") << 4001 << 1001;
    QTest::newRow("u16 max") << 65535 << 65535;
}

// The integer copy of Program_Count is the stored value; loops use the clamped counts.
void TestDecode::counts_raw_and_clamped()
{
    QFETCH(int, programs);
    QFETCH(int, tracks);
    auto db = test::Empty_Database(FileKind::ChannelData);
    Store_U16(db->raw.program_counts, 0, static_cast<std::uint16_t>(programs));
    Store_U16(db->raw.program_counts, 2, static_cast<std::uint16_t>(tracks));
    Decode_Image(*db, test::Image_Of(db->raw));
    QCOMPARE(db->Program_Count, programs);
    QCOMPARE(Stored_Audio_Track_Count(db->raw), tracks);
    QCOMPARE(Used_Program_Count(db->raw), std::min(programs, 4000));
    QCOMPARE(Used_Audio_Track_Count(db->raw), std::min(tracks, 1000));
}

void TestDecode::hostile_images_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::newRow("all 0xFF") << QByteArray("ff");
    QTest::newRow("all zero") << QByteArray("00");
    QTest::newRow("random 1") << QByteArray("1");
    QTest::newRow("random 2") << QByteArray("2");
}

// Any bytes decode without reading or writing outside a table (run under the asan preset),
// and the index lookups that follow a decode stay inside their tables too.
void TestDecode::hostile_images()
{
    QFETCH(QByteArray, kind);
    Bytes image(kImageSize, kind == "ff" ? 0xFF : 0x00);
    if (kind != "ff" && kind != "00")
        image = Seeded_Bytes(kImageSize, kind.toUInt());
    auto db = Make_Channel_Database();
    Decode_Image(*db, image);
    for (int p = 0; p < kProgramSlots; ++p) {
        const int slot = Current_Audio_Track_Slot(db->raw, p);
        QVERIFY(slot >= -1 && slot < Used_Audio_Track_Count(db->raw));
        const int sat_slot = db->rows.programs[static_cast<std::size_t>(p)].Sat_Slot;
        QVERIFY(sat_slot >= kNoSatellite && sat_slot < kSatelliteCount);
    }
    for (const TTp_Info_String &row : db->rows.sat_tps) {
        QVERIFY(row.Polarity <= 2 && row.Fec <= 6);
        QVERIFY(!row.Fec_Text.empty());
    }
    if (kind == "ff") {
        QCOMPARE(db->Program_Count, 65535);
        QCOMPARE(Text(db->rows.sat_tps[0].Polarity_Text + db->rows.sat_tps[0].Fec_Text),
                 QByteArray("V3/4"));
        QCOMPARE(Text(db->rows.satellites[0].Longitude), QByteArray("6553.5"));
    }
}

namespace {

// Every exported field of a table's rows, read in a random order of slots, against the row its
// record decodes to on its own.
template<typename Row, typename Decode>
QStringList Mismatches(const char *table, const RowTable<Row> &rows,
                       std::span<const EntryField<Row>> fields, Decode decode, std::mt19937 &random)
{
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::shuffle(order.begin(), order.end(), random);
    QStringList mismatches;
    for (const std::size_t slot : order) {
        Row decoded;
        decode(slot, decoded);
        for (const EntryField<Row> &field : fields)
            if (field.value(rows[slot], Latin1_Names()) != field.value(decoded, Latin1_Names()))
                mismatches << QStringLiteral("%1 %2 %3").arg(table).arg(slot).arg(field.key);
    }
    return mismatches;
}

} // namespace

// The rows an open leaves to be made when read equal what each record decodes to, in any
// order of reading, after the records changed wholesale, and in a copy of the database (whose
// rows come from its own arrays).
void TestDecode::rows_made_when_read_equal_a_full_decode()
{
    std::mt19937 random(27);
    auto db = Make_Channel_Database();
    for (const unsigned seed : {1u, 2u}) {
        Decode_Image(*db, Seeded_Bytes(kImageSize, seed));
        const auto copy = std::make_unique<ChannelDatabase>(*db);
        if (seed == 1)
            Decode_Image(*db, Seeded_Bytes(kImageSize, 3)); // the copy keeps seed 1's arrays
        for (const ChannelDatabase *checked : {db.get(), copy.get()}) {
            const RawArrays &raw = checked->raw;
            const DisplayTables &rows = checked->rows;
            QStringList wrong;
            wrong << Mismatches(
                    "satellite", rows.satellites, Satellite_Fields(),
                    [&](std::size_t s, auto &row) { Decode_Satellite(raw.satellites[s], row); },
                    random)
                  << Mismatches(
                             "sat tp", rows.sat_tps, Sat_Transponder_Fields(),
                             [&](std::size_t t, auto &row) {
                                 Decode_Sat_Transponder(raw.sat_tps[t], row);
                             },
                             random)
                  << Mismatches(
                             "ter tp", rows.ter_tps, Ter_Transponder_Fields(),
                             [&](std::size_t t, auto &row) {
                                 Decode_Ter_Transponder(raw.ter_tps[t], row);
                             },
                             random)
                  << Mismatches(
                             "program", rows.programs, Program_Fields(),
                             [&](std::size_t p, auto &row) {
                                 Decode_Program(raw.programs[p], raw, row);
                             },
                             random)
                  << Mismatches(
                             "track", rows.audio_tracks, Audio_Track_Fields(),
                             [&](std::size_t a, auto &row) {
                                 Decode_Audio_Track(raw.audio_tracks[a], row);
                             },
                             random);
            for (std::size_t g = 0; g < kFavouriteGroupCount; ++g) {
                TFavor_Name_String name;
                Decode_Favourite_Name(raw.favourite_names[g], name);
                if (rows.favourite_names[g] != name)
                    wrong << QStringLiteral("group %1").arg(g);
            }
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 10).join(", ")));
        }
    }
}

QTEST_APPLESS_MAIN(TestDecode)
#include "tst_decode.moc"
