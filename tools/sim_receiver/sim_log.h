#pragma once

// The simulator's log on stderr, one line per event: "< CODE" for each command received,
// "> CODE" for each command sent, and notes prefixed with the program's name.

#include <string>
#include <string_view>

namespace orvane::sim {

void Log_Received(std::string_view code);
void Log_Sent(std::string_view code);
void Log_Note(const std::string &text);

} // namespace orvane::sim
