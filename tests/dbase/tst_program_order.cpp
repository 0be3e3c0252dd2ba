// Program order: random reorders of a full database keep every rule of the layout and move
// each program with its tracks, favourites and bytes; a small case spelled out in bytes; the
// sort orders; the matching rules of ordering like another file; and the program list as CSV
// going out and coming back edited.

#include "channel_fixtures.h"
#include "dbase/program_list_csv.h"
#include "dbase_test_support.h"
#include "tools/sample_database.h"

#include <QtTest>

#include <random>

using namespace orvane;
using namespace orvane::test;

namespace {

// The audio PIDs of a program's tracks in table order, and its current track's PID.
QStringList Track_Pids(const ChannelDatabase &db, int program)
{
    QStringList pids;
    for (int a = 0; a < Used_Audio_Track_Count(db.raw); ++a)
        if (db.rows.audio_tracks[a].Program_Index == program)
            pids << Q(db.rows.audio_tracks[a].Audio_Pid);
    const int current = Current_Audio_Track_Slot(db.raw, program);
    pids << (current < 0 ? QStringLiteral("none") : Q(db.rows.audio_tracks[current].Audio_Pid));
    return pids;
}

// The image with the program and audio tables blanked: what a reorder must leave alone.
Bytes Outside_Program_Tables(const RawArrays &raw)
{
    Bytes image = Image_Of(raw);
    std::fill_n(image.begin() + kProgramsOffset, kProgramSlots * kProgramRecordSize, 0);
    std::fill_n(image.begin() + kAudioTracksOffset, kAudioTrackSlots * kAudioTrackRecordSize, 0);
    return image;
}

std::vector<ProgramRecord> Sorted_Records(const ChannelDatabase &db)
{
    std::vector<ProgramRecord> records(db.raw.programs.begin(),
                                       db.raw.programs.begin() + db.Program_Count);
    std::sort(records.begin(), records.end());
    return records;
}

// A satellite program on transponder tp with the given service id.
int Add_Service(ChannelDatabase &db, int tp, std::uint32_t service_id, const std::string &name,
                bool radio = false, std::uint32_t kind = prog::kKindSatellite)
{
    const int slot = Add_Program(db, {kind, tp, name, radio});
    Set_Program_Field(db, slot, prog::Service_Id, service_id);
    return slot;
}

// Two databases with transponders at 11,778 and 12,100 MHz (slots 0, 1) and 474,000 kHz
// (terrestrial slot 0).
std::unique_ptr<ChannelDatabase> Matching_Base(std::uint32_t second_mhz = 12100)
{
    auto db = Blank_Database();
    Add_Sat_Tp(*db, 0, 5, 11778, kV, 27500, 3);
    Add_Sat_Tp(*db, 1, 5, second_mhz, kH, 27500, 3);
    Add_Ter_Tp(*db, 0, 0, 474000);
    return db;
}

QStringList Texts(const std::vector<std::string> &lines)
{
    QStringList texts;
    for (const std::string &line : lines)
        texts << QString::fromStdString(line);
    return texts;
}

// The used program records, sorted, with the fields a program list may change blanked.
std::vector<ProgramRecord> Without_List_Fields(const ChannelDatabase &db)
{
    std::vector<ProgramRecord> records = Sorted_Records(db);
    for (ProgramRecord &record : records) {
        Write_Program_Name(record, "");
        for (const BitField field : {prog::Locked, prog::Skipped, prog::Favourite_Mask})
            Write_Field(record, field, 0);
    }
    std::sort(records.begin(), records.end());
    return records;
}

} // namespace

class TstProgramOrder : public QObject
{
    Q_OBJECT

private slots:
    void random_reorders_keep_the_layout();
    void refused_orders_change_nothing_data();
    void refused_orders_change_nothing();
    void tracks_follow_their_program_in_bytes();
    void sort_orders_data();
    void sort_orders();
    void matching_rules_data();
    void matching_rules();
    void order_like_takes_order_names_and_favourites();
    void program_list_round_trip();
    void program_list_quoting_data();
    void program_list_quoting();
};

