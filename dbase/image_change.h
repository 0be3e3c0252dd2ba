#pragma once

// A change of the open database as the bytes it changed in the raw arrays, so that undo and
// redo put back exactly what a command wrote. A step of a single edit holds a few bytes; a
// reorder of the whole program table about 320 kB. The few commands that also change what a
// save writes around the arrays (a restored backup: kind, header, bank) carry that state on
// both sides.

#include "dbase/channel_database.h"

#include <cstdint>
#include <optional>
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
    struct FileChange
    {
        FileState before;
        FileState after;
    };
    std::vector<Run> runs;
    std::optional<FileChange> file; // only when the command changed it

    bool empty() const { return runs.empty() && !file; }
    std::size_t byte_count() const;
};

// The runs of bytes that differ between two states of the raw arrays (close runs merged).
ImageChange Image_Change_Between(const RawArrays &before, const RawArrays &after);
// The same for a whole database, whose file state is kept when it differs.
ImageChange Database_Change_Between(const RawArrays &raw_before, const FileState &file_before,
                                    const ChannelDatabase &after);

// Puts the raw arrays (and the file state) into the state before (or after) the change and
// decodes every display row and the program count afresh from them.
void Apply_Image_Change(ChannelDatabase &db, const ImageChange &change, bool to_before);

} // namespace orvane
