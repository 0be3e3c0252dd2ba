#pragma once

// `orvane-cli import`: the tables of a JSON export, read back and checked. Every key the export
// writes is read under the same name, in the same form (the numbers it writes as texts may
// also be numbers); a key that only repeats another in words (a polarity text beside its
// code, a program's satellite slot) must agree with it. Each value must fit its field, the
// counts must match the tables, slots must lie in their tables and stand once, a program's
// transponder must be one the tables give, and an audio track's program too.

#include "dbase/table_import.h"

#include <string>
#include <vector>

namespace orvane::cli {

struct JsonImport
{
    TableImport tables;
    // "programs[12].Video_Pid: 9000 is above 8191", or the parser's message with the line and
    // column of a document that is not JSON; at most msg::kMaxListedErrors, reading stops there.
    // Empty when the tables can be imported.
    std::vector<std::string> errors;
};

// The names are read in like's set, and a name that reads as the one its slot of like holds
// keeps that name's bytes: so an unchanged export gives back names the set does not fully
// define. A name the set cannot hold, or longer than its field in bytes, is refused.
JsonImport Read_Json_Import(const std::string &json_text, const ChannelDatabase &like);

} // namespace orvane::cli
