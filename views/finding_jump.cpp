#include "views/finding_jump.h"

#include "views/program_find.h"
#include "views/row_maps.h"

namespace orvane {
namespace {

// A program the lists can show and that lies below Program_Count: only those have rows.
bool Is_Listed_Program(const ChannelDatabase &db, int slot)
{
    return slot >= 0 && slot < Listed_Program_Count(db) && Can_Show_Program(db, slot);
}

std::optional<GridId> Show_Satellite(MainViews &views, int satellite)
{
    if (satellite < 0 || satellite >= kSatelliteCount)
        return std::nullopt;
    if (views.view().View_Mode != kSatellitesPage)
        views.PageControl_MainChange(kSatellitesPage - 1);
    // The active-satellite filter hides the satellites that carry no program; the full list
    // shows every one.
    if (views.Row_Of_Slot(GridId::Sat, satellite) == kNoSlot && views.view().Show_Active_Only)
        views.Show_Act_SatClick();
    const int row = views.Row_Of_Slot(GridId::Sat, satellite);
    if (row == kNoSlot)
        return std::nullopt;
    views.Make_Row_Current(GridId::Sat, row);
    return GridId::Sat;
}

void Show_Favourite_Group(MainViews &views, int group)
{
    if (group < 0 || group >= static_cast<int>(views.Page_Lists().fav_lines.size()))
        return;
    views.Select_Fav_Line(group, true);
}

} // namespace

int Audio_Track_Owner(const ChannelDatabase &db, int track)
{
    if (track < 0 || track >= kAudioTrackSlots)
        return kNoSlot;
    const auto owner = static_cast<int>(
            Read_Field(db.raw.audio_tracks[static_cast<std::size_t>(track)], audio::Program_Index));
    return Is_Listed_Program(db, owner) ? owner : kNoSlot;
}

std::optional<GridId> Show_Finding(MainViews &views, const CheckFinding &finding)
{
    const ChannelDatabase &db = views.database();
    if (!views.view().Data_Loaded)
        return std::nullopt;
    switch (finding.table) {
    case CheckTable::Programs:
        if (!Is_Listed_Program(db, finding.slot))
            return std::nullopt;
        return Show_Program(views, finding.slot);
    case CheckTable::Audio_Tracks: {
        const int owner = Audio_Track_Owner(db, finding.slot);
        return owner == kNoSlot ? std::nullopt : Show_Program(views, owner);
    }
    case CheckTable::Sat_Transponders:
        return Show_Transponder(views, static_cast<int>(prog::kKindSatellite), finding.slot);
    case CheckTable::Ter_Transponders:
        return Show_Transponder(views, static_cast<int>(prog::kKindTerrestrial), finding.slot);
    case CheckTable::Satellites:
        return Show_Satellite(views, finding.slot);
    case CheckTable::Favourite_Groups:
        Show_Favourite_Group(views, finding.slot);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace orvane
