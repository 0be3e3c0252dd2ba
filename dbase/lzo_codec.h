#pragma once

// LZO1X through liblzo2: the compressor the receiver's files use.

#include "dbase/bytes.h"

namespace orvane {

// The LZO1X compressors of liblzo2. All write the same stream format, which one decompressor
// reads; they differ in speed and in the length they reach.
enum class LzoLevel { Fast, Best, Fast15, Fast12, Fast11 }; // LZO1X-1, -999, -1(15), -1(12), -1(11)

// Compresses input into out (resized to the compressed length).
void Lzo_Compress(ByteView input, Bytes &out, LzoLevel level);

// Decompresses into output, never writing past its end. Returns the decompressed length, or
// -1 for a corrupt stream, input left over, or output that does not fit.
long Lzo_Decompress(ByteView input, MutableBytes output);

} // namespace orvane
