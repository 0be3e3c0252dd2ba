#include "views/grid_delegate.h"

#include "views/grid_model.h"

#include <QAbstractItemView>
#include <QPainter>

namespace orvane {
namespace {

void Draw_Raised_Edge(QPainter *painter, const QRect &rect)
{
    painter->setPen(Qt::white);
    painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(rect.topLeft(), rect.bottomLeft());
    painter->setPen(Qt::gray);
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());
}

void Draw_Focus_Rect(QPainter *painter, const QRect &rect)
{
    QPen pen(Qt::black, 1, Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
}

} // namespace

GridDelegate::GridDelegate(const MainViews &views, const GridModel &model, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_views(views)
    , m_model(model)
{}

GridDelegate::CellColours GridDelegate::Cell_Colours(const QStyleOptionViewItem &option,
                                                     const QModelIndex &index,
                                                     bool grid_has_focus) const
{
    CellColours colours{option.palette.color(QPalette::Base), option.palette.color(QPalette::Text)};
    const bool fixed = index.column() == 0;
    const GridId grid = m_model.grid();
    if (fixed) {
        colours.brush = grid_colour::kWindow;
        return colours;
    }
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    if (selected && (grid == GridId::Sat || grid_has_focus))
        colours = {grid_colour::kSelected, grid_colour::kSelectedText};
    else if (selected)
        colours.brush = grid_colour::kSelectedInactive;
    if (grid == GridId::Tp && m_views.Tp_Selection_Hidden())
        colours = {option.palette.color(QPalette::Base), option.palette.color(QPalette::Text)};
    const int highlighted = grid == GridId::Sat  ? m_views.Sat_Highlight_Row()
                            : grid == GridId::Tp ? m_views.Tp_Highlight_Row()
                                                 : kNoSlot;
    if (highlighted != kNoSlot && m_model.Grid_Row(index.row()) == highlighted)
        colours = {grid_colour::kHighlight, grid_colour::kHighlightText};
    return colours;
}

QPoint GridDelegate::Text_Offset() const
{
    const GridId grid = m_model.grid();
    return grid == GridId::Sat || grid == GridId::Tp ? QPoint(1, 1) : QPoint(2, 1);
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    const bool grid_has_focus = view != nullptr && view->hasFocus();
    const CellColours colours = Cell_Colours(option, index, grid_has_focus);
    const QRect rect = option.rect;

    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, colours.brush);
    painter->setFont(option.font);
    painter->setPen(colours.text);
    const QPoint offset = Text_Offset();
    painter->drawText(rect.adjusted(offset.x(), offset.y(), 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (index.column() == 0)
        Draw_Raised_Edge(painter, rect);
    if (grid_has_focus && option.state.testFlag(QStyle::State_HasFocus))
        Draw_Focus_Rect(painter, rect);
    painter->restore();
}

} // namespace orvane
