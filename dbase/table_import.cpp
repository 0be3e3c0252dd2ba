#include "dbase/table_import.h"

#include "dbase/codecs.h"
#include "dbase/decode.h"
#include "dbase/record_writers.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace orvane {
namespace {

template<typename Record>
bool Used(const Record &record, BitField in_use)
{
    return Read_Field(record, in_use) == 1;
}

// A transponder new to its slot starts as the dialog creates one; bytes 16..19 stay.
SatTransponderRecord Sat_Tp_Base(const SatTransponderRecord &old)
{
    if (Used(old, sat_tp::In_Use))
        return old;
    SatTransponderRecord record = old;
    std::fill_n(record.begin(), 4, std::uint8_t{0});
    Write_Field(record, sat_tp::W1_High_Bits, 0);
    Write_Field(record, sat_tp::W2_Low_Bits, 1);
    std::fill_n(record.begin() + 12, 4, std::uint8_t{0xFF});
    return record;
}

// W0 bits 17..31 are left as they were, as when the dialog creates one.
TerTransponderRecord Ter_Tp_Base(const TerTransponderRecord &old)
{
    if (Used(old, ter_tp::In_Use))
        return old;
    TerTransponderRecord record = kEmptyTerTransponder;
    std::copy_n(old.begin(), 4, record.begin());
    return record;
}

// A slot below the count before keeps its bytes, in use or not: the export listed it. A new
// one starts as a program the program creates there.
ProgramRecord Program_Base(const ProgramRecord &old, bool listed_before)
{
    ProgramRecord record = old;
    if (!listed_before)
        Clear_For_New_Program(record);
    return record;
}

AudioTrackRecord Track_Base(const AudioTrackRecord &old, bool listed_before)
{
    if (listed_before || Used(old, audio::In_Use))
        return old;
    AudioTrackRecord record = kEmptyAudioTrack;
    Store_U32(record, 0, 0);
    return record;
}

// A fixed-length text, NUL-padded, written only when it changed.
void Write_Text(MutableBytes record, std::size_t offset, std::size_t length,
                const std::string &text)
{
    if (Stored_Text(record, offset, length) == text)
        return;
    std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(offset), length, std::uint8_t{0});
    std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

void Import_Satellite(SatelliteRecord &record, const TLNB_Info_String &shown,
                      const SatelliteImport &in)
{
    Write_Field(record, sat::Lnb_Type, in.lnb_type);
    Write_Field(record, sat::Lnb_12V, in.lnb_12v);
    Write_Field(record, sat::Tone_22K, in.tone_22k);
    Write_Field(record, sat::Diseqc_Port, in.diseqc_port);
    Write_Field(record, sat::Motor, in.motor);
    Write_Field(record, sat::Lnb_Power, in.lnb_power);
    Write_Field(record, sat::Lnb_Low_Freq, in.lnb_low_freq);
    Write_Field(record, sat::Lnb_High_Freq, in.lnb_high_freq);
    Write_Field(record, sat::Longitude, in.longitude_tenths);
    if (shown.Name != in.name)
        Write_Satellite_Name(record, in.name);
}

void Import_Sat_Tp(SatTransponderRecord &record, const SatTpImport &in)
{
    record = Sat_Tp_Base(record);
    Write_Field(record, sat_tp::In_Use, 1);
    Write_Field(record, sat_tp::Sat_Index, in.sat_index);
    Write_Field(record, sat_tp::Tp_Number, in.tp_number);
    Write_Field(record, sat_tp::Polarity, in.polarity);
    Write_Field(record, sat_tp::Fec, in.fec);
    Write_Field(record, sat_tp::Symbol_Rate, in.symbol_rate);
    Write_Field(record, sat_tp::Frequency, in.frequency);
}

void Import_Ter_Tp(TerTransponderRecord &record, const TerTpImport &in)
{
    record = Ter_Tp_Base(record);
    Write_Field(record, ter_tp::In_Use, 1);
    Write_Field(record, ter_tp::Group_Index, in.group_index);
    Write_Field(record, ter_tp::Tp_Number, in.tp_number);
    Write_Field(record, ter_tp::Frequency, in.frequency);
    Write_Field(record, ter_tp::Bandwidth, in.bandwidth);
}

void Import_Program(ProgramRecord &record, bool listed_before, const ProgramImport &in)
{
    record = Program_Base(record, listed_before);
    Write_Field(record, prog::In_Use, in.in_use);
    Write_Field(record, prog::Is_Radio, in.is_radio);
    Write_Field(record, prog::Free_To_Air, in.free_to_air);
    Write_Field(record, prog::Locked, in.locked);
    Write_Field(record, prog::Skipped, in.skipped);
    Write_Field(record, prog::Tp_Kind, in.tp_kind);
    Write_Field(record, prog::Tp_Index, in.tp_index);
    Write_Field(record, prog::Service_Id, in.service_id);
    Write_Field(record, prog::Pcr_Pid, in.pcr_pid);
    Write_Field(record, prog::Private_Pid, in.private_pid);
    Write_Field(record, prog::Video_Pid, in.video_pid);
    Write_Field(record, prog::Audio_Pid, in.audio_pid);
    Write_Field(record, prog::Pmt_Pid, in.pmt_pid);
    Write_Field(record, prog::Audio_Track_Total, in.audio_track_total);
    Write_Field(record, prog::Current_Audio, in.current_audio);
    Write_Field(record, prog::Favourite_Mask, in.favourite_mask);
    std::copy(in.ca_system.begin(), in.ca_system.end(),
              record.begin() + static_cast<std::ptrdiff_t>(prog::kCaSystemOffset));
    // The name keeps its bytes when it is the same; a new one is written as the program's
    // own edits write it, its field cleared first.
    if (Stored_Text(record, prog::kNameOffset, prog::kNameLength) != in.name)
        Write_Program_Name(record, in.name);
}

void Import_Track(AudioTrackRecord &record, bool listed_before, const TrackImport &in)
{
    record = Track_Base(record, listed_before);
    Write_Field(record, audio::In_Use, in.in_use);
    Write_Field(record, audio::Program_Index, in.program_index);
    Write_Field(record, audio::Audio_Pid, in.audio_pid);
    Write_Text(record, audio::kTagOffset, audio::kTagLength, in.tag);
}

// Slots the tables list, and the used slots they leave out emptied.
template<typename Records, typename Import, typename Write>
void Import_Listed(Records &records, const std::vector<Import> &listed, BitField in_use,
                   const typename Records::value_type &empty, Write write)
{
    std::vector<bool> is_listed(records.size(), false);
    for (const Import &in : listed) {
        const auto slot = static_cast<std::size_t>(in.slot);
        is_listed[slot] = true;
        write(records[slot], in);
    }
    for (std::size_t slot = 0; slot < records.size(); ++slot) {
        if (!is_listed[slot] && Used(records[slot], in_use))
            records[slot] = empty;
    }
}

void Import_Counts(RawArrays &raw, const TableImport &tables)
{
    Write_Field(raw.sat_tp_counts, sat_counts::Total_Count,
                static_cast<std::uint32_t>(tables.sat_tps.size()));
    for (int s = 0; s < kSatelliteCount; ++s)
        Write_Field(raw.sat_tp_counts, sat_counts::Per_Sat_Count(s),
                    static_cast<std::uint32_t>(tables.per_sat_count[static_cast<std::size_t>(s)]));
    Write_Field(raw.ter_tp_counts, ter_counts::Total_Count,
                static_cast<std::uint32_t>(tables.ter_tps.size()));
    for (int g = 0; g < kTerGroupCount; ++g)
        Write_Field(
                raw.ter_tp_counts, ter_counts::Per_Group_Count(g),
                static_cast<std::uint32_t>(tables.per_group_count[static_cast<std::size_t>(g)]));
    Set_Audio_Track_Count(raw, static_cast<int>(tables.audio_tracks.size()));
}

std::optional<std::string> Outside(const char *table, const char *what, std::int64_t value,
                                   int size)
{
    if (value >= 0 && value < size)
        return std::nullopt;
    return std::string(table) + ' ' + what + ' ' + std::to_string(value) + " is outside 0.."
           + std::to_string(size - 1);
}

std::optional<std::string> Too_Many(const char *table, std::size_t given, int size)
{
    if (given <= static_cast<std::size_t>(size))
        return std::nullopt;
    return std::to_string(given) + ' ' + table + " given; the table holds " + std::to_string(size);
}

// The first entry of the tables that would fall outside the fixed tables of a database.
std::optional<std::string> Misfit(const TableImport &t)
{
    std::optional<std::string> fault = Too_Many("programs", t.programs.size(), kProgramSlots);
    const auto check = [&fault](std::optional<std::string> next) {
        if (!fault)
            fault = std::move(next);
    };
    check(Too_Many("audio tracks", t.audio_tracks.size(), kAudioTrackSlots));
    for (const SatelliteImport &in : t.satellites)
        check(Outside("satellites", "slot", in.slot, kSatelliteCount));
    for (const SatTpImport &in : t.sat_tps) {
        check(Outside("satellite transponders", "slot", in.slot, kSatTransponderSlots));
        check(Outside("satellite transponders", "Sat_Index", in.sat_index, kSatelliteCount));
    }
    for (const TerTpImport &in : t.ter_tps) {
        check(Outside("terrestrial transponders", "slot", in.slot, kTerTransponderSlots));
        check(Outside("terrestrial transponders", "Group_Index", in.group_index, kTerGroupCount));
    }
    for (const ProgramImport &in : t.programs)
        check(Outside("programs", "slot", in.slot, kProgramSlots));
    for (const TrackImport &in : t.audio_tracks)
        check(Outside("audio tracks", "slot", in.slot, kAudioTrackSlots));
    return fault;
}

} // namespace

