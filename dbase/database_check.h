#pragma once

// The database check: how full each table is, and where the image breaks the rules the
// receiver relies on (counts that match their tables, transponder numbers without gaps, dense
// programs and audio tracks, programs on used transponders), with the duplicates that scans
// leave and the entries that hold nothing. It reads the raw arrays and never changes them;
// every index taken from the image is clamped first, so any image can be checked.

#include "dbase/layout.h"

#include <string>
#include <vector>

namespace orvane {

enum class Severity { Error, Warning, Info };

enum class CheckTable {
    Satellites,
    Sat_Transponders,
    Ter_Transponders,
    Programs,
    Audio_Tracks,
    Favourite_Groups,
    Counts,
};

// A table's use against the receiver's limit. The detail names where the fullest part is
// ("ASTRA 1") or how the total splits; it may be empty.
struct CapacityGauge
{
    std::string name;
    int used = 0;
    int limit = 0;
    std::string detail;
};

// The slot of a finding about the counters themselves.
constexpr int kNoFindingSlot = -1;

// A finding's entry as the main window's lists show it: "TV NO.3", "Radio NO.1",
// "Terrestrial TV NO.2", satellite "NO.20", "NO.2 of \"Sat 19.2E\"" (a satellite transponder
// with its satellite, named or numbered), terrestrial transponder "NO.5", "FAV.03"; "slot 4012"
// for an entry that no list shows (an audio track, a program past the count, a transponder of a
// satellite outside the table), and nothing for the counters.
struct ListedEntry
{
    std::string label;
    // Sorts the labels as numbers: by the list, then the satellite, then the number (the slot).
    int order = -1;
};

struct CheckFinding
{
    Severity severity = Severity::Error;
    CheckTable table = CheckTable::Counts;
    int slot = kNoFindingSlot; // the entry's slot in its table, a group's index 0..15
    std::string text;          // one line naming the entry; names as stored (Latin-1)
    ListedEntry entry;         // names as stored (Latin-1)
};

struct CheckReport
{
    std::vector<CapacityGauge> capacity;
    // Errors first, then warnings, then information; by table and slot within each.
    std::vector<CheckFinding> findings;

    int count(Severity severity) const;
};

CheckReport Check_Database(const RawArrays &raw);

// The keys of the machine-readable report: "error", "warning", "info"; "satellites",
// "sat_transponders", "ter_transponders", "programs", "audio_tracks", "favourite_groups",
// "counts".
const char *Severity_Key(Severity severity);
const char *Table_Key(CheckTable table);

// The programs that repeat an earlier one of the same kind (TV or radio) with the same service
// id on the same transponder: every program of such a group but the first, ascending.
std::vector<int> Duplicate_Program_Slots(const RawArrays &raw);

// The used transponders that carry no program of their own kind, in slot order. A satellite
// whose transponders are all empty keeps its number 1 off the list: deleting its last one would
// only put a default transponder in its place. Transponders of a satellite or group outside the
// tables are errors, not empty ones.
std::vector<int> Empty_Sat_Transponder_Slots(const RawArrays &raw);
std::vector<int> Empty_Ter_Transponder_Slots(const RawArrays &raw);

} // namespace orvane
