// Fuzz target over whole database files: size check, header, bank, checksums, decompression
// and decoding. What a file decodes to is an image, and the checks of images belong to
// fuzz_image (display rows, info pane, lists) and fuzz_commands (save round trip), which
// reach every image; here a file that opens is checked for what only the container decides.
//
// Almost every mutated file fails its checksums, which would keep the fuzzer in front of the
// first check. So a file that fails them is verified and unpacked a second time with its
// checksum table recomputed: the stored length, which no checksum covers, and the compressed
// stream behind a valid table then reach the decompressor. An input of any other size is checked to
// be refused and is then tried padded with 0xFF (or cut) to both file sizes, so that short inputs,
// which the fuzzer mutates fastest, still describe a whole container.

#include "fuzz/image_checks.h"
#include "fuzz/property_check.h"

#include <cstring>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

bool Is_Open_Failure(const std::string &message)
{
    return message == msg::kFileWrong || message == msg::kFileCrcWrong
           || message == msg::kDecompressError;
}

// The buffers of the padded and the repaired file are kept from input to input: a new
// quarter-megabyte buffer costs the sanitizer a fresh mapping every time.
ByteView Fit_To_Size(ByteView input, std::size_t size)
{
    static Bytes file;
    file.assign(size, 0xFF);
    std::memcpy(file.data(), input.data(), std::min(size, input.size()));
    return file;
}

// Writes the checksum table that the file's own bytes call for. False when the container
// cannot be located, or its table would lie outside the file.
bool Rewrite_Crc_Table(Bytes &file)
{
    ContainerLayout layout;
    static CrcTables crcs;
    if (!Compute_Block_Crcs(file, layout, crcs))
        return false;
    const auto count = static_cast<std::size_t>(layout.entry_count);
    if (layout.table_offset + 4 * count > file.size())
        return false;
    for (std::size_t i = 0; i < count; ++i)
        Store_U32(file, layout.table_offset + 4 * i, crcs.computed[i]);
    return true;
}

// A stored length that the decompressor must never be handed.
bool Length_Is_Hostile(std::uint32_t length)
{
    return length == 0 || kDataOffset + std::size_t{length} > kBankSize;
}

ChannelDatabase &Database()
{
    static const auto db = Make_Kept_Database();
    return *db;
}

// Opens file as kind into the database that the previous input left behind: a refused file
// must leave its tables as they were.
Outcome Open_And_Check(ByteView file, FileKind kind)
{
    ChannelDatabase &db = Database();
    db.Set_File_Kind(kind);
    static RawArrays before;
    before = db.raw;
    static OpenBuffers buffers;
    Outcome outcome = Load_Database_Bytes(db, file, buffers);
    if (!outcome) {
        FUZZ_CHECK(Is_Open_Failure(outcome.message));
        FUZZ_CHECK(Same_Raw_Arrays(before, db.raw));
        return outcome;
    }
    FUZZ_CHECK(file.size() == Expected_Size_For(kind));
    FUZZ_CHECK(!Length_Is_Hostile(db.container.compressed_length));
    return outcome;
}

// The repaired file is verified and unpacked, not decoded: what a mutated stream decompresses
// to is any image, and any image is fuzz_image's input. Decoding stays here for the files that
// open as they are.
void Open_With_Valid_Checksums(ByteView file)
{
    static Bytes fixed;
    fixed.assign(file.begin(), file.end());
    if (!Rewrite_Crc_Table(fixed))
        return;
    static OpenBuffers buffers;
    ContainerLayout layout;
    const Outcome outcome = Verify_And_Unpack(fixed, layout, buffers.crcs, buffers.image);
    FUZZ_CHECK(outcome.ok || outcome.message == msg::kDecompressError);
    const std::uint32_t length = Load_U32(
            fixed, Load_U32(fixed, kMarkerOffset) == 1 ? kLengthOffset : kBankSize + kLengthOffset);
    if (Length_Is_Hostile(length))
        FUZZ_CHECK(!outcome.ok);
    if (outcome.ok)
        FUZZ_CHECK(buffers.image.size() == kImageSize && layout.compressed_length == length);
}

void Open_File(ByteView file, FileKind kind)
{
    const Outcome outcome = Open_And_Check(file, kind);
    if (outcome.message == msg::kFileCrcWrong)
        Open_With_Valid_Checksums(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ByteView input(data, size);
    for (const FileKind kind : {FileKind::ChannelData, FileKind::Default}) {
        const std::size_t expected = Expected_Size_For(kind);
        if (size == expected) {
            Open_File(input, kind);
            continue;
        }
        FUZZ_CHECK(Open_And_Check(input, kind).message == msg::kFileWrong);
        if (size != kChannelDataFileSize && size != kDefaultFileSize)
            Open_File(Fit_To_Size(input, expected), kind);
    }
    return 0;
}
