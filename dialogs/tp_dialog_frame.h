#pragma once

// What the two transponder dialogs share: a modal window without title-bar buttons, centred
// on the screen, with captioned field groups, a disabled information box, the flat OK and
// Cancel buttons and a 1 by 1 pixel default button that makes Enter act as OK. Every way of
// closing other than OK (Cancel, Escape, the window manager) takes the Cancel path.

#include "dialogs/tp_edit_logic.h"
#include "views/view_state.h"

#include <QDialog>

class QGridLayout;
class QLineEdit;

namespace orvane {

class Ui_Services;

class TpDialogFrame : public QDialog
{
    Q_OBJECT

public:
    void SB_OKClick();
    void SB_CancelClick() { reject(); }
    void reject() override;

protected:
    TpDialogFrame(ChannelDatabase &db, ViewState &view, Ui_Services &ui,
                  const TpHandOver &hand_over, QWidget *parent);

    bool add_mode() const { return m_add_mode; }
    // A field under its group caption, at a cell of the field grid.
    void Add_Group(const QString &caption, QWidget *field, int row, int column);
    void Add_Information(const QStringList &lines);
    void Add_Buttons(const QString &ok_caption, const char *default_button_name);
    // Shows a refusal: the message, the field emptied when asked, and the focus on it.
    void Refuse(const TpVerdict &verdict, QWidget *field);
    void Accept_Edit();

    // Checks and writes; false when the input was refused.
    virtual bool Check_And_Write() = 0;

    void showEvent(QShowEvent *event) override;

    ChannelDatabase &m_db;
    ViewState &m_view;
    Ui_Services &m_ui;
    TpHandOver m_hand_over;

private:
    bool m_add_mode;
    QGridLayout *m_fields = nullptr;
    int m_next_row = 0;
};

} // namespace orvane
