#include "dialogs/Edit_S_TP.h"

#include "translations/ui_text.h"

#include <QComboBox>
#include <QLineEdit>

namespace orvane {

TForm_Edit_S_TP::TForm_Edit_S_TP(ChannelDatabase &db, ViewState &view, Ui_Services &ui,
                                 const TpHandOver &hand_over, QWidget *parent)
    : TpDialogFrame(db, view, ui, hand_over, parent)
{
    setObjectName(QStringLiteral("Form_Edit_S_TP"));
    Build_Controls();
    FormShow();
}

void TForm_Edit_S_TP::Build_Controls()
{
    Edit_Fre = new QLineEdit;
    Edit_Fre->setObjectName(QStringLiteral("Edit_Fre"));
    CB_Pol = new QComboBox;
    CB_Pol->setObjectName(QStringLiteral("CB_Pol"));
    CB_Pol->addItems({QStringLiteral("Hor"), QStringLiteral("Vert")});
    Edit_Sym = new QLineEdit;
    Edit_Sym->setObjectName(QStringLiteral("Edit_Sym"));
    CB_FEC = new QComboBox;
    CB_FEC->setObjectName(QStringLiteral("CB_FEC"));
    for (std::uint32_t fec = 0; fec <= 6; ++fec)
        CB_FEC->addItem(QString::fromStdString(Fec_Text(fec)));
    Add_Group(tr("Frequency"), Edit_Fre, 0, 0);
    Add_Group(tr("Polarity"), CB_Pol, 0, 1);
    Add_Group(tr("Symbolrate"), Edit_Sym, 1, 0);
    Add_Group(tr("FEC"), CB_FEC, 1, 1);
    Add_Information({tr("Frequency:[Min -> Max](2000 - -> 12750)"),
                     tr("Symbolrate[Min -> Max](2000 - -> 45000)")});
    Add_Buttons(ui_text::Shown(ORVANE_TEXT("Orvane", "OK")), "Bu_OK");
}

void TForm_Edit_S_TP::FormShow()
{
    if (add_mode()) {
        CB_Pol->setEnabled(true);
        CB_Pol->setCurrentIndex(0);
        CB_FEC->setCurrentIndex(0);
        return;
    }
    const TTp_Info_String &row
            = m_db.rows.sat_tps[static_cast<std::size_t>(m_hand_over.Slot_Index)];
    CB_Pol->setEnabled(Sat_Tp_Polarity_Editable(m_db, m_hand_over.Slot_Index));
    Edit_Fre->setText(Plain_Decimal(row.Frequency));
    Edit_Sym->setText(Plain_Decimal(row.Symbol_Rate));
    // A code the list has no item for leaves it with no selection.
    CB_FEC->setCurrentIndex(row.Fec < CB_FEC->count() ? row.Fec : kNoSelection);
    CB_Pol->setCurrentIndex(row.Polarity < CB_Pol->count() ? row.Polarity : kNoSelection);
}

SatTpInput TForm_Edit_S_TP::Input() const
{
    return SatTpInput{Edit_Fre->text(), Edit_Sym->text(), CB_FEC->currentIndex(),
                      CB_Pol->currentIndex(), CB_Pol->isEnabled()};
}

bool TForm_Edit_S_TP::Check_And_Write()
{
    const SatTpInput input = Input();
    const SatTpCheck check = Check_Sat_Tp(input);
    if (!check.verdict.ok()) {
        QWidget *fields[] = {nullptr, Edit_Fre, Edit_Sym, CB_FEC, CB_Pol};
        Refuse(check.verdict, fields[static_cast<int>(check.verdict.field)]);
        return false;
    }
    if (add_mode())
        Write_Sat_Tp_Add(m_db, m_hand_over, check.values);
    else
        Write_Sat_Tp_Change(m_db, m_hand_over.Slot_Index, input, check.values);
    return true;
}

} // namespace orvane
