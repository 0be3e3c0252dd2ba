#include "dialogs/run_tp_dialog.h"

#include "dialogs/Edit_S_TP.h"
#include "dialogs/Edit_T_TP.h"

namespace orvane {

bool Run_Tp_Dialog(ChannelDatabase &db, ViewState &view, Ui_Services &ui,
                   const TpHandOver &hand_over, QWidget *parent)
{
    if (view.View_Mode == kTerrestrialPage) {
        TForm_Edit_T_TP dialog(db, view, ui, hand_over, parent);
        dialog.exec();
    } else {
        TForm_Edit_S_TP dialog(db, view, ui, hand_over, parent);
        dialog.exec();
    }
    return view.Edit_Accepted;
}

} // namespace orvane
