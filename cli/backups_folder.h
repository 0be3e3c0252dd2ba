#pragma once

// The program's backups folder, the same one the window uses: "Orvane/backups" under the
// per-user data folder ($XDG_DATA_HOME, by default ~/.local/share).

#include <string>

namespace orvane::cli {

std::string Backups_Folder();

} // namespace orvane::cli
