#pragma once

// Display rows: one per image slot, with the packed fields split into small numbers and
// ready-made decimal texts. The windows read these, never the packed records; every edit
// writes the raw record and its row together. Texts hold the image's 8-bit bytes unchanged.

#include "dbase/layout.h"

#include <string>
#include <vector>

namespace orvane {

// The satellite slot of a program whose transponder lies outside its table, or names a
// satellite outside the 60 slots: such a program belongs to no satellite.
constexpr std::int32_t kNoSatellite = -1;

// The Program_Index of a freed audio-track row: above every program slot.
constexpr std::int32_t kNoProgramIndex = 4001;

struct TLNB_Info_String
{
    std::uint8_t Lnb_Type = 0;
    std::uint8_t Lnb_12V = 0;
    std::uint8_t Tone_22K = 0;
    std::uint8_t Diseqc_Port = 0;
    std::uint8_t Motor = 0;
    std::uint8_t Lnb_Power = 0;
    std::string Lnb_Low_Freq;
    std::string Lnb_High_Freq;
    std::string Name;
    std::string Longitude;
};

struct TTp_Info_String
{
    std::uint8_t In_Use = 0;
    std::uint8_t Sat_Index = 0;
    std::int32_t Tp_Number = 0;
    std::string Polarity_Text;
    std::uint8_t Polarity = 0;
    std::string Fec_Text;
    std::uint8_t Fec = 0;
    std::string Symbol_Rate;
    std::string Frequency;
};

struct TTer_Tp_Info_String
{
    std::uint8_t In_Use = 0;
    std::uint8_t Group_Index = 0;
    std::uint8_t Tp_Number = 0;
    std::string Frequency; // kHz
    std::uint8_t Bandwidth = 0;
};

struct TProg_Info_String
{
    std::uint8_t In_Use = 0;
    std::uint8_t Is_Radio = 0;
    std::uint8_t Free_To_Air = 0;
    std::uint8_t Locked = 0;
    std::uint8_t Skipped = 0;
    std::int32_t Tp_Index = 0;
    std::int32_t Sat_Slot = 0; // kNoSatellite when the transponder is out of range
    std::uint8_t Tp_Kind = 0;
    std::string Service_Id;
    std::string Pcr_Pid;
    std::string Private_Pid;
    std::uint8_t Audio_Track_Total = 0;
    std::string Video_Pid;
    std::string Audio_Pid;
    std::uint8_t Current_Audio = 0;
    std::string Favourite_Mask; // 16 characters "0"/"1", group 16 first
    std::string Pmt_Pid;
    std::uint8_t W4_Top_Bits = 0;
    std::string Name;
    std::array<std::uint8_t, 4> Ca_System{};
};

struct TAudio_Info_String
{
    std::uint8_t In_Use = 0;
    std::int32_t Program_Index = 0;
    std::string Audio_Pid;
    std::string Tag;
};

using TFavor_Name_String = std::string;

struct DisplayTables
{
    std::vector<TLNB_Info_String> satellites = std::vector<TLNB_Info_String>(kSatelliteCount);
    std::vector<TTp_Info_String> sat_tps = std::vector<TTp_Info_String>(kSatTransponderSlots);
    std::vector<TTer_Tp_Info_String> ter_tps
            = std::vector<TTer_Tp_Info_String>(kTerTransponderSlots);
    std::vector<TFavor_Name_String> favourite_names
            = std::vector<TFavor_Name_String>(kFavouriteGroupCount);
    std::vector<TProg_Info_String> programs = std::vector<TProg_Info_String>(kProgramSlots);
    std::vector<TAudio_Info_String> audio_tracks
            = std::vector<TAudio_Info_String>(kAudioTrackSlots);
};

// Texts shown for the coded fields.
const std::string &Polarity_Text(std::uint32_t polarity); // "H", "V", or "" for other codes
const std::string &Fec_Text(std::uint32_t fec);           // "Auto".."7/8", "" beyond

} // namespace orvane
