#pragma once

// Draws every cell of the main window's grids: fixed column in the window colour with a
// raised edge, the selection in light blue with red text (the satellite grid always, the
// other grids only while they have the keyboard focus), and the row highlight that marks
// where the current transponder or program belongs.

#include "views/main_views.h"

#include <QStyledItemDelegate>

namespace orvane {

class GridModel;

namespace grid_colour {
inline const QColor kWindow{221, 221, 221};
inline const QColor kSelected{132, 193, 255};
inline const QColor kSelectedText{255, 0, 0};
// The selection of a grid without the focus: paler, so that the focused grid stands out.
inline const QColor kSelectedInactive{212, 232, 255};
inline const QColor kHighlight{225, 255, 255};
inline const QColor kHighlightText{0, 0, 128};
} // namespace grid_colour

class GridDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    GridDelegate(const MainViews &views, const GridModel &model, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    struct CellColours
    {
        QColor brush;
        QColor text;
    };
    // The colours of a cell by the drawing rules, for painting and for tests.
    CellColours Cell_Colours(const QStyleOptionViewItem &option, const QModelIndex &index,
                             bool grid_has_focus) const;

private:
    QPoint Text_Offset() const;

    const MainViews &m_views;
    const GridModel &m_model;
};

} // namespace orvane
