#include "dbase/container.h"

#include "translations/text_mark.h"

#include "dbase/block_crc.h"
#include "dbase/layout.h"
#include "dbase/lzo_codec.h"
#include "dbase/messages.h"

#include <algorithm>
#include <cstring>

namespace orvane {
namespace {

constexpr std::uint8_t kFiller = 0xFF;

// A compressed length that leaves its data clear of the checksum table of its size class:
// lengths 61353..61432 fall into the small class but run into its table, and nothing longer
// than the large class's covered region fits into a bank.
bool Fits_Its_Size_Class(std::size_t length)
{
    return length <= kSmallClass.covered_length
           || (length > kSmallClassLimit && length <= kLargeClass.covered_length);
}

void Fill(Bytes &bytes, std::size_t begin, std::size_t end, std::uint8_t value)
{
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
              bytes.begin() + static_cast<std::ptrdiff_t>(end), value);
}

void Store_Crc_Entries(MutableBytes target, std::size_t table_offset, const CrcTables &crcs,
                       int entry_count)
{
    for (int i = 0; i < entry_count; ++i)
        Store_U32(target, table_offset + 4 * static_cast<std::size_t>(i), crcs.computed[i]);
}

} // namespace

const char *File_Kind_Name(FileKind kind)
{
    return kind == FileKind::ChannelData ? ORVANE_TEXT("Orvane", "Channel Data")
                                         : ORVANE_TEXT("Orvane", "Default");
}

std::size_t Expected_Size_For(FileKind kind)
{
    return kind == FileKind::ChannelData ? kChannelDataFileSize : kDefaultFileSize;
}

SizeClass Size_Class_For(std::uint32_t compressed_length)
{
    return compressed_length <= kSmallClassLimit ? kSmallClass : kLargeClass;
}

FileHeader Read_File_Header(ByteView file)
{
    FileHeader header{};
    header.fill(kFiller);
    if (file.size() < kHeaderSize)
        return header;
    const auto first = file.first(kHeaderSize);
    const bool all_filler
            = std::all_of(first.begin(), first.end(), [](std::uint8_t b) { return b == kFiller; });
    const std::size_t offset = all_filler && file.size() >= kBankSize + kHeaderSize ? kBankSize : 0;
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), kHeaderSize, header.begin());
    return header;
}

std::string Version_Text(const FileHeader &header)
{
    return {reinterpret_cast<const char *>(header.data()) + kVersionTextOffset, kVersionTextLength};
}

void Set_Version_Text(FileHeader &header, std::string_view version)
{
    for (std::size_t i = 0; i < kVersionTextLength; ++i)
        header[kVersionTextOffset + i]
                = i < version.size() ? static_cast<std::uint8_t>(version[i]) : ' ';
}

bool Compute_Block_Crcs(ByteView file, ContainerLayout &layout, CrcTables &crcs)
{
    crcs.computed.fill(0xFFFFFFFFu);
    if (file.size() < kMarkerOffset + 4)
        return false;
    layout.bank = Load_U32(file, kMarkerOffset) == 1 ? 0 : kBankSize;
    layout.data_offset = layout.bank + kDataOffset;
    if (file.size() < layout.data_offset)
        return false; // the second half of a Default file does not exist
    layout.compressed_length = Load_U32(file, layout.bank + kLengthOffset);
    const SizeClass size_class = Size_Class_For(layout.compressed_length);
    layout.covered_length = size_class.covered_length;
    layout.table_offset = layout.bank + size_class.table_offset;
    layout.entry_count = size_class.entry_count;
    if (file.size() < layout.data_offset + layout.covered_length)
        return false;
    const std::size_t full_blocks = layout.covered_length / kCrcBlockSize;
    const std::size_t remainder = layout.covered_length % kCrcBlockSize;
    for (std::size_t i = 0; i < full_blocks; ++i)
        crcs.computed[i]
                = Block_Crc(file.subspan(layout.data_offset + kCrcBlockSize * i, kCrcBlockSize));
    // The last entry covers the first bytes of the last full block again, not the bytes that
    // follow it: the receiver computes it this way, so the tail is covered by no entry.
    crcs.computed[full_blocks] = Block_Crc(
            file.subspan(layout.data_offset + kCrcBlockSize * (full_blocks - 1), remainder));
    return true;
}

