#include "app/tool_bar.h"

#include "app/main_layout.h"
#include "app/resources/resource_names.h"
#include "translations/ui_text.h"

#include <QFontMetrics>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

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
    auto add_button = [bar](const char *name, const char *caption, const char *icon,
                            const char *hot_icon, const QKeySequence &shortcut) {
        auto *button = new QToolButton;
        button->setObjectName(QString::fromLatin1(name));
        button->setText(ui_text::Shown(caption));
        QIcon images(QString::fromLatin1(icon));
        images.addFile(QString::fromLatin1(hot_icon), QSize(), QIcon::Active);
        button->setIcon(images);
        button->setFont(Arial(14, true));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setShortcut(shortcut);
        bar->addWidget(button);
        // The width the English captions were given, and the room a longer translation needs.
        const QFontMetrics metrics(button->font());
        const int longer = metrics.horizontalAdvance(button->text())
                           - metrics.horizontalAdvance(QString::fromUtf8(caption));
        button->setFixedSize(63 + std::max(0, longer), 26);
        bar->addSeparator();
        return button;
    };
    buttons.file = add_button("TB_File", ORVANE_TEXT("Orvane", "File"), resource::kToolFile,
                              resource::kToolFileHot, QKeySequence(QStringLiteral("Alt+F")));
    buttons.edit = add_button("TB_Edit", ORVANE_TEXT("Orvane", "Edit"), resource::kToolEdit,
                              resource::kToolEditHot, QKeySequence(QStringLiteral("Alt+E")));
    buttons.help = add_button("TB_Help", ORVANE_TEXT("Orvane", "Help"), resource::kToolHelp,
                              resource::kToolHelpHot, QKeySequence(QStringLiteral("Alt+H")));
    buttons.exit = add_button("TB_Exit", ORVANE_TEXT("Orvane", "Exit"), resource::kToolExit,
                              resource::kToolExitHot, QKeySequence(QStringLiteral("Alt+X")));
    window.addToolBar(Qt::TopToolBarArea, bar);
    return buttons;
}

} // namespace orvane
