// The warnings and information of the database check: duplicates that scans leave, names the
// lists cannot show well, transponders without programs and programs in no favourite group.
// Duplicates are found by sorting packed keys, so a full database takes a few sorts of a few
// thousand numbers.

#include "dbase/check_entries.h"
#include "dbase/check_rules.h"
#include "dbase/decode.h"

#include <algorithm>

namespace orvane {
namespace {

using namespace check;

// A duplicate and the entry it repeats.
struct Repeat
{
    int slot;
    int first;
};

constexpr int kSlotBits = 12; // every table has fewer than 4096 slots
constexpr std::uint64_t kSlotMask = (1u << kSlotBits) - 1;

// Programs of the same kind, TV or radio, with the same service id on the same transponder.
std::vector<Repeat> Program_Repeats(const RawArrays &raw)
{
    std::vector<std::uint64_t> keys;
    const int count = Used_Program_Count(raw);
    for (std::size_t p = 0; p < static_cast<std::size_t>(count); ++p) {
        const int tp = Program_Transponder(raw, p);
        if (!Program_Used(raw, p) || tp < 0)
            continue;
        const ProgramRecord &record = raw.programs[p];
        const std::uint64_t key
                = (Field(record, prog::Is_Radio) << 3 | Field(record, prog::Tp_Kind)) << 28
                  | static_cast<std::uint64_t>(tp) << 16 | Field(record, prog::Service_Id);
        keys.push_back(key << kSlotBits | p);
    }
    // With the slot in their low bits, equal keys stand together in slot order.
    std::sort(keys.begin(), keys.end());
    std::vector<Repeat> repeats;
    std::uint64_t group = ~std::uint64_t{0};
    int first = 0;
    for (const std::uint64_t key : keys) {
        const auto slot = static_cast<int>(key & kSlotMask);
        if (key >> kSlotBits == group) {
            repeats.push_back({slot, first});
        } else {
            group = key >> kSlotBits;
            first = slot;
        }
    }
    std::sort(repeats.begin(), repeats.end(),
              [](const Repeat &a, const Repeat &b) { return a.slot < b.slot; });
    return repeats;
}

// Neighbours in sorted order whose keys (without the slot) differ by at most `within`, each
// the repeat of the one before it.
std::vector<Repeat> Close_Neighbours(std::vector<std::uint64_t> keys, std::uint64_t within,
                                     int group_shift)
{
    std::vector<Repeat> repeats;
    std::sort(keys.begin(), keys.end());
    for (std::size_t k = 1; k < keys.size(); ++k) {
        const std::uint64_t before = keys[k - 1] >> kSlotBits;
        const std::uint64_t key = keys[k] >> kSlotBits;
        if (before >> group_shift == key >> group_shift && key - before <= within)
            repeats.push_back({static_cast<int>(keys[k] & kSlotMask),
                               static_cast<int>(keys[k - 1] & kSlotMask)});
    }
    std::sort(repeats.begin(), repeats.end(),
              [](const Repeat &a, const Repeat &b) { return a.slot < b.slot; });
    return repeats;
}

constexpr int kSatFrequencyBits = 14;
constexpr int kTerFrequencyBits = 32;

// Transponders of one satellite with the same polarisation and symbol rate whose frequencies
// lie within 2 MHz of each other.
std::vector<Repeat> Sat_Tp_Repeats(const RawArrays &raw)
{
    std::vector<std::uint64_t> keys;
    for (std::size_t t = 0; t < raw.sat_tps.size(); ++t) {
        const SatTransponderRecord &record = raw.sat_tps[t];
        const std::uint64_t satellite = Field(record, sat_tp::Sat_Index);
        if (!Sat_Tp_Used(raw, t) || satellite >= kSatelliteCount)
            continue;
        const std::uint64_t group = satellite << 18 | Field(record, sat_tp::Polarity) << 16
                                    | Field(record, sat_tp::Symbol_Rate);
        const std::uint64_t key = group << kSatFrequencyBits | Field(record, sat_tp::Frequency);
        keys.push_back(key << kSlotBits | t);
    }
    return Close_Neighbours(std::move(keys), 2, kSatFrequencyBits);
}

// Transponders of one terrestrial group on the same frequency.
std::vector<Repeat> Ter_Tp_Repeats(const RawArrays &raw)
{
    std::vector<std::uint64_t> keys;
    for (std::size_t t = 0; t < raw.ter_tps.size(); ++t) {
        const TerTransponderRecord &record = raw.ter_tps[t];
        const std::uint64_t group = Field(record, ter_tp::Group_Index);
        if (!Ter_Tp_Used(raw, t) || group >= kTerGroupCount)
            continue;
        const std::uint64_t key = group << kTerFrequencyBits | Field(record, ter_tp::Frequency);
        keys.push_back(key << kSlotBits | t);
    }
    return Close_Neighbours(std::move(keys), 0, kTerFrequencyBits);
}

bool Is_Control(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}

bool Has_Control(std::string_view name)
{
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return Is_Control(static_cast<unsigned char>(c)); });
}

