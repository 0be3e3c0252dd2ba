#include "app/app_paths.h"

#include "dbase/container.h"
#include "dbase/file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvane {

namespace {

QString With_Trailing_Slash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// The writable location of the given type, created when missing; empty when Qt knows none.
QString Created_Location(QStandardPaths::StandardLocation type)
{
    const QString folder = QStandardPaths::writableLocation(type);
    if (folder.isEmpty())
        return {};
    QDir().mkpath(folder);
    return With_Trailing_Slash(folder);
}

} // namespace

QString Program_Folder()
{
    return With_Trailing_Slash(QCoreApplication::applicationDirPath());
}

QString System_Folder()
{
    return Created_Location(QStandardPaths::AppLocalDataLocation);
}

QString Working_Copy_Path()
{
    return System_Folder() + QLatin1String(kWorkingCopyFileName);
}

QString Backups_Folder()
{
    return System_Folder() + QLatin1String("backups");
}

QString Settings_File_Path_For(const QString &program_folder)
{
    const QFileInfo folder(program_folder);
    if (folder.isDir() && folder.isWritable())
        return With_Trailing_Slash(program_folder) + QLatin1String(kSettingsFileName);
    return Created_Location(QStandardPaths::AppConfigLocation) + QLatin1String(kSettingsFileName);
}

QString Settings_File_Path()
{
    return Settings_File_Path_For(Program_Folder());
}

QStringList Default_Bin_Folders(const QString &program_folder, const QString &installed_data_folder)
{
    const QString beside = With_Trailing_Slash(program_folder);
    QStringList folders{beside};
    const QString relative = QDir::cleanPath(beside + QLatin1String("../share/orvane"));
    for (const QString &folder : {relative, installed_data_folder}) {
        const QString listed = With_Trailing_Slash(QDir::cleanPath(folder));
        if (!folder.isEmpty() && !folders.contains(listed))
            folders.append(listed);
    }
    return folders;
}

QStringList Default_Bin_Folders()
{
    return Default_Bin_Folders(Program_Folder(), QStringLiteral(ORVANE_INSTALL_DATA_DIR));
}

namespace {

std::string Default_Bin_In(const QString &folder)
{
    return QFile::encodeName(With_Trailing_Slash(folder) + QLatin1String(kDefaultBinFileName))
            .toStdString();
}

// Read whole before the target is replaced, so a source folder that is also the system folder
// keeps its file; a FIFO or an endless file there is refused, never read.
bool Read_Default_Bin(const QString &folder, Bytes &bytes)
{
    std::string reason;
    return Read_Whole_File(Default_Bin_In(folder), bytes, reason, kChannelDataFileSize)
           && bytes.size() <= kChannelDataFileSize;
}

bool Write_Default_Bin(const QString &system_folder, const Bytes &bytes)
{
    std::string reason;
    return Write_File_Atomically(Default_Bin_In(system_folder), bytes, reason);
}

} // namespace

bool Copy_Default_Bin(const QString &source_folder, const QString &system_folder)
{
    Bytes bytes;
    return Read_Default_Bin(source_folder, bytes) && Write_Default_Bin(system_folder, bytes);
}

bool Copy_Default_Bin(const QStringList &source_folders, const QString &system_folder)
{
    for (const QString &folder : source_folders) {
        Bytes bytes;
        if (Read_Default_Bin(folder, bytes))
            return Write_Default_Bin(system_folder, bytes);
    }
    return false;
}

bool Copy_Default_Bin()
{
    return Copy_Default_Bin(Default_Bin_Folders(), System_Folder());
}

} // namespace orvane
