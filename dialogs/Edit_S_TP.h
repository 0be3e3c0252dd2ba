#pragma once

// TForm_Edit_S_TP: edits one satellite transponder (frequency, polarisation, symbol rate,
// FEC), or fills a free slot when the view state is in add mode (Is_New_Entry).

#include "dialogs/tp_dialog_frame.h"

class QComboBox;

namespace orvane {

class TForm_Edit_S_TP final : public TpDialogFrame
{
    Q_OBJECT

public:
    TForm_Edit_S_TP(ChannelDatabase &db, ViewState &view, Ui_Services &ui,
                    const TpHandOver &hand_over, QWidget *parent = nullptr);

    QLineEdit *Edit_Fre = nullptr;
    QComboBox *CB_Pol = nullptr;
    QLineEdit *Edit_Sym = nullptr;
    QComboBox *CB_FEC = nullptr;

private:
    void Build_Controls();
    void FormShow();
    SatTpInput Input() const;
    bool Check_And_Write() override;
};

} // namespace orvane
