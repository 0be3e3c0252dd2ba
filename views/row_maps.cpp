#include "views/row_maps.h"

#include <algorithm>

namespace orvane {
namespace {

// The maps read every row of their table: walked from begin(), the rows are made once and then
// read without a check each.
template<typename Map, typename Rows, typename Keep>
void Fill_Map(Map &map, const Rows &table, int count, Keep keep)
{
    map.fill(kNoSlot);
    std::size_t next = 0;
    const auto rows = table.begin();
    for (int slot = 0; slot < count; ++slot)
        if (keep(rows[slot]))
            map[next++] = slot;
}

// Fills both program maps with the used programs of `kind` that `keep` accepts: radio
// programs into Radio_Row_Map, all others into Tv_Row_Map.
template<typename Keep>
void Fill_Program_Maps(const ChannelDatabase &db, ViewState &view, int kind, Keep keep)
{
    Clear_Program_Maps(view);
    std::size_t tv = 0;
    std::size_t radio = 0;
    const auto rows = db.rows.programs.begin();
    for (int p = 0; p < Listed_Program_Count(db); ++p) {
        const TProg_Info_String &row = rows[p];
        if (row.In_Use != 1 || row.Tp_Kind != kind || !keep(row))
            continue;
        if (row.Is_Radio)
            view.Radio_Row_Map[radio++] = p;
        else
            view.Tv_Row_Map[tv++] = p;
    }
}

bool Valid_Group(int group)
{
    return group >= 0 && group < kFavouriteGroupCount;
}

} // namespace

int Listed_Program_Count(const ChannelDatabase &db)
{
    return std::clamp(db.Program_Count, 0, kProgramSlots);
}

bool Is_Favourite_Member(const TProg_Info_String &row, int group)
{
    const auto index = static_cast<std::size_t>(15 - group);
    return Valid_Group(group) && index < row.Favourite_Mask.size()
           && row.Favourite_Mask[index] == '1';
}

void List_Used_Sat_Tps(const ChannelDatabase &db, ViewState &view)
{
    Fill_Map(view.Tp_Row_Map, db.rows.sat_tps, kSatTransponderSlots,
             [](const TTp_Info_String &row) { return row.In_Use == 1; });
}

void List_Used_Ter_Tps(const ChannelDatabase &db, ViewState &view)
{
    Fill_Map(view.Tp_Row_Map, db.rows.ter_tps, kTerTransponderSlots,
             [](const TTer_Tp_Info_String &row) { return row.In_Use == 1; });
}

void List_Sat_Tps_Of(const ChannelDatabase &db, ViewState &view, int satellite)
{
    Fill_Map(view.Tp_Row_Map, db.rows.sat_tps, kSatTransponderSlots,
             [satellite](const TTp_Info_String &row) {
                 return row.In_Use == 1 && row.Sat_Index == satellite;
             });
}

void List_Sat_Tps_Of_Marked(const ChannelDatabase &db, ViewState &view)
{
    Fill_Map(view.Tp_Row_Map, db.rows.sat_tps, kSatTransponderSlots,
             [&view](const TTp_Info_String &row) {
                 return row.In_Use == 1 && row.Sat_Index < kSatelliteCount
                        && view.Sat_Active_Marks[row.Sat_Index] == 1;
             });
}

void Clear_Program_Maps(ViewState &view)
{
    view.Tv_Row_Map.fill(kNoSlot);
    view.Radio_Row_Map.fill(kNoSlot);
}

void List_Programs(const ChannelDatabase &db, ViewState &view, int kind)
{
    Fill_Program_Maps(db, view, kind, [](const TProg_Info_String &) { return true; });
}

void List_Programs_Of_Tp(const ChannelDatabase &db, ViewState &view, int tp, int kind)
{
    Fill_Program_Maps(db, view, kind,
                      [tp](const TProg_Info_String &row) { return row.Tp_Index == tp; });
}

void List_Programs_Of_Sat(const ChannelDatabase &db, ViewState &view, int satellite, int kind)
{
    Fill_Program_Maps(db, view, kind, [satellite](const TProg_Info_String &row) {
        return satellite >= 0 && row.Sat_Slot == satellite;
    });
}

void List_Programs_Of_Fav(const ChannelDatabase &db, ViewState &view, int group, int kind)
{
    Fill_Program_Maps(db, view, kind, [group](const TProg_Info_String &row) {
        return Is_Favourite_Member(row, group);
    });
}

void List_Programs_Of_Sat_Fav(const ChannelDatabase &db, ViewState &view, int group, int satellite,
                              int kind)
{
    Fill_Program_Maps(db, view, kind, [group, satellite](const TProg_Info_String &row) {
        return satellite >= 0 && row.Sat_Slot == satellite && Is_Favourite_Member(row, group);
    });
}

} // namespace orvane
