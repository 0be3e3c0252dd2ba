#include "dialogs/EditLnb.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/input_checks.h"
#include "dialogs/lnb_edit_logic.h"
#include "views/key_events.h"
#include "views/ui_services.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QVBoxLayout>

namespace orvane {
namespace {

constexpr int kNameMaxLength = 18;

QComboBox *Drop_Down(const QStringList &items, const char *name)
{
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

QComboBox *Freq_Box(const char *name)
{
    QComboBox *box = Drop_Down(Lnb_Freq_Presets(), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // presets only; a typed value is not kept
    return box;
}

QLineEdit *Text_Field(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QGroupBox *Group(const QString &caption, QWidget *field)
{
    auto *group = new QGroupBox(caption);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(field);
    return group;
}

// Selects a stored code; a code with no item leaves the list without a selection.
void Select_Code(QComboBox *box, int code)
{
    box->setCurrentIndex(code < box->count() ? code : -1);
}

} // namespace

TFormEditLnb::TFormEditLnb(Ui_Services &ui, ChannelDatabase &db, ViewState &view, int slot,
                           QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_ui(ui)
    , m_db(db)
    , m_view(view)
    , Slot_Index(slot)
{
    setObjectName(QStringLiteral("FormEditLnb"));
    setWindowTitle(tr("Change data"));
    setModal(true);
    Build();
}

void TFormEditLnb::Build()
{
    Edit_Name = Text_Field("Edit_Name");
    Edit_Name->setMaxLength(kNameMaxLength);
    CB_Type = Drop_Down(Lnb_Type_Items(), "CB_Type");
    CB_Low = Freq_Box("CB_Low");
    CB_High = Freq_Box("CB_High");
    CB_Pow = Drop_Down(Lnb_Power_Items(), "CB_Pow");
    CB_22K = Drop_Down(Off_On_Items(), "CB_22K");
    Edit_Lon = Text_Field("Edit_Lon");
    CB_Dis = Drop_Down(Diseqc_Items(), "CB_Dis");
    CB_Mot = Drop_Down(Off_On_Items(), "CB_Mot");
    CB_12V = Drop_Down(Off_On_Items(), "CB_12V");

    auto *grid = new QGridLayout;
    const std::pair<const char *, QWidget *> fields[]
            = {{QT_TR_NOOP("Name"), Edit_Name},     {QT_TR_NOOP("Type"), CB_Type},
               {QT_TR_NOOP("Low Freq"), CB_Low},    {QT_TR_NOOP("High Freq"), CB_High},
               {QT_TR_NOOP("LNB Power"), CB_Pow},   {QT_TR_NOOP("22kHZ"), CB_22K},
               {QT_TR_NOOP("Longitude"), Edit_Lon}, {QT_TR_NOOP("DiSEqC"), CB_Dis},
               {QT_TR_NOOP("Motor"), CB_Mot},       {QT_TR_NOOP("12V"), CB_12V}};
    int index = 0;
    for (const auto &[caption, field] : fields) {
        grid->addWidget(Group(tr(caption), field), index / 2, index % 2);
        ++index;
    }

    auto *info = new QGroupBox(tr("Information (Min --> Max)"));
    info->setEnabled(false);
    auto *info_layout = new QVBoxLayout(info);
    info_layout->addWidget(new QLabel(tr("Longitude: (0..360)         Low and High: (0..30000) ")));
    info_layout->addWidget(new QLabel(tr("Frequency: (2000..12750)Symbolrate: (2000..45000)")));

    // The 1-by-1 default button makes Enter in the drop-down lists act as OK.
    const DialogButtons buttons = Add_Dialog_Buttons(this, {.default_in_row = false});
    SB_OK = buttons.ok;
    SB_Cancel = buttons.cancel;
    Bu_OK = buttons.default_ok;
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(info);
    layout->addLayout(buttons.row);

    QWidget *previous = nullptr;
    for (const auto &[caption, field] : fields) {
        if (previous)
            setTabOrder(previous, field);
        previous = field;
    }
    setTabOrder(previous, SB_OK);
    setTabOrder(SB_OK, SB_Cancel);
    // Typing starts in the name: without a focus of its own the dialog would give it to the
    // hidden default button.
    Edit_Name->setFocus();

    // Enter in a text field is OK; the field takes the key so that OK runs once.
    for (QLineEdit *edit : {Edit_Name, Edit_Lon, CB_Low->lineEdit(), CB_High->lineEdit()})
        edit->installEventFilter(this);
    connect(CB_Type, &QComboBox::activated, this, &TFormEditLnb::CB_TypeChange);
}

bool TFormEditLnb::eventFilter(QObject *watched, QEvent *event)
{
    if (Is_Enter_Press(event)) {
        SB_OKClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormEditLnb::showEvent(QShowEvent *event)
{
    if (!std::exchange(m_shown, true)) {
        FormShow();
        if (const QScreen *shown_on = screen())
            move(shown_on->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TFormEditLnb::FormShow()
{
    m_view.Edit_Accepted = false;
    const TLNB_Info_String &row = m_db.rows.satellites[static_cast<std::size_t>(Slot_Index)];
    Edit_Name->setText(Name_Field_Text(*m_db.names, row.Name));
    const std::optional<double> longitude = Parse_Float(QString::fromStdString(row.Longitude));
    Edit_Lon->setText(longitude ? QString::number(*longitude, 'g', QLocale::FloatingPointShortest)
                                : QString::fromStdString(row.Longitude));
    Select_Code(CB_Type, row.Lnb_Type);
    Apply_Type_Defaults(row.Lnb_Type);
    CB_Low->setEditText(QString::fromStdString(row.Lnb_Low_Freq));
    CB_High->setEditText(QString::fromStdString(row.Lnb_High_Freq));
    Select_Code(CB_Pow, row.Lnb_Power);
    Select_Code(CB_Dis, row.Diseqc_Port);
    Select_Code(CB_Mot, row.Motor);
    Select_Code(CB_12V, row.Lnb_12V);
    // The tone list follows the stored tone, not the type.
    Set_Tone_Items(Tone_Items_For(row.Tone_22K), row.Tone_22K != 2);
    Select_Code(CB_22K, row.Tone_22K == 2 ? 0 : row.Tone_22K);
}

void TFormEditLnb::Apply_Type_Defaults(int type)
{
    const std::optional<LnbTypeDefaults> defaults = Lnb_Type_Defaults(type);
    if (!defaults)
        return;
    CB_Low->setEditText(defaults->low);
    CB_High->setEditText(defaults->high);
    CB_High->setEnabled(defaults->high_enabled);
    Set_Tone_Items(defaults->tone_items, defaults->tone_enabled);
}

void TFormEditLnb::Set_Tone_Items(const QStringList &items, bool enabled)
{
    CB_22K->clear();
    CB_22K->addItems(items);
    CB_22K->setCurrentIndex(-1);
    CB_22K->setEnabled(enabled);
}

void TFormEditLnb::CB_TypeChange(int type)
{
    Apply_Type_Defaults(type);
    CB_22K->setCurrentIndex(0);
}

LnbInput TFormEditLnb::Input() const
{
    LnbInput input;
    input.name = Edit_Name->text();
    input.stored_name = m_db.rows.satellites[static_cast<std::size_t>(Slot_Index)].Name;
    input.names = m_db.names;
    input.longitude = Edit_Lon->text();
    input.low = CB_Low->currentText();
    input.high = CB_High->currentText();
    input.tone_text = CB_22K->currentIndex() < 0 ? QString() : CB_22K->currentText();
    input.type = CB_Type->currentIndex();
    input.power = CB_Pow->currentIndex();
    input.diseqc = CB_Dis->currentIndex();
    input.motor = CB_Mot->currentIndex();
    input.lnb_12v = CB_12V->currentIndex();
    return input;
}

QWidget *TFormEditLnb::Field_Widget(LnbField field) const
{
    switch (field) {
    case LnbField::Name:
        return Edit_Name;
    case LnbField::Low:
        return CB_Low;
    case LnbField::High:
        return CB_High;
    case LnbField::Longitude:
        return Edit_Lon;
    default:
        return nullptr;
    }
}

void TFormEditLnb::SB_OKClick()
{
    const LnbInput input = Input();
    const LnbVerdict verdict = Check_Lnb_Input(input);
    if (!verdict.ok()) {
        if (verdict.clear_field)
            Edit_Lon->clear();
        m_ui.Error_Box(this, verdict.message);
        Field_Widget(verdict.field)->setFocus();
        return;
    }
    Write_Lnb(m_db, Slot_Index, input, verdict);
    m_view.Edit_Accepted = true;
    accept();
}

void TFormEditLnb::SB_CancelClick()
{
    reject();
}

} // namespace orvane
