// The satellite dialog's checks, without widgets.

#include "dialogs/input_checks.h"
#include "dialogs/lnb_edit_logic.h"

#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(orvane::LnbField)

namespace {

LnbInput Valid_Input()
{
    LnbInput input;
    input.name = QStringLiteral("Astra");
    input.low = QStringLiteral("9750");
    input.high = QStringLiteral("10600");
    input.longitude = QStringLiteral("19.2");
    input.tone_text = QStringLiteral("Auto");
    input.type = 2;
    input.power = 1;
    input.diseqc = 3;
    input.motor = 1;
    input.lnb_12v = 1;
    return input;
}

} // namespace

class TestEditLnbLogic : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void type_defaults_data();
    void type_defaults();
};

void TestEditLnbLogic::checks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<LnbField>("field");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<int>("tenths");

    const QString illegal = QString::fromLatin1(kIllegalData);
    const auto ok = LnbField::None;
    QTest::newRow("lowest values") << ""
                                   << "0"
                                   << "0"
                                   << "0" << ok << "" << false << 0;
    QTest::newRow("highest values") << "A"
                                    << "30000"
                                    << "30000"
                                    << "360" << ok << "" << false << 3600;
    QTest::newRow("typed value off the presets") << "A"
                                                 << " 9300 "
                                                 << "+9300"
                                                 << "0.1" << ok << "" << false << 1;
    QTest::newRow("one decimal place") << "A"
                                       << "9750"
                                       << "10600"
                                       << "359.9" << ok << "" << false << 3599;
    QTest::newRow("trailing zero") << "A"
                                   << "9750"
                                   << "10600"
                                   << "19.20" << ok << "" << false << 192;
    QTest::newRow("latin-1 name") << QString::fromUtf8("Türksat é") << "9750"
                                  << "10600"
                                  << "42" << ok << "" << false << 420;
    QTest::newRow("name without latin-1 byte") << QString::fromUtf8("Astra Ω") << ""
                                               << ""
                                               << "" << LnbField::Name << illegal << false << 0;
    QTest::newRow("low empty") << "A"
                               << ""
                               << "10600"
                               << "19.2" << LnbField::Low << illegal << false << 0;
    QTest::newRow("low with point before high empty")
            << "A"
            << "9750.0"
            << ""
            << "19.2" << LnbField::Low << illegal << false << 0;
    QTest::newRow("high empty before low conversion")
            << "A"
            << "abc"
            << ""
            << "19.2" << LnbField::High << illegal << false << 0;
    QTest::newRow("high with point") << "A"
                                     << "9750"
                                     << "1.5"
                                     << "19.2" << LnbField::High << illegal << false << 0;
    QTest::newRow("low not a number")
            << "A"
            << "abc"
            << "10600"
            << "19.2" << LnbField::Low << "'abc' is not a valid integer value" << false << 0;
    QTest::newRow("low 30001") << "A"
                               << "30001"
                               << "10600"
                               << "19.2" << LnbField::Low << illegal << false << 0;
    QTest::newRow("low -1") << "A"
                            << "-1"
                            << "10600"
                            << "19.2" << LnbField::Low << illegal << false << 0;
    QTest::newRow("low range before high conversion")
            << "A"
            << "30001"
            << "x"
            << "19.2" << LnbField::Low << illegal << false << 0;
    QTest::newRow("high not a number")
            << "A"
            << "9750"
            << "1e4"
            << "19.2" << LnbField::High << "'1e4' is not a valid integer value" << false << 0;
    QTest::newRow("high 30001") << "A"
                                << "9750"
                                << "30001"
                                << "19.2" << LnbField::High << illegal << false << 0;
    QTest::newRow("high beyond 32 bits")
            << "A"
            << "9750"
            << "4294967296"
            << "19.2" << LnbField::High << "'4294967296' is not a valid integer value" << false
            << 0;
    QTest::newRow("longitude empty") << "A"
                                     << "9750"
                                     << "10600"
                                     << "" << LnbField::Longitude << illegal << true << 0;
    QTest::newRow("longitude 360.5") << "A"
                                     << "9750"
                                     << "10600"
                                     << "360.5" << LnbField::Longitude << illegal << true << 0;
    QTest::newRow("longitude -1") << "A"
                                  << "9750"
                                  << "10600"
                                  << "-1" << LnbField::Longitude << illegal << true << 0;
    QTest::newRow("longitude -0.1") << "A"
                                    << "9750"
                                    << "10600"
                                    << "-0.1" << LnbField::Longitude << illegal << true << 0;
    QTest::newRow("longitude two decimal places")
            << "A"
            << "9750"
            << "10600"
            << "19.25" << LnbField::Longitude << illegal << true << 0;
    QTest::newRow("longitude tiny fraction")
            << "A"
            << "9750"
            << "10600"
            << "19.2000001" << LnbField::Longitude << illegal << true << 0;
    QTest::newRow("longitude with comma")
            << "A"
            << "9750"
            << "10600"
            << "19,2" << LnbField::Longitude << "'19,2' is not a valid floating point value"
            << false << 0;
    QTest::newRow("longitude not a number")
            << "A"
            << "9750"
            << "10600"
            << "east" << LnbField::Longitude << "'east' is not a valid floating point value"
            << false << 0;
    QTest::newRow("longitude nan") << "A"
                                   << "9750"
                                   << "10600"
                                   << "nan" << LnbField::Longitude
                                   << "'nan' is not a valid floating point value" << false << 0;
    QTest::newRow("longitude inf") << "A"
                                   << "9750"
                                   << "10600"
                                   << "inf" << LnbField::Longitude
                                   << "'inf' is not a valid floating point value" << false << 0;
}

