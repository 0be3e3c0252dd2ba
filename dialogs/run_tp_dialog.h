#pragma once

// Runs the transponder dialog of the page on show, modally, for the slot handed over: the
// satellite dialog on the "Satellites" page, the terrestrial one on the "Terrestrial" page.
// The view state's Is_New_Entry chooses the change or the add mode.

#include "dialogs/tp_edit_logic.h"

class QWidget;

namespace orvane {

class Ui_Services;
struct ViewState;

// Returns Edit_Accepted: whether the dialog stored its input.
bool Run_Tp_Dialog(ChannelDatabase &db, ViewState &view, Ui_Services &ui,
                   const TpHandOver &hand_over, QWidget *parent);

} // namespace orvane
