// The container in memory: size classes, the checksum table and the bytes it leaves
// uncovered, which half of a file holds the container, where the header comes from, and
// every way a container can fail to load, with its exact message.

#include "dbase_test_support.h"

#include <QtTest>

using namespace orvane;
using orvane::test::Hand_Built_File;
using orvane::test::Image_Of;
using orvane::test::Seeded_Bytes;
using orvane::test::Text;

namespace {

// A valid Default file (container in the first half) of a small database that differs by seed.
struct SavedDefault
{
    Bytes file;
    Bytes image;
};

SavedDefault Saved_Default(int programs)
{
    auto db = test::Empty_Database(FileKind::Default, 2);
    test::Add_Sample_Content(*db);
    for (int p = 0; p < programs; ++p)
        Create_Program(*db, prog::kKindSatellite, 0, test::Sample_Program(100 + p));
    SavedFiles saved = Save_Database_Bytes(*db);
    return {std::move(saved.target), Image_Of(db->raw)};
}

QByteArray Load_Message(ByteView file)
{
    ContainerLayout layout;
    auto crcs = std::make_unique<CrcTables>();
    Bytes image;
    const Outcome outcome = Verify_And_Unpack(file, layout, *crcs, image);
    return outcome ? QByteArray("ok") : Text(outcome.message);
}

bool Crc_Check_Passes(ByteView file)
{
    ContainerLayout layout;
    auto crcs = std::make_unique<CrcTables>();
    return Compute_Block_Crcs(file, layout, *crcs) && Check_Block_Crcs(file, layout, *crcs);
}

} // namespace

class TestContainer : public QObject
{
    Q_OBJECT

private slots:
    void size_class_data();
    void size_class();
    void hand_built_table_data();
    void hand_built_table();
    void covered_region_data();
    void covered_region();
    void bank_selection_data();
    void bank_selection();
    void default_file_without_marker_data();
    void default_file_without_marker();
    void header_source_data();
    void header_source();
    void bad_stored_length_data();
    void bad_stored_length();
    void bad_stream_data();
    void bad_stream();
    void short_image_is_padded();
};

void TestContainer::size_class_data()
{
    QTest::addColumn<uint>("length");
    QTest::addColumn<uint>("covered");
    QTest::addColumn<uint>("table");
    QTest::addColumn<int>("entries");
    QTest::newRow("0") << 0u << 61352u << 61440u << 240;
    QTest::newRow("61352") << 61352u << 61352u << 61440u << 240;
    QTest::newRow("61432") << 61432u << 61352u << 61440u << 240;
    QTest::newRow("61433") << 61433u << 126888u << 126976u << 496;
    QTest::newRow("126888") << 126888u << 126888u << 126976u << 496;
    QTest::newRow("u32 max") << 0xFFFFFFFFu << 126888u << 126976u << 496;
}

void TestContainer::size_class()
{
    QFETCH(uint, length);
    QFETCH(uint, covered);
    QFETCH(uint, table);
    QFETCH(int, entries);
    const SizeClass size_class = Size_Class_For(length);
    QCOMPARE(size_class.covered_length, covered);
    QCOMPARE(size_class.table_offset, table);
    QCOMPARE(size_class.entry_count, entries);
}

void TestContainer::hand_built_table_data()
{
    QTest::addColumn<uint>("length");
    QTest::addColumn<uint>("table");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("covered");
    QTest::newRow("61352 ends at the table") << 61352u << 61440u << 240 << 61352;
    QTest::newRow("61433") << 61433u << 126976u << 496 << 126888;
}

// A container whose table the test computes itself passes; the table's last entry repeats
// the start of the last full block, not the 168 bytes after it.
void TestContainer::hand_built_table()
{
    QFETCH(uint, length);
    QFETCH(uint, table);
    QFETCH(int, entries);
    QFETCH(int, covered);
    // Random bytes over the whole covered region, filler included, so that every block differs.
    const Bytes file = Hand_Built_File(kDefaultFileSize, 0, length,
                                       Seeded_Bytes(static_cast<std::size_t>(covered), 7));
    ContainerLayout layout;
    auto crcs = std::make_unique<CrcTables>();
    QVERIFY(Compute_Block_Crcs(file, layout, *crcs));
    QCOMPARE(layout.table_offset, std::size_t{table});
    QCOMPARE(layout.entry_count, entries);
    QVERIFY(Check_Block_Crcs(file, layout, *crcs));
    const auto n = static_cast<std::size_t>(entries - 1);
    const ByteView data = ByteView(file).subspan(88);
    QCOMPARE(Load_U32(file, table + 4 * n), Block_Crc(data.subspan(256 * (n - 1), 168)));
    QVERIFY(crcs->computed[n] != Block_Crc(data.subspan(256 * n, 168)));
    for (std::size_t i = n + 1; i < kMaxCrcEntries; ++i)
        QCOMPARE(crcs->computed[i], 0xFFFFFFFFu);
}

