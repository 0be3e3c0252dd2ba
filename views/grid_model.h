#pragma once

// A grid of the main window as a Qt model. It copies nothing: every cell is read from the
// list logic (row maps and display rows) when the view paints it. The grid's title row is the
// horizontal header, so grid row r is model row r - 1; the satellite grid keeps its selectable
// "Show ALL Info" row as model row 0.

#include "views/main_views.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

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

    // The program grids move their rows by drag and drop: rows dragged within the grid are
    // dropped between two rows, never onto one, and the model hands the move to on_drop (grid
    // rows dragged, grid row they go before) instead of changing rows itself.
    using DropHandler = std::function<void(const std::vector<int> &rows, int insert_before_row)>;
    void Set_Drop_Handler(DropHandler on_drop) { m_on_drop = std::move(on_drop); }
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    GridId grid() const { return m_grid; }
    int view_mode() const { return m_view_mode; }
    // Grid rows (as the logic counts them) and model rows.
    int Grid_Row(int model_row) const { return model_row + First_Model_Row_Offset(); }
    int Model_Row(int grid_row) const { return grid_row - First_Model_Row_Offset(); }

    // The logic changed what this grid shows.
    void Refresh();

private:
    QVariant Title_Tip(int section) const;
    int First_Model_Row_Offset() const { return m_grid == GridId::Sat ? 0 : 1; }
    bool Moves_Rows() const { return m_grid == GridId::Tv || m_grid == GridId::Radio; }
    // Whether a drag carries rows of this very grid; their grid rows into *rows.
    bool Own_Rows(const QMimeData *data, std::vector<int> *rows) const;

    const MainViews &m_views;
    int m_view_mode;
    GridId m_grid;
    DropHandler m_on_drop;
};

} // namespace orvane
