#include "dbase/record_writers.h"

#include "dbase/decode.h"

#include <algorithm>

namespace orvane {
namespace {

void Write_Text(MutableBytes record, std::size_t offset, std::size_t length, std::string_view text)
{
    const std::size_t count = std::min(text.size(), length);
    std::copy_n(text.begin(), count, record.begin() + static_cast<std::ptrdiff_t>(offset));
    record[offset + count] = 0;
}

void Refresh_Sat_Transponder(ChannelDatabase &db, int slot)
{
    Decode_Sat_Transponder(db.raw.sat_tps[slot], db.rows.sat_tps[slot]);
}

void Refresh_Ter_Transponder(ChannelDatabase &db, int slot)
{
    Decode_Ter_Transponder(db.raw.ter_tps[slot], db.rows.ter_tps[slot]);
}

void Refresh_Program(ChannelDatabase &db, int slot)
{
    Decode_Program(db.raw.programs[slot], db.raw, db.rows.programs[slot]);
}

void Write_If_Set(MutableBytes record, BitField field, const std::optional<std::uint32_t> &value)
{
    if (value)
        Write_Field(record, field, *value);
}

void Write_Program_Fields(ProgramRecord &record, const ProgramValues &values)
{
    Write_Field(record, prog::Locked, values.locked ? 1 : 0);
    Write_Field(record, prog::Skipped, values.skipped ? 1 : 0);
    Write_Field(record, prog::Service_Id, values.service_id);
    Write_Field(record, prog::Pcr_Pid, values.pcr_pid);
    Write_Field(record, prog::Private_Pid, values.private_pid);
    Write_Field(record, prog::Video_Pid, values.video_pid);
    Write_Field(record, prog::Favourite_Mask, values.favourite_mask);
    Write_Field(record, prog::Pmt_Pid, values.pmt_pid);
    Write_Program_Name(record, values.name);
}

} // namespace

int Sat_Tp_Total_Count(const RawArrays &raw)
{
    return static_cast<int>(Read_Field(raw.sat_tp_counts, sat_counts::Total_Count));
}

int Sat_Tp_Per_Sat_Count(const RawArrays &raw, int satellite)
{
    return static_cast<int>(Read_Field(raw.sat_tp_counts, sat_counts::Per_Sat_Count(satellite)));
}

int Ter_Tp_Total_Count(const RawArrays &raw)
{
    return static_cast<int>(Read_Field(raw.ter_tp_counts, ter_counts::Total_Count));
}

int Ter_Tp_Per_Group_Count(const RawArrays &raw, int group)
{
    return static_cast<int>(Read_Field(raw.ter_tp_counts, ter_counts::Per_Group_Count(group)));
}

void Set_Sat_Tp_Counts(RawArrays &raw, int total, int satellite, int per_satellite)
{
    Write_Field(raw.sat_tp_counts, sat_counts::Total_Count, static_cast<std::uint32_t>(total));
    Write_Field(raw.sat_tp_counts, sat_counts::Per_Sat_Count(satellite),
                static_cast<std::uint32_t>(per_satellite));
}

void Set_Ter_Tp_Counts(RawArrays &raw, int total, int group, int per_group)
{
    Write_Field(raw.ter_tp_counts, ter_counts::Total_Count, static_cast<std::uint32_t>(total));
    Write_Field(raw.ter_tp_counts, ter_counts::Per_Group_Count(group),
                static_cast<std::uint32_t>(per_group));
}

void Set_Program_Count(ChannelDatabase &db, int count)
{
    Write_Field(db.raw.program_counts, program_counts::Program_Count,
                static_cast<std::uint32_t>(count));
    db.Program_Count = count;
}

void Set_Audio_Track_Count(RawArrays &raw, int count)
{
    Write_Field(raw.program_counts, program_counts::Audio_Track_Count,
                static_cast<std::uint32_t>(count));
}

void Write_Satellite_Name(SatelliteRecord &record, std::string_view name)
{
    Write_Text(record, sat::kNameOffset, sat::kNameLength, name);
}

void Write_Program_Name(ProgramRecord &record, std::string_view name)
{
    std::fill_n(record.begin() + prog::kNameOffset, prog::kNameLength, std::uint8_t{0});
    Write_Text(record, prog::kNameOffset, prog::kNameLength, name);
}

void Write_Favourite_Name(FavouriteGroupName &record, std::string_view name)
{
    Write_Text(record, 0, kFavouriteNameLength, name);
}

void Create_Sat_Transponder(ChannelDatabase &db, int slot, int satellite,
                            const SatTransponderValues &values)
{
    const int number = Sat_Tp_Per_Sat_Count(db.raw, satellite) + 1;
    SatTransponderRecord &record = db.raw.sat_tps[slot];
    Store_U32(record, 0, 0);
    Store_U32(record, 4, 0);
    Write_Field(record, sat_tp::In_Use, 1);
    Write_Field(record, sat_tp::Sat_Index, static_cast<std::uint32_t>(satellite));
    Write_Field(record, sat_tp::Tp_Number, static_cast<std::uint32_t>(number));
    Write_Field(record, sat_tp::Polarity, values.polarity);
    Write_Field(record, sat_tp::Fec, values.fec);
    Store_U32(record, 8, 0);
    Write_Field(record, sat_tp::W2_Low_Bits, 1);
    Write_Field(record, sat_tp::Symbol_Rate, values.symbol_rate);
    Write_Field(record, sat_tp::Frequency, values.frequency);
    Store_U32(record, 12, 0xFFFFFFFFu);
    Set_Sat_Tp_Counts(db.raw, Sat_Tp_Total_Count(db.raw) + 1, satellite, number);
    Refresh_Sat_Transponder(db, slot);
}

void Create_Ter_Transponder(ChannelDatabase &db, int slot, const TerTransponderValues &values)
{
    const int number = Ter_Tp_Per_Group_Count(db.raw, 0) + 1;
    Set_Ter_Tp_Counts(db.raw, Ter_Tp_Total_Count(db.raw) + 1, 0, number);
    TerTransponderRecord &record = db.raw.ter_tps[slot];
    Write_Field(record, ter_tp::In_Use, 1);
    Write_Field(record, ter_tp::Group_Index, 0);
    Write_Field(record, ter_tp::Tp_Number, static_cast<std::uint32_t>(number));
    Write_Field(record, ter_tp::Frequency, values.frequency);
    Store_U32(record, 8, 0x06060000u);
    Store_U32(record, 12, values.bandwidth);
    Store_U32(record, 16, 0xFFFFFFFFu);
    Refresh_Ter_Transponder(db, slot);
}

void Edit_Satellite_Lnb(ChannelDatabase &db, int slot, const SatelliteSettings &settings)
{
    SatelliteRecord &record = db.raw.satellites[slot];
    const std::string name = settings.name.substr(0, sat::kNameLength);
    Write_Satellite_Name(record, name);
    Write_If_Set(record, sat::Lnb_Type, settings.lnb_type);
    Write_If_Set(record, sat::Lnb_12V, settings.lnb_12v);
    Write_If_Set(record, sat::Tone_22K, settings.tone_22k);
    Write_If_Set(record, sat::Lnb_Power, settings.lnb_power);
    Write_Field(record, sat::Lnb_Low_Freq, settings.lnb_low_freq);
    Write_Field(record, sat::Lnb_High_Freq, settings.lnb_high_freq);
    Write_Field(record, sat::Longitude, settings.longitude_tenths);
    Write_If_Set(record, sat::Diseqc_Port, settings.diseqc_port);
    Write_If_Set(record, sat::Motor, settings.motor);

    // The row takes the coded fields from the record; the texts are shown as typed.
    TLNB_Info_String &row = db.rows.satellites[slot];
    Decode_Satellite(record, row);
    row.Name = name;
    row.Lnb_High_Freq = settings.shown_high_freq;
    row.Longitude = settings.shown_longitude;
}

void Add_Sat_Transponder(ChannelDatabase &db, int slot, int satellite, int number,
                         const SatTransponderValues &values)
{
    Create_Sat_Transponder(db, slot, satellite, values);
    if (number > 0 && number <= static_cast<int>(sat_tp::Tp_Number.max_value())) {
        Write_Field(db.raw.sat_tps[slot], sat_tp::Tp_Number, static_cast<std::uint32_t>(number));
        Refresh_Sat_Transponder(db, slot);
    }
}

void Edit_Sat_Transponder(ChannelDatabase &db, int slot, const SatTransponderChange &change)
{
    SatTransponderRecord &record = db.raw.sat_tps[slot];
    Write_If_Set(record, sat_tp::Polarity, change.polarity);
    Write_Field(record, sat_tp::Fec, change.fec);
    Write_Field(record, sat_tp::Symbol_Rate, change.symbol_rate);
    Write_Field(record, sat_tp::Frequency, change.frequency);
    Refresh_Sat_Transponder(db, slot);
}

void Add_Ter_Transponder(ChannelDatabase &db, int slot, const TerTransponderValues &values,
                         std::string_view shown_frequency)
{
    Create_Ter_Transponder(db, slot, values);
    db.rows.ter_tps[slot].Frequency = shown_frequency;
}

void Edit_Ter_Transponder(ChannelDatabase &db, int slot, const TerTransponderChange &change,
                          std::string_view shown_frequency)
{
    TerTransponderRecord &record = db.raw.ter_tps[slot];
    Write_Field(record, ter_tp::Frequency, change.frequency);
    Write_If_Set(record, ter_tp::Bandwidth, change.bandwidth);
    Refresh_Ter_Transponder(db, slot);
    db.rows.ter_tps[slot].Frequency = shown_frequency;
}

void Clear_For_New_Program(ProgramRecord &record)
{
    for (std::size_t word = 0; word < 20; word += 4)
        Store_U32(record, word, 0);
    Write_Field(record, prog::W1_Low_Bits, prog::kW1CreationMark);
    std::fill_n(record.begin() + prog::kNameOffset, prog::kNameLength, std::uint8_t{0});
    std::fill_n(record.begin() + prog::kCaSystemOffset, prog::kCaSystemCount, std::uint8_t{0});
}

int Create_Program(ChannelDatabase &db, std::uint32_t tp_kind, int tp_index,
                   const ProgramValues &values)
{
    const int slot = Used_Program_Count(db.raw);
    if (slot >= kProgramSlots)
        return -1; // the table is full: callers check the limit first
    ProgramRecord &record = db.raw.programs[slot];
    Clear_For_New_Program(record);
    Write_Field(record, prog::In_Use, 1);
    Write_Field(record, prog::Is_Radio, values.is_radio ? 1 : 0);
    Write_Field(record, prog::Free_To_Air, 1);
    Write_Field(record, prog::Tp_Index, static_cast<std::uint32_t>(tp_index));
    Write_Field(record, prog::Tp_Kind, tp_kind);
    Write_Field(record, prog::Audio_Track_Total, 1);
    Write_Field(record, prog::Audio_Pid, values.audio_pid);
    Write_Program_Fields(record, values);
    Set_Program_Count(db, slot + 1);
    Refresh_Program(db, slot);
    return slot;
}

int Current_Audio_Track_Slot(const RawArrays &raw, int program_slot)
{
    const auto wanted = Read_Field(raw.programs[program_slot], prog::Current_Audio);
    if (wanted == 0)
        return -1;
    std::uint32_t seen = 0;
    const int track_count = Used_Audio_Track_Count(raw);
    for (int a = 0; a < track_count; ++a) {
        if (Read_Field(raw.audio_tracks[a], audio::Program_Index)
                    == static_cast<std::uint32_t>(program_slot)
            && ++seen == wanted)
            return a;
    }
    return -1;
}

void Edit_Program(ChannelDatabase &db, int slot, const ProgramValues &values)
{
    ProgramRecord &record = db.raw.programs[slot];
    Write_Program_Fields(record, values);
    const int track = Current_Audio_Track_Slot(db.raw, slot);
    if (track < 0) {
        Write_Field(record, prog::Audio_Pid, values.audio_pid);
    } else {
        Write_Field(db.raw.audio_tracks[track], audio::Audio_Pid, values.audio_pid);
        Decode_Audio_Track(db.raw.audio_tracks[track], db.rows.audio_tracks[track]);
    }
    Refresh_Program(db, slot);
}

void Empty_Sat_Transponder(ChannelDatabase &db, int slot)
{
    db.raw.sat_tps[slot] = kEmptySatTransponder;
    TTp_Info_String &row = db.rows.sat_tps[slot];
    row.In_Use = 0;
    row.Sat_Index = 255; // matches no satellite
    row.Polarity_Text.clear();
    row.Fec_Text.clear();
    row.Symbol_Rate.clear();
    row.Frequency.clear();
}

void Default_Sat_Transponder(ChannelDatabase &db, int slot, int satellite)
{
    SatTransponderRecord &record = db.raw.sat_tps[slot];
    record = kEmptySatTransponder;
    Write_Field(record, sat_tp::In_Use, 1);
    Write_Field(record, sat_tp::Sat_Index, static_cast<std::uint32_t>(satellite));
    Write_Field(record, sat_tp::Tp_Number, 1);
    Refresh_Sat_Transponder(db, slot);
}

void Empty_Ter_Transponder(ChannelDatabase &db, int slot)
{
    db.raw.ter_tps[slot] = kEmptyTerTransponder;
    db.rows.ter_tps[slot] = TTer_Tp_Info_String{0, 255, 0, {}, 0};
}

void Empty_Audio_Track(ChannelDatabase &db, int slot)
{
    db.raw.audio_tracks[slot] = kEmptyAudioTrack;
    db.rows.audio_tracks[slot] = TAudio_Info_String{0, kNoProgramIndex, "0", {}};
}

void Clear_Database(ChannelDatabase &db)
{
    RawArrays &raw = db.raw;
    for (auto &record : raw.satellites)
        record.fill(0);
    raw.sat_tp_counts.fill(0);
    Store_U16(raw.sat_tp_counts, 122, 0xFFFF);
    raw.sat_tps.fill(kEmptySatTransponder);
    raw.ter_tp_counts.fill(0);
    Store_U32(raw.ter_tp_counts, 0, 0xFFFFFFFFu);
    raw.ter_tps.fill(kEmptyTerTransponder);
    raw.program_counts.fill(0);
    for (auto &name : raw.favourite_names)
        name.fill(0);
    for (auto &record : raw.programs)
        record.fill(0xFF);
    raw.audio_tracks.fill(kEmptyAudioTrack);
    db.File_Header.fill(' ');
    db.container = ContainerLayout{};
    Decode_Rows(db);
}

} // namespace orvane
