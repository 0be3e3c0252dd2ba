#pragma once

// What a second database changes relative to a first one: the entries of the two are matched
// (satellites and favourite groups by their fixed slots, transponders by where they are and
// their frequency, programs as "Order like" matches them) and every entry that was added,
// removed, changed or moved is listed with the fields that differ. It reads both databases
// and changes neither.

#include "dbase/channel_database.h"
#include "dbase/entry_fields.h"

#include <array>
#include <string>
#include <vector>

namespace orvane {

enum class CompareTable : std::uint8_t {
    Satellites,
    Sat_Transponders,
    Ter_Transponders,
    Programs,
    Favourite_Groups,
};
constexpr std::size_t kCompareTables = 5;

enum class ChangeKind : std::uint8_t { Added, Removed, Changed, Moved };
constexpr std::size_t kChangeKinds = 4;

// The keys of the machine-readable report: "satellites", "sat_transponders",
// "ter_transponders", "programs", "favourite_groups"; "added", "removed", "changed", "moved".
const char *Compare_Table_Key(CompareTable table);
const char *Change_Kind_Key(ChangeKind kind);

// One field that differs, under its export name ("Video_Pid") and the name a change's text
// gives it ("Video PID"), with its values in A and in B.
struct FieldChange
{
    std::string field;
    const char *label = "";
    FieldValue before;
    FieldValue after;
};

// The slot of an entry that one side lacks.
constexpr int kNoCompareSlot = -1;

struct EntryChange
{
    ChangeKind kind = ChangeKind::Changed;
    CompareTable table = CompareTable::Programs;
    int a_slot = kNoCompareSlot; // a favourite group's index 0..15
    int b_slot = kNoCompareSlot;
    std::vector<FieldChange> fields; // only for a changed entry
    // One line naming the entry as the check names it, the program with its list number:
    // `TV program "News" (list number 12): Video PID 256 -> 300`. UTF-8, names read in each
    // database's set.
    std::string text;
};

struct DatabaseComparison
{
    // By table in the order of CompareTable; within a table removed, added, changed, then
    // moved entries, each by slot (the removed ones by their slot in A).
    std::vector<EntryChange> changes;
    std::array<int, kChangeKinds> counts{};

    int count(ChangeKind kind) const { return counts[static_cast<std::size_t>(kind)]; }
    bool empty() const { return changes.empty(); }
};

// The changes that turn A into B. Fields that only refer to other entries (slots, transponder
// and program indices, the numbers the lists derive) are not compared themselves: a program
// whose transponder is another one is changed in its "Transponder", which names the
// transponder by frequency, polarisation and satellite.
DatabaseComparison Compare_Databases(const ChannelDatabase &a, const ChannelDatabase &b);

// "3 added, 1 removed, 2 changed, 1 moved".
std::string Comparison_Summary(const DatabaseComparison &comparison);

} // namespace orvane
