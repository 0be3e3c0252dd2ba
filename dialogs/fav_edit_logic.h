#pragma once

// The favourite group dialog without widgets: a new group name is written into the group's
// name slot and its display entry. Any name is accepted, an empty one too, as long as every
// character has a byte in the 8-bit name field.

#include "dbase/channel_database.h"

#include <QString>

namespace orvane {

// Whether `name` can be stored as a group name.
bool Is_Valid_Favourite_Name(const QString &name);

// Writes the name (at most 15 characters, then a NUL; the bytes after the NUL keep their
// values) into group `group` (0..15) and its display entry. The name must be valid.
void Write_Favourite_Group(ChannelDatabase &db, int group, const QString &name);

} // namespace orvane
