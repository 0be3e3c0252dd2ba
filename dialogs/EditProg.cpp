#include "dialogs/EditProg.h"

#include "dialogs/dialog_buttons.h"
#include "translations/ui_text.h"
#include "views/ui_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr int kPidLength = 4;
const QColor kPanelColour(0xDD, 0xDD, 0xDD);

QLineEdit *Make_Edit(const char *name, int max_length)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(max_length);
    return edit;
}

// A text field in a group box captioned like the field.
QGroupBox *Boxed(const QString &caption, QWidget *content)
{
    auto *box = new QGroupBox(caption);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

QComboBox *Make_List(const char *name, std::initializer_list<const char *> items)
{
    auto *list = new QComboBox;
    list->setObjectName(QLatin1String(name));
    for (const char *item : items)
        list->addItem(QLatin1String(item));
    return list;
}

void Set_Base_Colour(QLineEdit *edit, const QColor &colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, colour);
    edit->setPalette(palette);
}

// Selects a stored code, or nothing when the list has no item for it.
void Select_Code(QComboBox *list, int code)
{
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
}

} // namespace

TFormEditProg::TFormEditProg(ChannelDatabase &db, ViewState &view, Ui_Services &ui,
                             ProgHandOver hand_over, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_db(db)
    , m_view(view)
    , m_ui(ui)
    , m_hand_over(hand_over)
{
    setObjectName(QStringLiteral("FormEditProg"));
    setModal(true);
    Build_Form();
}

// Two columns keep the dialog low enough for a screen of 768 pixels: the program's own fields
// on the left, its favourite groups, CA systems and transponder on the right, the buttons
// below both. Widgets join the dialog in tab order, left column first. The dialog takes the
// size its contents ask for.
void TFormEditProg::Build_Form()
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *columns = new QHBoxLayout;
    layout->addLayout(columns);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    left->addWidget(Build_Program_Fields());
    left->addWidget(Build_Information());
    left->addStretch();
    right->addWidget(Build_Favourites());
    right->addWidget(Build_Ca_Fields());
    right->addWidget(Build_Transponder_Panels());
    right->addStretch();
    layout->addWidget(Build_Buttons());
}

QWidget *TFormEditProg::Build_Information()
{
    auto *info = new QGroupBox;
    info->setEnabled(false);
    auto *info_layout = new QVBoxLayout(info);
    info_layout->addWidget(new QLabel(tr("All PID         : (area:0 --> 8191)")));
    return info;
}

QWidget *TFormEditProg::Build_Program_Fields()
{
    auto *panel = new QWidget;
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    m_name = Make_Edit("Edit_Name", static_cast<int>(prog::kNameLength));
    m_pcr = Make_Edit("Edit_PCR", kPidLength);
    m_pvt = Make_Edit("Edit_Pvt", kPidLength);
    m_vid = Make_Edit("Edit_Vid", kPidLength);
    m_aud = Make_Edit("Edit_Aud", kPidLength);
    m_pmt = Make_Edit("Edit_Pmt", kPidLength);
    m_sid = Make_Edit("Edit_SID", kPidLength);
    grid->addWidget(Boxed(tr("Name"), m_name), 0, 0, 1, 2);
    grid->addWidget(Boxed(tr("Pcr PID"), m_pcr), 1, 0);
    grid->addWidget(Boxed(tr("Pvt PID"), m_pvt), 1, 1);
    grid->addWidget(Boxed(tr("Vid PID"), m_vid), 2, 0);
    grid->addWidget(Boxed(tr("Aud PID"), m_aud), 2, 1);
    grid->addWidget(Boxed(tr("Pmt PID"), m_pmt), 3, 0);
    grid->addWidget(Boxed(tr("Service ID"), m_sid), 3, 1);
    m_skip = new QCheckBox(tr("Skipped"));
    m_skip->setObjectName(QStringLiteral("ChB_Ski"));
    m_lock = new QCheckBox(tr("Locked"));
    m_lock->setObjectName(QStringLiteral("ChB_Lock"));
    grid->addWidget(m_skip, 4, 0);
    grid->addWidget(m_lock, 4, 1);
    return panel;
}

QWidget *TFormEditProg::Build_Favourites()
{
    auto *box = new QGroupBox(tr("FAV"));
    auto *grid = new QGridLayout(box);
    for (int k = 0; k < kFavouriteGroupCount; ++k) {
        auto *check = new QCheckBox(QStringLiteral("FAV"));
        check->setObjectName(QStringLiteral("ChB_Fav%1").arg(k + 1));
        m_favs[static_cast<std::size_t>(k)] = check;
        grid->addWidget(check, k / 4, k % 4);
    }
    return box;
}

