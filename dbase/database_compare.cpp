#include "dbase/database_compare.h"

#include "dbase/check_entries.h"
#include "dbase/codecs.h"
#include "dbase/decode.h"
#include "dbase/order_like.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace orvane {
namespace {

using check::Field;

// One side of the comparison: the database, its list numbers for the labels, and where each
// program's audio tracks are.
struct Side
{
    explicit Side(const ChannelDatabase &database)
        : db(database)
        , lists(database.raw)
    {}

    const ChannelDatabase &db;
    ListNumbers lists;
    // The used tracks of program p are track_slots[track_start[p] .. track_start[p + 1]), in
    // slot order.
    std::vector<int> track_start;
    std::vector<int> track_slots;

    const RawArrays &raw() const { return db.raw; }
    const NameText &names() const { return *db.names; }
    // The audio tracks of program `slot`, in slot order.
    std::span<const int> tracks_of(int slot) const
    {
        const auto first = static_cast<std::size_t>(track_start[static_cast<std::size_t>(slot)]);
        const auto end = static_cast<std::size_t>(track_start[static_cast<std::size_t>(slot) + 1]);
        return std::span<const int>(track_slots).subspan(first, end - first);
    }
    const AudioTrackRecord &track(int slot) const
    {
        return db.raw.audio_tracks[static_cast<std::size_t>(slot)];
    }
};

// The used audio tracks below the track count, grouped by the program that owns them
// (a counting sort, which keeps each program's tracks in slot order).
void Index_Audio_Tracks(Side &side)
{
    const RawArrays &raw = side.raw();
    const int count = Used_Audio_Track_Count(raw);
    std::vector<int> owners(static_cast<std::size_t>(count), -1);
    side.track_start.assign(kProgramSlots + 1, 0);
    for (int t = 0; t < count; ++t) {
        const auto &record = raw.audio_tracks[static_cast<std::size_t>(t)];
        const std::uint32_t owner = Field(record, audio::Program_Index);
        if (Field(record, audio::In_Use) == 1 && owner < kProgramSlots) {
            owners[static_cast<std::size_t>(t)] = static_cast<int>(owner);
            ++side.track_start[owner + 1];
        }
    }
    for (std::size_t p = 1; p < side.track_start.size(); ++p)
        side.track_start[p] += side.track_start[p - 1];
    side.track_slots.assign(static_cast<std::size_t>(side.track_start.back()), 0);
    std::vector<int> next(side.track_start.begin(), side.track_start.end() - 1);
    for (int t = 0; t < count; ++t) {
        if (const int owner = owners[static_cast<std::size_t>(t)]; owner >= 0)
            side.track_slots[static_cast<std::size_t>(next[static_cast<std::size_t>(owner)]++)] = t;
    }
}

// What a track is, without its owner: its PID and its tag.
std::uint64_t Track_Content(const AudioTrackRecord &record)
{
    std::uint64_t content = Field(record, audio::Audio_Pid);
    for (std::size_t k = 0; k < audio::kTagLength; ++k)
        content = content << 8 | record[audio::kTagOffset + k];
    return content;
}

bool Same_Tracks(const Side &a, int a_slot, const Side &b, int b_slot)
{
    const std::span<const int> a_tracks = a.tracks_of(a_slot);
    const std::span<const int> b_tracks = b.tracks_of(b_slot);
    return std::equal(a_tracks.begin(), a_tracks.end(), b_tracks.begin(), b_tracks.end(),
                      [&](int a_track, int b_track) {
                          return Track_Content(a.track(a_track)) == Track_Content(b.track(b_track));
                      });
}

// "257 eng, 258 deu", or "none".
FieldValue Tracks_Value(const Side &side, int slot)
{
    std::string text;
    for (const int track : side.tracks_of(slot)) {
        TAudio_Info_String row;
        Decode_Audio_Track(side.track(track), row);
        if (!text.empty())
            text += ", ";
        text += row.Audio_Pid + ' ' + Latin1_To_Utf8(row.Tag);
    }
    return Text_Value(text.empty() ? "none" : text);
}

// ---- matching ---------------------------------------------------------------------------

// For every slot of a table, the slot of its match on the other side, or kNoCompareSlot.
struct Matches
{
    std::vector<int> a_to_b;
    std::vector<int> b_to_a;

