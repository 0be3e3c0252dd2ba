#pragma once

// A change of the open database as the bytes it changed in the raw arrays, so that undo and
// redo put back exactly what a command wrote. A step of a single edit holds a few bytes; a
// reorder of the whole program table about 320 kB.

#include "dbase/channel_database.h"

#include <cstdint>
#include <vector>

namespace orvane {

struct ImageChange
{
    struct Run
    {
        std::uint32_t offset = 0; // into the raw arrays taken as bytes
        Bytes before;
        Bytes after;
    };
    std::vector<Run> runs;

    bool empty() const { return runs.empty(); }
    std::size_t byte_count() const;
};

// The runs of bytes that differ between two states of the raw arrays (close runs merged).
ImageChange Image_Change_Between(const RawArrays &before, const RawArrays &after);

// Puts the raw arrays into the state before (or after) the change and decodes every display
// row and the program count afresh from them.
void Apply_Image_Change(ChannelDatabase &db, const ImageChange &change, bool to_before);

} // namespace orvane
