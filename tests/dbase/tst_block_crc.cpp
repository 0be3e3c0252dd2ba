// The block checksum of database files: the reflected CRC-32 table driven the other way
// round, with no final inversion. Checked against fixed values and against a bit-by-bit
// reference that builds each table value on the fly.

#include "dbase_test_support.h"

#include <QtTest>

using namespace orvane;
using orvane::test::Seeded_Bytes;
using orvane::test::View;

namespace {

// The reflected CRC-32 remainder of one byte, one bit at a time, with no table.
std::uint32_t Reflected_Remainder(std::uint32_t byte)
{
    std::uint32_t c = byte;
    for (int bit = 0; bit < 8; ++bit) {
        const std::uint32_t low_bit_mask = 0u - (c & 1u);
        c = (c >> 1) ^ (0xEDB88320u & low_bit_mask);
    }
    return c;
}

// The register takes each new byte in at the bottom; the byte pushed out at the top is
// folded back in through its remainder.
std::uint32_t Reference_Crc(ByteView bytes)
{
    std::uint32_t reg = 0;
    for (const std::uint8_t b : bytes) {
        const std::uint32_t pushed_out = reg >> 24;
        reg = ((reg << 8) | b) ^ Reflected_Remainder(pushed_out);
    }
    return reg;
}

QByteArray Bytes_Of(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

} // namespace

class TestBlockCrc : public QObject
{
    Q_OBJECT

private slots:
    void reference_is_anchored();
    void fixed_values_data();
    void fixed_values();
    void agrees_with_reference_data();
    void agrees_with_reference();
};

// The reference is only worth something if its remainders are the published table values.
void TestBlockCrc::reference_is_anchored()
{
    QCOMPARE(Reflected_Remainder(0), 0x00000000u);
    QCOMPARE(Reflected_Remainder(1), 0x77073096u);
    QCOMPARE(Reflected_Remainder(255), 0x2D02EF8Du);
}

void TestBlockCrc::fixed_values_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<uint>("expected");

    QTest::newRow("empty") << QByteArray() << 0u;
    QTest::newRow("abc") << QByteArray("abc") << 0x00616263u;
    QTest::newRow("one byte") << Bytes_Of({0x7F}) << 0x0000007Fu;
    QTest::newRow("two bytes") << Bytes_Of({0x12, 0x34}) << 0x00001234u;
    QTest::newRow("three 0xFF") << Bytes_Of({0xFF, 0xFF, 0xFF}) << 0x00FFFFFFu;
    QTest::newRow("three zero") << Bytes_Of({0, 0, 0}) << 0u;
    // The fifth byte is the first to push a non-zero byte out of the register.
    QTest::newRow("1 then four zeros") << Bytes_Of({1, 0, 0, 0, 0}) << 0x77073096u;
    QTest::newRow("FF then four zeros") << Bytes_Of({0xFF, 0, 0, 0, 0}) << 0x2D02EF8Du;
    QTest::newRow("256 zeros") << QByteArray(256, '\0') << 0u;
}

void TestBlockCrc::fixed_values()
{
    QFETCH(QByteArray, bytes);
    QFETCH(uint, expected);
    QCOMPARE(Block_Crc(View(bytes)), expected);
}

void TestBlockCrc::agrees_with_reference_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const auto random = [](std::size_t count, std::uint32_t seed) {
        const Bytes bytes = Seeded_Bytes(count, seed);
        return QByteArray(reinterpret_cast<const char *>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    };
    QTest::newRow("check string") << QByteArray("123456789");
    QTest::newRow("random 5") << random(5, 1);
    QTest::newRow("random 168") << random(168, 2);
    QTest::newRow("random 256") << random(256, 3);
    QTest::newRow("random 1000") << random(1000, 4);
    QTest::newRow("random 61352") << random(61352, 5);
    QTest::newRow("256 x 0xFF") << QByteArray(256, '\xFF');
    QTest::newRow("ascending") << [] {
        QByteArray bytes;
        for (int i = 0; i < 512; ++i)
            bytes.append(static_cast<char>(i));
        return bytes;
    }();
}

void TestBlockCrc::agrees_with_reference()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(Block_Crc(View(bytes)), Reference_Crc(View(bytes)));
}

QTEST_APPLESS_MAIN(TestBlockCrc)
#include "tst_block_crc.moc"
