#pragma once

// The record writers: how new records are made, which bits an edit changes, and the patterns
// of freed slots. Each writes the raw record and refreshes its display row, so that the two
// never disagree. Callers check their values first; every value must fit its field.

#include "dbase/channel_database.h"

#include <optional>
#include <string_view>

namespace orvane {

struct SatTransponderValues
{
    std::uint32_t polarity = 0; // 0 H, 1 V
    std::uint32_t fec = 0;      // 0 Auto .. 6 "7/8"
    std::uint32_t symbol_rate = 0;
    std::uint32_t frequency = 0; // MHz
};

struct TerTransponderValues
{
    std::uint32_t frequency = 0; // kHz
    std::uint32_t bandwidth = 0; // 0 "6 MHz", 1 "7 MHz", 2 "8 MHz"
};

// What the satellite dialog changes. A code without a value is one the dialog's list has no
// item for: the stored bits stay as they are.
struct SatelliteSettings
{
    std::string name; // longer than 18 bytes is cut
    std::optional<std::uint32_t> lnb_type;
    std::optional<std::uint32_t> lnb_12v;
    std::optional<std::uint32_t> tone_22k; // 0 OFF, 1 ON, 2 Auto
    std::optional<std::uint32_t> lnb_power;
    std::optional<std::uint32_t> diseqc_port;
    std::optional<std::uint32_t> motor;
    std::uint32_t lnb_low_freq = 0; // MHz
    std::uint32_t lnb_high_freq = 0;
    std::uint32_t longitude_tenths = 0;
    // The list shows these two as typed, not as the record reads back.
    std::string shown_high_freq;
    std::string shown_longitude;
};

// What a change of a satellite transponder writes. Without a polarity the stored code stays:
// an LNB power of 13 or 18 V fixes the polarisation, and the code may be one no list shows.
struct SatTransponderChange
{
    std::optional<std::uint32_t> polarity;
    std::uint32_t fec = 0;
    std::uint32_t symbol_rate = 0;
    std::uint32_t frequency = 0; // MHz
};

// Without a bandwidth the stored code stays (one the dialog's list has no item for).
struct TerTransponderChange
{
    std::uint32_t frequency = 0; // kHz
    std::optional<std::uint32_t> bandwidth;
};

struct ProgramValues
{
    bool is_radio = false;
    bool locked = false;
    bool skipped = false;
    std::uint32_t service_id = 0;
    std::uint32_t pcr_pid = 0;
    std::uint32_t private_pid = 0;
    std::uint32_t video_pid = 0;
    std::uint32_t audio_pid = 0;
    std::uint32_t favourite_mask = 0;
    std::uint32_t pmt_pid = 0;
    std::string name; // at most 15 bytes
};

// Counters.
int Sat_Tp_Total_Count(const RawArrays &raw);
int Sat_Tp_Per_Sat_Count(const RawArrays &raw, int satellite);
int Ter_Tp_Total_Count(const RawArrays &raw);
int Ter_Tp_Per_Group_Count(const RawArrays &raw, int group);
void Set_Sat_Tp_Counts(RawArrays &raw, int total, int satellite, int per_satellite);
void Set_Ter_Tp_Counts(RawArrays &raw, int total, int group, int per_group);
void Set_Program_Count(ChannelDatabase &db, int count);
void Set_Audio_Track_Count(RawArrays &raw, int count);

// Text fields. A satellite name of 18 characters puts its NUL into byte 30; a shorter one
// writes its NUL right after it and leaves the following bytes as they were. A program name's
// bytes 20..34 are cleared before the name is written.
void Write_Satellite_Name(SatelliteRecord &record, std::string_view name);
void Write_Program_Name(ProgramRecord &record, std::string_view name);
void Write_Favourite_Name(FavouriteGroupName &record, std::string_view name);

// A transponder made by the dialog: numbered after the satellite's (group's) last one, the
// counts go up by one.
void Create_Sat_Transponder(ChannelDatabase &db, int slot, int satellite,
                            const SatTransponderValues &values);
void Create_Ter_Transponder(ChannelDatabase &db, int slot, const TerTransponderValues &values);

// The edits of the satellite and transponder dialogs. Add mode creates the transponder as
// above; a satellite transponder handed a number that fits Tp_Number (1..) keeps it, 0 keeps
// the counted one, and the counts go up as for any new transponder. A change writes only the
// dialog's fields. A terrestrial transponder's list shows its frequency as typed.
void Edit_Satellite_Lnb(ChannelDatabase &db, int slot, const SatelliteSettings &settings);
void Add_Sat_Transponder(ChannelDatabase &db, int slot, int satellite, int number,
                         const SatTransponderValues &values);
void Edit_Sat_Transponder(ChannelDatabase &db, int slot, const SatTransponderChange &change);
void Add_Ter_Transponder(ChannelDatabase &db, int slot, const TerTransponderValues &values,
                         std::string_view shown_frequency);
void Edit_Ter_Transponder(ChannelDatabase &db, int slot, const TerTransponderChange &change,
                          std::string_view shown_frequency);

// The bytes a program new to its slot starts from: the words of its fields cleared, the
// creation mark set, its name and CA systems cleared; the byte after the name field stays as
// the slot held it.
void Clear_For_New_Program(ProgramRecord &record);

// A new program in slot Program_Count (which goes up by one), on transponder tp_index of the
// table tp_kind names (prog::kKindSatellite or prog::kKindTerrestrial). Returns its slot, or
// -1 when all 4,000 slots are taken.
int Create_Program(ChannelDatabase &db, std::uint32_t tp_kind, int tp_index,
                   const ProgramValues &values);

// An edit changes only the flags, ids, PIDs, favourites and name; is_radio is ignored. The
// audio PID goes to the current audio track when the program owns one (see below).
void Edit_Program(ChannelDatabase &db, int slot, const ProgramValues &values);

// The audio-track slot that Current_Audio names: the k-th used track, in table order, whose
// Program_Index is the program. -1 when Current_Audio is 0 or names a track the program does
// not own; then the program's own Audio_Pid is the current one.
int Current_Audio_Track_Slot(const RawArrays &raw, int program_slot);

// Freed and replaced slots. A freed slot's display row is marked so that no list or lookup
// can take it for a used one: Sat_Index and Group_Index 255, Program_Index kNoProgramIndex.
void Empty_Sat_Transponder(ChannelDatabase &db, int slot);
void Default_Sat_Transponder(ChannelDatabase &db, int slot, int satellite);
void Empty_Ter_Transponder(ChannelDatabase &db, int slot);
void Empty_Audio_Track(ChannelDatabase &db, int slot);

// A database with nothing in it: empty patterns in every slot, all counts 0. Satellites are
// all zero and unnamed; the header is all blanks.
void Clear_Database(ChannelDatabase &db);

} // namespace orvane