    explicit Matches(std::size_t slots)
        : a_to_b(slots, kNoCompareSlot)
        , b_to_a(slots, kNoCompareSlot)
    {}

    bool paired_a(int a) const { return a_to_b[static_cast<std::size_t>(a)] != kNoCompareSlot; }
    void pair(int a, int b)
    {
        a_to_b[static_cast<std::size_t>(a)] = b;
        b_to_a[static_cast<std::size_t>(b)] = a;
    }
};

// An entry of a table as the matching sees it: a key that must be equal, a frequency that must
// be close, and its slot.
struct Keyed
{
    std::uint64_t key;
    std::uint32_t frequency;
    int slot;

    auto operator<=>(const Keyed &) const = default;
};

// Keys against entries, for the searches of a table sorted by key first.
struct ByKey
{
    bool operator()(const Keyed &entry, std::uint64_t key) const { return entry.key < key; }
    bool operator()(std::uint64_t key, const Keyed &entry) const { return key < entry.key; }
};

// The A entries with B's key, in the order they were sorted in.
std::span<const Keyed> Same_Key(const std::vector<Keyed> &sorted, std::uint64_t key)
{
    const auto [first, last] = std::equal_range(sorted.begin(), sorted.end(), key, ByKey{});
    return {first, last};
}

std::uint32_t Distance(std::uint32_t x, std::uint32_t y)
{
    return x > y ? x - y : y - x;
}

// Each B entry takes the unpaired A entry of its key at the nearest frequency within the
// tolerance, an exact one first, the lowest slot among equals: duplicates pair in their order.
void Match_By_Frequency(const std::vector<Keyed> &a_sorted, const std::vector<Keyed> &b_entries,
                        std::uint32_t tolerance, Matches &matches)
{
    for (const std::uint32_t allowed : {0u, tolerance}) {
        for (const Keyed &b : b_entries) {
            if (matches.b_to_a[static_cast<std::size_t>(b.slot)] != kNoCompareSlot)
                continue;
            int best = kNoCompareSlot;
            std::uint32_t best_distance = allowed + 1;
            for (const Keyed &a : Same_Key(a_sorted, b.key)) {
                const std::uint32_t distance = Distance(a.frequency, b.frequency);
                if (distance < best_distance && !matches.paired_a(a.slot)) {
                    best = a.slot;
                    best_distance = distance;
                }
            }
            if (best != kNoCompareSlot)
                matches.pair(best, b.slot);
        }
    }
}

std::vector<Keyed> Used_Sat_Tps(const RawArrays &raw)
{
    std::vector<Keyed> used;
    for (int t = 0; t < kSatTransponderSlots; ++t) {
        const auto &record = raw.sat_tps[static_cast<std::size_t>(t)];
        if (Field(record, sat_tp::In_Use) == 1)
            used.push_back({std::uint64_t{Field(record, sat_tp::Sat_Index)} << 8
                                    | Field(record, sat_tp::Polarity),
                            Field(record, sat_tp::Frequency), t});
    }
    return used;
}

std::vector<Keyed> Used_Ter_Tps(const RawArrays &raw)
{
    std::vector<Keyed> used;
    for (int t = 0; t < kTerTransponderSlots; ++t) {
        const auto &record = raw.ter_tps[static_cast<std::size_t>(t)];
        if (Field(record, ter_tp::In_Use) == 1)
            used.push_back(
                    {Field(record, ter_tp::Group_Index), Field(record, ter_tp::Frequency), t});
    }
    return used;
}

Matches Match_Transponders(const std::vector<Keyed> &a_used, const std::vector<Keyed> &b_used,
                           std::size_t slots, std::uint32_t tolerance)
{
    Matches matches(slots);
    std::vector<Keyed> a_sorted = a_used;
    std::sort(a_sorted.begin(), a_sorted.end());
    Match_By_Frequency(a_sorted, b_used, tolerance, matches);
    return matches;
}

// A program's kind, its transponder's kind and its service id, which a match must share, and
// its transponder's frequency (kNoFrequency without a used transponder).
constexpr std::uint32_t kNoFrequency = 0xFFFFFFFF;

std::uint64_t Program_Key(const ProgramRecord &record)
{
    return std::uint64_t{Field(record, prog::Is_Radio)} << 40
           | std::uint64_t{Field(record, prog::Tp_Kind)} << 32 | Field(record, prog::Service_Id);
}

Keyed Keyed_Program(const RawArrays &raw, int slot)
{
    const ProgramRecord &record = raw.programs[static_cast<std::size_t>(slot)];
    const int tp = check::Program_Transponder(raw, static_cast<std::size_t>(slot));
    std::uint32_t frequency = kNoFrequency;
    if (tp >= 0) {
        frequency = Field(record, prog::Tp_Kind) == prog::kKindSatellite
                            ? Field(raw.sat_tps[static_cast<std::size_t>(tp)], sat_tp::Frequency)
                            : Field(raw.ter_tps[static_cast<std::size_t>(tp)], ter_tp::Frequency);
    }
    return {Program_Key(record), frequency, slot};
}

std::vector<Keyed> Used_Programs(const RawArrays &raw)
{
    std::vector<Keyed> used;
    used.reserve(kProgramSlots);
    for (int p = 0; p < Used_Program_Count(raw); ++p) {
        if (check::Program_Used(raw, static_cast<std::size_t>(p)))
            used.push_back(Keyed_Program(raw, p));
    }
    return used;
}

bool Frequencies_Match(const Keyed &a, const Keyed &b)
{
    if (a.frequency == kNoFrequency || b.frequency == kNoFrequency)
        return a.frequency == b.frequency;
    const bool satellite = (b.key >> 32 & 0xFF) == prog::kKindSatellite;
    return Distance(a.frequency, b.frequency) <= (satellite ? kSatFrequencyTolerance : 0);
}

struct ProgramMatching
{
    const Side &a;
    const Side &b;
    const Matches &sat_tps;
    const Matches &ter_tps;

