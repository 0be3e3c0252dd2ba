#pragma once

// Moving the selected programs of a TV or radio grid: up, down, to the top or bottom, to a
// number, to where they were dropped, and sorting the list on show. The order is that of the
// list on show: the moved programs change places only with the other programs the grid shows,
// so the programs of other satellites and of the other kind keep their slots. Each command is
// one Reorder_Programs over the grid's slots; afterwards the lists, the info pane and the
// favourites are rebuilt as after an edit, and the current row follows its program.

#include "dbase/program_order.h"
#include "translations/text_mark.h"
#include "views/main_views.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum class MoveKind { Up, Down, Top, Bottom };

// New orders of list positions 0..count-1: order[i] is the position whose program goes to
// position i. Selected positions outside the list are ignored.
std::vector<int> Moved_Order(int count, std::span<const int> selected, MoveKind kind);
// The selected positions, in their order, put before position insert_before of the list as it
// is now (count for the end); used for a drop and for "Move to number...".
std::vector<int> Inserted_Order(int count, std::span<const int> selected, int insert_before);
// The selected positions as a block whose first takes position `position`, or the last
// position the block fits at.
std::vector<int> Order_With_Block_At(int count, std::span<const int> selected, int position);

// "Move to number...": the typed text as a list position, or the message that refuses it,
// which puts the text and the number of rows around these two pieces.
inline constexpr const char *kNotOnShow
        = ORVANE_TEXT("Orvane", "\" is not a program number on show.");
inline constexpr const char *kNumberRange
        = ORVANE_TEXT("Orvane", "Please enter a number from 1 to ");
struct NumberAnswer
{
    int position = -1;
    std::string error;
};
NumberAnswer Read_Program_Number(std::string_view text, int rows);

// The grid's program rows (from 1) among `rows`, in ascending order, without rows that show
// no program.
std::vector<int> Program_Rows(const MainViews &views, GridId grid, std::span<const int> rows);

// The commands. `rows` are the grid's selected rows (from 1); each returns the grid rows that
// show the same programs afterwards, to be selected again. Nothing changes (and the rows come
// back as given) when the grid shows no program among them.
std::vector<int> Move_ProgramsClick(MainViews &views, GridId grid, std::span<const int> rows,
                                    MoveKind kind);
std::vector<int> Move_Programs_To(MainViews &views, GridId grid, std::span<const int> rows,
                                  int insert_before_row);
// "Move to number...": the first selected program takes list number `number` (from 1), the
// others follow it.
std::vector<int> Move_Programs_To_Number(MainViews &views, GridId grid, std::span<const int> rows,
                                         int number);
std::vector<int> Sort_ProgramsClick(MainViews &views, GridId grid, std::span<const int> rows,
                                    ProgramSortKey key);

} // namespace orvane
