// The transponder dialogs' checks without widgets: every range boundary, the order of the
// checks, and when the polarisation is the dialog's to change.

#include "dbase/record_writers.h"
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

} // namespace

class TestEditTpLogic : public QObject
{
    Q_OBJECT

private slots:
    void sat_checks_data();
    void sat_checks();
    void ter_checks_data();
    void ter_checks();
    void polarity_list_follows_lnb_power_data();
    void polarity_list_follows_lnb_power();
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

QTEST_APPLESS_MAIN(TestEditTpLogic)
#include "tst_edit_tp_logic.moc"
