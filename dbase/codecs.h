#pragma once

// Text codecs shared by the decoder and the dialogs' input checks. Their exact behaviour is
// visible: From_Digits cuts a too-large digit string to its longest fitting prefix instead
// of clamping it, which decides what out-of-range bit fields read as.

#include "dbase/bytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

std::string To_Digits(std::int32_t value, int width, int base, char pad);
std::int32_t From_Digits(std::string_view text, int base, std::int32_t maximum);
bool No_Decimal_Point(std::string_view text);

// From_Digits(To_Digits(value, width, 2, '0'), 2, maximum) without building the text: how the
// decoder reads a packed field of `width` bits against an upper bound.
std::uint32_t From_Bits(std::uint32_t value, int width, std::uint32_t maximum);

// Plain decimal text without leading zeros, as every number of a display row is shown.
std::string Decimal_Text(std::uint32_t value);

// A value in tenths as a decimal number in its shortest form: 192 -> "19.2", 130 -> "13".
std::string Tenths_Text(std::uint32_t tenths);

// The database's 8-bit texts read as Latin-1, as UTF-8 for the screen and the terminal.
std::string Latin1_To_Utf8(std::string_view latin1);
// The Latin-1 bytes of a UTF-8 text, or nothing when it holds a character Latin-1 cannot hold
// (or is not UTF-8).
std::optional<std::string> Latin1_Of_Utf8(std::string_view utf8);

// The text of a fixed-length field: its bytes up to the first NUL, or all of them.
std::string_view Stored_Text(ByteView record, std::size_t offset, std::size_t length);

} // namespace orvane
