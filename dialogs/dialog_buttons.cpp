#include "dialogs/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>

namespace orvane {
namespace {

QAbstractButton *Row_Button(QDialog *dialog, DialogButtonLook look, const QString &caption,
                            const char *name)
{
    QAbstractButton *button = nullptr;
    if (look == DialogButtonLook::Auto_Raise_Tool) {
        auto *tool = new QToolButton(dialog);
        tool->setAutoRaise(true);
        button = tool;
    } else {
        auto *push = new QPushButton(dialog);
        push->setFlat(true);
        push->setAutoDefault(false);
        button = push;
    }
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    return button;
}

QPushButton *Default_Button(QDialog *dialog, const char *name)
{
    auto *button = new QPushButton(dialog);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(1, 1);
    button->setFocusPolicy(Qt::NoFocus);
    button->setDefault(true);
    return button;
}

} // namespace

DialogButtons Create_Dialog_Buttons(QDialog *dialog, const DialogButtonOptions &options)
{
    DialogButtons buttons;
    buttons.ok = Row_Button(dialog, options.look, options.ok_caption, "SB_OK");
    buttons.cancel = Row_Button(dialog, options.look, QStringLiteral("Cancel"), "SB_Cancel");
    buttons.default_ok = Default_Button(dialog, options.default_button_name);
    buttons.row = new QHBoxLayout;
    buttons.row->addStretch();
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    if (options.default_in_row)
        buttons.row->addWidget(buttons.default_ok);
    return buttons;
}

} // namespace orvane
