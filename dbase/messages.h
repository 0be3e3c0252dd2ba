#pragma once

// The channel database's messages, character for character as the user sees them. "\r\r"
// separates the lines of a message box.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane::msg {

inline constexpr const char *kFileInexistent
        = "Find an error, when opening this file,\r\rMaybe it inexistent!";
inline constexpr const char *kFileWrong = "File wrong!";
inline constexpr const char *kFileCrcWrong = "File CRC wrong!";
inline constexpr const char *kDecompressError = "Decompress Error!";
inline constexpr const char *kDataTooLarge = "Data too large, can not be saved!";

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

// A file that could not be written, naming the file and the system's reason.
inline std::string Save_Failed(const std::string &path, const std::string &reason)
{
    return "Find an error, when saving this file,\r\r" + path + "\r\r" + reason;
}

// A file that exists but could not be read.
inline std::string Open_Failed(const std::string &path, const std::string &reason)
{
    return "Find an error, when opening this file,\r\r" + path + "\r\r" + reason;
}

// The working copy of a file that was read and unpacked could not be written: the file is
// fine, the folder is not.
inline std::string Working_Copy_Failed(const std::string &folder, const std::string &reason)
{
    return "Find an error, when writing the working copy into this folder,\r\r" + folder + "\r\r"
           + reason;
}

// The old file could not be copied into the backups folder, so it was not replaced.
inline std::string Backup_Failed(const std::string &folder, const std::string &reason)
{
    return "Find an error, when backing up the old file into this folder,\r\r" + folder + "\r\r"
           + reason + "\r\rThe old file was not replaced.";
}

} // namespace orvane::msg