void TestEditLnbLogic::checks()
{
    QFETCH(QString, name);
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(QString, longitude);
    QFETCH(LnbField, field);
    QFETCH(QString, message);
    QFETCH(bool, cleared);
    QFETCH(int, tenths);

    LnbInput input = Valid_Input();
    input.name = name;
    input.low = low;
    input.high = high;
    input.longitude = longitude;
    const LnbVerdict verdict = Check_Lnb_Input(input);
    QCOMPARE(verdict.field, field);
    QCOMPARE(verdict.message, message);
    QCOMPARE(verdict.clear_field, cleared);
    if (verdict.ok()) {
        QCOMPARE(verdict.longitude_tenths, std::uint32_t(tenths));
        QCOMPARE(verdict.low, std::uint32_t(Parse_Integer(low).value()));
        QCOMPARE(verdict.high, std::uint32_t(Parse_Integer(high).value()));
    }
}

void TestEditLnbLogic::type_defaults_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<bool>("high_enabled");
    QTest::addColumn<QStringList>("tone_items");
    QTest::addColumn<bool>("tone_enabled");

    const QStringList off_on{"OFF", "ON"};
    QTest::newRow("NORMAL C") << 0 << "5150"
                              << "5150" << false << off_on << true;
    QTest::newRow("NORMAL KU") << 1 << "11300"
                               << "11300" << false << off_on << true;
    QTest::newRow("UNIVERSAL") << 2 << "9750"
                               << "10600" << true << QStringList{"Auto"} << false;
    QTest::newRow("ONE CABLE") << 3 << "5150"
                               << "5750" << true << off_on << true;
    QTest::newRow("HIGH KU") << 4 << "10600"
                             << "10600" << false << off_on << true;
    QTest::newRow("LOW KU") << 5 << "9750"
                            << "9750" << false << off_on << true;
}

void TestEditLnbLogic::type_defaults()
{
    QFETCH(int, type);
    const std::optional<LnbTypeDefaults> defaults = Lnb_Type_Defaults(type);
    QVERIFY(defaults);
    QTEST(defaults->low, "low");
    QTEST(defaults->high, "high");
    QTEST(defaults->high_enabled, "high_enabled");
    QTEST(defaults->tone_items, "tone_items");
    QTEST(defaults->tone_enabled, "tone_enabled");
    QVERIFY(!Lnb_Type_Defaults(6));
    QVERIFY(!Lnb_Type_Defaults(-1));
}

QTEST_APPLESS_MAIN(TestEditLnbLogic)
#include "tst_edit_lnb_logic.moc"
