#pragma once

// A grid of the main window as a Qt model. It copies nothing: every cell is read from the
// list logic (row maps and display rows) when the view paints it. The grid's title row is the
// horizontal header, so grid row r is model row r - 1; the satellite grid keeps its selectable
// "Show ALL Info" row as model row 0.

#include "views/main_views.h"

#include <QAbstractTableModel>

namespace orvane {

class GridModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    GridModel(const MainViews &views, int view_mode, GridId grid, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    GridId grid() const { return m_grid; }
    int view_mode() const { return m_view_mode; }
    // Grid rows (as the logic counts them) and model rows.
    int Grid_Row(int model_row) const { return model_row + First_Model_Row_Offset(); }
    int Model_Row(int grid_row) const { return grid_row - First_Model_Row_Offset(); }

    // The logic changed what this grid shows.
    void Refresh();

private:
    int First_Model_Row_Offset() const { return m_grid == GridId::Sat ? 0 : 1; }

    const MainViews &m_views;
    int m_view_mode;
    GridId m_grid;
};

} // namespace orvane