void TstProgramOrder::random_reorders_keep_the_layout()
{
    auto db = Make_Channel_Database();
    Build_Full_Database(*db, FileKind::ChannelData);
    QVERIFY(Check_Invariants(*db).isEmpty());
    std::mt19937 random(20261209);
    for (int round = 0; round < 30; ++round) {
        const Bytes outside = Outside_Program_Tables(db->raw);
        const auto records = Sorted_Records(*db);
        const RawArrays before_raw = db->raw;
        const auto before = Make_Channel_Database();
        before->raw = db->raw;
        before->Program_Count = db->Program_Count;
        Decode_Rows(*before);

        std::vector<int> all(static_cast<std::size_t>(db->Program_Count));
        std::iota(all.begin(), all.end(), 0);
        std::shuffle(all.begin(), all.end(), random);
        const auto size = std::uniform_int_distribution<std::size_t>(0, all.size())(random);
        const std::vector<int> moved(all.begin(), all.begin() + static_cast<long>(size));
        std::vector<int> order = moved;
        std::shuffle(order.begin(), order.end(), random);
        QVERIFY(Reorder_Programs(*db, moved, order).ok);

        QVERIFY2(Check_Invariants(*db).isEmpty(), qPrintable(Check_Invariants(*db).join('\n')));
        QCOMPARE(First_Difference(Outside_Program_Tables(db->raw), outside), -1);
        const auto tracks = db->rows.audio_tracks.begin();
        QVERIFY(std::is_sorted(
                tracks, tracks + Used_Audio_Track_Count(db->raw),
                [](const auto &a, const auto &b) { return a.Program_Index < b.Program_Index; }));
        QVERIFY(Sorted_Records(*db) == records);
        std::vector<int> sorted = moved;
        std::sort(sorted.begin(), sorted.end());
        std::vector<int> old_slot_of(all.size());
        std::iota(old_slot_of.begin(), old_slot_of.end(), 0);
        for (std::size_t i = 0; i < sorted.size(); ++i)
            old_slot_of[static_cast<std::size_t>(sorted[i])] = order[i];
        for (int p = 0; p < db->Program_Count; ++p) {
            const int old = old_slot_of[static_cast<std::size_t>(p)];
            QVERIFY(db->raw.programs[p] == before_raw.programs[old]);
            QCOMPARE(Track_Pids(*db, p), Track_Pids(*before, old));
        }
    }
}

void TstProgramOrder::refused_orders_change_nothing_data()
{
    QTest::addColumn<std::vector<int>>("moved");
    QTest::addColumn<std::vector<int>>("order");
    QTest::newRow("other programs") << std::vector<int>{0, 1} << std::vector<int>{1, 2};
    QTest::newRow("one missing") << std::vector<int>{0, 1, 2} << std::vector<int>{2, 1};
    QTest::newRow("slot twice") << std::vector<int>{1, 1} << std::vector<int>{1, 1};
    QTest::newRow("order repeats") << std::vector<int>{0, 1} << std::vector<int>{0, 0};
    QTest::newRow("beyond Program_Count") << std::vector<int>{0, 3} << std::vector<int>{3, 0};
    QTest::newRow("negative slot") << std::vector<int>{-1, 0} << std::vector<int>{0, -1};
}

void TstProgramOrder::refused_orders_change_nothing()
{
    QFETCH(std::vector<int>, moved);
    QFETCH(std::vector<int>, order);
    auto db = Matching_Base();
    for (int p = 0; p < 3; ++p)
        Append_Audio_Track(*db, Add_Service(*db, 0, 10 + p, "P"), 600 + p);
    const Bytes image = Image_Of(db->raw);
    const Outcome outcome = Reorder_Programs(*db, moved, order);
    QVERIFY(!outcome.ok && !outcome.message.empty());
    QCOMPARE(First_Difference(Image_Of(db->raw), image), -1);
}

