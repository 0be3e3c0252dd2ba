#include "app/ui_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace orvane {

QStringList Translation_Folders(const QStringList &data_folders)
{
    QStringList folders;
    for (const QString &folder : data_folders)
        folders.append(QDir(folder).filePath(QStringLiteral("translations")));
    return folders;
}

QLocale Ui_Locale(const QString &language)
{
    return language.isEmpty() ? QLocale::system() : QLocale(language);
}

bool Install_Translations(QCoreApplication &app, const QLocale &locale, const QStringList &folders)
{
    QLocale::setDefault(locale);
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto *own = new QTranslator(&app);
    for (const QString &folder : folders) {
        if (own->load(locale, QStringLiteral("orvane"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(own);
            return true;
        }
    }
    return false;
}

} // namespace orvane
