// Fuzz target over the database check and its two repairs: over any image the check must
// change nothing, name only entries inside their tables and keep every gauge within its
// table; where it finds no error, the repairs must remove what it lists (duplicate programs,
// empty transponders) and leave no error behind.
//
// The input is an image as fuzz_image reads it (image_input.h).

#include "fuzz/image_checks.h"
#include "fuzz/image_input.h"

using namespace orvane;
using namespace orvane::fuzz;

extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char *** /*argv*/)
{
    Check_Image_Input_Layout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Bytes image;
    Fill_Image(image, data, size);
    // The check reads the raw arrays only; the rows are decoded for the repairs, which run on
    // the few images without errors.
    static const auto db = Make_Kept_Database();
    Raw_From_Image(db->raw, image);
    Check_Database_Report(*db);
    return 0;
}
