#include "app/start_options.h"

#include "orvane_version.h"

#include <QRegularExpression>

namespace orvane {

namespace {

// The options QGuiApplication and QApplication take themselves, without their leading dash,
// each between blanks.
constexpr const char *kQtValueOptions
        = " platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon"
          " qwindowtitle geometry title display name style stylesheet session ";
constexpr const char *kQtFlags = " reverse widgetcount nograb dograb sync ";

// A language as locales name it: "de", "pt_BR", "zh_CN"; never an option or a path.
bool Is_Language_Name(const QString &name)
{
    static const QRegularExpression kName(QStringLiteral("^[a-z]{2,3}([_-][A-Za-z0-9]{2,8})*$"));
    return kName.match(name).hasMatch();
}

// An answer without a window: help, version or wrong usage.
StartOptions Answer(StartOptions::Action action, const QString &error = {})
{
    StartOptions options;
    options.action = action;
    options.error = error;
    return options;
}

bool Listed(const char *names, const QString &name)
{
    const QString word = QLatin1Char(' ') + name + QLatin1Char(' ');
    return !name.isEmpty() && !name.contains(u' ') && QLatin1String(names).contains(word);
}

} // namespace

StartOptions Parse_Start_Options(const QStringList &arguments)
{
    using Action = StartOptions::Action;
    bool only_files = false;
    QStringList files;
    QString language;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (only_files || argument.size() < 2 || !argument.startsWith(u'-')) {
            files.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            only_files = true;
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return Answer(Action::Help);
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return Answer(Action::Version);
        if (argument == QLatin1String("--lang") || argument.startsWith(QLatin1String("--lang="))) {
            language = argument.contains(u'=') ? argument.section(u'=', 1) : arguments.value(++i);
            if (!Is_Language_Name(language))
                return Answer(Action::Wrong, QStringLiteral("--lang needs a language such as de"));
            continue;
        }
        // Qt reads "--style=x" as "-style x" does.
        const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1)
                                     .section(u'=', 0, 0);
        if (Listed(kQtValueOptions, name)) {
            if (!argument.contains(u'='))
                ++i;
        } else if (!Listed(kQtFlags, name)) {
            return Answer(Action::Wrong, QStringLiteral("unknown option %1").arg(argument));
        }
    }
    if (files.size() > 1)
        return Answer(Action::Wrong, QStringLiteral("one FILE at most, not %1").arg(files.size()));
    return {Action::Run, files.value(0), {}, language};
}

QString Start_Help_Text(const StartHelpPaths &paths)
{
    return QStringLiteral(
                   "Usage: orvane [FILE]\n"
                   "\n"
                   "Orvane edits the channel database of a DVB set-top receiver and moves it to\n"
                   "and from the receiver over a serial cable.\n"
                   "\n"
                   "FILE  a database file to open: \"Channel Data\" (262144 bytes) or \"Default\"\n"
                   "      (131072 bytes), told apart by its size.\n"
                   "\n"
                   "One Orvane runs per user. A second start hands its FILE to the running\n"
                   "window, which opens it, and ends without a window of its own.\n"
                   "\n"
                   "Options:\n"
                   "  -h, --help       show this text and end\n"
                   "  -v, --version    show the version and end\n"
                   "      --lang LANG  show the window in LANG (de, ru, zh_CN; en for English)\n"
                   "                   instead of the desktop's language\n"
                   "\n"
                   "Files:\n"
                   "  settings file  %1\n"
                   "  working copy   %2\n"
                   "  backups        %3/\n"
                   "  DEFAULT.BIN    copied into the working copy's folder at start, from the\n"
                   "                 first of these folders that holds one:\n"
                   "                 %4\n"
                   "\n"
                   "Opening the serial port needs membership of the dialout group.\n"
                   "ORVANE_COM_PORTS=DEV1,DEV2,... sets the list of serial ports offered.\n"
                   "orvane-cli does the same work without a window.\n")
            .arg(paths.settings_file, paths.working_copy, paths.backups_folder,
                 paths.default_bin_folders.join(QStringLiteral("\n                 ")));
}

QString Start_Version_Text()
{
    return QStringLiteral("orvane %1\n").arg(QString::fromUtf8(kOrvaneVersion));
}

} // namespace orvane
