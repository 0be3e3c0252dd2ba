// The character sets of names: every set reads and writes a name of its script both ways, keeps
// bytes it does not define, refuses what it cannot hold, folds and sorts as the user's language
// does, and the guess names the set a list of names was typed in.

#include "charsets/charset_guess.h"
#include "charsets/charset_table.h"

#include <QtTest>

#include <random>

using namespace orvane;

class TestCharsets : public QObject
{
    Q_OBJECT

private slots:
    void names_round_trip_data();
    void names_round_trip();
    void undefined_bytes_read_as_replacement_and_stay();
    void refusals_data();
    void refusals();
    void find_folds_case_in_every_script();
    void sort_follows_collation();
    void guess_names_the_script_data();
    void guess_names_the_script();
    void every_listed_set_converts();
};

namespace {

const NameText &Names(const char *charset)
{
    const NameText *names = Names_In(charset);
    if (!names)
        qFatal("no converter for %s", charset);
    return *names;
}

std::string Utf8(const char *text)
{
    return std::string(text);
}

} // namespace

void TestCharsets::names_round_trip_data()
{
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("Latin-1") << "ISO-8859-1"
                             << "Télé Sport" << QByteArray("T\xe9l\xe9 Sport");
    QTest::newRow("windows-1252") << "windows-1252"
                                  << "€uro News" << QByteArray("\x80uro News");
    QTest::newRow("Central European") << "windows-1250"
                                      << "Česká 1"
                                      << QByteArray("\xc8"
                                                    "esk\xe1 1");
    QTest::newRow("ISO-8859-16") << "ISO-8859-16"
                                 << "Știri"
                                 << QByteArray("\xaa"
                                               "tiri");
    QTest::newRow("Cyrillic") << "windows-1251"
                              << "Первый канал"
                              << QByteArray("\xcf\xe5\xf0\xe2\xfb\xe9 \xea\xe0\xed\xe0\xeb");
    QTest::newRow("KOI8-R") << "KOI8-R"
                            << "Россия" << QByteArray("\xf2\xcf\xd3\xd3\xc9\xd1");
    QTest::newRow("KOI8-U") << "KOI8-U"
                            << "Їжак" << QByteArray("\xb7\xd6\xc1\xcb");
    QTest::newRow("Greek") << "windows-1253"
                           << "Ελλάδα" << QByteArray("\xc5\xeb\xeb\xdc\xe4\xe1");
    QTest::newRow("Turkish") << "windows-1254"
                             << "Şimşek"
                             << QByteArray("\xde"
                                           "im\xfe"
                                           "ek");
    QTest::newRow("Hebrew") << "windows-1255"
                            << "ערוץ 2" << QByteArray("\xf2\xf8\xe5\xf5 2");
    QTest::newRow("Arabic") << "windows-1256"
                            << "الجزيرة" << QByteArray("\xc7\xe1\xcc\xd2\xed\xd1\xc9");
    QTest::newRow("Baltic") << "windows-1257"
                            << "Žinios"
                            << QByteArray("\xde"
                                          "inios");
    QTest::newRow("Vietnamese") << "windows-1258"
                                << "Thời sự" << QByteArray("Th\xf5\xcci s\xfd\xf2");
    QTest::newRow("Thai") << "TIS-620"
                          << "ข่าว" << QByteArray("\xa2\xe8\xd2\xc7");
    QTest::newRow("Chinese Simplified")
            << "GBK"
            << "中央电视台" << QByteArray("\xd6\xd0\xd1\xeb\xb5\xe7\xca\xd3\xcc\xa8");
    QTest::newRow("GB18030") << "GB18030"
                             << "新闻" << QByteArray("\xd0\xc2\xce\xc5");
    QTest::newRow("Chinese Traditional")
            << "Big5"
            << "華視新聞" << QByteArray("\xb5\xd8\xb5\xf8\xb7\x73\xbb\x44");
    QTest::newRow("Japanese") << "Shift_JIS"
                              << "ニュース" << QByteArray("\x83\x6a\x83\x85\x81\x5b\x83\x58");
    QTest::newRow("Korean") << "EUC-KR"
                            << "뉴스" << QByteArray("\xb4\xba\xbd\xba");
}