// Spaces (ordinary and no-break) and control characters show as nothing in a list.
bool Is_Blank(std::string_view name)
{
    return std::all_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte == ' ' || byte == 0xA0 || Is_Control(byte);
    });
}

void Warn_Program_Name(const Findings &findings, std::size_t p)
{
    const std::string_view name = Program_Name(findings.raw, p);
    const auto add = [&](const char *problem) {
        findings.add(Severity::Warning, CheckTable::Programs, static_cast<int>(p),
                     Program_Label(findings.lists, p) + ": " + problem);
    };
    if (name.empty())
        add("the name is empty");
    else if (Is_Blank(name))
        add("the name is blank");
    if (Has_Control(name))
        add("the name holds control characters");
}

std::vector<bool> Carrying(const RawArrays &raw, std::uint32_t kind, std::size_t slots)
{
    std::vector<bool> carries(slots, false);
    const auto count = static_cast<std::size_t>(Used_Program_Count(raw));
    for (std::size_t p = 0; p < count; ++p) {
        const int tp = Program_Transponder(raw, p);
        if (tp >= 0 && Program_Used(raw, p) && Field(raw.programs[p], prog::Tp_Kind) == kind)
            carries[static_cast<std::size_t>(tp)] = true;
    }
    return carries;
}

} // namespace

std::vector<int> Duplicate_Program_Slots(const RawArrays &raw)
{
    std::vector<int> slots;
    for (const Repeat &repeat : Program_Repeats(raw))
        slots.push_back(repeat.slot);
    return slots;
}

std::vector<int> Empty_Sat_Transponder_Slots(const RawArrays &raw)
{
    const std::vector<bool> carries = Carrying(raw, prog::kKindSatellite, kSatTransponderSlots);
    std::vector<std::vector<int>> empty(kSatelliteCount);
    std::vector<bool> carrying_satellite(kSatelliteCount, false);
    for (std::size_t t = 0; t < raw.sat_tps.size(); ++t) {
        const std::uint32_t satellite = Field(raw.sat_tps[t], sat_tp::Sat_Index);
        if (!Sat_Tp_Used(raw, t) || satellite >= kSatelliteCount)
            continue;
        if (carries[t])
            carrying_satellite[satellite] = true;
        else
            empty[satellite].push_back(static_cast<int>(t));
    }
    std::vector<int> slots;
    for (std::size_t s = 0; s < empty.size(); ++s) {
        std::vector<int> &tps = empty[s];
        if (!carrying_satellite[s] && !tps.empty()) {
            const auto number = [&](int t) {
                return Field(raw.sat_tps[static_cast<std::size_t>(t)], sat_tp::Tp_Number);
            };
            tps.erase(std::min_element(tps.begin(), tps.end(),
                                       [&](int a, int b) { return number(a) < number(b); }));
        }
        slots.insert(slots.end(), tps.begin(), tps.end());
    }
    std::sort(slots.begin(), slots.end());
    return slots;
}

