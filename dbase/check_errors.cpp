// The errors of the database check: what the receiver relies on when it reads the image. The
// counters match the used slots; the numbers of one satellite's (group's) transponders run
// 1..count; programs and audio tracks fill the front of their tables; a program's transponder
// is a used one of its kind; its audio tracks lie together and match its counts.

#include "dbase/check_entries.h"
#include "dbase/check_rules.h"
#include "dbase/decode.h"
#include "dbase/record_writers.h"

#include <array>

namespace orvane::check {
namespace {

std::string Count_Text(int stored, int used)
{
    return "the count is " + std::to_string(stored) + ", but " + std::to_string(used)
           + (used == 1 ? " is" : " are") + " in use";
}

void Compare_Count(const Findings &findings, const std::string &what, int stored, int used)
{
    if (stored != used)
        findings.add(Severity::Error, CheckTable::Counts, kNoFindingSlot,
                     what + ": " + Count_Text(stored, used));
}

void Check_Above_Table(const Findings &findings, const char *what, int stored, int slots)
{
    if (stored > slots)
        findings.add(Severity::Error, CheckTable::Counts, kNoFindingSlot,
                     std::string(what) + ": the count is " + std::to_string(stored)
                             + ", above the table's " + std::to_string(slots) + " slots");
}

// The transponders of one satellite or group, each a (Tp_Number, slot) pair in slot order.
using NumberedSlots = std::vector<std::pair<int, int>>;

// Numbers must be 1..n without repeats, which also rules out gaps. A repeat names the
// transponder that holds the number first, appending `reference` to the finding's text.
template<typename Label, typename Reference>
void Check_Numbers(const Findings &findings, CheckTable table, const NumberedSlots &slots,
                   const Label &label, const Reference &reference)
{
    const int count = static_cast<int>(slots.size());
    std::vector<int> first_slot(slots.size() + 1, -1); // by number
    for (const auto &[number, slot] : slots) {
        std::string text;
        if (number < 1 || number > count) {
            text = label(slot) + ": number " + std::to_string(number) + " is outside 1.."
                   + std::to_string(count);
        } else if (int &held = first_slot[static_cast<std::size_t>(number)]; held >= 0) {
            text = label(slot) + ": number " + std::to_string(number) + " is also the number of ";
            reference(text, held);
        } else {
            held = slot;
            continue;
        }
        findings.add(Severity::Error, table, slot, std::move(text));
    }
}

// The audio track records of each program slot among the used tracks 0..Audio_Track_Count-1.
std::vector<int> Track_Records(const RawArrays &raw)
{
    std::vector<int> records(kProgramSlots, 0);
    const int tracks = Used_Audio_Track_Count(raw);
    for (int a = 0; a < tracks; ++a) {
        const std::uint32_t owner = Field(raw.audio_tracks[a], audio::Program_Index);
        if (Track_Used(raw, a) && owner < records.size())
            ++records[owner];
    }
    return records;
}

void Check_Program_Transponder(const Findings &findings, std::size_t p)
{
    const ProgramRecord &record = findings.raw.programs[p];
    const std::uint32_t kind = Field(record, prog::Tp_Kind);
    const std::uint32_t tp = Field(record, prog::Tp_Index);
    std::string problem;
    if (kind != prog::kKindSatellite && kind != prog::kKindTerrestrial) {
        problem = "transponder kind " + std::to_string(kind)
                  + " is neither satellite (1) nor terrestrial (2)";
    } else {
        const bool sat = kind == prog::kKindSatellite;
        const std::size_t slots = sat ? kSatTransponderSlots : kTerTransponderSlots;
        const std::string table = sat ? "satellite" : "terrestrial";
        if (tp >= slots)
            problem = table + " transponder slot " + std::to_string(tp) + " is outside its table";
        else if (Program_Transponder(findings.raw, p) < 0)
            problem = table + " transponder slot " + std::to_string(tp) + " is not in use";
    }
    if (!problem.empty())
        findings.add(Severity::Error, CheckTable::Programs, static_cast<int>(p),
                     Program_Label(findings.lists, p) + ": " + problem);
}

// A program keeps its first track in its own record: Audio_Track_Total counts that one and
// the records that follow in the track table.
void Check_Program_Tracks(const Findings &findings, std::size_t p, int records)
{
    const ProgramRecord &record = findings.raw.programs[p];
    const auto total = static_cast<int>(Field(record, prog::Audio_Track_Total));
    const auto current = static_cast<int>(Field(record, prog::Current_Audio));
    const auto add = [&](const std::string &problem) {
        findings.add(Severity::Error, CheckTable::Programs, static_cast<int>(p),
                     Program_Label(findings.lists, p) + ": " + problem);
    };
    if (std::max(total, 1) - 1 != records)
        add("it counts " + std::to_string(total) + " audio tracks, but has "
            + std::to_string(records + 1));
    if (current > records)
        add("its current audio track " + std::to_string(current) + " is none of its "
            + std::to_string(records) + " further tracks");
}

} // namespace

void Check_Counts(const Findings &findings)
{
    const RawArrays &raw = findings.raw;
    const TransponderTally tally = Tally_Transponders(raw);
    Compare_Count(findings, "Satellite transponders", Sat_Tp_Total_Count(raw), tally.sat_total);
    for (int s = 0; s < kSatelliteCount; ++s)
        Compare_Count(findings, "Transponders of " + Satellite_Label(findings.lists, s),
                      Sat_Tp_Per_Sat_Count(raw, s), tally.per_satellite[s]);
    Compare_Count(findings, "Terrestrial transponders", Ter_Tp_Total_Count(raw), tally.ter_total);
    for (int g = 0; g < kTerGroupCount; ++g)
        Compare_Count(findings, "Transponders of terrestrial group " + std::to_string(g),
                      Ter_Tp_Per_Group_Count(raw, g), tally.per_group[g]);
    Check_Above_Table(findings, "Programs", Stored_Program_Count(raw), kProgramSlots);
    Check_Above_Table(findings, "Audio tracks", Stored_Audio_Track_Count(raw), kAudioTrackSlots);
}

void Check_Transponders(const Findings &findings)
{
    const RawArrays &raw = findings.raw;
    std::vector<NumberedSlots> satellites(kSatelliteCount);
    for (std::size_t t = 0; t < raw.sat_tps.size(); ++t) {
        if (!Sat_Tp_Used(raw, t))
            continue;
        const std::uint32_t s = Field(raw.sat_tps[t], sat_tp::Sat_Index);
        const auto number = static_cast<int>(Field(raw.sat_tps[t], sat_tp::Tp_Number));
        if (s < kSatelliteCount)
            satellites[s].emplace_back(number, static_cast<int>(t));
        else
            findings.add(Severity::Error, CheckTable::Sat_Transponders, static_cast<int>(t),
                         Sat_Tp_Label(findings.lists, t) + ": satellite index " + std::to_string(s)
                                 + " is above 59");
    }
    const ListNumbers &lists = findings.lists;
    const auto sat_label = [&](int t) { return Sat_Tp_Label(lists, static_cast<std::size_t>(t)); };
    const auto sat_reference = [&](std::string &text, int t) {
        Append_Sat_Tp_Reference(text, lists, static_cast<std::size_t>(t));
    };
    for (const NumberedSlots &slots : satellites)
        Check_Numbers(findings, CheckTable::Sat_Transponders, slots, sat_label, sat_reference);

    std::vector<NumberedSlots> groups(kTerGroupCount);
    for (std::size_t t = 0; t < raw.ter_tps.size(); ++t) {
        if (!Ter_Tp_Used(raw, t))
            continue;
        const std::uint32_t g = Field(raw.ter_tps[t], ter_tp::Group_Index);
        const auto number = static_cast<int>(Field(raw.ter_tps[t], ter_tp::Tp_Number));
        if (g < kTerGroupCount)
            groups[g].emplace_back(number, static_cast<int>(t));
        else
            findings.add(Severity::Error, CheckTable::Ter_Transponders, static_cast<int>(t),
                         Ter_Tp_Label(lists, t) + ": group index " + std::to_string(g)
                                 + " is above 6");
    }
    const auto ter_label = [&](int t) { return Ter_Tp_Label(lists, static_cast<std::size_t>(t)); };
    const auto ter_reference = [&](std::string &text, int t) {
        Append_Ter_Tp_Reference(text, lists, static_cast<std::size_t>(t));
    };
    for (const NumberedSlots &slots : groups)
        Check_Numbers(findings, CheckTable::Ter_Transponders, slots, ter_label, ter_reference);
}

void Check_Programs(const Findings &findings)
{
    const RawArrays &raw = findings.raw;
    const std::vector<int> records = Track_Records(raw);
    const auto count = static_cast<std::size_t>(Used_Program_Count(raw));
    for (std::size_t p = 0; p < count; ++p) {
        if (!Program_Used(raw, p)) {
            findings.add(Severity::Error, CheckTable::Programs, static_cast<int>(p),
                         "Program slot " + std::to_string(p)
                                 + " lies below the program count but is not in use");
            continue;
        }
        Check_Program_Transponder(findings, p);
        Check_Program_Tracks(findings, p, records[p]);
    }
}

void Check_Audio_Tracks(const Findings &findings)
{
    const RawArrays &raw = findings.raw;
    const int count = Used_Audio_Track_Count(raw);
    std::vector<int> last_slot(kProgramSlots, -1); // each program's track seen last
    for (int a = 0; a < kAudioTrackSlots; ++a) {
        const auto slot = static_cast<std::size_t>(a);
        const bool used = Track_Used(raw, slot);
        const auto add = [&](const std::string &problem) {
            findings.add(Severity::Error, CheckTable::Audio_Tracks, a, problem);
        };
        if (a >= count) {
            if (used)
                add(Track_Label(findings.lists, slot) + ": in use above the audio track count "
                    + std::to_string(count));
            continue;
        }
        if (!used) {
            add("Audio track slot " + std::to_string(a)
                + " lies below the audio track count but is not in use");
            continue;
        }
        const std::uint32_t owner = Field(raw.audio_tracks[slot], audio::Program_Index);
        if (!Program_Used(raw, owner)) {
            add(Track_Label(findings.lists, slot) + ": program slot " + std::to_string(owner)
                + " is not a program");
            continue;
        }
        int &last = last_slot[owner];
        if (last >= 0 && last != a - 1)
            add(Track_Label(findings.lists, slot)
                + ": not next to the other tracks of its program");
        last = a;
    }
}

} // namespace orvane::check