QWidget *TFormEditProg::Build_Ca_Fields()
{
    auto *box = new QGroupBox(tr("CA System"));
    auto *grid = new QGridLayout(box);
    for (std::size_t i = 0; i < m_ca.size(); ++i) {
        auto *edit = new QLineEdit;
        edit->setObjectName(QStringLiteral("Edit_CA%1").arg(i));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        m_ca[i] = edit;
        grid->addWidget(edit, static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    return box;
}

QWidget *TFormEditProg::Build_Transponder_Panels()
{
    auto *holder = new QWidget;
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);

    m_panel_s_tp = new QWidget;
    m_panel_s_tp->setObjectName(QStringLiteral("Panel_S_TP"));
    auto *s_grid = new QGridLayout(m_panel_s_tp);
    m_s_fre = Make_Edit("Edit_S_Fre", 5);
    m_pol = Make_List("CB_Pol", {"Hor", "Vert"});
    m_sym = Make_Edit("Edit_Sym", 5);
    m_fec = Make_List("CB_FEC", {"Auto", "1/2", "2/3", "3/4", "5/6", "6/7", "7/8"});
    s_grid->addWidget(Boxed(tr("Frequency"), m_s_fre), 0, 0);
    s_grid->addWidget(Boxed(tr("Polarity"), m_pol), 0, 1);
    s_grid->addWidget(Boxed(tr("Symbolrate"), m_sym), 1, 0);
    s_grid->addWidget(Boxed(tr("FEC"), m_fec), 1, 1);

    m_panel_t_tp = new QWidget;
    m_panel_t_tp->setObjectName(QStringLiteral("Panel_T_TP"));
    auto *t_grid = new QGridLayout(m_panel_t_tp);
    m_t_fre = Make_Edit("Edit_T_Fre", 7);
    m_width = Make_List("CB_Width", {"6 MHz", "7 MHz", "8 MHz"});
    t_grid->addWidget(Boxed(tr("Frequency"), m_t_fre), 0, 0);
    t_grid->addWidget(Boxed(tr("BandWidth"), m_width), 0, 1);

    layout->addWidget(m_panel_s_tp);
    layout->addWidget(m_panel_t_tp);
    return holder;
}

QWidget *TFormEditProg::Build_Buttons()
{
    // Enter in any text field presses the dialog's default button, a 1-by-1 pixel one.
    const DialogButtons buttons = Add_Dialog_Buttons(this);
    buttons.row->setContentsMargins(0, 0, 0, 0);
    auto *row = new QWidget;
    row->setLayout(buttons.row);
    return row;
}

void TFormEditProg::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        FormShow();
        // The size follows what FormShow showed: one transponder panel, the group names.
        layout()->activate();
        if (const QScreen *shown_on = screen())
            move(shown_on->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TFormEditProg::FormShow()
{
    m_view.Edit_Accepted = false;
    Show_Ca_Names({});
    for (int k = 0; k < kFavouriteGroupCount; ++k)
        m_favs[static_cast<std::size_t>(k)]->setText(Favourite_Caption(m_db, k));
    Show_Transponder();
    if (add_mode()) {
        setWindowTitle(tr("Addition channel data"));
        for (QLineEdit *edit : {m_name, m_pcr, m_pvt, m_vid, m_aud, m_pmt, m_sid})
            edit->clear();
        m_skip->setChecked(false);
        m_lock->setChecked(false);
        for (QCheckBox *check : m_favs)
            check->setChecked(false);
    } else {
        setWindowTitle(tr("Change channel data"));
        Show_Program();
    }
}

void TFormEditProg::Show_Transponder()
{
    const bool satellite = m_view.View_Mode != kTerrestrialPage;
    m_panel_s_tp->setVisible(satellite);
    m_panel_t_tp->setVisible(!satellite);
    m_panel_s_tp->setEnabled(false);
    m_panel_t_tp->setEnabled(false);
    const int slot = m_hand_over.Tp_Slot;
    if (satellite && slot >= 0 && slot < kSatTransponderSlots) {
        const TTp_Info_String &tp = m_db.rows.sat_tps[static_cast<std::size_t>(slot)];
        m_s_fre->setText(Prog_Decimal_Text(tp.Frequency));
        m_sym->setText(Prog_Decimal_Text(tp.Symbol_Rate));
        Select_Code(m_fec, tp.Fec);
        Select_Code(m_pol, tp.Polarity);
    } else if (!satellite && slot >= 0 && slot < kTerTransponderSlots) {
        const TTer_Tp_Info_String &tp = m_db.rows.ter_tps[static_cast<std::size_t>(slot)];
        m_t_fre->setText(Prog_Decimal_Text(tp.Frequency));
        Select_Code(m_width, tp.Bandwidth);
    }
}

void TFormEditProg::Show_Program()
{
    const ProgShown shown = Shown_Program(m_db, m_hand_over.Slot_Index);
    m_name->setText(shown.name);
    m_pcr->setText(shown.pcr);
    m_pvt->setText(shown.pvt);
    m_vid->setText(shown.vid);
    m_aud->setText(shown.aud);
    m_pmt->setText(shown.pmt);
    // A stored service id of five digits is shown whole, beyond the typing limit.
    m_sid->setMaxLength(std::max(kPidLength, static_cast<int>(shown.sid.size())));
    m_sid->setText(shown.sid);
    m_skip->setChecked(shown.skipped);
    m_lock->setChecked(shown.locked);
    for (std::size_t k = 0; k < m_favs.size(); ++k)
        m_favs[k]->setChecked(((shown.favourite_mask >> k) & 1u) != 0);
    Show_Ca_Names(shown.ca_names);
}

// The first field shows its text on the window colour even when empty; the others look
// blank on the panel colour unless they name a system.
void TFormEditProg::Show_Ca_Names(const std::array<QString, 4> &names)
{
    const QColor window_colour = palette().color(QPalette::Base);
    for (std::size_t i = 0; i < m_ca.size(); ++i) {
        m_ca[i]->setText(i == 0 && names[0].isEmpty()
                                 ? ui_text::Shown(ORVANE_TEXT("Orvane", "The Program is free!"))
                                 : names[i]);
        const bool blank = i > 0 && names[i].isEmpty();
        Set_Base_Colour(m_ca[i], blank ? kPanelColour : window_colour);
    }
}

ProgInput TFormEditProg::Input() const
{
    ProgInput input;
    input.name = m_name->text();
    if (!add_mode())
        input.stored_name
                = m_db.rows.programs[static_cast<std::size_t>(m_hand_over.Slot_Index)].Name;
    input.names = m_db.names;
    input.pcr = m_pcr->text();
    input.pvt = m_pvt->text();
    input.vid = m_vid->text();
    input.aud = m_aud->text();
    input.pmt = m_pmt->text();
    input.sid = m_sid->text();
    input.skipped = m_skip->isChecked();
    input.locked = m_lock->isChecked();
    for (std::size_t k = 0; k < m_favs.size(); ++k)
        if (m_favs[k]->isChecked())
            input.favourite_mask |= 1u << k;
    return input;
}

QLineEdit *TFormEditProg::Field(ProgField field) const
{
    switch (field) {
    case ProgField::Name:
        return m_name;
    case ProgField::Pcr:
        return m_pcr;
    case ProgField::Pvt:
        return m_pvt;
    case ProgField::Vid:
        return m_vid;
    case ProgField::Aud:
        return m_aud;
    case ProgField::Pmt:
        return m_pmt;
    case ProgField::Sid:
        return m_sid;
    case ProgField::None:
        break;
    }
    return nullptr;
}

void TFormEditProg::Refuse(const ProgVerdict &verdict)
{
    m_ui.Error_Box(this, verdict.message);
    QLineEdit *field = Field(verdict.field);
    if (verdict.empty_field)
        field->clear();
    field->setFocus();
}

void TFormEditProg::SB_OKClick()
{
    const ProgVerdict verdict = Check_Program_Input(Input());
    if (!verdict.ok()) {
        Refuse(verdict);
        return;
    }
    if (add_mode()) {
        // The New commands refuse a full table before they open the dialog; should it fill
        // up meanwhile, nothing is written and no Added flag is set.
        const bool radio = !m_view.Is_New_TV;
        if (Write_Program_Add(m_db, m_view.View_Mode, m_hand_over.Tp_Slot, radio, verdict.values)
            >= 0)
            (radio ? m_view.Radio_Added : m_view.TV_Added) = true;
    } else {
        m_view.Edit_Accepted = true;
        Write_Program_Change(m_db, m_hand_over.Slot_Index, verdict.values);
    }
    accept();
}

void TFormEditProg::SB_CancelClick()
{
    reject();
}

void TFormEditProg::reject()
{
    m_view.Is_New_TV = m_view.TV_Added = false;
    m_view.Is_New_Radio = m_view.Radio_Added = false;
    QDialog::reject();
}

void TFormEditProg::done(int result)
{
    // However the dialog closes, no add mode survives into the next one.
    m_view.Is_New_TV = m_view.Is_New_Radio = false;
    QDialog::done(result);
}

} // namespace orvane
