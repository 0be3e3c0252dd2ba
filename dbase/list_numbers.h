#pragma once

// The numbers the main window's lists put in front of their rows ("NO.3: "), worked out from
// the raw arrays, so that the database check names an entry as the user finds it in the lists
// and not by its slot. The rules are those of the full lists (views/row_maps.h), each in slot
// order: a program is numbered among the used programs below the program count of its page
// (satellite or terrestrial transponder kind) and its grid (TV or radio); a satellite
// transponder among the used transponders of its satellite, as the transponder grid shows them
// once the satellite is chosen; a terrestrial transponder among all used terrestrial ones,
// which the terrestrial page lists in one grid. A table is numbered on its first question, so
// that a check that names nothing in it pays nothing for it.

#include "dbase/layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// The number of an entry that no list shows.
constexpr int kNotListed = 0;

// "NO.3": a row's number as the lists write it.
std::string List_Number_Text(int number);
// "FAV.03": the number of 0-based favourite group g0 as the favourite list writes it.
std::string Favourite_Number_Text(int group);

// The program grids that number their rows apart: TV and radio of each transponder kind.
enum class ProgramGrid { Sat_Tv, Sat_Radio, Ter_Tv, Ter_Radio };
constexpr std::size_t kProgramGrids = 4;
// The grid of a program whose transponder kind is 1 or 2.
ProgramGrid Program_Grid(ByteView record);

class ListNumbers
{
public:
    explicit ListNumbers(const RawArrays &raw)
        : m_raw(raw)
    {}

    const RawArrays &raw() const { return m_raw; }

    // Each the entry's number from 1, or kNotListed; any slot may be asked about.
    int program(std::size_t slot) const;
    int sat_tp(std::size_t slot) const;
    int ter_tp(std::size_t slot) const;

private:
    static int Number(const std::vector<std::uint16_t> &numbers, std::size_t slot);

    const RawArrays &m_raw;
    mutable std::vector<std::uint16_t> m_programs;
    mutable std::vector<std::uint16_t> m_sat_tps;
    mutable std::vector<std::uint16_t> m_ter_tps;
};

} // namespace orvane
