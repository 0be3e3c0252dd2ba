#pragma once

// The fixed layout of the channel image: 258,048 bytes of fixed slots that the receiver keeps
// as its whole channel list. Every reader and writer takes offsets, bit positions and empty
// patterns from here and nowhere else.

#include "dbase/bit_field.h"

#include <array>

namespace orvane {

constexpr std::size_t kImageSize = 258048; // 0x3F000

// Table sizes.
constexpr int kSatelliteCount = 60;
constexpr int kSatTransponderSlots = 2000;
constexpr int kTerTransponderSlots = 1000;
constexpr int kProgramSlots = 4000;
constexpr int kAudioTrackSlots = 1000;
constexpr int kFavouriteGroupCount = 16;
constexpr int kTerGroupCount = 7;

// Record sizes.
constexpr std::size_t kSatelliteRecordSize = 36;
constexpr std::size_t kSatTransponderCountsSize = 124;
constexpr std::size_t kSatTransponderRecordSize = 20;
constexpr std::size_t kTerTransponderCountsSize = 20;
constexpr std::size_t kTerTransponderRecordSize = 20;
constexpr std::size_t kProgramCountsSize = 4;
constexpr std::size_t kFavouriteNameSize = 16;
constexpr std::size_t kProgramRecordSize = 40;
constexpr std::size_t kAudioTrackRecordSize = 8;

// Region offsets inside the image.
constexpr std::size_t kSatellitesOffset = 0x0;
constexpr std::size_t kSatTransponderCountsOffset = 0x1000;
constexpr std::size_t kSatTranspondersOffset = 0x107C;
constexpr std::size_t kTerTransponderCountsOffset = 0xB400;
constexpr std::size_t kTerTranspondersOffset = 0xB414;
constexpr std::size_t kProgramCountsOffset = 0x10800;
constexpr std::size_t kFavouriteNamesOffset = 0x10804;
constexpr std::size_t kProgramsOffset = 0x10904;
constexpr std::size_t kAudioTracksOffset = 0x3B88B; // odd, not aligned

using SatelliteRecord = std::array<std::uint8_t, kSatelliteRecordSize>;
using SatTransponderCounts = std::array<std::uint8_t, kSatTransponderCountsSize>;
using SatTransponderRecord = std::array<std::uint8_t, kSatTransponderRecordSize>;
using TerTransponderCounts = std::array<std::uint8_t, kTerTransponderCountsSize>;
using TerTransponderRecord = std::array<std::uint8_t, kTerTransponderRecordSize>;
using ProgramCounts = std::array<std::uint8_t, kProgramCountsSize>;
using FavouriteGroupName = std::array<std::uint8_t, kFavouriteNameSize>;
using ProgramRecord = std::array<std::uint8_t, kProgramRecordSize>;
using AudioTrackRecord = std::array<std::uint8_t, kAudioTrackRecordSize>;

// The raw record arrays of an open database: byte for byte the regions of its image. They
// are what a save writes; every byte outside them is written as 0xFF.
struct RawArrays
{
    std::array<SatelliteRecord, kSatelliteCount> satellites{};
    SatTransponderCounts sat_tp_counts{};
    std::array<SatTransponderRecord, kSatTransponderSlots> sat_tps{};
    TerTransponderCounts ter_tp_counts{};
    std::array<TerTransponderRecord, kTerTransponderSlots> ter_tps{};
    ProgramCounts program_counts{};
    std::array<FavouriteGroupName, kFavouriteGroupCount> favourite_names{};
    std::array<ProgramRecord, kProgramSlots> programs{};
    std::array<AudioTrackRecord, kAudioTrackSlots> audio_tracks{};
};

// One region of the image and where its raw array lives, so that encoding, decoding and the
// command-line tool walk the same list.
struct ImageRegion
{
    const char *name;
    std::size_t offset;
    std::size_t size;
};

std::span<const ImageRegion> Image_Regions();
MutableBytes Region_Bytes(RawArrays &raw, std::size_t region_index);
ByteView Region_Bytes(const RawArrays &raw, std::size_t region_index);

// Copies every region of the image into the raw arrays, and back. Encode sets every byte
// that belongs to no region to 0xFF. The image must hold kImageSize bytes.
void Raw_From_Image(RawArrays &raw, ByteView image);
void Image_From_Raw(const RawArrays &raw, MutableBytes image);

namespace sat {
constexpr BitField Lnb_Type{0, 0, 8};
constexpr BitField Lnb_12V{1, 0, 8};
constexpr BitField Tone_22K{2, 0, 8};
constexpr BitField Diseqc_Port{3, 0, 4};
constexpr BitField Motor{3, 4, 4};
constexpr BitField Lnb_Power{4, 0, 8};
constexpr BitField Lnb_Low_Freq{6, 0, 16};
constexpr BitField Lnb_High_Freq{8, 0, 16};
constexpr std::size_t kNameOffset = 12;
constexpr std::size_t kNameLength = 18; // the writer puts a NUL after it, into byte 30
constexpr BitField Longitude{32, 0, 16};
} // namespace sat

namespace sat_counts {
constexpr BitField Total_Count{0, 0, 16};
constexpr BitField Per_Sat_Count(int satellite)
{
    return BitField{static_cast<std::uint16_t>(2 + 2 * satellite), 0, 16};
}
} // namespace sat_counts

namespace sat_tp {
constexpr BitField In_Use{4, 0, 1};
constexpr BitField Sat_Index{4, 1, 8};
constexpr BitField Tp_Number{4, 9, 8};
constexpr BitField Polarity{4, 17, 2};
constexpr BitField Fec{4, 19, 4};
constexpr BitField W1_High_Bits{4, 23, 9};
constexpr BitField W2_Low_Bits{8, 0, 2}; // 01 when the dialog creates the record
constexpr BitField Symbol_Rate{8, 2, 16};
constexpr BitField Frequency{8, 18, 14};
constexpr std::size_t kMaxPerSatellite = 150;
} // namespace sat_tp

namespace ter_counts {
constexpr BitField Total_Count{4, 0, 16};
constexpr BitField Per_Group_Count(int group)
{
    return BitField{static_cast<std::uint16_t>(6 + 2 * group), 0, 16};
}
} // namespace ter_counts

namespace ter_tp {
constexpr BitField In_Use{0, 0, 1};
constexpr BitField Group_Index{0, 1, 8};
constexpr BitField Tp_Number{0, 9, 8};
constexpr BitField Frequency{4, 0, 32};
constexpr BitField Bandwidth{12, 0, 8};
} // namespace ter_tp

namespace program_counts {
constexpr BitField Program_Count{0, 0, 16};
constexpr BitField Audio_Track_Count{2, 0, 16};
} // namespace program_counts

namespace prog {
constexpr BitField In_Use{0, 0, 1};
constexpr BitField Is_Radio{0, 1, 1};
constexpr BitField Free_To_Air{0, 2, 1};
constexpr BitField Locked{0, 6, 1};
constexpr BitField Skipped{0, 7, 1};
constexpr BitField Tp_Index{0, 9, 12};
constexpr BitField Tp_Kind{0, 29, 3};
constexpr BitField W1_Low_Bits{4, 0, 16}; // 0x6968 when a program is created
constexpr BitField Service_Id{4, 16, 16};
constexpr BitField Pcr_Pid{8, 0, 13};
constexpr BitField Private_Pid{8, 13, 13};
constexpr BitField Audio_Track_Total{8, 26, 6};
constexpr BitField Video_Pid{12, 0, 13};
constexpr BitField Audio_Pid{12, 13, 13};
constexpr BitField Current_Audio{12, 26, 6};
constexpr BitField Favourite_Mask{16, 0, 16};
constexpr BitField Pmt_Pid{16, 16, 13};
constexpr BitField W4_Top_Bits{16, 29, 3};
constexpr std::size_t kNameOffset = 20;
constexpr std::size_t kNameLength = 15; // a 15-character name puts its NUL into byte 35
constexpr std::size_t kCaSystemOffset = 36;
constexpr std::size_t kCaSystemCount = 4;
constexpr std::uint32_t kW1CreationMark = 0x6968;
constexpr std::uint32_t kKindSatellite = 1;
constexpr std::uint32_t kKindTerrestrial = 2;
} // namespace prog

namespace audio {
constexpr BitField In_Use{0, 0, 1};
constexpr BitField Program_Index{0, 1, 16};
constexpr BitField Audio_Pid{0, 17, 13};
constexpr std::size_t kTagOffset = 4;
constexpr std::size_t kTagLength = 3;
} // namespace audio

constexpr std::size_t kFavouriteNameLength = 15;
constexpr std::uint32_t kMaxPid = 8191;

// Patterns the maintenance operations write into freed or replaced slots.
constexpr SatTransponderRecord kEmptySatTransponder{
        0, 0, 0, 0, 0, 0, 0, 0, 0x74, 0xB7, 0x81, 0x3E, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0};
constexpr TerTransponderRecord kEmptyTerTransponder{0, 0, 0, 0, 0, 0, 0,    0,    0,    0,
                                                    6, 6, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr AudioTrackRecord kEmptyAudioTrack{0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF};

} // namespace orvane
