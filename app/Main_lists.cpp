// TFormMain: binding the grids and lists of both pages to the list logic. The logic decides
// what every list shows and which row is current; this file passes the user's row changes to
// it and redraws what it reports as changed.

#include "app/Main.h"

#include "views/grid_delegate.h"
#include "views/grid_model.h"
#include "views/key_events.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableView>

namespace orvane {
namespace {

unsigned Grid_Bit(GridId grid)
{
    switch (grid) {
    case GridId::Sat:
        return changed::kSatGrid;
    case GridId::Tp:
        return changed::kTpGrid;
    case GridId::Tv:
        return changed::kTvGrid;
    default:
        return changed::kRadioGrid;
    }
}

unsigned Highlight_Bit(GridId grid)
{
    return grid == GridId::Sat  ? changed::kSatHighlight
           : grid == GridId::Tp ? changed::kTpHighlight
                                : 0u;
}

} // namespace

void TFormMain::Bind_Lists()
{
    m_grids.reserve(7);
    Bind_Grid(m_sat_page.sat, kSatellitesPage, GridId::Sat);
    for (const PageWidgets *page : {&m_sat_page, &m_ter_page}) {
        const int mode = page == &m_sat_page ? kSatellitesPage : kTerrestrialPage;
        Bind_Grid(page->tp, mode, GridId::Tp);
        Bind_Grid(page->tv, mode, GridId::Tv);
        Bind_Grid(page->radio, mode, GridId::Radio);
        Bind_Fav_List(page->fav);
        page->info->setSelectionMode(QAbstractItemView::NoSelection);
    }
    connect(m_page_control, &QTabWidget::currentChanged, this, &TFormMain::On_Page_Changed);
    // The grids show their selection only while they have the focus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old_widget, QWidget *now) {
        for (BoundGrid &bound : m_grids)
            if (bound.view == old_widget || bound.view == now)
                bound.view->viewport()->update();
    });
}

void TFormMain::Bind_Grid(QTableView *view, int view_mode, GridId grid)
{
    BoundGrid &bound = m_grids.emplace_back();
    bound.view = view;
    bound.view_mode = view_mode;
    bound.grid = grid;
    bound.model = new GridModel(m_views, view_mode, grid, view);
    bound.delegate = new GridDelegate(m_views, *bound.model, view);
    view->setModel(bound.model);
    view->setItemDelegate(bound.delegate);
    view->viewport()->installEventFilter(this);
    const std::size_t index = m_grids.size() - 1;
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, index](const QModelIndex &current) {
                On_Current_Row_Changed(m_grids[index], current.row());
            });
    connect(view, &QTableView::clicked, this, [this, index](const QModelIndex &clicked) {
        On_Row_Clicked(m_grids[index], clicked.row());
    });
    connect(view, &QTableView::doubleClicked, this,
            [this, grid](const QModelIndex &) { Open_Editor(grid); });
    view->installEventFilter(this); // Enter opens the row's dialog
}

void TFormMain::Open_Editor(GridId grid)
{
    if (m_syncing || m_files.opening_or_saving() || !m_view.Data_Loaded)
        return;
    // The step takes the caption of the menu command that opens the same dialog.
    const QAction *change = grid == GridId::Sat  ? m_menus.Change_Sat
                            : grid == GridId::Tp ? m_menus.Change_Tp
                            : grid == GridId::Tv ? m_menus.Change_TV
                                                 : m_menus.Change_Radio;
    Record_Step(change->text(), [&] {
        switch (grid) {
        case GridId::Sat:
            SG_S_SatDblClick();
            break;
        case GridId::Tp:
            SG_S_TPDblClick();
            break;
        case GridId::Tv:
            SG_S_TVDblClick();
            break;
        case GridId::Radio:
            SG_S_RadioDblClick();
            break;
        }
    });
    Apply_Changes();
}

