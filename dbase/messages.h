#pragma once

// The channel database's messages, character for character as the user sees them. "\r\r"
// separates the lines of a message box.

#include <cstddef>
#include <string>

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
