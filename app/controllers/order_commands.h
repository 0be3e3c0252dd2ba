#pragma once

// The order commands at the end of the TV and radio menus, after a separator: move up, down, to
// the top, to the bottom and to a number, the two sorts, "Delete selected programs" and "Order
// like another file...". Each acts on the program grid of the page on show and its selected
// rows; the moved rows stay selected and in view. Their shortcuts act on the focused program
// grid; rows dragged within a grid are moved the same way; Del over several selected programs
// deletes them all. Moves, sorts, drops and the deletion are plain logic
// (views/program_moves.h, views/structural_edits.h, dbase/order_like.h).

#include "views/main_views.h"
#include "views/program_moves.h"

#include <QObject>

#include <array>
#include <vector>

class QAction;
class QMenu;

namespace orvane {

class WindowShell;

struct OrderActions
{
    QAction *Move_Up = nullptr;
    QAction *Move_Down = nullptr;
    QAction *Move_To_Top = nullptr;
    QAction *Move_To_Bottom = nullptr;
    QAction *Move_To_Number = nullptr;
    QAction *Sort_By_Name = nullptr;
    QAction *Sort_By_Service_Id = nullptr;
    QAction *Delete_Selected = nullptr;
    QAction *Order_Like = nullptr;
};

// The order actions in menu order.
std::array<QAction *, 9> Order_Action_List(const OrderActions &order);

class OrderCommands final : public QObject
{
    Q_OBJECT

public:
    explicit OrderCommands(WindowShell &shell);

    const OrderActions &actions(GridId grid) const { return grid == GridId::Tv ? m_tv : m_radio; }
    void Move_ProgramsClick(GridId grid, MoveKind kind);
    void Move_To_NumberClick(GridId grid);
    void Sort_ProgramsClick(GridId grid, ProgramSortKey key);
    void Delete_ProgramsClick(GridId grid);
    void Order_LikeClick();
    // The grid's selected rows (from 1, as the list logic counts them), ascending.
    std::vector<int> Selected_Grid_Rows(GridId grid) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OrderActions Add_Order_Items(QMenu *menu, GridId grid);
    void Bind_Grids(GridId grid);
    void Apply_Order_Menu(GridId grid);
    template<typename Step>
    void Run_Order_Command(const QString &caption, GridId grid, Step step);
    void Select_Grid_Rows(GridId grid, const std::vector<int> &rows);

    WindowShell &m_shell;
    OrderActions m_tv;
    OrderActions m_radio;
};

} // namespace orvane