void TestContainer::covered_region_data()
{
    QTest::addColumn<uint>("length");
    QTest::addColumn<int>("offset"); // the byte that is changed
    QTest::addColumn<bool>("passes");
    QTest::newRow("small: first data byte") << 61352u << 88 << false;
    QTest::newRow("small: last byte of last block") << 61352u << 61271 << false;
    QTest::newRow("small: first uncovered byte") << 61352u << 61272 << true;
    QTest::newRow("small: last uncovered byte") << 61352u << 61439 << true;
    QTest::newRow("small: first table byte") << 61352u << 61440 << false;
    QTest::newRow("small: stored length") << 61352u << 84 << true;
    QTest::newRow("large: last byte of last block") << 61433u << 126807 << false;
    QTest::newRow("large: first uncovered byte") << 61433u << 126808 << true;
    QTest::newRow("large: last uncovered byte") << 61433u << 126975 << true;
    QTest::newRow("large: last table entry") << 61433u << 126976 + 4 * 495 + 3 << false;
}

void TestContainer::covered_region()
{
    QFETCH(uint, length);
    QFETCH(int, offset);
    QFETCH(bool, passes);
    Bytes file = Hand_Built_File(kDefaultFileSize, 0, length, Seeded_Bytes(length, 8));
    QVERIFY(Crc_Check_Passes(file));
    file[static_cast<std::size_t>(offset)] ^= 0x01;
    QCOMPARE(Crc_Check_Passes(file), passes);
}

void TestContainer::bank_selection_data()
{
    QTest::addColumn<uint>("marker"); // u32 at file offset 80
    QTest::addColumn<bool>("first_half");
    QTest::newRow("1") << 1u << true;
    QTest::newRow("0") << 0u << false;
    QTest::newRow("2") << 2u << false;
    QTest::newRow("0x101") << 0x101u << false;
    QTest::newRow("0xFFFFFFFF") << 0xFFFFFFFFu << false;
}

// Both halves hold a valid container of a different image; only the marker at 80 decides.
void TestContainer::bank_selection()
{
    QFETCH(uint, marker);
    QFETCH(bool, first_half);
    const SavedDefault first = Saved_Default(1);
    const SavedDefault second = Saved_Default(2);
    Bytes file = first.file;
    file.insert(file.end(), second.file.begin(), second.file.end());
    Store_U32(file, 80, marker);
    auto db = test::Empty_Database(FileKind::ChannelData);
    const Outcome outcome = Load_Database_Bytes(*db, file);
    QVERIFY2(outcome.ok, outcome.message.c_str());
    QCOMPARE(db->container.bank, first_half ? 0 : kBankSize);
    const Bytes &expected = first_half ? first.image : second.image;
    QCOMPARE(test::First_Difference(Image_Of(db->raw), expected), -1);
}

void TestContainer::default_file_without_marker_data()
{
    QTest::addColumn<uint>("marker");
    QTest::newRow("0") << 0u;
    QTest::newRow("0xFFFFFFFF") << 0xFFFFFFFFu;
}

// Its container would lie in a second half that a Default file does not have.
void TestContainer::default_file_without_marker()
{
    QFETCH(uint, marker);
    Bytes file = Saved_Default(0).file;
    Store_U32(file, 80, marker);
    QCOMPARE(Load_Message(file), QByteArray("File CRC wrong!"));
    auto db = test::Empty_Database(FileKind::Default, 2);
    QCOMPARE(Text(Load_Database_Bytes(*db, file).message), QByteArray("File CRC wrong!"));
}

void TestContainer::header_source_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("changed"); // offset of a non-0xFF byte among the first 80, or -1
    QTest::addColumn<int>("source");
    QTest::newRow("262144, all 0xFF") << 262144 << -1 << 131072;
    QTest::newRow("262144, byte 0 set") << 262144 << 0 << 0;
    QTest::newRow("262144, byte 79 set") << 262144 << 79 << 0;
    QTest::newRow("131072, all 0xFF") << 131072 << -1 << 0;
    QTest::newRow("131072, byte 40 set") << 131072 << 40 << 0;
}

