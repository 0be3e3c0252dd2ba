#pragma once

// The names in the backups folder: the history folder of each file, its backups, its origin
// file, and the flat backups of earlier versions.

#include "dbase/backups.h"

#include <optional>
#include <string>

namespace orvane {

inline constexpr const char *kOriginFileName = "origin";
inline constexpr const char *kLockFileName = "lock";

// A file's name, cut to at most 100 bytes (its start and its end, at whole UTF-8 characters)
// so that every name made from it stays well within the 255 bytes of a folder entry.
std::string Short_Name(const std::string &file_name);

// "NAME.HASH" for the history of origin; a further attempt, after a folder that holds another
// file's history under the same hash, adds "-2", "-3", ...
std::string History_Folder_Name(const std::string &origin, int attempt);

// "NAME.000042.20261209-142501.bak".
std::string History_Backup_Name(const std::string &short_name, int sequence,
                                const std::string &stamp);
// The sequence, the stamp and the short name of a history backup's entry.
std::optional<BackupFile> Parse_History_Name(const std::string &entry);

// The origin an origin file's text names: an absolute path and a line break; nothing for
// anything else.
std::optional<std::string> Parse_Origin(std::string text);
// The origin a history folder names; nothing when its origin file is missing, unreadable or
// holds no origin.
std::optional<std::string> Read_Origin(const std::string &history_folder);

} // namespace orvane
