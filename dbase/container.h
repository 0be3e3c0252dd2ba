#pragma once

// The database file: an 80-byte header, then in one half (bank) of the file a marker, the
// compressed length L, the LZO1X-compressed image and a table of Block_Crc entries over a
// fixed covered region. These functions work on whole files held in memory; the file-level
// operations in channel_database.h read and write the disk around them.

#include "dbase/bytes.h"
#include "dbase/outcome.h"

#include <array>
#include <string>
#include <string_view>

namespace orvane {

constexpr std::size_t kChannelDataFileSize = 262144;
constexpr std::size_t kDefaultFileSize = 131072;
constexpr std::size_t kBankSize = 131072;
constexpr std::size_t kHeaderSize = 80;
constexpr std::size_t kVersionTextOffset = 40;
constexpr std::size_t kVersionTextLength = 8;
constexpr std::size_t kMarkerOffset = 80;         // relative to the bank
constexpr std::size_t kLengthOffset = 84;         // relative to the bank
constexpr std::size_t kDataOffset = 88;           // relative to the bank
constexpr std::uint32_t kSmallClassLimit = 61432; // readers compare L with this, exactly
constexpr std::size_t kCrcBlockSize = 256;
constexpr std::size_t kMaxCrcEntries = 1024;

enum class FileKind { ChannelData, Default };

// "Channel Data" or "Default", as the File menu names the kinds.
const char *File_Kind_Name(FileKind kind);
std::size_t Expected_Size_For(FileKind kind);

using FileHeader = std::array<std::uint8_t, kHeaderSize>;

// Layout of the container, decided by the compressed length L.
struct SizeClass
{
    std::uint32_t covered_length; // 61352 or 126888 bytes from the data offset
    std::uint32_t table_offset;   // relative to the bank: 61440 or 126976
    int entry_count;              // 240 or 496
};
SizeClass Size_Class_For(std::uint32_t compressed_length);
constexpr SizeClass kSmallClass{61352, 61440, 240};
constexpr SizeClass kLargeClass{126888, 126976, 496};

struct ContainerLayout
{
    std::size_t bank = 0; // 0, or kBankSize for the second half of a Channel Data file
    std::uint32_t compressed_length = 0;
    std::size_t data_offset = kDataOffset;
    std::size_t table_offset = 0;
    std::uint32_t covered_length = 0;
    int entry_count = 0;
};

struct CrcTables
{
    std::array<std::uint32_t, kMaxCrcEntries> computed{};
    std::array<std::uint32_t, kMaxCrcEntries> stored{};
};

// The header stands at offset 0; a file whose first 80 bytes are all 0xFF keeps it at 131072,
// which only a 262,144-byte file has. Any other file keeps the bytes at offset 0.
FileHeader Read_File_Header(ByteView file);
std::string Version_Text(const FileHeader &header);                  // the 8 bytes as stored
void Set_Version_Text(FileHeader &header, std::string_view version); // padded with spaces

// Locates the container and computes its checksums. False when the covered region lies
// beyond the end of the file (a container that cannot be located).
bool Compute_Block_Crcs(ByteView file, ContainerLayout &layout, CrcTables &crcs);
// Reads the stored table and compares it entry by entry with the computed one.
bool Check_Block_Crcs(ByteView file, const ContainerLayout &layout, CrcTables &crcs);
// Decompresses the container into a kImageSize image (bytes past the output stay 0xFF).
bool Unpack_Container(ByteView file, const ContainerLayout &layout, Bytes &image);
// All three in order, with the message of the first failure.
Outcome Verify_And_Unpack(ByteView file, ContainerLayout &layout, CrcTables &crcs, Bytes &image);

// Saving. Pack_Container compresses bytes 0..kImageSize-1 of the working copy and lays the
// container into its bank; Write_Crc_Table adds the checksum table; Build_Target makes the
// target file of the given save mode from the finished working copy.
Outcome Pack_Container(Bytes &working_copy, std::size_t bank, std::size_t expected_file_size);
// False when the working copy holds no container to checksum (Pack_Container always lays one).
bool Write_Crc_Table(Bytes &working_copy, ContainerLayout &layout, CrcTables &crcs);
Bytes Build_Target(const Bytes &working_copy, const ContainerLayout &layout, const CrcTables &crcs,
                   const FileHeader &header, int save_mode);

} // namespace orvane
