#pragma once

// Whole-file reads and atomic writes. A target is never written in place: the bytes go to a
// temporary file in the target's folder, are flushed to the disk, and the temporary file is
// renamed over the target, so an interrupted or failed write leaves the old file whole.

#include "dbase/bytes.h"

#include <optional>
#include <string>

namespace orvane {

bool File_Exists(const std::string &path);
std::optional<std::size_t> File_Size(const std::string &path);

// On failure, reason holds the system's explanation ("Permission denied", ...).
bool Read_Whole_File(const std::string &path, Bytes &bytes, std::string &reason);
bool Write_File_Atomically(const std::string &path, ByteView bytes, std::string &reason);

} // namespace orvane