void TstProgramOrder::tracks_follow_their_program_in_bytes()
{
    auto db = Matching_Base();
    for (const char *name : {"Zero", "One", "Two", "Three"})
        Add_Service(*db, 0, 7, name);
    Append_Audio_Track(*db, 0, 0x101, "ENG");
    Append_Audio_Track(*db, 0, 0x102, "DEU", 3);
    Append_Audio_Track(*db, 2, 0x103, "FRA");
    Set_Program_Field(*db, 0, prog::Current_Audio, 2);
    Set_Program_Field(*db, 0, prog::Audio_Track_Total, 3);
    Set_Program_Field(*db, 2, prog::Audio_Track_Total, 2);
    const ProgramRecord three = db->raw.programs[3];

    const std::vector<int> moved{0, 1, 2};
    const std::vector<int> order{2, 0, 1};
    QVERIFY(Reorder_Programs(*db, moved, order).ok);

    QCOMPARE(Program_Dump(*db).join('|'),
             QStringLiteral("prog 0: sat tp 0 TV Two tracks 2|prog 1: sat tp 0 TV Zero tracks 3|"
                            "prog 2: sat tp 0 TV One tracks 1|prog 3: sat tp 0 TV Three tracks 1"));
    QVERIFY(db->raw.programs[3] == three);
    // In-use bit 0, Program_Index bits 1..16, PID bits 17..29, the kept top bits, the tag.
    QCOMPARE(Hex(ByteView(db->raw.audio_tracks[0].data(), 3 * kAudioTrackRecordSize)),
             QByteArray("01 00 06 02 46 52 41 00 "
                        "03 00 02 02 45 4E 47 00 "
                        "03 00 04 C2 44 45 55 00"));
    QCOMPARE(Hex(db->raw.audio_tracks[3]), Hex(kEmptyAudioTrack));
    QCOMPARE(Current_Audio_Track_Slot(db->raw, 1), 2);
    QVERIFY(Check_Invariants(*db).isEmpty());
}

void TstProgramOrder::sort_orders_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("service_ids");
    QTest::addColumn<QString>("by_name");
    QTest::addColumn<QString>("by_service_id");
    // Latin-1: 0xC4 is A with diaeresis, 0xE4 its small letter, 0xD7 the multiplication sign
    // and 0xF7 the division sign, which are no letters.
    QTest::newRow("case folded, stable") << QStringList{"beta", "Alpha", "alpha", "Beta", "ALPHA"}
                                         << QList<int>{5, 4, 3, 2, 1} << "1 2 4 0 3"
                                         << "4 3 2 1 0";
    QTest::newRow("Latin-1 capitals fold")
            << QString::fromLatin1("\xE4x \xC4y \xD7 \xF7 z").split(' ')
            << QList<int>{9, 9, 1, 9, 0} << "4 2 0 1 3"
            << "4 2 0 1 3";
    QTest::newRow("empty and prefix names")
            << QStringList{"ab", "", "a", "A "} << QList<int>{65535, 0, 65535, 1} << "1 2 3 0"
            << "1 3 0 2";
}

void TstProgramOrder::sort_orders()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, service_ids);
    auto db = Matching_Base();
    std::vector<int> moved;
    for (qsizetype i = 0; i < names.size(); ++i)
        moved.push_back(Add_Service(*db, 0, static_cast<std::uint32_t>(service_ids[i]),
                                    names[i].toLatin1().toStdString()));
    const auto text = [](const std::vector<int> &order) {
        QStringList words;
        for (const int slot : order)
            words << QString::number(slot);
        return words.join(' ');
    };
    QTEST(text(Order_By_Name(*db, moved)), "by_name");
    QTEST(text(Order_By_Service_Id(*db, moved)), "by_service_id");
}

void TstProgramOrder::matching_rules_data()
{
    QTest::addColumn<QString>("reference"); // "sid@tp:name ..." (tp 9 = terrestrial slot 0)
    QTest::addColumn<QString>("program");
    QTest::addColumn<std::uint32_t>("second_mhz"); // the program's transponder slot 1
    QTest::addColumn<int>("expected");
    QTest::newRow("service id and frequency") << "7@0:A 8@0:B"
                                              << "8@0:X" << 12100u << 1;
    QTest::newRow("frequency 2 MHz off") << "7@1:A"
                                         << "7@1:A" << 12102u << 0;
    QTest::newRow("frequency 3 MHz off") << "7@1:A"
                                         << "7@1:A" << 12103u << -1;
    QTest::newRow("other service id") << "7@0:A"
                                      << "9@0:A" << 12100u << -1;
    QTest::newRow("satellite is not terrestrial") << "7@0:A"
                                                  << "7@9:A" << 12100u << -1;
    QTest::newRow("terrestrial exact") << "7@1:A 7@9:A"
                                       << "7@9:B" << 12100u << 1;
    QTest::newRow("radio is not TV") << "7@0:A"
                                     << "7@0:A!" << 12100u << -1;
    QTest::newRow("decided by name") << "7@0:A 7@0:B 7@0:C"
                                     << "7@0:B" << 12100u << 1;
    QTest::newRow("ambiguous name") << "7@0:A 7@0:A"
                                    << "7@0:A" << 12100u << -1;
    QTest::newRow("no name decides") << "7@0:A 7@0:B"
                                     << "7@0:C" << 12100u << -1;
}

