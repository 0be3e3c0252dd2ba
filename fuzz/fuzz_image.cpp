// Fuzz target over unpacked images: any 258,048 bytes, as a file from outside could hold once
// its checksums pass. Counts above their tables, satellite and transponder indices out of
// range and stray bits in every field reach the decoder here, then the per-image checks: the
// display rows, every list, and the info pane and current audio track of every slot they
// list. Then the programs are moved: a random set of them into a random order, and all of
// them sorted; then the database check runs over the result, and its repairs where it finds
// no error. Clicks, menus and commands are fuzz_commands' part, and so is the save round
// trip.
//
// The input is cut or padded with 0xFF to the image size; its last bytes choose the file kind,
// the bank, the header and the reorder (image_input.h).

#include "fuzz/fuzz_check.h"
#include "fuzz/image_checks.h"
#include "fuzz/image_input.h"

#include <algorithm>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

bool Lies_In_A_Region(std::size_t offset)
{
    return std::ranges::any_of(Image_Regions(), [offset](const ImageRegion &region) {
        return offset >= region.offset && offset < region.offset + region.size;
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char *** /*argv*/)
{
    for (std::size_t offset = kReorderInImage; offset < kImageSize; ++offset)
        FUZZ_CHECK(!Lies_In_A_Region(offset));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Bytes image;
    Fill_Image(image, data, size);
    // The database holds the previous input: that a decode replaces every field is checked
    // by fuzz_commands, which opens each image a second time into a new database.
    static const auto db = Make_Kept_Database();
    Decode_Image(*db, image);
    Apply_File_Setting(*db, image);
    Run_Image_Checks(*db);
    Check_Program_Reorders(*db, image);
    Check_Database_Report(*db);
    return 0;
}
