#pragma once

// Helpers shared by the channel database tests: deterministic content, byte comparisons that
// name the first differing offset, and the checksum table of a container computed from the
// file layout rules alone, so that hand-built files do not depend on the code under test.

#include "dbase/Orvane_dbase.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <random>

namespace orvane::test {

inline QByteArray Text(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

inline ByteView View(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

// The mt19937 sequence is fixed by the C++ standard, so the bytes are the same everywhere.
inline Bytes Seeded_Bytes(std::size_t count, std::uint32_t seed)
{
    std::mt19937 engine(seed);
    Bytes bytes(count);
    for (auto &b : bytes)
        b = static_cast<std::uint8_t>(engine() >> 24);
    return bytes;
}

// Bytes as upper-case hex pairs separated by spaces: "01 00 06 02".
inline QByteArray Hex(ByteView bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()))
            .toHex(' ')
            .toUpper();
}

// Offset of the first difference, the shorter length when one is a prefix of the other, or
// -1 when both are equal.
inline qsizetype First_Difference(ByteView a, ByteView b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
        if (a[i] != b[i])
            return static_cast<qsizetype>(i);
    return a.size() == b.size() ? -1 : static_cast<qsizetype>(common);
}

inline Bytes Image_Of(const RawArrays &raw)
{
    Bytes image(kImageSize);
    Image_From_Raw(raw, image);
    return image;
}

inline std::unique_ptr<ChannelDatabase> Empty_Database(FileKind kind, int save_mode = 0)
{
    auto db = Make_Channel_Database();
    Clear_Database(*db);
    db->Set_File_Kind(kind);
    db->Save_Mode = save_mode;
    return db;
}

inline ProgramValues Sample_Program(int n)
{
    ProgramValues values;
    values.is_radio = n % 5 == 4;
    values.locked = n % 3 == 1;
    values.skipped = n % 4 == 2;
    values.service_id = 100 + static_cast<std::uint32_t>(n);
    values.pcr_pid = 256 + static_cast<std::uint32_t>(n);
    values.video_pid = 256 + static_cast<std::uint32_t>(n);
    values.audio_pid = 512 + static_cast<std::uint32_t>(n);
    values.favourite_mask = static_cast<std::uint32_t>(n) & 0xFFFFu;
    values.pmt_pid = 32 + static_cast<std::uint32_t>(n);
    values.name = "Program " + std::to_string(n);
    return values;
}

// Named satellites, transponders on two satellites and the terrestrial table, TV and radio
// programs on both tables, an extra audio track, a favourite name and a version text.
inline void Add_Sample_Content(ChannelDatabase &db)
{
    Write_Satellite_Name(db.raw.satellites[0], "Sat Alpha");
    Write_Field(db.raw.satellites[0], sat::Longitude, 192);
    Write_Field(db.raw.satellites[0], sat::Lnb_Low_Freq, 9750);
    Write_Field(db.raw.satellites[0], sat::Lnb_High_Freq, 10600);
    Write_Satellite_Name(db.raw.satellites[3], "Sat Beta");
    Create_Sat_Transponder(db, 0, 0, {0, 3, 27500, 11778});
    Create_Sat_Transponder(db, 1, 0, {1, 2, 22000, 12188});
    Create_Sat_Transponder(db, 2, 3, {1, 0, 30000, 3840});
    Create_Ter_Transponder(db, 0, {474000, 2});
    for (int p = 0; p < 12; ++p) {
        const bool terrestrial = p % 4 == 3;
        Create_Program(db, terrestrial ? prog::kKindTerrestrial : prog::kKindSatellite,
                       terrestrial ? 0 : p % 3, Sample_Program(p));
    }
    AudioTrackRecord &track = db.raw.audio_tracks[0];
    Write_Field(track, audio::In_Use, 1);
    Write_Field(track, audio::Program_Index, 2);
    Write_Field(track, audio::Audio_Pid, 1001);
    std::copy_n("ENG", 3, track.begin() + audio::kTagOffset);
    Set_Audio_Track_Count(db.raw, 1);
    Write_Field(db.raw.programs[2], prog::Audio_Track_Total, 2);
    Write_Favourite_Name(db.raw.favourite_names[0], "News");
    Set_Version_Text(db.File_Header, "V1.07");
    Decode_Rows(db);
}

// Seeded random bytes over the start of the program table: content that LZO cannot shrink,
// to steer the compressed length.
inline void Fill_Programs_Randomly(RawArrays &raw, std::size_t count, std::uint32_t seed)
{
    const Bytes noise = Seeded_Bytes(count, seed);
    std::copy(noise.begin(), noise.end(), raw.programs.front().begin());
}

// The checksum table of the container in `bank`, from the file layout rules: the size class
// from the stored length, one entry per full 256-byte block of the covered region, and a last
// entry over the first 168 bytes of the last full block.
inline std::vector<std::uint32_t> Expected_Crc_Entries(ByteView file, std::size_t bank)
{
    const std::uint32_t length = Load_U32(file, bank + 84);
    const std::size_t covered = length <= 61432 ? 61352 : 126888;
    const std::size_t full_blocks = covered / 256;
    const std::size_t data = bank + 88;
    std::vector<std::uint32_t> entries;
    for (std::size_t i = 0; i < full_blocks; ++i)
        entries.push_back(Block_Crc(file.subspan(data + 256 * i, 256)));
    entries.push_back(Block_Crc(file.subspan(data + 256 * (full_blocks - 1), covered % 256)));
    return entries;
}

inline std::size_t Expected_Table_Offset(std::uint32_t length)
{
    return length <= 61432 ? 61440 : 126976;
}

inline void Write_Test_Crc_Table(Bytes &file, std::size_t bank)
{
    const auto entries = Expected_Crc_Entries(file, bank);
    const std::size_t table = bank + Expected_Table_Offset(Load_U32(file, bank + 84));
    for (std::size_t i = 0; i < entries.size(); ++i)
        Store_U32(file, table + 4 * i, entries[i]);
}

// A container by hand: 0xFF everywhere, marker 1 and length at the bank, the given data bytes
// from bank + 88, and a correct checksum table over whatever lies in the covered region.
inline Bytes Hand_Built_File(std::size_t file_size, std::size_t bank, std::uint32_t length,
                             ByteView data)
{
    Bytes file(file_size, 0xFF);
    Store_U32(file, bank + 80, 1);
    Store_U32(file, bank + 84, length);
    const std::size_t room = std::min(data.size(), file_size - bank - 88);
    std::copy_n(data.begin(), room, file.begin() + static_cast<std::ptrdiff_t>(bank + 88));
    Write_Test_Crc_Table(file, bank);
    return file;
}

} // namespace orvane::test