bool Check_Block_Crcs(ByteView file, const ContainerLayout &layout, CrcTables &crcs)
{
    crcs.stored.fill(0xFFFFFFFFu);
    const auto count = static_cast<std::size_t>(layout.entry_count);
    if (count == 0 || file.size() < layout.table_offset + 4 * count)
        return false;
    for (std::size_t i = 0; i < count; ++i)
        crcs.stored[i] = Load_U32(file, layout.table_offset + 4 * i);
    return std::equal(crcs.stored.begin(), crcs.stored.begin() + static_cast<std::ptrdiff_t>(count),
                      crcs.computed.begin());
}

bool Unpack_Container(ByteView file, const ContainerLayout &layout, Bytes &image)
{
    // The stored length is covered by no checksum: judge it before reading by it.
    const std::size_t length = layout.compressed_length;
    if (length == 0 || kDataOffset + length > kBankSize
        || layout.data_offset + length > file.size())
        return false;
    image.assign(kImageSize, kFiller);
    return Lzo_Decompress(file.subspan(layout.data_offset, length), image) >= 0;
}

Outcome Verify_And_Unpack(ByteView file, ContainerLayout &layout, CrcTables &crcs, Bytes &image)
{
    if (!Compute_Block_Crcs(file, layout, crcs) || !Check_Block_Crcs(file, layout, crcs))
        return Outcome::failure(msg::kFileCrcWrong);
    if (!Unpack_Container(file, layout, image))
        return Outcome::failure(msg::kDecompressError);
    return Outcome::success();
}

Outcome Pack_Container(Bytes &working_copy, std::size_t bank, std::size_t expected_file_size)
{
    const ByteView image(working_copy.data(), kImageSize);
    // LZO1X-1 first, as the receiver's own files are made; when its length collides with the
    // checksum table or exceeds a bank, the other LZO1X compressors (same stream format) get
    // their turn.
    Bytes compressed;
    bool fits = false;
    for (const LzoLevel level :
         {LzoLevel::Fast, LzoLevel::Best, LzoLevel::Fast15, LzoLevel::Fast12, LzoLevel::Fast11}) {
        Lzo_Compress(image, compressed, level);
        if ((fits = Fits_Its_Size_Class(compressed.size())))
            break;
    }
    if (!fits)
        return Outcome::failure(msg::kDataTooLarge);

    if (working_copy.size() < expected_file_size)
        working_copy.resize(expected_file_size);
    Fill(working_copy, 0, expected_file_size, kFiller);
    Store_U32(working_copy, bank + kMarkerOffset, 1);
    Store_U32(working_copy, bank + kLengthOffset, static_cast<std::uint32_t>(compressed.size()));
    std::copy(compressed.begin(), compressed.end(),
              working_copy.begin() + static_cast<std::ptrdiff_t>(bank + kDataOffset));
    return Outcome::success();
}

bool Write_Crc_Table(Bytes &working_copy, ContainerLayout &layout, CrcTables &crcs)
{
    const bool located
            = Compute_Block_Crcs(working_copy, layout, crcs)
              && working_copy.size()
                         >= layout.table_offset + 4 * static_cast<std::size_t>(layout.entry_count);
    if (located)
        Store_Crc_Entries(working_copy, layout.table_offset, crcs, layout.entry_count);
    return located;
}

Bytes Build_Target(const Bytes &working_copy, const ContainerLayout &layout, const CrcTables &crcs,
                   const FileHeader &header, int save_mode)
{
    Bytes target;
    if (save_mode == 0) {
        target = working_copy;
    } else if (save_mode == 1) {
        // The second half carries whatever image bytes the working copy held there.
        target.assign(kChannelDataFileSize, kFiller);
        std::copy_n(working_copy.begin(), kImageSize, target.begin());
    } else {
        target.assign(kDefaultFileSize, kFiller);
        const auto from
                = working_copy.begin() + static_cast<std::ptrdiff_t>(layout.bank + kMarkerOffset);
        const auto to
                = working_copy.begin()
                  + static_cast<std::ptrdiff_t>(layout.data_offset + layout.compressed_length);
        std::copy(from, to, target.begin() + kMarkerOffset);
        const SizeClass size_class = Size_Class_For(layout.compressed_length);
        Store_Crc_Entries(target, size_class.table_offset, crcs, layout.entry_count);
    }
    std::copy(header.begin(), header.end(), target.begin());
    if (save_mode <= 1)
        std::copy(header.begin(), header.end(), target.begin() + kBankSize);
    return target;
}

} // namespace orvane
