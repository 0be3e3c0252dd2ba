#include "dialogs/Edit_T_TP.h"

#include "translations/ui_text.h"

#include <QComboBox>
#include <QLineEdit>

namespace orvane {

TForm_Edit_T_TP::TForm_Edit_T_TP(ChannelDatabase &db, ViewState &view, Ui_Services &ui,
                                 const TpHandOver &hand_over, QWidget *parent)
    : TpDialogFrame(db, view, ui, hand_over, parent)
{
    setObjectName(QStringLiteral("Form_Edit_T_TP"));
    Build_Controls();
    FormShow();
}

void TForm_Edit_T_TP::Build_Controls()
{
    Edit_Fre = new QLineEdit;
    Edit_Fre->setObjectName(QStringLiteral("Edit_Fre"));
    CB_Width = new QComboBox;
    CB_Width->setObjectName(QStringLiteral("CB_Width"));
    CB_Width->addItems({QStringLiteral("6 MHz"), QStringLiteral("7 MHz"), QStringLiteral("8 MHz")});
    Add_Group(tr("Frequency"), Edit_Fre, 0, 0);
    Add_Group(tr("BandWidth"), CB_Width, 0, 1);
    Add_Information({tr("Frequency:(area: 50000 -> 1000000)")});
    Add_Buttons(QStringLiteral("       ") + ui_text::Shown(ORVANE_TEXT("Orvane", "OK")), "B_OK");
}

void TForm_Edit_T_TP::FormShow()
{
    if (add_mode()) {
        CB_Width->setCurrentIndex(0);
        return;
    }
    const TTer_Tp_Info_String &row
            = m_db.rows.ter_tps[static_cast<std::size_t>(m_hand_over.Slot_Index)];
    Edit_Fre->setText(Plain_Decimal(row.Frequency));
    // A bandwidth code the list has no item for: no selection, and OK keeps the stored code.
    CB_Width->setCurrentIndex(row.Bandwidth < CB_Width->count() ? row.Bandwidth : kNoSelection);
}

bool TForm_Edit_T_TP::Check_And_Write()
{
    const TerTpInput input{Edit_Fre->text(), CB_Width->currentIndex()};
    const TerTpCheck check = Check_Ter_Tp(input);
    if (!check.verdict.ok()) {
        Refuse(check.verdict, Edit_Fre);
        return false;
    }
    if (add_mode())
        Write_Ter_Tp_Add(m_db, m_hand_over.Slot_Index, input, check.values);
    else
        Write_Ter_Tp_Change(m_db, m_hand_over.Slot_Index, input, check.values);
    return true;
}

} // namespace orvane
