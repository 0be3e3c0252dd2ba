#pragma once

// The window's language: the catalogue orvane_LANG.qm from the first data folder that holds
// one (bin/translations/ in a build tree, share/orvane/translations/ when installed), and Qt's
// own qtbase_LANG.qm for its standard buttons and dialogs. Without a catalogue for the language
// the window stays English.

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace orvane {

// The folders that may hold the catalogues, in the order of Default_Bin_Folders.
QStringList Translation_Folders(const QStringList &data_folders);

// The locale the window speaks: the one --lang named, or the desktop's (LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG, as Qt reads them) when language is empty.
QLocale Ui_Locale(const QString &language);

// Installs the program's and Qt's translators for locale on app, and makes locale the default
// of every QLocale. Returns whether the program's catalogue was found: English needs none.
bool Install_Translations(QCoreApplication &app, const QLocale &locale, const QStringList &folders);

} // namespace orvane
