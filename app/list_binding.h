#pragma once

// The binding of the main window's grids and lists of both pages to the list logic: row
// changes and clicks (a right click makes its row current before the menu opens), the page
// change, Enter and double clicks (handed to the window's edit dialogs), and the redraw of
// what the logic reports as changed.

#include "app/main_layout.h"
#include "views/main_views.h"

#include <QObject>

#include <functional>
#include <vector>

class QPoint;
class QTabWidget;
class QTableView;

namespace orvane {

class GridDelegate;
class GridModel;

class ListBinding final : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<bool()> busy;              // a file is being opened or saved
        std::function<void(GridId)> open_editor; // a double click or Enter on a grid row
        std::function<void()> open_fav_editor;   // on a favourite group
        std::function<void()> changes_applied;   // after every redraw
    };
    struct BoundGrid
    {
        QTableView *view = nullptr;
        GridModel *model = nullptr;
        GridDelegate *delegate = nullptr;
        int view_mode = kSatellitesPage;
        GridId grid = GridId::Sat;
        bool row_changed_by_press = false;
    };

    ListBinding(MainViews &views, QTabWidget *pages, const PageWidgets &satellites,
                const PageWidgets &terrestrial, Hooks hooks, QObject *parent);

    // Redraws what the list logic reports as changed and puts the widgets' current rows where
    // the logic has them.
    void Apply_Changes();
    // While the widgets are brought in step with the logic, their signals are not the user's.
    bool syncing() const { return m_syncing; }
    void Quietly(const std::function<void()> &change);
    void Refresh_Grid(GridId grid);
    std::vector<BoundGrid> &grids() { return m_grids; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Bind_Grid(QTableView *view, int view_mode, GridId grid);
    void Bind_Fav_List(QListWidget *list);
    void On_Current_Row_Changed(BoundGrid &bound, int model_row);
    void On_Row_Clicked(BoundGrid &bound, int model_row);
    void On_Page_Changed(int index);
    void Sync_Cursors();
    void Refill_Fav_List();
    void Refill_Info_List();
    BoundGrid *Bound(QObject *view_or_viewport);
    void Press_Row_For_Menu(BoundGrid &bound, const QPoint &position);
    const PageWidgets &Page(int view_mode) const;

    MainViews &m_views;
    QTabWidget *m_pages;
    PageWidgets m_sat_page;
    PageWidgets m_ter_page;
    Hooks m_hooks;
    std::vector<BoundGrid> m_grids;
    bool m_syncing = false;
    bool m_fav_row_changed_by_press = false;
};

} // namespace orvane
