#pragma once

// LZO1X through liblzo2: the compressor the receiver's files use.

#include "dbase/bytes.h"

namespace orvane {

enum class LzoLevel { Fast, Best }; // LZO1X-1, or LZO1X-999 for the smallest output

// Compresses input into out (resized to the compressed length).
void Lzo_Compress(ByteView input, Bytes &out, LzoLevel level);

// Decompresses into output, never writing past its end. Returns the decompressed length, or
// -1 for a corrupt stream, input left over, or output that does not fit.
long Lzo_Decompress(ByteView input, MutableBytes output);

} // namespace orvane
