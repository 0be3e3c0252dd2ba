#pragma once

// The main window's view state: which page is on show, what is loaded and modified, which
// list the user last narrowed the view with, and the row maps that are the only link between
// a list row and a database slot. Row maps hold their valid slots at the front in ascending
// order, then -1 up to the end.

#include "dbase/layout.h"

#include <array>
#include <span>

namespace orvane {

constexpr int kSatellitesPage = 1;
constexpr int kTerrestrialPage = 2;
constexpr int kNoSlot = -1;

struct ViewState
{
    int View_Mode = kSatellitesPage;
    bool Data_Loaded = false;
    bool Data_Modified = false;
    bool Show_Active_Only = false;

    bool Sat_Selected = false;
    bool Tp_Selected = false;
    bool Tv_Selected = false;
    bool Radio_Selected = false;
    bool Fav_Selected = false;
    int Fav_Group_Index = 0;

    std::array<int, kSatelliteCount> Sat_Row_Map{};
    std::array<int, kSatTransponderSlots> Tp_Row_Map{};
    std::array<int, kProgramSlots> Tv_Row_Map{};
    std::array<int, kProgramSlots> Radio_Row_Map{};
    std::array<std::uint8_t, kSatelliteCount> Sat_Active_Marks{};

    // Hand-over flags of the edit dialogs; the reset clears them so that no add mode
    // survives into the next dialog.
    bool Is_New_Entry = false;
    bool Is_New_TV = false;
    bool TV_Added = false;
    bool Is_New_Radio = false;
    bool Radio_Added = false;
    bool Edit_Accepted = false;

    ViewState() { Clear_Row_Maps(); }

    void Clear_Selection_Flags()
    {
        Sat_Selected = Tp_Selected = Tv_Selected = Radio_Selected = Fav_Selected = false;
    }
    void Clear_Add_Modes()
    {
        Is_New_Entry = Is_New_TV = TV_Added = Is_New_Radio = Radio_Added = false;
    }
    void Clear_Row_Maps()
    {
        Sat_Row_Map.fill(kNoSlot);
        Tp_Row_Map.fill(kNoSlot);
        Tv_Row_Map.fill(kNoSlot);
        Radio_Row_Map.fill(kNoSlot);
        Sat_Active_Marks.fill(0);
    }
};

// The slot a row map gives for list position `position`, or kNoSlot for a position outside
// the map or after its last entry.
inline int Map_Slot(std::span<const int> map, int position)
{
    if (position < 0 || position >= static_cast<int>(map.size()))
        return kNoSlot;
    return map[static_cast<std::size_t>(position)];
}

// Number of valid entries at the front of a row map.
inline int Map_Length(std::span<const int> map)
{
    int length = 0;
    while (length < static_cast<int>(map.size())
           && map[static_cast<std::size_t>(length)] != kNoSlot)
        ++length;
    return length;
}

} // namespace orvane
