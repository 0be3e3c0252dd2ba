// TFormMain: the context menus of the lists and the commands that add and delete
// transponders and programs. The enabling and the commands themselves are plain logic
// (views/context_menus.h, views/structural_edits.h); this file pops the menus up, answers the
// commands' questions with message boxes and runs the edit dialogs in add mode.

#include "app/Main.h"

#include "app/list_binding.h"

#include "dialogs/EditProg.h"
#include "dialogs/run_tp_dialog.h"
#include "translations/ui_text.h"
#include "views/context_menus.h"
#include "views/structural_edits.h"
#include "views/ui_services.h"

#include <QAction>
#include <QMenu>
#include <QTableView>

namespace orvane {
namespace {

class MainEditHost final : public EditCommandHost
{
public:
    MainEditHost(QWidget *window, ChannelDatabase &db, ViewState &view, Ui_Services &ui)
        : m_window(window)
        , m_db(db)
        , m_view(view)
        , m_ui(ui)
    {}

    void Show_Error(const char *text) override { m_ui.Error_Box(m_window, ui_text::Shown(text)); }

    bool Confirm(const char *text) override
    {
        return m_ui.Ask_Yes(m_window, ui_text::Shown(text), Ui_Services::Buttons::YesNo);
    }

    void Run_New_Tp_Dialog(int slot, int satellite, int tp_number) override
    {
        Run_Tp_Dialog(m_db, m_view, m_ui, TpHandOver{slot, satellite, tp_number}, m_window);
    }

    void Run_New_Program_Dialog(int slot, int tp_slot) override
    {
        TFormEditProg dialog(m_db, m_view, m_ui, ProgHandOver{slot, tp_slot}, m_window);
        dialog.exec();
    }

private:
    QWidget *m_window;
    ChannelDatabase &m_db;
    ViewState &m_view;
    Ui_Services &m_ui;
};

void Set_Caption(QAction *action, const char *caption)
{
    action->setText(ui_text::Shown(caption));
}

void Apply_Program_Menu(const ProgramMenu &menu, QAction *change, QAction *add, QAction *remove)
{
    change->setEnabled(menu.Change);
    add->setEnabled(menu.New);
    remove->setEnabled(menu.Delete);
}

} // namespace

void TFormMain::Bind_List_Menus()
{
    m_menus = Build_List_Menus(this);
    const ListMenus &m = m_menus;
    connect(m.Show_Act_Sat, &QAction::triggered, this, &TFormMain::Show_Act_SatClick);
    connect(m.Change_Sat, &QAction::triggered, this, [this] { Open_Editor(GridId::Sat); });
    connect(m.Change_Tp, &QAction::triggered, this, [this] { Open_Editor(GridId::Tp); });
    connect(m.Change_TV, &QAction::triggered, this, [this] { Open_Editor(GridId::Tv); });
    connect(m.Change_Radio, &QAction::triggered, this, [this] { Open_Editor(GridId::Radio); });
    connect(m.New_Tp, &QAction::triggered, this, &TFormMain::New_TpClick);
    for (QAction *action : {m.New_Tp_Tv, m.New_Tv})
        connect(action, &QAction::triggered, this, &TFormMain::New_TvClick);
    for (QAction *action : {m.New_Tp_Radio, m.New_Radio})
        connect(action, &QAction::triggered, this, &TFormMain::New_RadioClick);
    connect(m.Delete_Tp, &QAction::triggered, this, &TFormMain::Delete_TpClick);
    connect(m.Del_All_Empty_Tp, &QAction::triggered, this, &TFormMain::Del_All_Empty_TpClick);
    connect(m.Delete_Tv, &QAction::triggered, this, &TFormMain::Delete_TvClick);
    connect(m.Delete_Radio, &QAction::triggered, this, &TFormMain::Delete_RadioClick);

    for (ListBinding::BoundGrid &bound : m_lists->grids()) {
        QTableView *view = bound.view;
        const GridId grid = bound.grid;
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, grid, view](const QPoint &position) { Pop_Up_Menu(grid, view, position); });
        // The Del key runs the grid's delete command through its shortcut.
        if (grid == GridId::Tp)
            view->addAction(m.Delete_Tp);
        else if (grid == GridId::Tv)
            view->addAction(m.Delete_Tv);
        else if (grid == GridId::Radio)
            view->addAction(m.Delete_Radio);
    }
}

