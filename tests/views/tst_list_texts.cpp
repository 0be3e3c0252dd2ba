// The texts of the lists: zero-padded frequencies and symbol rates, row numbers, favourite
// lines, Latin-1 names, and the info pane of every kind of entry with its current audio PID.

#include "views_fixtures.h"

#include "views/list_texts.h"

#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

QStringList Lines(const std::vector<std::string> &lines)
{
    QStringList list;
    for (const std::string &line : lines)
        list << U(line);
    return list;
}

} // namespace

class TestListTexts : public QObject
{
    Q_OBJECT

private slots:
    void zero_padded_data();
    void zero_padded();
    void row_number_text_data();
    void row_number_text();
    void favourite_line_data();
    void favourite_line();
    void latin1_to_utf8_data();
    void latin1_to_utf8();
    void info_lines_data();
    void info_lines();
    void latin1_names_in_info_and_grids();
};

void TestListTexts::zero_padded_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::newRow("3400 MHz") << "3400" << 5 << "03400";
    QTest::newRow("800 kS/s") << "800" << 5 << "00800";
    QTest::newRow("5 digits kept") << "28125" << 5 << "28125";
    QTest::newRow("1 digit") << "7" << 5 << "00007";
    QTest::newRow("474000 kHz") << "474000" << 7 << "0474000";
    QTest::newRow("50000 kHz") << "50000" << 7 << "0050000";
    QTest::newRow("9000 kHz") << "9000" << 7 << "0009000";
    QTest::newRow("7 digits kept") << "1000000" << 7 << "1000000";
    QTest::newRow("8 digits kept") << "12345678" << 7 << "12345678";
}

void TestListTexts::zero_padded()
{
    QFETCH(QString, digits);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(U(Zero_Padded(digits.toStdString(), static_cast<std::size_t>(width))), expected);
}

void TestListTexts::row_number_text_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first") << 0 << "NO.1: ";
    QTest::newRow("tenth") << 9 << "NO.10: ";
    QTest::newRow("last program slot") << 3999 << "NO.4000: ";
}

void TestListTexts::row_number_text()
{
    QFETCH(int, position);
    QFETCH(QString, expected);
    QCOMPARE(U(Row_Number_Text(position)), expected);
}

// Every group from 1 to 9 has the leading zero, named or not; names lose trailing blanks.
void TestListTexts::favourite_line_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("group 1 named") << 0 << QByteArray("News") << "FAV.01 :  News";
    QTest::newRow("group 1 unnamed") << 0 << QByteArray() << "FAV.01 :  ";
    QTest::newRow("group 9 unnamed") << 8 << QByteArray() << "FAV.09 :  ";
    QTest::newRow("group 10 named") << 9 << QByteArray("Sport") << "FAV.10 :  Sport";
    QTest::newRow("group 10 unnamed") << 9 << QByteArray() << "FAV.10 :  ";
    QTest::newRow("group 16, trailing blanks") << 15 << QByteArray("Last   ") << "FAV.16 :  Last";
    QTest::newRow("Latin-1 name") << 1 << QByteArray("Caf\xE9")
                                  << QString::fromUtf8("FAV.02 :  Café");
    QTest::newRow("15 characters")
            << 2 << QByteArray("ABCDEFGHIJKLMNO") << "FAV.03 :  ABCDEFGHIJKLMNO";
}

void TestListTexts::favourite_line()
{
    QFETCH(int, group);
    QFETCH(QByteArray, name);
    QFETCH(QString, expected);

    auto db = Blank_Database();
    Write_Favourite_Name(db->raw.favourite_names[group], name.toStdString());
    Decode_Rows(*db);
    QCOMPARE(U(Favourite_Line(*db, group)), expected);
}

void TestListTexts::latin1_to_utf8_data()
{
    QTest::addColumn<QByteArray>("latin1");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ASCII") << QByteArray("Sat 13.0E") << "Sat 13.0E";
    QTest::newRow("e acute") << QByteArray("\xE9") << QString::fromUtf8("é");
    QTest::newRow("0x80") << QByteArray("\x80") << QString(QChar(0x80));
    QTest::newRow("0xFF") << QByteArray("a\xFFz") << QString::fromUtf8("aÿz");
    QTest::newRow("empty") << QByteArray() << "";
}

void TestListTexts::latin1_to_utf8()
{
    QFETCH(QByteArray, latin1);
    QFETCH(QString, expected);
    const std::string utf8 = Latin1_To_Utf8(latin1.toStdString());
    QCOMPARE(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), expected);
    QCOMPARE(QString::fromLatin1(latin1), expected);
}

