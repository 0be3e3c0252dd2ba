// The image layout: where every region lies, what fills the bytes between them, and that
// every packed field sits at its documented bits and is written without touching any other.

#include "dbase_test_support.h"

#include <QtTest>

using namespace orvane;
using orvane::test::First_Difference;
using orvane::test::Image_Of;
using orvane::test::Seeded_Bytes;

Q_DECLARE_METATYPE(orvane::BitField)

namespace {

struct ExpectedRegion
{
    std::size_t offset;
    std::size_t size;
};

// The regions as the receiver lays them out, typed from the format description.
constexpr ExpectedRegion kExpectedRegions[] = {
        {0, 60 * 36}, {4096, 124},      {4220, 2000 * 20},  {46080, 20},        {46100, 1000 * 20},
        {67584, 4},   {67588, 16 * 16}, {67844, 4000 * 40}, {243851, 1000 * 8},
};

bool In_Some_Region(std::size_t offset)
{
    for (const auto &region : kExpectedRegions)
        if (offset >= region.offset && offset < region.offset + region.size)
            return true;
    return false;
}

bool Bit_Of(ByteView bytes, std::size_t bit)
{
    return (bytes[bit / 8] >> (bit % 8)) & 1u;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void regions_data();
    void regions();
    void first_audio_record_is_at_odd_offset();
    void image_from_raw_fills_only_gaps();
    void write_image_keeps_bytes_past_image();
    void field_read_modify_write_data();
    void field_read_modify_write();
};

void TestLayout::regions_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 9; ++i)
        QTest::addRow("%s", Image_Regions()[static_cast<std::size_t>(i)].name) << i;
}

void TestLayout::regions()
{
    QFETCH(int, index);
    QCOMPARE(Image_Regions().size(), std::size(kExpectedRegions));
    const auto i = static_cast<std::size_t>(index);
    QCOMPARE(Image_Regions()[i].offset, kExpectedRegions[i].offset);
    QCOMPARE(Image_Regions()[i].size, kExpectedRegions[i].size);
}

void TestLayout::first_audio_record_is_at_odd_offset()
{
    auto db = test::Empty_Database(FileKind::Default);
    Store_U32(db->raw.audio_tracks[0], 0, 0x12345679u);
    Store_U32(db->raw.audio_tracks[999], 4, 0xA1B2C3D4u);
    const Bytes image = Image_Of(db->raw);
    QCOMPARE(Load_U32(image, 243851), 0x12345679u);
    QCOMPARE(image[243850], std::uint8_t{0xFF}); // gap byte before the table
    QCOMPARE(Load_U32(image, 251851 - 4), 0xA1B2C3D4u);
    QCOMPARE(image[251851], std::uint8_t{0xFF}); // the table ends at 251851
}

// Every region byte comes from the raw arrays; every other byte, and only those, is 0xFF.
void TestLayout::image_from_raw_fills_only_gaps()
{
    auto raw = std::make_unique<RawArrays>();
    for (std::size_t r = 0; r < Image_Regions().size(); ++r) {
        const Bytes noise = Seeded_Bytes(Region_Bytes(*raw, r).size(), 100 + r);
        std::transform(noise.begin(), noise.end(), Region_Bytes(*raw, r).begin(),
                       [](std::uint8_t b) { return static_cast<std::uint8_t>(b % 0xFF); });
    }
    Bytes image(kImageSize, 0x00);
    Image_From_Raw(*raw, image);
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        if (In_Some_Region(offset) != (image[offset] != 0xFF))
            QFAIL(qPrintable(QString("byte %1 is 0x%2").arg(offset).arg(image[offset], 0, 16)));
    }
    auto back = std::make_unique<RawArrays>();
    Raw_From_Image(*back, image);
    QCOMPARE(First_Difference(Image_Of(*back), image), -1);
}

