#pragma once

// The channel database's messages, character for character as the user sees them. "\r\r"
// separates the lines of a message box.

#include <string>

namespace orvane::msg {

inline constexpr const char *kFileInexistent
        = "Find an error, when opening this file,\r\rMaybe it inexistent!";
inline constexpr const char *kFileWrong = "File wrong!";
inline constexpr const char *kFileCrcWrong = "File CRC wrong!";
inline constexpr const char *kDecompressError = "Decompress Error!";
inline constexpr const char *kDataTooLarge = "Data too large, can not be saved!";

// A file that could not be written, naming the file and the system's reason.
inline std::string Save_Failed(const std::string &path, const std::string &reason)
{
    return "Find an error, when saving this file,\r\r" + path + "\r\r" + reason;
}

} // namespace orvane::msg
