#pragma once

// The channel database's messages, character for character as the user sees them. "\r\r"
// separates the lines of a message box.

#include "translations/text_mark.h"
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::msg {

inline constexpr const char *kFileInexistent
        = ORVANE_TEXT("Orvane", "Find an error, when opening this file,\r\rMaybe it inexistent!");
inline constexpr const char *kFileWrong = ORVANE_TEXT("Orvane", "File wrong!");
inline constexpr const char *kFileCrcWrong = ORVANE_TEXT("Orvane", "File CRC wrong!");
inline constexpr const char *kDecompressError = ORVANE_TEXT("Orvane", "Decompress Error!");
inline constexpr const char *kDataTooLarge
        = ORVANE_TEXT("Orvane", "Data too large, can not be saved!");

// How many faults of an imported file (a JSON export, a program list) are reported: enough to
// fix a column at once, few enough to read.
inline constexpr std::size_t kMaxListedErrors = 20;

// How many characters of a value an import's fault echoes: a value of ten million characters
// must not become ten megabytes of messages.
inline constexpr int kShownCharacters = 40;

// A value of an imported document (UTF-8) as a fault shows it: quoted, on one line (control
// characters as "?"), and cut after kShownCharacters characters with "...".
inline std::string Quoted_Value(std::string_view utf8)
{
    std::string shown = "\"";
    int characters = 0;
    for (const char c : utf8) {
        const bool starts_character = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (starts_character && ++characters > kShownCharacters)
            return shown + "...\"";
        shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
    return shown + '"';
}

// The first and last lines of the messages below, which put a path and the system's reason
// between them.
inline constexpr const char *kSaveFailedLead
        = ORVANE_TEXT("Orvane", "Find an error, when saving this file,");
inline constexpr const char *kOpenFailedLead
        = ORVANE_TEXT("Orvane", "Find an error, when opening this file,");
inline constexpr const char *kWorkingCopyFailedLead
        = ORVANE_TEXT("Orvane", "Find an error, when writing the working copy into this folder,");
inline constexpr const char *kBackupFailedLead
        = ORVANE_TEXT("Orvane", "Find an error, when backing up the old file into this folder,");
inline constexpr const char *kOldFileKept = ORVANE_TEXT("Orvane", "The old file was not replaced.");

// A file that could not be written, naming the file and the system's reason.
inline std::string Save_Failed(const std::string &path, const std::string &reason)
{
    return std::string(kSaveFailedLead) + "\r\r" + path + "\r\r" + reason;
}

// A file that exists but could not be read.
inline std::string Open_Failed(const std::string &path, const std::string &reason)
{
    return std::string(kOpenFailedLead) + "\r\r" + path + "\r\r" + reason;
}

// The working copy of a file that was read and unpacked could not be written: the file is
// fine, the folder is not.
inline std::string Working_Copy_Failed(const std::string &folder, const std::string &reason)
{
    return std::string(kWorkingCopyFailedLead) + "\r\r" + folder + "\r\r" + reason;
}

// The old file could not be copied into the backups folder, so it was not replaced.
inline std::string Backup_Failed(const std::string &folder, const std::string &reason)
{
    return std::string(kBackupFailedLead) + "\r\r" + folder + "\r\r" + reason + "\r\r"
           + kOldFileKept;
}

} // namespace orvane::msg
