#pragma once

// The row-map builders: they fill Tp_Row_Map and the two program maps with the slots a list
// shows, in ascending slot order. Every builder first sets all entries of the maps it fills
// to -1. Programs are scanned over slots 0..Program_Count-1 (at most the 4,000 slots),
// transponders over all slots; "used" means In_Use 1 in the display row.

#include "dbase/channel_database.h"
#include "views/view_state.h"

namespace orvane {

void List_Used_Sat_Tps(const ChannelDatabase &db, ViewState &view);
void List_Used_Ter_Tps(const ChannelDatabase &db, ViewState &view);
void List_Sat_Tps_Of(const ChannelDatabase &db, ViewState &view, int satellite);
// Satellite transponders of the satellites marked in Sat_Active_Marks.
void List_Sat_Tps_Of_Marked(const ChannelDatabase &db, ViewState &view);

void Clear_Program_Maps(ViewState &view);
void List_Programs(const ChannelDatabase &db, ViewState &view, int kind);
void List_Programs_Of_Tp(const ChannelDatabase &db, ViewState &view, int tp, int kind);
void List_Programs_Of_Sat(const ChannelDatabase &db, ViewState &view, int satellite, int kind);
// Group index g0 is 0-based (group g0 + 1); a group outside 0..15 lists nothing.
void List_Programs_Of_Fav(const ChannelDatabase &db, ViewState &view, int group, int kind);
void List_Programs_Of_Sat_Fav(const ChannelDatabase &db, ViewState &view, int group, int satellite,
                              int kind);

// Whether a program is a member of 0-based favourite group g0, read from its mask text
// (character 16 - g0, 0-based, stands for group g0 + 1).
bool Is_Favourite_Member(const TProg_Info_String &row, int group);

// Program slots 0..Program_Count-1, clamped to the table.
int Listed_Program_Count(const ChannelDatabase &db);

} // namespace orvane
