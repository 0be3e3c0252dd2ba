#pragma once

// Backups of replaced database files. Before a database file is replaced (a save over it, a
// read from the receiver into it, a command-line output), the old file is copied into the
// backups folder as "NAME.YYYYMMDD-HHMMSS.bak" (local time; "-2", "-3", ... after the time for
// further backups within the same second), and only the newest kBackupsKept of each file name
// are kept. A backup that cannot be written stops the replacement: the old file stays.

#include "dbase/file_io.h"
#include "dbase/outcome.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

inline constexpr std::size_t kBackupsKept = 30;

struct BackupFile
{
    std::string path;      // the backup itself
    std::string file_name; // the name of the file it was taken of
    std::string origin;    // the absolute path of that file; empty when unknown
    std::string stamp;     // "20261209-142501"
    int sequence = 1;      // 2, 3, ... for further backups within the same second
    std::uintmax_t size = 0;
};

// "20261209-142501" for the given time, in local time.
std::string Backup_Stamp(std::time_t when);
// "2026-12-09 14:25:01" from a stamp.
std::string Stamp_Text(const std::string &stamp);
// The parts of a backup's folder entry; nothing when the entry is no backup.
std::optional<BackupFile> Parse_Backup_Name(const std::string &entry);

// Copies the regular file source into folder (created when missing), then removes all but the
// newest kBackupsKept backups of its name. The message names the folder and the reason.
Outcome Back_Up_File(const std::string &source, const std::string &folder, std::time_t now);

// The backups in folder, newest first; only those of file_name when it is given.
std::vector<BackupFile> List_Backups(const std::string &folder, const std::string &file_name = {});

// Backs up the file an opened writer is about to replace, if one is there. An empty folder
// means no backups (tests and tools that write scratch files).
Outcome Back_Up_Replaced_File(const AtomicFileWriter &writer, const std::string &backups_folder);

// Writes a whole database file: checks the target, backs up the file it replaces, then
// replaces it atomically. A failed write names the file and the reason.
Outcome Write_Database_File(const std::string &path, ByteView bytes,
                            const std::string &backups_folder);

} // namespace orvane
