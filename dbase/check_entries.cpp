#include "dbase/check_entries.h"

#include "dbase/codecs.h"
#include "dbase/decode.h"
#include "dbase/display_rows.h"

namespace orvane::check {
namespace {

std::string_view Without_Trailing_Blanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string Quoted(std::string_view name)
{
    return '"' + Printable(name) + '"';
}

std::string Slot_Text(std::size_t slot)
{
    return std::to_string(slot);
}

} // namespace

bool Sat_Tp_Used(const RawArrays &raw, std::size_t tp)
{
    return tp < raw.sat_tps.size() && Field(raw.sat_tps[tp], sat_tp::In_Use) == 1;
}

bool Ter_Tp_Used(const RawArrays &raw, std::size_t tp)
{
    return tp < raw.ter_tps.size() && Field(raw.ter_tps[tp], ter_tp::In_Use) == 1;
}

bool Program_Used(const RawArrays &raw, std::size_t program)
{
    return program < static_cast<std::size_t>(Used_Program_Count(raw))
           && Field(raw.programs[program], prog::In_Use) == 1;
}

bool Track_Used(const RawArrays &raw, std::size_t track)
{
    return track < raw.audio_tracks.size() && Field(raw.audio_tracks[track], audio::In_Use) == 1;
}

int Program_Transponder(const RawArrays &raw, std::size_t program)
{
    const ProgramRecord &record = raw.programs[program];
    const std::uint32_t tp = Field(record, prog::Tp_Index);
    const std::uint32_t kind = Field(record, prog::Tp_Kind);
    const bool used = kind == prog::kKindSatellite     ? Sat_Tp_Used(raw, tp)
                      : kind == prog::kKindTerrestrial ? Ter_Tp_Used(raw, tp)
                                                       : false;
    return used ? static_cast<int>(tp) : -1;
}

TransponderTally Tally_Transponders(const RawArrays &raw)
{
    TransponderTally tally;
    for (std::size_t t = 0; t < raw.sat_tps.size(); ++t) {
        if (!Sat_Tp_Used(raw, t))
            continue;
        ++tally.sat_total;
        if (const std::uint32_t s = Field(raw.sat_tps[t], sat_tp::Sat_Index); s < kSatelliteCount)
            ++tally.per_satellite[s];
    }
    for (std::size_t t = 0; t < raw.ter_tps.size(); ++t) {
        if (!Ter_Tp_Used(raw, t))
            continue;
        ++tally.ter_total;
        if (const std::uint32_t g = Field(raw.ter_tps[t], ter_tp::Group_Index); g < kTerGroupCount)
            ++tally.per_group[g];
    }
    return tally;
}

std::string Printable(std::string_view latin1)
{
    std::string text(latin1);
    for (char &c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = '?';
    }
    return text;
}

std::string_view Program_Name(const RawArrays &raw, std::size_t program)
{
    return Stored_Text(raw.programs[program], prog::kNameOffset, prog::kNameLength);
}

std::string_view Satellite_Name(const RawArrays &raw, std::size_t satellite)
{
    return Without_Trailing_Blanks(
            Stored_Text(raw.satellites[satellite], sat::kNameOffset, sat::kNameLength));
}

std::string_view Favourite_Name(const RawArrays &raw, std::size_t group)
{
    return Without_Trailing_Blanks(
            Stored_Text(raw.favourite_names[group], 0, kFavouriteNameLength));
}

std::string Satellite_Label(const RawArrays &raw, std::size_t satellite)
{
    if (satellite >= raw.satellites.size())
        return "satellite " + Slot_Text(satellite);
    const std::string_view name = Satellite_Name(raw, satellite);
    return name.empty() ? "Satellite " + Slot_Text(satellite) : "Satellite " + Quoted(name);
}

std::string Sat_Tp_Label(const RawArrays &raw, std::size_t tp)
{
    const SatTransponderRecord &record = raw.sat_tps[tp];
    const std::uint32_t satellite = Field(record, sat_tp::Sat_Index);
    const std::string of
            = satellite < raw.satellites.size() && !Satellite_Name(raw, satellite).empty()
                      ? Quoted(Satellite_Name(raw, satellite))
                      : "satellite " + Slot_Text(satellite);
    return "Transponder " + std::to_string(Field(record, sat_tp::Frequency)) + ' '
           + Polarity_Text(Field(record, sat_tp::Polarity)) + ' '
           + std::to_string(Field(record, sat_tp::Symbol_Rate)) + " of " + of;
}

std::string Ter_Tp_Label(const RawArrays &raw, std::size_t tp)
{
    return "Terrestrial transponder " + std::to_string(Field(raw.ter_tps[tp], ter_tp::Frequency))
           + " kHz";
}

std::string Program_Label(const RawArrays &raw, std::size_t program)
{
    const std::string kind
            = Field(raw.programs[program], prog::Is_Radio) == 1 ? "Radio program" : "TV program";
    const std::string_view name = Program_Name(raw, program);
    return name.empty() ? kind + " in slot " + Slot_Text(program) : kind + ' ' + Quoted(name);
}

std::string Track_Label(const RawArrays &raw, std::size_t track)
{
    const AudioTrackRecord &record = raw.audio_tracks[track];
    const std::string label
            = "Audio track (PID " + std::to_string(Field(record, audio::Audio_Pid)) + ')';
    const std::uint32_t owner = Field(record, audio::Program_Index);
    return Program_Used(raw, owner) ? label + " of " + Program_Label(raw, owner) : label;
}

std::string Favourite_Label(const RawArrays &raw, std::size_t group)
{
    const std::string label = "Favourite group " + Slot_Text(group + 1);
    const std::string_view name = Favourite_Name(raw, group);
    return name.empty() ? label : label + ' ' + Quoted(name);
}

} // namespace orvane::check
