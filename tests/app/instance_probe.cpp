// Plays the program's start-up for the single-instance tests:
//     instance_probe SERVER_NAME FILE_PATH MESSAGES
// Becomes the primary and prints "primary", then "message:<path>" for each message it is
// handed, and ends after MESSAGES of them; or hands FILE_PATH ("" for none) over to the
// running primary and prints "handed-over" (exit 0) or "no-answer" (exit 2).

#include "app/single_instance.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void Say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: instance_probe SERVER_NAME FILE_PATH MESSAGES\n");
        return 64;
    }
    orvane::SingleInstance instance(args[1]);
    if (!instance.Try_Become_Primary()) {
        const bool handed_over = instance.Send_To_Primary(args[2]);
        Say(handed_over ? QStringLiteral("handed-over") : QStringLiteral("no-answer"));
        return handed_over ? 0 : 2;
    }
    int remaining = args[3].toInt();
    QObject::connect(&instance, &orvane::SingleInstance::instanceMessage, &app,
                     [&remaining](const QString &path) {
                         Say(QStringLiteral("message:") + path);
                         if (--remaining <= 0)
                             QCoreApplication::quit();
                     });
    Say(instance.Is_Listening() ? QStringLiteral("primary") : QStringLiteral("not-listening"));
    return app.exec();
}
