#pragma once

// The receiver's side of the command messages: "@" + "YYXF" + a 4-letter code, 9 bytes with
// no terminator. The simulator keeps its own table rather than sharing the program's, so a
// wrong code on either side shows up as a failed exchange instead of agreeing with itself.

#include "dbase/container.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace orvane::sim {

inline constexpr std::size_t kCommandSize = 9;
inline constexpr std::string_view kCommandPrefix = "@YYXF";
inline constexpr std::size_t kBlockSize = 256;
// One CRC block carries 64 values, one per data block: 16,384 bytes of file.
inline constexpr std::size_t kFileBytesPerCrcBlock = 16384;

bool Is_Command_Code(std::string_view code);

// A request that opens a transfer, seen from the receiver.
struct TransferRequest
{
    std::string_view code;   // what the PC sent
    std::string_view answer; // what a ready receiver answers
    FileKind kind;
    bool pc_reads; // true: the receiver sends the file; false: it stores one
};

std::optional<TransferRequest> Request_For(std::string_view code);

std::size_t Data_Block_Count(FileKind kind);
std::size_t Crc_Block_Count(FileKind kind);

} // namespace orvane::sim
