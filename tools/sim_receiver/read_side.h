#pragma once

// The receiver's side of a read: after its answer it sends the data blocks and then the CRC
// blocks, the first one on its own and each further one after the PC's "RRSS"; the PC then
// reports "RCVS" (or "RCVF"), "REFS" and "RWFS".

#include "dbase/bytes.h"
#include "tools/sim_receiver/transfer_context.h"

namespace orvane::sim {

// The blocks of a served file as they go on the line: data blocks, then CRC blocks holding
// one Block_Crc per data block, least significant byte first. `corrupt_value` flips the
// lowest bit of that CRC value.
std::vector<Bytes> Read_Blocks(ByteView file, std::optional<int> corrupt_value);

// True when the PC received everything and confirmed it.
bool Serve_Read(const TransferContext &transfer, ByteView file);

} // namespace orvane::sim
