#pragma once

// Which character set of names the user chose for each database file, kept in ORVANE.ini under
// [NameCharsets] with the file's absolute path as key (percent-encoded, since QSettings reads a
// slash in a key as a group). A file never chosen for has no entry.

#include <QString>

namespace orvane {

inline constexpr const char *kNameCharsetsSection = "NameCharsets";

// The set remembered for the database file, or an empty text.
QString Remembered_Charset(const QString &settings_path, const QString &database_path);
// Remembers the set for the file; false when the settings could not be written.
bool Remember_Charset(const QString &settings_path, const QString &database_path,
                      const QString &charset);

} // namespace orvane