void TestContainer::header_source()
{
    QFETCH(int, size);
    QFETCH(int, changed);
    QFETCH(int, source);
    Bytes file(static_cast<std::size_t>(size), 0xFF);
    for (std::size_t i = 0; i < 80 && file.size() > kBankSize; ++i)
        file[kBankSize + i] = static_cast<std::uint8_t>('A' + i % 26);
    if (changed >= 0)
        file[static_cast<std::size_t>(changed)] = 0x20;
    const FileHeader header = Read_File_Header(file);
    const auto from = file.begin() + source;
    QVERIFY(std::equal(header.begin(), header.end(), from));
}

void TestContainer::bad_stored_length_data()
{
    QTest::addColumn<int>("file_size");
    QTest::addColumn<int>("bank");
    QTest::addColumn<uint>("length");
    QTest::newRow("default, 0") << 131072 << 0 << 0u;
    QTest::newRow("default, 0x7FFFFFFF") << 131072 << 0 << 0x7FFFFFFFu;
    QTest::newRow("default, 131072") << 131072 << 0 << 131072u;
    QTest::newRow("default, one past the bank") << 131072 << 0 << 130985u;
    QTest::newRow("channel data, into second half") << 262144 << 0 << 130985u;
    QTest::newRow("second half, 131072") << 262144 << 131072 << 131072u;
    QTest::newRow("second half, 0xFFFFFFFF") << 262144 << 131072 << 0xFFFFFFFFu;
}

// The table is valid over whatever bytes are there, so only the length can be at fault.
void TestContainer::bad_stored_length()
{
    QFETCH(int, file_size);
    QFETCH(int, bank);
    QFETCH(uint, length);
    const Bytes file
            = Hand_Built_File(static_cast<std::size_t>(file_size), static_cast<std::size_t>(bank),
                              length, Seeded_Bytes(kBankSize, 9));
    QVERIFY(Crc_Check_Passes(file));
    QCOMPARE(Load_Message(file), QByteArray("Decompress Error!"));
}

void TestContainer::bad_stream_data()
{
    QTest::addColumn<QByteArray>("fault");
    for (const char *fault : {"random stream", "one byte short", "one byte extra",
                              "end marker cleared", "image too large"})
        QTest::newRow(fault) << QByteArray(fault);
}

void TestContainer::bad_stream()
{
    QFETCH(QByteArray, fault);
    Bytes file = Saved_Default(0).file;
    const std::uint32_t length = Load_U32(file, 84);
    Bytes stream(file.begin() + 88, file.begin() + 88 + length);
    if (fault == "random stream")
        stream = Seeded_Bytes(length, 10);
    else if (fault == "one byte short")
        stream.pop_back();
    else if (fault == "one byte extra")
        stream.push_back(0x00);
    else if (fault == "end marker cleared")
        std::fill(stream.end() - 3, stream.end(), std::uint8_t{0});
    else
        Lzo_Compress(Bytes(kImageSize + 1, 0x00), stream, LzoLevel::Fast);
    file = Hand_Built_File(kDefaultFileSize, 0, static_cast<std::uint32_t>(stream.size()), stream);
    QVERIFY(Crc_Check_Passes(file));
    QCOMPARE(Load_Message(file), QByteArray("Decompress Error!"));
}

// A stream of fewer bytes than an image is sound; the rest of the image stays 0xFF.
void TestContainer::short_image_is_padded()
{
    Bytes stream;
    Lzo_Compress(Bytes(1000, 0x11), stream, LzoLevel::Fast);
    const Bytes file = Hand_Built_File(kDefaultFileSize, 0,
                                       static_cast<std::uint32_t>(stream.size()), stream);
    ContainerLayout layout;
    auto crcs = std::make_unique<CrcTables>();
    Bytes image;
    QVERIFY(Verify_And_Unpack(file, layout, *crcs, image).ok);
    QCOMPARE(image.size(), kImageSize);
    QCOMPARE(std::count(image.begin(), image.begin() + 1000, 0x11), 1000);
    QCOMPARE(std::count(image.begin() + 1000, image.end(), 0xFF),
             std::ptrdiff_t(kImageSize - 1000));
}

QTEST_APPLESS_MAIN(TestContainer)
#include "tst_container.moc"
