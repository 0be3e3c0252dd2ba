#pragma once

// The tables of a database as the export lists them, and the one operation that writes them
// into a database: the import of a changed export. The values arrive checked (each fits its
// field, the counts match the tables, every slot is in range and given once); what the tables
// do not carry comes from the database they are written into, so that importing an unchanged
// export gives back its image byte for byte:
// - the bytes and bits that no listed field owns, of every record the database already used in
//   that slot; a record new to its slot starts from the pattern the program creates;
// - unused slots: a transponder slot the tables leave out is emptied when it was in use, and
//   kept as it is otherwise; program slots past the count keep their bytes, as do audio
//   track slots past the count that were not in use;
// - a name equal to the one the slot shows keeps its stored bytes (trailing blanks, the bytes
//   after its NUL).

#include "dbase/channel_database.h"
#include "dbase/outcome.h"

#include <array>
#include <string>
#include <vector>

namespace orvane {

struct SatelliteImport
{
    int slot = 0;
    std::string name; // as stored, in the set the database's names are read in
    std::uint32_t lnb_type = 0;
    std::uint32_t lnb_12v = 0;
    std::uint32_t tone_22k = 0;
    std::uint32_t diseqc_port = 0;
    std::uint32_t motor = 0;
    std::uint32_t lnb_power = 0;
    std::uint32_t lnb_low_freq = 0;
    std::uint32_t lnb_high_freq = 0;
    std::uint32_t longitude_tenths = 0;
};

struct SatTpImport
{
    int slot = 0;
    std::uint32_t sat_index = 0;
    std::uint32_t tp_number = 0;
    std::uint32_t polarity = 0;
    std::uint32_t fec = 0;
    std::uint32_t symbol_rate = 0;
    std::uint32_t frequency = 0;
};

struct TerTpImport
{
    int slot = 0;
    std::uint32_t group_index = 0;
    std::uint32_t tp_number = 0;
    std::uint32_t frequency = 0;
    std::uint32_t bandwidth = 0;
};

struct ProgramImport
{
    int slot = 0;
    std::string name; // as stored, in the set the database's names are read in
    std::uint32_t in_use = 1;
    std::uint32_t is_radio = 0;
    std::uint32_t free_to_air = 1;
    std::uint32_t locked = 0;
    std::uint32_t skipped = 0;
    std::uint32_t tp_kind = 0;
    std::uint32_t tp_index = 0;
    std::uint32_t service_id = 0;
    std::uint32_t pcr_pid = 0;
    std::uint32_t private_pid = 0;
    std::uint32_t video_pid = 0;
    std::uint32_t audio_pid = 0;
    std::uint32_t pmt_pid = 0;
    std::uint32_t audio_track_total = 1;
    std::uint32_t current_audio = 0;
    std::uint32_t favourite_mask = 0;
    std::array<std::uint8_t, prog::kCaSystemCount> ca_system{};
};

struct TrackImport
{
    int slot = 0;
    std::uint32_t in_use = 1;
    std::uint32_t program_index = 0;
    std::uint32_t audio_pid = 0;
    std::string tag; // Latin-1, at most 3 bytes
};

struct TableImport
{
    std::array<int, kSatelliteCount> per_sat_count{};
    std::array<int, kTerGroupCount> per_group_count{};
    std::vector<SatelliteImport> satellites;
    std::vector<SatTpImport> sat_tps;
    std::vector<TerTpImport> ter_tps;
    std::array<std::string, kFavouriteGroupCount> favourite_names;
    std::vector<ProgramImport> programs; // slots 0..count-1
    std::vector<TrackImport> audio_tracks;
};

// Writes the tables into db (which holds the database they are imported like) and decodes its
// rows afresh. Tables that do not fit the database's fixed tables (a slot or an index outside
// its table, more entries than a table holds) are refused before anything is written, whoever
// the caller is: the message names the table, the slot and the limit.
Outcome Import_Tables(ChannelDatabase &db, const TableImport &tables);

} // namespace orvane
