#include "tools/sim_receiver/read_side.h"

#include "dbase/block_crc.h"
#include "tools/sim_receiver/sim_log.h"

#include <array>

namespace orvane::sim {
namespace {

using Deadline = Clock::time_point;

Deadline Reply_Deadline()
{
    return Clock::now() + kPcReplyTimeout;
}

Bytes Crc_Layout(ByteView file, std::optional<int> corrupt_value)
{
    const std::size_t blocks = file.size() / kBlockSize;
    Bytes layout(blocks * 4);
    for (std::size_t k = 0; k < blocks; ++k)
        Store_U32(layout, 4 * k, Block_Crc(file.subspan(k * kBlockSize, kBlockSize)));
    if (corrupt_value && static_cast<std::size_t>(*corrupt_value) < blocks)
        layout[4 * static_cast<std::size_t>(*corrupt_value)] ^= 0x01;
    return layout;
}

// Holds a block back until the PC gives up waiting for it; true when it did.
bool Pc_Gave_Up_Waiting(const TransferContext &transfer, std::size_t block)
{
    Log_Note("holding block " + std::to_string(block) + " back");
    const auto code = transfer.line.Read_Command(Clock::now() + kLateBlockLimit);
    if (code == "RRFD") {
        Log_Note("the PC gave up waiting for block " + std::to_string(block));
        return true;
    }
    return transfer.line.Peer_Gone();
}

enum class AckResult { Acknowledged, AskedAgain, Failed };

AckResult Await_Ack(const TransferContext &transfer, std::size_t block)
{
    const auto code = transfer.line.Read_Command(Reply_Deadline());
    if (code == "RRSS")
        return AckResult::Acknowledged;
    if (block == 0 && code == transfer.request.code)
        return AckResult::AskedAgain;
    const std::string what = code ? "\"" + *code + "\"" : "nothing";
    Log_Note("block " + std::to_string(block) + " answered with " + what);
    return AckResult::Failed;
}

// The PC's closing reports, in this order.
bool Await_Reports(const TransferContext &transfer)
{
    for (const std::string_view expected : {"RCVS", "REFS", "RWFS"}) {
        const auto code = transfer.line.Read_Command(Reply_Deadline());
        if (code != expected) {
            Log_Note("expected \"" + std::string(expected) + "\", got "
                     + (code ? "\"" + *code + "\"" : "nothing"));
            return false;
        }
    }
    return true;
}

AckResult Send_All_Blocks(const TransferContext &transfer, const std::vector<Bytes> &blocks)
{
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (Matches(transfer.options.late_block, i) && Pc_Gave_Up_Waiting(transfer, i))
            return AckResult::Failed;
        if (i > 0)
            transfer.line.Pause(transfer.latency());
        if (!transfer.line.Send_Bytes(blocks[i]))
            return AckResult::Failed;
        const AckResult ack = Await_Ack(transfer, i);
        if (ack != AckResult::Acknowledged)
            return ack;
    }
    return AckResult::Acknowledged;
}

} // namespace

std::vector<Bytes> Read_Blocks(ByteView file, std::optional<int> corrupt_value)
{
    std::vector<Bytes> blocks;
    const Bytes crcs = Crc_Layout(file, corrupt_value);
    for (const ByteView part : {file, ByteView(crcs)}) {
        for (std::size_t at = 0; at < part.size(); at += kBlockSize) {
            const ByteView block = part.subspan(at, kBlockSize);
            blocks.emplace_back(block.begin(), block.end());
        }
    }
    return blocks;
}

bool Serve_Read(const TransferContext &transfer, ByteView file)
{
    const std::vector<Bytes> blocks = Read_Blocks(file, transfer.options.corrupt_crc);
    AckResult sent = AckResult::AskedAgain;
    while (sent == AckResult::AskedAgain) {
        if (!transfer.Reply(transfer.request.answer))
            return false;
        sent = Send_All_Blocks(transfer, blocks);
        if (sent == AckResult::AskedAgain)
            Log_Note("the PC asked again; starting over");
    }
    return sent == AckResult::Acknowledged && Await_Reports(transfer);
}

} // namespace orvane::sim