    // Whether the program of A stands on the transponder that matches B's program's one.
    bool same_transponder(int a_slot, int b_slot) const
    {
        const int a_tp = check::Program_Transponder(a.raw(), static_cast<std::size_t>(a_slot));
        const int b_tp = check::Program_Transponder(b.raw(), static_cast<std::size_t>(b_slot));
        if (a_tp < 0 || b_tp < 0)
            return a_tp == b_tp;
        const bool satellite
                = Field(b.raw().programs[static_cast<std::size_t>(b_slot)], prog::Tp_Kind)
                  == prog::kKindSatellite;
        const Matches &tps = satellite ? sat_tps : ter_tps;
        return tps.a_to_b[static_cast<std::size_t>(a_tp)] == b_tp;
    }

    bool same_name(int a_slot, int b_slot) const
    {
        return check::Program_Name(a.raw(), static_cast<std::size_t>(a_slot))
               == check::Program_Name(b.raw(), static_cast<std::size_t>(b_slot));
    }
};

// Programs match as "Order like" matches them (kind, transponder kind, service id, a
// transponder at the same frequency), made one to one: of several candidates a B program
// takes first one on the matching transponder with its name, then one on the matching
// transponder, then one with its name, then any; the lowest slot among equals.
Matches Match_Programs(const ProgramMatching &matching)
{
    Matches matches(kProgramSlots);
    std::vector<Keyed> a_sorted = Used_Programs(matching.a.raw());
    std::sort(a_sorted.begin(), a_sorted.end(), [](const Keyed &x, const Keyed &y) {
        return std::tie(x.key, x.slot) < std::tie(y.key, y.slot);
    });
    const std::vector<Keyed> b_used = Used_Programs(matching.b.raw());
    const auto rule = [&](bool transponder, bool name) {
        return [&matching, transponder, name](int a_slot, int b_slot) {
            return (!transponder || matching.same_transponder(a_slot, b_slot))
                   && (!name || matching.same_name(a_slot, b_slot));
        };
    };
    for (const auto &[transponder, name] : {std::pair{true, true}, std::pair{true, false},
                                            std::pair{false, true}, std::pair{false, false}}) {
        const auto accepts = rule(transponder, name);
        for (const Keyed &b : b_used) {
            if (matches.b_to_a[static_cast<std::size_t>(b.slot)] != kNoCompareSlot)
                continue;
            for (const Keyed &a : Same_Key(a_sorted, b.key)) {
                if (!matches.paired_a(a.slot) && Frequencies_Match(a, b)
                    && accepts(a.slot, b.slot)) {
                    matches.pair(a.slot, b.slot);
                    break;
                }
            }
        }
    }
    return matches;
}

// The matched programs whose place among the others of their list changed: those outside a
// longest run of pairs that kept their order (a longest increasing subsequence of the A slots
// in B's order, per list), ascending by B slot.
std::vector<int> Moved_Programs(const RawArrays &b_raw, const Matches &matches)
{
    std::vector<int> moved;
    std::array<std::vector<int>, 16> lists; // B slots by kind and transponder kind
    for (int b = 0; b < kProgramSlots; ++b) {
        if (matches.b_to_a[static_cast<std::size_t>(b)] == kNoCompareSlot)
            continue;
        const ProgramRecord &record = b_raw.programs[static_cast<std::size_t>(b)];
        lists[(Field(record, prog::Tp_Kind) & 7u) << 1 | Field(record, prog::Is_Radio)].push_back(
                b);
    }
    for (const std::vector<int> &list : lists) {
        // tails[k]: the index in list of the smallest A slot ending a kept run of length k + 1.
        std::vector<std::size_t> tails;
        std::vector<std::size_t> before(list.size());
        const auto a_of
                = [&](std::size_t i) { return matches.b_to_a[static_cast<std::size_t>(list[i])]; };
        for (std::size_t i = 0; i < list.size(); ++i) {
            const auto place
                    = std::lower_bound(tails.begin(), tails.end(), a_of(i),
                                       [&](std::size_t tail, int a) { return a_of(tail) < a; });
            before[i] = place == tails.begin() ? list.size() : *(place - 1);
            if (place == tails.end())
                tails.push_back(i);
            else
                *place = i;
        }
        std::vector<bool> kept(list.size(), false);
        for (std::size_t i = tails.empty() ? list.size() : tails.back(); i < list.size();
             i = before[i])
            kept[i] = true;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (!kept[i])
                moved.push_back(list[i]);
        }
    }
    std::sort(moved.begin(), moved.end());
    return moved;
}

