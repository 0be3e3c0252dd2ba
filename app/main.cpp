// Program entry: one instance per user. A second start hands its file (if any) to the running
// instance and ends without a window; the first copies the bundled DEFAULT.BIN into its data
// folder and shows the main window, opening the file named on the command line.

#include "app/Main.h"
#include "app/app_messages.h"
#include "app/app_paths.h"
#include "app/recent_files.h"
#include "app/resources/resource_names.h"
#include "app/single_instance.h"
#include "views/ui_services.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {

QString File_Argument(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Channel database editor"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A database file to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    return files.isEmpty() ? QString() : QFileInfo(files.constFirst()).absoluteFilePath();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.7"));
    QIcon icon(QString::fromLatin1(orvane::resource::kIcon256));
    icon.addFile(QString::fromLatin1(orvane::resource::kIcon48));
    QApplication::setWindowIcon(icon);
    const QString file = File_Argument(app);

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
