#include "views/program_find.h"

#include "dbase/decode.h"
#include "views/row_maps.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool All_Digits(std::string_view text)
{
    return !text.empty()
           && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The decimal texts of the rows carry no leading zeros, so a typed "0256" compares as "256".
std::string_view Without_Leading_Zeros(std::string_view digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? digits.substr(digits.size() - 1)
                                           : digits.substr(first);
}

std::string_view Tp_Frequency(const ChannelDatabase &db, const TProg_Info_String &row)
{
    const auto tp = static_cast<std::size_t>(row.Tp_Index);
    return row.Tp_Kind == prog::kKindSatellite ? db.rows.sat_tps[tp].Frequency
                                               : db.rows.ter_tps[tp].Frequency;
}

bool Number_Matches(const ChannelDatabase &db, const TProg_Info_String &row,
                    std::string_view number)
{
    for (const std::string *field : {&row.Service_Id, &row.Video_Pid, &row.Audio_Pid, &row.Pcr_Pid,
                                     &row.Pmt_Pid, &row.Private_Pid})
        if (*field == number)
            return true;
    return Tp_Frequency(db, row) == number;
}

// The programs that own an audio track of PID `number`, counted as the program's own tracks
// are: by position among the used tracks.
std::vector<bool> Programs_With_Track(const ChannelDatabase &db, std::string_view number)
{
    std::vector<bool> owners(kProgramSlots, false);
    const int tracks = Used_Audio_Track_Count(db.raw);
    for (int a = 0; a < tracks; ++a) {
        const TAudio_Info_String &track = db.rows.audio_tracks[static_cast<std::size_t>(a)];
        if (track.Program_Index >= 0 && track.Program_Index < kProgramSlots
            && track.Audio_Pid == number)
            owners[static_cast<std::size_t>(track.Program_Index)] = true;
    }
    return owners;
}

} // namespace

bool Can_Show_Program(const ChannelDatabase &db, int slot)
{
    if (slot < 0 || slot >= kProgramSlots)
        return false;
    const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(slot)];
    if (row.In_Use != 1 || row.Tp_Index < 0)
        return false;
    const auto tp = static_cast<std::size_t>(row.Tp_Index);
    if (row.Tp_Kind == prog::kKindSatellite)
        return tp < db.rows.sat_tps.size() && db.rows.sat_tps[tp].In_Use == 1;
    if (row.Tp_Kind == prog::kKindTerrestrial)
        return tp < db.rows.ter_tps.size() && db.rows.ter_tps[tp].In_Use == 1;
    return false;
}

std::vector<int> Find_Programs(const ChannelDatabase &db, std::string_view text)
{
    std::vector<int> matches;
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty())
        return matches;
    const bool numeric = All_Digits(trimmed);
    // A number's digits are a name part too; spaces around them are not. A text the names'
    // character set cannot hold is part of no name.
    const std::optional<std::string> part = db.names->Folded_Text(numeric ? trimmed : text);
    const std::string_view number = numeric ? Without_Leading_Zeros(trimmed) : std::string_view{};
    const std::vector<bool> track_owners
            = numeric ? Programs_With_Track(db, number) : std::vector<bool>{};
    const int count = Listed_Program_Count(db);
    for (int p = 0; p < count; ++p) {
        // A program the lists cannot show is no match at all: going to it could select nothing,
        // and the count in the bar would promise more than Next can reach.
        if (!Can_Show_Program(db, p))
            continue;
        const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(p)];
        if ((part && db.names->Folded_Name(row.Name).find(*part) != std::string::npos)
            || (numeric
                && (track_owners[static_cast<std::size_t>(p)] || Number_Matches(db, row, number))))
            matches.push_back(p);
    }
    return matches;
}

const char *Wrap_Note(FindCursor::Wrap wrap)
{
    switch (wrap) {
    case FindCursor::Wrap::ToFirst:
        return find_text::kWrappedToFirst;
    case FindCursor::Wrap::ToLast:
        return find_text::kWrappedToLast;
    default:
        return "";
    }
}

void FindCursor::Reset(std::vector<int> matches)
{
    const int current = current_slot();
    m_matches = std::move(matches);
    const auto kept = std::find(m_matches.begin(), m_matches.end(), current);
    m_position = kept == m_matches.end() ? -1 : static_cast<int>(kept - m_matches.begin());
}

std::optional<FindCursor::Step> FindCursor::Next()
{
    if (m_matches.empty())
        return std::nullopt;
    Wrap wrap = Wrap::None;
    if (++m_position >= count()) {
        m_position = 0;
        wrap = Wrap::ToFirst;
    }
    return Step{m_matches[Index()], wrap};
}

std::optional<FindCursor::Step> FindCursor::Previous()
{
    if (m_matches.empty())
        return std::nullopt;
    Wrap wrap = Wrap::None;
    if (m_position < 0) {
        m_position = count() - 1; // before the first step, Previous starts from the end
    } else if (--m_position < 0) {
        m_position = count() - 1;
        wrap = Wrap::ToLast;
    }
    return Step{m_matches[Index()], wrap};
}

std::optional<GridId> Show_Transponder(MainViews &views, int kind, int tp)
{
    const ChannelDatabase &db = views.database();
    const bool satellite_kind = kind == static_cast<int>(prog::kKindSatellite);
    if (!views.view().Data_Loaded || tp < 0
        || (!satellite_kind && kind != static_cast<int>(prog::kKindTerrestrial)))
        return std::nullopt;
    const auto slot = static_cast<std::size_t>(tp);
    if (satellite_kind ? slot >= db.rows.sat_tps.size() || db.rows.sat_tps[slot].In_Use != 1
                       : slot >= db.rows.ter_tps.size() || db.rows.ter_tps[slot].In_Use != 1)
        return std::nullopt;
    if (views.view().View_Mode != kind)
        views.PageControl_MainChange(kind - 1);
    if (satellite_kind) {
        const int sat_row = views.Row_Of_Slot(GridId::Sat, db.rows.sat_tps[slot].Sat_Index);
        views.Make_Row_Current(GridId::Sat, sat_row == kNoSlot ? 0 : sat_row);
        // Under the active-satellite filter a transponder of a satellite outside the 60 slots
        // is not listed; the full lists show every used transponder.
        if (views.Row_Of_Slot(GridId::Tp, tp) == kNoSlot && views.view().Show_Active_Only)
            views.Show_Act_SatClick();
    }
    const int tp_row = views.Row_Of_Slot(GridId::Tp, tp);
    if (tp_row == kNoSlot)
        return std::nullopt;
    views.Make_Row_Current(GridId::Tp, tp_row);
    return GridId::Tp;
}

std::optional<GridId> Show_Program(MainViews &views, int slot)
{
    const ChannelDatabase &db = views.database();
    if (!views.view().Data_Loaded || !Can_Show_Program(db, slot))
        return std::nullopt;
    const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(slot)];
    if (!Show_Transponder(views, static_cast<int>(row.Tp_Kind), row.Tp_Index))
        return std::nullopt;
    const GridId grid = row.Is_Radio ? GridId::Radio : GridId::Tv;
    const int program_row = views.Row_Of_Slot(grid, slot);
    if (program_row == kNoSlot)
        return std::nullopt;
    views.Make_Row_Current(grid, program_row);
    return grid;
}

} // namespace orvane
