#include "tools/sim_receiver/commands.h"

#include <algorithm>
#include <array>

namespace orvane::sim {
namespace {

constexpr std::array<std::string_view, 13> kCodes
        = {"TDPO", "RDPO", "TFPO", "RFPO", "RRFD", "RRSS", "RCVF",
           "RCVS", "REFF", "REFS", "RWFF", "RWFS", "TAPO"};

constexpr std::array<TransferRequest, 4> kRequests = {{
        {"RDPO", "TDPO", FileKind::ChannelData, true},
        {"RFPO", "TFPO", FileKind::Default, true},
        {"TDPO", "RDPO", FileKind::ChannelData, false},
        {"TFPO", "RFPO", FileKind::Default, false},
}};

} // namespace

bool Is_Command_Code(std::string_view code)
{
    return std::find(kCodes.begin(), kCodes.end(), code) != kCodes.end();
}

std::optional<TransferRequest> Request_For(std::string_view code)
{
    for (const TransferRequest &request : kRequests) {
        if (request.code == code)
            return request;
    }
    return std::nullopt;
}

std::size_t Data_Block_Count(FileKind kind)
{
    return Expected_Size_For(kind) / kBlockSize;
}

std::size_t Crc_Block_Count(FileKind kind)
{
    return Expected_Size_For(kind) / kFileBytesPerCrcBlock;
}

} // namespace orvane::sim
