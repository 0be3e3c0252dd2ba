// Program entry: one instance per user. A second start hands its file (if any) to the running
// instance and ends without a window; the first copies the bundled DEFAULT.BIN into its data
// folder and shows the main window, opening the file named on the command line.

#include "app/Main.h"
#include "app/app_messages.h"
#include "app/app_paths.h"
#include "app/recent_files.h"
#include "app/resources/resource_names.h"
#include "app/single_instance.h"
#include "app/start_options.h"
#include "app/ui_language.h"
#include "views/ui_services.h"

#include "orvane_version.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {

void Set_Application_Names()
{
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(orvane::kOrvaneVersion));
    // Lets the desktop match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvane.Orvane"));
}

// --help, --version and wrong usage, answered with a QCoreApplication only (the paths need its
// executable folder): no display, window or instance socket is involved.
int Answer_Without_Window(int argc, char *argv[], const orvane::StartOptions &options)
{
    using Action = orvane::StartOptions::Action;
    QCoreApplication app(argc, argv);
    Set_Application_Names();
    if (options.action == Action::Version) {
        std::fputs(qUtf8Printable(orvane::Start_Version_Text()), stdout);
        return 0;
    }
    if (options.action == Action::Help) {
        const orvane::StartHelpPaths paths{orvane::Settings_File_Path(),
                                           orvane::Working_Copy_Path(), orvane::Backups_Folder(),
                                           orvane::Default_Bin_Folders()};
        std::fputs(qUtf8Printable(orvane::Start_Help_Text(paths)), stdout);
        return 0;
    }
    std::fprintf(stderr, "orvane: %s\nTry 'orvane --help'.\n", qUtf8Printable(options.error));
    return orvane::kStartUsageError;
}

// The desktop's language, or the one --lang named; a language without a catalogue leaves the
// window English, which only a named one is told about.
void Set_Language(QApplication &app, const QString &language)
{
    const QLocale locale = orvane::Ui_Locale(language);
    const QStringList folders = orvane::Translation_Folders(orvane::Default_Bin_Folders());
    if (!orvane::Install_Translations(app, locale, folders) && !language.isEmpty()
        && locale.language() != QLocale::English)
        std::fprintf(stderr, "orvane: no translation for %s, the window stays English.\n",
                     qUtf8Printable(language));
}

QStringList Raw_Arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    const orvane::StartOptions options = orvane::Parse_Start_Options(Raw_Arguments(argc, argv));
    if (options.action != orvane::StartOptions::Action::Run)
        return Answer_Without_Window(argc, argv, options);

    QApplication app(argc, argv);
    Set_Application_Names();
    Set_Language(app, options.language);
    QIcon icon(QString::fromLatin1(orvane::resource::kIcon256));
    icon.addFile(QString::fromLatin1(orvane::resource::kIcon48));
    QApplication::setWindowIcon(icon);
    const QString file
            = options.file.isEmpty() ? QString() : QFileInfo(options.file).absoluteFilePath();

    orvane::SingleInstance instance;
    if (!instance.Try_Become_Primary()) {
        if (instance.Send_To_Primary(file))
            return 0;
        std::fprintf(stderr, "Orvane is already running but does not answer.\n");
        return 1;
    }
    orvane::Copy_Default_Bin();

    orvane::TFormMain window(
            orvane::Desktop_Ui_Services(),
            {orvane::Settings_File_Path(), orvane::Working_Copy_Path(), orvane::Backups_Folder()});
    QObject::connect(&instance, &orvane::SingleInstance::instanceMessage, &window,
                     &orvane::TFormMain::Instance_Message);
    window.show();
    if (!file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file] { window.Instance_Message(file); });
    return QApplication::exec();
}