// Show_Info(sat, tp, prog) over the shared database; current_audio, when not -1, is written
// into the program first. Numbers carry no leading zeros here, unlike the grids.
void TestListTexts::info_lines_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("sat");
    QTest::addColumn<int>("tp");
    QTest::addColumn<int>("prog");
    QTest::addColumn<int>("current_audio");
    QTest::addColumn<QStringList>("expected");

    const QString sat2 = "【SAT】:Sat 02";
    const QString sat5 = "【SAT】:Sat 05";
    const QString tp1 = "【TP】:3400----H----800----Auto";
    const QString tp4 = "【TP】:4000----V----28125----1/2";
    const QString free = "【Free】【Lock_Not】【Skip_Not】";
    // The nine lines of a satellite program: satellite, transponder, name, PIDs, flags.
    auto program = [](const QString &sat, const QString &tp, const QString &name,
                      const QString &pids, const QString &flags) {
        return QStringList{sat, "", tp, "", "【Program Name】:" + name, "", pids, "", flags};
    };
    auto four = [&](const QString &audio) {
        return program(sat5, tp1, "Four", "【Vid】:263【Aud】:" + audio + "【PCR】:263", free);
    };

    QTest::newRow("nothing") << 1 << -1 << -1 << -1 << -1 << QStringList();
    QTest::newRow("satellite") << 1 << 5 << -1 << -1 << -1 << QStringList{sat5};
    QTest::newRow("satellite on the terrestrial page") << 2 << 5 << -1 << -1 << -1 << QStringList();
    QTest::newRow("satellite tp") << 1 << -1 << 1 << -1 << -1 << QStringList{sat5, "", tp1};
    QTest::newRow("terrestrial tp") << 2 << -1 << 0 << -1 << -1 << QStringList{"", "【TP】:474000"};
    QTest::newRow("terrestrial tp 9000")
            << 2 << -1 << 2 << -1 << -1 << QStringList{"", "【TP】:9000"};
    QTest::newRow("scrambled, own audio")
            << 1 << -1 << -1 << 2 << -1
            << program(sat5, tp1, "Two  ", "【Vid】:258【Aud】:514【PCR】:258",
                       "【Encrypt】【Lock_Not】【Skip_Not】");
    QTest::newRow("locked, skipped, Current_Audio 1 owns no track")
            << 1 << -1 << -1 << 4 << -1
            << program(sat5, tp4, "Three", "【Vid】:260【Aud】:516【PCR】:260",
                       "【Free】【Lock_Yes】【Skip_Yes】");
    QTest::newRow("radio") << 1 << -1 << -1 << 1 << -1
                           << program(sat2, "【TP】:11778----V----27500----3/4", "Wave",
                                      "【Vid】:257【Aud】:513【PCR】:257", free);
    QTest::newRow("Current_Audio 2: second own track") << 1 << -1 << -1 << 7 << -1 << four("3002");
    QTest::newRow("Current_Audio 1: first own track") << 1 << -1 << -1 << 7 << 1 << four("3001");
    QTest::newRow("Current_Audio 0: own Audio_Pid") << 1 << -1 << -1 << 7 << 0 << four("519");
    QTest::newRow("Current_Audio 3 beyond own tracks") << 1 << -1 << -1 << 7 << 3 << four("519");
    QTest::newRow("terrestrial program")
            << 2 << -1 << -1 << 3 << -1
            << QStringList{"【TP】:474000", "", "【Program Name】:Ter One", "",
                           "【Vid】:259【Aud】:515【PCR】:259"};
}

void TestListTexts::info_lines()
{
    QFETCH(int, mode);
    QFETCH(int, sat);
    QFETCH(int, tp);
    QFETCH(int, prog);
    QFETCH(int, current_audio);
    QFETCH(QStringList, expected);

    auto db = Views_Database();
    if (current_audio >= 0)
        Set_Program_Field(*db, prog, prog::Current_Audio,
                          static_cast<std::uint32_t>(current_audio));
    QCOMPARE(Lines(Info_Lines(*db, mode, sat, tp, prog)), expected);
}

// The info pane shows a name as decoded, the grids without its trailing blanks; both read
// the 8-bit bytes as Latin-1.
void TestListTexts::latin1_names_in_info_and_grids()
{
    auto db = Views_Database();
    Write_Satellite_Name(db->raw.satellites[5], "M\xFCnster");
    Write_Program_Name(db->raw.programs[2], "Caf\xE9  ");
    Decode_Rows(*db);
    QCOMPARE(Lines(Info_Lines(*db, 1, -1, -1, 2)).mid(0, 5),
             (QStringList{QString::fromUtf8("【SAT】:Münster"), "",
                          "【TP】:3400----H----800----Auto", "",
                          QString::fromUtf8("【Program Name】:Café  ")}));

    LoadedViews loaded(std::move(db));
    QCOMPARE(Grid_Dump(*loaded.views, GridId::Tv).at(1), QString::fromUtf8("NO.2: |Café|$"));
    QCOMPARE(U(loaded.views->Cell_Text(1, GridId::Sat, 6, 1)), QString::fromUtf8("Münster"));
}

QTEST_APPLESS_MAIN(TestListTexts)
#include "tst_list_texts.moc"
