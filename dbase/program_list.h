#pragma once

// The program list as a spreadsheet holds it: one row per program under a header row, TV
// programs first, then radio programs, each in list order. A user reorders the rows, renames
// programs, ticks locked, skipped and favourite groups, and the edited list is applied back:
// each row finds its program by kind, service id and transponder frequency (then name), and
// the matched programs take the rows' order, names, flags and favourite groups.

#include "dbase/channel_database.h"
#include "dbase/order_like.h"
#include "dbase/outcome.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The header row's column names, in order.
const std::vector<std::string> &Program_List_Columns();

// The list as CSV text: UTF-8 (names read in the database's set), RFC 4180 quoting, CRLF line
// ends.
std::string Program_List_Csv(const ChannelDatabase &db);

// What one row of an edited list asks of its program.
struct ProgramListEntry
{
    int row = 0;                // as a spreadsheet numbers it: the header is row 1
    bool has_frequency = false; // a program without a usable transponder matches nothing
    ProgramIdentity identity;   // its name is given when the list is applied
    std::string name;           // the new name, UTF-8 as the list holds it
    bool locked = false;
    bool skipped = false;
    std::uint32_t favourite_mask = 0; // bit g - 1 for group g
};

struct ProgramList
{
    std::vector<ProgramListEntry> entries;
    // "row N.Column: value rule" (or "row N: fault"), at most msg::kMaxListedErrors.
    std::vector<std::string> errors;
};

// The text of a list file. Refused when it cannot be read or is larger than any list.
Outcome Read_Program_List_File(const std::string &path, std::string &text);

// Reads and checks a whole list; any error means the list must not be applied.
ProgramList Parse_Program_List(std::string_view csv);

struct ProgramListReport
{
    int applied = 0;
    std::vector<std::string> skipped; // "row 7: no program matches", "row 9: 2 programs match"
    std::vector<std::string> errors;  // when not empty, nothing was changed
};

// Applies a checked list as one operation. The names are written in the database's set: a name
// the set cannot hold, or longer than its field in bytes, refuses the list. Rows that match no
// program or several are skipped;
// two rows that match the same program refuse the whole list. Each kind's matched programs
// take their rows' order among that kind's slots, the unmatched ones following in their own
// order, and their names, locked and skipped flags and favourite groups. Nothing else changes.
ProgramListReport Apply_Program_List(ChannelDatabase &db, const ProgramList &list);

// A summary line, then the skipped rows.
std::vector<std::string> Program_List_Lines(const ProgramListReport &report);

} // namespace orvane
