#pragma once

// `orvane-cli help COMMAND`: the usage lines of one command, as the usage text gives them, and
// what to know about it.

#include <optional>
#include <string>

namespace orvane::cli {

// The help of command; nothing when there is no such command.
std::optional<std::string> Command_Help(const std::string &command);

// "orvane-cli 1.0.7\n".
std::string Version_Text();

} // namespace orvane::cli
