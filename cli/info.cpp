#include "cli/info.h"

#include "charsets/charset_guess.h"
#include "cli/json_writer.h"
#include "dbase/decode.h"
#include "dbase/record_writers.h"

namespace orvane::cli {
namespace {

int Satellites_With_Transponders(const RawArrays &raw)
{
    int count = 0;
    for (int s = 0; s < kSatelliteCount; ++s)
        count += Sat_Tp_Per_Sat_Count(raw, s) > 0 ? 1 : 0;
    return count;
}

int Named_Favourite_Groups(const ChannelDatabase &db)
{
    int count = 0;
    for (const TFavor_Name_String &name : db.rows.favourite_names)
        count += name.empty() ? 0 : 1;
    return count;
}

std::string Size_Class_Text(const ContainerLayout &layout)
{
    const bool small = layout.covered_length == kSmallClass.covered_length;
    return std::string(small ? "small" : "large") + " (covered "
           + std::to_string(layout.covered_length) + " bytes, table at "
           + std::to_string(layout.table_offset) + ", " + std::to_string(layout.entry_count)
           + " entries)";
}

// Names of plain ASCII read the same in every set: the guess speaks only of the others.
void Print_Name_Charset(const ChannelDatabase &db, std::ostream &out)
{
    const std::vector<std::string_view> names = Database_Names(db);
    const int high = High_Byte_Names(names);
    out << "charset: " << db.names->charset_name() << '\n' << "names_above_127: " << high << '\n';
    if (high > 0)
        out << "charset_guess: " << Guess_Charset(names).name << '\n';
}

} // namespace

void Print_Info(const ChannelDatabase &db, const std::string &path, std::ostream &out)
{
    const ContainerLayout &layout = db.container;
    const ProgramTally programs = Count_Programs(db);
    out << "file: " << path << '\n'
        << "kind: " << File_Kind_Name(db.File_Kind) << '\n'
        << "size: " << db.Expected_File_Size << '\n'
        << "bank: " << layout.bank << '\n'
        << "compressed_length: " << layout.compressed_length << '\n'
        << "size_class: " << Size_Class_Text(layout) << '\n'
        << "checksums: ok (" << layout.entry_count << " entries match)\n"
        << "version_text: " << Json_String(Version_Text(db.File_Header)) << '\n'
        << "satellites_with_transponders: " << Satellites_With_Transponders(db.raw) << '\n'
        << "sat_transponders: " << Sat_Tp_Total_Count(db.raw) << '\n'
        << "ter_transponders: " << Ter_Tp_Total_Count(db.raw) << '\n'
        << "tv_programs: " << programs.tv << '\n'
        << "radio_programs: " << programs.radio << '\n'
        << "audio_tracks: " << Stored_Audio_Track_Count(db.raw) << '\n'
        << "favourite_groups: " << Named_Favourite_Groups(db) << '\n';
    Print_Name_Charset(db, out);
}

} // namespace orvane::cli
