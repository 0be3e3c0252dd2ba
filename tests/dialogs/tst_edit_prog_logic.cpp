// The program dialog's rules without widgets: CA names, the order and messages of OK's checks,
// the service-id and name rules, and the bits that add and change mode write.

#include "dbase/bit_field.h"
#include "dbase/bytes.h"
#include "dbase/decode.h"
#include "dialogs/prog_edit_logic.h"

#include <QTest>

#include <memory>

using namespace orvane;

Q_DECLARE_METATYPE(orvane::ProgField)

namespace {

ProgInput Valid_Input()
{
    ProgInput input;
    input.name = QStringLiteral("Velora");
    input.pcr = QStringLiteral("256");
    input.pvt = QStringLiteral("0");
    input.vid = QStringLiteral("256");
    input.aud = QStringLiteral("257");
    input.pmt = QStringLiteral("32");
    input.sid = QStringLiteral("1234");
    return input;
}

// A cleared database with one program in slot 0 whose first 20 bytes are all ones, and
// `tracks` audio tracks owned by the programs listed.
std::unique_ptr<ChannelDatabase> One_Program(std::initializer_list<int> track_owners = {})
{
    auto db = Make_Channel_Database();
    Clear_Database(*db);
    ProgramRecord &record = db->raw.programs[0];
    std::fill_n(record.begin(), 20, std::uint8_t{0xFF});
    for (std::size_t i = 36; i < 40; ++i)
        record[i] = 0xAB;
    Set_Program_Count(*db, 1);
    int slot = 0;
    for (const int owner : track_owners) {
        AudioTrackRecord &track = db->raw.audio_tracks[static_cast<std::size_t>(slot)];
        track.fill(0);
        Write_Field(track, audio::In_Use, 1);
        Write_Field(track, audio::Program_Index, static_cast<std::uint32_t>(owner));
        Write_Field(track, audio::Audio_Pid, static_cast<std::uint32_t>(1000 + slot));
        Decode_Audio_Track(track, db->rows.audio_tracks[static_cast<std::size_t>(slot)]);
        ++slot;
    }
    Set_Audio_Track_Count(db->raw, slot);
    return db;
}

void Set_Current_Audio(ChannelDatabase &db, std::uint32_t current)
{
    Write_Field(db.raw.programs[0], prog::Current_Audio, current);
    Decode_Program(db.raw.programs[0], db.raw, db.rows.programs[0]);
}

std::uint32_t Word(const ProgramRecord &record, std::size_t offset)
{
    return Load_U32(record, offset);
}

} // namespace

class TestEditProgLogic : public QObject
{
    Q_OBJECT

private slots:
    void caSystemNames_data();
    void caSystemNames();
    void checkOrder_data();
    void checkOrder();
    void acceptedValues_data();
    void acceptedValues();
    void newProgramIsBitExact();
    void newRadioOnTerrestrialTransponder();
    void changeKeepsOtherBits();
    void currentAudioTrackRule_data();
    void currentAudioTrackRule();
    void shownCaNames_data();
    void shownCaNames();
    void shownFieldsFromRow();
    void favouriteCaptionStopsAt15();
};

void TestEditProgLogic::caSystemNames_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    const std::pair<int, const char *> rows[] = {
            {0, "Sky"},
            {1, "Seca"},
            {5, "Viaccess"},
            {19, "HPT-Coratian Post and Telecommunications"},
            {25, "Titan Information Systems"},
            {26, "Sky"},
            {31, "Sky"},
            {32, "Telefonica Servicios Audiovisuales"},
            {33, "STENTOR(France Telecom,CNES and DGA)"},
            {38, "European"},
            {39, "Sky"},
            {70, "Sky"},
            {71, "General Instrument"},
            {72, "Telemann"},
            {73, "Sky"},
            {74, "Unknow"},
            {75, "Sky"},
            {255, "Sky"},
    };
    for (const auto &[id, name] : rows)
        QTest::addRow("%d", id) << id << QString::fromLatin1(name);
}

void TestEditProgLogic::caSystemNames()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QCOMPARE(QString::fromLatin1(Ca_System_Name(static_cast<std::uint8_t>(id))), name);
}

