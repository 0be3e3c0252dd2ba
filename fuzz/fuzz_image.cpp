// Fuzz target over unpacked images: any 258,048 bytes, as a file from outside could hold once
// its checksums pass. Counts above their tables, satellite and transponder indices out of
// range and stray bits in every field reach the decoder here, then the per-image checks: the
// display rows, every list, and the info pane and current audio track of every slot they
// list (of the first rows only, on three images in four). Moving the programs is fuzz_reorder's
// part, the database check fuzz_check's; clicks, menus, commands and the save round trip are
// fuzz_commands'.
//
// The input is cut or padded with 0xFF to the image size; its last bytes choose the file kind,
// the bank and the header (image_input.h).

#include "fuzz/image_checks.h"
#include "fuzz/image_input.h"

using namespace orvane;
using namespace orvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The database holds the previous input: that a decode replaces every field is checked
    // by fuzz_commands, which opens each image a second time into a new database.
    const ImageInput input = Read_Image_Input(data, size);
    Decode_Rows(input.db);
    Apply_File_Setting(input.db, input.image);
    Run_Image_Checks(input.db, input.image);
    return 0;
}
