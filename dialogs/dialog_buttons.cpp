#include "dialogs/dialog_buttons.h"

#include "translations/ui_text.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace orvane {
namespace {

void Draw_Focus_Frame(QWidget &button)
{
    QPainter painter(&button);
    painter.setPen(QPen(button.palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(button.rect().adjusted(2, 2, -3, -3));
}

// A frameless button paints nothing of its own around its caption, and the styles draw
// their focus rectangle only after the keyboard was used, so such a button draws a dotted
// frame itself while it has the focus.
template<class Button>
class FocusFramedButton final : public Button
{
public:
    using Button::Button;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        Button::paintEvent(event);
        if (this->hasFocus())
            Draw_Focus_Frame(*this);
    }
};

QAbstractButton *Row_Button(QDialog *dialog, DialogButtonLook look, const QString &caption,
                            const char *name)
{
    QAbstractButton *button = nullptr;
    if (look == DialogButtonLook::Auto_Raise_Tool) {
        auto *tool = new FocusFramedButton<QToolButton>(dialog);
        tool->setAutoRaise(true);
        button = tool;
    } else {
        auto *push = new FocusFramedButton<QPushButton>(dialog);
        push->setFlat(true);
        push->setAutoDefault(false);
        button = push;
    }
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    // Tab reaches the buttons, and so does a click, as with any push button.
    button->setFocusPolicy(Qt::StrongFocus);
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
    buttons.cancel = Row_Button(dialog, options.look,
                                ui_text::Shown(ORVANE_TEXT("Orvane", "Cancel")), "SB_Cancel");
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