void TstProgramOrder::matching_rules()
{
    QFETCH(QString, reference);
    QFETCH(QString, program);
    QFETCH(std::uint32_t, second_mhz);
    QFETCH(int, expected);
    // "sid@tp:name", a trailing "!" for a radio program.
    const auto add = [](ChannelDatabase &db, const QString &entry) {
        QStringList parts = entry.split(QRegularExpression("[@:]"));
        const bool radio = parts[2].endsWith('!');
        const bool terrestrial = parts[1] == "9";
        return Add_Service(db, terrestrial ? 0 : parts[1].toInt(), parts[0].toUInt(),
                           parts[2].remove('!').toStdString(), radio,
                           terrestrial ? prog::kKindTerrestrial : prog::kKindSatellite);
    };
    auto theirs = Matching_Base();
    for (const QString &entry : reference.split(' '))
        add(*theirs, entry);
    auto ours = Matching_Base(second_mhz);
    QCOMPARE(Match_Program(*ours, add(*ours, program), *theirs), expected);
}

void TstProgramOrder::order_like_takes_order_names_and_favourites()
{
    auto theirs = Matching_Base();
    Add_Service(*theirs, 0, 3, "Three");
    Add_Service(*theirs, 0, 1, "One");
    Add_Service(*theirs, 0, 50, "Radio", true);
    Add_Service(*theirs, 0, 2, "Two");
    Set_Program_Field(*theirs, 3, prog::Favourite_Mask, Groups({2, 16}));
    Write_Favourite_Name(theirs->raw.favourite_names[1], "Films");
    Decode_Favourite_Name(theirs->raw.favourite_names[1], theirs->rows.favourite_names[1]);

    auto ours = Matching_Base();
    for (const auto &[sid, name] : std::vector<std::pair<int, const char *>>{
                 {1, "one (scan)"}, {9, "New A"}, {2, "two (scan)"}, {8, "New B"}, {3, "3"}})
        Add_Service(*ours, 0, static_cast<std::uint32_t>(sid), name);
    const int radio = Add_Service(*ours, 0, 50, "radio", true);
    Set_Program_Field(*ours, radio, prog::Favourite_Mask, Groups({4}));

    const OrderLikeReport report = Order_Like(*ours, *theirs, {true, true});
    QCOMPARE(report.matched, 4);
    QCOMPARE(Program_Dump(*ours).join('|'),
             QStringLiteral("prog 0: sat tp 0 TV Three tracks 1|prog 1: sat tp 0 TV One tracks 1|"
                            "prog 2: sat tp 0 TV Two tracks 1|prog 3: sat tp 0 TV New A tracks 1|"
                            "prog 4: sat tp 0 TV New B tracks 1|"
                            "prog 5: sat tp 0 Radio Radio tracks 1"));
    QCOMPARE(Q(ours->rows.programs[2].Favourite_Mask), QStringLiteral("1000000000000010"));
    QCOMPARE(Q(ours->rows.programs[5].Favourite_Mask), QStringLiteral("0000000000000000"));
    QCOMPARE(Q(ours->rows.favourite_names[1]), QStringLiteral("Films"));
    QCOMPARE(QString::fromStdString([&] {
                 std::string all;
                 for (const std::string &line : Order_Like_Lines(report))
                     all += line + "|";
                 return all;
             }()),
             QStringLiteral("Matched 4 programs, 2 not matched:|"
                            "Satellite TV 4 \"New A\", service id 9, 11778 MHz|"
                            "Satellite TV 5 \"New B\", service id 8, 11778 MHz|"));
    QVERIFY(Check_Invariants(*ours).isEmpty());
}

