#pragma once

// Backups of replaced database files. Before a database file is replaced (a save over it, a
// read from the receiver into it, a command-line output), the old file is copied into the
// backups folder, into a folder of its own for each file (its absolute path decides which), and
// only the newest kBackupsKept of each file are kept. Writers of the same file take turns, so
// every version that is replaced lands in the history once, in the order it stood there. A
// backup that cannot be written stops the replacement: the old file stays.
//
// The layout of the backups folder (0700, as is every folder in it):
//   NAME.HASH/origin                         the absolute path of the file, one line
//   NAME.HASH/lock                           held by the writer of that file
//   NAME.HASH/NAME.SEQUENCE.YYYYMMDD-HHMMSS.bak
// NAME is the file's name, shortened where it is long; HASH 16 hex digits of a hash of the
// path; SEQUENCE counts the file's backups from 000001 and alone decides their order, so a clock
// or a time zone that goes back cannot make the newest backup look old. Flat backups of earlier
// versions, NAME.YYYYMMDD-HHMMSS[-N].bak directly in the backups folder, are listed with an
// unknown origin and never removed.

#include "dbase/file_io.h"
#include "dbase/outcome.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

inline constexpr std::size_t kBackupsKept = 30;

struct BackupFile
{
    std::string path;      // the backup itself
    std::string origin;    // the absolute path of the file it was taken from; empty when unknown
    std::string file_name; // the name of that file (shortened when the origin is unknown)
    std::string stamp;     // "20261209-142501", local time when it was made
    int sequence = 1;      // the file's count of backups; in a flat one, 2, 3, ... in a second
    std::uintmax_t size = 0;
};

// "20261209-142501" for the given time, in the time zone in force now.
std::string Backup_Stamp(std::time_t when);
// "2026-12-09 14:25:01" from a stamp.
std::string Stamp_Text(const std::string &stamp);
// The parts of a flat backup's folder entry; nothing when the entry is no flat backup.
std::optional<BackupFile> Parse_Backup_Name(const std::string &entry);

// The form in which a backup names the file it was taken from: absolute, the links of its last
// component followed as a write follows them, and the links of its folders resolved. Turns what
// a user typed into the origin List_Backups takes.
std::string Origin_Path(const std::string &path);

// The file a backup was taken from, from its history folder; empty for a flat backup or a copy
// kept elsewhere.
std::string Origin_Of_Backup(const std::string &backup_path);

// The backups in folder, newest first (each file's in the order of its sequence); only those of
// origin (an Origin_Path) when it is given.
std::vector<BackupFile> List_Backups(const std::string &folder, const std::string &origin = {});

// The text of a failed write of the target for a system's reason, in the caller's words.
using WriteFailedText = std::function<std::string(const std::string &reason)>;

// The one replacement of a database file with a history: waits for the other writers of the
// same target, backs up what stands there now (unless the newest backup holds the same bytes),
// writes bytes through the opened writer and commits them, and only then drops the backups
// beyond kBackupsKept. A failed write removes the backup it made. An empty backups_folder means
// no backups (tests and tools that write scratch files).
Outcome Replace_Backed_Up(AtomicFileWriter &writer, ByteView bytes,
                          const std::string &backups_folder, const WriteFailedText &write_failed);

// Writes a whole database file: checks the target, then replaces it as Replace_Backed_Up does.
// A failed write names the file and the reason.
Outcome Write_Database_File(const std::string &path, ByteView bytes,
                            const std::string &backups_folder);

} // namespace orvane
