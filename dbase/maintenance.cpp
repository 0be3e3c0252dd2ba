#include "dbase/maintenance.h"

#include "dbase/database_check.h"
#include "dbase/decode.h"
#include "dbase/record_writers.h"

#include <algorithm>

namespace orvane {
namespace {

int Clamped_Track_Count(int track_count)
{
    return std::clamp(track_count, 0, kAudioTrackSlots);
}

void Copy_Audio_Track(ChannelDatabase &db, int from, int to)
{
    db.raw.audio_tracks[to] = db.raw.audio_tracks[from];
    db.rows.audio_tracks[to] = db.rows.audio_tracks[from];
}

void Copy_Program(ChannelDatabase &db, int from, int to)
{
    db.raw.programs[to] = db.raw.programs[from];
    db.rows.programs[to] = db.rows.programs[from];
}

// Deletes, lowest slot first, every program on transponder tp of the given kind.
int Delete_Programs_Of_Tp(ChannelDatabase &db, int tp, int kind)
{
    int deleted = 0;
    for (int p = 0; p < std::min(db.Program_Count, kProgramSlots);) {
        const TProg_Info_String &row = db.rows.programs[p];
        if (row.Tp_Index == tp && row.Tp_Kind == kind) {
            Delete_Program(db, p);
            ++deleted;
        } else {
            ++p;
        }
    }
    return deleted;
}

void Lower_Sat_Tp_Number(ChannelDatabase &db, int slot)
{
    TTp_Info_String &row = db.rows.sat_tps[slot];
    row.Tp_Number -= 1;
    Write_Field(db.raw.sat_tps[slot], sat_tp::Tp_Number, static_cast<std::uint32_t>(row.Tp_Number));
}

void Lower_Ter_Tp_Number(ChannelDatabase &db, int slot)
{
    TTer_Tp_Info_String &row = db.rows.ter_tps[slot];
    row.Tp_Number -= 1;
    Write_Field(db.raw.ter_tps[slot], ter_tp::Tp_Number, row.Tp_Number);
}

int Lowest_Free_Sat_Tp(const ChannelDatabase &db)
{
    for (int t = 0; t < kSatTransponderSlots; ++t)
        if (db.rows.sat_tps[t].In_Use == 0)
            return t;
    return -1;
}

} // namespace

int Delete_Audio_Tracks(ChannelDatabase &db, int program, int track_count)
{
    const int n = Clamped_Track_Count(track_count);
    int kept = 0;
    for (int a = 0; a < n; ++a) {
        if (db.rows.audio_tracks[a].Program_Index == program)
            continue;
        if (kept != a)
            Copy_Audio_Track(db, a, kept);
        ++kept;
    }
    for (int a = kept; a < n; ++a)
        Empty_Audio_Track(db, a);
    return n - kept;
}

void Renumber_Audio_Tracks(ChannelDatabase &db, int old_index, int new_index, int track_count)
{
    const int n = Clamped_Track_Count(track_count);
    for (int a = 0; a < n; ++a) {
        TAudio_Info_String &row = db.rows.audio_tracks[a];
        if (row.Program_Index != old_index)
            continue;
        row.Program_Index = new_index;
        Write_Field(db.raw.audio_tracks[a], audio::Program_Index,
                    static_cast<std::uint32_t>(new_index));
    }
}

void Delete_Program(ChannelDatabase &db, int program)
{
    const int count = std::min(db.Program_Count, kProgramSlots);
    if (program < 0 || program >= count)
        return;
    int tracks = Stored_Audio_Track_Count(db.raw);
    // Every track of the program goes, wherever it stands: a file from elsewhere may hold
    // tracks of a program whose Audio_Track_Total says it has none.
    tracks -= Delete_Audio_Tracks(db, program, tracks);
    Set_Audio_Track_Count(db.raw, std::max(tracks, 0));
    for (int q = program + 1; q < count; ++q) {
        Copy_Program(db, q, q - 1);
        Renumber_Audio_Tracks(db, q, q - 1, tracks);
    }
    Set_Program_Count(db, std::max(db.Program_Count - 1, 0));
}

namespace {

// The valid program slots among `programs`, ascending and each once.
std::vector<int> Slots_To_Delete(std::span<const int> programs, int count)
{
    std::vector<int> slots;
    for (const int p : programs)
        if (p >= 0 && p < count)
            slots.push_back(p);
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    return slots;
}

// Drops the tracks of deleted programs and gives the others their programs' new slots.
int Compact_Audio_Tracks(ChannelDatabase &db, const std::vector<int> &new_slot_of)
{
    const int count = static_cast<int>(new_slot_of.size());
    const int tracks = Stored_Audio_Track_Count(db.raw);
    const int n = Clamped_Track_Count(tracks);
    int kept = 0;
    for (int a = 0; a < n; ++a) {
        const int owner = db.rows.audio_tracks[static_cast<std::size_t>(a)].Program_Index;
        const bool named = owner >= 0 && owner < count;
        if (named && new_slot_of[static_cast<std::size_t>(owner)] < 0)
            continue;
        if (kept != a)
            Copy_Audio_Track(db, a, kept);
        if (named && new_slot_of[static_cast<std::size_t>(owner)] != owner) {
            const int moved_to = new_slot_of[static_cast<std::size_t>(owner)];
            db.rows.audio_tracks[static_cast<std::size_t>(kept)].Program_Index = moved_to;
            Write_Field(db.raw.audio_tracks[static_cast<std::size_t>(kept)], audio::Program_Index,
                        static_cast<std::uint32_t>(moved_to));
        }
        ++kept;
    }
    for (int a = kept; a < n; ++a)
        Empty_Audio_Track(db, a);
    Set_Audio_Track_Count(db.raw, std::max(tracks - (n - kept), 0));
    return n - kept;
}

} // namespace

int Delete_Programs(ChannelDatabase &db, std::span<const int> programs)
{
    // A stored count beyond the table moves the end of the list with every deletion.
    if (db.Program_Count > kProgramSlots) {
        const std::vector<int> slots = Slots_To_Delete(programs, kProgramSlots);
        for (auto slot = slots.rbegin(); slot != slots.rend(); ++slot)
            Delete_Program(db, *slot);
        return static_cast<int>(slots.size());
    }
    const int count = std::max(db.Program_Count, 0);
    const std::vector<int> doomed = Slots_To_Delete(programs, count);
    if (doomed.empty())
        return 0;
    std::vector<int> new_slot_of(static_cast<std::size_t>(count));
    int next = 0;
    for (int p = 0, d = 0; p < count; ++p) {
        const bool gone
                = d < static_cast<int>(doomed.size()) && doomed[static_cast<std::size_t>(d)] == p;
        d += gone ? 1 : 0;
        new_slot_of[static_cast<std::size_t>(p)] = gone ? -1 : next++;
    }
    Compact_Audio_Tracks(db, new_slot_of);

    // Each deletion copies the programs above it down one slot and leaves the last slot as
    // it was, so the slots freed at the end hold what those copies left there: slot
    // count-1-t took slot count-t's final record when the t-th deletion (highest first) lay at
    // or below it.
    const int k = static_cast<int>(doomed.size());
    std::vector<int> tail_source(static_cast<std::size_t>(k));
    tail_source[static_cast<std::size_t>(k - 1)] = count - 1;
    for (int t = 1; t < k; ++t) {
        const int j = count - t - 1;
        const int d = doomed[static_cast<std::size_t>(k - t)];
        const auto at = static_cast<std::size_t>(j - (count - k));
        tail_source[at] = d <= j ? tail_source[at + 1] : j;
    }
    std::vector<ProgramRecord> tail_records;
    std::vector<TProg_Info_String> tail_rows;
    for (const int source : tail_source) {
        tail_records.push_back(db.raw.programs[static_cast<std::size_t>(source)]);
        tail_rows.push_back(db.rows.programs[static_cast<std::size_t>(source)]);
    }
    for (int p = 0; p < count; ++p) {
        const int to = new_slot_of[static_cast<std::size_t>(p)];
        if (to >= 0 && to != p) {
            db.raw.programs[static_cast<std::size_t>(to)]
                    = db.raw.programs[static_cast<std::size_t>(p)];
            db.rows.programs[static_cast<std::size_t>(to)]
                    = std::move(db.rows.programs[static_cast<std::size_t>(p)]);
        }
    }
    const auto first_freed = static_cast<std::size_t>(count - k);
    for (std::size_t i = 0; i < tail_records.size(); ++i) {
        db.raw.programs[first_freed + i] = tail_records[i];
        db.rows.programs[first_freed + i] = std::move(tail_rows[i]);
    }
    Set_Program_Count(db, count - k);
    return k;
}

SatTpDeletion Delete_Sat_Transponder(ChannelDatabase &db, int tp, int satellite)
{
    SatTpDeletion result;
    if (tp < 0 || tp >= kSatTransponderSlots)
        return result;
    const bool known_satellite = satellite >= 0 && satellite < kSatelliteCount;
    const int per_sat = known_satellite ? Sat_Tp_Per_Sat_Count(db.raw, satellite) : 0;
    const int number = db.rows.sat_tps[tp].Tp_Number;
    if (per_sat > 1 || !known_satellite) {
        if (known_satellite)
            Set_Sat_Tp_Counts(db.raw, std::max(Sat_Tp_Total_Count(db.raw) - 1, 0), satellite,
                              per_sat - 1);
        for (int u = 0; u < kSatTransponderSlots; ++u) {
            const TTp_Info_String &row = db.rows.sat_tps[u];
            if (row.In_Use == 1 && row.Sat_Index == satellite && row.Tp_Number > number)
                Lower_Sat_Tp_Number(db, u);
        }
        Empty_Sat_Transponder(db, tp);
    } else {
        result.Default_Tp_Replaced = true;
        Empty_Sat_Transponder(db, tp);
        result.default_slot = Lowest_Free_Sat_Tp(db);
        Default_Sat_Transponder(db, result.default_slot, satellite);
    }
    result.programs_deleted = Delete_Programs_Of_Tp(db, tp, prog::kKindSatellite);
    return result;
}

int Delete_Ter_Transponder(ChannelDatabase &db, int tp, int group)
{
    if (tp < 0 || tp >= kTerTransponderSlots)
        return 0;
    const int number = db.rows.ter_tps[tp].Tp_Number;
    const bool known_group = group >= 0 && group < kTerGroupCount;
    const int per_group = known_group ? Ter_Tp_Per_Group_Count(db.raw, group) : 0;
    if (known_group)
        Set_Ter_Tp_Counts(db.raw, std::max(Ter_Tp_Total_Count(db.raw) - 1, 0), group,
                          std::max(per_group - 1, 0));
    // Numbers run 1..count within each group, so only the deleted transponder's group closes
    // its gap.
    for (int u = 0; u < kTerTransponderSlots; ++u) {
        const TTer_Tp_Info_String &row = db.rows.ter_tps[u];
        if (row.In_Use == 1 && row.Group_Index == group && row.Tp_Number > number)
            Lower_Ter_Tp_Number(db, u);
    }
    Empty_Ter_Transponder(db, tp);
    return Delete_Programs_Of_Tp(db, tp, prog::kKindTerrestrial);
}

int Remove_Duplicate_Programs(ChannelDatabase &db)
{
    const std::vector<int> duplicates = Duplicate_Program_Slots(db.raw);
    return Delete_Programs(db, duplicates);
}

int Delete_All_Empty_Transponders(ChannelDatabase &db)
{
    // An empty transponder carries no program, so deleting one leaves the others empty.
    const std::vector<int> sat_tps = Empty_Sat_Transponder_Slots(db.raw);
    const std::vector<int> ter_tps = Empty_Ter_Transponder_Slots(db.raw);
    for (const int tp : sat_tps)
        Delete_Sat_Transponder(db, tp, db.rows.sat_tps[static_cast<std::size_t>(tp)].Sat_Index);
    for (const int tp : ter_tps)
        Delete_Ter_Transponder(db, tp, db.rows.ter_tps[static_cast<std::size_t>(tp)].Group_Index);
    return static_cast<int>(sat_tps.size() + ter_tps.size());
}

} // namespace orvane