void TestEditProgLogic::checkOrder_data()
{
    QTest::addColumn<QStringList>("changes"); // field=value pairs applied to a valid input
    QTest::addColumn<ProgField>("field");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("emptied");
    const QString illegal = QStringLiteral("Illegal Data!");
    QTest::newRow("valid") << QStringList{} << ProgField::None << QString() << false;
    QTest::newRow("empty pcr") << QStringList{"pcr="} << ProgField::Pcr << illegal << false;
    QTest::newRow("point in vid") << QStringList{"vid=25.6"} << ProgField::Vid << illegal << false;
    QTest::newRow("empty pmt before range of pcr")
            << QStringList{"pcr=9000", "pmt="} << ProgField::Pmt << illegal << false;
    QTest::newRow("empty sid before range of pvt")
            << QStringList{"pvt=8192", "sid="} << ProgField::Sid << illegal << false;
    QTest::newRow("pcr 8192") << QStringList{"pcr=8192"} << ProgField::Pcr << illegal << true;
    QTest::newRow("pvt 8192") << QStringList{"pvt=8192"} << ProgField::Pvt << illegal << true;
    QTest::newRow("vid 8192") << QStringList{"vid=8192"} << ProgField::Vid << illegal << true;
    QTest::newRow("aud -1") << QStringList{"aud=-1"} << ProgField::Aud << illegal << true;
    QTest::newRow("pmt 9999") << QStringList{"pmt=9999"} << ProgField::Pmt << illegal << true;
    QTest::newRow("range in field order")
            << QStringList{"pmt=8192", "vid=8192"} << ProgField::Vid << illegal << true;
    QTest::newRow("pid not a number")
            << QStringList{"pvt=1a"} << ProgField::Pvt
            << QStringLiteral("'1a' is not a valid integer value") << false;
    QTest::newRow("pid range before sid conversion")
            << QStringList{"vid=9000", "sid=12a"} << ProgField::Vid << illegal << true;
    QTest::newRow("sid letters") << QStringList{"sid=12a"} << ProgField::Sid
                                 << QStringLiteral("'12a' is not a valid integer value") << false;
    QTest::newRow("sid decimal point")
            << QStringList{"sid=1.5"} << ProgField::Sid
            << QStringLiteral("'1.5' is not a valid integer value") << false;
    QTest::newRow("sid 65536") << QStringList{"sid=65536"} << ProgField::Sid << illegal << false;
    QTest::newRow("sid -65536") << QStringList{"sid=-65536"} << ProgField::Sid << illegal << false;
    QTest::newRow("sid beyond 32 bits")
            << QStringList{"sid=99999999999"} << ProgField::Sid
            << QStringLiteral("'99999999999' is not a valid integer value") << false;
    QTest::newRow("name not latin-1")
            << QStringList{QStringLiteral("name=Ω TV")} << ProgField::Name << illegal << false;
    QTest::newRow("sid before name") << QStringList{QStringLiteral("name=Ω TV"), "sid=70000"}
                                     << ProgField::Sid << illegal << false;
}

void TestEditProgLogic::checkOrder()
{
    QFETCH(QStringList, changes);
    QFETCH(ProgField, field);
    QFETCH(QString, message);
    QFETCH(bool, emptied);
    ProgInput input = Valid_Input();
    for (const QString &change : changes) {
        const QString key = change.section(u'=', 0, 0);
        const QString value = change.section(u'=', 1);
        QString *target = key == u"name"  ? &input.name
                          : key == u"pcr" ? &input.pcr
                          : key == u"pvt" ? &input.pvt
                          : key == u"vid" ? &input.vid
                          : key == u"aud" ? &input.aud
                          : key == u"pmt" ? &input.pmt
                                          : &input.sid;
        *target = value;
    }
    const ProgVerdict verdict = Check_Program_Input(input);
    QCOMPARE(verdict.field, field);
    QCOMPARE(verdict.message, message);
    QCOMPARE(verdict.empty_field, emptied);
}

