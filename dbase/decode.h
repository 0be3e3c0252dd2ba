#pragma once

// Decode_Image turns an unpacked image into the raw arrays and the display rows. The per-record
// decoders also refresh one row after a writer changed its record, so that raw bytes and rows
// never disagree. Indices that come from the image are clamped before use.

#include "dbase/channel_database.h"
#include "dbase/outcome.h"

namespace orvane {

void Decode_Satellite(const SatelliteRecord &record, TLNB_Info_String &row);
void Decode_Sat_Transponder(const SatTransponderRecord &record, TTp_Info_String &row);
void Decode_Ter_Transponder(const TerTransponderRecord &record, TTer_Tp_Info_String &row);
void Decode_Favourite_Name(const FavouriteGroupName &record, TFavor_Name_String &name);
void Decode_Program(const ProgramRecord &record, const RawArrays &raw, TProg_Info_String &row);
void Decode_Audio_Track(const AudioTrackRecord &record, TAudio_Info_String &row);

// The satellite slot a program belongs to: the Sat_Index of its satellite transponder, 0 for a
// terrestrial program, kNoSatellite when its transponder or that satellite is out of range.
std::int32_t Program_Sat_Slot(const ProgramRecord &record, const RawArrays &raw);

// Rows from the raw arrays, and the raw arrays from an image of kImageSize bytes.
void Decode_Rows(ChannelDatabase &db);
void Decode_Image(ChannelDatabase &db, ByteView image);
// From the working copy on disk.
Outcome Decode_Image(ChannelDatabase &db, const std::string &working_copy_path);

// Counts as stored in the image, and clamped to their tables for use as loop bounds.
int Stored_Program_Count(const RawArrays &raw);
int Stored_Audio_Track_Count(const RawArrays &raw);
int Used_Program_Count(const RawArrays &raw);     // min(Program_Count, 4000)
int Used_Audio_Track_Count(const RawArrays &raw); // min(Audio_Track_Count, 1000)

} // namespace orvane
