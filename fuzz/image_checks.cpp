#include "fuzz/image_checks.h"
#include "fuzz/list_checks.h"

#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cstring>

namespace orvane::fuzz {
namespace {

// A 64-bit digest of every field of the display rows: two decodes that differ in any field
// give different digests (but for a negligible chance), without building a copy of the rows.
class RowDigest
{
public:
    void add(std::uint64_t value)
    {
        m_value ^= value;
        m_value *= 0x100000001B3u; // the FNV-1a prime
        m_value ^= m_value >> 29;
    }
    void add(const std::string &text) // reads every byte of the text
    {
        add(text.size());
        for (std::size_t i = 0; i < text.size(); i += 8) {
            std::uint64_t chunk = 0;
            std::memcpy(&chunk, text.data() + i, std::min<std::size_t>(8, text.size() - i));
            add(chunk);
        }
    }
    std::uint64_t value() const { return m_value; }

private:
    std::uint64_t m_value = 0xCBF29CE484222325u;
};

bool Only_Digits(const std::string &text)
{
    return !text.empty()
           && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void Digest_Satellite(RowDigest &digest, const TLNB_Info_String &row)
{
    FUZZ_CHECK(row.Diseqc_Port <= 15 && row.Motor <= 15);
    FUZZ_CHECK(row.Name.size() <= sat::kNameLength);
    FUZZ_CHECK(Only_Digits(row.Lnb_Low_Freq) && Only_Digits(row.Lnb_High_Freq));
    for (int value :
         {row.Lnb_Type, row.Lnb_12V, row.Tone_22K, row.Diseqc_Port, row.Motor, row.Lnb_Power})
        digest.add(value);
    for (const std::string *text :
         {&row.Lnb_Low_Freq, &row.Lnb_High_Freq, &row.Name, &row.Longitude})
        digest.add(*text);
}

void Digest_Sat_Transponder(RowDigest &digest, const TTp_Info_String &row)
{
    FUZZ_CHECK(row.In_Use <= 1 && row.Polarity <= 2 && row.Fec <= 6);
    FUZZ_CHECK(row.Polarity_Text == Polarity_Text(row.Polarity));
    FUZZ_CHECK(row.Fec_Text == Fec_Text(row.Fec) && !row.Fec_Text.empty());
    FUZZ_CHECK(Only_Digits(row.Symbol_Rate) && Only_Digits(row.Frequency));
    for (std::int64_t value :
         {std::int64_t{row.In_Use}, std::int64_t{row.Sat_Index}, std::int64_t{row.Tp_Number},
          std::int64_t{row.Polarity}, std::int64_t{row.Fec}})
        digest.add(value);
    for (const std::string *text :
         {&row.Polarity_Text, &row.Fec_Text, &row.Symbol_Rate, &row.Frequency})
        digest.add(*text);
}

void Digest_Ter_Transponder(RowDigest &digest, const TTer_Tp_Info_String &row)
{
    FUZZ_CHECK(row.In_Use <= 1 && Only_Digits(row.Frequency));
    for (int value : {row.In_Use, row.Group_Index, row.Tp_Number, row.Bandwidth})
        digest.add(value);
    digest.add(row.Frequency);
}

void Digest_Program(RowDigest &digest, const TProg_Info_String &row, RowSet which)
{
    FUZZ_CHECK(row.Sat_Slot == kNoSatellite || (row.Sat_Slot >= 0 && row.Sat_Slot < 60));
    FUZZ_CHECK(row.Tp_Index >= 0 && row.Tp_Index < 4096 && row.Tp_Kind <= 7);
    FUZZ_CHECK(row.Favourite_Mask.size() == 16
               && row.Favourite_Mask.find_first_not_of("01") == std::string::npos);
    FUZZ_CHECK(row.Name.size() <= prog::kNameLength);
    for (std::int64_t value :
         {std::int64_t{row.In_Use}, std::int64_t{row.Is_Radio}, std::int64_t{row.Free_To_Air},
          std::int64_t{row.Locked}, std::int64_t{row.Skipped}, std::int64_t{row.Tp_Index},
          std::int64_t{which == RowSet::EveryRow ? row.Sat_Slot : 0}, std::int64_t{row.Tp_Kind},
          std::int64_t{row.Audio_Track_Total}, std::int64_t{row.Current_Audio},
          std::int64_t{row.W4_Top_Bits}})
        digest.add(value);
    for (const std::string *text : {&row.Service_Id, &row.Pcr_Pid, &row.Private_Pid, &row.Video_Pid,
                                    &row.Audio_Pid, &row.Favourite_Mask, &row.Pmt_Pid, &row.Name})
        digest.add(*text);
    for (std::uint8_t ca : row.Ca_System)
        digest.add(ca);
}

void Digest_Audio_Track(RowDigest &digest, const TAudio_Info_String &row)
{
    FUZZ_CHECK(row.In_Use <= 1 && row.Tag.size() <= audio::kTagLength);
    digest.add(row.In_Use);
    digest.add(row.Program_Index);
    digest.add(row.Audio_Pid);
    digest.add(row.Tag);
}

// Rows without an In_Use flag (satellites, favourite names) are always in use.
template<typename Row>
bool Row_In_Use(const Row &row)
{
    if constexpr (requires { row.In_Use; })
        return row.In_Use == 1;
    else
        return true;
}

template<typename Row, typename DigestRow>
void Digest_Table(RowDigest &digest, const std::vector<Row> &rows, std::size_t expected_size,
                  RowSet which, DigestRow digest_row)
{
    FUZZ_CHECK(rows.size() == expected_size);
    for (std::size_t slot = 0; slot < rows.size(); ++slot) {
        if (which == RowSet::UsedRecords && !Row_In_Use(rows[slot]))
            continue;
        digest.add(slot);
        digest_row(digest, rows[slot]);
    }
}

} // namespace

std::uint64_t Display_Rows_Digest(const ChannelDatabase &db, RowSet which)
{
    const DisplayTables &rows = db.rows;
    RowDigest digest;
    digest.add(static_cast<std::uint64_t>(db.Program_Count));
    Digest_Table(digest, rows.satellites, kSatelliteCount, which, Digest_Satellite);
    Digest_Table(digest, rows.sat_tps, kSatTransponderSlots, which, Digest_Sat_Transponder);
    Digest_Table(digest, rows.ter_tps, kTerTransponderSlots, which, Digest_Ter_Transponder);
    Digest_Table(digest, rows.favourite_names, kFavouriteGroupCount, which,
                 [](RowDigest &out, const TFavor_Name_String &name) {
                     FUZZ_CHECK(name.size() <= kFavouriteNameLength);
                     out.add(name);
                 });
    Digest_Table(digest, rows.programs, kProgramSlots, which,
                 [which](RowDigest &out, const TProg_Info_String &row) {
                     Digest_Program(out, row, which);
                 });
    Digest_Table(digest, rows.audio_tracks, kAudioTrackSlots, which, Digest_Audio_Track);
    return digest.value();
}

std::vector<int> Expected_Current_Tracks(const RawArrays &raw)
{
    std::vector<int> expected(kProgramSlots, -1);
    std::vector<std::uint32_t> seen(kProgramSlots, 0);
    for (int a = 0; a < Used_Audio_Track_Count(raw); ++a) {
        const std::uint32_t program = Read_Field(raw.audio_tracks[a], audio::Program_Index);
        if (program >= kProgramSlots)
            continue;
        if (++seen[program] == Read_Field(raw.programs[program], prog::Current_Audio))
            expected[program] = a;
    }
    return expected;
}

bool Same_Raw_Arrays(const RawArrays &a, const RawArrays &b)
{
    for (std::size_t i = 0; i < Image_Regions().size(); ++i) {
        const ByteView left = Region_Bytes(a, i);
        const ByteView right = Region_Bytes(b, i);
        if (!std::equal(left.begin(), left.end(), right.begin(), right.end()))
            return false;
    }
    return true;
}

const ChannelDatabase *Check_Save_Round_Trip(ChannelDatabase &db)
{
    db.Save_Mode = Save_Mode_For(db.File_Kind, db.File_Kind);
    const std::size_t bank = db.File_Kind == FileKind::Default ? 0 : db.container.bank;
    const SavedFiles saved = Save_Database_Bytes(db);
    if (!saved.outcome) {
        FUZZ_CHECK(saved.outcome.message == msg::kDataTooLarge);
        return nullptr;
    }
    FUZZ_CHECK(saved.target.size() == db.Expected_File_Size);

    static const auto reopened = Make_Kept_Database();
    Make_As_New(*reopened);
    reopened->Set_File_Kind(db.File_Kind);
    static OpenBuffers buffers;
    const Outcome loaded = Load_Database_Bytes(*reopened, saved.target, buffers);
    FUZZ_CHECK(loaded.ok);
    FUZZ_CHECK(Same_Raw_Arrays(db.raw, reopened->raw));
    FUZZ_CHECK(reopened->File_Header == db.File_Header);
    FUZZ_CHECK(reopened->container.bank == bank);

    reopened->Save_Mode = db.Save_Mode;
    const SavedFiles again = Save_Database_Bytes(*reopened);
    FUZZ_CHECK(again.outcome.ok && again.target == saved.target);
    return reopened.get();
}

std::unique_ptr<ChannelDatabase> Make_Kept_Database()
{
    auto db = Make_Channel_Database();
    for (TLNB_Info_String &satellite : db->rows.satellites)
        satellite.Name.reserve(sat::kNameLength);
    return db;
}

void Make_As_New(ChannelDatabase &db)
{
    static const auto never_used = Make_Channel_Database();
    db = *never_used;
}

void Run_Image_Checks(ChannelDatabase &db)
{
    (void)Display_Rows_Digest(db);
    Check_All_Lists(db);
}

} // namespace orvane::fuzz
