#pragma once

// The database check: how full each table is, and where the image breaks the rules the
// receiver relies on (counts that match their tables, transponder numbers without gaps, dense
// programs and audio tracks, programs on used transponders), with the duplicates that scans
// leave and the entries that hold nothing. It reads the raw arrays and never changes them;
// every index taken from the image is clamped first, so any image can be checked.

#include "dbase/layout.h"
#include "translations/text_mark.h"

#include <cstdint>
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
// ("ASTRA 1") or how the total splits; it may be empty. The name is a marked text; the details
// put numbers beside these pieces.
inline constexpr const char *kTerrestrialGroup = ORVANE_TEXT("Orvane", "Terrestrial group ");
inline constexpr const char *kTvPart = ORVANE_TEXT("Orvane", " TV, ");
inline constexpr const char *kRadioPart = ORVANE_TEXT("Orvane", " radio");
struct CapacityGauge
{
    std::string name;
    int used = 0;
    int limit = 0;
    std::string detail;
};

// The slot of a finding about the counters themselves.
constexpr int kNoFindingSlot = -1;

// The lists of the main window that show the entries of findings, in the order the check
// window's Entry column sorts them.
enum class EntryList : std::uint8_t {
    None, // the counters
    Sat_Tv,
    Sat_Radio,
    Ter_Tv,
    Ter_Radio,
    Satellites,
    Sat_Transponders,
    Ter_Transponders,
    Favourite_Groups,
    Slot, // no list shows the entry: its slot stands for it
};

// Where a finding's entry stands in the lists: its list and the number in front of its row.
struct ListedEntry
{
    EntryList list = EntryList::None;
    std::uint8_t satellite = 0; // a satellite transponder's satellite
    std::uint16_t number = 0;   // from 1; 0 for the counters and for an entry no list shows
};

struct CheckFinding
{
    Severity severity = Severity::Error;
    CheckTable table = CheckTable::Counts;
    int slot = kNoFindingSlot; // the entry's slot in its table, a group's index 0..15
    ListedEntry entry;
    std::string text; // one line naming the entry; names as stored (Latin-1)
};

struct CheckReport
{
    std::vector<CapacityGauge> capacity;
    // Errors first, then warnings, then information; by table and slot within each.
    std::vector<CheckFinding> findings;
    // The satellites' names as stored (Latin-1), for the entries of their transponders.
    std::vector<std::string> satellite_names;

    int count(Severity severity) const;
};

CheckReport Check_Database(const RawArrays &raw);

// The keys of the machine-readable report: "error", "warning", "info"; "satellites",
// "sat_transponders", "ter_transponders", "programs", "audio_tracks", "favourite_groups",
// "counts".
const char *Severity_Key(Severity severity);
const char *Table_Key(CheckTable table);

// A finding's entry as the check window's Entry column shows it, in the lists' own words:
// "TV NO.3", "Radio NO.1", "Terrestrial TV NO.2", a satellite "NO.20", a satellite transponder
// "NO.2 of \"Sat 19.2E\"" (or "NO.2 of satellite NO.20" when the satellite has no name), a
// terrestrial transponder "NO.5", a favourite group "FAV.03"; "slot 4012" for an entry that no
// list shows (an audio track, a program past the count, a transponder of a satellite outside the
// table), and "" for the counters.
std::string Entry_Label(const CheckReport &report, const CheckFinding &finding);
// Sorts the entries as numbers: by list, then satellite, then number (or slot).
int Entry_Order(const CheckFinding &finding);

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