void TestEditProgLogic::acceptedValues_data()
{
    QTest::addColumn<QString>("pid");
    QTest::addColumn<QString>("sid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("pid_value");
    QTest::addColumn<uint>("sid_value");
    QTest::addColumn<QByteArray>("name_bytes");
    QTest::newRow("pid 0, sid 0") << "0"
                                  << "0"
                                  << "" << 0u << 0u << QByteArray();
    QTest::newRow("pid 8191") << "8191"
                              << "65535"
                              << "A" << 8191u << 65535u << QByteArray("A");
    QTest::newRow("minus dropped") << " 12 "
                                   << "-5"
                                   << "x" << 12u << 5u << QByteArray("x");
    QTest::newRow("-65535") << "+7"
                            << "-65535"
                            << "x" << 7u << 65535u << QByteArray("x");
    QTest::newRow("15 characters")
            << "1"
            << "1"
            << "ABCDEFGHIJKLMNO" << 1u << 1u << QByteArray("ABCDEFGHIJKLMNO");
    QTest::newRow("latin-1 kept as its byte")
            << "1"
            << "1" << QStringLiteral("Caf\u00e9") << 1u << 1u << QByteArray("Caf\xe9");
}

void TestEditProgLogic::acceptedValues()
{
    QFETCH(QString, pid);
    QFETCH(QString, sid);
    QFETCH(QString, name);
    QFETCH(uint, pid_value);
    QFETCH(uint, sid_value);
    QFETCH(QByteArray, name_bytes);
    ProgInput input = Valid_Input();
    input.pcr = input.pvt = input.vid = input.aud = input.pmt = pid;
    input.sid = sid;
    input.name = name;
    const ProgVerdict verdict = Check_Program_Input(input);
    QVERIFY(verdict.ok());
    for (const std::uint32_t value :
         {verdict.values.pcr_pid, verdict.values.private_pid, verdict.values.video_pid,
          verdict.values.audio_pid, verdict.values.pmt_pid})
        QCOMPARE(value, pid_value);
    QCOMPARE(verdict.values.service_id, sid_value);
    QCOMPARE(QByteArray::fromStdString(verdict.values.name), name_bytes);
}

// TV program on satellite transponder slot 7, skipped, service id 1234, PIDs 256/0/256/257,
// favourite groups 1 and 3, PMT 32.
void TestEditProgLogic::newProgramIsBitExact()
{
    auto db = Make_Channel_Database();
    Clear_Database(*db);
    ProgInput input = Valid_Input();
    input.name = QStringLiteral("ABCDEFGHIJKLMNO");
    input.skipped = true;
    input.favourite_mask = 0b101;
    const ProgVerdict verdict = Check_Program_Input(input);
    QVERIFY(verdict.ok());
    QCOMPARE(Write_Program_Add(*db, 1, 7, false, verdict.values), 0);
    const ProgramRecord &record = db->raw.programs[0];
    const QByteArray expected
            = QByteArray::fromHex("85 0E 00 20 68 69 D2 04 00 01 00 04 00 21 20 00 05 00 20 00");
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.data()), 20), expected);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.data()) + 20, 16),
             QByteArray("ABCDEFGHIJKLMNO\0", 16));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.data()) + 36, 4),
             QByteArray(4, '\0'));
    QCOMPARE(db->Program_Count, 1);
    QCOMPARE(db->rows.programs[0].Service_Id, std::string("1234"));
    QCOMPARE(db->rows.programs[0].Favourite_Mask, std::string("0000000000000101"));
}

void TestEditProgLogic::newRadioOnTerrestrialTransponder()
{
    auto db = One_Program();
    ProgInput input = Valid_Input();
    input.locked = true;
    const ProgVerdict verdict = Check_Program_Input(input);
    QCOMPARE(Write_Program_Add(*db, 2, 999, true, verdict.values), 1);
    const ProgramRecord &record = db->raw.programs[1];
    QCOMPARE(Word(record, 0), (2u << 29) | (999u << 9) | (1u << 6) | 0b111u);
    QCOMPARE(Word(record, 12) >> 26, 0u); // Current_Audio
    QCOMPARE(Word(record, 8) >> 26, 1u);  // Audio_Track_Total
    QCOMPARE(db->Program_Count, 2);
    QCOMPARE(db->rows.programs[1].Is_Radio, std::uint8_t{1});
}

// Every bit the dialog does not own stays as stored: a record of all ones keeps them.
void TestEditProgLogic::changeKeepsOtherBits()
{
    auto db = One_Program();
    ProgInput input = Valid_Input();
    input.name = QStringLiteral("Ab");
    input.pcr = QStringLiteral("8191");
    input.pvt = QStringLiteral("1");
    input.vid = QStringLiteral("0");
    input.aud = QStringLiteral("4096");
    input.pmt = QStringLiteral("100");
    input.sid = QStringLiteral("-7");
    input.favourite_mask = 0x8001;
    const ProgVerdict verdict = Check_Program_Input(input);
    QVERIFY(verdict.ok());
    Write_Program_Change(*db, 0, verdict.values);
    const ProgramRecord &record = db->raw.programs[0];
    QCOMPARE(Word(record, 0), 0xFFFFFFFFu & ~(1u << 6) & ~(1u << 7));
    QCOMPARE(Word(record, 4), (7u << 16) | 0xFFFFu);
    QCOMPARE(Word(record, 8), 0xFC000000u | (1u << 13) | 8191u);
    // Current_Audio 63 names no track of this program: its own Audio_Pid is written.
    QCOMPARE(Word(record, 12), 0xFC000000u | (4096u << 13) | 0u);
    QCOMPARE(Word(record, 16), 0xE0000000u | (100u << 16) | 0x8001u);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.data()) + 20, 16),
             QByteArray("Ab\0\0\0\0\0\0\0\0\0\0\0\0\0\xFF", 16));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.data()) + 36, 4),
             QByteArray(4, '\xAB'));
}

