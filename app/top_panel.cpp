#include "app/top_panel.h"

#include "app/app_messages.h"
#include "app/main_layout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace orvane {
namespace {

const QColor kMaroon{128, 0, 0};
const QColor kNavy{0, 0, 128};

void Set_Text_Colour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

TopPanel Build_Top_Panel()
{
    TopPanel top;
    top.panel = new QWidget;
    top.panel->setObjectName(QStringLiteral("Panel_Top"));
    top.panel->setFixedHeight(24);

    top.file_name_panel = new QWidget;
    top.file_name_panel->setObjectName(QStringLiteral("Panel_FileName"));
    top.file_name = new QLabel(top.file_name_panel);
    top.file_name->setObjectName(QStringLiteral("LabelFileName"));
    top.file_name->setFont(Arial(14, true));
    Set_Text_Colour(top.file_name, kMaroon);

    top.version_panel = new QWidget;
    top.version_panel->setObjectName(QStringLiteral("Panel_Version"));
    top.version_panel->setFixedWidth(275);
    auto *caption = new QLabel(ui_text::Shown(app_text::kVersionCaption));
    caption->setFont(Arial(14, true));
    Set_Text_Colour(caption, kNavy);
    top.version_edit = new QLineEdit;
    top.version_edit->setObjectName(QStringLiteral("Edit_Version"));
    top.version_edit->setFixedWidth(65);
    top.version_edit->setMaxLength(8);
    top.version_edit->setFont(Arial(12, true));
    // The version text is stored as 8-bit characters: a character Latin-1 cannot hold is
    // refused as it is typed, never replaced.
    top.version_edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[\\x{20}-\\x{7E}\\x{A0}-\\x{FF}]*")),
            top.version_edit));
    auto *version_layout = new QHBoxLayout(top.version_panel);
    version_layout->setContentsMargins(0, 0, 4, 0);
    version_layout->addWidget(caption);
    version_layout->addWidget(top.version_edit);

    auto *layout = new QHBoxLayout(top.panel);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->addWidget(top.file_name_panel);
    layout->addStretch(1);
    layout->addWidget(top.version_panel);
    return top;
}

} // namespace orvane
