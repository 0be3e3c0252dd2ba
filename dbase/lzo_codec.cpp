#include "dbase/lzo_codec.h"

#include <lzo/lzo1x.h>

#include <stdexcept>

namespace orvane {
namespace {

void Ensure_Lzo_Ready()
{
    static const bool ready = lzo_init() == LZO_E_OK;
    if (!ready)
        throw std::runtime_error("the LZO library failed to initialise");
}

using Compressor = int (*)(const lzo_bytep, lzo_uint, lzo_bytep, lzo_uintp, lzo_voidp);

Compressor Compressor_For(LzoLevel level)
{
    switch (level) {
    case LzoLevel::Fast:
        return lzo1x_1_compress;
    case LzoLevel::Best:
        return lzo1x_999_compress;
    case LzoLevel::Fast15:
        return lzo1x_1_15_compress;
    case LzoLevel::Fast12:
        return lzo1x_1_12_compress;
    default:
        return lzo1x_1_11_compress;
    }
}

} // namespace

void Lzo_Compress(ByteView input, Bytes &out, LzoLevel level)
{
    Ensure_Lzo_Ready();
    // Worst case of LZO1X for incompressible input.
    out.resize(input.size() + input.size() / 16 + 64 + 3);
    thread_local Bytes work_memory;
    if (work_memory.size() < LZO1X_999_MEM_COMPRESS)
        work_memory.resize(LZO1X_999_MEM_COMPRESS); // the largest of them
    lzo_uint out_length = 0;
    const int result = Compressor_For(level)(input.data(), input.size(), out.data(), &out_length,
                                             work_memory.data());
    if (result != LZO_E_OK)
        throw std::runtime_error("LZO compression failed");
    out.resize(out_length);
}

long Lzo_Decompress(ByteView input, MutableBytes output)
{
    Ensure_Lzo_Ready();
    lzo_uint out_length = output.size();
    const int result = lzo1x_decompress_safe(input.data(), input.size(), output.data(), &out_length,
                                             nullptr);
    return result == LZO_E_OK ? static_cast<long>(out_length) : -1;
}

} // namespace orvane
