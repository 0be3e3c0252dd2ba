#pragma once

// The list of the three most recently opened database files, kept in the settings file
// "ORVANE.ini", section "SET_EDIT_TALVIK", keys "Last_File_Name1" to "Last_File_Name3".
// The list rules are plain functions; reading and writing the file are separate.

#include "dbase/container.h"

#include <QString>
#include <QtGlobal>

#include <array>

namespace orvane {

inline constexpr const char *kRecentFilesSection = "SET_EDIT_TALVIK";
inline constexpr const char *kRecentFileKeys[]
        = {"Last_File_Name1", "Last_File_Name2", "Last_File_Name3"};
inline constexpr int kRecentFileCount = 3;

struct RecentFiles
{
    std::array<QString, kRecentFileCount> names; // most recent first; empty when unused

    bool operator==(const RecentFiles &) const = default;
};

// A name equal (exactly, with case) to one of the three leaves the list unchanged: a reopened
// file does not move to the top. Any other name becomes the first and the third drops out.
// An empty name changes nothing.
RecentFiles Add_Recent_File(const RecentFiles &list, const QString &name);

// Removes entry index (0..2): the later entries move up and the third becomes empty. An index
// outside 0..2 changes nothing.
RecentFiles Remove_Recent_File(const RecentFiles &list, int index);

// The three names of the settings file; a missing file or key gives an empty name.
RecentFiles Read_Recent_Files(const QString &settings_path);

// Writes all three keys in order, creating the file (and its folder) when missing; other
// sections and keys of the file are kept. False when the file could not be written: the caller
// tells the user.
bool Write_Recent_Files(const QString &settings_path, const RecentFiles &list);

// The kind a file chosen from the recent list opens as: exactly 262,144 bytes is
// "Channel Data", any other size "Default" (the open then rejects a wrong size).
FileKind Kind_For_Recent_File(qint64 size);

} // namespace orvane
