#include "app/charset_memory.h"

#include <QFileInfo>
#include <QSettings>
#include <QUrl>

namespace orvane {
namespace {

QString Key_Of(const QString &database_path)
{
    return QString::fromLatin1(
            QUrl::toPercentEncoding(QFileInfo(database_path).absoluteFilePath()));
}

} // namespace

QString Remembered_Charset(const QString &settings_path, const QString &database_path)
{
    if (database_path.isEmpty())
        return {};
    QSettings settings(settings_path, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(kNameCharsetsSection));
    return settings.value(Key_Of(database_path)).toString();
}

bool Remember_Charset(const QString &settings_path, const QString &database_path,
                      const QString &charset)
{
    if (database_path.isEmpty())
        return false;
    QSettings settings(settings_path, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(kNameCharsetsSection));
    settings.setValue(Key_Of(database_path), charset);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace orvane
