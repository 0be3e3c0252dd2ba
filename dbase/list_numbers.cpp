#include "dbase/list_numbers.h"

#include "dbase/decode.h"

#include <array>
#include <charconv>

namespace orvane {
namespace {

std::vector<std::uint16_t> Number_Programs(const RawArrays &raw)
{
    std::vector<std::uint16_t> numbers(raw.programs.size(), kNotListed);
    std::array<std::uint16_t, kProgramGrids> next{};
    const auto count = static_cast<std::size_t>(Used_Program_Count(raw));
    for (std::size_t p = 0; p < count; ++p) {
        const ProgramRecord &record = raw.programs[p];
        const std::uint32_t kind = Read_Field(record, prog::Tp_Kind);
        if (Read_Field(record, prog::In_Use) != 1
            || (kind != prog::kKindSatellite && kind != prog::kKindTerrestrial))
            continue;
        numbers[p] = ++next[static_cast<std::size_t>(Program_Grid(record))];
    }
    return numbers;
}

std::vector<std::uint16_t> Number_Sat_Tps(const RawArrays &raw)
{
    std::vector<std::uint16_t> numbers(raw.sat_tps.size(), kNotListed);
    std::array<std::uint16_t, kSatelliteCount> next{};
    for (std::size_t t = 0; t < raw.sat_tps.size(); ++t) {
        const std::uint32_t satellite = Read_Field(raw.sat_tps[t], sat_tp::Sat_Index);
        if (Read_Field(raw.sat_tps[t], sat_tp::In_Use) == 1 && satellite < kSatelliteCount)
            numbers[t] = ++next[satellite];
    }
    return numbers;
}

std::vector<std::uint16_t> Number_Ter_Tps(const RawArrays &raw)
{
    std::vector<std::uint16_t> numbers(raw.ter_tps.size(), kNotListed);
    std::uint16_t next = 0;
    for (std::size_t t = 0; t < raw.ter_tps.size(); ++t) {
        if (Read_Field(raw.ter_tps[t], ter_tp::In_Use) == 1)
            numbers[t] = ++next;
    }
    return numbers;
}

} // namespace

ProgramGrid Program_Grid(ByteView record)
{
    const std::uint32_t kind = Read_Field(record, prog::Tp_Kind);
    return static_cast<ProgramGrid>((kind - 1) * 2 + Read_Field(record, prog::Is_Radio));
}

// A check of a full database writes a thousand of these: the digits go straight into the text.
std::string List_Number_Text(int number)
{
    std::array<char, 16> text{'N', 'O', '.'};
    const char *end = std::to_chars(text.data() + 3, text.data() + text.size(), number).ptr;
    return std::string(text.data(), static_cast<std::size_t>(end - text.data()));
}

std::string Favourite_Number_Text(int group)
{
    const int number = group + 1;
    return (number <= 9 ? "FAV.0" : "FAV.") + std::to_string(number);
}

int ListNumbers::Number(const std::vector<std::uint16_t> &numbers, std::size_t slot)
{
    return slot < numbers.size() ? numbers[slot] : kNotListed;
}

int ListNumbers::program(std::size_t slot) const
{
    if (m_programs.empty())
        m_programs = Number_Programs(m_raw);
    return Number(m_programs, slot);
}

int ListNumbers::sat_tp(std::size_t slot) const
{
    if (m_sat_tps.empty())
        m_sat_tps = Number_Sat_Tps(m_raw);
    return Number(m_sat_tps, slot);
}

int ListNumbers::ter_tp(std::size_t slot) const
{
    if (m_ter_tps.empty())
        m_ter_tps = Number_Ter_Tps(m_raw);
    return Number(m_ter_tps, slot);
}

} // namespace orvane
