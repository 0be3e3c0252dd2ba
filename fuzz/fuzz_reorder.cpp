// Fuzz target over the reorder of programs, the one operation behind every order command:
// over any image, a random set of the listed programs moves into a random order (and a set or
// an order that must be refused is tried first), then all programs are sorted by name or by
// service id. Only the program and audio track tables may change, every record and track
// must stay with its program, and the rows must follow their records.
//
// The input is an image as fuzz_image reads it; the bytes before its file setting choose the
// set, the order and the sort key (image_input.h).

#include "fuzz/image_checks.h"

using namespace orvane;
using namespace orvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ImageInput input = Read_Image_Input(data, size);
    Decode_Rows(input.db);
    Check_Program_Reorders(input.db, input.image);
    return 0;
}
