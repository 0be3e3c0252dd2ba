#include "app/controllers/order_commands.h"

#include "app/controllers/window_shell.h"
#include "app/file_commands.h"
#include "app/list_menus.h"
#include "dbase/order_like.h"
#include "translations/ui_text.h"
#include "views/captions.h"
#include "views/grid_model.h"
#include "views/structural_edits.h"
#include "views/ui_services.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>

#include <algorithm>

namespace orvane {
namespace {

constexpr const char *kOrderLikeTitle = ORVANE_TEXT("Orvane", "Order like another file");
constexpr const char *kMoveCaption = ORVANE_TEXT("Orvane", "Move programs"); // a drop
constexpr const char *kOrderLikeText = ORVANE_TEXT(
        "Orvane", "Programs are matched to the programs of the other file by kind (TV or radio), "
                  "service id and the frequency of their transponder (within 2 MHz for "
                  "satellites), then by name. Matched programs take the other file's order; the "
                  "others follow in their own order.");
constexpr const char *kTakeNames
        = ORVANE_TEXT("Orvane", "Also take the names of the matched programs");
constexpr const char *kTakeFavourites = ORVANE_TEXT(
        "Orvane", "Also take the favourite groups of the matched programs, and the groups' names");

// A menu caption without the dots of an item that asks something first.
QString Plain_Caption(const char *caption)
{
    return ui_text::Shown(caption).remove(QStringLiteral("..."));
}

QAction *Add_Item(QMenu *menu, const char *caption, const QKeySequence &keys = {})
{
    QAction *action = menu->addAction(ui_text::Shown(caption));
    if (!keys.isEmpty()) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    return action;
}

bool Is_Plain_Delete(const QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier;
}

} // namespace

std::array<QAction *, 9> Order_Action_List(const OrderActions &order)
{
    return {order.Move_Up,
            order.Move_Down,
            order.Move_To_Top,
            order.Move_To_Bottom,
            order.Move_To_Number,
            order.Sort_By_Name,
            order.Sort_By_Service_Id,
            order.Delete_Selected,
            order.Order_Like};
}

OrderCommands::OrderCommands(WindowShell &shell)
    : QObject(shell.controller_parent())
    , m_shell(shell)
{
    m_tv = Add_Order_Items(shell.list_menus().PM_Tv, GridId::Tv);
    m_radio = Add_Order_Items(shell.list_menus().PM_Radio, GridId::Radio);
    Bind_Grids(GridId::Tv);
    Bind_Grids(GridId::Radio);
    ShellEvents &events = shell.events();
    connect(&events, &ShellEvents::menuPrepared, this, [this](GridId grid) {
        if (grid == GridId::Tv || grid == GridId::Radio)
            Apply_Order_Menu(grid);
    });
    // The shortcuts act on the selection of the moment they are pressed; the commands
    // themselves refuse what does not apply.
    connect(&events, &ShellEvents::menuClosed, this, [this] {
        for (const OrderActions *order : {&m_tv, &m_radio})
            for (QAction *action : Order_Action_List(*order))
                action->setEnabled(true);
    });
    shell.Add_Edit_Menu_Section([this]() -> QList<QAction *> {
        const GridId grid = m_shell.Focused_Program_Grid();
        if (grid != GridId::Tv && grid != GridId::Radio)
            return {};
        Apply_Order_Menu(grid);
        const auto list = Order_Action_List(actions(grid));
        return {list.begin(), list.end()};
    });
}

OrderActions OrderCommands::Add_Order_Items(QMenu *menu, GridId grid)
{
    menu->addSeparator();
    OrderActions order;
    order.Move_Up = Add_Item(menu, caption::kMoveUp, Qt::CTRL | Qt::Key_Up);
    order.Move_Down = Add_Item(menu, caption::kMoveDown, Qt::CTRL | Qt::Key_Down);
    order.Move_To_Top = Add_Item(menu, caption::kMoveToTop, Qt::CTRL | Qt::Key_Home);
    order.Move_To_Bottom = Add_Item(menu, caption::kMoveToBottom, Qt::CTRL | Qt::Key_End);
    order.Move_To_Number = Add_Item(menu, caption::kMoveToNumber);
    order.Sort_By_Name = Add_Item(menu, caption::kSortByName);
    order.Sort_By_Service_Id = Add_Item(menu, caption::kSortByServiceId);
    order.Delete_Selected
            = Add_Item(menu, caption::kDeleteSelectedPrograms, Qt::SHIFT | Qt::Key_Delete);
    order.Order_Like = Add_Item(menu, caption::kOrderLikeFile);

    const auto bind = [this](QAction *action, auto command) {
        connect(action, &QAction::triggered, this, command);
    };
    bind(order.Move_Up, [this, grid] { Move_ProgramsClick(grid, MoveKind::Up); });
    bind(order.Move_Down, [this, grid] { Move_ProgramsClick(grid, MoveKind::Down); });
    bind(order.Move_To_Top, [this, grid] { Move_ProgramsClick(grid, MoveKind::Top); });
    bind(order.Move_To_Bottom, [this, grid] { Move_ProgramsClick(grid, MoveKind::Bottom); });
    bind(order.Move_To_Number, [this, grid] { Move_To_NumberClick(grid); });
    bind(order.Sort_By_Name, [this, grid] { Sort_ProgramsClick(grid, ProgramSortKey::Name); });
    bind(order.Sort_By_Service_Id,
         [this, grid] { Sort_ProgramsClick(grid, ProgramSortKey::Service_Id); });
    bind(order.Delete_Selected, [this, grid] { Delete_ProgramsClick(grid); });
    bind(order.Order_Like, [this] { Order_LikeClick(); });
    return order;
}

// The shortcuts, the drop and the Del key of both pages' grids of the kind.
void OrderCommands::Bind_Grids(GridId grid)
{
    const OrderActions &order = actions(grid);
    for (const int view_mode : {kSatellitesPage, kTerrestrialPage}) {
        QTableView *view = m_shell.Grid_View_Of_Page(view_mode, grid);
        view->addActions({order.Move_Up, order.Move_Down, order.Move_To_Top, order.Move_To_Bottom,
                          order.Delete_Selected});
        view->installEventFilter(this);
        static_cast<GridModel *>(view->model())
                ->Set_Drop_Handler([this, grid, view_mode](const std::vector<int> &rows,
                                                           int insert_before_row) {
                    if (view_mode != m_shell.views().view().View_Mode)
                        return;
                    Run_Order_Command(ui_text::Shown(kMoveCaption), grid, [&](MainViews &views) {
                        return Move_Programs_To(views, grid, rows, insert_before_row);
                    });
                });
    }
}

// Del over several selected programs deletes them all after one question; over one row it stays
// the Delete command of the menu, whose shortcut it is.
bool OrderCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (!Is_Plain_Delete(event))
        return false;
    for (const GridId grid : {GridId::Tv, GridId::Radio}) {
        const QTableView *view = m_shell.Grid_View(grid);
        if (view != watched || view->selectionModel()->selectedRows().size() < 2)
            continue;
        event->accept(); // an accepted override keeps the Delete shortcut from taking the key
        if (event->type() == QEvent::KeyPress)
            Delete_ProgramsClick(grid);
        return true;
    }
    return false;
}