Outcome Import_Tables(ChannelDatabase &db, const TableImport &tables)
{
    if (const std::optional<std::string> fault = Misfit(tables))
        return Outcome::failure("The tables do not fit the database: " + *fault + '.');
    RawArrays &raw = db.raw;
    for (const SatelliteImport &in : tables.satellites) {
        const auto slot = static_cast<std::size_t>(in.slot);
        Import_Satellite(raw.satellites[slot], db.rows.satellites[slot], in);
    }
    Import_Listed(raw.sat_tps, tables.sat_tps, sat_tp::In_Use, kEmptySatTransponder, Import_Sat_Tp);
    Import_Listed(raw.ter_tps, tables.ter_tps, ter_tp::In_Use, kEmptyTerTransponder, Import_Ter_Tp);
    for (std::size_t g = 0; g < raw.favourite_names.size(); ++g) {
        if (db.rows.favourite_names[g] != tables.favourite_names[g])
            Write_Favourite_Name(raw.favourite_names[g], tables.favourite_names[g]);
    }
    const int listed_before = Used_Program_Count(raw);
    for (const ProgramImport &in : tables.programs)
        Import_Program(raw.programs[static_cast<std::size_t>(in.slot)], in.slot < listed_before,
                       in);
    const int tracks_before = Used_Audio_Track_Count(raw);
    const auto track_count = tables.audio_tracks.size();
    for (const TrackImport &in : tables.audio_tracks)
        Import_Track(raw.audio_tracks[static_cast<std::size_t>(in.slot)], in.slot < tracks_before,
                     in);
    for (std::size_t a = track_count; a < raw.audio_tracks.size(); ++a) {
        if (Used(raw.audio_tracks[a], audio::In_Use))
            raw.audio_tracks[a] = kEmptyAudioTrack;
    }
    Import_Counts(raw, tables);
    Set_Program_Count(db, static_cast<int>(tables.programs.size()));
    Decode_Rows(db);
    return Outcome::success();
}

} // namespace orvane
