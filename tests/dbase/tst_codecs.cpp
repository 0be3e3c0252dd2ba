// The text codecs: digit strings in any base, the bounded reader that decides what
// out-of-range bit fields decode to, and the display texts of numbers.

#include "dbase_test_support.h"

#include <QtTest>

#include <climits>

using namespace orvane;
using orvane::test::Text;

namespace {

std::string_view As_Text(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

class TestCodecs : public QObject
{
    Q_OBJECT

private slots:
    void to_digits_data();
    void to_digits();
    void from_digits_data();
    void from_digits();
    void no_decimal_point_data();
    void no_decimal_point();
    void from_bits_equals_digit_round_trip();
    void tenths_text_data();
    void tenths_text();
    void decimal_text_data();
    void decimal_text();
};

void TestCodecs::to_digits_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("base");
    QTest::addColumn<char>("pad");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("5 as 8 bits") << 5 << 8 << 2 << '0' << QByteArray("00000101");
    QTest::newRow("-5 uses its magnitude") << -5 << 4 << 2 << '0' << QByteArray("0101");
    QTest::newRow("300 is never cut to 8 bits") << 300 << 8 << 2 << '0' << QByteArray("100101100");
    QTest::newRow("255 in hex") << 255 << 2 << 16 << '0' << QByteArray("FF");
    QTest::newRow("10 in hex, width 0") << 10 << 0 << 16 << '0' << QByteArray("A");
    QTest::newRow("base 1") << 5 << 8 << 1 << '0' << QByteArray();
    QTest::newRow("base 37") << 5 << 8 << 37 << '0' << QByteArray();
    QTest::newRow("base 36 top digit") << 35 << 0 << 36 << '0' << QByteArray("Z");
    QTest::newRow("zero is one digit") << 0 << 0 << 10 << '0' << QByteArray("0");
    QTest::newRow("zero padded") << 0 << 3 << 2 << '0' << QByteArray("000");
    QTest::newRow("blank pad") << 7 << 4 << 10 << ' ' << QByteArray("   7");
    QTest::newRow("most negative") << INT_MIN << 0 << 16 << '0' << QByteArray("80000000");
    QTest::newRow("most positive") << INT_MAX << 0 << 2 << '0' << QByteArray(31, '1');
}

void TestCodecs::to_digits()
{
    QFETCH(int, value);
    QFETCH(int, width);
    QFETCH(int, base);
    QFETCH(char, pad);
    QFETCH(QByteArray, expected);
    QCOMPARE(Text(To_Digits(value, width, base, pad)), expected);
}

void TestCodecs::from_digits_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty") << QByteArray() << 2 << 2 << 0;
    QTest::newRow("1, max 2") << QByteArray("1") << 2 << 2 << 1;
    QTest::newRow("polarity 3 reads 1") << QByteArray("11") << 2 << 2 << 1;
    QTest::newRow("0111, max 6") << QByteArray("0111") << 2 << 6 << 3;
    QTest::newRow("1100, max 6") << QByteArray("1100") << 2 << 6 << 6;
    QTest::newRow("ff, max 255") << QByteArray("ff") << 16 << 255 << 255;
    QTest::newRow("FF, max 255") << QByteArray("FF") << 16 << 255 << 255;
    QTest::newRow("G1 stops at once") << QByteArray("G1") << 16 << 255 << 0;
    QTest::newRow("12X4 stops at X") << QByteArray("12X4") << 10 << 9999 << 12;
    QTest::newRow("digit not below base") << QByteArray("1021") << 2 << 100 << 2;
    QTest::newRow("base 1") << QByteArray("1") << 1 << 100 << 0;
    QTest::newRow("base 37") << QByteArray("1") << 37 << 100 << 0;
    QTest::newRow("z in base 36") << QByteArray("z") << 36 << 35 << 35;
    QTest::newRow("maximum 0") << QByteArray("1") << 2 << 0 << 0;
    QTest::newRow("leading NULs skipped") << QByteArray("\0\0"
                                                        "12",
                                                        4)
                                          << 10 << 99 << 12;
    QTest::newRow("inner NUL stops") << QByteArray("1\0"
                                                   "2",
                                                   3)
                                     << 10 << 99 << 1;
    QTest::newRow("only NULs") << QByteArray("\0\0", 2) << 10 << 99 << 0;
    QTest::newRow("int max fits") << QByteArray("2147483647") << 10 << INT_MAX << INT_MAX;
    QTest::newRow("int max + 1 is cut") << QByteArray("2147483648") << 10 << INT_MAX << 214748364;
    QTest::newRow("long text is cut") << QByteArray("99999999999") << 10 << INT_MAX << 999999999;
    // The four-bit FEC codes 7..15 against maximum 6.
    const int fec_reads[] = {3, 4, 4, 5, 5, 6, 6, 3, 3};
    for (int code = 7; code <= 15; ++code)
        QTest::addRow("fec %d", code)
                << QByteArray::number(code, 2) << 2 << 6 << fec_reads[code - 7];
}

