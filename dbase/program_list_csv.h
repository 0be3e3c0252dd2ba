#pragma once

// Comma-separated text as spreadsheets write and read it: a field holding a comma, a quote or
// a line break is quoted, with its quotes doubled; records end in CRLF, and LF alone is taken
// as well, since editors on this system save that.

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One record: its fields, and the number of the record in the text from 1.
struct CsvRecord
{
    int number = 0;
    std::vector<std::string> fields;
};

struct CsvText
{
    std::vector<CsvRecord> records;
    std::string error; // the first fault of the text, "row N: ..."; nothing when empty
};

// A record as a line of the text, CRLF included.
std::string Csv_Line(const std::vector<std::string> &fields);

// The records of a text. A byte order mark before the first one is skipped, and a last line
// break ends the last record rather than starting an empty one. Reading stops at the first
// fault: a quoted field left open, or a quote inside or after a field it does not enclose.
CsvText Split_Csv(std::string_view text);

} // namespace orvane
