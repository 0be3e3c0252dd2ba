#include "dialogs/tp_edit_logic.h"

#include "dialogs/input_checks.h"
#include "translations/ui_text.h"

namespace orvane {

namespace {

constexpr std::uint8_t kLnbPower13 = 2;
constexpr std::uint8_t kLnbPower18 = 3;

TpVerdict Refuse(TpField field, QString message = ui_text::Shown(kIllegalData),
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
        return Refuse(field, ui_text::Shown(kIllegalData), true);
    value = static_cast<std::uint32_t>(*number);
    return {};
}

// A stored bandwidth the list has no item for is shown without selection, and stays.
bool Bandwidth_Selected(const TerTpInput &input)
{
    return input.bandwidth >= 0 && input.bandwidth <= 2;
}

// The list shows the frequency as typed, blanks around it removed.
std::string Shown_Frequency(const TerTpInput &input)
{
    return input.frequency.trimmed().toStdString();
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
    if (Bandwidth_Selected(input))
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
    Add_Sat_Transponder(db, hand_over.Slot_Index, hand_over.Sat_Slot, hand_over.Tp_Number, values);
}

void Write_Sat_Tp_Change(ChannelDatabase &db, int slot, const SatTpInput &input,
                         const SatTransponderValues &values)
{
    SatTransponderChange change{std::nullopt, values.fec, values.symbol_rate, values.frequency};
    if (input.polarity_enabled)
        change.polarity = values.polarity;
    Edit_Sat_Transponder(db, slot, change);
}

void Write_Ter_Tp_Add(ChannelDatabase &db, int slot, const TerTpInput &input,
                      const TerTransponderValues &values)
{
    Add_Ter_Transponder(db, slot, values, Shown_Frequency(input));
}

void Write_Ter_Tp_Change(ChannelDatabase &db, int slot, const TerTpInput &input,
                         const TerTransponderValues &values)
{
    TerTransponderChange change{values.frequency, std::nullopt};
    if (Bandwidth_Selected(input))
        change.bandwidth = values.bandwidth;
    Edit_Ter_Transponder(db, slot, change, Shown_Frequency(input));
}

} // namespace orvane
