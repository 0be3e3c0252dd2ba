#pragma once

// The receiver's side of a write: after its answer it takes the data blocks and then the CRC
// blocks, acknowledging each with "RRSS"; then it verifies them and reports "RCVS", "erases"
// and reports "REFS", "programs" the store file and reports "RWFS" (or the failure codes).

#include "dbase/bytes.h"
#include "tools/sim_receiver/transfer_context.h"

#include <string>

namespace orvane::sim {

// The first data block whose Block_Crc differs from the CRC value received for it, or -1.
long First_Mismatch(ByteView data, ByteView crc_values);

// True when the file was received, verified and stored.
bool Serve_Write(const TransferContext &transfer, const std::string &store_path);

} // namespace orvane::sim
