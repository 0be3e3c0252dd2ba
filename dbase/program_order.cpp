#include "dbase/program_order.h"

#include "dbase/decode.h"

#include <algorithm>
#include <numeric>

namespace orvane {
namespace {

int Listed_Programs(const ChannelDatabase &db)
{
    return std::clamp(db.Program_Count, 0, kProgramSlots);
}

// The set's slots ascending, or an empty list when a slot is out of range or repeated, or
// new_order holds other slots.
std::vector<int> Checked_Slots(const ChannelDatabase &db, std::span<const int> slots,
                               std::span<const int> new_order, std::string &fault)
{
    std::vector<int> sorted(slots.begin(), slots.end());
    std::sort(sorted.begin(), sorted.end());
    const int count = Listed_Programs(db);
    if (!sorted.empty() && (sorted.front() < 0 || sorted.back() >= count)) {
        fault = "A program to move lies outside the program list.";
        return {};
    }
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
        fault = "A program to move is named twice.";
        return {};
    }
    std::vector<int> order(new_order.begin(), new_order.end());
    std::sort(order.begin(), order.end());
    if (order != sorted) {
        fault = "The new order does not hold the same programs as the ones to move.";
        return {};
    }
    return sorted;
}

void Move_Program_Records(ChannelDatabase &db, std::span<const int> sorted,
                          std::span<const int> new_order)
{
    // Rows are moved into a list built as it goes: default rows for every slot would cost
    // more than the move itself.
    std::vector<ProgramRecord> records;
    std::vector<TProg_Info_String> rows;
    records.reserve(new_order.size());
    rows.reserve(new_order.size());
    for (const int from : new_order) {
        records.push_back(db.raw.programs[static_cast<std::size_t>(from)]);
        rows.push_back(std::move(db.rows.programs[static_cast<std::size_t>(from)]));
    }
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const auto to = static_cast<std::size_t>(sorted[i]);
        db.raw.programs[to] = records[i];
        db.rows.programs[to] = std::move(rows[i]);
    }
}

// Gives the tracks of moved programs their programs' new slots; true when any track changed.
bool Renumber_Moved_Tracks(ChannelDatabase &db, const std::vector<int> &new_slot_of)
{
    bool renumbered = false;
    const int tracks = Used_Audio_Track_Count(db.raw);
    for (int a = 0; a < tracks; ++a) {
        AudioTrackRecord &record = db.raw.audio_tracks[static_cast<std::size_t>(a)];
        const auto program = Read_Field(record, audio::Program_Index);
        if (program >= new_slot_of.size() || new_slot_of[program] == static_cast<int>(program))
            continue;
        const auto moved_to = static_cast<std::uint32_t>(new_slot_of[program]);
        Write_Field(record, audio::Program_Index, moved_to);
        db.rows.audio_tracks[static_cast<std::size_t>(a)].Program_Index
                = static_cast<std::int32_t>(moved_to);
        renumbered = true;
    }
    return renumbered;
}

// Puts the used tracks in program order again; a program's tracks keep their order, and
// tracks that name no program go last.
void Regroup_Audio_Tracks(ChannelDatabase &db)
{
    const auto tracks = static_cast<std::size_t>(Used_Audio_Track_Count(db.raw));
    std::vector<std::uint32_t> program_of(tracks);
    for (std::size_t a = 0; a < tracks; ++a)
        program_of[a] = Read_Field(db.raw.audio_tracks[a], audio::Program_Index);
    std::vector<std::size_t> order(tracks);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return program_of[a] < program_of[b]; });
    std::vector<AudioTrackRecord> records;
    std::vector<TAudio_Info_String> rows;
    records.reserve(tracks);
    rows.reserve(tracks);
    for (const std::size_t from : order) {
        records.push_back(db.raw.audio_tracks[from]);
        rows.push_back(std::move(db.rows.audio_tracks[from]));
    }
    std::copy(records.begin(), records.end(), db.raw.audio_tracks.begin());
    std::move(rows.begin(), rows.end(), db.rows.audio_tracks.begin());
}

template<typename Key>
std::vector<int> Stable_Order(std::span<const int> slots, Key key_of)
{
    using KeyType = decltype(key_of(0));
    std::vector<std::pair<KeyType, int>> keyed;
    keyed.reserve(slots.size());
    for (const int slot : slots)
        keyed.emplace_back(key_of(slot), slot);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<int> order;
    order.reserve(keyed.size());
    for (const auto &entry : keyed)
        order.push_back(entry.second);
    return order;
}

} // namespace

Outcome Reorder_Programs(ChannelDatabase &db, std::span<const int> slots,
                         std::span<const int> new_order)
{
    std::string fault;
    const std::vector<int> sorted = Checked_Slots(db, slots, new_order, fault);
    if (!fault.empty())
        return Outcome::failure(fault);
    std::vector<int> new_slot_of(static_cast<std::size_t>(Listed_Programs(db)));
    std::iota(new_slot_of.begin(), new_slot_of.end(), 0);
    bool moves = false;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        new_slot_of[static_cast<std::size_t>(new_order[i])] = sorted[i];
        moves = moves || new_order[i] != sorted[i];
    }
    if (!moves)
        return Outcome::success();
    Move_Program_Records(db, sorted, new_order);
    if (Renumber_Moved_Tracks(db, new_slot_of))
        Regroup_Audio_Tracks(db);
    return Outcome::success();
}

std::vector<int> Order_By_Name(const ChannelDatabase &db, std::span<const int> slots)
{
    std::vector<std::string_view> names;
    names.reserve(slots.size());
    for (const int slot : slots)
        names.emplace_back(db.rows.programs[static_cast<std::size_t>(slot)].Name);
    const std::vector<int> ranks = db.names->Name_Ranks(names);
    std::vector<int> by_rank(slots.size());
    std::iota(by_rank.begin(), by_rank.end(), 0);
    std::stable_sort(by_rank.begin(), by_rank.end(), [&ranks](int a, int b) {
        return ranks[static_cast<std::size_t>(a)] < ranks[static_cast<std::size_t>(b)];
    });
    std::vector<int> order;
    order.reserve(slots.size());
    for (const int at : by_rank)
        order.push_back(slots[static_cast<std::size_t>(at)]);
    return order;
}

std::vector<int> Order_By_Service_Id(const ChannelDatabase &db, std::span<const int> slots)
{
    return Stable_Order(slots, [&db](int slot) {
        return Read_Field(db.raw.programs[static_cast<std::size_t>(slot)], prog::Service_Id);
    });
}

std::vector<int> Used_Program_Slots(const ChannelDatabase &db, bool radio)
{
    std::vector<int> slots;
    for (int p = 0; p < Listed_Programs(db); ++p) {
        const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(p)];
        if (row.In_Use == 1 && (row.Is_Radio != 0) == radio)
            slots.push_back(p);
    }
    return slots;
}

void Sort_Programs(ChannelDatabase &db, ProgramSortKey key)
{
    for (const bool radio : {false, true}) {
        const std::vector<int> slots = Used_Program_Slots(db, radio);
        const std::vector<int> order = key == ProgramSortKey::Name ? Order_By_Name(db, slots)
                                                                   : Order_By_Service_Id(db, slots);
        Reorder_Programs(db, slots, order);
    }
}

} // namespace orvane