// A name of each script is stored as that set's bytes and reads back as typed.
void TestCharsets::names_round_trip()
{
    QFETCH(QString, charset);
    QFETCH(QString, name);
    QFETCH(QByteArray, stored);
    const NameText &names = Names(charset.toLatin1().constData());
    QCOMPARE(QString::fromStdString(names.Text_Of(stored.toStdString())), name);
    const std::optional<std::string> bytes = names.Stored_Of(name.toStdString());
    QVERIFY(bytes);
    QCOMPARE(QByteArray::fromStdString(*bytes), stored);
}

// Bytes a set does not define show as U+FFFD, one per byte, and the text around them stays;
// a multi-byte character cut off at the end of its field too.
void TestCharsets::undefined_bytes_read_as_replacement_and_stay()
{
    QCOMPARE(Names("GBK").Text_Of("A\xd6\xd0\x81"), Utf8("A中\xef\xbf\xbd"));
    QCOMPARE(Names("GBK").Text_Of("\xd6\"x"), Utf8("\xef\xbf\xbd\"x"));
    QCOMPARE(Names("windows-1253")
                     .Text_Of("\xaa"
                              "a"),
             Utf8("\xef\xbf\xbd"
                  "a"));
    QCOMPARE(Names("Shift_JIS").Text_Of("\x83"), Utf8("\xef\xbf\xbd"));
    // The replacement character itself is not a character of any of the sets.
    QVERIFY(!Names("windows-1251").Stored_Of("\xef\xbf\xbd"));
}

void TestCharsets::refusals_data()
{
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QString>("text");
    QTest::newRow("Cyrillic in Latin-1") << "ISO-8859-1"
                                         << "Дом";
    QTest::newRow("euro in Latin-1") << "ISO-8859-1"
                                     << "€";
    QTest::newRow("Latin accent in Cyrillic") << "windows-1251"
                                              << "Télé";
    QTest::newRow("Han in Greek") << "windows-1253"
                                  << "中";
    QTest::newRow("Hangul in GBK") << "GBK"
                                   << "뉴스";
    QTest::newRow("emoji in Big5") << "Big5"
                                   << "TV 📺";
    QTest::newRow("Arabic in Shift_JIS") << "Shift_JIS"
                                         << "ع";
}

// A text the set lacks a letter of is refused, not stored with a substitute.
void TestCharsets::refusals()
{
    QFETCH(QString, charset);
    QFETCH(QString, text);
    QVERIFY(!Names(charset.toLatin1().constData()).Stored_Of(text.toStdString()));
}

void TestCharsets::find_folds_case_in_every_script()
{
    const NameText &cyrillic = Names("windows-1251");
    const std::string name = cyrillic.Folded_Name(*cyrillic.Stored_Of("Первый Канал"));
    QVERIFY(name.find(*cyrillic.Folded_Text("КАНАЛ")) != std::string::npos);
    QVERIFY(name.find(*cyrillic.Folded_Text("первый")) != std::string::npos);
    const NameText &greek = Names("windows-1253");
    QVERIFY(greek.Folded_Name(*greek.Stored_Of("ΕΛΛΑΔΑ")).find(*greek.Folded_Text("λλα"))
            != std::string::npos);
    // Latin-1 keeps its folded bytes and refuses what it cannot hold.
    QCOMPARE(Latin1_Names().Folded_Name("T\xc9L\xc9"), Utf8("t\xe9l\xe9"));
    QVERIFY(!Latin1_Names().Folded_Text("Дом"));
}

