#include "dbase/block_crc.h"

#include <array>

namespace orvane {
namespace {

using CrcTable = std::array<std::uint32_t, 256>;

constexpr CrcTable Make_Crc_Table()
{
    CrcTable table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int step = 0; step < 8; ++step)
            c = (c & 1u) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr auto kCrcTable = Make_Crc_Table();
static_assert(kCrcTable[1] == 0x77073096u && kCrcTable[255] == 0x2D02EF8Du);

constexpr std::uint32_t Crc_Step(std::uint32_t reg, std::uint8_t b)
{
    return kCrcTable[reg >> 24] ^ ((reg << 8) | b);
}

constexpr std::uint32_t Four_Zero_Steps(std::uint32_t reg)
{
    for (int i = 0; i < 4; ++i)
        reg = Crc_Step(reg, 0);
    return reg;
}

// The register update is linear, so eight bytes can be taken in one step: four steps with
// zero bytes move a register word w to Spread(w) over tables 0..3, eight steps to tables
// 4..7, and the bytes shifted in during the last four steps never reach the table lookup.
// The result is identical to the byte-at-a-time rule.
constexpr std::array<CrcTable, 8> Make_Slice_Tables()
{
    std::array<CrcTable, 8> tables{};
    for (std::uint32_t x = 0; x < 256; ++x)
        for (int k = 0; k < 4; ++k) {
            tables[k][x] = Four_Zero_Steps(x << (8 * (3 - k)));
            tables[4 + k][x] = Four_Zero_Steps(tables[k][x]);
        }
    return tables;
}

constexpr auto kSlices = Make_Slice_Tables();

inline std::uint32_t Load_Be32(const std::uint8_t *p)
{
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

inline std::uint32_t Spread(const std::array<CrcTable, 8> &t, int first, std::uint32_t word)
{
    return t[first][word >> 24] ^ t[first + 1][(word >> 16) & 0xFF]
           ^ t[first + 2][(word >> 8) & 0xFF] ^ t[first + 3][word & 0xFF];
}

} // namespace

std::uint32_t Block_Crc(ByteView bytes)
{
    std::uint32_t reg = 0;
    std::size_t i = 0;
    const std::uint8_t *p = bytes.data();
    for (; i + 8 <= bytes.size(); i += 8)
        reg = Spread(kSlices, 4, reg) ^ Spread(kSlices, 0, Load_Be32(p + i)) ^ Load_Be32(p + i + 4);
    for (; i < bytes.size(); ++i)
        reg = Crc_Step(reg, p[i]);
    return reg;
}

} // namespace orvane
