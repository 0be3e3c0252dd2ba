#include "views/program_moves.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace orvane {
namespace {

std::span<const int> Row_Map(const ViewState &view, GridId grid)
{
    return grid == GridId::Radio ? std::span<const int>(view.Radio_Row_Map)
                                 : std::span<const int>(view.Tv_Row_Map);
}

// The slots the grid shows, in list order.
std::vector<int> Listed_Slots(const MainViews &views, GridId grid)
{
    const std::span<const int> map = Row_Map(views.view(), grid);
    const int length = std::min(Map_Length(map),
                                std::clamp(views.database().Program_Count, 0, kProgramSlots));
    return {map.begin(), map.begin() + length};
}

std::vector<char> Selection_Flags(int count, std::span<const int> selected)
{
    std::vector<char> flags(static_cast<std::size_t>(std::max(count, 0)));
    for (const int position : selected)
        if (position >= 0 && position < count)
            flags[static_cast<std::size_t>(position)] = 1;
    return flags;
}

// The selected positions as a block placed after `others_before` of the unselected ones.
std::vector<int> Block_After_Others(int count, std::span<const int> selected, int others_before)
{
    const std::vector<char> flags = Selection_Flags(count, selected);
    std::vector<int> others;
    std::vector<int> block;
    for (int p = 0; p < count; ++p)
        (flags[static_cast<std::size_t>(p)] ? block : others).push_back(p);
    const auto split
            = others.begin() + std::clamp(others_before, 0, static_cast<int>(others.size()));
    std::vector<int> order(others.begin(), split);
    order.insert(order.end(), block.begin(), block.end());
    order.insert(order.end(), split, others.end());
    return order;
}

// Each selected program steps over the unselected neighbour on one side; a selected block at
// that end of the list stays where it is.
std::vector<int> Stepped_Order(int count, std::span<const int> selected, bool up)
{
    std::vector<char> flags = Selection_Flags(count, selected);
    std::vector<int> order(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    for (int step = 1; step < count; ++step) {
        const auto i = static_cast<std::size_t>(up ? step : count - 1 - step);
        const std::size_t neighbour = up ? i - 1 : i + 1;
        if (flags[i] && !flags[neighbour]) {
            std::swap(order[i], order[neighbour]);
            std::swap(flags[i], flags[neighbour]);
        }
    }
    return order;
}

std::vector<int> Positions_Of(std::span<const int> rows)
{
    std::vector<int> positions;
    for (const int row : rows)
        positions.push_back(row - 1);
    return positions;
}

// Runs the new order of the grid's positions as one reorder of its slots, rebuilds the lists
// as after an edit, keeps the current row on its program and returns the rows of the selected
// programs.
std::vector<int> Reorder_Grid(MainViews &views, GridId grid, const std::vector<int> &order,
                              std::span<const int> selected_rows)
{
    // An order that moves nothing (Ctrl+Up at the top, a list already sorted) changes
    // nothing, not even the modified flag.
    if (std::is_sorted(order.begin(), order.end()))
        return {selected_rows.begin(), selected_rows.end()};
    const std::vector<int> slots = Listed_Slots(views, grid);
    std::vector<int> new_order;
    new_order.reserve(order.size());
    for (const int position : order)
        new_order.push_back(slots[static_cast<std::size_t>(position)]);
    if (!Reorder_Programs(views.database(), slots, new_order))
        return {selected_rows.begin(), selected_rows.end()};
    std::vector<int> new_row_of(order.size() + 1);
    for (std::size_t i = 0; i < order.size(); ++i)
        new_row_of[static_cast<std::size_t>(order[i])] = static_cast<int>(i) + 1;
    const int current = views.cursor(grid).current_row - 1;
    views.view().Data_Modified = true;
    views.Fill_Tp_Grid();
    if (current >= 0 && current < static_cast<int>(order.size()))
        views.Make_Row_Current(grid, new_row_of[static_cast<std::size_t>(current)]);
    std::vector<int> rows;
    for (const int row : selected_rows)
        rows.push_back(new_row_of[static_cast<std::size_t>(row - 1)]);
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The selected program rows moved by the order that make_order(count, positions) gives.
template<typename MakeOrder>
std::vector<int> Move_Selected(MainViews &views, GridId grid, std::span<const int> rows,
                               MakeOrder make_order)
{
    const std::vector<int> selected = Program_Rows(views, grid, rows);
    if (selected.empty())
        return {rows.begin(), rows.end()};
    const int count = static_cast<int>(Listed_Slots(views, grid).size());
    return Reorder_Grid(views, grid, make_order(count, Positions_Of(selected)), selected);
}

} // namespace

std::vector<int> Moved_Order(int count, std::span<const int> selected, MoveKind kind)
{
    switch (kind) {
    case MoveKind::Up:
    case MoveKind::Down:
        return Stepped_Order(count, selected, kind == MoveKind::Up);
    case MoveKind::Top:
        return Block_After_Others(count, selected, 0);
    case MoveKind::Bottom:
        break;
    }
    return Block_After_Others(count, selected, count);
}

std::vector<int> Inserted_Order(int count, std::span<const int> selected, int insert_before)
{
    const std::vector<char> flags = Selection_Flags(count, selected);
    const int end = std::clamp(insert_before, 0, count);
    const auto flag_end = flags.begin() + end;
    const int others_before = end - static_cast<int>(std::count(flags.begin(), flag_end, 1));
    return Block_After_Others(count, selected, others_before);
}

std::vector<int> Order_With_Block_At(int count, std::span<const int> selected, int position)
{
    return Block_After_Others(count, selected, position);
}

NumberAnswer Read_Program_Number(std::string_view text, int rows)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    const bool digits_only = !text.empty() && text.front() != '-' && text.front() != '+';
    if (error == std::errc() && end == text.data() + text.size() && digits_only && number >= 1
        && number <= rows)
        return {number - 1, {}};
    return {-1, "\"" + std::string(text) + kNotOnShow + "\r\r" + kNumberRange + std::to_string(rows)
                        + "."};
}

std::vector<int> Program_Rows(const MainViews &views, GridId grid, std::span<const int> rows)
{
    const int length = static_cast<int>(Listed_Slots(views, grid).size());
    std::vector<int> programs;
    for (const int row : rows)
        if (row >= 1 && row <= length)
            programs.push_back(row);
    std::sort(programs.begin(), programs.end());
    programs.erase(std::unique(programs.begin(), programs.end()), programs.end());
    return programs;
}

std::vector<int> Move_ProgramsClick(MainViews &views, GridId grid, std::span<const int> rows,
                                    MoveKind kind)
{
    return Move_Selected(views, grid, rows, [kind](int count, const std::vector<int> &selected) {
        return Moved_Order(count, selected, kind);
    });
}

std::vector<int> Move_Programs_To(MainViews &views, GridId grid, std::span<const int> rows,
                                  int insert_before_row)
{
    return Move_Selected(views, grid, rows, [=](int count, const std::vector<int> &selected) {
        return Inserted_Order(count, selected, insert_before_row - 1);
    });
}

std::vector<int> Move_Programs_To_Number(MainViews &views, GridId grid, std::span<const int> rows,
                                         int number)
{
    return Move_Selected(views, grid, rows, [=](int count, const std::vector<int> &selected) {
        return Order_With_Block_At(count, selected, number - 1);
    });
}

std::vector<int> Sort_ProgramsClick(MainViews &views, GridId grid, std::span<const int> rows,
                                    ProgramSortKey key)
{
    const std::vector<int> slots = Listed_Slots(views, grid);
    if (slots.size() < 2)
        return {rows.begin(), rows.end()};
    const std::vector<int> sorted = key == ProgramSortKey::Name
                                            ? Order_By_Name(views.database(), slots)
                                            : Order_By_Service_Id(views.database(), slots);
    std::vector<int> order;
    order.reserve(sorted.size());
    for (const int slot : sorted)
        order.push_back(static_cast<int>(std::lower_bound(slots.begin(), slots.end(), slot)
                                         - slots.begin()));
    return Reorder_Grid(views, grid, order, Program_Rows(views, grid, rows));
}

} // namespace orvane
