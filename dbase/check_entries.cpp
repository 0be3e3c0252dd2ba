#include "dbase/check_entries.h"

#include "dbase/codecs.h"
#include "dbase/decode.h"
#include "dbase/display_rows.h"

#include <algorithm>
#include <optional>

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

// The satellite of a listed transponder (its index is within the table): its name, or its
// number when it has none.
std::string Satellite_Reference(const RawArrays &raw, std::uint32_t satellite)
{
    const std::string_view name = Satellite_Name(raw, satellite);
    return name.empty() ? "satellite " + Satellite_Number(satellite) : Quoted(name);
}

std::string Number_Or_Slot(int number, std::size_t slot)
{
    return number == kNotListed ? "slot " + Slot_Text(slot) : List_Number_Text(number);
}

// "NO.2 (10862 V)": the transponder's number or slot, and what the list shows of it first.
std::string Sat_Tp_Number(const ListNumbers &lists, std::size_t tp)
{
    const SatTransponderRecord &record = lists.raw().sat_tps[tp];
    const std::string &polarity = Polarity_Text(Field(record, sat_tp::Polarity));
    return Number_Or_Slot(lists.sat_tp(tp), tp) + " ("
           + std::to_string(Field(record, sat_tp::Frequency))
           + (polarity.empty() ? "" : ' ' + polarity) + ')';
}

std::string Ter_Tp_Number(const ListNumbers &lists, std::size_t tp)
{
    return Number_Or_Slot(lists.ter_tp(tp), tp) + " ("
           + std::to_string(Field(lists.raw().ter_tps[tp], ter_tp::Frequency)) + " kHz)";
}

// The lists in the order the Entry column sorts them, the program grids first as ProgramGrid
// counts them; the entries no list shows come last, by table and slot.
enum class Rank {
    Sat_Tv,
    Sat_Radio,
    Ter_Tv,
    Ter_Radio,
    Satellite,
    Sat_Tp,
    Ter_Tp,
    Favourite,
    Slot
};

constexpr int kOwnerShift = 12; // numbers and slots stay below 4096
constexpr int kRankShift = 18;  // satellites stay below 64

int Order(Rank rank, int owner, int number)
{
    return static_cast<int>(rank) << kRankShift | owner << kOwnerShift
           | std::min(number, (1 << kOwnerShift) - 1);
}

std::optional<ListedEntry> Listed_Program(const ListNumbers &lists, std::size_t program)
{
    static const std::array<const char *, kProgramGrids> kGrids{"TV ", "Radio ", "Terrestrial TV ",
                                                                "Terrestrial radio "};
    const int number = lists.program(program);
    if (number == kNotListed)
        return std::nullopt;
    // Only programs of transponder kind 1 or 2 are listed.
    const auto grid = static_cast<std::size_t>(Program_Grid(lists.raw().programs[program]));
    return ListedEntry{kGrids[grid] + List_Number_Text(number),
                       Order(static_cast<Rank>(grid), 0, number)};
}

std::optional<ListedEntry> Listed_Sat_Tp(const ListNumbers &lists, std::size_t tp)
{
    const int number = lists.sat_tp(tp);
    if (number == kNotListed)
        return std::nullopt;
    const std::uint32_t satellite = Field(lists.raw().sat_tps[tp], sat_tp::Sat_Index);
    return ListedEntry{List_Number_Text(number) + " of "
                               + Satellite_Reference(lists.raw(), satellite),
                       Order(Rank::Sat_Tp, static_cast<int>(satellite), number)};
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
    const std::string label = "Transponder " + Sat_Tp_Number(lists, tp);
    if (lists.sat_tp(tp) == kNotListed)
        return label;
    const RawArrays &raw = lists.raw();
    return label + " of " + Satellite_Reference(raw, Field(raw.sat_tps[tp], sat_tp::Sat_Index));
}

std::string Ter_Tp_Label(const ListNumbers &lists, std::size_t tp)
{
    return "Terrestrial transponder " + Ter_Tp_Number(lists, tp);
}

std::string Sat_Tp_Reference(const ListNumbers &lists, std::size_t tp)
{
    return "transponder " + Sat_Tp_Number(lists, tp);
}

std::string Ter_Tp_Reference(const ListNumbers &lists, std::size_t tp)
{
    return "transponder " + Ter_Tp_Number(lists, tp);
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

ListedEntry Listed_Entry(const ListNumbers &lists, CheckTable table, int slot)
{
    if (table == CheckTable::Counts || slot < 0)
        return {};
    const auto s = static_cast<std::size_t>(slot);
    std::optional<ListedEntry> listed;
    switch (table) {
    case CheckTable::Programs:
        listed = Listed_Program(lists, s);
        break;
    case CheckTable::Sat_Transponders:
        listed = Listed_Sat_Tp(lists, s);
        break;
    case CheckTable::Ter_Transponders:
        if (const int number = lists.ter_tp(s); number != kNotListed)
            listed = ListedEntry{List_Number_Text(number), Order(Rank::Ter_Tp, 0, number)};
        break;
    case CheckTable::Satellites:
        if (s < lists.raw().satellites.size())
            listed = ListedEntry{Satellite_Number(s), Order(Rank::Satellite, 0, slot + 1)};
        break;
    case CheckTable::Favourite_Groups:
        if (s < lists.raw().favourite_names.size())
            listed = ListedEntry{Favourite_Number_Text(slot), Order(Rank::Favourite, 0, slot + 1)};
        break;
    default:
        break;
    }
    if (listed)
        return *listed;
    const int unlisted = static_cast<int>(Rank::Slot) + static_cast<int>(table);
    return {"slot " + Slot_Text(s), Order(static_cast<Rank>(unlisted), 0, slot)};
}

} // namespace orvane::check
