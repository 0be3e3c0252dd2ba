#pragma once

// Writes the "programmed" file: a temporary file beside the target, flushed to disk and then
// renamed over it, so the target holds either the old contents or the whole new file.

#include "dbase/bytes.h"

#include <string>

namespace orvane::sim {

// An empty text on success, otherwise what went wrong.
std::string Store_Atomically(const std::string &path, ByteView bytes);

} // namespace orvane::sim
