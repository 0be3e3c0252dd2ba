// The transponder dialogs' checks and record writes without widgets: every range boundary,
// the order of the checks, the exact bytes of add and change mode, and the fields a dialog
// must leave alone (stored codes its lists cannot show, a polarisation fixed by the LNB).

#include "dbase/bit_field.h"
#include "dbase/bytes.h"
#include "dbase/decode.h"
#include "dialogs/input_checks.h"
#include "dialogs/tp_edit_logic.h"

#include <QtTest>

#include <memory>

using namespace orvane;

Q_DECLARE_METATYPE(orvane::TpField)

namespace {

const QString kIllegal = QString::fromLatin1(kIllegalData);

std::unique_ptr<ChannelDatabase> Fresh_Database()
{
    auto db = std::make_unique<ChannelDatabase>();
    Clear_Database(*db);
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

class TestEditTpLogic : public QObject
{
    Q_OBJECT

private slots:
    void sat_checks_data();
    void sat_checks();
    void ter_checks_data();
    void ter_checks();
    void sat_add_worked_example();
    void sat_change_replaces_only_its_fields_data();
    void sat_change_replaces_only_its_fields();
    void sat_change_with_fixed_polarisation_keeps_code();
    void polarity_list_follows_lnb_power_data();
    void polarity_list_follows_lnb_power();
    void ter_add_fills_free_slot();
    void ter_change_data();
    void ter_change();
};

void TestEditTpLogic::sat_checks_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("symbol_rate");
    QTest::addColumn<int>("fec");
    QTest::addColumn<int>("polarity");
    QTest::addColumn<bool>("polarity_enabled");
    QTest::addColumn<TpField>("field");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("cleared");

    const auto ok = TpField::None;
    QTest::newRow("lowest values") << "2000"
                                   << "2000" << 0 << 0 << true << ok << "" << false;
    QTest::newRow("highest values") << "12750"
                                    << "45000" << 6 << 1 << true << ok << "" << false;
    QTest::newRow("blanks around") << " 11778 "
                                   << " 27500" << 3 << 1 << true << ok << "" << false;
    QTest::newRow("frequency 1999")
            << "1999"
            << "27500" << 3 << 1 << true << TpField::Frequency << kIllegal << true;
    QTest::newRow("frequency 12751")
            << "12751"
            << "27500" << 3 << 1 << true << TpField::Frequency << kIllegal << true;
    QTest::newRow("symbol rate 1999")
            << "11778"
            << "1999" << 3 << 1 << true << TpField::Symbol_Rate << kIllegal << true;
    QTest::newRow("symbol rate 45001")
            << "11778"
            << "45001" << 3 << 1 << true << TpField::Symbol_Rate << kIllegal << true;
    QTest::newRow("frequency empty")
            << ""
            << "27500" << 3 << 1 << true << TpField::Frequency << kIllegal << false;
    QTest::newRow("frequency decimal")
            << "11.5"
            << "27500" << 3 << 1 << true << TpField::Frequency << kIllegal << false;
    QTest::newRow("symbol rate decimal")
            << "11778"
            << "27.5" << 3 << 1 << true << TpField::Symbol_Rate << kIllegal << false;
    // Both text checks run before either range check.
    QTest::newRow("empty symbol rate before range")
            << "1"
            << "" << 3 << 1 << true << TpField::Symbol_Rate << kIllegal << false;
    QTest::newRow("frequency range before symbol rate")
            << "12751"
            << "1" << 3 << 1 << true << TpField::Frequency << kIllegal << true;
    QTest::newRow("letters") << "11a78"
                             << "27500" << 3 << 1 << true << TpField::Frequency
                             << "'11a78' is not a valid integer value" << false;
    QTest::newRow("inner blank") << "11778"
                                 << "27 500" << 3 << 1 << true << TpField::Symbol_Rate
                                 << "'27 500' is not a valid integer value" << false;
    QTest::newRow("beyond 32 bits") << "4294979046"
                                    << "27500" << 3 << 1 << true << TpField::Frequency
                                    << "'4294979046' is not a valid integer value" << false;
    QTest::newRow("negative") << "-11778"
                              << "27500" << 3 << 1 << true << TpField::Frequency << kIllegal
                              << true;
    QTest::newRow("no FEC") << "11778"
                            << "27500" << -1 << 1 << true << TpField::Fec << kIllegal << false;
    QTest::newRow("FEC before polarity")
            << "11778"
            << "27500" << -1 << -1 << true << TpField::Fec << kIllegal << false;
    QTest::newRow("no polarity") << "11778"
                                 << "27500" << 3 << -1 << true << TpField::Polarity << kIllegal
                                 << false;
    QTest::newRow("disabled polarity unchecked")
            << "11778"
            << "27500" << 3 << -1 << false << ok << "" << false;
}

void TestEditTpLogic::sat_checks()
{
    QFETCH(QString, frequency);
    QFETCH(QString, symbol_rate);
    QFETCH(int, fec);
    QFETCH(int, polarity);
    QFETCH(bool, polarity_enabled);
    QFETCH(TpField, field);
    QFETCH(QString, message);
    QFETCH(bool, cleared);

    const SatTpCheck check
            = Check_Sat_Tp(SatTpInput{frequency, symbol_rate, fec, polarity, polarity_enabled});
    QCOMPARE(check.verdict.field, field);
    QCOMPARE(check.verdict.message, message);
    QCOMPARE(check.verdict.clear_field, cleared);
    if (field == TpField::None) {
        QCOMPARE(check.values.frequency, frequency.trimmed().toUInt());
        QCOMPARE(check.values.symbol_rate, symbol_rate.trimmed().toUInt());
        QCOMPARE(check.values.fec, static_cast<std::uint32_t>(fec));
    }
}

void TestEditTpLogic::ter_checks_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<TpField>("field");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("cleared");

