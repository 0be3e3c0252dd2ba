#pragma once

// The favourite group dialog without widgets: a new group name is written into the group's
// name slot and its display entry. Any name is accepted, an empty one too, as long as the
// database's character set of names holds it within the field's 15 bytes.

#include "dbase/channel_database.h"
#include "dialogs/name_field.h"

#include <QString>

namespace orvane {

// The bytes that store a name typed for group `group` (0..15), or the refusal.
NameToStore Favourite_Name_To_Store(const ChannelDatabase &db, int group, const QString &name);

// Writes the name's bytes (at most 15, then a NUL; the bytes after the NUL keep their values)
// into group `group` and its display entry.
void Write_Favourite_Group(ChannelDatabase &db, int group, const std::string &bytes);

} // namespace orvane
