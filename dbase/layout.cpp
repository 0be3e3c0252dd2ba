#include "dbase/layout.h"

#include <algorithm>
#include <cstring>

namespace orvane {
namespace {

// The raw arrays are copied to and from the image as whole regions, which needs every
// array of records to be one run of bytes.
static_assert(sizeof(RawArrays::satellites) == kSatelliteCount * kSatelliteRecordSize);
static_assert(sizeof(RawArrays::sat_tps) == kSatTransponderSlots * kSatTransponderRecordSize);
static_assert(sizeof(RawArrays::ter_tps) == kTerTransponderSlots * kTerTransponderRecordSize);
static_assert(sizeof(RawArrays::favourite_names) == kFavouriteGroupCount * kFavouriteNameSize);
static_assert(sizeof(RawArrays::programs) == kProgramSlots * kProgramRecordSize);
static_assert(sizeof(RawArrays::audio_tracks) == kAudioTrackSlots * kAudioTrackRecordSize);
static_assert(kAudioTracksOffset + kAudioTrackSlots * kAudioTrackRecordSize <= kImageSize);

constexpr std::array<ImageRegion, 9> kRegions{{
        {"satellites", kSatellitesOffset, sizeof(RawArrays::satellites)},
        {"sat_tp_counts", kSatTransponderCountsOffset, kSatTransponderCountsSize},
        {"sat_transponders", kSatTranspondersOffset, sizeof(RawArrays::sat_tps)},
        {"ter_tp_counts", kTerTransponderCountsOffset, kTerTransponderCountsSize},
        {"ter_transponders", kTerTranspondersOffset, sizeof(RawArrays::ter_tps)},
        {"program_counts", kProgramCountsOffset, kProgramCountsSize},
        {"favourite_names", kFavouriteNamesOffset, sizeof(RawArrays::favourite_names)},
        {"programs", kProgramsOffset, sizeof(RawArrays::programs)},
        {"audio_tracks", kAudioTracksOffset, sizeof(RawArrays::audio_tracks)},
}};

template<typename Raw>
auto *Region_Start(Raw &raw, std::size_t index)
{
    switch (index) {
    case 0:
        return raw.satellites.front().data();
    case 1:
        return raw.sat_tp_counts.data();
    case 2:
        return raw.sat_tps.front().data();
    case 3:
        return raw.ter_tp_counts.data();
    case 4:
        return raw.ter_tps.front().data();
    case 5:
        return raw.program_counts.data();
    case 6:
        return raw.favourite_names.front().data();
    case 7:
        return raw.programs.front().data();
    default:
        return raw.audio_tracks.front().data();
    }
}

} // namespace

std::span<const ImageRegion> Image_Regions()
{
    return kRegions;
}

MutableBytes Region_Bytes(RawArrays &raw, std::size_t region_index)
{
    return {Region_Start(raw, region_index), kRegions.at(region_index).size};
}

ByteView Region_Bytes(const RawArrays &raw, std::size_t region_index)
{
    return {Region_Start(raw, region_index), kRegions.at(region_index).size};
}

void Raw_From_Image(RawArrays &raw, ByteView image)
{
    for (std::size_t i = 0; i < kRegions.size(); ++i) {
        const auto target = Region_Bytes(raw, i);
        std::memcpy(target.data(), image.data() + kRegions[i].offset, target.size());
    }
}

void Image_From_Raw(const RawArrays &raw, MutableBytes image)
{
    std::fill(image.begin(), image.begin() + kImageSize, std::uint8_t{0xFF});
    for (std::size_t i = 0; i < kRegions.size(); ++i) {
        const auto source = Region_Bytes(raw, i);
        std::memcpy(image.data() + kRegions[i].offset, source.data(), source.size());
    }
}

} // namespace orvane
