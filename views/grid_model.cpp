#include "views/grid_model.h"

namespace orvane {

GridModel::GridModel(const MainViews &views, int view_mode, GridId grid, QObject *parent)
    : QAbstractTableModel(parent)
    , m_views(views)
    , m_view_mode(view_mode)
    , m_grid(grid)
{}

int GridModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    const GridCursor cursor = m_grid == GridId::Sat  ? m_views.sat_grid()
                              : m_grid == GridId::Tp ? m_views.page(m_view_mode).tp
                              : m_grid == GridId::Tv ? m_views.page(m_view_mode).tv
                                                     : m_views.page(m_view_mode).radio;
    return std::max(Model_Row(cursor.row_count), 0);
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MainViews::Column_Count(m_view_mode, m_grid);
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const int row = Grid_Row(index.row());
    // Row 0 of the satellite grid is its "Show ALL Info" row; its fixed cell stays empty
    // because the header above it carries the title.
    if (row == 0)
        return index.column() == 0 ? QString()
                                   : QString::fromStdString(
                                           m_views.Title_Text(m_view_mode, m_grid, index.column()));
    return QString::fromStdString(m_views.Cell_Text(m_view_mode, m_grid, row, index.column()));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (m_grid == GridId::Sat && section > 0)
        return QString();
    return QString::fromStdString(m_views.Title_Text(m_view_mode, m_grid, section));
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void GridModel::Refresh()
{
    beginResetModel();
    endResetModel();
}

} // namespace orvane