void TFormMain::Pop_Up_Menu(GridId grid, QTableView *view, const QPoint &position)
{
    if (m_files.opening_or_saving() || m_lists->syncing())
        return;
    view->setFocus(Qt::PopupFocusReason);
    QMenu *menu = nullptr;
    switch (grid) {
    case GridId::Sat:
        PM_SatePopup();
        menu = m_menus.PM_Sate;
        break;
    case GridId::Tp:
        PM_TPPopup();
        menu = m_menus.PM_TP;
        break;
    case GridId::Tv:
        PM_TvPopup();
        menu = m_menus.PM_Tv;
        break;
    case GridId::Radio:
        PM_RadioPopup();
        menu = m_menus.PM_Radio;
        break;
    }
    menu->exec(view->viewport()->mapToGlobal(position));
    emit m_events->menuClosed();
}

void TFormMain::PM_SatePopup()
{
    const SateMenu menu = orvane::PM_SatePopup(m_views);
    Apply_Changes();
    m_menus.Show_Act_Sat->setEnabled(menu.Show_Act_Sat);
    Set_Caption(m_menus.Show_Act_Sat, menu.show_act_sat_caption);
    m_menus.Change_Sat->setEnabled(menu.Change_Sat);
}

void TFormMain::PM_TPPopup()
{
    const TpMenu menu = orvane::PM_TPPopup(m_views);
    Apply_Changes();
    const ListMenus &m = m_menus;
    Set_Caption(m.New_Tp, menu.new_tp_caption);
    Set_Caption(m.Delete_Tp, menu.delete_tp_caption);
    m.Change_Tp->setEnabled(menu.Change_Tp);
    m.New_Tp->setEnabled(menu.New_Tp);
    m.New_Tp_Tv->setEnabled(menu.New_Tp_Tv);
    m.New_Tp_Radio->setEnabled(menu.New_Tp_Radio);
    m.Delete_Tp->setEnabled(menu.Delete_Tp);
    m.Del_All_Empty_Tp->setEnabled(menu.Del_All_Empty_Tp);
}

void TFormMain::PM_TvPopup()
{
    const ProgramMenu menu = orvane::PM_TvPopup(m_views);
    Apply_Changes();
    Apply_Program_Menu(menu, m_menus.Change_TV, m_menus.New_Tv, m_menus.Delete_Tv);
    emit m_events->menuPrepared(GridId::Tv);
}

void TFormMain::PM_RadioPopup()
{
    const ProgramMenu menu = orvane::PM_RadioPopup(m_views);
    Apply_Changes();
    Apply_Program_Menu(menu, m_menus.Change_Radio, m_menus.New_Radio, m_menus.Delete_Radio);
    emit m_events->menuPrepared(GridId::Radio);
}

void TFormMain::Show_Act_SatClick()
{
    if (m_files.opening_or_saving() || !m_view.Data_Loaded)
        return;
    m_views.Show_Act_SatClick();
    Apply_Changes();
    Focus_Grid(GridId::Sat);
}

QTableView *TFormMain::Grid_View(GridId grid) const
{
    return Grid_View_Of_Page(m_view.View_Mode, grid);
}

QTableView *TFormMain::Grid_View_Of_Page(int view_mode, GridId grid) const
{
    const PageWidgets &page = page_widgets(view_mode);
    return grid == GridId::Sat  ? page.sat
           : grid == GridId::Tp ? page.tp
           : grid == GridId::Tv ? page.tv
                                : page.radio;
}

void TFormMain::Focus_Grid(GridId grid)
{
    if (QTableView *view = Grid_View(grid))
        view->setFocus(Qt::OtherFocusReason);
}

void TFormMain::New_TpClick()
{
    Run_Edit_Command(m_menus.New_Tp->text(), orvane::New_TpClick);
}

void TFormMain::New_TvClick()
{
    Run_Edit_Command(m_menus.New_Tv->text(), orvane::New_TvClick);
}

void TFormMain::New_RadioClick()
{
    Run_Edit_Command(m_menus.New_Radio->text(), orvane::New_RadioClick);
}

void TFormMain::Delete_TpClick()
{
    Run_Edit_Command(m_menus.Delete_Tp->text(), orvane::Delete_TpClick);
}

void TFormMain::Del_All_Empty_TpClick()
{
    Run_Edit_Command(m_menus.Del_All_Empty_Tp->text(), orvane::Del_All_Empty_TpClick);
}

void TFormMain::Delete_TvClick()
{
    Run_Edit_Command(m_menus.Delete_Tv->text(), orvane::Delete_TvClick);
}

void TFormMain::Delete_RadioClick()
{
    Run_Edit_Command(m_menus.Delete_Radio->text(), orvane::Delete_RadioClick);
}

void TFormMain::Run_Edit_Command(const QString &caption, const EditCommand &command)
{
    if (!Ready_For_Command())
        return;
    MainEditHost host(this, *m_db, m_view, m_ui);
    FocusRequest focus;
    Record_Step(caption, [&] { focus = command(m_views, host); });
    Apply_Changes();
    if (focus)
        Focus_Grid(*focus);
}

} // namespace orvane
