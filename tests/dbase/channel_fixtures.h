#pragma once

// Small channel databases built through the record writers, the state of a database as
// readable text (one line per used slot, "tp 3: sat 5 #2 11778 V 27500 3/4"), and the
// invariants every maintenance operation must keep. Expectations are compared as text, so a
// failure names the slot and the field that differ.

#include "dbase/Orvane_dbase.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <memory>
#include <numeric>
#include <string>
#include <type_traits>
#include <vector>

namespace orvane::test {

inline QString Q(const std::string &text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Words(...) joins numbers and texts with single spaces: the dumps below are built from it.
inline QString Word(const QString &text)
{
    return text;
}
inline QString Word(const char *text)
{
    return QString::fromUtf8(text);
}
inline QString Word(const std::string &text)
{
    return Q(text);
}
template<typename T>
requires std::is_integral_v<T> QString Word(T value)
{
    return QString::number(static_cast<qlonglong>(value));
}
template<typename... T>
QString Words(const T &...parts)
{
    return QStringList{Word(parts)...}.join(' ');
}
inline QString Slot(const char *table, int slot)
{
    return Words(table, slot) + ':';
}

// ---- building ---------------------------------------------------------------------------

// Every slot empty, all counts 0, satellites named "Sat 00" .. "Sat 59".
inline std::unique_ptr<ChannelDatabase> Blank_Database()
{
    auto db = Make_Channel_Database();
    Clear_Database(*db);
    for (int s = 0; s < kSatelliteCount; ++s) {
        const std::string name
                = QStringLiteral("Sat %1").arg(s, 2, 10, QLatin1Char('0')).toStdString();
        Write_Satellite_Name(db->raw.satellites[s], name);
        Decode_Satellite(db->raw.satellites[s], db->rows.satellites[s]);
    }
    return db;
}

constexpr std::uint32_t kH = 0;
constexpr std::uint32_t kV = 1;

// A transponder as the dialog makes it: numbered after the satellite's last one.
inline void Add_Sat_Tp(ChannelDatabase &db, int slot, int satellite, std::uint32_t mhz,
                       std::uint32_t polarity, std::uint32_t symbol_rate, std::uint32_t fec)
{
    Create_Sat_Transponder(db, slot, satellite, {polarity, fec, symbol_rate, mhz});
}

// The dialog numbers every new terrestrial transponder in group 0; one of another group is
// then moved there as that group's next number.
inline void Add_Ter_Tp(ChannelDatabase &db, int slot, int group, std::uint32_t khz,
                       std::uint32_t bandwidth = 2)
{
    Create_Ter_Transponder(db, slot, {khz, bandwidth});
    if (group == 0)
        return;
    RawArrays &raw = db.raw;
    const int total = Ter_Tp_Total_Count(raw);
    Set_Ter_Tp_Counts(raw, total, 0, Ter_Tp_Per_Group_Count(raw, 0) - 1);
    const int number = Ter_Tp_Per_Group_Count(raw, group) + 1;
    Set_Ter_Tp_Counts(raw, total, group, number);
    Write_Field(raw.ter_tps[slot], ter_tp::Group_Index, static_cast<std::uint32_t>(group));
    Write_Field(raw.ter_tps[slot], ter_tp::Tp_Number, static_cast<std::uint32_t>(number));
    Decode_Ter_Transponder(raw.ter_tps[slot], db.rows.ter_tps[slot]);
}

// Favourite_Mask of the groups named (1..16).
inline std::uint32_t Groups(std::initializer_list<int> groups)
{
    std::uint32_t mask = 0;
    for (const int g : groups)
        mask |= 1u << (g - 1);
    return mask;
}

struct ProgramSetup
{
    std::uint32_t kind = prog::kKindSatellite;
    int tp = 0;
    std::string name;
    bool radio = false;
    std::uint32_t favourites = 0;
    bool scrambled = false;
    bool locked = false;
    bool skipped = false;
};

// A program in slot Program_Count; its PIDs follow from the slot: video and PCR 256 + p,
// audio 512 + p.
inline int Add_Program(ChannelDatabase &db, const ProgramSetup &setup)
{
    const auto next = static_cast<std::uint32_t>(db.Program_Count);
    ProgramValues values;
    values.is_radio = setup.radio;
    values.locked = setup.locked;
    values.skipped = setup.skipped;
    values.service_id = 100 + next;
    values.pcr_pid = 256 + next;
    values.video_pid = 256 + next;
    values.audio_pid = 512 + next;
    values.favourite_mask = setup.favourites;
    values.pmt_pid = 32 + next;
    values.name = setup.name;
    const int slot = Create_Program(db, setup.kind, setup.tp, values);
    if (setup.scrambled) {
        Write_Field(db.raw.programs[slot], prog::Free_To_Air, 0);
        Decode_Program(db.raw.programs[slot], db.raw, db.rows.programs[slot]);
    }
    return slot;
}

inline void Set_Program_Field(ChannelDatabase &db, int program, BitField field, std::uint32_t value)
{
    Write_Field(db.raw.programs[program], field, value);
    Decode_Program(db.raw.programs[program], db.raw, db.rows.programs[program]);
}

// A track of `program` in slot Audio_Track_Count (which goes up by one). W0 bits 30..31 get
// `high_bits`, so that a test can see them kept.
inline int Append_Audio_Track(ChannelDatabase &db, int program, std::uint32_t pid,
                              std::string_view tag = "ENG", std::uint32_t high_bits = 0)
{
    const int slot = Stored_Audio_Track_Count(db.raw);
    AudioTrackRecord &track = db.raw.audio_tracks[slot];
    Store_U32(track, 0, high_bits << 30);
    Write_Field(track, audio::In_Use, 1);
    Write_Field(track, audio::Program_Index, static_cast<std::uint32_t>(program));
    Write_Field(track, audio::Audio_Pid, pid);
    std::fill(track.begin() + audio::kTagOffset, track.end(), std::uint8_t{0});
    std::copy(tag.begin(), tag.end(), track.begin() + audio::kTagOffset);
    Set_Audio_Track_Count(db.raw, slot + 1);
    Decode_Audio_Track(track, db.rows.audio_tracks[slot]);
    return slot;
}

// ---- text dumps ----------------------------------------------------------------------------

inline QString Sat_Tp_Line(const ChannelDatabase &db, int t)
{
    const TTp_Info_String &r = db.rows.sat_tps[t];
    return Words(Slot("tp", t), "sat", r.Sat_Index, "#" + Word(r.Tp_Number), r.Frequency,
                 r.Polarity_Text, r.Symbol_Rate, r.Fec_Text);
}

inline QString Ter_Tp_Line(const ChannelDatabase &db, int t)
{
    const TTer_Tp_Info_String &r = db.rows.ter_tps[t];
    return Words(Slot("ttp", t), "group", r.Group_Index, "#" + Word(r.Tp_Number), r.Frequency, "bw",
                 r.Bandwidth);
}

inline QStringList Sat_Tp_Dump(const ChannelDatabase &db)
{
    QStringList lines;
    for (int t = 0; t < kSatTransponderSlots; ++t)
        if (db.rows.sat_tps[t].In_Use == 1)
            lines << Sat_Tp_Line(db, t);
    return lines;
}

inline QStringList Ter_Tp_Dump(const ChannelDatabase &db)
{
    QStringList lines;
    for (int t = 0; t < kTerTransponderSlots; ++t)
        if (db.rows.ter_tps[t].In_Use == 1)
            lines << Ter_Tp_Line(db, t);
    return lines;
}

// "prog 2: sat tp 1 TV Two tracks 3" for the slots 0..Program_Count-1.
inline QStringList Program_Dump(const ChannelDatabase &db)
{
    QStringList lines;
    for (int p = 0; p < std::clamp(db.Program_Count, 0, kProgramSlots); ++p) {
        const TProg_Info_String &r = db.rows.programs[p];
        lines << Words(Slot("prog", p), r.Tp_Kind == prog::kKindSatellite ? "sat" : "ter", "tp",
                       r.Tp_Index, r.Is_Radio ? "Radio" : "TV", r.Name, "tracks",
                       r.Audio_Track_Total);
    }
    return lines;
}

// "audio 0: prog 2 pid 1001 ENG" for the slots 0..Audio_Track_Count-1.
inline QStringList Audio_Dump(const ChannelDatabase &db)
{
    QStringList lines;
    for (int a = 0; a < Used_Audio_Track_Count(db.raw); ++a) {
        const TAudio_Info_String &r = db.rows.audio_tracks[a];
        lines << Words(Slot("audio", a), "prog", r.Program_Index, "pid", r.Audio_Pid, r.Tag);
    }
    return lines;
}

// Every field of a row, to compare a stored row with one decoded afresh.
inline QString Row_Text(const TLNB_Info_String &r)
{
    return Words(r.Lnb_Type, r.Lnb_12V, r.Tone_22K, r.Diseqc_Port, r.Motor, r.Lnb_Power,
                 r.Lnb_Low_Freq, r.Lnb_High_Freq, "[" + Q(r.Name) + "]", r.Longitude);
}

inline QString Row_Text(const TTp_Info_String &r)
{
    return Words(r.In_Use, r.Sat_Index, r.Tp_Number, r.Polarity_Text, r.Polarity, r.Fec_Text, r.Fec,
                 r.Symbol_Rate, r.Frequency);
}

inline QString Row_Text(const TTer_Tp_Info_String &r)
{
    return Words(r.In_Use, r.Group_Index, r.Tp_Number, r.Frequency, r.Bandwidth);
}

inline QString Row_Text(const TProg_Info_String &r)
{
    return Words(r.In_Use, r.Is_Radio, r.Free_To_Air, r.Locked, r.Skipped, r.Tp_Index, r.Sat_Slot,
                 r.Tp_Kind, r.Service_Id, r.Pcr_Pid, r.Private_Pid, r.Audio_Track_Total,
                 r.Video_Pid, r.Audio_Pid, r.Current_Audio, r.Favourite_Mask, r.Pmt_Pid,
                 r.W4_Top_Bits, "[" + Q(r.Name) + "]", r.Ca_System[0], r.Ca_System[1],
                 r.Ca_System[2], r.Ca_System[3]);
}

inline QString Row_Text(const TAudio_Info_String &r)
{
    return Words(r.In_Use, r.Program_Index, r.Audio_Pid, "[" + Q(r.Tag) + "]");
}

// ---- invariants ----------------------------------------------------------------------------

// The counters equal the used slots, and within every owner (satellite or group) the numbers
// run 1..count without gaps.
template<typename Row, typename OwnerOf, typename CountOf>
void Check_Numbering(const char *table, const RowTable<Row> &rows, int owners, int total,
                     OwnerOf owner_of, CountOf count_of, QStringList &problems)
{
    std::map<int, std::vector<int>> numbers;
    int used = 0;
    for (const Row &row : rows)
        if (row.In_Use == 1 && ++used)
            numbers[owner_of(row)].push_back(row.Tp_Number);
    if (used != total)
        problems << Words(table, "Total_Count", total, "used", used);
    for (auto &[owner, found] : numbers) {
        std::vector<int> expected(owner < owners ? static_cast<std::size_t>(count_of(owner)) : 0);
        std::iota(expected.begin(), expected.end(), 1);
        std::sort(found.begin(), found.end());
        if (found != expected) {
            QStringList listed;
            for (const int number : found)
                listed << Word(number);
            problems << Words(table, "of", owner, "numbered", listed.join(','), "count",
                              static_cast<int>(expected.size()));
        }
    }
    for (int owner = 0; owner < owners; ++owner)
        if (count_of(owner) != 0 && !numbers.contains(owner))
            problems << Words(table, "of", owner, "count", count_of(owner), "used 0");
}

inline bool Names_Used_Transponder(const ChannelDatabase &db, const TProg_Info_String &row)
{
    if (row.Tp_Kind == prog::kKindSatellite)
        return row.Tp_Index >= 0 && row.Tp_Index < kSatTransponderSlots
               && db.rows.sat_tps[row.Tp_Index].In_Use == 1;
    return row.Tp_Kind == prog::kKindTerrestrial && row.Tp_Index >= 0
           && row.Tp_Index < kTerTransponderSlots && db.rows.ter_tps[row.Tp_Index].In_Use == 1;
}

inline void Check_Programs(const ChannelDatabase &db, QStringList &problems)
{
    if (Stored_Program_Count(db.raw) != db.Program_Count)
        problems << Words("Program_Count", Stored_Program_Count(db.raw), "in memory",
                          db.Program_Count);
    for (int p = 0; p < Used_Program_Count(db.raw); ++p) {
        const TProg_Info_String &row = db.rows.programs[p];
        if (row.In_Use != 1 || !Names_Used_Transponder(db, row))
            problems << Words(Slot("prog", p), "in use", row.In_Use, "kind", row.Tp_Kind, "tp",
                              row.Tp_Index, "is not a used transponder");
    }
}

// Used tracks are exactly the slots below the count, each owned by a program that exists,
// and the tracks of one program form one run.
inline void Check_Audio_Tracks(const ChannelDatabase &db, QStringList &problems)
{
    const int count = Used_Audio_Track_Count(db.raw);
    std::vector<int> finished;
    for (int a = 0; a < count; ++a) {
        const int owner = db.rows.audio_tracks[a].Program_Index;
        if (db.rows.audio_tracks[a].In_Use != 1 || owner >= db.Program_Count
            || std::find(finished.begin(), finished.end(), owner) != finished.end())
            problems << Words(Slot("audio", a), "of program", owner,
                              "unused, orphaned or apart from its program's other tracks");
        if (a + 1 < count && db.rows.audio_tracks[a + 1].Program_Index != owner)
            finished.push_back(owner);
    }
    for (int a = count; a < kAudioTrackSlots; ++a)
        if (Read_Field(db.raw.audio_tracks[a], audio::In_Use) == 1)
            problems << Words(Slot("audio", a), "used above Audio_Track_Count");
}

// The stored row and the row its raw record decodes to afresh are equal.
template<typename Row, typename Decode, typename... Args>
void Check_Row(QStringList &problems, const char *table, int slot, const Row &stored, Decode decode,
               const Args &...args)
{
    Row fresh;
    decode(args..., fresh);
    if (Row_Text(fresh) != Row_Text(stored))
        problems << Words(Slot(table, slot), "row [" + Row_Text(stored) + "], raw decodes to ["
                                                     + Row_Text(fresh) + "]");
}

inline void Check_Rows_Match_Raw(const ChannelDatabase &db, QStringList &problems)
{
    const RawArrays &raw = db.raw;
    const DisplayTables &rows = db.rows;
    for (int s = 0; s < kSatelliteCount; ++s)
        Check_Row(problems, "satellite", s, rows.satellites[s], &Decode_Satellite,
                  raw.satellites[s]);
    for (int t = 0; t < kSatTransponderSlots; ++t)
        if (rows.sat_tps[t].In_Use == 1 || Read_Field(raw.sat_tps[t], sat_tp::In_Use) == 1)
            Check_Row(problems, "tp", t, rows.sat_tps[t], &Decode_Sat_Transponder, raw.sat_tps[t]);
    for (int t = 0; t < kTerTransponderSlots; ++t)
        if (rows.ter_tps[t].In_Use == 1 || Read_Field(raw.ter_tps[t], ter_tp::In_Use) == 1)
            Check_Row(problems, "ttp", t, rows.ter_tps[t], &Decode_Ter_Transponder, raw.ter_tps[t]);
    for (int p = 0; p < Used_Program_Count(raw); ++p)
        Check_Row(problems, "prog", p, rows.programs[p], &Decode_Program, raw.programs[p], raw);
    for (int a = 0; a < Used_Audio_Track_Count(raw); ++a)
        Check_Row(problems, "audio", a, rows.audio_tracks[a], &Decode_Audio_Track,
                  raw.audio_tracks[a]);
}

// Empty when the database keeps every rule of its layout.
inline QStringList Check_Invariants(const ChannelDatabase &db)
{
    QStringList problems;
    Check_Numbering(
            "sat tps", db.rows.sat_tps, kSatelliteCount, Sat_Tp_Total_Count(db.raw),
            [](const TTp_Info_String &r) { return int(r.Sat_Index); },
            [&](int s) { return Sat_Tp_Per_Sat_Count(db.raw, s); }, problems);
    Check_Numbering(
            "ter tps", db.rows.ter_tps, kTerGroupCount, Ter_Tp_Total_Count(db.raw),
            [](const TTer_Tp_Info_String &r) { return int(r.Group_Index); },
            [&](int g) { return Ter_Tp_Per_Group_Count(db.raw, g); }, problems);
    Check_Programs(db, problems);
    Check_Audio_Tracks(db, problems);
    Check_Rows_Match_Raw(db, problems);
    // The program's own check must agree: it finds no error where these rules hold.
    if (problems.isEmpty()) {
        for (const CheckFinding &finding : Check_Database(db.raw).findings)
            if (finding.severity == Severity::Error)
                problems << "check: " + Q(finding.text);
    }
    return problems;
}

} // namespace orvane::test
