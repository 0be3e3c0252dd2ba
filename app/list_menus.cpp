#include "app/list_menus.h"

#include "app/resources/resource_names.h"
#include "translations/ui_text.h"
#include "views/captions.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

namespace orvane {
namespace {

QAction *Add_Item(QMenu *menu, const char *caption, const char *image = nullptr)
{
    QAction *action = menu->addAction(ui_text::Shown(caption));
    if (image)
        action->setIcon(QIcon(QString::fromLatin1(image)));
    return action;
}

// A delete command answers the Del key in the grids that carry it, and only while enabled.
QAction *Add_Delete_Item(QMenu *menu, const char *caption)
{
    QAction *action = Add_Item(menu, caption, resource::kMenuDelete);
    action->setShortcut(QKeySequence(Qt::Key_Delete));
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

void Build_Sate_Menu(ListMenus &menus, QWidget *parent)
{
    menus.PM_Sate = new QMenu(parent);
    menus.Show_Act_Sat = Add_Item(menus.PM_Sate, caption::kShowActiveSatellites);
    menus.Change_Sat = Add_Item(menus.PM_Sate, caption::kChangeSat, resource::kMenuChange);
    // The other orders of the satellite list are not offered: the lists keep slot order.
    menus.ViewSortedby1 = menus.PM_Sate->addMenu(ui_text::Shown(caption::kViewSortedBy));
    for (const char *order : {caption::kSortOriginal, caption::kSortLongitude, caption::kSortNames})
        menus.ViewSortedby1->addAction(ui_text::Shown(order))->setEnabled(false);
    menus.ViewSortedby1->setEnabled(false);
}

void Build_Tp_Menu(ListMenus &menus, QWidget *parent)
{
    menus.PM_TP = new QMenu(parent);
    menus.Change_Tp = Add_Item(menus.PM_TP, caption::kChangeTp, resource::kMenuChange);
    menus.New = menus.PM_TP->addMenu(ui_text::Shown(caption::kNew));
    menus.New_Tp = Add_Item(menus.New, caption::kNewTpInitial);
    menus.New_Tp_Tv = Add_Item(menus.New, caption::kNewTpTv);
    menus.New_Tp_Radio = Add_Item(menus.New, caption::kNewTpRadio);
    menus.Delete_Tp = Add_Delete_Item(menus.PM_TP, caption::kDeleteTpInitial);
    menus.Del_All_Empty_Tp = Add_Item(menus.PM_TP, caption::kDelAllEmptyTp);
}

void Build_Program_Menus(ListMenus &menus, QWidget *parent)
{
    menus.PM_Tv = new QMenu(parent);
    menus.Change_TV = Add_Item(menus.PM_Tv, caption::kChangeTv, resource::kMenuChange);
    menus.New_Tv = Add_Item(menus.PM_Tv, caption::kNewTv);
    menus.Delete_Tv = Add_Delete_Item(menus.PM_Tv, caption::kDeleteTv);
    menus.PM_Radio = new QMenu(parent);
    menus.Change_Radio = Add_Item(menus.PM_Radio, caption::kChangeRadio, resource::kMenuChange);
    menus.New_Radio = Add_Item(menus.PM_Radio, caption::kNewRadio);
    menus.Delete_Radio = Add_Delete_Item(menus.PM_Radio, caption::kDeleteRadio);
}

} // namespace

ListMenus Build_List_Menus(QWidget *parent)
{
    ListMenus menus;
    Build_Sate_Menu(menus, parent);
    Build_Tp_Menu(menus, parent);
    Build_Program_Menus(menus, parent);
    return menus;
}

} // namespace orvane
