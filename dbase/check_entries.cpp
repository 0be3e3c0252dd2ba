#include "dbase/check_entries.h"

#include "dbase/codecs.h"
#include "dbase/decode.h"
#include "dbase/display_rows.h"

#include <array>
#include <charconv>

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

// Every satellite has a row in the full satellite list, numbered from its slot.
std::string Satellite_Number(std::size_t satellite)
{
    return List_Number_Text(static_cast<int>(satellite) + 1);
}

// Room for a finding's whole text, so that what a rule appends to a label does not move it: a
// check of a full database may name a thousand transponders.
constexpr std::size_t kTextRoom = 120;

std::string Text_Of(std::string_view start)
{
    std::string text;
    text.reserve(kTextRoom);
    text += start;
    return text;
}

void Append_Number(std::string &text, std::uint64_t value)
{
    std::array<char, 20> digits{};
    text.append(digits.data(),
                std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr);
}

void Append_Number_Or_Slot(std::string &text, int number, std::size_t slot)
{
    if (number != kNotListed) {
        text += List_Number_Text(number);
        return;
    }
    text += "slot ";
    Append_Number(text, slot);
}

std::string Number_Or_Slot(int number, std::size_t slot)
{
    std::string text;
    Append_Number_Or_Slot(text, number, slot);
    return text;
}

// "NO.2 (10862 V)": the transponder's number or slot, and what the list shows of it first.
void Append_Sat_Tp_Number(std::string &text, const ListNumbers &lists, std::size_t tp)
{
    const SatTransponderRecord &record = lists.raw().sat_tps[tp];
    Append_Number_Or_Slot(text, lists.sat_tp(tp), tp);
    text += " (";
    Append_Number(text, Field(record, sat_tp::Frequency));
    if (const std::string &polarity = Polarity_Text(Field(record, sat_tp::Polarity));
        !polarity.empty()) {
        text += ' ';
        text += polarity;
    }
    text += ')';
}

void Append_Ter_Tp_Number(std::string &text, const ListNumbers &lists, std::size_t tp)
{
    Append_Number_Or_Slot(text, lists.ter_tp(tp), tp);
    text += " (";
    Append_Number(text, Field(lists.raw().ter_tps[tp], ter_tp::Frequency));
    text += " kHz)";
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

std::string Satellite_Reference(std::string_view name, std::size_t satellite)
{
    return name.empty() ? "satellite " + Satellite_Number(satellite) : Quoted(name);
}

std::string Satellite_Label(const ListNumbers &lists, std::size_t satellite)
{
    const RawArrays &raw = lists.raw();
    if (satellite >= raw.satellites.size())
        return "Satellite slot " + Slot_Text(satellite);
    const std::string_view name = Satellite_Name(raw, satellite);
    return "Satellite " + (name.empty() ? Satellite_Number(satellite) : Quoted(name));
}

std::string Sat_Tp_Label(const ListNumbers &lists, std::size_t tp)
{
    std::string text = Text_Of("Transponder ");
    Append_Sat_Tp_Number(text, lists, tp);
    if (lists.sat_tp(tp) != kNotListed) {
        const RawArrays &raw = lists.raw();
        const std::uint32_t satellite = Field(raw.sat_tps[tp], sat_tp::Sat_Index);
        text += " of ";
        text += Satellite_Reference(Satellite_Name(raw, satellite), satellite);
    }
    return text;
}

std::string Ter_Tp_Label(const ListNumbers &lists, std::size_t tp)
{
    std::string text = Text_Of("Terrestrial transponder ");
    Append_Ter_Tp_Number(text, lists, tp);
    return text;
}

void Append_Sat_Tp_Reference(std::string &text, const ListNumbers &lists, std::size_t tp)
{
    text += "transponder ";
    Append_Sat_Tp_Number(text, lists, tp);
}

void Append_Ter_Tp_Reference(std::string &text, const ListNumbers &lists, std::size_t tp)
{
    text += "transponder ";
    Append_Ter_Tp_Number(text, lists, tp);
}

std::string Program_Label(const ListNumbers &lists, std::size_t program)
{
    const RawArrays &raw = lists.raw();
    const std::string kind
            = Field(raw.programs[program], prog::Is_Radio) == 1 ? "Radio program " : "TV program ";
    const std::string_view name = Program_Name(raw, program);
    return kind + (name.empty() ? Number_Or_Slot(lists.program(program), program) : Quoted(name));
}

std::string Track_Label(const ListNumbers &lists, std::size_t track)
{
    const RawArrays &raw = lists.raw();
    const AudioTrackRecord &record = raw.audio_tracks[track];
    const std::string label
            = "Audio track (PID " + std::to_string(Field(record, audio::Audio_Pid)) + ')';
    const std::uint32_t owner = Field(record, audio::Program_Index);
    return Program_Used(raw, owner) ? label + " of " + Program_Label(lists, owner) : label;
}

std::string Favourite_Label(const ListNumbers &lists, std::size_t group)
{
    const std::string label = "Favourite group " + Slot_Text(group + 1);
    const std::string_view name = Favourite_Name(lists.raw(), group);
    return name.empty() ? label : label + ' ' + Quoted(name);
}

} // namespace orvane::check
