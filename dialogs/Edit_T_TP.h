#pragma once

// TForm_Edit_T_TP: edits one terrestrial transponder (frequency and bandwidth), or fills a
// free slot when the view state is in add mode (Is_New_Entry).

#include "dialogs/tp_dialog_frame.h"

class QComboBox;

namespace orvane {

class TForm_Edit_T_TP final : public TpDialogFrame
{
    Q_OBJECT

public:
    TForm_Edit_T_TP(ChannelDatabase &db, ViewState &view, Ui_Services &ui,
                    const TpHandOver &hand_over, QWidget *parent = nullptr);

    QLineEdit *Edit_Fre = nullptr;
    QComboBox *CB_Width = nullptr;

private:
    void Build_Controls();
    void FormShow();
    bool Check_And_Write() override;
};

} // namespace orvane
