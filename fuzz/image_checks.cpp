#include "fuzz/image_checks.h"
#include "fuzz/image_input.h"
#include "fuzz/list_checks.h"

#include "fuzz/property_check.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string_view>
#include <utility>

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
void Digest_Table(RowDigest &digest, const RowTable<Row> &rows, std::size_t expected_size,
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

std::uint64_t Mixed(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

// A splitmix64 stream: the same reorder for the same input on every run.
class ChoiceStream
{
public:
    explicit ChoiceStream(std::uint64_t seed)
        : m_state(seed)
    {}
    std::uint64_t next() { return Mixed(m_state += 0x9E3779B97F4A7C15u); }
    std::size_t below(std::size_t count) { return static_cast<std::size_t>(next() % count); }

private:
    std::uint64_t m_state;
};

// A digest of the program records that no order changes: two sums of per-record hashes,
// which equal tables of the same records in other slots give, and other records would not
// (but for a negligible chance). Sorting copies of 4,000 records would cost more.
struct RecordSet
{
    std::uint64_t sum = 0;
    std::uint64_t mixed_sum = 0;
    bool operator==(const RecordSet &) const = default;
};

std::uint64_t Program_Record_Hash(ByteView programs, std::size_t slot)
{
    RowDigest record;
    for (std::size_t i = 0; i < kProgramRecordSize; i += 8) {
        std::uint64_t chunk = 0;
        std::memcpy(&chunk, programs.data() + slot * kProgramRecordSize + i, 8);
        record.add(chunk);
    }
    return record.value();
}

RecordSet Program_Record_Set(ByteView programs)
{
    RecordSet set;
    for (std::size_t slot = 0; slot < programs.size() / kProgramRecordSize; ++slot) {
        const std::uint64_t record = Program_Record_Hash(programs, slot);
        set.sum += record;
        set.mixed_sum += Mixed(record);
    }
    return set;
}
static_assert(kProgramRecordSize % 8 == 0);

// A digest of the used audio tracks that a reorder keeps: each track counts with its own
// bytes but the Program_Index, the record of the program it names (a track naming no listed
// program with that index) and its place among that program's tracks, so a lost, doubled or
// reordered track, or one that left its program, changes it.
std::uint64_t Track_Set(ByteView programs, ByteView tracks, int listed, int used)
{
    static std::array<std::uint16_t, 1u << 16> rank{};
    std::uint64_t sum = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int a = 0; a < used; ++a) {
            const ByteView track = tracks.subspan(
                    static_cast<std::size_t>(a) * kAudioTrackRecordSize, kAudioTrackRecordSize);
            const auto owner = Read_Field(track, audio::Program_Index);
            if (pass == 1) {
                rank[owner] = 0; // ready for the next call
                continue;
            }
            RowDigest digest;
            std::uint64_t bytes = 0;
            std::memcpy(&bytes, track.data(), kAudioTrackRecordSize);
            digest.add(bytes & ~(std::uint64_t{0xFFFF} << 1));
            digest.add(owner < static_cast<std::uint32_t>(listed)
                               ? Program_Record_Hash(programs, owner)
                               : owner);
            digest.add(rank[owner]++);
            sum += Mixed(digest.value());
        }
    }
    return sum;
}
static_assert(kAudioTrackRecordSize == 8);

bool Moves_With_Programs(const ImageRegion &region)
{
    return region.offset == kProgramsOffset || region.offset == kAudioTracksOffset;
}

ByteView Image_Region(ByteView image, const ImageRegion &region)
{
    return image.subspan(region.offset, region.size);
}

// What a reorder may change: the slots of the program records and the audio tracks.
void Check_Only_Programs_Moved(const ChannelDatabase &db, ByteView image, RecordSet programs)
{
    const auto regions = Image_Regions();
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const ByteView now = Region_Bytes(db.raw, i);
        if (regions[i].offset == kProgramsOffset)
            FUZZ_CHECK(Program_Record_Set(now) == programs);
        else if (!Moves_With_Programs(regions[i]))
            FUZZ_CHECK(std::ranges::equal(now, Image_Region(image, regions[i])));
    }
    FUZZ_CHECK(db.Program_Count == Stored_Program_Count(db.raw));
}

void Check_Nothing_Moved(const ChannelDatabase &db, ByteView image)
{
    const auto regions = Image_Regions();
    for (std::size_t i = 0; i < regions.size(); ++i)
        if (Moves_With_Programs(regions[i]))
            FUZZ_CHECK(
                    std::ranges::equal(Region_Bytes(db.raw, i), Image_Region(image, regions[i])));
}

std::uint64_t Program_Row_Digest(const TProg_Info_String &row)
{
    RowDigest digest;
    Digest_Program(digest, row, RowSet::EveryRow);
    return digest.value();
}

std::uint64_t Audio_Row_Digest(const TAudio_Info_String &row)
{
    RowDigest digest;
    Digest_Audio_Track(digest, row);
    return digest.value();
}

