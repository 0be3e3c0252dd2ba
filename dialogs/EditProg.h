#pragma once

// TFormEditProg: the modal dialog for one TV or radio program. Change mode edits the program
// in Slot_Index; add mode (Is_New_TV or Is_New_Radio set) appends a program on Tp_Slot. OK
// checks every field before the first write; any other way out is Cancel.

#include "dialogs/prog_edit_logic.h"
#include "views/view_state.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace orvane {

class Ui_Services;

class TFormEditProg final : public QDialog
{
    Q_OBJECT

public:
    TFormEditProg(ChannelDatabase &db, ViewState &view, Ui_Services &ui, ProgHandOver hand_over,
                  QWidget *parent = nullptr);

    bool add_mode() const { return m_view.Is_New_TV || m_view.Is_New_Radio; }

    void SB_OKClick();
    void SB_CancelClick();

    void reject() override; // Escape and the window's close button: the Cancel path
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Build_Form();
    QWidget *Build_Program_Fields();
    QWidget *Build_Favourites();
    QWidget *Build_Ca_Fields();
    QWidget *Build_Transponder_Panels();
    static QWidget *Build_Information();
    QWidget *Build_Buttons();

    void FormShow();
    void Show_Transponder();
    void Show_Program();
    void Show_Ca_Names(const std::array<QString, 4> &names);
    ProgInput Input() const;
    QLineEdit *Field(ProgField field) const;
    void Refuse(const ProgVerdict &verdict);

    ChannelDatabase &m_db;
    ViewState &m_view;
    Ui_Services &m_ui;
    ProgHandOver m_hand_over;
    bool m_shown = false;

    QLineEdit *m_name = nullptr;
    QLineEdit *m_pcr = nullptr;
    QLineEdit *m_pvt = nullptr;
    QLineEdit *m_vid = nullptr;
    QLineEdit *m_aud = nullptr;
    QLineEdit *m_pmt = nullptr;
    QLineEdit *m_sid = nullptr;
    QCheckBox *m_skip = nullptr;
    QCheckBox *m_lock = nullptr;
    std::array<QCheckBox *, kFavouriteGroupCount> m_favs{};
    std::array<QLineEdit *, 4> m_ca{};
    QWidget *m_panel_s_tp = nullptr;
    QWidget *m_panel_t_tp = nullptr;
    QLineEdit *m_s_fre = nullptr;
    QComboBox *m_pol = nullptr;
    QLineEdit *m_sym = nullptr;
    QComboBox *m_fec = nullptr;
    QLineEdit *m_t_fre = nullptr;
    QComboBox *m_width = nullptr;
};

} // namespace orvane
