#pragma once

// The context menus of the lists: PM_Sate on the satellite grid, PM_TP on both transponder
// grids, PM_Tv and PM_Radio on both program grids of their kind. Built once with their
// captions, images and shortcuts; the main window connects their commands and
// enables them each time a menu opens.

class QAction;
class QMenu;
class QWidget;

namespace orvane {

struct ListMenus
{
    QMenu *PM_Sate = nullptr;
    QAction *Show_Act_Sat = nullptr;
    QAction *Change_Sat = nullptr;
    QMenu *ViewSortedby1 = nullptr;

    QMenu *PM_TP = nullptr;
    QAction *Change_Tp = nullptr;
    QMenu *New = nullptr;
    QAction *New_Tp = nullptr;
    QAction *New_Tp_Tv = nullptr;
    QAction *New_Tp_Radio = nullptr;
    QAction *Delete_Tp = nullptr;
    QAction *Del_All_Empty_Tp = nullptr;

    QMenu *PM_Tv = nullptr;
    QAction *Change_TV = nullptr;
    QAction *New_Tv = nullptr;
    QAction *Delete_Tv = nullptr;

    QMenu *PM_Radio = nullptr;
    QAction *Change_Radio = nullptr;
    QAction *New_Radio = nullptr;
    QAction *Delete_Radio = nullptr;
};

ListMenus Build_List_Menus(QWidget *parent);

} // namespace orvane