// ---- texts ------------------------------------------------------------------------------

std::string Program_Text(const Side &side, int slot)
{
    std::string label = check::Program_Label(side.lists, static_cast<std::size_t>(slot));
    const int number = side.lists.program(static_cast<std::size_t>(slot));
    if (number != kNotListed
        && !check::Program_Name(side.raw(), static_cast<std::size_t>(slot)).empty())
        label += " (list number " + std::to_string(number) + ')';
    return side.names().Text_Of(label);
}

std::string Entry_Text(const Side &side, CompareTable table, int slot)
{
    const auto at = static_cast<std::size_t>(slot);
    switch (table) {
    case CompareTable::Satellites:
        return side.names().Text_Of(check::Satellite_Label(side.lists, at));
    case CompareTable::Sat_Transponders:
        return side.names().Text_Of(check::Sat_Tp_Label(side.lists, at));
    case CompareTable::Ter_Transponders:
        return side.names().Text_Of(check::Ter_Tp_Label(side.lists, at));
    case CompareTable::Programs:
        return Program_Text(side, slot);
    case CompareTable::Favourite_Groups:
        return side.names().Text_Of(check::Favourite_Label(side.lists, at));
    }
    return {};
}

// "11778 V of "ASTRA 1"", "506000 kHz", or "none".
FieldValue Transponder_Value(const Side &side, int program)
{
    const RawArrays &raw = side.raw();
    const int tp = check::Program_Transponder(raw, static_cast<std::size_t>(program));
    if (tp < 0)
        return Text_Value("none");
    if (Field(raw.programs[static_cast<std::size_t>(program)], prog::Tp_Kind)
        != prog::kKindSatellite)
        return Text_Value(
                std::to_string(Field(raw.ter_tps[static_cast<std::size_t>(tp)], ter_tp::Frequency))
                + " kHz");
    const SatTransponderRecord &record = raw.sat_tps[static_cast<std::size_t>(tp)];
    std::string text = std::to_string(Field(record, sat_tp::Frequency));
    if (const std::string &polarity = Polarity_Text(Field(record, sat_tp::Polarity));
        !polarity.empty())
        text += ' ' + polarity;
    const std::uint32_t satellite = Field(record, sat_tp::Sat_Index);
    text += " of ";
    text += satellite < kSatelliteCount
                    ? check::Satellite_Reference(check::Satellite_Name(raw, satellite), satellite)
                    : "satellite slot " + std::to_string(satellite);
    return Text_Value(side.names().Text_Of(text));
}