    QTest::newRow("50000") << "50000" << TpField::None << "" << false;
    QTest::newRow("1000000") << "1000000" << TpField::None << "" << false;
    QTest::newRow("leading zeros") << " 0474000 " << TpField::None << "" << false;
    QTest::newRow("49999") << "49999" << TpField::Frequency << kIllegal << true;
    QTest::newRow("1000001") << "1000001" << TpField::Frequency << kIllegal << true;
    QTest::newRow("empty") << "" << TpField::Frequency << kIllegal << false;
    QTest::newRow("decimal") << "474.5" << TpField::Frequency << kIllegal << false;
    QTest::newRow("letters") << "474k" << TpField::Frequency
                             << "'474k' is not a valid integer value" << false;
}

void TestEditTpLogic::ter_checks()
{
    QFETCH(QString, frequency);
    QFETCH(TpField, field);
    QFETCH(QString, message);
    QFETCH(bool, cleared);

    const TerTpCheck check = Check_Ter_Tp(TerTpInput{frequency, kNoSelection});
    QCOMPARE(check.verdict.field, field);
    QCOMPARE(check.verdict.message, message);
    QCOMPARE(check.verdict.clear_field, cleared);
    if (field == TpField::None)
        QCOMPARE(check.values.frequency, frequency.trimmed().toUInt());
}

