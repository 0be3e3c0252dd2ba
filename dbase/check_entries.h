#pragma once

// What the database check reads from the raw arrays: the fields it compares, which slots are
// used, and the one-line names of entries that its findings start with. Every index that
// comes from the image is range-checked here, so the rules can take these answers as they are.

#include "dbase/database_check.h"
#include "dbase/layout.h"
#include "dbase/list_numbers.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::check {

inline std::uint32_t Field(ByteView record, BitField field)
{
    return Read_Field(record, field);
}

bool Sat_Tp_Used(const RawArrays &raw, std::size_t tp);
bool Ter_Tp_Used(const RawArrays &raw, std::size_t tp);
bool Program_Used(const RawArrays &raw, std::size_t program);
bool Track_Used(const RawArrays &raw, std::size_t track);

// The program's transponder when it names a used one of its own kind, or -1.
int Program_Transponder(const RawArrays &raw, std::size_t program);

// The used transponders of each table, each satellite and each group, counted from the slots
// (a transponder of a satellite or group outside the tables counts in its table's total only).
struct TransponderTally
{
    int sat_total = 0;
    std::array<int, kSatelliteCount> per_satellite{};
    int ter_total = 0;
    std::array<int, kTerGroupCount> per_group{};
};
TransponderTally Tally_Transponders(const RawArrays &raw);

// A name as stored, with control characters shown as '?', so that a finding stays one line.
std::string Printable(std::string_view latin1);
// Names as stored: the program's up to its NUL, the others without trailing blanks.
std::string_view Program_Name(const RawArrays &raw, std::size_t program);
std::string_view Satellite_Name(const RawArrays &raw, std::size_t satellite);
std::string_view Favourite_Name(const RawArrays &raw, std::size_t group);

// Entry labels, numbered as the lists number them: `Satellite "ASTRA 1"`, `Transponder NO.2
// (11778 V) of "ASTRA 1"`, `Terrestrial transponder NO.3 (506000 kHz)`, `TV program "News"`,
// `Audio track (PID 257) of TV program "News"`, `Favourite group 3 "Sport"`. An entry without a
// name goes by its number (`TV program NO.4`, `Satellite NO.20`), an entry no list shows by its
// slot (`Transponder slot 7 (11778 V)`, `TV program slot 4012`).
std::string Satellite_Label(const ListNumbers &lists, std::size_t satellite);
std::string Sat_Tp_Label(const ListNumbers &lists, std::size_t tp);
std::string Ter_Tp_Label(const ListNumbers &lists, std::size_t tp);
std::string Program_Label(const ListNumbers &lists, std::size_t program);
std::string Track_Label(const ListNumbers &lists, std::size_t track);
std::string Favourite_Label(const ListNumbers &lists, std::size_t group);

// The satellite of a listed transponder (`satellite` within the table) after its "of": its
// name quoted, or `satellite NO.20` when it has none.
std::string Satellite_Reference(std::string_view name, std::size_t satellite);

// A transponder named in the finding of another one of the same satellite or group, appended
// to that finding's text: `transponder NO.1 (11778 V)`, `transponder NO.2 (514000 kHz)`.
void Append_Sat_Tp_Reference(std::string &text, const ListNumbers &lists, std::size_t tp);
void Append_Ter_Tp_Reference(std::string &text, const ListNumbers &lists, std::size_t tp);

// Where the lists show the entry of a finding about `slot` of `table`
// (check_listed_entries.cpp).
ListedEntry Listed_Entry(const ListNumbers &lists, CheckTable table, int slot);
// The satellites' names for the report's entries.
std::vector<std::string> Satellite_Names(const RawArrays &raw);

} // namespace orvane::check
