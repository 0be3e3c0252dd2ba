#pragma once

// TFormEditLnb: the modal dialog that changes one satellite and its LNB settings. It only
// changes existing satellites; OK writes the satellite record and its display row and sets
// Edit_Accepted, Cancel (or Escape, or closing the window) writes nothing.

#include "dbase/channel_database.h"
#include "views/view_state.h"

#include <QDialog>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace orvane {

class Ui_Services;
struct LnbInput;
enum class LnbField;

class TFormEditLnb final : public QDialog
{
    Q_OBJECT

public:
    TFormEditLnb(Ui_Services &ui, ChannelDatabase &db, ViewState &view, int slot,
                 QWidget *parent = nullptr);

    void SB_OKClick();
    void SB_CancelClick();
    void CB_TypeChange(int type);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Build();
    void FormShow();
    void Apply_Type_Defaults(int type);
    void Set_Tone_Items(const QStringList &items, bool enabled);
    LnbInput Input() const;
    QWidget *Field_Widget(LnbField field) const;

    Ui_Services &m_ui;
    ChannelDatabase &m_db;
    ViewState &m_view;
    int Slot_Index;
    bool m_shown = false;

    QLineEdit *Edit_Name = nullptr;
    QComboBox *CB_Type = nullptr;
    QComboBox *CB_Low = nullptr;
    QComboBox *CB_High = nullptr;
    QComboBox *CB_Pow = nullptr;
    QComboBox *CB_22K = nullptr;
    QLineEdit *Edit_Lon = nullptr;
    QComboBox *CB_Dis = nullptr;
    QComboBox *CB_Mot = nullptr;
    QComboBox *CB_12V = nullptr;
    QAbstractButton *SB_OK = nullptr;
    QAbstractButton *SB_Cancel = nullptr;
    QPushButton *Bu_OK = nullptr;
};

} // namespace orvane
