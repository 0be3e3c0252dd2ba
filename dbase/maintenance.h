#pragma once

// The deletion cascades: they remove programs, audio tracks and transponders, close the gaps,
// renumber what follows and rewrite every packed word they touch, raw record and display row
// together. They ask nothing and show nothing; the commands around them do. Counters never go
// below 0, and every index taken from the tables is checked before use.

#include "dbase/channel_database.h"

#include <span>

namespace orvane {

// Removes every audio track of program p among slots 0..n-1, keeps the others in their order
// and packs them to the front; the freed slots at the end get the empty pattern. Returns the
// number removed. The caller lowers Audio_Track_Count by it.
int Delete_Audio_Tracks(ChannelDatabase &db, int program, int track_count);

// Gives the tracks of program old_index among slots 0..n-1 the Program_Index new_index.
void Renumber_Audio_Tracks(ChannelDatabase &db, int old_index, int new_index, int track_count);

// Removes program slot p with its audio tracks; later programs move down one slot and their
// tracks follow them.
void Delete_Program(ChannelDatabase &db, int program);

// Removes the given program slots (those outside 0..Program_Count-1 and repeats are ignored)
// in one pass, leaving the same bytes as Delete_Program on each of them, highest slot first.
// Returns how many were removed.
int Delete_Programs(ChannelDatabase &db, std::span<const int> programs);

struct SatTpDeletion
{
    // The satellite's only transponder was deleted and a default transponder took its place.
    bool Default_Tp_Replaced = false;
    int default_slot = -1;
    int programs_deleted = 0;
};

// Removes satellite transponder slot t of satellite s and its programs. The last transponder
// of a satellite is replaced by the default transponder in the lowest free slot.
SatTpDeletion Delete_Sat_Transponder(ChannelDatabase &db, int tp, int satellite);

// Removes terrestrial transponder slot t of group g and its programs; the numbers of the
// group's later transponders close the gap. A group may become empty.
int Delete_Ter_Transponder(ChannelDatabase &db, int tp, int group);

// The repairs of the database check. Each removes what the check lists through the cascades
// above and returns how many entries it removed.
// Every program that repeats an earlier one (Duplicate_Program_Slots); the first one stays.
int Remove_Duplicate_Programs(ChannelDatabase &db);
// Every used transponder of the whole database, both tables, that carries no program of its
// own kind; a satellite keeps its last transponder.
int Delete_All_Empty_Transponders(ChannelDatabase &db);

} // namespace orvane
