#pragma once

// Display rows: one per image slot, with the packed fields split into small numbers and
// ready-made decimal texts, made when they are first read. The windows read these, never the
// packed records; every edit writes the raw record and its row together. Texts hold the
// image's 8-bit bytes unchanged.

#include "dbase/layout.h"

#include <algorithm>
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

// The rows of one table, each made from its record when it is first read after the records
// were replaced wholesale (an open, an undo): a page shows a few dozen rows, and an open of a
// full database would otherwise spend most of its time on texts nobody reads. A row that was
// read or written stays as it is until the next Forget_All; writers refresh the row of every
// record they change, as they always have. A table starts with every row default and fresh, as
// a database that nothing was decoded into.
template<typename Row>
class RowTable
{
public:
    // Makes the row of `slot` from the raw arrays.
    using Decoder = void (*)(const RawArrays &raw, std::size_t slot, Row &row);

    RowTable(std::size_t size, Decoder decode)
        : m_rows(size)
        , m_fresh(size, 1)
        , m_decode(decode)
    {}

    // The arrays the rows are made from; the database points its tables at its own.
    void Attach(const RawArrays *raw) { m_raw = raw; }
    // Every row is made afresh from its record when next read.
    void Forget_All()
    {
        std::fill(m_fresh.begin(), m_fresh.end(), std::uint8_t{0});
        m_stale = m_rows.size();
    }

    const Row &operator[](std::size_t slot) const
    {
        Refresh(slot);
        return m_rows[slot];
    }
    Row &operator[](std::size_t slot)
    {
        Refresh(slot);
        return m_rows[slot];
    }
    std::size_t size() const { return m_rows.size(); }

    // Walking the whole table makes every row; once all are made, a walk costs no checks.
    auto begin() const
    {
        Refresh_All();
        return m_rows.cbegin();
    }
    auto end() const { return m_rows.cend(); }
    auto begin()
    {
        Refresh_All();
        return m_rows.begin();
    }
    auto end() { return m_rows.end(); }

private:
    void Refresh(std::size_t slot) const
    {
        if (!m_fresh[slot]) {
            m_decode(*m_raw, slot, m_rows[slot]);
            m_fresh[slot] = 1;
            --m_stale;
        }
    }
    void Refresh_All() const
    {
        if (m_stale == 0)
            return;
        for (std::size_t slot = 0; slot < m_rows.size(); ++slot)
            Refresh(slot);
    }

    mutable std::vector<Row> m_rows;
    mutable std::vector<std::uint8_t> m_fresh; // bytes, not bits: read on every access
    mutable std::size_t m_stale = 0;           // rows not made since the last Forget_All
    Decoder m_decode;
    const RawArrays *m_raw = nullptr;
};

// The decoders the tables use (decode.cpp).
void Decode_Satellite_Slot(const RawArrays &raw, std::size_t slot, TLNB_Info_String &row);
void Decode_Sat_Transponder_Slot(const RawArrays &raw, std::size_t slot, TTp_Info_String &row);
void Decode_Ter_Transponder_Slot(const RawArrays &raw, std::size_t slot, TTer_Tp_Info_String &row);
void Decode_Favourite_Name_Slot(const RawArrays &raw, std::size_t slot, TFavor_Name_String &row);
void Decode_Program_Slot(const RawArrays &raw, std::size_t slot, TProg_Info_String &row);
void Decode_Audio_Track_Slot(const RawArrays &raw, std::size_t slot, TAudio_Info_String &row);

struct DisplayTables
{
    RowTable<TLNB_Info_String> satellites{kSatelliteCount, Decode_Satellite_Slot};
    RowTable<TTp_Info_String> sat_tps{kSatTransponderSlots, Decode_Sat_Transponder_Slot};
    RowTable<TTer_Tp_Info_String> ter_tps{kTerTransponderSlots, Decode_Ter_Transponder_Slot};
    RowTable<TFavor_Name_String> favourite_names{kFavouriteGroupCount, Decode_Favourite_Name_Slot};
    RowTable<TProg_Info_String> programs{kProgramSlots, Decode_Program_Slot};
    RowTable<TAudio_Info_String> audio_tracks{kAudioTrackSlots, Decode_Audio_Track_Slot};

    void Attach(const RawArrays *raw)
    {
        satellites.Attach(raw);
        sat_tps.Attach(raw);
        ter_tps.Attach(raw);
        favourite_names.Attach(raw);
        programs.Attach(raw);
        audio_tracks.Attach(raw);
    }
    void Forget_All()
    {
        satellites.Forget_All();
        sat_tps.Forget_All();
        ter_tps.Forget_All();
        favourite_names.Forget_All();
        programs.Forget_All();
        audio_tracks.Forget_All();
    }
};

// Texts shown for the coded fields.
const std::string &Polarity_Text(std::uint32_t polarity); // "H", "V", or "" for other codes
const std::string &Fec_Text(std::uint32_t fec);           // "Auto".."7/8", "" beyond

} // namespace orvane
