#include "dialogs/tp_edit_logic.h"

#include "dbase/bit_field.h"
#include "dbase/decode.h"
#include "dialogs/input_checks.h"

namespace orvane {

namespace {

constexpr std::uint8_t kLnbPower13 = 2;
constexpr std::uint8_t kLnbPower18 = 3;

TpVerdict Refuse(TpField field, QString message = QString::fromLatin1(kIllegalData),
                 bool clear_field = false)
{
    return TpVerdict{field, std::move(message), clear_field};
}

// Check 1 and 2: a field that is empty or holds a decimal point.
bool Empty_Or_Decimal(const QString &text)
{
    return text.isEmpty() || text.contains(u'.');
}

// Checks 3 and 4: the text as an integer within [minimum, maximum]. A text that is no
// integer gets the conversion message and keeps its text; an out-of-range one is emptied.
TpVerdict Check_Range(TpField field, const QString &text, int minimum, int maximum,
                      std::uint32_t &value)
{
    const auto number = Parse_Integer(text);
    if (!number)
        return Refuse(field, Not_Valid_Integer(text));
    if (*number < minimum || *number > maximum)
        return Refuse(field, QString::fromLatin1(kIllegalData), true);
    value = static_cast<std::uint32_t>(*number);
    return {};
}

} // namespace

SatTpCheck Check_Sat_Tp(const SatTpInput &input)
{
    SatTpCheck check;
    if (Empty_Or_Decimal(input.frequency))
        return {Refuse(TpField::Frequency), {}};
    if (Empty_Or_Decimal(input.symbol_rate))
        return {Refuse(TpField::Symbol_Rate), {}};
    check.verdict = Check_Range(TpField::Frequency, input.frequency, kSatTpMinFrequency,
                                kSatTpMaxFrequency, check.values.frequency);
    if (!check.verdict.ok())
        return check;
    check.verdict = Check_Range(TpField::Symbol_Rate, input.symbol_rate, kSatTpMinSymbolRate,
                                kSatTpMaxSymbolRate, check.values.symbol_rate);
    if (!check.verdict.ok())
        return check;
    if (input.fec < 0 || input.fec > 6)
        return {Refuse(TpField::Fec), {}};
    if (input.polarity_enabled && (input.polarity < 0 || input.polarity > 1))
        return {Refuse(TpField::Polarity), {}};
    check.values.fec = static_cast<std::uint32_t>(input.fec);
    check.values.polarity = input.polarity_enabled ? static_cast<std::uint32_t>(input.polarity) : 0;
    return check;
}

TerTpCheck Check_Ter_Tp(const TerTpInput &input)
{
    TerTpCheck check;
    if (Empty_Or_Decimal(input.frequency))
        return {Refuse(TpField::Frequency), {}};
    check.verdict = Check_Range(TpField::Frequency, input.frequency, kTerTpMinFrequency,
                                kTerTpMaxFrequency, check.values.frequency);
    if (input.bandwidth >= 0 && input.bandwidth <= 2)
        check.values.bandwidth = static_cast<std::uint32_t>(input.bandwidth);
    return check;
}

bool Sat_Tp_Polarity_Editable(const ChannelDatabase &db, int slot)
{
    const int satellite = db.rows.sat_tps[static_cast<std::size_t>(slot)].Sat_Index;
    if (satellite >= kSatelliteCount)
        return true;
    const std::uint8_t power = db.rows.satellites[static_cast<std::size_t>(satellite)].Lnb_Power;
    return power != kLnbPower13 && power != kLnbPower18;
}

QString Plain_Decimal(const std::string &text)
{
    const QString stored = QString::fromLatin1(text);
    const auto number = Parse_Integer(stored);
    return number ? QString::number(*number) : stored;
}

void Write_Sat_Tp_Add(ChannelDatabase &db, const TpHandOver &hand_over,
                      const SatTransponderValues &values)
{
    Create_Sat_Transponder(db, hand_over.Slot_Index, hand_over.Sat_Slot, values);
    // The writer numbers the transponder after the satellite's count, as the New command
    // does; a number handed over explicitly wins.
    if (hand_over.Tp_Number > 0
        && hand_over.Tp_Number <= static_cast<int>(sat_tp::Tp_Number.max_value())) {
        auto &record = db.raw.sat_tps[static_cast<std::size_t>(hand_over.Slot_Index)];
        Write_Field(record, sat_tp::Tp_Number, static_cast<std::uint32_t>(hand_over.Tp_Number));
        Decode_Sat_Transponder(record,
                               db.rows.sat_tps[static_cast<std::size_t>(hand_over.Slot_Index)]);
    }
}

void Write_Sat_Tp_Change(ChannelDatabase &db, int slot, const SatTpInput &input,
                         const SatTransponderValues &values)
{
    auto &record = db.raw.sat_tps[static_cast<std::size_t>(slot)];
    if (input.polarity_enabled)
        Write_Field(record, sat_tp::Polarity, values.polarity);
    Write_Field(record, sat_tp::Fec, values.fec);
    Write_Field(record, sat_tp::Symbol_Rate, values.symbol_rate);
    Write_Field(record, sat_tp::Frequency, values.frequency);
    Decode_Sat_Transponder(record, db.rows.sat_tps[static_cast<std::size_t>(slot)]);
}

void Write_Ter_Tp_Add(ChannelDatabase &db, int slot, const TerTpInput &input,
                      const TerTransponderValues &values)
{
    Create_Ter_Transponder(db, slot, values);
    // The list shows the frequency as typed, blanks around it removed.
    db.rows.ter_tps[static_cast<std::size_t>(slot)].Frequency
            = input.frequency.trimmed().toStdString();
}

void Write_Ter_Tp_Change(ChannelDatabase &db, int slot, const TerTpInput &input,
                         const TerTransponderValues &values)
{
    auto &record = db.raw.ter_tps[static_cast<std::size_t>(slot)];
    Write_Field(record, ter_tp::Frequency, values.frequency);
    // A stored bandwidth the list has no item for stays as it is.
    if (input.bandwidth >= 0 && input.bandwidth <= 2)
        Write_Field(record, ter_tp::Bandwidth, values.bandwidth);
    Decode_Ter_Transponder(record, db.rows.ter_tps[static_cast<std::size_t>(slot)]);
    db.rows.ter_tps[static_cast<std::size_t>(slot)].Frequency
            = input.frequency.trimmed().toStdString();
}

} // namespace orvane
