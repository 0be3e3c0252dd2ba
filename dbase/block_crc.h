#pragma once

// The 32-bit block checksum of database files. It uses the table of the reflected CRC-32 but
// shifts its register the other way (most significant byte out, new byte in at the bottom),
// with no final inversion; files exchanged with the receiver depend on this exact rule.

#include "dbase/bytes.h"

namespace orvane {

std::uint32_t Block_Crc(ByteView bytes);

} // namespace orvane
