// MainViews: the text of every grid cell, read by the grid models when a cell is painted.
// Row 0 of a grid is its title row; the other rows name their slot through the row maps.

#include "views/main_views.h"

#include "views/captions.h"
#include "views/list_texts.h"

#include <algorithm>

namespace orvane {
namespace {

const char *Scrambled_Text(const TProg_Info_String &row)
{
    return row.Free_To_Air == 1 ? "" : caption::kScrambledMark;
}

std::string Program_Cell(const ChannelDatabase &db, int slot, int position, int column)
{
    const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(slot)];
    switch (column) {
    case 0:
        return Row_Number_Text(position);
    case 1:
        return db.names->Text_Of(
                std::string_view(row.Name).substr(0, row.Name.find_last_not_of(' ') + 1));
    default:
        return Scrambled_Text(row);
    }
}

std::string Sat_Tp_Cell(const ChannelDatabase &db, int slot, int position, int column)
{
    const TTp_Info_String &row = db.rows.sat_tps[static_cast<std::size_t>(slot)];
    switch (column) {
    case 0:
        return Row_Number_Text(position);
    case 1:
        return Zero_Padded(row.Frequency, 5);
    case 2:
        return row.Polarity_Text;
    case 3:
        return Zero_Padded(row.Symbol_Rate, 5);
    default:
        return row.Fec_Text;
    }
}

std::string Ter_Tp_Cell(const ChannelDatabase &db, int slot, int position, int column)
{
    if (column == 0)
        return Row_Number_Text(position);
    return Zero_Padded(db.rows.ter_tps[static_cast<std::size_t>(slot)].Frequency, 7);
}

} // namespace

int MainViews::Column_Count(int view_mode, GridId grid)
{
    switch (grid) {
    case GridId::Sat:
        return 2;
    case GridId::Tp:
        return view_mode == kSatellitesPage ? 5 : 2;
    default:
        return 3;
    }
}

std::string MainViews::Title_Text(int view_mode, GridId grid, int column) const
{
    const bool satellites = view_mode == kSatellitesPage;
    if (column == 0)
        return satellites ? caption::kSatTitle : caption::kTerTitle;
    switch (grid) {
    case GridId::Sat:
        return m_show_all_written ? caption::kShowAllInfo : "";
    case GridId::Tp: {
        if (!satellites)
            return caption::kTransponderList;
        static const char *const kTitles[]
                = {caption::kFreq, caption::kPol, caption::kSym, caption::kFec};
        return kTitles[std::clamp(column, 1, 4) - 1];
    }
    case GridId::Tv:
        return column == 1 ? caption::kTvName : caption::kScrambledTitle;
    default:
        return column == 1 ? caption::kRadioName : caption::kScrambledTitle;
    }
}

std::string MainViews::Cell_Text(int view_mode, GridId grid, int row, int column) const
{
    if (row == 0)
        return Title_Text(view_mode, grid, column);
    // The lists of the page not on show are rebuilt before they are shown again.
    if (view_mode != m_view.View_Mode)
        return {};
    const int slot = Row_Slot(grid, row);
    if (slot == kNoSlot || column < 0 || column >= Column_Count(view_mode, grid))
        return {};
    const int position = row - 1;
    switch (grid) {
    case GridId::Sat:
        return column == 0 ? Row_Number_Text(position)
                           : m_db.names->Text_Of(
                                   m_db.rows.satellites[static_cast<std::size_t>(slot)].Name);
    case GridId::Tp:
        return view_mode == kSatellitesPage ? Sat_Tp_Cell(m_db, slot, position, column)
                                            : Ter_Tp_Cell(m_db, slot, position, column);
    default:
        return Program_Cell(m_db, slot, position, column);
    }
}

} // namespace orvane