class ComparisonBuilder
{
public:
    ComparisonBuilder(const Side &a, const Side &b)
        : m_a(a)
        , m_b(b)
    {}

    void add(ChangeKind kind, CompareTable table, int a_slot, int b_slot,
             std::vector<FieldChange> fields = {}, const std::string &detail = {})
    {
        const Side &side = kind == ChangeKind::Removed ? m_a : m_b;
        std::string text = Entry_Text(side, table, kind == ChangeKind::Removed ? a_slot : b_slot);
        const char *separator = ": ";
        for (const FieldChange &change : fields) {
            text += separator + std::string(change.label) + ' '
                    + Shown_Value(change.field, change.before) + " -> "
                    + Shown_Value(change.field, change.after);
            separator = "; ";
        }
        if (!detail.empty())
            text += separator + detail;
        m_result.changes.push_back(
                {kind, table, a_slot, b_slot, std::move(fields), std::move(text)});
        ++m_result.counts[static_cast<std::size_t>(kind)];
    }

    DatabaseComparison take() { return std::move(m_result); }

private:
    const Side &m_a;
    const Side &m_b;
    DatabaseComparison m_result;
};

// The compared fields of two rows that differ.
template<typename Row>
void Differing_Fields(std::span<const EntryField<Row>> fields, const Row &a_row,
                      const NameText &a_names, const Row &b_row, const NameText &b_names,
                      std::vector<FieldChange> &changes)
{
    for (const EntryField<Row> &field : fields) {
        if (field.label == nullptr)
            continue;
        FieldValue before = field.value(a_row, a_names);
        FieldValue after = field.value(b_row, b_names);
        if (before != after)
            changes.push_back({field.key, field.label, std::move(before), std::move(after)});
    }
}

template<typename Row, typename Record>
std::vector<FieldChange>
Record_Changes(std::span<const EntryField<Row>> fields, const Record &a_record, const Side &a,
               const Record &b_record, const Side &b, void (*decode)(const Record &, Row &))
{
    std::vector<FieldChange> changes;
    if (a_record == b_record && &a.names() == &b.names())
        return changes;
    Row a_row;
    Row b_row;
    decode(a_record, a_row);
    decode(b_record, b_row);
    Differing_Fields(fields, a_row, a.names(), b_row, b.names(), changes);
    return changes;
}

void Compare_Satellites(const Side &a, const Side &b, ComparisonBuilder &out)
{
    for (int s = 0; s < kSatelliteCount; ++s) {
        const auto at = static_cast<std::size_t>(s);
        std::vector<FieldChange> fields
                = Record_Changes(Satellite_Fields(), a.raw().satellites[at], a,
                                 b.raw().satellites[at], b, Decode_Satellite);
        if (!fields.empty())
            out.add(ChangeKind::Changed, CompareTable::Satellites, s, s, std::move(fields));
    }
}

