#include "app/recent_files.h"

#include "dbase/channel_database.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace orvane {

namespace {

// An unquoted value with commas in a hand-edited file reads as a list; keep it as one name.
QString Name_From(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

} // namespace

RecentFiles Add_Recent_File(const RecentFiles &list, const QString &name)
{
    const auto &names = list.names;
    if (name.isEmpty() || std::find(names.begin(), names.end(), name) != names.end())
        return list;
    return RecentFiles{{name, names[0], names[1]}};
}

RecentFiles Remove_Recent_File(const RecentFiles &list, int index)
{
    if (index < 0 || index >= kRecentFileCount)
        return list;
    RecentFiles result = list;
    std::shift_left(result.names.begin() + index, result.names.end(), 1);
    result.names.back().clear();
    return result;
}

RecentFiles Read_Recent_Files(const QString &settings_path)
{
    QSettings settings(settings_path, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(kRecentFilesSection));
    RecentFiles list;
    for (int i = 0; i < kRecentFileCount; ++i)
        list.names[i] = Name_From(settings.value(QLatin1String(kRecentFileKeys[i])));
    return list;
}

bool Write_Recent_Files(const QString &settings_path, const RecentFiles &list)
{
    QSettings settings(settings_path, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(kRecentFilesSection));
    for (int i = 0; i < kRecentFileCount; ++i)
        settings.setValue(QLatin1String(kRecentFileKeys[i]), list.names[i]);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

FileKind Kind_For_Recent_File(qint64 size)
{
    if (size < 0)
        return FileKind::Default;
    return Kind_For_File_Size(static_cast<std::size_t>(size), FileKind::Default);
}

} // namespace orvane
