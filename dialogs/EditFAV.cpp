#include "dialogs/EditFAV.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/fav_edit_logic.h"
#include "dialogs/input_checks.h"
#include "translations/ui_text.h"
#include "views/key_events.h"
#include "views/list_texts.h"
#include "views/ui_services.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QScreen>
#include <QVBoxLayout>

namespace orvane {

TFormEditFAV::TFormEditFAV(Ui_Services &ui, ChannelDatabase &db, int group, std::string &list_line,
                           QListWidgetItem *list_item, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_ui(ui)
    , m_db(db)
    , m_group(group)
    , m_list_line(list_line)
    , m_list_item(list_item)
{
    setObjectName(QStringLiteral("FormEditFAV"));
    setWindowTitle(tr("Change favor name"));
    setModal(true);
    Build();
    // FormShow: the group's name from the display table.
    Edit_Name->setText(Name_Field_Text(*m_db.names,
                                       m_db.rows.favourite_names[static_cast<std::size_t>(group)]));
}

void TFormEditFAV::Build()
{
    Edit_Name = new QLineEdit;
    Edit_Name->setObjectName(QStringLiteral("Edit_Name"));
    Edit_Name->setMaxLength(static_cast<int>(kFavouriteNameLength));
    auto *group = new QGroupBox(tr("FAV.Name"));
    auto *group_layout = new QVBoxLayout(group);
    group_layout->addWidget(Edit_Name);

    const DialogButtons buttons = Add_Dialog_Buttons(this, {.default_in_row = false});
    SB_OK = buttons.ok;
    SB_Cancel = buttons.cancel;
    Bu_OK = buttons.default_ok;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.row);
    setTabOrder(Edit_Name, SB_OK);
    setTabOrder(SB_OK, SB_Cancel);
    // Typing starts in the name: without a focus of its own the dialog would give it to the
    // hidden default button.
    Edit_Name->setFocus();

    // Enter in the name is OK; the field takes the key so that OK runs once.
    Edit_Name->installEventFilter(this);
}

void TFormEditFAV::showEvent(QShowEvent *event)
{
    // The dialog opens centred on the screen, not over the main window.
    if (const QScreen *shown_on = screen())
        move(shown_on->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

bool TFormEditFAV::eventFilter(QObject *watched, QEvent *event)
{
    if (Is_Enter_Press(event)) {
        SB_OKClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormEditFAV::SB_OKClick()
{
    const NameToStore name = Favourite_Name_To_Store(m_db, m_group, Edit_Name->text());
    if (!name.bytes) {
        m_ui.Error_Box(this, name.refusal);
        Edit_Name->setFocus();
        return;
    }
    Write_Favourite_Group(m_db, m_group, *name.bytes);
    m_list_line = Favourite_Line(m_db, m_group);
    if (m_list_item)
        m_list_item->setText(QString::fromStdString(m_list_line));
    accept();
}

void TFormEditFAV::SB_CancelClick()
{
    reject();
}

} // namespace orvane
