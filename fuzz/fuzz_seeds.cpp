// Writes the seed corpora of the fuzz targets: valid files of both kinds (the bundled sample,
// a database filled to every table's limit, a container in the second half, an empty
// database) into DIR/container, and their unpacked images into DIR/image. Two seeds hold only
// header, marker, length and compressed data: fuzz_container pads them to a whole file and
// recomputes their checksums, so the fuzzer works on the compressed stream in a few KB.

#include "fuzz/image_input.h"
#include "tools/sample_database.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace orvane;
namespace fs = std::filesystem;

namespace {

struct Seed
{
    const char *name;
    Bytes file;
    std::uint8_t image_options; // the file setting fuzz_image gives its unpacked image
};

Bytes Saved_File(const std::function<void(ChannelDatabase &)> &build, FileKind kind,
                 std::size_t bank)
{
    const auto db = Make_Channel_Database();
    build(*db);
    db->Set_File_Kind(kind);
    db->container.bank = bank;
    db->Save_Mode = Save_Mode_For(kind, kind);
    SavedFiles saved = Save_Database_Bytes(*db);
    if (!saved.outcome)
        throw std::runtime_error(saved.outcome.message);
    return saved.target;
}

// Header, marker, length and compressed data of a first-half container, nothing after them.
Bytes Container_Only(const Bytes &file)
{
    const std::size_t end = kDataOffset + Load_U32(file, kLengthOffset);
    return {file.begin(), file.begin() + static_cast<std::ptrdiff_t>(end)};
}

std::vector<Seed> Make_Seeds()
{
    using namespace orvane::fuzz;
    const auto full = [](FileKind kind) {
        return [kind](ChannelDatabase &db) { Build_Full_Database(db, kind); };
    };
    const auto sample = [](FileKind kind) {
        return [kind](ChannelDatabase &db) { Build_Sample_Database(db, kind); };
    };
    const Bytes empty = Saved_File(Clear_Database, FileKind::Default, 0);
    const Bytes sample_default = Sample_File_Bytes(FileKind::Default);
    return {
            {"sample_channel_data.bin", Sample_File_Bytes(FileKind::ChannelData), 0},
            {"sample_default.bin", sample_default, kOptionDefaultKind},
            {"sample_second_bank.bin",
             Saved_File(sample(FileKind::ChannelData), FileKind::ChannelData, kBankSize),
             kOptionSecondBank},
            {"full_channel_data.bin",
             Saved_File(full(FileKind::ChannelData), FileKind::ChannelData, 0), 0},
            {"full_default.bin", Saved_File(full(FileKind::Default), FileKind::Default, 0),
             kOptionDefaultKind},
            {"empty_default.bin", empty, kOptionDefaultKind},
            {"sample_container_only.bin", Container_Only(sample_default), 0},
            {"empty_container_only.bin", Container_Only(empty), 0},
    };
}

void Write_File(const fs::path &path, ByteView bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.string());
}

// The unpacked image of a whole file, with the setting fuzz_image reads from its last bytes.
void Write_Image(const fs::path &path, const Seed &seed)
{
    ContainerLayout layout;
    const auto crcs = std::make_unique<CrcTables>();
    Bytes image;
    if (const Outcome unpacked = Verify_And_Unpack(seed.file, layout, *crcs, image); !unpacked)
        throw std::runtime_error(std::string(seed.name) + ": " + unpacked.message);
    image[fuzz::kOptionsInImage] = seed.image_options;
    const FileHeader header = Read_File_Header(seed.file);
    std::copy(header.begin(), header.end(), image.begin() + fuzz::kHeaderInImage);
    Write_File(path, image);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    try {
        const fs::path root = argv[1];
        fs::create_directories(root / "container");
        fs::create_directories(root / "image");
        for (const Seed &seed : Make_Seeds()) {
            Write_File(root / "container" / seed.name, seed.file);
            if (seed.file.size() == kDefaultFileSize || seed.file.size() == kChannelDataFileSize)
                Write_Image(root / "image" / fs::path(seed.name).replace_extension(".img"), seed);
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
