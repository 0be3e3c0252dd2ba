#pragma once

// The button row every edit dialog ends with: an "OK" and a "Cancel" button without a frame,
// and a 1 by 1 pixel default push button that never takes the focus, so that Enter in the
// dialog presses it and does what OK does. OK and Cancel take the focus by Tab and mark it
// with a dotted frame.

#include "translations/ui_text.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QString>

class QDialog;
class QHBoxLayout;

namespace orvane {

// Flat push buttons, or tool buttons that show their frame only under the mouse.
enum class DialogButtonLook { Flat_Push, Auto_Raise_Tool };

struct DialogButtonOptions
{
    DialogButtonLook look = DialogButtonLook::Flat_Push;
    QString ok_caption = ui_text::Shown(ORVANE_TEXT("Orvane", "OK"));
    const char *default_button_name = "Bu_OK";
    // Whether the default button sits at the end of the row or floats in the dialog's corner.
    bool default_in_row = true;
};

struct DialogButtons
{
    QAbstractButton *ok = nullptr;
    QAbstractButton *cancel = nullptr;
    QPushButton *default_ok = nullptr;
    // Right-aligned OK and Cancel (and the default button when it is in the row); the caller
    // places the row in its own layout.
    QHBoxLayout *row = nullptr;
};

DialogButtons Create_Dialog_Buttons(QDialog *dialog, const DialogButtonOptions &options);

// The buttons wired to the form's SB_OKClick and SB_CancelClick; the default button runs OK.
template<class Form>
DialogButtons Add_Dialog_Buttons(Form *form, const DialogButtonOptions &options = {})
{
    DialogButtons buttons = Create_Dialog_Buttons(form, options);
    QObject::connect(buttons.ok, &QAbstractButton::clicked, form, &Form::SB_OKClick);
    QObject::connect(buttons.default_ok, &QAbstractButton::clicked, form, &Form::SB_OKClick);
    QObject::connect(buttons.cancel, &QAbstractButton::clicked, form, &Form::SB_CancelClick);
    return buttons;
}

} // namespace orvane