// Removed, added, then changed transponders of one table; `records` picks the table's records
// out of a database's raw arrays.
template<typename Row, typename Records, typename Record>
void Compare_Transponders(CompareTable table, std::span<const EntryField<Row>> fields,
                          Records records, void (*decode)(const Record &, Row &),
                          const std::vector<Keyed> &a_used, const std::vector<Keyed> &b_used,
                          const Matches &matches, const Side &a, const Side &b,
                          ComparisonBuilder &out)
{
    for (const Keyed &entry : a_used) {
        if (!matches.paired_a(entry.slot))
            out.add(ChangeKind::Removed, table, entry.slot, kNoCompareSlot);
    }
    for (const Keyed &entry : b_used) {
        if (matches.b_to_a[static_cast<std::size_t>(entry.slot)] == kNoCompareSlot)
            out.add(ChangeKind::Added, table, kNoCompareSlot, entry.slot);
    }
    for (const Keyed &entry : b_used) {
        const int a_slot = matches.b_to_a[static_cast<std::size_t>(entry.slot)];
        if (a_slot == kNoCompareSlot)
            continue;
        std::vector<FieldChange> changes
                = Record_Changes(fields, records(a.raw())[static_cast<std::size_t>(a_slot)], a,
                                 records(b.raw())[static_cast<std::size_t>(entry.slot)], b, decode);
        if (!changes.empty())
            out.add(ChangeKind::Changed, table, a_slot, entry.slot, std::move(changes));
    }
}

// Word 0 without the transponder index, and the rest of the record: a program whose bytes
// agree there, on a matching transponder and with the same tracks, is unchanged.
bool Same_Program_Bytes(const ProgramRecord &a, const ProgramRecord &b)
{
    const std::uint32_t mask = ~(prog::Tp_Index.max_value() << prog::Tp_Index.first_bit);
    const auto word = [](const ProgramRecord &record) {
        return Read_Field(record, BitField{0, 0, 32});
    };
    return (word(a) & mask) == (word(b) & mask)
           && std::memcmp(a.data() + 4, b.data() + 4, a.size() - 4) == 0;
}

std::vector<FieldChange> Program_Changes(const ProgramMatching &matching, int a_slot, int b_slot)
{
    const Side &a = matching.a;
    const Side &b = matching.b;
    const ProgramRecord &a_record = a.raw().programs[static_cast<std::size_t>(a_slot)];
    const ProgramRecord &b_record = b.raw().programs[static_cast<std::size_t>(b_slot)];
    const bool same_transponder = matching.same_transponder(a_slot, b_slot);
    const bool same_tracks = Same_Tracks(a, a_slot, b, b_slot);
    std::vector<FieldChange> changes;
    if (same_transponder && same_tracks && Same_Program_Bytes(a_record, b_record)
        && &a.names() == &b.names())
        return changes;
    TProg_Info_String a_row;
    TProg_Info_String b_row;
    Decode_Program(a_record, a.raw(), a_row);
    Decode_Program(b_record, b.raw(), b_row);
    Differing_Fields(Program_Fields(), a_row, a.names(), b_row, b.names(), changes);
    if (!same_tracks)
        changes.push_back(
                {"Audio_Tracks", "Audio tracks", Tracks_Value(a, a_slot), Tracks_Value(b, b_slot)});
    if (!same_transponder) {
        FieldValue before = Transponder_Value(a, a_slot);
        FieldValue after = Transponder_Value(b, b_slot);
        if (before != after)
            changes.push_back({"Transponder", "Transponder", std::move(before), std::move(after)});
    }
    return changes;
}

void Compare_Programs(const ProgramMatching &matching, ComparisonBuilder &out)
{
    const Matches matches = Match_Programs(matching);
    const auto used = [](const Side &side, int slot) {
        return check::Program_Used(side.raw(), static_cast<std::size_t>(slot));
    };
    for (int p = 0; p < kProgramSlots; ++p) {
        if (used(matching.a, p) && !matches.paired_a(p))
            out.add(ChangeKind::Removed, CompareTable::Programs, p, kNoCompareSlot);
    }
    for (int p = 0; p < kProgramSlots; ++p) {
        if (used(matching.b, p) && matches.b_to_a[static_cast<std::size_t>(p)] == kNoCompareSlot)
            out.add(ChangeKind::Added, CompareTable::Programs, kNoCompareSlot, p);
    }
    for (int p = 0; p < kProgramSlots; ++p) {
        const int a_slot = matches.b_to_a[static_cast<std::size_t>(p)];
        if (a_slot == kNoCompareSlot)
            continue;
        std::vector<FieldChange> changes = Program_Changes(matching, a_slot, p);
        if (!changes.empty())
            out.add(ChangeKind::Changed, CompareTable::Programs, a_slot, p, std::move(changes));
    }
    for (const int b_slot : Moved_Programs(matching.b.raw(), matches)) {
        const int a_slot = matches.b_to_a[static_cast<std::size_t>(b_slot)];
        const int from = matching.a.lists.program(static_cast<std::size_t>(a_slot));
        out.add(ChangeKind::Moved, CompareTable::Programs, a_slot, b_slot, {},
                from == kNotListed ? "moved from slot " + std::to_string(a_slot)
                                   : "moved from list number " + std::to_string(from));
    }
}

