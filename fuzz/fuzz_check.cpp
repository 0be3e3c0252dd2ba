// Fuzz target over the database check and its two repairs: over any image the check must
// change nothing, name only entries inside their tables and keep every gauge within its
// table; where it finds no error, the repairs must remove what it lists (duplicate programs,
// empty transponders) and leave no error behind.
//
// The input is an image as fuzz_image reads it (image_input.h).

#include "fuzz/image_checks.h"

using namespace orvane;
using namespace orvane::fuzz;

// The check reads the raw arrays only; the rows are decoded for the repairs, which run on the few
// images without errors.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Check_Database_Report(Read_Image_Input(data, size).db);
    return 0;
}
