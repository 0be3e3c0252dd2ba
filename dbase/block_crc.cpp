#include "dbase/block_crc.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<std::uint32_t, 256> Make_Crc_Table()
{
    std::array<std::uint32_t, 256> table{};
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

} // namespace

std::uint32_t Block_Crc(ByteView bytes)
{
    std::uint32_t reg = 0;
    for (const std::uint8_t b : bytes)
        reg = kCrcTable[reg >> 24] ^ ((reg << 8) | b);
    return reg;
}

} // namespace orvane
