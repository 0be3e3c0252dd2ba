#include "views/grid_model.h"

#include "translations/ui_text.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include <algorithm>

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
        return index.column() == 0
                       ? QString()
                       : ui_text::Shown(m_views.Title_Text(m_view_mode, m_grid, index.column()));
    return QString::fromStdString(m_views.Cell_Text(m_view_mode, m_grid, row, index.column()));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::ToolTipRole)
        return Title_Tip(section);
    if (role != Qt::DisplayRole)
        return {};
    if (m_grid == GridId::Sat && section > 0)
        return QString();
    return ui_text::Shown(m_views.Title_Text(m_view_mode, m_grid, section));
}

// The titles of the number and scrambled columns are symbols; the tip says what they stand for.
QVariant GridModel::Title_Tip(int section) const
{
    if (section == 0)
        return tr("The entry's number in the list");
    if ((m_grid == GridId::Tv || m_grid == GridId::Radio) && section == 2)
        return tr("$ marks a scrambled program");
    return {};
}

namespace {

// The grid rows of a drag, with the process and grid they come from.
const QString kProgramRowsType = QStringLiteral("application/x-orvane-program-rows");

} // namespace

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    // Only the space between rows takes a drop, so the drop indicator is a line.
    if (!index.isValid())
        return Moves_Rows() ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool shows_program = m_views.Row_Slot(m_grid, Grid_Row(index.row())) != kNoSlot;
    return Moves_Rows() && shows_program ? flags | Qt::ItemIsDragEnabled : flags;
}

Qt::DropActions GridModel::supportedDropActions() const
{
    return Moves_Rows() ? Qt::MoveAction : Qt::IgnoreAction;
}

QStringList GridModel::mimeTypes() const
{
    return {kProgramRowsType};
}

QMimeData *GridModel::mimeData(const QModelIndexList &indexes) const
{
    std::vector<int> rows;
    for (const QModelIndex &index : indexes)
        rows.push_back(Grid_Row(index.row()));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QByteArray encoded;
    QDataStream stream(&encoded, QIODevice::WriteOnly);
    stream << static_cast<qint64>(QCoreApplication::applicationPid())
           << static_cast<qint32>(m_view_mode) << static_cast<qint32>(m_grid);
    for (const int row : rows)
        stream << static_cast<qint32>(row);
    auto *data = new QMimeData;
    data->setData(kProgramRowsType, encoded);
    return data;
}

bool GridModel::Own_Rows(const QMimeData *data, std::vector<int> *rows) const
{
    if (!Moves_Rows() || !data->hasFormat(kProgramRowsType))
        return false;
    QDataStream stream(data->data(kProgramRowsType));
    qint64 process = 0;
    qint32 view_mode = 0;
    qint32 grid = 0;
    stream >> process >> view_mode >> grid;
    // Rows from another program on the desktop, the other page's grid or the other kind's
    // grid are not this grid's rows.
    if (process != QCoreApplication::applicationPid() || view_mode != m_view_mode
        || grid != static_cast<qint32>(m_grid))
        return false;
    while (rows && !stream.atEnd()) {
        qint32 dragged = 0;
        stream >> dragged;
        rows->push_back(dragged);
    }
    return true;
}

bool GridModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int /*row*/,
                                int /*column*/, const QModelIndex &parent) const
{
    return action == Qt::MoveAction && !parent.isValid() && Own_Rows(data, nullptr);
}

bool GridModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                             const QModelIndex &parent)
{
    std::vector<int> rows;
    if (!canDropMimeData(data, action, row, column, parent) || !m_on_drop || !Own_Rows(data, &rows))
        return false;
    // Below the last row (or on the empty space under it) is the end of the list.
    const int end = rowCount();
    m_on_drop(rows, Grid_Row(row < 0 || row > end ? end : row));
    return true;
}

void GridModel::Refresh()
{
    beginResetModel();
    endResetModel();
}

} // namespace orvane
