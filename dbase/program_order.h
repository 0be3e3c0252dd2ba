#pragma once

// The order of the program table is the receiver's channel list: programs lie in slots 0 to
// Program_Count - 1 in list order. Every command that changes that order (move, sort, drag,
// order like another file) is Reorder_Programs with a different order.

#include "dbase/channel_database.h"
#include "dbase/outcome.h"

#include <span>
#include <string_view>
#include <vector>

namespace orvane {

// Moves the programs of `slots` among exactly those slots: the program now in new_order[i]
// goes to the i-th lowest slot of the set. A program takes along its whole record, its display
// row, and its audio tracks: their Program_Index follows it, and the used part of the audio
// table is regrouped in program order, each program's tracks in their previous order, so that
// Current_Audio names the same track. Every other byte stays. Refused, with nothing changed,
// when a slot lies outside 0..Program_Count-1 or is given twice, or when new_order is not a
// permutation of slots.
Outcome Reorder_Programs(ChannelDatabase &db, std::span<const int> slots,
                         std::span<const int> new_order);

// The given slots in a stable order by name (in the order of the database's character set of
// names), or by service id.
std::vector<int> Order_By_Name(const ChannelDatabase &db, std::span<const int> slots);
std::vector<int> Order_By_Service_Id(const ChannelDatabase &db, std::span<const int> slots);

enum class ProgramSortKey { Name, Service_Id };

// The used programs among slots 0..Program_Count-1, of either transponder kind: the TV
// programs sorted among their own slots and the radio programs among theirs, as the sort
// commands do on a list of all programs.
void Sort_Programs(ChannelDatabase &db, ProgramSortKey key);

// The used programs among slots 0..Program_Count-1 that are radio (or TV) programs, in slot
// order.
std::vector<int> Used_Program_Slots(const ChannelDatabase &db, bool radio);

} // namespace orvane
