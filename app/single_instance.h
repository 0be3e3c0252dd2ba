#pragma once

// One running instance per user. The first start listens on a local socket in the user's
// runtime folder (XDG_RUNTIME_DIR) under an ASCII name derived from the main window's class
// name "【Orvane 1.0.7】", for example "orvane-1.0.7-1000"; only the user may connect. A later
// start connects, hands over its message and ends without a window.
//
// One message per connection (instance_message.h). The primary drops a connection whose
// message is malformed, and one that has not delivered a whole message within a few seconds.
// It never waits on a connection: everything runs from the event loop.
//
// A socket left behind by a crashed primary (nobody accepts on it) is removed and replaced.
// The check and the listen run under a QLockFile beside the socket, so that of two starts
// racing each other exactly one becomes the primary.

#include "app/instance_message.h"
#include "orvane_version.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace orvane {

inline constexpr const char *kMainWindowClassName = kOrvaneBracketedTitle;

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The program's own server name, Server_Name_From(kMainWindowClassName) + "-" + uid.
    static QString Default_Server_Name();
    // The ASCII letters, digits and dots of a window class name, lower case, with a "-" for
    // each run of spaces: "【Orvane 1.0.7】" gives "orvane-1.0.7".
    static QString Server_Name_From(const QString &window_class_name);

    // server_name: a plain name, placed in the runtime folder; tests pass names of their own
    // so that they never meet a running program.
    explicit SingleInstance(QObject *parent = nullptr);
    explicit SingleInstance(const QString &server_name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The absolute path of the socket: runtime folder + "/" + server name.
    QString Server_Path() const;

    // True when this process is now the primary and listens for later starts. False when a
    // primary answers on the socket. When the socket cannot be set up at all (no runtime
    // folder, listen fails) the program still runs: true, with a warning on stderr.
    bool Try_Become_Primary();
    bool Is_Listening() const;

    // Hands the message over to the primary: file_path (made absolute here) or empty. True
    // once the primary confirmed it within timeout_ms; false when no primary answers.
    bool Send_To_Primary(const QString &file_path, int timeout_ms = 5000);

signals:
    // In the primary, once for each well-formed message: the file to open, or empty.
    void instanceMessage(const QString &file_path);

private:
    bool Primary_Answers() const;
    bool Listen();
    void On_New_Connection();
    void On_Ready_Read(QLocalSocket *socket);

    QString m_server_name;
    QLocalServer *m_server = nullptr;
};

} // namespace orvane
