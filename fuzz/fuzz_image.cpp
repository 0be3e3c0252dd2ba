// Fuzz target over unpacked images: any 258,048 bytes, as a file from outside could hold once
// its checksums pass. Counts above their tables, satellite and transponder indices out of
// range and stray bits in every field reach the decoder here, then every per-image check.
//
// The input is cut or padded with 0xFF to the image size; its last bytes choose the file kind,
// the bank and the header (image_input.h).

#include "fuzz/fuzz_check.h"
#include "fuzz/image_checks.h"
#include "fuzz/image_input.h"

#include <algorithm>
#include <cstring>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

bool Lies_In_A_Region(std::size_t offset)
{
    return std::ranges::any_of(Image_Regions(), [offset](const ImageRegion &region) {
        return offset >= region.offset && offset < region.offset + region.size;
    });
}

void Apply_File_Setting(ChannelDatabase &db, ByteView image)
{
    const std::uint8_t options = image[kOptionsInImage];
    db.Set_File_Kind((options & kOptionDefaultKind) != 0 ? FileKind::Default
                                                         : FileKind::ChannelData);
    db.container.bank = (options & kOptionSecondBank) != 0 ? kBankSize : 0;
    std::memcpy(db.File_Header.data(), image.data() + kHeaderInImage, kHeaderSize);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char *** /*argv*/)
{
    for (std::size_t offset = kOptionsInImage; offset < kImageSize; ++offset)
        FUZZ_CHECK(!Lies_In_A_Region(offset));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Bytes image(kImageSize);
    std::fill(image.begin(), image.end(), 0xFF);
    std::memcpy(image.data(), data, std::min(size, kImageSize));

    // Decoding must replace every field: a database that held the previous input decodes
    // this one exactly as a new database does.
    static const auto reused = Make_Channel_Database();
    const auto fresh = Make_Channel_Database();
    Decode_Image(*reused, image);
    Decode_Image(*fresh, image);
    FUZZ_CHECK(Display_Rows_Digest(*fresh) == Display_Rows_Digest(*reused));

    Apply_File_Setting(*fresh, image);
    Run_Image_Checks(*fresh);
    return 0;
}