void Compare_Favourite_Groups(const Side &a, const Side &b, ComparisonBuilder &out)
{
    for (int g = 0; g < kFavouriteGroupCount; ++g) {
        const auto at = static_cast<std::size_t>(g);
        FieldValue before = Text_Value(a.names().Text_Of(check::Favourite_Name(a.raw(), at)));
        FieldValue after = Text_Value(b.names().Text_Of(check::Favourite_Name(b.raw(), at)));
        if (before != after)
            out.add(ChangeKind::Changed, CompareTable::Favourite_Groups, g, g,
                    {{"Name", "Name", std::move(before), std::move(after)}});
    }
}

} // namespace

const char *Compare_Table_Key(CompareTable table)
{
    static constexpr std::array<const char *, kCompareTables> kKeys{
            "satellites", "sat_transponders", "ter_transponders", "programs", "favourite_groups"};
    return kKeys[static_cast<std::size_t>(table)];
}

const char *Change_Kind_Key(ChangeKind kind)
{
    static constexpr std::array<const char *, kChangeKinds> kKeys{"added", "removed", "changed",
                                                                  "moved"};
    return kKeys[static_cast<std::size_t>(kind)];
}

DatabaseComparison Compare_Databases(const ChannelDatabase &a_db, const ChannelDatabase &b_db)
{
    Side a(a_db);
    Side b(b_db);
    Index_Audio_Tracks(a);
    Index_Audio_Tracks(b);
    ComparisonBuilder out(a, b);
    Compare_Satellites(a, b, out);

    const std::vector<Keyed> a_sat_tps = Used_Sat_Tps(a.raw());
    const std::vector<Keyed> b_sat_tps = Used_Sat_Tps(b.raw());
    const Matches sat_tps = Match_Transponders(a_sat_tps, b_sat_tps, kSatTransponderSlots,
                                               kSatFrequencyTolerance);
    Compare_Transponders(
            CompareTable::Sat_Transponders, Sat_Transponder_Fields(),
            [](const RawArrays &raw) -> const auto & { return raw.sat_tps; },
            Decode_Sat_Transponder, a_sat_tps, b_sat_tps, sat_tps, a, b, out);

    const std::vector<Keyed> a_ter_tps = Used_Ter_Tps(a.raw());
    const std::vector<Keyed> b_ter_tps = Used_Ter_Tps(b.raw());
    const Matches ter_tps = Match_Transponders(a_ter_tps, b_ter_tps, kTerTransponderSlots, 0);
    Compare_Transponders(
            CompareTable::Ter_Transponders, Ter_Transponder_Fields(),
            [](const RawArrays &raw) -> const auto & { return raw.ter_tps; },
            Decode_Ter_Transponder, a_ter_tps, b_ter_tps, ter_tps, a, b, out);

    Compare_Programs({a, b, sat_tps, ter_tps}, out);
    Compare_Favourite_Groups(a, b, out);
    return out.take();
}

std::string Comparison_Summary(const DatabaseComparison &comparison)
{
    std::string text;
    for (const ChangeKind kind :
         {ChangeKind::Added, ChangeKind::Removed, ChangeKind::Changed, ChangeKind::Moved}) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(comparison.count(kind)) + ' ' + Change_Kind_Key(kind);
    }
    return text;
}

} // namespace orvane
