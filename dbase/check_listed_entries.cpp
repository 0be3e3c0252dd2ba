// Where the main window's lists show the entries of the check's findings, and the Entry column's
// words for them. A finding keeps only the list, the satellite and the number, so that a check
// that finds a thousand things does not write a thousand more texts; the check window asks for
// the words of the rows it shows.

#include "dbase/check_entries.h"

#include <algorithm>
#include <array>

namespace orvane::check {
namespace {

ListedEntry Listed_Program(const ListNumbers &lists, std::size_t program)
{
    const int number = lists.program(program);
    if (number == kNotListed)
        return {EntryList::Slot};
    // Only programs of transponder kind 1 or 2 are listed.
    const auto grid = static_cast<int>(Program_Grid(lists.raw().programs[program]));
    return {static_cast<EntryList>(static_cast<int>(EntryList::Sat_Tv) + grid), 0,
            static_cast<std::uint16_t>(number)};
}

ListedEntry Listed_Sat_Tp(const ListNumbers &lists, std::size_t tp)
{
    const int number = lists.sat_tp(tp);
    if (number == kNotListed)
        return {EntryList::Slot};
    // A listed transponder's satellite is one of the table's.
    const auto satellite
            = static_cast<std::uint8_t>(Field(lists.raw().sat_tps[tp], sat_tp::Sat_Index));
    return {EntryList::Sat_Transponders, satellite, static_cast<std::uint16_t>(number)};
}

ListedEntry Numbered(EntryList list, int number)
{
    return {number == kNotListed ? EntryList::Slot : list, 0, static_cast<std::uint16_t>(number)};
}

} // namespace

ListedEntry Listed_Entry(const ListNumbers &lists, CheckTable table, int slot)
{
    if (table == CheckTable::Counts || slot < 0)
        return {};
    const auto s = static_cast<std::size_t>(slot);
    const RawArrays &raw = lists.raw();
    switch (table) {
    case CheckTable::Programs:
        return Listed_Program(lists, s);
    case CheckTable::Sat_Transponders:
        return Listed_Sat_Tp(lists, s);
    case CheckTable::Ter_Transponders:
        return Numbered(EntryList::Ter_Transponders, lists.ter_tp(s));
    case CheckTable::Satellites:
        // The full satellite list shows every satellite, numbered from its slot.
        return Numbered(EntryList::Satellites, s < raw.satellites.size() ? slot + 1 : kNotListed);
    case CheckTable::Favourite_Groups:
        return Numbered(EntryList::Favourite_Groups,
                        s < raw.favourite_names.size() ? slot + 1 : kNotListed);
    default:
        return {EntryList::Slot};
    }
}

std::vector<std::string> Satellite_Names(const RawArrays &raw)
{
    std::vector<std::string> names;
    names.reserve(raw.satellites.size());
    for (std::size_t s = 0; s < raw.satellites.size(); ++s)
        names.emplace_back(Satellite_Name(raw, s));
    return names;
}

} // namespace orvane::check

namespace orvane {

std::string Entry_Label(const CheckReport &report, const CheckFinding &finding)
{
    static const std::array<const char *, 4> kGrids{"TV ", "Radio ", "Terrestrial TV ",
                                                    "Terrestrial radio "};
    const ListedEntry &entry = finding.entry;
    switch (entry.list) {
    case EntryList::None:
        return {};
    case EntryList::Slot:
        return "slot " + std::to_string(finding.slot);
    case EntryList::Sat_Transponders: {
        const std::vector<std::string> &names = report.satellite_names;
        const std::string_view name
                = entry.satellite < names.size() ? names[entry.satellite] : std::string_view{};
        return List_Number_Text(entry.number) + " of "
               + check::Satellite_Reference(name, entry.satellite);
    }
    case EntryList::Favourite_Groups:
        return Favourite_Number_Text(entry.number - 1);
    case EntryList::Satellites:
    case EntryList::Ter_Transponders:
        return List_Number_Text(entry.number);
    default:
        return kGrids[static_cast<std::size_t>(entry.list) - 1] + List_Number_Text(entry.number);
    }
}

int Entry_Order(const CheckFinding &finding)
{
    constexpr int kNumberBits = 12; // numbers and slots stay below 4096
    constexpr int kSatelliteBits = 6;
    const ListedEntry &entry = finding.entry;
    if (entry.list == EntryList::None)
        return -1;
    // The entries no list shows go by table, then slot.
    const int list = static_cast<int>(entry.list)
                     + (entry.list == EntryList::Slot ? static_cast<int>(finding.table) : 0);
    const int number = entry.list == EntryList::Slot ? finding.slot : entry.number;
    return (list << kSatelliteBits | entry.satellite) << kNumberBits
           | std::min(number, (1 << kNumberBits) - 1);
}

} // namespace orvane
