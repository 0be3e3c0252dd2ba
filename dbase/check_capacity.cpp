// The capacity gauges of the database check: each table's use against the limit the receiver
// and the add commands keep, with the fullest satellite, group and transponder named.

#include "dbase/check_entries.h"
#include "dbase/check_rules.h"
#include "dbase/decode.h"
#include "translations/text_mark.h"

#include <algorithm>

namespace orvane::check {
namespace {

constexpr int kMaxPerTerGroup = 255; // the 8-bit transponder number
constexpr int kMaxProgramsPerSatTp = 120;

// The fullest of several parts: its index and how many it holds (index -1 when all are empty).
template<typename Counts>
std::pair<int, int> Fullest(const Counts &counts)
{
    const auto fullest = std::max_element(counts.begin(), counts.end());
    if (fullest == counts.end() || *fullest == 0)
        return {-1, 0};
    return {static_cast<int>(fullest - counts.begin()), *fullest};
}

void Add_Transponder_Gauges(const ListNumbers &lists, std::vector<CapacityGauge> &gauges)
{
    const RawArrays &raw = lists.raw();
    const TransponderTally tally = Tally_Transponders(raw);
    const auto [satellite, on_satellite] = Fullest(tally.per_satellite);
    const auto [group, in_group] = Fullest(tally.per_group);
    gauges.push_back({ORVANE_TEXT("Orvane", "Satellite transponders"),
                      tally.sat_total,
                      kSatTransponderSlots,
                      {}});
    gauges.push_back(
            {ORVANE_TEXT("Orvane", "Transponders of the fullest satellite"), on_satellite,
             static_cast<int>(sat_tp::kMaxPerSatellite),
             satellite < 0 ? "" : Satellite_Label(lists, static_cast<std::size_t>(satellite))});
    gauges.push_back({ORVANE_TEXT("Orvane", "Terrestrial transponders"),
                      tally.ter_total,
                      kTerTransponderSlots,
                      {}});
    gauges.push_back({ORVANE_TEXT("Orvane", "Transponders of the fullest terrestrial group"),
                      in_group, kMaxPerTerGroup,
                      group < 0 ? "" : kTerrestrialGroup + std::to_string(group)});
}

void Add_Program_Gauges(const ListNumbers &lists, std::vector<CapacityGauge> &gauges)
{
    const RawArrays &raw = lists.raw();
    int tv = 0;
    int radio = 0;
    std::vector<int> per_sat_tp(kSatTransponderSlots, 0);
    const auto count = static_cast<std::size_t>(Used_Program_Count(raw));
    for (std::size_t p = 0; p < count; ++p) {
        if (!Program_Used(raw, p))
            continue;
        ++(Field(raw.programs[p], prog::Is_Radio) == 1 ? radio : tv);
        const int tp = Program_Transponder(raw, p);
        if (tp >= 0 && Field(raw.programs[p], prog::Tp_Kind) == prog::kKindSatellite)
            ++per_sat_tp[static_cast<std::size_t>(tp)];
    }
    const auto [tp, on_tp] = Fullest(per_sat_tp);
    gauges.push_back({ORVANE_TEXT("Orvane", "Programs"), tv + radio, kProgramSlots,
                      std::to_string(tv) + kTvPart + std::to_string(radio) + kRadioPart});
    gauges.push_back({ORVANE_TEXT("Orvane", "TV programs"), tv, kProgramSlots, {}});
    gauges.push_back({ORVANE_TEXT("Orvane", "Radio programs"), radio, kProgramSlots, {}});
    gauges.push_back({ORVANE_TEXT("Orvane", "Satellite programs on the fullest transponder"), on_tp,
                      kMaxProgramsPerSatTp,
                      tp < 0 ? "" : Sat_Tp_Label(lists, static_cast<std::size_t>(tp))});
}

} // namespace

std::vector<CapacityGauge> Capacity_Gauges(const ListNumbers &lists)
{
    const RawArrays &raw = lists.raw();
    std::vector<CapacityGauge> gauges;
    Add_Transponder_Gauges(lists, gauges);
    Add_Program_Gauges(lists, gauges);
    int tracks = 0;
    for (std::size_t a = 0; a < raw.audio_tracks.size(); ++a)
        tracks += Track_Used(raw, a) ? 1 : 0;
    gauges.push_back({ORVANE_TEXT("Orvane", "Audio tracks"), tracks, kAudioTrackSlots, {}});
    int named = 0;
    for (std::size_t g = 0; g < raw.favourite_names.size(); ++g)
        named += Favourite_Name(raw, g).empty() ? 0 : 1;
    gauges.push_back(
            {ORVANE_TEXT("Orvane", "Named favourite groups"), named, kFavouriteGroupCount, {}});
    return gauges;
}

} // namespace orvane::check
