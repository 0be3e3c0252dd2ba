#pragma once

// The command line of the desktop program, read before any window or socket exists: --help and
// --version answer and end at once (also without a display, and without handing anything to a
// running instance), --lang LANG chooses the window's language instead of the desktop's, an
// unknown option is wrong usage. Qt's own options (-platform, -style,
// ...) pass through to QApplication untouched.

#include <QString>
#include <QStringList>

namespace orvane {

inline constexpr int kStartUsageError = 2;

struct StartOptions
{
    enum class Action { Run, Help, Version, Wrong };
    Action action = Action::Run;
    QString file;     // Run: the file to open as given, or empty
    QString error;    // Wrong: what made the call wrong usage
    QString language; // Run: the language --lang named ("de", "zh_CN"), or empty
};

// arguments: the whole command line without the program's name.
StartOptions Parse_Start_Options(const QStringList &arguments);

// The text of --help: the FILE argument, the hand-over to a running instance, and the files the
// program keeps, with the folders given.
struct StartHelpPaths
{
    QString settings_file;
    QString working_copy;
    QString backups_folder;
    QStringList default_bin_folders;
};
QString Start_Help_Text(const StartHelpPaths &paths);

// "orvane 1.0.7".
QString Start_Version_Text();

} // namespace orvane