// Every program and track row went where its record went: each is what its record now decodes
// to. The rows are decoded one by one into a kept row, which spares decoding the tables that
// did not move (their records are compared) and a second set of rows. Decoding replaces every
// field (fuzz_commands checks that), so a kept row decodes as a new one would. Programs past
// the list cannot move, and their records must be as the image holds them.
void Check_Moved_Rows(const ChannelDatabase &db, ByteView image)
{
    const auto listed = static_cast<std::size_t>(std::clamp(db.Program_Count, 0, kProgramSlots));
    const ByteView programs(db.raw.programs.front().data(), sizeof(RawArrays::programs));
    FUZZ_CHECK(std::ranges::equal(programs.subspan(listed * kProgramRecordSize),
                                  image.subspan(kProgramsOffset + listed * kProgramRecordSize,
                                                programs.size() - listed * kProgramRecordSize)));
    static TProg_Info_String program;
    static TAudio_Info_String track;
    for (std::size_t p = 0; p < listed; ++p) {
        Decode_Program(db.raw.programs[p], db.raw, program);
        FUZZ_CHECK(Program_Row_Digest(program) == Program_Row_Digest(db.rows.programs[p]));
    }
    for (std::size_t a = 0; a < kAudioTrackSlots; ++a) {
        Decode_Audio_Track(db.raw.audio_tracks[a], track);
        FUZZ_CHECK(Audio_Row_Digest(track) == Audio_Row_Digest(db.rows.audio_tracks[a]));
    }
}

std::vector<int> Reserved_List()
{
    std::vector<int> list;
    list.reserve(kProgramSlots + 1);
    return list;
}

// A reorder that must be refused, made from a valid one: a slot named twice, the first slot
// past the list, or an order that holds one slot twice and misses another.
void Check_Refused_Reorder(ChannelDatabase &db, ByteView image, const std::vector<int> &slots,
                           const std::vector<int> &order, ChoiceStream &choice)
{
    static std::vector<int> bad_slots = Reserved_List();
    static std::vector<int> bad_order = Reserved_List();
    bad_slots = slots;
    bad_order = order;
    switch (choice.below(3)) {
    case 0:
        if (slots.empty())
            return;
        bad_slots.push_back(slots[choice.below(slots.size())]);
        bad_order.push_back(bad_slots.back());
        break;
    case 1:
        bad_slots.push_back(std::clamp(db.Program_Count, 0, kProgramSlots));
        bad_order.push_back(bad_slots.back());
        break;
    default:
        if (order.size() < 2)
            return;
        bad_order.back() = bad_order.front();
    }
    FUZZ_CHECK(!Reorder_Programs(db, bad_slots, bad_order).ok);
    Check_Nothing_Moved(db, image);
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

ImageInput Read_Image_Input(const std::uint8_t *data, std::size_t size)
{
    static const bool layout_checked = (Check_Image_Input_Layout(), true);
    (void)layout_checked;
    static Bytes image;
    Fill_Image(image, data, size);
    static const auto db = Make_Kept_Database();
    Raw_From_Image(db->raw, image);
    return {*db, image};
}

void Make_As_New(ChannelDatabase &db)
{
    static const auto never_used = Make_Channel_Database();
    db = *never_used;
}

void Run_Image_Checks(ChannelDatabase &db, ByteView image)
{
    constexpr std::size_t kShare = 4;
    const std::string_view bytes(reinterpret_cast<const char *>(image.data()), image.size());
    (void)Display_Rows_Digest(db);
    Check_All_Lists(db, std::hash<std::string_view>{}(bytes) % kShare == 0
                                ? InfoPanes::EveryRow
                                : InfoPanes::CurrentRows);
}

void Check_Program_Reorders(ChannelDatabase &db, ByteView image)
{
    const RecordSet programs
            = Program_Record_Set(image.subspan(kProgramsOffset, sizeof(RawArrays::programs)));
    const ByteView choice_bytes = image.subspan(kReorderInImage, kReorderSize);
    std::uint64_t seed = 0;
    std::memcpy(&seed, choice_bytes.data(), kReorderSize);
    // The records take part in the choice, so that every change the fuzzer makes to them also
    // tries another order; the reorder bytes alone lie too far back to be changed often.
    ChoiceStream choice(seed ^ programs.sum);
    const std::uint8_t share = choice_bytes[0]; // of 255: how many of the listed slots move

    static std::vector<int> slots = Reserved_List();
    static std::vector<int> order = Reserved_List();
    slots.clear();
    for (int p = 0; p < std::clamp(db.Program_Count, 0, kProgramSlots); ++p)
        if ((choice.next() & 0xFF) <= share)
            slots.push_back(p);
    order = slots;
    for (std::size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1], order[choice.below(i)]);

    const int listed = std::clamp(db.Program_Count, 0, kProgramSlots);
    const int used = Used_Audio_Track_Count(db.raw);
    const ByteView tracks_before
            = image.subspan(kAudioTracksOffset, sizeof(RawArrays::audio_tracks));
    const std::uint64_t tracks
            = Track_Set(image.subspan(kProgramsOffset, sizeof(RawArrays::programs)), tracks_before,
                        listed, used);
    const auto tracks_now = [&db] {
        return ByteView(db.raw.audio_tracks.front().data(), sizeof(RawArrays::audio_tracks));
    };
    const auto programs_now = [&db] {
        return ByteView(db.raw.programs.front().data(), sizeof(RawArrays::programs));
    };
    Check_Refused_Reorder(db, image, slots, order, choice);
    FUZZ_CHECK(Reorder_Programs(db, slots, order).ok);
    Check_Only_Programs_Moved(db, image, programs);
    FUZZ_CHECK(Track_Set(programs_now(), tracks_now(), listed, used) == tracks);
    Sort_Programs(db,
                  (choice_bytes[1] & 1) != 0 ? ProgramSortKey::Service_Id : ProgramSortKey::Name);
    Check_Only_Programs_Moved(db, image, programs);
    Check_Moved_Rows(db, image);
    FUZZ_CHECK(Track_Set(programs_now(), tracks_now(), listed, used) == tracks);
    const auto past_used = static_cast<std::size_t>(used) * kAudioTrackRecordSize;
    FUZZ_CHECK(
            std::ranges::equal(tracks_now().subspan(past_used), tracks_before.subspan(past_used)));
}

} // namespace orvane::fuzz
