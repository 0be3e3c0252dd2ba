#pragma once

// The open database: raw record arrays, display rows, the program count, and the state of
// the file it came from (kind, header, bank and checksums). One object stands for the
// program's single set of tables; tests and tools make their own.

#include "dbase/container.h"
#include "dbase/display_rows.h"
#include "dbase/layout.h"
#include "dbase/name_text.h"

#include <memory>
#include <optional>
#include <string>

namespace orvane {

struct ChannelDatabase
{
    FileKind File_Kind = FileKind::ChannelData;
    std::size_t Expected_File_Size = kChannelDataFileSize;
    int Save_Mode = 0;
    FileHeader File_Header{};
    ContainerLayout container{};
    CrcTables crcs{};
    RawArrays raw{};
    DisplayTables rows{};
    int Program_Count = 0;
    // The character set the names are read in; the bytes stay as stored whatever it is.
    const NameText *names = &Latin1_Names();

    // The rows are made from this database's own raw arrays, in a copy too.
    ChannelDatabase() { rows.Attach(&raw); }
    ChannelDatabase(const ChannelDatabase &other)
        : ChannelDatabase()
    {
        *this = other;
    }
    ChannelDatabase &operator=(const ChannelDatabase &other)
    {
        if (this == &other)
            return *this;
        File_Kind = other.File_Kind;
        Expected_File_Size = other.Expected_File_Size;
        Save_Mode = other.Save_Mode;
        File_Header = other.File_Header;
        container = other.container;
        crcs = other.crcs;
        raw = other.raw;
        rows = other.rows;
        rows.Attach(&raw);
        Program_Count = other.Program_Count;
        names = other.names;
        return *this;
    }
    ~ChannelDatabase() = default;

    void Set_File_Kind(FileKind kind)
    {
        File_Kind = kind;
        Expected_File_Size = Expected_Size_For(kind);
    }
};

std::unique_ptr<ChannelDatabase> Make_Channel_Database();

// What a save writes besides the raw arrays: the kind of file, its header (the version text
// among it) and the bank a "Channel Data" file keeps its image in. The rest of the container
// and the checksums are worked out afresh by every save.
struct FileState
{
    FileKind kind = FileKind::ChannelData;
    FileHeader header{};
    std::size_t bank = 0;

    bool operator==(const FileState &) const = default;
};
FileState File_State_Of(const ChannelDatabase &db);
void Set_File_State(ChannelDatabase &db, const FileState &state);

// The save mode of a command: Save writes the open file's own kind, the Save As commands
// name the target kind. Mode 0 Channel Data to Channel Data, 1 Default to Channel Data,
// 2 and 3 to Default.
int Save_Mode_For(FileKind open_kind, FileKind target_kind);

// The kind a file of `size` bytes is: 262,144 bytes "Channel Data", 131,072 "Default". A file
// of neither size (or none at all) is taken as `otherwise`, and its open or transfer then
// reports the wrong size.
FileKind Kind_For_File_Size(std::optional<std::size_t> size, FileKind otherwise);

// The checks before a database file is read: a regular file at path (a folder, a device or a
// FIFO counts as missing) of exactly expected_size bytes.
Outcome Check_Database_File(const std::string &path, std::size_t expected_size);
// Reads a database file after those checks, at most one byte more than a database file can
// hold. A file that exists but cannot be read names the system's reason.
Outcome Read_Database_File(const std::string &path, std::size_t expected_size, Bytes &file);

// Opening: checks existence and size against Expected_File_Size, reads the header (kept even
// when a later check fails), verifies and unpacks the container, writes the uncompressed image
// to working_copy_path, and decodes it. On failure the tables keep the previous database, and
// the working copy its previous image.
Outcome Load_Database_File(ChannelDatabase &db, const std::string &path,
                           const std::string &working_copy_path);
// The same from bytes in memory, without a working copy on disk.
Outcome Load_Database_Bytes(ChannelDatabase &db, ByteView file);
// A file opened as a database of `kind` without a working copy on disk: a reference to compare
// with, a file a command-line run changes in memory.
Outcome Load_Database_Copy(ChannelDatabase &db, const std::string &path, FileKind kind);
// What an open fills before the database takes it. A caller that opens many files (a list of
// backups, a fuzzer) keeps one, which spares two large allocations per file.
struct OpenBuffers
{
    Bytes image;
    CrcTables crcs;
};
Outcome Load_Database_Bytes(ChannelDatabase &db, ByteView file, OpenBuffers &buffers);

// Encodes the raw arrays into the working copy, packs and checksums it, and writes the
// target of db.Save_Mode. Nothing is written when the image cannot be packed or the target
// cannot be replaced (a folder, a device, a read-only file); an existing target is copied into
// backups_folder first (none when it is empty) and then replaced atomically, so a failed save
// leaves it as it was.
Outcome Save_Database_File(ChannelDatabase &db, const std::string &target_path,
                           const std::string &working_copy_path, const std::string &backups_folder);

struct SavedFiles
{
    Outcome outcome;
    Bytes working_copy;
    Bytes target;
};
// The same in memory: the working copy and the target file a save would write.
SavedFiles Save_Database_Bytes(ChannelDatabase &db);

struct ProgramTally
{
    int tv = 0;
    int radio = 0;
};
// The programs in use among the slots that Program_Count names, clamped to the table.
ProgramTally Count_Programs(const ChannelDatabase &db);

// What a database file holds, for lists of files (the backups): its kind from its size and
// its programs. The outcome tells a file that does not open.
struct DatabaseSummary
{
    Outcome outcome;
    FileKind kind = FileKind::ChannelData;
    ProgramTally programs;
};
DatabaseSummary Summarise_Database_File(const std::string &path);

// Write_Image: the raw arrays as an image, every byte outside their regions 0xFF. Bytes of
// the working copy past the image are kept.
void Write_Image(const RawArrays &raw, Bytes &working_copy);

} // namespace orvane
