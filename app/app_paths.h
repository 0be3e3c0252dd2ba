#pragma once

// The folders the program works in. The program folder holds the executable, the bundled
// DEFAULT.BIN and, when it is writable, the settings file; the system folder is the per-user
// data folder that holds the working copy of the open database and the start-up copy of
// DEFAULT.BIN. Both are fixed for the whole run. Every folder returned ends with "/".
//
// The functions taking folders as parameters do the work; the ones without parameters apply
// them to the program's own folders. Tests call the former with temporary folders, or point
// QStandardPaths elsewhere (XDG_DATA_HOME, XDG_CONFIG_HOME, setTestModeEnabled).

#include <QString>

namespace orvane {

inline constexpr const char *kSettingsFileName = "ORVANE.ini";
inline constexpr const char *kWorkingCopyFileName = "MIRALTO_BACKUP.BIN";
inline constexpr const char *kDefaultBinFileName = "DEFAULT.BIN";

// The executable's folder (QCoreApplication::applicationDirPath). Needs a QCoreApplication.
QString Program_Folder();
// QStandardPaths::AppLocalDataLocation, created when missing. Depends on the application and
// organisation names, so set those before the first call.
QString System_Folder();
// System_Folder() + "MIRALTO_BACKUP.BIN".
QString Working_Copy_Path();
// System_Folder() + "backups": the copies of replaced database files, shared with orvane-cli.
QString Backups_Folder();

// "ORVANE.ini" in program_folder when that folder is writable, otherwise in the per-user
// configuration folder (QStandardPaths::AppConfigLocation, created when missing).
QString Settings_File_Path_For(const QString &program_folder);
QString Settings_File_Path();

// The start-up copy of program_folder + "DEFAULT.BIN" to system_folder + "DEFAULT.BIN",
// replacing an existing copy atomically (an interrupted copy leaves the old one whole). Best
// effort: the program reports no failure; the result serves tests. Without a DEFAULT.BIN
// beside the program nothing is copied and false is returned.
bool Copy_Default_Bin(const QString &program_folder, const QString &system_folder);
bool Copy_Default_Bin();

} // namespace orvane
