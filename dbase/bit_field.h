#pragma once

// The one way to read and write a packed field of a record. A field is a run of bits inside
// a little-endian word that starts at a byte offset of its record; a writer replaces only the
// field's own bits and leaves every other bit of the word as it was.

#include "dbase/bytes.h"

#include <cassert>

namespace orvane {

struct BitField
{
    std::uint16_t byte_offset; // offset of the word inside the record
    std::uint8_t first_bit;    // bit 0 is the least significant bit of the word
    std::uint8_t width;        // 1..32

    constexpr std::uint32_t max_value() const
    {
        return width >= 32 ? 0xFFFFFFFFu : ((1u << width) - 1u);
    }
    // Only the bytes the field touches are read, so a field in a record's last byte never
    // reaches past the record.
    constexpr std::size_t byte_count() const { return (first_bit + width + 7u) / 8u; }
};

inline std::uint32_t Read_Word(ByteView record, std::size_t offset, std::size_t count)
{
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < count; ++i)
        word |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    return word;
}

inline void Write_Word(MutableBytes record, std::size_t offset, std::size_t count,
                       std::uint32_t word)
{
    for (std::size_t i = 0; i < count; ++i)
        record[offset + i] = static_cast<std::uint8_t>(word >> (8 * i));
}

inline std::uint32_t Read_Field(ByteView record, BitField field)
{
    const std::uint32_t word = Read_Word(record, field.byte_offset, field.byte_count());
    return (word >> field.first_bit) & field.max_value();
}

// The caller keeps value within the field's width; a wider value is a programming error and
// is cut to the field so that it can never spill into a neighbouring field.
inline void Write_Field(MutableBytes record, BitField field, std::uint32_t value)
{
    assert(value <= field.max_value());
    const std::size_t count = field.byte_count();
    const std::uint32_t mask = field.max_value() << field.first_bit;
    std::uint32_t word = Read_Word(record, field.byte_offset, count);
    word = (word & ~mask) | ((value << field.first_bit) & mask);
    Write_Word(record, field.byte_offset, count, word);
}

} // namespace orvane