// The rows of both kinds shuffled together, two renamed, a flag and groups changed, one left
// out: the list exported again is the edited one, each kind's rows in their new order and
// numbered anew, and apart from order, names, flags and groups the image is the same.
void TstProgramOrder::program_list_round_trip()
{
    auto db = Make_Channel_Database();
    Build_Sample_Database(*db, FileKind::ChannelData);
    const auto before = std::make_unique<ChannelDatabase>(*db);
    const CsvText exported = Split_Csv(Program_List_Csv(*db));
    std::vector<CsvRecord> rows(exported.records.begin() + 1, exported.records.end());
    std::shuffle(rows.begin(), rows.end(), std::mt19937(20261209));
    rows[0].fields[2] = "Caf\xC3\xA9, \"Z\xC3\xBCrich\"";
    rows[1].fields[2] = "";
    rows[2].fields[13] = rows[2].fields[13] == "yes" ? "no" : "yes";
    rows[3].fields[15] = "2 16";
    const CsvRecord dropped = rows[4];
    rows.erase(rows.begin() + 4);
    std::string edited = Csv_Line(exported.records[0].fields);
    for (const CsvRecord &row : rows)
        edited += Csv_Line(row.fields);
    const auto radio_rows = std::stable_partition(
            rows.begin(), rows.end(), [](const CsvRecord &row) { return row.fields[1] == "TV"; });
    // A program the list leaves out follows the listed ones of its kind.
    rows.insert(dropped.fields[1] == "TV" ? radio_rows : rows.end(), dropped);
    std::string expected = Csv_Line(exported.records[0].fields);
    std::array<int, 2> numbers{};
    for (CsvRecord &row : rows) {
        row.fields[0] = std::to_string(++numbers[row.fields[1] == "Radio" ? 1 : 0]);
        expected += Csv_Line(row.fields);
    }

    const ProgramListReport report = Apply_Program_List(*db, Parse_Program_List(edited));
    QCOMPARE(report.applied, static_cast<int>(rows.size()) - 1);
    QCOMPARE(Texts(report.skipped) + Texts(report.errors), QStringList());
    QCOMPARE(Program_List_Csv(*db), expected);
    QVERIFY(Outside_Program_Tables(db->raw) == Outside_Program_Tables(before->raw));
    QVERIFY(Without_List_Fields(*db) == Without_List_Fields(*before));
    QCOMPARE(Check_Invariants(*db), QStringList());
}

void TstProgramOrder::program_list_quoting_data()
{
    QTest::addColumn<QByteArray>("name"); // as stored, Latin-1
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << QByteArray("News") << QByteArray("News");
    QTest::newRow("comma") << QByteArray("A,B") << QByteArray(R"("A,B")");
    QTest::newRow("quotes") << QByteArray(R"(5" "TV")") << QByteArray(R"("5"" ""TV""")");
    QTest::newRow("quote alone") << QByteArray("\"") << QByteArray(R"("""")");
    QTest::newRow("line break") << QByteArray("a\r\nb") << QByteArray("\"a\r\nb\"");
    QTest::newRow("Latin-1") << QByteArray("Caf\xE9 \xFF") << QByteArray("Caf\xC3\xA9 \xC3\xBF");
    QTest::newRow("15 characters") << QByteArray("\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7,\"ABCDE")
                                   << QByteArray("\"\xC3\x80\xC3\x81\xC3\x82\xC3\x83\xC3\x84\xC3"
                                                 "\x85\xC3\x86\xC3\x87,\"\"ABCDE\"");
}

// The row is written byte for byte, read back to the stored name, and applied to the same
// database changes nothing; a twin program makes the row match two.
void TstProgramOrder::program_list_quoting()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, field);
    auto db = Matching_Base();
    Add_Service(*db, 0, 7, name.toStdString());
    const std::string csv = Program_List_Csv(*db);
    QCOMPARE(QByteArray::fromStdString(csv.substr(csv.find("\r\n") + 2)),
             "1,TV," + field + ",Sat 05,11778,V,7,256,512,256,32,0,no,no,no,\r\n");
    const ProgramList list = Parse_Program_List(csv);
    QCOMPARE(Texts(list.errors), QStringList());
    QCOMPARE(QByteArray::fromStdString(list.entries.at(0).name),
             QString::fromLatin1(name).toUtf8());
    const Bytes image = Image_Of(db->raw);
    QCOMPARE(Apply_Program_List(*db, list).applied, 1);
    QVERIFY(Image_Of(db->raw) == image);
    Add_Service(*db, 0, 7, name.toStdString());
    QCOMPARE(Texts(Apply_Program_List(*db, list).skipped), QStringList{"row 2: 2 programs match"});
}

QTEST_APPLESS_MAIN(TstProgramOrder)
#include "tst_program_order.moc"
