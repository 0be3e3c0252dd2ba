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

bool Copy_Default_Bin(const QString &program_folder, const QString &system_folder)
{
    // Read whole before the target is replaced, so a program folder that is also the system
    // folder keeps its file; a FIFO or an endless file there is refused, never read.
    const auto local = [](const QString &folder) {
        return QFile::encodeName(With_Trailing_Slash(folder) + QLatin1String(kDefaultBinFileName))
                .toStdString();
    };
    Bytes bytes;
    std::string reason;
    if (!Read_Whole_File(local(program_folder), bytes, reason, kChannelDataFileSize)
        || bytes.size() > kChannelDataFileSize)
        return false;
    return Write_File_Atomically(local(system_folder), bytes, reason);
}

bool Copy_Default_Bin()
{
    return Copy_Default_Bin(Program_Folder(), System_Folder());
}

} // namespace orvane
