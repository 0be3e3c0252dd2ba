#pragma once

// Little-endian access to the bytes of a database image or file. The receiver stores every
// multi-byte integer least significant byte first, whatever the host's byte order.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;
using MutableBytes = std::span<std::uint8_t>;

inline std::uint16_t Load_U16(ByteView bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::uint32_t Load_U32(ByteView bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset])
           | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8)
           | (static_cast<std::uint32_t>(bytes[offset + 2]) << 16)
           | (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

inline void Store_U16(MutableBytes bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void Store_U32(MutableBytes bytes, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace orvane