// Unicode collation puts Ё between Д and Ж (code point order puts it first), ignores case,
// and orders numbers by value; equal names share a rank.
void TestCharsets::sort_follows_collation()
{
    const NameText &cyrillic = Names("windows-1251");
    std::vector<std::string> stored;
    for (const char *name : {"Жук", "Ёлка", "Дом", "дом", "Канал 10", "Канал 9"})
        stored.push_back(*cyrillic.Stored_Of(name));
    const std::vector<std::string_view> views(stored.begin(), stored.end());
    QCOMPARE(cyrillic.Name_Ranks(views), (std::vector<int>{3, 2, 0, 0, 5, 4}));
}

void TestCharsets::guess_names_the_script_data()
{
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QStringList>("names");
    const QStringList western{"Das Erste", "Télé Sport", "Canal+ Séries", "ZDF", "Arte"};
    QTest::newRow("Latin-1") << "ISO-8859-1" << western;
    QTest::newRow("Cyrillic") << "windows-1251"
                              << QStringList{"Первый канал", "Россия 1", "НТВ", "Пятница",
                                             "Bloomberg"};
    QTest::newRow("KOI8-R") << "KOI8-R" << QStringList{"Первый канал", "Россия 1", "НТВ", "Звезда"};
    QTest::newRow("Greek") << "windows-1253" << QStringList{"Ελληνική Τηλεόραση", "Σκάι", "Άλφα"};
    QTest::newRow("Hebrew") << "windows-1255" << QStringList{"ערוץ 2", "כאן 11", "רשת 13"};
    QTest::newRow("Arabic") << "windows-1256" << QStringList{"الجزيرة", "العربية", "قناة دبي"};
    QTest::newRow("Thai") << "TIS-620" << QStringList{"ข่าว", "ช่อง 7", "ไทยรัฐ"};
    QTest::newRow("Chinese Simplified")
            << "GBK" << QStringList{"中央电视台", "湖南卫视", "新闻频道", "体育"};
    QTest::newRow("Chinese Traditional") << "Big5" << QStringList{"華視新聞", "台灣電視", "民視"};
    QTest::newRow("Japanese") << "Shift_JIS" << QStringList{"ニュース", "日本テレビ", "どうぶつ"};
    QTest::newRow("Korean") << "EUC-KR" << QStringList{"뉴스", "한국방송", "문화방송"};
}

// Names typed in a set are guessed to be in it.
void TestCharsets::guess_names_the_script()
{
    QFETCH(QString, charset);
    QFETCH(QStringList, names);
    const NameText &typed_in = Names(charset.toLatin1().constData());
    std::vector<std::string> stored;
    for (const QString &name : names)
        stored.push_back(*typed_in.Stored_Of(name.toStdString()));
    const std::vector<std::string_view> views(stored.begin(), stored.end());
    QCOMPARE(QString::fromLatin1(Guess_Charset(views).name), charset);
}

// Every listed set has a converter on this system, and reads random bytes without losing
// the ASCII among them.
void TestCharsets::every_listed_set_converts()
{
    std::mt19937 random(25);
    for (const CharsetInfo &charset : Charsets()) {
        const NameText *names = Names_In(charset);
        QVERIFY2(names, charset.name);
        QCOMPARE(Find_Charset(QByteArray(charset.name).toLower().toStdString()), &charset);
        for (int round = 0; round < 50; ++round) {
            std::string bytes(15, '\0');
            for (char &c : bytes)
                c = static_cast<char>(random() % 256);
            const std::string text = names->Text_Of(bytes);
            QVERIFY(QString::fromStdString(text).toStdString() == text); // valid UTF-8
            // What the set reads back from its own stored text it stores as the same bytes.
            if (const auto again = names->Stored_Of(text))
                QCOMPARE(names->Text_Of(*again), text);
        }
    }
}

QTEST_GUILESS_MAIN(TestCharsets)
#include "tst_charsets.moc"