void TestEditTpLogic::sat_add_worked_example()
{
    auto db = Fresh_Database();
    Set_Sat_Tp_Counts(db->raw, 7, 5, 2);
    SatTransponderRecord &record = db->raw.sat_tps[40];
    record = Patterned_Record<SatTransponderRecord>();
    const QByteArray tail = Bytes_Of(record, 16, 4);

    const SatTpCheck check = Check_Sat_Tp(SatTpInput{"11778", "27500", 3, 1, true});
    QVERIFY(check.verdict.ok());
    Write_Sat_Tp_Add(*db, TpHandOver{40, 5, 3}, check.values);

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

void TestEditTpLogic::sat_change_replaces_only_its_fields_data()
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

void TestEditTpLogic::sat_change_replaces_only_its_fields()
{
    QFETCH(QString, frequency);
    QFETCH(QString, symbol_rate);
    QFETCH(int, fec);
    QFETCH(int, polarity);

    auto db = Fresh_Database();
    SatTransponderRecord &record = db->raw.sat_tps[1999];
    record = Patterned_Record<SatTransponderRecord>();
    const SatTransponderRecord before = record;
    const SatTpInput input{frequency, symbol_rate, fec, polarity, true};
    const SatTpCheck check = Check_Sat_Tp(input);
    QVERIFY(check.verdict.ok());
    Write_Sat_Tp_Change(*db, 1999, input, check.values);

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

void TestEditTpLogic::sat_change_with_fixed_polarisation_keeps_code()
{
    auto db = Fresh_Database();
    SatTransponderRecord &record = db->raw.sat_tps[3];
    Write_Field(record, sat_tp::Polarity, 2);
    const SatTpInput input{"11000", "27500", 2, kNoSelection, false};
    const SatTpCheck check = Check_Sat_Tp(input);
    QVERIFY(check.verdict.ok());
    Write_Sat_Tp_Change(*db, 3, input, check.values);
    QCOMPARE(Read_Field(record, sat_tp::Polarity), 2u);
    QCOMPARE(Read_Field(record, sat_tp::Frequency), 11000u);
}

void TestEditTpLogic::polarity_list_follows_lnb_power_data()
{
    QTest::addColumn<int>("power");
    QTest::addColumn<bool>("editable");
    QTest::newRow("0") << 0 << true;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("2: 13 V") << 2 << false;
    QTest::newRow("3: 18 V") << 3 << false;
    QTest::newRow("4") << 4 << true;
}

void TestEditTpLogic::polarity_list_follows_lnb_power()
{
    QFETCH(int, power);
    QFETCH(bool, editable);
    auto db = Fresh_Database();
    db->rows.sat_tps[10].Sat_Index = 59;
    db->rows.satellites[59].Lnb_Power = static_cast<std::uint8_t>(power);
    QCOMPARE(Sat_Tp_Polarity_Editable(*db, 10), editable);
    db->rows.sat_tps[10].Sat_Index = 255; // a transponder of no satellite
    QVERIFY(Sat_Tp_Polarity_Editable(*db, 10));
}

void TestEditTpLogic::ter_add_fills_free_slot()
{
    auto db = Fresh_Database();
    Set_Ter_Tp_Counts(db->raw, 4, 0, 4);
    TerTransponderRecord &record = db->raw.ter_tps[999];
    record = Patterned_Record<TerTransponderRecord>();
    const std::uint32_t high_bits = Load_U32(record, 0) >> 17;

    const TerTpInput input{" 0474000 ", 2};
    const TerTpCheck check = Check_Ter_Tp(input);
    QVERIFY(check.verdict.ok());
    Write_Ter_Tp_Add(*db, 999, input, check.values);

    QCOMPARE(Load_U32(record, 0) >> 17, high_bits);
    QCOMPARE(Read_Field(record, ter_tp::In_Use), 1u);
    QCOMPARE(Read_Field(record, ter_tp::Group_Index), 0u);
    QCOMPARE(Read_Field(record, ter_tp::Tp_Number), 5u);
    QCOMPARE(Load_U32(record, 4), 474000u);
    QCOMPARE(Bytes_Of(record, 8, 12), QByteArray::fromHex("0000060602000000FFFFFFFF"));
    QCOMPARE(Ter_Tp_Total_Count(db->raw), 5);
    QCOMPARE(Ter_Tp_Per_Group_Count(db->raw, 0), 5);
    // The list shows the text as typed, trimmed.
    QCOMPARE(db->rows.ter_tps[999].Frequency, std::string("0474000"));
    QCOMPARE(int(db->rows.ter_tps[999].Bandwidth), 2);
    QCOMPARE(int(db->rows.ter_tps[999].Tp_Number), 5);
}

void TestEditTpLogic::ter_change_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("bandwidth");
    QTest::addColumn<int>("stored_bandwidth");
    QTest::addColumn<int>("expected_bandwidth");

    QTest::newRow("lowest, 6 MHz") << "50000" << 0 << 2 << 0;
    QTest::newRow("highest, 8 MHz") << "1000000" << 2 << 0 << 2;
    QTest::newRow("no item for 3: kept") << "474000" << kNoSelection << 3 << 3;
    QTest::newRow("no item for 200: kept") << "474000" << kNoSelection << 200 << 200;
}

void TestEditTpLogic::ter_change()
{
    QFETCH(QString, frequency);
    QFETCH(int, bandwidth);
    QFETCH(int, stored_bandwidth);
    QFETCH(int, expected_bandwidth);

    auto db = Fresh_Database();
    TerTransponderRecord &record = db->raw.ter_tps[0];
    record = Patterned_Record<TerTransponderRecord>();
    record[12] = static_cast<std::uint8_t>(stored_bandwidth);
    const TerTransponderRecord before = record;
    const TerTpInput input{frequency, bandwidth};
    const TerTpCheck check = Check_Ter_Tp(input);
    QVERIFY(check.verdict.ok());
    Write_Ter_Tp_Change(*db, 0, input, check.values);

    QCOMPARE(Load_U32(record, 4), frequency.toUInt());
    QCOMPARE(int(record[12]), expected_bandwidth);
    QCOMPARE(Bytes_Of(record, 0, 4), Bytes_Of(before, 0, 4));
    QCOMPARE(Bytes_Of(record, 8, 4), Bytes_Of(before, 8, 4));
    QCOMPARE(Bytes_Of(record, 13, 7), Bytes_Of(before, 13, 7));
    QCOMPARE(db->rows.ter_tps[0].Frequency, frequency.toStdString());
    QCOMPARE(int(db->rows.ter_tps[0].Bandwidth), expected_bandwidth);
}

QTEST_APPLESS_MAIN(TestEditTpLogic)
#include "tst_edit_tp_logic.moc"
