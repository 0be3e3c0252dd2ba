#pragma once

// How fuzz_import reads its input: one choice byte, one character set byte, then the document
// an import reads. Bit 0 of the choice picks the program list (CSV, `orvane-cli import-csv`)
// over the export (JSON, `orvane-cli import`); the bits above it pick the database the import
// is made like. The second byte picks the set its names are read in (`--charset`), counted
// modulo the sets offered: 0 is Latin-1.

#include "charsets/charset_table.h"
#include "dbase/record_writers.h"
#include "tools/sample_database.h"

#include <cstdint>

namespace orvane::fuzz {

constexpr std::uint8_t kCsvChoice = 1;

// The databases an import can be made like, counted by the choice's upper bits modulo Count.
enum class LikeDatabase : std::uint8_t { SampleChannelData, SampleDefault, Full, Empty, Count };

inline std::uint8_t Encode_Import_Choice(bool csv, LikeDatabase like)
{
    return static_cast<std::uint8_t>(static_cast<unsigned>(like) << 1 | (csv ? kCsvChoice : 0));
}

inline LikeDatabase Like_Database_Of(std::uint8_t choice)
{
    return static_cast<LikeDatabase>((choice >> 1) % static_cast<unsigned>(LikeDatabase::Count));
}

// The set byte of a set as listed.
inline std::uint8_t Charset_Byte(std::string_view name)
{
    const std::span<const CharsetInfo> sets = Charsets();
    return static_cast<std::uint8_t>(Find_Charset(name) - sets.data());
}

inline const NameText &Names_Of(std::uint8_t charset)
{
    const std::span<const CharsetInfo> sets = Charsets();
    const NameText *names = Names_In(sets[charset % sets.size()]);
    return names ? *names : Latin1_Names();
}

inline void Build_Like_Database(ChannelDatabase &db, LikeDatabase like)
{
    switch (like) {
    case LikeDatabase::SampleChannelData:
        return Build_Sample_Database(db, FileKind::ChannelData);
    case LikeDatabase::SampleDefault:
        return Build_Sample_Database(db, FileKind::Default);
    case LikeDatabase::Full:
        return Build_Full_Database(db, FileKind::ChannelData);
    case LikeDatabase::Empty:
    case LikeDatabase::Count:
        break;
    }
    Clear_Database(db);
    db.Set_File_Kind(FileKind::Default);
}

} // namespace orvane::fuzz