std::vector<int> Empty_Ter_Transponder_Slots(const RawArrays &raw)
{
    const std::vector<bool> carries = Carrying(raw, prog::kKindTerrestrial, kTerTransponderSlots);
    std::vector<int> slots;
    for (std::size_t t = 0; t < raw.ter_tps.size(); ++t) {
        if (Ter_Tp_Used(raw, t) && !carries[t]
            && Field(raw.ter_tps[t], ter_tp::Group_Index) < kTerGroupCount)
            slots.push_back(static_cast<int>(t));
    }
    return slots;
}

namespace check {

void Check_Duplicates(const Findings &findings)
{
    const RawArrays &raw = findings.raw;
    for (const auto &[slot, first] : Program_Repeats(raw)) {
        const auto p = static_cast<std::size_t>(slot);
        findings.add(Severity::Warning, CheckTable::Programs, slot,
                     Program_Label(findings.lists, p) + " repeats "
                             + Program_Label(findings.lists, static_cast<std::size_t>(first))
                             + " (service id "
                             + std::to_string(Field(raw.programs[p], prog::Service_Id))
                             + " on the same transponder)");
    }
    const ListNumbers &lists = findings.lists;
    for (const auto &[slot, first] : Sat_Tp_Repeats(raw)) {
        std::string text = Sat_Tp_Label(lists, static_cast<std::size_t>(slot)) + " repeats ";
        Append_Sat_Tp_Reference(text, lists, static_cast<std::size_t>(first));
        findings.add(Severity::Warning, CheckTable::Sat_Transponders, slot, std::move(text));
    }
    for (const auto &[slot, first] : Ter_Tp_Repeats(raw)) {
        std::string text = Ter_Tp_Label(lists, static_cast<std::size_t>(slot)) + " repeats ";
        Append_Ter_Tp_Reference(text, lists, static_cast<std::size_t>(first));
        findings.add(Severity::Warning, CheckTable::Ter_Transponders, slot, std::move(text));
    }
}

void Check_Names(const Findings &findings)
{
    const RawArrays &raw = findings.raw;
    const auto count = static_cast<std::size_t>(Used_Program_Count(raw));
    for (std::size_t p = 0; p < count; ++p) {
        if (Program_Used(raw, p))
            Warn_Program_Name(findings, p);
    }
    for (std::size_t s = 0; s < raw.satellites.size(); ++s) {
        if (Has_Control(Satellite_Name(raw, s)))
            findings.add(Severity::Warning, CheckTable::Satellites, static_cast<int>(s),
                         Satellite_Label(findings.lists, s)
                                 + ": the name holds control characters");
    }
    for (std::size_t g = 0; g < raw.favourite_names.size(); ++g) {
        if (Has_Control(Favourite_Name(raw, g)))
            findings.add(Severity::Warning, CheckTable::Favourite_Groups, static_cast<int>(g),
                         Favourite_Label(findings.lists, g)
                                 + ": the name holds control characters");
    }
}

void Check_Unused_Entries(const Findings &findings)
{
    const RawArrays &raw = findings.raw;
    for (const int t : Empty_Sat_Transponder_Slots(raw))
        findings.add(Severity::Info, CheckTable::Sat_Transponders, t,
                     Sat_Tp_Label(findings.lists, static_cast<std::size_t>(t))
                             + " carries no program");
    for (const int t : Empty_Ter_Transponder_Slots(raw))
        findings.add(Severity::Info, CheckTable::Ter_Transponders, t,
                     Ter_Tp_Label(findings.lists, static_cast<std::size_t>(t))
                             + " carries no program");
    const auto count = static_cast<std::size_t>(Used_Program_Count(raw));
    for (std::size_t p = 0; p < count; ++p) {
        if (Program_Used(raw, p) && Field(raw.programs[p], prog::Favourite_Mask) == 0)
            findings.add(Severity::Info, CheckTable::Programs, static_cast<int>(p),
                         Program_Label(findings.lists, p) + " is in no favourite group");
    }
}

} // namespace check
} // namespace orvane
