// The binding of both pages' grids and lists to the list logic (MainViews). The logic decides
// what every list shows and which row is current; this passes the user's row changes to it,
// redraws what it reports as changed, and keeps the widgets' current rows in step.

#include "app/list_binding.h"

#include "translations/ui_text.h"
#include "views/captions.h"
#include "views/grid_delegate.h"
#include "views/grid_model.h"
#include "views/key_events.h"

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

// An info pane line with its captions in the user's language; the names and numbers stay.
QString Shown_Info_Line(const std::string &line)
{
    using namespace caption;
    return ui_text::Shown_Pieces(line, {kInfoSat, kInfoTp, kInfoName, kInfoVid, kInfoAud, kInfoPcr,
                                        kInfoFree, kInfoEncrypt, kInfoLockYes, kInfoLockNot,
                                        kInfoSkipYes, kInfoSkipNot});
}

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

ListBinding::ListBinding(MainViews &views, QTabWidget *pages, const PageWidgets &satellites,
                         const PageWidgets &terrestrial, Hooks hooks, QObject *parent)
    : QObject(parent)
    , m_views(views)
    , m_pages(pages)
    , m_sat_page(satellites)
    , m_ter_page(terrestrial)
    , m_hooks(std::move(hooks))
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
    connect(m_pages, &QTabWidget::currentChanged, this, &ListBinding::On_Page_Changed);
    // A grid shows its selection paler without the focus: the grids that lose or take it are
    // repainted.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old_widget, QWidget *now) {
        for (BoundGrid &bound : m_grids)
            if (bound.view == old_widget || bound.view == now)
                bound.view->viewport()->update();
    });
}

void ListBinding::Bind_Grid(QTableView *view, int view_mode, GridId grid)
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
            [this, grid](const QModelIndex &) { m_hooks.open_editor(grid); });
    view->installEventFilter(this); // Enter opens the row's dialog
}

void ListBinding::Bind_Fav_List(QListWidget *list)
{
    list->viewport()->installEventFilter(this);
    list->installEventFilter(this); // Enter opens the group's dialog
    connect(list, &QListWidget::itemDoubleClicked, this, [this] {
        if (!m_syncing && !m_hooks.busy() && m_views.view().Data_Loaded) {
            m_hooks.open_fav_editor();
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

bool ListBinding::eventFilter(QObject *watched, QEvent *event)
{
    if (Is_Enter_Press(event)) {
        const PageWidgets &page = Page(m_views.view().View_Mode);
        if (watched == page.fav) {
            if (!m_hooks.busy() && m_views.view().Data_Loaded) {
                m_hooks.open_fav_editor();
            }
            return true;
        }
        if (BoundGrid *bound = Bound(watched); bound && bound->view == watched) {
            m_hooks.open_editor(bound->grid);
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
    return QObject::eventFilter(watched, event);
}

// The row under a right click becomes current first, as a left click makes it, so that the menu
// acts on the row the user pointed at. A row of a selection of several keeps the selection.
void ListBinding::Press_Row_For_Menu(BoundGrid &bound, const QPoint &position)
{
    const QModelIndex index = bound.view->indexAt(position);
    if (!index.isValid() || m_syncing || m_hooks.busy())
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

ListBinding::BoundGrid *ListBinding::Bound(QObject *view_or_viewport)
{
    for (BoundGrid &bound : m_grids)
        if (bound.view == view_or_viewport || bound.view->viewport() == view_or_viewport)
            return &bound;
    return nullptr;
}

void ListBinding::On_Current_Row_Changed(BoundGrid &bound, int model_row)
{
    if (m_syncing || bound.view_mode != m_views.view().View_Mode || model_row < 0)
        return;
    bound.row_changed_by_press = true;
    m_views.Select_Row(bound.grid, bound.model->Grid_Row(model_row));
    Apply_Changes();
}

void ListBinding::On_Row_Clicked(BoundGrid &bound, int model_row)
{
    if (m_syncing || bound.view_mode != m_views.view().View_Mode)
        return;
    // A click that moved the row has already run the handler through the row change.
    if (bound.row_changed_by_press) {
        bound.row_changed_by_press = false;
        return;
    }
    m_views.Select_Row(bound.grid, bound.model->Grid_Row(model_row), true);
    Apply_Changes();
}

void ListBinding::On_Page_Changed(int index)
{
    if (m_syncing)
        return;
    m_views.PageControl_MainChange(index);
    Apply_Changes();
    const PageWidgets &page = Page(m_views.view().View_Mode);
    (m_views.view().View_Mode == kSatellitesPage ? page.sat : page.tp)->setFocus();
}

void ListBinding::Apply_Changes()
{
    m_hooks.changes_applied();
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

void ListBinding::Sync_Cursors()
{
    for (BoundGrid &bound : m_grids) {
        if (bound.view_mode != m_views.view().View_Mode)
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
    QListWidget *fav = Page(m_views.view().View_Mode).fav;
    fav->setCurrentRow(m_views.Page_Lists().fav_current);
}

void ListBinding::Refill_Fav_List()
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

void ListBinding::Refill_Info_List()
{
    for (const PageWidgets *page : {&m_sat_page, &m_ter_page}) {
        const PageLists &lists
                = m_views.page(page == &m_sat_page ? kSatellitesPage : kTerrestrialPage);
        page->info->clear();
        for (const std::string &line : lists.info_lines)
            page->info->addItem(Shown_Info_Line(line));
    }
}

void ListBinding::Quietly(const std::function<void()> &change)
{
    const QScopedValueRollback<bool> guard(m_syncing, true);
    change();
}

void ListBinding::Refresh_Grid(GridId grid)
{
    for (BoundGrid &bound : m_grids)
        if (bound.grid == grid)
            bound.model->Refresh();
}

const PageWidgets &ListBinding::Page(int view_mode) const
{
    return view_mode == kTerrestrialPage ? m_ter_page : m_sat_page;
}

} // namespace orvane
