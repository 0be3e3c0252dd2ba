#include "dbase/channel_database.h"

#include "dbase/backups.h"
#include "dbase/decode.h"
#include "dbase/file_io.h"
#include "dbase/messages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace orvane {

std::unique_ptr<ChannelDatabase> Make_Channel_Database()
{
    return std::make_unique<ChannelDatabase>();
}

FileState File_State_Of(const ChannelDatabase &db)
{
    return {db.File_Kind, db.File_Header, db.container.bank};
}

void Set_File_State(ChannelDatabase &db, const FileState &state)
{
    db.Set_File_Kind(state.kind);
    db.File_Header = state.header;
    db.container.bank = state.bank;
}

int Save_Mode_For(FileKind open_kind, FileKind target_kind)
{
    if (target_kind == FileKind::ChannelData)
        return open_kind == FileKind::ChannelData ? 0 : 1;
    return open_kind == FileKind::ChannelData ? 2 : 3;
}

namespace {

// The one open sequence of the files and of bytes in memory. The header is taken first (it
// stays even when the checks then fail); the tables are replaced only once the whole file has
// passed and, for a file, its image has become the working copy. A failure of the working copy
// is the working folder's (full, read-only), not the file's.
Outcome Open_Database(ChannelDatabase &db, ByteView file, OpenBuffers &buffers,
                      const std::string *working_copy_path)
{
    if (file.size() != db.Expected_File_Size)
        return Outcome::failure(msg::kFileWrong);
    db.File_Header = Read_File_Header(file);
    ContainerLayout layout;
    if (Outcome unpacked = Verify_And_Unpack(file, layout, buffers.crcs, buffers.image); !unpacked)
        return unpacked;
    if (std::string reason;
        working_copy_path && !Write_File_Atomically(*working_copy_path, buffers.image, reason))
        return Outcome::failure(msg::Working_Copy_Failed(Folder_Of(*working_copy_path), reason));
    db.container = layout;
    db.crcs = buffers.crcs;
    Decode_Image(db, buffers.image);
    return Outcome::success();
}

} // namespace

Outcome Load_Database_Bytes(ChannelDatabase &db, ByteView file, OpenBuffers &buffers)
{
    return Open_Database(db, file, buffers, nullptr);
}

Outcome Load_Database_Bytes(ChannelDatabase &db, ByteView file)
{
    const auto buffers = std::make_unique<OpenBuffers>();
    return Load_Database_Bytes(db, file, *buffers);
}

FileKind Kind_For_File_Size(std::optional<std::size_t> size, FileKind otherwise)
{
    if (size == kChannelDataFileSize)
        return FileKind::ChannelData;
    if (size == kDefaultFileSize)
        return FileKind::Default;
    return otherwise;
}

Outcome Check_Database_File(const std::string &path, std::size_t expected_size)
{
    struct stat info
    {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Outcome::failure(msg::kFileInexistent);
        return Outcome::failure(msg::Open_Failed(path, std::strerror(errno)));
    }
    if (!S_ISREG(info.st_mode))
        return Outcome::failure(msg::kFileInexistent);
    if (static_cast<std::size_t>(info.st_size) != expected_size)
        return Outcome::failure(msg::kFileWrong);
    return Outcome::success();
}

Outcome Read_Database_File(const std::string &path, std::size_t expected_size, Bytes &file)
{
    if (Outcome checked = Check_Database_File(path, expected_size); !checked)
        return checked;
    std::string reason;
    if (!Read_Whole_File(path, file, reason, kChannelDataFileSize))
        return Outcome::failure(msg::Open_Failed(path, reason));
    // The file changed since it was checked.
    if (file.size() != expected_size)
        return Outcome::failure(msg::kFileWrong);
    return Outcome::success();
}

Outcome Load_Database_File(ChannelDatabase &db, const std::string &path,
                           const std::string &working_copy_path)
{
    Bytes file;
    if (Outcome read = Read_Database_File(path, db.Expected_File_Size, file); !read)
        return read;
    const auto buffers = std::make_unique<OpenBuffers>();
    return Open_Database(db, file, *buffers, &working_copy_path);
}

Outcome Load_Database_Copy(ChannelDatabase &db, const std::string &path, FileKind kind)
{
    db.Set_File_Kind(kind);
    Bytes file;
    if (Outcome read = Read_Database_File(path, db.Expected_File_Size, file); !read)
        return read;
    return Load_Database_Bytes(db, file);
}

void Write_Image(const RawArrays &raw, Bytes &working_copy)
{
    if (working_copy.size() < kImageSize)
        working_copy.resize(kImageSize);
    Image_From_Raw(raw, working_copy);
}

SavedFiles Save_Database_Bytes(ChannelDatabase &db)
{
    SavedFiles files;
    // A Default file has one bank only; a Channel Data file is written back into the half it
    // was read from.
    const std::size_t bank = db.File_Kind == FileKind::Default ? 0 : db.container.bank;
    Write_Image(db.raw, files.working_copy);
    files.outcome = Pack_Container(files.working_copy, bank, db.Expected_File_Size);
    if (!files.outcome)
        return files;
    ContainerLayout layout;
    if (!Write_Crc_Table(files.working_copy, layout, db.crcs)) {
        files.outcome = Outcome::failure(msg::kDataTooLarge);
        return files;
    }
    db.container = layout;
    files.target = Build_Target(files.working_copy, layout, db.crcs, db.File_Header, db.Save_Mode);
    return files;
}

Outcome Save_Database_File(ChannelDatabase &db, const std::string &target_path,
                           const std::string &working_copy_path, const std::string &backups_folder)
{
    const SavedFiles files = Save_Database_Bytes(db);
    if (!files.outcome)
        return files.outcome;
    // The target is checked before anything is written.
    AtomicFileWriter target;
    std::string reason;
    if (!target.Open(target_path, reason))
        return Outcome::failure(msg::Save_Failed(target_path, reason));
    if (!Write_File_Atomically(working_copy_path, files.working_copy, reason))
        return Outcome::failure(msg::Save_Failed(working_copy_path, reason));
    return Replace_Backed_Up(target, files.target, backups_folder, [&](const std::string &why) {
        return msg::Save_Failed(target_path, why);
    });
}

ProgramTally Count_Programs(const ChannelDatabase &db)
{
    ProgramTally tally;
    for (int p = 0; p < Used_Program_Count(db.raw); ++p) {
        const TProg_Info_String &row = db.rows.programs[static_cast<std::size_t>(p)];
        if (row.In_Use != 0)
            (row.Is_Radio != 0 ? tally.radio : tally.tv) += 1;
    }
    return tally;
}

DatabaseSummary Summarise_Database_File(const std::string &path)
{
    DatabaseSummary summary;
    summary.kind = Kind_For_File_Size(File_Size(path), FileKind::ChannelData);
    const auto db = Make_Channel_Database();
    summary.outcome = Load_Database_Copy(*db, path, summary.kind);
    if (summary.outcome)
        summary.programs = Count_Programs(*db);
    return summary;
}

} // namespace orvane
