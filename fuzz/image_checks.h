#pragma once

// Checks that every fuzz target runs on a decoded database, whatever bytes it came from.
// Run_Image_Checks is the one list of them: a new per-image check (a list builder, the
// information pane, menu states) is one more call there.

#include "dbase/Orvane_dbase.h"

#include <string>

namespace orvane::fuzz {

// Every check below, in order.
void Run_Image_Checks(ChannelDatabase &db);

// Reads every field and every byte of every text of every display row, checks the values
// that decoding promises (codes in their lists, texts within their field lengths) and
// returns a digest of them all, so that two decodes can be compared.
std::uint64_t Display_Rows_Digest(const ChannelDatabase &db);

// The current audio track of every program in use is a used track that belongs to it.
void Check_Current_Audio_Tracks(const RawArrays &raw);

// Saves db to its own kind, opens the saved file again and checks that it gives the same
// raw arrays and header; a second save of the reopened database gives the same file bytes.
// A save may only be refused for an image that does not fit into a bank.
void Check_Save_Round_Trip(ChannelDatabase &db);

bool Same_Raw_Arrays(const RawArrays &a, const RawArrays &b);

} // namespace orvane::fuzz