void OrderCommands::Apply_Order_Menu(GridId grid)
{
    const OrderActions &order = actions(grid);
    MainViews &views = m_shell.views();
    const std::size_t selected = Program_Rows(views, grid, Selected_Grid_Rows(grid)).size();
    const bool loaded = views.view().Data_Loaded;
    const bool several_listed
            = loaded && Program_Rows(views, grid, std::vector<int>{1, 2}).size() == 2;
    for (QAction *action : {order.Move_Up, order.Move_Down, order.Move_To_Top, order.Move_To_Bottom,
                            order.Move_To_Number})
        action->setEnabled(several_listed && selected > 0);
    order.Sort_By_Name->setEnabled(several_listed);
    order.Sort_By_Service_Id->setEnabled(several_listed);
    order.Delete_Selected->setEnabled(loaded && selected > 0);
    order.Order_Like->setEnabled(loaded);
}

std::vector<int> OrderCommands::Selected_Grid_Rows(GridId grid) const
{
    std::vector<int> rows;
    const QTableView *view = m_shell.Grid_View(grid);
    const auto *model = static_cast<const GridModel *>(view->model());
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        rows.push_back(model->Grid_Row(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void OrderCommands::Select_Grid_Rows(GridId grid, const std::vector<int> &rows)
{
    QTableView *view = m_shell.Grid_View(grid);
    const auto *model = static_cast<const GridModel *>(view->model());
    // One range per run of rows: a selection of thousands of single rows makes every later
    // question to it slow.
    QItemSelection selection;
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        selection.select(model->index(model->Model_Row(rows[first]), 0),
                         model->index(model->Model_Row(rows[last]), model->columnCount() - 1));
        first = last + 1;
    }
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    // The moved rows may have left the visible part, to the top or far down: the first of
    // them is brought into view.
    view->scrollTo(rows.empty() ? view->currentIndex()
                                : model->index(model->Model_Row(rows.front()), 0));
}

template<typename Step>
void OrderCommands::Run_Order_Command(const QString &caption, GridId grid, Step step)
{
    if (!m_shell.Ready_For_Command())
        return;
    std::vector<int> rows;
    m_shell.Record_Step(caption, [&] { rows = step(m_shell.views()); });
    m_shell.Apply_Changes();
    Select_Grid_Rows(grid, rows);
    m_shell.Focus_Grid(grid);
}

void OrderCommands::Move_ProgramsClick(GridId grid, MoveKind kind)
{
    const OrderActions &order = actions(grid);
    const QAction *action = kind == MoveKind::Up     ? order.Move_Up
                            : kind == MoveKind::Down ? order.Move_Down
                            : kind == MoveKind::Top  ? order.Move_To_Top
                                                     : order.Move_To_Bottom;
    Run_Order_Command(action->text(), grid, [&](MainViews &views) {
        return orvane::Move_ProgramsClick(views, grid, Selected_Grid_Rows(grid), kind);
    });
}

void OrderCommands::Move_To_NumberClick(GridId grid)
{
    MainViews &views = m_shell.views();
    if (m_shell.file_commands().opening_or_saving() || !views.view().Data_Loaded)
        return;
    const std::vector<int> rows = Program_Rows(views, grid, Selected_Grid_Rows(grid));
    const int listed = views.cursor(grid).row_count - 1;
    if (rows.empty() || views.Row_Slot(grid, 1) == kNoSlot)
        return;
    Ui_Services &ui = m_shell.ui();
    const std::optional<QString> typed
            = ui.Ask_Text(m_shell.Dialog_Parent(), Plain_Caption(caption::kMoveToNumber),
                          OrderCommands::tr("Number (1 to %1):").arg(listed));
    if (!typed)
        return;
    const NumberAnswer answer = Read_Program_Number(typed->toStdString(), listed);
    if (!answer.error.empty()) {
        ui.Error_Box(m_shell.Dialog_Parent(),
                     ui_text::Shown_Pieces(answer.error, {kNotOnShow, kNumberRange}));
        return;
    }
    Run_Order_Command(Plain_Caption(caption::kMoveToNumber), grid, [&](MainViews &moved) {
        return Move_Programs_To_Number(moved, grid, rows, answer.position + 1);
    });
}

void OrderCommands::Sort_ProgramsClick(GridId grid, ProgramSortKey key)
{
    const char *caption
            = key == ProgramSortKey::Name ? caption::kSortByName : caption::kSortByServiceId;
    Run_Order_Command(ui_text::Shown(caption), grid, [&](MainViews &views) {
        return orvane::Sort_ProgramsClick(views, grid, Selected_Grid_Rows(grid), key);
    });
}

void OrderCommands::Delete_ProgramsClick(GridId grid)
{
    const std::vector<int> rows = Selected_Grid_Rows(grid);
    m_shell.Run_Edit_Command(actions(grid).Delete_Selected->text(),
                             [&](MainViews &views, EditCommandHost &host) {
                                 return orvane::Delete_ProgramsClick(views, host, grid, rows);
                             });
}

void OrderCommands::Order_LikeClick()
{
    if (!m_shell.Ready_For_Command())
        return;
    const auto reference
            = m_shell.file_commands().Open_Reference_File(ui_text::Shown(kOrderLikeTitle));
    if (!reference)
        return;
    Ui_Services &ui = m_shell.ui();
    const std::optional<QList<bool>> ticked
            = ui.Choose_Options(m_shell.Dialog_Parent(),
                                {ui_text::Shown(kOrderLikeTitle),
                                 ui_text::Shown(kOrderLikeText),
                                 {ui_text::Shown(kTakeNames), ui_text::Shown(kTakeFavourites)}});
    if (!ticked || ticked->size() != 2)
        return;
    OrderLikeReport report;
    m_shell.Record_Step(ui_text::Shown(kOrderLikeTitle), [&] {
        report = Order_Like(m_shell.database(), *reference, {ticked->at(0), ticked->at(1)});
    });
    // Programs may have changed places across satellites and transponders: the page is listed
    // afresh, as when it is shown.
    MainViews &views = m_shell.views();
    views.PageControl_MainChange(views.view().View_Mode - 1);
    m_shell.Apply_Changes();
    const std::vector<std::string> lines = Order_Like_Lines(report);
    QStringList details;
    for (std::size_t i = 1; i < lines.size(); ++i)
        details << QString::fromStdString(lines[i]);
    ui.Show_Report(m_shell.Dialog_Parent(), QString::fromStdString(lines.front()),
                   details.join(u'\n'));
}

} // namespace orvane