void TFormMain::Bind_Fav_List(QListWidget *list)
{
    list->viewport()->installEventFilter(this);
    list->installEventFilter(this); // Enter opens the group's dialog
    connect(list, &QListWidget::itemDoubleClicked, this, [this] {
        if (!m_syncing && !m_files.opening_or_saving() && m_view.Data_Loaded) {
            LB_S_FAVDblClick();
            Apply_Changes();
        }
    });
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_syncing)
            return;
        m_fav_row_changed_by_press = true;
        m_views.Select_Fav_Line(row);
        Apply_Changes();
    });
    connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem *item) {
        // A click that moved the line has already run the handler through the line change.
        if (m_syncing || std::exchange(m_fav_row_changed_by_press, false))
            return;
        m_views.Select_Fav_Line(list->row(item), true);
        Apply_Changes();
    });
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    if (Is_Enter_Press(event)) {
        const PageWidgets &page = page_widgets(m_view.View_Mode);
        if (watched == page.fav) {
            if (!m_files.opening_or_saving() && m_view.Data_Loaded) {
                LB_S_FAVDblClick();
                Apply_Changes();
            }
            return true;
        }
        if (BoundGrid *bound = Bound(watched); bound && bound->view == watched) {
            Open_Editor(bound->grid);
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            if (BoundGrid *bound = Bound(watched);
                bound && event->type() == QEvent::MouseButtonPress)
                Press_Row_For_Menu(*bound, mouse->position().toPoint());
            return true;
        }
        if (BoundGrid *bound = Bound(watched))
            bound->row_changed_by_press = false;
        else
            m_fav_row_changed_by_press = false;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The row under a right click becomes current first, as a left click makes it, so that the menu
// acts on the row the user pointed at. A row of a selection of several keeps the selection.
void TFormMain::Press_Row_For_Menu(BoundGrid &bound, const QPoint &position)
{
    const QModelIndex index = bound.view->indexAt(position);
    if (!index.isValid() || m_syncing || m_files.opening_or_saving())
        return;
    QItemSelectionModel *selection = bound.view->selectionModel();
    const bool in_several
            = selection->isRowSelected(index.row()) && selection->selectedRows().size() > 1;
    bound.view->setFocus(Qt::MouseFocusReason);
    bound.row_changed_by_press = false;
    selection->setCurrentIndex(index, in_several ? QItemSelectionModel::NoUpdate
                                                 : QItemSelectionModel::ClearAndSelect
                                                           | QItemSelectionModel::Rows);
    On_Row_Clicked(bound, index.row());
}

TFormMain::BoundGrid *TFormMain::Bound(QObject *view_or_viewport)
{
    for (BoundGrid &bound : m_grids)
        if (bound.view == view_or_viewport || bound.view->viewport() == view_or_viewport)
            return &bound;
    return nullptr;
}

void TFormMain::On_Current_Row_Changed(BoundGrid &bound, int model_row)
{
    if (m_syncing || bound.view_mode != m_view.View_Mode || model_row < 0)
        return;
    bound.row_changed_by_press = true;
    m_views.Select_Row(bound.grid, bound.model->Grid_Row(model_row));
    Apply_Changes();
}

void TFormMain::On_Row_Clicked(BoundGrid &bound, int model_row)
{
    if (m_syncing || bound.view_mode != m_view.View_Mode)
        return;
    // A click that moved the row has already run the handler through the row change.
    if (bound.row_changed_by_press) {
        bound.row_changed_by_press = false;
        return;
    }
    m_views.Select_Row(bound.grid, bound.model->Grid_Row(model_row), true);
    Apply_Changes();
}

void TFormMain::On_Page_Changed(int index)
{
    if (m_syncing)
        return;
    m_views.PageControl_MainChange(index);
    Apply_Changes();
    const PageWidgets &page = page_widgets(m_view.View_Mode);
    (m_view.View_Mode == kSatellitesPage ? page.sat : page.tp)->setFocus();
}

void TFormMain::Apply_Changes()
{
    Show_Modified_Mark();
    const unsigned changes = m_views.Take_Changes();
    if (changes == 0)
        return;
    const QScopedValueRollback<bool> guard(m_syncing, true);
    for (BoundGrid &bound : m_grids) {
        if (changes & Grid_Bit(bound.grid))
            bound.model->Refresh();
        else if (changes & Highlight_Bit(bound.grid))
            bound.view->viewport()->update();
    }
    if (changes & changed::kFavList)
        Refill_Fav_List();
    if (changes & changed::kInfoList)
        Refill_Info_List();
    Sync_Cursors();
}

void TFormMain::Sync_Cursors()
{
    for (BoundGrid &bound : m_grids) {
        if (bound.view_mode != m_view.View_Mode)
            continue;
        const int row = bound.model->Model_Row(m_views.cursor(bound.grid).current_row);
        const QModelIndex current = bound.view->currentIndex();
        if (row < 0 || row >= bound.model->rowCount()) {
            bound.view->selectionModel()->clear();
            continue;
        }
        if (current.row() == row)
            continue;
        const QModelIndex index = bound.model->index(row, std::max(current.column(), 0));
        bound.view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect
                                                                     | QItemSelectionModel::Rows);
    }
    QListWidget *fav = page_widgets(m_view.View_Mode).fav;
    fav->setCurrentRow(m_views.Page_Lists().fav_current);
}

void TFormMain::Refill_Fav_List()
{
    for (const PageWidgets *page : {&m_sat_page, &m_ter_page}) {
        const PageLists &lists
                = m_views.page(page == &m_sat_page ? kSatellitesPage : kTerrestrialPage);
        QStringList lines;
        for (const std::string &line : lists.fav_lines)
            lines.append(QString::fromStdString(line));
        page->fav->clear();
        page->fav->addItems(lines);
    }
}

void TFormMain::Refill_Info_List()
{
    for (const PageWidgets *page : {&m_sat_page, &m_ter_page}) {
        const PageLists &lists
                = m_views.page(page == &m_sat_page ? kSatellitesPage : kTerrestrialPage);
        page->info->clear();
        for (const std::string &line : lists.info_lines)
            page->info->addItem(QString::fromStdString(line));
    }
}

} // namespace orvane
