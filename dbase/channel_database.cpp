#include "dbase/channel_database.h"

#include "dbase/decode.h"
#include "dbase/file_io.h"
#include "dbase/messages.h"

#include <algorithm>

namespace orvane {

std::unique_ptr<ChannelDatabase> Make_Channel_Database()
{
    return std::make_unique<ChannelDatabase>();
}

int Save_Mode_For(FileKind open_kind, FileKind target_kind)
{
    if (target_kind == FileKind::ChannelData)
        return open_kind == FileKind::ChannelData ? 0 : 1;
    return open_kind == FileKind::ChannelData ? 2 : 3;
}

Outcome Load_Database_Bytes(ChannelDatabase &db, ByteView file)
{
    if (file.size() != db.Expected_File_Size)
        return Outcome::failure(msg::kFileWrong);
    db.File_Header = Read_File_Header(file);
    ContainerLayout layout;
    auto crcs = std::make_unique<CrcTables>();
    Bytes image;
    if (Outcome unpacked = Verify_And_Unpack(file, layout, *crcs, image); !unpacked)
        return unpacked;
    db.container = layout;
    db.crcs = *crcs;
    Decode_Image(db, image);
    return Outcome::success();
}

Outcome Load_Database_File(ChannelDatabase &db, const std::string &path,
                           const std::string &working_copy_path)
{
    if (!File_Exists(path))
        return Outcome::failure(msg::kFileInexistent);
    if (File_Size(path) != db.Expected_File_Size)
        return Outcome::failure(msg::kFileWrong);
    Bytes file;
    std::string reason;
    if (!Read_Whole_File(path, file, reason) || file.size() != db.Expected_File_Size)
        return Outcome::failure(msg::kFileInexistent);

    db.File_Header = Read_File_Header(file);
    ContainerLayout layout;
    auto crcs = std::make_unique<CrcTables>();
    Bytes image;
    if (Outcome unpacked = Verify_And_Unpack(file, layout, *crcs, image); !unpacked)
        return unpacked;
    // Only a verified, decompressed image replaces the working copy.
    if (!Write_File_Atomically(working_copy_path, image, reason))
        return Outcome::failure(msg::kDecompressError);
    db.container = layout;
    db.crcs = *crcs;
    Decode_Image(db, image);
    return Outcome::success();
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
                           const std::string &working_copy_path)
{
    const SavedFiles files = Save_Database_Bytes(db);
    if (!files.outcome)
        return files.outcome;
    std::string reason;
    if (!Write_File_Atomically(working_copy_path, files.working_copy, reason))
        return Outcome::failure(msg::Save_Failed(working_copy_path, reason));
    if (!Write_File_Atomically(target_path, files.target, reason))
        return Outcome::failure(msg::Save_Failed(target_path, reason));
    return Outcome::success();
}

} // namespace orvane
