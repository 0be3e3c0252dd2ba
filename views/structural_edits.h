#pragma once

// The commands that change the structure of the database: add a transponder, a TV or a radio
// program, delete a transponder with its programs, delete the empty transponders on show,
// delete a program. Each works on the page on show, refuses at the limits of the tables,
// asks before it deletes, runs the edit dialog through its host and rebuilds the lists,
// current rows and info pane afterwards. The main window's menu handlers call them.

#include "views/main_views.h"

#include <optional>
#include <span>

namespace orvane {

// What the commands need from the window: its message boxes and edit dialogs.
class EditCommandHost
{
public:
    virtual ~EditCommandHost() = default;
    // An error box with an OK button.
    virtual void Show_Error(const char *text) = 0;
    // A warning box with Yes and No; true only for Yes.
    virtual bool Confirm(const char *text) = 0;
    // The transponder dialog of the page on show in add mode (Is_New_Entry is set). It sets
    // Edit_Accepted once it has stored the transponder.
    virtual void Run_New_Tp_Dialog(int slot, int satellite, int tp_number) = 0;
    // The program dialog in add mode (Is_New_TV or Is_New_Radio is set); it sets TV_Added or
    // Radio_Added once it has stored the program in slot `slot`.
    virtual void Run_New_Program_Dialog(int slot, int tp_slot) = 0;
};

// The grid a command leaves with the focus, if any.
using FocusRequest = std::optional<GridId>;

FocusRequest New_TpClick(MainViews &views, EditCommandHost &host);
FocusRequest New_TvClick(MainViews &views, EditCommandHost &host);
FocusRequest New_RadioClick(MainViews &views, EditCommandHost &host);
FocusRequest Delete_TpClick(MainViews &views, EditCommandHost &host);
FocusRequest Del_All_Empty_TpClick(MainViews &views, EditCommandHost &host);
FocusRequest Delete_TvClick(MainViews &views, EditCommandHost &host);
FocusRequest Delete_RadioClick(MainViews &views, EditCommandHost &host);
// "Delete selected programs": the programs of the grid's rows (from 1), one or more,
// after one confirmation, each through the program cascade.
FocusRequest Delete_ProgramsClick(MainViews &views, EditCommandHost &host, GridId grid,
                                  std::span<const int> rows);

// The lowest slot whose display row is unused, or -1 when the table is full.
int Free_Sat_Tp_Slot(const ChannelDatabase &db);
int Free_Ter_Tp_Slot(const ChannelDatabase &db);
// Used programs among slots 0..Program_Count-1 on satellite transponder tp.
int Sat_Programs_On(const ChannelDatabase &db, int tp);

} // namespace orvane