void TestLayout::write_image_keeps_bytes_past_image()
{
    auto db = test::Empty_Database(FileKind::ChannelData);
    Bytes working_copy(kChannelDataFileSize, 0x5A);
    Write_Image(db->raw, working_copy);
    QCOMPARE(working_copy.size(), kChannelDataFileSize);
    QCOMPARE(First_Difference(ByteView(working_copy).first(kImageSize), Image_Of(db->raw)), -1);
    for (std::size_t i = kImageSize; i < kChannelDataFileSize; ++i)
        QCOMPARE(working_copy[i], std::uint8_t{0x5A});
}

void TestLayout::field_read_modify_write_data()
{
    QTest::addColumn<BitField>("field");
    QTest::addColumn<int>("record_size");
    QTest::addColumn<int>("byte_offset");
    QTest::addColumn<int>("first_bit");
    QTest::addColumn<int>("width");

    struct Row
    {
        const char *name;
        BitField field;
        int record_size, byte_offset, first_bit, width;
    };
    const Row rows[] = {
            {"sat Lnb_Type", sat::Lnb_Type, 36, 0, 0, 8},
            {"sat Lnb_12V", sat::Lnb_12V, 36, 1, 0, 8},
            {"sat Tone_22K", sat::Tone_22K, 36, 2, 0, 8},
            {"sat Diseqc_Port", sat::Diseqc_Port, 36, 3, 0, 4},
            {"sat Motor", sat::Motor, 36, 3, 4, 4},
            {"sat Lnb_Power", sat::Lnb_Power, 36, 4, 0, 8},
            {"sat Lnb_Low_Freq", sat::Lnb_Low_Freq, 36, 6, 0, 16},
            {"sat Lnb_High_Freq", sat::Lnb_High_Freq, 36, 8, 0, 16},
            {"sat Longitude", sat::Longitude, 36, 32, 0, 16},
            {"sat_counts Total_Count", sat_counts::Total_Count, 124, 0, 0, 16},
            {"sat_counts Per_Sat_Count 0", sat_counts::Per_Sat_Count(0), 124, 2, 0, 16},
            {"sat_counts Per_Sat_Count 59", sat_counts::Per_Sat_Count(59), 124, 120, 0, 16},
            {"sat_tp In_Use", sat_tp::In_Use, 20, 4, 0, 1},
            {"sat_tp Sat_Index", sat_tp::Sat_Index, 20, 4, 1, 8},
            {"sat_tp Tp_Number", sat_tp::Tp_Number, 20, 4, 9, 8},
            {"sat_tp Polarity", sat_tp::Polarity, 20, 4, 17, 2},
            {"sat_tp Fec", sat_tp::Fec, 20, 4, 19, 4},
            {"sat_tp W1_High_Bits", sat_tp::W1_High_Bits, 20, 4, 23, 9},
            {"sat_tp W2_Low_Bits", sat_tp::W2_Low_Bits, 20, 8, 0, 2},
            {"sat_tp Symbol_Rate", sat_tp::Symbol_Rate, 20, 8, 2, 16},
            {"sat_tp Frequency", sat_tp::Frequency, 20, 8, 18, 14},
            {"ter_counts Total_Count", ter_counts::Total_Count, 20, 4, 0, 16},
            {"ter_counts Per_Group_Count 0", ter_counts::Per_Group_Count(0), 20, 6, 0, 16},
            {"ter_counts Per_Group_Count 6", ter_counts::Per_Group_Count(6), 20, 18, 0, 16},
            {"ter_tp In_Use", ter_tp::In_Use, 20, 0, 0, 1},
            {"ter_tp Group_Index", ter_tp::Group_Index, 20, 0, 1, 8},
            {"ter_tp Tp_Number", ter_tp::Tp_Number, 20, 0, 9, 8},
            {"ter_tp Frequency", ter_tp::Frequency, 20, 4, 0, 32},
            {"ter_tp Bandwidth", ter_tp::Bandwidth, 20, 12, 0, 8},
            {"counts Program_Count", program_counts::Program_Count, 4, 0, 0, 16},
            {"counts Audio_Track_Count", program_counts::Audio_Track_Count, 4, 2, 0, 16},
            {"prog In_Use", prog::In_Use, 40, 0, 0, 1},
            {"prog Is_Radio", prog::Is_Radio, 40, 0, 1, 1},
            {"prog Free_To_Air", prog::Free_To_Air, 40, 0, 2, 1},
            {"prog Locked", prog::Locked, 40, 0, 6, 1},
            {"prog Skipped", prog::Skipped, 40, 0, 7, 1},
            {"prog Tp_Index", prog::Tp_Index, 40, 0, 9, 12},
            {"prog Tp_Kind", prog::Tp_Kind, 40, 0, 29, 3},
            {"prog W1_Low_Bits", prog::W1_Low_Bits, 40, 4, 0, 16},
            {"prog Service_Id", prog::Service_Id, 40, 4, 16, 16},
            {"prog Pcr_Pid", prog::Pcr_Pid, 40, 8, 0, 13},
            {"prog Private_Pid", prog::Private_Pid, 40, 8, 13, 13},
            {"prog Audio_Track_Total", prog::Audio_Track_Total, 40, 8, 26, 6},
            {"prog Video_Pid", prog::Video_Pid, 40, 12, 0, 13},
            {"prog Audio_Pid", prog::Audio_Pid, 40, 12, 13, 13},
            {"prog Current_Audio", prog::Current_Audio, 40, 12, 26, 6},
            {"prog Favourite_Mask", prog::Favourite_Mask, 40, 16, 0, 16},
            {"prog Pmt_Pid", prog::Pmt_Pid, 40, 16, 16, 13},
            {"prog W4_Top_Bits", prog::W4_Top_Bits, 40, 16, 29, 3},
            {"audio In_Use", audio::In_Use, 8, 0, 0, 1},
            {"audio Program_Index", audio::Program_Index, 8, 0, 1, 16},
            {"audio Audio_Pid", audio::Audio_Pid, 8, 0, 17, 13},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.field << row.record_size << row.byte_offset << row.first_bit
                                << row.width;
}

// Each field at its documented bits; a write of the largest value, zero and a middle value
// into a record filled with an alternating pattern changes the field's bits and no other.
void TestLayout::field_read_modify_write()
{
    QFETCH(BitField, field);
    QFETCH(int, record_size);
    QFETCH(int, byte_offset);
    QFETCH(int, first_bit);
    QFETCH(int, width);
    QCOMPARE(int(field.byte_offset), byte_offset);
    QCOMPARE(int(field.first_bit), first_bit);
    QCOMPARE(int(field.width), width);

    const std::uint64_t largest = (std::uint64_t{1} << width) - 1;
    const std::uint32_t values[]
            = {static_cast<std::uint32_t>(largest), 0, static_cast<std::uint32_t>(largest / 3)};
    const std::size_t start = 8 * static_cast<std::size_t>(byte_offset) + first_bit;
    for (const std::uint8_t fill : {std::uint8_t{0xA5}, std::uint8_t{0x5A}}) {
        for (const std::uint32_t value : values) {
            // Exactly the record's size, so a read or write past its end shows under ASan.
            Bytes record(static_cast<std::size_t>(record_size), fill);
            const Bytes before = record;
            Write_Field(record, field, value);
            QCOMPARE(Read_Field(record, field), value);
            for (std::size_t bit = 0; bit < record.size() * 8; ++bit) {
                const bool in_field = bit >= start && bit < start + width;
                const bool expected
                        = in_field ? (value >> (bit - start)) & 1u : Bit_Of(before, bit);
                if (Bit_Of(record, bit) != expected)
                    QFAIL(qPrintable(QString("fill %1 value %2: bit %3 wrong")
                                             .arg(fill, 0, 16)
                                             .arg(value)
                                             .arg(bit)));
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
