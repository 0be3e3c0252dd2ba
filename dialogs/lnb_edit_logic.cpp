#include "dialogs/lnb_edit_logic.h"

#include "dbase/record_writers.h"
#include "dialogs/input_checks.h"
#include "translations/ui_text.h"

#include <array>
#include <cmath>

namespace orvane {
namespace {

constexpr std::int32_t kMaxLnbFreq = 30000;
constexpr double kMaxLongitude = 360.0;

struct TypeRow
{
    const char *low;
    const char *high;
    bool universal;
};

// Indexed by the type code: UNIVERSAL switches between two oscillators and sends its own tone.
constexpr std::array<TypeRow, 6> kTypeRows{{{"5150", "5150", false},
                                            {"11300", "11300", false},
                                            {"9750", "10600", true},
                                            {"5150", "5750", false},
                                            {"10600", "10600", false},
                                            {"9750", "9750", false}}};

LnbVerdict Refuse(LnbField field, const QString &message, bool clear = false)
{
    LnbVerdict verdict;
    verdict.field = field;
    verdict.message = message;
    verdict.clear_field = clear;
    return verdict;
}

bool Empty_Or_Decimal(const QString &text)
{
    return text.isEmpty() || text.contains(u'.');
}

// Converts a checked frequency text; nothing when it is refused, with the verdict set.
std::optional<std::uint32_t> Frequency(const QString &text, LnbField field, LnbVerdict &verdict)
{
    const std::optional<qint32> value = Parse_Integer(text);
    if (!value) {
        verdict = Refuse(field, Not_Valid_Integer(text));
        return std::nullopt;
    }
    if (*value < 0 || *value > kMaxLnbFreq) {
        verdict = Refuse(field, ui_text::Shown(kIllegalData));
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

// The longitude in tenths of a degree. A value that tenths cannot hold exactly (19.25) is
// refused rather than rounded: "19.20" parses to the same number as 19.2 and passes.
std::optional<std::uint32_t> Longitude_Tenths(const QString &text, LnbVerdict &verdict)
{
    const LnbVerdict illegal = Refuse(LnbField::Longitude, ui_text::Shown(kIllegalData), true);
    if (text.isEmpty()) {
        verdict = illegal;
        return std::nullopt;
    }
    const std::optional<double> value = Parse_Float(text);
    if (!value || !std::isfinite(*value)) {
        verdict = Refuse(LnbField::Longitude, Not_Valid_Float(text));
        return std::nullopt;
    }
    const double tenths = std::round(*value * 10.0);
    if (*value < 0.0 || *value > kMaxLongitude || tenths / 10.0 != *value) {
        verdict = illegal;
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(tenths);
}

// A list without selection has no code: its field keeps the stored one.
std::optional<std::uint32_t> Selected(int index)
{
    return index < 0 ? std::nullopt : std::optional<std::uint32_t>(index);
}

std::optional<std::uint32_t> Tone_Code(const QString &text)
{
    const auto code
            = QStringList{QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("Auto")}
                      .indexOf(text);
    return code < 0 ? std::nullopt : std::optional<std::uint32_t>(static_cast<std::uint32_t>(code));
}

} // namespace

const QStringList &Lnb_Type_Items()
{
    static const QStringList items{QStringLiteral("NORMAL C"),  QStringLiteral("NORMAL KU"),
                                   QStringLiteral("UNIVERSAL"), QStringLiteral("ONE CABLE"),
                                   QStringLiteral("HIGH KU"),   QStringLiteral("LOW KU")};
    return items;
}

const QStringList &Lnb_Freq_Presets()
{
    static const QStringList items{QStringLiteral("5150"),  QStringLiteral("5750"),
                                   QStringLiteral("9750"),  QStringLiteral("10000"),
                                   QStringLiteral("10050"), QStringLiteral("10600"),
                                   QStringLiteral("10750"), QStringLiteral("11200"),
                                   QStringLiteral("11300"), QStringLiteral("11475")};
    return items;
}

const QStringList &Lnb_Power_Items()
{
    static const QStringList items{QStringLiteral("OFF"), QStringLiteral("13/18"),
                                   QStringLiteral("13"), QStringLiteral("18")};
    return items;
}

const QStringList &Diseqc_Items()
{
    static const QStringList items{QStringLiteral("OFF"), QStringLiteral("PORT A"),
                                   QStringLiteral("PORT B"), QStringLiteral("PORT C"),
                                   QStringLiteral("PORT D")};
    return items;
}

const QStringList &Off_On_Items()
{
    static const QStringList items{QStringLiteral("OFF"), QStringLiteral("ON")};
    return items;
}

QStringList Tone_Items_For(int tone)
{
    return tone == 2 ? QStringList{QStringLiteral("Auto")} : Off_On_Items();
}

std::optional<LnbTypeDefaults> Lnb_Type_Defaults(int type)
{
    if (type < 0 || type >= static_cast<int>(kTypeRows.size()))
        return std::nullopt;
    const TypeRow &row = kTypeRows[static_cast<std::size_t>(type)];
    LnbTypeDefaults defaults;
    defaults.low = QString::fromLatin1(row.low);
    defaults.high = QString::fromLatin1(row.high);
    defaults.high_enabled = row.low != std::string_view(row.high);
    defaults.tone_items = Tone_Items_For(row.universal ? 2 : 0);
    defaults.tone_enabled = !row.universal;
    return defaults;
}

LnbVerdict Check_Lnb_Input(const LnbInput &input)
{
    NameToStore name = Name_To_Store(*input.names, input.stored_name, input.name, sat::kNameLength);
    if (!name.bytes)
        return Refuse(LnbField::Name, name.refusal);
    if (Empty_Or_Decimal(input.low))
        return Refuse(LnbField::Low, ui_text::Shown(kIllegalData));
    if (Empty_Or_Decimal(input.high))
        return Refuse(LnbField::High, ui_text::Shown(kIllegalData));
    LnbVerdict verdict;
    const auto low = Frequency(input.low, LnbField::Low, verdict);
    if (!low)
        return verdict;
    const auto high = Frequency(input.high, LnbField::High, verdict);
    if (!high)
        return verdict;
    const auto tenths = Longitude_Tenths(input.longitude, verdict);
    if (!tenths)
        return verdict;
    verdict.name = std::move(*name.bytes);
    verdict.low = *low;
    verdict.high = *high;
    verdict.longitude_tenths = *tenths;
    return verdict;
}

void Write_Lnb(ChannelDatabase &db, int slot, const LnbInput &input, const LnbVerdict &verdict)
{
    SatelliteSettings settings;
    settings.name = verdict.name;
    settings.lnb_type = Selected(input.type);
    settings.lnb_12v = Selected(input.lnb_12v);
    settings.tone_22k = Tone_Code(input.tone_text);
    settings.lnb_power = Selected(input.power);
    settings.diseqc_port = Selected(input.diseqc);
    settings.motor = Selected(input.motor);
    settings.lnb_low_freq = verdict.low;
    settings.lnb_high_freq = verdict.high;
    settings.longitude_tenths = verdict.longitude_tenths;
    settings.shown_high_freq = input.high.toStdString();
    settings.shown_longitude = input.longitude.toStdString();
    Edit_Satellite_Lnb(db, slot, settings);
}

} // namespace orvane
