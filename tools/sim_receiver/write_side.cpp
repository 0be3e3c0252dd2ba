#include "tools/sim_receiver/write_side.h"

#include "dbase/block_crc.h"
#include "dbase/file_io.h"
#include "tools/sim_receiver/sim_log.h"

namespace orvane::sim {
namespace {

struct ReceivedFile
{
    Bytes data;
    Bytes crc_values;
};

enum class BlockResult { Received, AskedAgain, Failed };

bool Is_Repeated_Request(const TransferContext &transfer, const Bytes &head)
{
    const std::string text(head.begin(), head.end());
    return text == std::string(kCommandPrefix) + std::string(transfer.request.code);
}

// Reads one block; the first one may turn out to be the PC's request sent again.
BlockResult Read_Block(const TransferContext &transfer, std::size_t index, Bytes &block)
{
    const Clock::time_point deadline = Clock::now() + kPcReplyTimeout;
    block.clear();
    if (index == 0) {
        if (!transfer.line.Read_Bytes(kCommandSize, block, deadline))
            return BlockResult::Failed;
        if (Is_Repeated_Request(transfer, block))
            return BlockResult::AskedAgain;
    }
    if (!transfer.line.Read_Bytes(kBlockSize - block.size(), block, deadline))
        return BlockResult::Failed;
    return BlockResult::Received;
}

// The answer to a received block: "RRSS", unless a fault option says otherwise.
bool Acknowledge(const TransferContext &transfer, std::size_t index)
{
    if (Matches(transfer.options.no_ack_at, index)) {
        Log_Note("leaving block " + std::to_string(index) + " unacknowledged");
        return false;
    }
    if (Matches(transfer.options.rrfd_at, index)) {
        transfer.Reply("RRFD");
        return false;
    }
    return transfer.Reply("RRSS");
}

BlockResult Receive_All(const TransferContext &transfer, ReceivedFile &file)
{
    const std::size_t data_blocks = Data_Block_Count(transfer.request.kind);
    const std::size_t all_blocks = data_blocks + Crc_Block_Count(transfer.request.kind);
    Bytes block;
    for (std::size_t i = 0; i < all_blocks; ++i) {
        const BlockResult got = Read_Block(transfer, i, block);
        if (got == BlockResult::Failed) {
            Log_Note("block " + std::to_string(i) + " did not arrive");
            transfer.line.Send_Command("RRFD");
        }
        if (got != BlockResult::Received)
            return got;
        Bytes &target = i < data_blocks ? file.data : file.crc_values;
        target.insert(target.end(), block.begin(), block.end());
        if (!Acknowledge(transfer, i))
            return BlockResult::Failed;
    }
    return BlockResult::Received;
}

bool Verify(const TransferContext &transfer, const ReceivedFile &file)
{
    const long mismatch = First_Mismatch(file.data, file.crc_values);
    if (mismatch >= 0)
        Log_Note("the CRC value of block " + std::to_string(mismatch) + " does not match");
    const bool verified = mismatch < 0 && !transfer.options.fail_verify;
    transfer.Reply(verified ? "RCVS" : "RCVF");
    return verified;
}

bool Erase_And_Program(const TransferContext &transfer, const ReceivedFile &file,
                       const std::string &store_path)
{
    if (transfer.options.fail_erase) {
        transfer.Reply("REFF");
        return false;
    }
    transfer.Reply("REFS");
    // "Programming" stores the file atomically: the store holds the old file or the whole new one.
    std::string problem;
    if (transfer.options.fail_program)
        problem = "programming fails as asked";
    else if (std::string reason; !Write_File_Atomically(store_path, file.data, reason))
        problem = "cannot write " + store_path + ": " + reason;
    if (!problem.empty()) {
        Log_Note(problem);
        transfer.Reply("RWFF");
        return false;
    }
    Log_Note("stored " + store_path);
    return transfer.Reply("RWFS");
}

} // namespace

long First_Mismatch(ByteView data, ByteView crc_values)
{
    for (std::size_t k = 0; k * kBlockSize < data.size(); ++k) {
        if (4 * k + 4 > crc_values.size()
            || Load_U32(crc_values, 4 * k) != Block_Crc(data.subspan(k * kBlockSize, kBlockSize)))
            return static_cast<long>(k);
    }
    return -1;
}

bool Serve_Write(const TransferContext &transfer, const std::string &store_path)
{
    ReceivedFile file;
    BlockResult received = BlockResult::AskedAgain;
    while (received == BlockResult::AskedAgain) {
        if (!transfer.Reply(transfer.request.answer))
            return false;
        file = {};
        received = Receive_All(transfer, file);
        if (received == BlockResult::AskedAgain)
            Log_Received(transfer.request.code);
    }
    return received == BlockResult::Received && Verify(transfer, file)
           && Erase_And_Program(transfer, file, store_path);
}

} // namespace orvane::sim