void TestEditProgLogic::currentAudioTrackRule_data()
{
    QTest::addColumn<uint>("current");
    QTest::addColumn<int>("edited_track"); // -1: the program's own Audio_Pid
    QTest::addColumn<QString>("shown");
    // Tracks 0..3 owned by programs 0, 1, 0, 2; their PIDs are 1000 + slot.
    QTest::newRow("own pid") << 0u << -1 << "4095";
    QTest::newRow("first own track") << 1u << 0 << "1000";
    QTest::newRow("second own track, in table order") << 2u << 2 << "1002";
    QTest::newRow("third: not owned") << 3u << -1 << "4095";
    QTest::newRow("63: not owned") << 63u << -1 << "4095";
}

void TestEditProgLogic::currentAudioTrackRule()
{
    QFETCH(uint, current);
    QFETCH(int, edited_track);
    QFETCH(QString, shown);
    auto db = One_Program({0, 1, 0, 2});
    Write_Field(db->raw.programs[0], prog::Audio_Pid, 4095);
    Set_Current_Audio(*db, current);
    QCOMPARE(Shown_Program(*db, 0).aud, shown);

    ProgInput input = Valid_Input();
    input.aud = QStringLiteral("77");
    Write_Program_Change(*db, 0, Check_Program_Input(input).values);
    QCOMPARE(Read_Field(db->raw.programs[0], prog::Audio_Pid), edited_track < 0 ? 77u : 4095u);
    for (int track = 0; track < 4; ++track) {
        const auto pid = Read_Field(db->raw.audio_tracks[static_cast<std::size_t>(track)],
                                    audio::Audio_Pid);
        QCOMPARE(pid, track == edited_track ? 77u : 1000u + static_cast<unsigned>(track));
    }
    QCOMPARE(Shown_Program(*db, 0).aud, QStringLiteral("77"));
}

void TestEditProgLogic::shownCaNames_data()
{
    QTest::addColumn<bool>("free");
    QTest::addColumn<QByteArray>("ids");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("free whatever the ids") << true << QByteArray("\x05\x06\x07\x08", 4)
                                           << QStringList{"The Program is free!", "", "", ""};
    QTest::newRow("scrambled 5,0,0,0")
            << false << QByteArray("\x05\0\0\0", 4) << QStringList{"Viaccess", "", "", ""};
    QTest::newRow("scrambled 0,0,0,0")
            << false << QByteArray(4, '\0') << QStringList{"Sky", "", "", ""};
    QTest::newRow("scrambled all four") << false << QByteArray("\x18\x0B\x4A\xC8", 4)
                                        << QStringList{"Nagra", "Conax", "Unknow", "Sky"};
    QTest::newRow("gap in the middle")
            << false << QByteArray("\x01\0\x09\0", 4) << QStringList{"Seca", "", "NDS", ""};
}

void TestEditProgLogic::shownCaNames()
{
    QFETCH(bool, free);
    QFETCH(QByteArray, ids);
    QFETCH(QStringList, names);
    auto db = One_Program();
    ProgramRecord &record = db->raw.programs[0];
    Write_Field(record, prog::Free_To_Air, free);
    std::copy(ids.begin(), ids.end(), record.begin() + 36);
    Decode_Program(record, db->raw, db->rows.programs[0]);
    const ProgShown shown = Shown_Program(*db, 0);
    QCOMPARE(QStringList(shown.ca_names.begin(), shown.ca_names.end()), names);
}

void TestEditProgLogic::shownFieldsFromRow()
{
    auto db = One_Program();
    ProgramRecord &record = db->raw.programs[0];
    Write_Field(record, prog::Service_Id, 65000);
    Write_Field(record, prog::Favourite_Mask, 0x8005);
    Write_Field(record, prog::Locked, 0);
    Write_Field(record, prog::Current_Audio, 0);
    Write_Program_Name(record, "Velora One");
    Decode_Program(record, db->raw, db->rows.programs[0]);
    const ProgShown shown = Shown_Program(*db, 0);
    QCOMPARE(shown.sid, QStringLiteral("65000")); // five digits shown whole
    QCOMPARE(shown.name, QStringLiteral("Velora One"));
    QCOMPARE(shown.pcr, QStringLiteral("8191"));
    QCOMPARE(shown.favourite_mask, 0x8005u);
    QVERIFY(shown.skipped);
    QVERIFY(!shown.locked);
}

void TestEditProgLogic::favouriteCaptionStopsAt15()
{
    auto db = One_Program();
    FavouriteGroupName &full = db->raw.favourite_names[3];
    std::fill(full.begin(), full.end(), std::uint8_t{'Z'});
    full[0] = 0xE9;
    QCOMPARE(Favourite_Caption(*db, 3), QStringLiteral("\u00e9") + QString(14, u'Z'));
    Write_Favourite_Name(db->raw.favourite_names[4], "News");
    QCOMPARE(Favourite_Caption(*db, 4), QStringLiteral("News"));
}

QTEST_APPLESS_MAIN(TestEditProgLogic)
#include "tst_edit_prog_logic.moc"
