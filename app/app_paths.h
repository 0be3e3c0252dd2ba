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
#include <QStringList>

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

// The folders where the start-up copy looks for DEFAULT.BIN, in that order: the program
// folder (a build tree keeps it beside the executable), the data folder of an installation
// relative to it ("<prefix>/bin/" gives "<prefix>/share/orvane/", so a moved or packaged tree
// finds its own), then installed_data_folder, the one the build was configured to install
// into. A folder named twice is listed once.
QStringList Default_Bin_Folders(const QString &program_folder,
                                const QString &installed_data_folder);
QStringList Default_Bin_Folders();

// The start-up copy of source_folder + "DEFAULT.BIN" to system_folder + "DEFAULT.BIN",
// replacing an existing copy atomically (an interrupted copy leaves the old one whole). Best
// effort: the program reports no failure; the result serves tests. Without a DEFAULT.BIN in
// source_folder nothing is copied and false is returned.
bool Copy_Default_Bin(const QString &source_folder, const QString &system_folder);
// The copy from the first of source_folders whose DEFAULT.BIN can be read; a missing,
// unreadable or oversized one passes on to the next folder.
bool Copy_Default_Bin(const QStringList &source_folders, const QString &system_folder);
bool Copy_Default_Bin();

} // namespace orvane
