// TFormMain: the order commands of the program menus. Moves, sorts, drops and the deletion of
// several programs are plain logic (views/program_moves.h, views/structural_edits.h); this file
// reads the grid's selection, runs them, and selects the moved rows again.

#include "app/Main.h"

#include "dbase/order_like.h"
#include "views/captions.h"
#include "views/grid_model.h"
#include "views/ui_services.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QTableView>

namespace orvane {
namespace {

constexpr const char *kOrderLikeTitle = "Order like another file";
constexpr const char *kMoveCaption = "Move programs"; // a drop

// A menu caption without the dots of an item that asks something first.
QString Plain_Caption(const char *caption)
{
    return QString::fromUtf8(caption).remove(QStringLiteral("..."));
}
constexpr const char *kOrderLikeText
        = "Programs are matched to the programs of the other file by kind (TV or radio), "
          "service id and the frequency of their transponder (within 2 MHz for satellites), "
          "then by name. Matched programs take the other file's order; the others follow in "
          "their own order.";
constexpr const char *kTakeNames = "Also take the names of the matched programs";
constexpr const char *kTakeFavourites
        = "Also take the favourite groups of the matched programs, and the groups' names";

} // namespace

void TFormMain::Bind_Order_Menus()
{
    for (const GridId grid : {GridId::Tv, GridId::Radio}) {
        const OrderActions &order = grid == GridId::Tv ? m_menus.Tv_Order : m_menus.Radio_Order;
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
    }
    for (BoundGrid &bound : m_grids) {
        if (bound.grid != GridId::Tv && bound.grid != GridId::Radio)
            continue;
        const OrderActions &order
                = bound.grid == GridId::Tv ? m_menus.Tv_Order : m_menus.Radio_Order;
        bound.view->addActions({order.Move_Up, order.Move_Down, order.Move_To_Top,
                                order.Move_To_Bottom, order.Delete_Selected});
        const GridId grid = bound.grid;
        const int view_mode = bound.view_mode;
        bound.model->Set_Drop_Handler(
                [this, grid, view_mode](const std::vector<int> &rows, int insert_before_row) {
                    if (view_mode != m_view.View_Mode)
                        return;
                    Run_Order_Command(QString::fromUtf8(kMoveCaption), grid, [&](MainViews &views) {
                        return Move_Programs_To(views, grid, rows, insert_before_row);
                    });
                });
    }
}

void TFormMain::Apply_Order_Menu(GridId grid)
{
    const OrderActions &order = grid == GridId::Tv ? m_menus.Tv_Order : m_menus.Radio_Order;
    const std::size_t selected = Program_Rows(m_views, grid, Selected_Grid_Rows(grid)).size();
    const bool loaded = m_view.Data_Loaded;
    const bool several_listed
            = loaded && Program_Rows(m_views, grid, std::vector<int>{1, 2}).size() == 2;
    for (QAction *action : {order.Move_Up, order.Move_Down, order.Move_To_Top, order.Move_To_Bottom,
                            order.Move_To_Number})
        action->setEnabled(several_listed && selected > 0);
    order.Sort_By_Name->setEnabled(several_listed);
    order.Sort_By_Service_Id->setEnabled(several_listed);
    order.Delete_Selected->setEnabled(loaded && selected > 0);
    order.Order_Like->setEnabled(loaded);
}

std::vector<int> TFormMain::Selected_Grid_Rows(GridId grid) const
{
    std::vector<int> rows;
    const QTableView *view = Grid_View(grid);
    const auto *model = static_cast<const GridModel *>(view->model());
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        rows.push_back(model->Grid_Row(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TFormMain::Select_Grid_Rows(GridId grid, const std::vector<int> &rows)
{
    QTableView *view = Grid_View(grid);
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
void TFormMain::Run_Order_Command(const QString &caption, GridId grid, Step step)
{
    if (m_files.opening_or_saving() || m_syncing || !m_view.Data_Loaded)
        return;
    std::vector<int> rows;
    Record_Step(caption, [&] { rows = step(m_views); });
    Apply_Changes();
    Select_Grid_Rows(grid, rows);
    Focus_Grid(grid);
}

void TFormMain::Move_ProgramsClick(GridId grid, MoveKind kind)
{
    const OrderActions &order = grid == GridId::Tv ? m_menus.Tv_Order : m_menus.Radio_Order;
    const QAction *action = kind == MoveKind::Up     ? order.Move_Up
                            : kind == MoveKind::Down ? order.Move_Down
                            : kind == MoveKind::Top  ? order.Move_To_Top
                                                     : order.Move_To_Bottom;
    Run_Order_Command(action->text(), grid, [&](MainViews &views) {
        return orvane::Move_ProgramsClick(views, grid, Selected_Grid_Rows(grid), kind);
    });
}

void TFormMain::Move_To_NumberClick(GridId grid)
{
    if (m_files.opening_or_saving() || !m_view.Data_Loaded)
        return;
    const std::vector<int> rows = Program_Rows(m_views, grid, Selected_Grid_Rows(grid));
    const int listed = m_views.cursor(grid).row_count - 1;
    if (rows.empty() || m_views.Row_Slot(grid, 1) == kNoSlot)
        return;
    const std::optional<QString> typed
            = m_ui.Ask_Text(this, Plain_Caption(caption::kMoveToNumber),
                            QStringLiteral("Number (1 to %1):").arg(listed));
    if (!typed)
        return;
    const NumberAnswer answer = Read_Program_Number(typed->toStdString(), listed);
    if (!answer.error.empty()) {
        m_ui.Error_Box(this, QString::fromStdString(answer.error));
        return;
    }
    Run_Order_Command(Plain_Caption(caption::kMoveToNumber), grid, [&](MainViews &views) {
        return Move_Programs_To_Number(views, grid, rows, answer.position + 1);
    });
}

void TFormMain::Sort_ProgramsClick(GridId grid, ProgramSortKey key)
{
    const char *caption
            = key == ProgramSortKey::Name ? caption::kSortByName : caption::kSortByServiceId;
    Run_Order_Command(QString::fromUtf8(caption), grid, [&](MainViews &views) {
        return orvane::Sort_ProgramsClick(views, grid, Selected_Grid_Rows(grid), key);
    });
}

void TFormMain::Order_LikeClick()
{
    if (m_files.opening_or_saving() || m_syncing || !m_view.Data_Loaded)
        return;
    const auto reference = m_files.Open_Reference_File(QString::fromUtf8(kOrderLikeTitle));
    if (!reference)
        return;
    const std::optional<QList<bool>> ticked = m_ui.Choose_Options(
            this, {QString::fromUtf8(kOrderLikeTitle),
                   QString::fromUtf8(kOrderLikeText),
                   {QString::fromUtf8(kTakeNames), QString::fromUtf8(kTakeFavourites)}});
    if (!ticked || ticked->size() != 2)
        return;
    OrderLikeReport report;
    Record_Step(QString::fromUtf8(kOrderLikeTitle), [&] {
        report = Order_Like(*m_db, *reference, {ticked->at(0), ticked->at(1)});
    });
    // Programs may have changed places across satellites and transponders: the page is listed
    // afresh, as when it is shown.
    m_views.PageControl_MainChange(m_view.View_Mode - 1);
    Apply_Changes();
    const std::vector<std::string> lines = Order_Like_Lines(report);
    QStringList details;
    for (std::size_t i = 1; i < lines.size(); ++i)
        details << QString::fromStdString(lines[i]);
    m_ui.Show_Report(this, QString::fromStdString(lines.front()), details.join(u'\n'));
}

} // namespace orvane
