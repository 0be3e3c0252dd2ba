#include "dialogs/tp_dialog_frame.h"

#include "dialogs/dialog_buttons.h"
#include "views/ui_services.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace orvane {

TpDialogFrame::TpDialogFrame(ChannelDatabase &db, ViewState &view, Ui_Services &ui,
                             const TpHandOver &hand_over, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_db(db)
    , m_view(view)
    , m_ui(ui)
    , m_hand_over(hand_over)
    , m_add_mode(view.Is_New_Entry)
{
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    m_fields = new QGridLayout;
    layout->addLayout(m_fields);
    m_view.Edit_Accepted = false;
    setWindowTitle(m_add_mode ? tr("Addition transponder data") : tr("Change transponder data"));
}

void TpDialogFrame::Add_Group(const QString &caption, QWidget *field, int row, int column)
{
    auto *group = new QGroupBox(caption, this);
    auto *layout = new QVBoxLayout(group);
    field->setParent(group);
    layout->addWidget(field);
    m_fields->addWidget(group, row, column);
    m_next_row = std::max(m_next_row, row + 1);
}

void TpDialogFrame::Add_Information(const QStringList &lines)
{
    auto *group = new QGroupBox(tr("Information"), this);
    group->setEnabled(false);
    auto *layout = new QVBoxLayout(group);
    for (const QString &line : lines)
        layout->addWidget(new QLabel(line, group));
    m_fields->addWidget(group, m_next_row++, 0, 1, 2);
}

void TpDialogFrame::Add_Buttons(const QString &ok_caption, const char *default_button_name)
{
    // Enter anywhere in the dialog presses the default button, which does what OK does.
    const DialogButtons buttons
            = Add_Dialog_Buttons(this, {.look = DialogButtonLook::Auto_Raise_Tool,
                                        .ok_caption = ok_caption,
                                        .default_button_name = default_button_name});
    static_cast<QVBoxLayout *>(layout())->addLayout(buttons.row);
}

void TpDialogFrame::SB_OKClick()
{
    if (!Check_And_Write())
        return;
    Accept_Edit();
}

void TpDialogFrame::Accept_Edit()
{
    if (m_add_mode)
        m_view.Is_New_Entry = false;
    m_view.Edit_Accepted = true;
    accept();
}

void TpDialogFrame::reject()
{
    // Cancel, Escape and the window manager's close: nothing written, no add mode left over.
    m_view.Is_New_Entry = false;
    QDialog::reject();
}

void TpDialogFrame::Refuse(const TpVerdict &verdict, QWidget *field)
{
    m_ui.Error_Box(this, verdict.message);
    if (auto *edit = qobject_cast<QLineEdit *>(field); edit && verdict.clear_field)
        edit->clear();
    if (field)
        field->setFocus();
}

void TpDialogFrame::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *shown_on = screen())
        move(shown_on->availableGeometry().center() - rect().center());
}

} // namespace orvane
