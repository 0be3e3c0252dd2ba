#include "app/tool_bar.h"

#include "app/main_layout.h"
#include "app/resources/resource_names.h"
#include "translations/ui_text.h"

#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

namespace orvane {

ToolButtons Build_Tool_Bar(QMainWindow &window)
{
    ToolButtons buttons;
    auto *bar = new QToolBar;
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setFixedHeight(35);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    auto add_button = [bar](const char *name, const QString &text, const char *icon,
                            const char *hot_icon, const QKeySequence &shortcut) {
        auto *button = new QToolButton;
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        QIcon images(QString::fromLatin1(icon));
        images.addFile(QString::fromLatin1(hot_icon), QSize(), QIcon::Active);
        button->setIcon(images);
        button->setFont(Arial(14, true));
        button->setFixedSize(63, 26);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setShortcut(shortcut);
        bar->addWidget(button);
        bar->addSeparator();
        return button;
    };
    buttons.file = add_button("TB_File", ui_text::Shown(ORVANE_TEXT("Orvane", "File")),
                              resource::kToolFile, resource::kToolFileHot,
                              QKeySequence(QStringLiteral("Alt+F")));
    buttons.edit = add_button("TB_Edit", ui_text::Shown(ORVANE_TEXT("Orvane", "Edit")),
                              resource::kToolEdit, resource::kToolEditHot,
                              QKeySequence(QStringLiteral("Alt+E")));
    buttons.help = add_button("TB_Help", ui_text::Shown(ORVANE_TEXT("Orvane", "Help")),
                              resource::kToolHelp, resource::kToolHelpHot,
                              QKeySequence(QStringLiteral("Alt+H")));
    buttons.exit = add_button("TB_Exit", ui_text::Shown(ORVANE_TEXT("Orvane", "Exit")),
                              resource::kToolExit, resource::kToolExitHot,
                              QKeySequence(QStringLiteral("Alt+X")));
    window.addToolBar(Qt::TopToolBarArea, bar);
    return buttons;
}

} // namespace orvane
