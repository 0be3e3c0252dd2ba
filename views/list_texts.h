#pragma once

// The texts the lists show for one database row. Every text the views produce is UTF-8; the
// database's names are read in its character set of names on the way.

#include "dbase/channel_database.h"
#include "dbase/codecs.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// "NO." + (position + 1) + ": ".
std::string Row_Number_Text(int position);

// A digit text with leading zeros to `width`; a text already that long stays unchanged.
std::string Zero_Padded(const std::string &digits, std::size_t width);

// Favourite list line of 0-based group g0: "FAV.0g :  name" for groups 1..9, "FAV.g :  name"
// for 10..16.
std::string Favourite_Line(const ChannelDatabase &db, int group);
// The favourite list: the lines of the 16 groups in order.
std::vector<std::string> Favourite_Lines(const ChannelDatabase &db);

// The satellite and transponder lines of the info pane; a slot outside its table gives the
// caption alone.
std::string Info_Sat_Line(const ChannelDatabase &db, int satellite);
std::string Info_Sat_Tp_Line(const ChannelDatabase &db, int tp);
std::string Info_Ter_Tp_Line(const ChannelDatabase &db, int tp);

// The audio PID the info pane shows for a program: its current audio track's, or its own
// Audio_Pid when Current_Audio is 0 or names a track the program does not own.
std::string Current_Audio_Pid_Text(const ChannelDatabase &db, int program);

// Show_Info(sat, tp, prog) of a page: the info pane's lines; each argument a slot or -1.
std::vector<std::string> Info_Lines(const ChannelDatabase &db, int view_mode, int satellite, int tp,
                                    int program);

} // namespace orvane
