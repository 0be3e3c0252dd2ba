#pragma once

// Which character set the names of a database were typed in, guessed from the names: the set
// under which most names read as the words of one script, with the letters' cases as words
// have them (single-byte sets) or with the characters that text in that set uses most
// (multi-byte sets). The guess is only offered to the user, never taken on its own.

#include "charsets/charset_table.h"
#include "dbase/channel_database.h"

#include <span>
#include <string_view>
#include <vector>

namespace orvane {

// The names of a database: its satellites', programs' and favourite groups', without the
// fields that were never written (all 0xFF).
std::vector<std::string_view> Database_Names(const ChannelDatabase &db);

// How many of the names hold a byte above 127.
int High_Byte_Names(std::span<const std::string_view> names);

// The set the names most likely are in; Latin-1 when no name holds a byte above 127 or no
// other set reads them better.
const CharsetInfo &Guess_Charset(std::span<const std::string_view> names);

} // namespace orvane