void TestCodecs::from_digits()
{
    QFETCH(QByteArray, text);
    QFETCH(int, base);
    QFETCH(int, maximum);
    QFETCH(int, expected);
    QCOMPARE(From_Digits(As_Text(text), base, maximum), expected);
}

void TestCodecs::no_decimal_point_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("12.5") << QByteArray("12.5") << false;
    QTest::newRow("lone point") << QByteArray(".") << false;
    QTest::newRow("trailing point") << QByteArray("12.") << false;
    QTest::newRow("12a") << QByteArray("12a") << true;
    QTest::newRow("-3") << QByteArray("-3") << true;
    QTest::newRow("comma") << QByteArray("1,5") << true;
}

void TestCodecs::no_decimal_point()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, expected);
    QCOMPARE(No_Decimal_Point(As_Text(text)), expected);
}

// The decoder reads a packed field as From_Digits(To_Digits(value, width, 2, '0'), 2, max);
// From_Bits must agree with that for every value a field of up to 8 bits can hold.
void TestCodecs::from_bits_equals_digit_round_trip()
{
    std::vector<int> maxima;
    for (int m = 0; m <= 20; ++m)
        maxima.push_back(m);
    maxima.push_back(255);
    int checked = 0;
    for (int width = 1; width <= 8; ++width) {
        for (int value = 0; value < (1 << width); ++value) {
            const std::string digits = To_Digits(value, width, 2, '0');
            for (const int maximum : maxima) {
                const auto expected = static_cast<std::uint32_t>(From_Digits(digits, 2, maximum));
                const auto actual = From_Bits(static_cast<std::uint32_t>(value), width,
                                              static_cast<std::uint32_t>(maximum));
                if (actual != expected)
                    QFAIL(qPrintable(QString("width %1 value %2 maximum %3: %4, expected %5")
                                             .arg(width)
                                             .arg(value)
                                             .arg(maximum)
                                             .arg(actual)
                                             .arg(expected)));
                ++checked;
            }
        }
    }
    QCOMPARE(checked, 510 * 22);
}

void TestCodecs::tenths_text_data()
{
    QTest::addColumn<uint>("tenths");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("192") << 192u << QByteArray("19.2");
    QTest::newRow("0") << 0u << QByteArray("0");
    QTest::newRow("130") << 130u << QByteArray("13");
    QTest::newRow("3600") << 3600u << QByteArray("360");
    QTest::newRow("3599") << 3599u << QByteArray("359.9");
    QTest::newRow("5") << 5u << QByteArray("0.5");
    QTest::newRow("10") << 10u << QByteArray("1");
    QTest::newRow("65535") << 65535u << QByteArray("6553.5");
}

void TestCodecs::tenths_text()
{
    QFETCH(uint, tenths);
    QFETCH(QByteArray, expected);
    QCOMPARE(Text(Tenths_Text(tenths)), expected);
}

void TestCodecs::decimal_text_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("0") << 0u << QByteArray("0");
    QTest::newRow("7") << 7u << QByteArray("7");
    QTest::newRow("10") << 10u << QByteArray("10");
    QTest::newRow("8191") << 8191u << QByteArray("8191");
    QTest::newRow("u32 max") << 4294967295u << QByteArray("4294967295");
}

void TestCodecs::decimal_text()
{
    QFETCH(uint, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(Text(Decimal_Text(value)), expected);
}

QTEST_APPLESS_MAIN(TestCodecs)
#include "tst_codecs.moc"
