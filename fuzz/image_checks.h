#pragma once

// Checks of a decoded database, whatever bytes it came from. Run_Image_Checks is the list of
// those that cover the whole image and cost milliseconds: a new per-image check (a list
// builder, the information pane) is one more call there. The save round trip costs more and
// is run by fuzz_commands, before and after its command.

#include "dbase/Orvane_dbase.h"

#include <memory>
#include <string>
#include <vector>

namespace orvane::fuzz {

// The display rows and every list; the info pane and the current audio track of every slot
// they list for one image in four (the same ones on every run), of the rows the grids start on
// for the others.
void Run_Image_Checks(ChannelDatabase &db, ByteView image);

// Moves a set of the listed programs into an order that the image's reorder bytes choose, at
// random, then sorts all programs. After each, the program records must be the same ones in
// other slots and every region but the program and audio tables as decoded from the image;
// the rows must be what the records decode to. A set with a slot twice or past the list, or an
// order of other slots, must be refused with nothing moved. Leaves db reordered.
void Check_Program_Reorders(ChannelDatabase &db, ByteView image);

// Runs the database check over db's raw arrays: it must leave them as they were and report only
// entries inside their tables. On an image without errors it then runs the two repairs: with
// something to repair they must leave nothing to repair and no error (the rows are decoded for
// them), with nothing they must change nothing. Leaves db repaired.
void Check_Database_Report(ChannelDatabase &db);

enum class RowSet {
    EveryRow,
    // What the records of the rows in use hold. A deletion writes freed rows in a form of its
    // own ("0" as the audio PID of a freed track, empty texts of a freed transponder) that no
    // decode gives, and a program's satellite slot is taken from its transponder when the
    // image is decoded or the program created, not kept in step with later transponder edits.
    UsedRecords
};

// Reads every field and every byte of every text of the display rows, checks the values that
// decoding promises (codes in their lists, texts within their field lengths) and returns a
// digest of them all with their slots, so that two decodes can be compared.
std::uint64_t Display_Rows_Digest(const ChannelDatabase &db, RowSet which = RowSet::EveryRow);

// For every program slot, the used audio track that its current-audio number picks among its
// own tracks in table order, or -1: what Current_Audio_Track_Slot must answer.
std::vector<int> Expected_Current_Tracks(const RawArrays &raw);

// Saves db to its own kind, opens the saved file again into a new database and checks that
// it gives the same raw arrays and header; a second save of the reopened database gives the
// same file bytes. A save may only be refused for an image that does not fit into a bank.
// Returns the reopened database, or nullptr when the save was refused; it stays valid until
// the next call.
const ChannelDatabase *Check_Save_Round_Trip(ChannelDatabase &db);

// The image an input of fuzz_image, fuzz_reorder or fuzz_check stands for (image_input.h), in a
// buffer kept from input to input, and a database kept likewise whose raw arrays hold it; its
// rows are left to the target to decode.
struct ImageInput
{
    ChannelDatabase &db;
    ByteView image;
};
ImageInput Read_Image_Input(const std::uint8_t *data, std::size_t size);

// A database for a target to keep from input to input. Its satellite names, the only texts
// longer than a string holds in place, start with room for the longest: a long name decoded
// over a short one would otherwise allocate a buffer that outlives the input, and libFuzzer
// runs every such input a second time to look for a leak.
std::unique_ptr<ChannelDatabase> Make_Kept_Database();

// Puts db into the state of a database that nothing was decoded into. Assigning keeps the
// allocations of its rows, which a new database would make again.
void Make_As_New(ChannelDatabase &db);

bool Same_Raw_Arrays(const RawArrays &a, const RawArrays &b);

} // namespace orvane::fuzz
