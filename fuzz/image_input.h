#pragma once

// How fuzz_image reads its input: an unpacked image whose last bytes, which belong to no
// record region and are never saved, carry the file setting of the database it decodes into.

#include "dbase/Orvane_dbase.h"

namespace orvane::fuzz {

constexpr std::size_t kHeaderInImage = kImageSize - kHeaderSize; // the 80-byte file header
constexpr std::size_t kOptionsInImage = kHeaderInImage - 1;      // the byte before it
constexpr std::uint8_t kOptionDefaultKind = 1;                   // else Channel Data
constexpr std::uint8_t kOptionSecondBank = 2;                    // else the first half

} // namespace orvane::fuzz
