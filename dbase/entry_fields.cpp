#include "dbase/entry_fields.h"

#include "dbase/codecs.h"

#include <array>

namespace orvane {
namespace {

// The tables name each field once; these turn a row's member into its value.
template<auto Member>
FieldValue Number_Of(const auto &row, const NameText & /*names*/)
{
    return Number_Value(static_cast<std::int64_t>(row.*Member));
}

template<auto Member>
FieldValue Text_Of(const auto &row, const NameText & /*names*/)
{
    return Text_Value(Latin1_To_Utf8(row.*Member));
}

template<auto Member>
FieldValue Name_Of(const auto &row, const NameText &names)
{
    return Text_Value(names.Text_Of(row.*Member));
}

FieldValue Ca_Systems_Of(const TProg_Info_String &row, const NameText & /*names*/)
{
    FieldValue value{FieldValue::Type::Numbers, {}};
    for (const std::uint8_t system : row.Ca_System) {
        if (!value.text.empty())
            value.text += ' ';
        value.text += std::to_string(system);
    }
    return value;
}

using Sat = TLNB_Info_String;
constexpr std::array<EntryField<Sat>, 10> kSatelliteFields{{
        {"Name", "Name", Name_Of<&Sat::Name>},
        {"Longitude", "Longitude", Text_Of<&Sat::Longitude>},
        {"Lnb_Type", "LNB type", Number_Of<&Sat::Lnb_Type>},
        {"Lnb_12V", "12V", Number_Of<&Sat::Lnb_12V>},
        {"Tone_22K", "22K", Number_Of<&Sat::Tone_22K>},
        {"Diseqc_Port", "DiSEqC port", Number_Of<&Sat::Diseqc_Port>},
        {"Motor", "Motor", Number_Of<&Sat::Motor>},
        {"Lnb_Power", "LNB power", Number_Of<&Sat::Lnb_Power>},
        {"Lnb_Low_Freq", "LNB low frequency", Text_Of<&Sat::Lnb_Low_Freq>},
        {"Lnb_High_Freq", "LNB high frequency", Text_Of<&Sat::Lnb_High_Freq>},
}};

// The satellite, the polarisation and the number place a transponder; the comparison matches
// transponders by them.
using SatTp = TTp_Info_String;
constexpr std::array<EntryField<SatTp>, 8> kSatTransponderFields{{
        {"Sat_Index", nullptr, Number_Of<&SatTp::Sat_Index>},
        {"Tp_Number", nullptr, Number_Of<&SatTp::Tp_Number>},
        {"Frequency", "Frequency", Text_Of<&SatTp::Frequency>},
        {"Symbol_Rate", "Symbol rate", Text_Of<&SatTp::Symbol_Rate>},
        {"Polarity_Code", nullptr, Number_Of<&SatTp::Polarity>},
        {"Polarity", nullptr, Text_Of<&SatTp::Polarity_Text>},
        {"Fec_Code", nullptr, Number_Of<&SatTp::Fec>},
        {"Fec", "FEC", Text_Of<&SatTp::Fec_Text>},
}};

using TerTp = TTer_Tp_Info_String;
constexpr std::array<EntryField<TerTp>, 4> kTerTransponderFields{{
        {"Group_Index", nullptr, Number_Of<&TerTp::Group_Index>},
        {"Tp_Number", nullptr, Number_Of<&TerTp::Tp_Number>},
        {"Frequency", "Frequency", Text_Of<&TerTp::Frequency>},
        {"Bandwidth", "Bandwidth", Number_Of<&TerTp::Bandwidth>},
}};

// A program's transponder and audio tracks are compared as what they are, not by index; the
// track total follows the tracks.
using Prog = TProg_Info_String;
constexpr std::array<EntryField<Prog>, 19> kProgramFields{{
        {"Name", "Name", Name_Of<&Prog::Name>},
        {"In_Use", "In use", Number_Of<&Prog::In_Use>},
        {"Is_Radio", "Radio", Number_Of<&Prog::Is_Radio>},
        {"Free_To_Air", "Free to air", Number_Of<&Prog::Free_To_Air>},
        {"Locked", "Locked", Number_Of<&Prog::Locked>},
        {"Skipped", "Skipped", Number_Of<&Prog::Skipped>},
        {"Tp_Kind", nullptr, Number_Of<&Prog::Tp_Kind>},
        {"Tp_Index", nullptr, Number_Of<&Prog::Tp_Index>},
        {"Sat_Slot", nullptr, Number_Of<&Prog::Sat_Slot>},
        {"Service_Id", "Service ID", Text_Of<&Prog::Service_Id>},
        {"Pcr_Pid", "PCR PID", Text_Of<&Prog::Pcr_Pid>},
        {"Private_Pid", "Private PID", Text_Of<&Prog::Private_Pid>},
        {"Video_Pid", "Video PID", Text_Of<&Prog::Video_Pid>},
        {"Audio_Pid", "Audio PID", Text_Of<&Prog::Audio_Pid>},
        {"Pmt_Pid", "PMT PID", Text_Of<&Prog::Pmt_Pid>},
        {"Audio_Track_Total", nullptr, Number_Of<&Prog::Audio_Track_Total>},
        {"Current_Audio", "Current audio", Number_Of<&Prog::Current_Audio>},
        {"Favourite_Mask", "Favourite groups", Text_Of<&Prog::Favourite_Mask>},
        {"Ca_System", "CA systems", Ca_Systems_Of},
}};

using Track = TAudio_Info_String;
constexpr std::array<EntryField<Track>, 4> kAudioTrackFields{{
        {"In_Use", nullptr, Number_Of<&Track::In_Use>},
        {"Program_Index", nullptr, Number_Of<&Track::Program_Index>},
        {"Audio_Pid", nullptr, Text_Of<&Track::Audio_Pid>},
        {"Tag", nullptr, Text_Of<&Track::Tag>},
}};

bool Is_Flag(std::string_view key)
{
    return key == "In_Use" || key == "Is_Radio" || key == "Free_To_Air" || key == "Locked"
           || key == "Skipped";
}

// "16 characters, group 16 first" as the numbers of the groups set: "1, 3".
std::string Favourite_Groups_Text(std::string_view mask)
{
    std::string groups;
    for (std::size_t k = mask.size(); k-- > 0;) {
        if (mask[k] != '1')
            continue;
        if (!groups.empty())
            groups += ", ";
        groups += std::to_string(mask.size() - k);
    }
    return groups.empty() ? "none" : groups;
}

} // namespace

FieldValue Number_Value(std::int64_t number)
{
    return {FieldValue::Type::Number, std::to_string(number)};
}

FieldValue Text_Value(std::string utf8)
{
    return {FieldValue::Type::Text, std::move(utf8)};
}

std::span<const EntryField<TLNB_Info_String>> Satellite_Fields()
{
    return kSatelliteFields;
}

std::span<const EntryField<TTp_Info_String>> Sat_Transponder_Fields()
{
    return kSatTransponderFields;
}

std::span<const EntryField<TTer_Tp_Info_String>> Ter_Transponder_Fields()
{
    return kTerTransponderFields;
}

std::span<const EntryField<TProg_Info_String>> Program_Fields()
{
    return kProgramFields;
}

std::span<const EntryField<TAudio_Info_String>> Audio_Track_Fields()
{
    return kAudioTrackFields;
}

std::string Shown_Value(std::string_view key, const FieldValue &value)
{
    if (key == "Name")
        return '"' + value.text + '"';
    if (Is_Flag(key))
        return value.text == "0" ? "no" : "yes";
    if (key == "Favourite_Mask")
        return Favourite_Groups_Text(value.text);
    return value.text;
}

} // namespace orvane
