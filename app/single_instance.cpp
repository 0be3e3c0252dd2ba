#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <unistd.h>

namespace orvane {

namespace {

constexpr int kLivenessTimeoutMs = 500;    // a live primary accepts at once
constexpr int kLockTimeoutMs = 5000;       // another start holds the lock only briefly
constexpr int kConnectionTimeoutMs = 3000; // a sender delivers its message at once

// The socket waits take an int: the deadline comes from an int timeout, so what remains of it
// (or -1, forever) always fits.
int Remaining_Ms(const QDeadlineTimer &deadline)
{
    return static_cast<int>(deadline.remainingTime());
}

} // namespace

QString SingleInstance::Server_Name_From(const QString &window_class_name)
{
    QString name;
    for (const QChar c : window_class_name) {
        const bool ascii_word = c.unicode() < 128 && (c.isLetterOrNumber() || c == u'.');
        if (ascii_word)
            name += c.toLower();
        else if (c == u' ' && !name.isEmpty() && !name.endsWith(u'-'))
            name += u'-';
    }
    while (name.endsWith(u'-'))
        name.chop(1);
    return name;
}

QString SingleInstance::Default_Server_Name()
{
    return Server_Name_From(QString::fromUtf8(kMainWindowClassName)) + u'-'
           + QString::number(::getuid());
}

SingleInstance::SingleInstance(QObject *parent)
    : SingleInstance(Default_Server_Name(), parent)
{}

SingleInstance::SingleInstance(const QString &server_name, QObject *parent)
    : QObject(parent)
    , m_server_name(server_name)
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::Server_Path() const
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    return QDir(runtime).absoluteFilePath(m_server_name);
}

bool SingleInstance::Try_Become_Primary()
{
    if (m_server)
        return true;
    const QString path = Server_Path();
    if (path.isEmpty()) {
        qWarning("Single instance: no runtime folder; running without the instance check");
        return true;
    }
    QLockFile lock(path + QLatin1String(".lock"));
    if (!lock.tryLock(kLockTimeoutMs))
        qWarning("Single instance: could not lock %s; going on without the lock",
                 qUtf8Printable(lock.fileName()));
    if (Primary_Answers())
        return false;
    // Nobody accepts on a socket file that is there: a primary crashed. Listening with access
    // options would replace any file silently, which is why the check above comes first.
    QLocalServer::removeServer(path);
    if (!Listen())
        qWarning("Single instance: cannot listen on %s (%s); running without the instance check",
                 qUtf8Printable(path), qUtf8Printable(m_server->errorString()));
    return true;
}

bool SingleInstance::Is_Listening() const
{
    return m_server != nullptr && m_server->isListening();
}

bool SingleInstance::Primary_Answers() const
{
    QLocalSocket probe;
    probe.connectToServer(Server_Path());
    const bool answered = probe.waitForConnected(kLivenessTimeoutMs);
    probe.abort();
    return answered;
}

bool SingleInstance::Listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::On_New_Connection);
    return m_server->listen(Server_Path());
}

void SingleInstance::On_New_Connection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        socket->setReadBufferSize(kMaxInstanceMessageBytes);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { On_Ready_Read(socket); });
        // A sender that stalls is dropped; the timer dies with the socket.
        QTimer::singleShot(kConnectionTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0)
            On_Ready_Read(socket);
    }
}

void SingleInstance::On_Ready_Read(QLocalSocket *socket)
{
    using State = DecodedInstanceMessage::State;
    const DecodedInstanceMessage message
            = Decode_Instance_Message(socket->peek(kMaxInstanceMessageBytes));
    if (message.state == State::Incomplete)
        return;
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    if (message.state == State::Malformed) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    // Confirmed before the signal: its receiver may run long work before the loop returns.
    socket->write(&kInstanceAck, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit instanceMessage(message.file_path);
}

bool SingleInstance::Send_To_Primary(const QString &file_path, int timeout_ms)
{
    const QString absolute
            = file_path.isEmpty() ? QString() : QFileInfo(file_path).absoluteFilePath();
    if (absolute.toUtf8().size() > kMaxInstancePathBytes)
        return false;
    const QDeadlineTimer deadline(timeout_ms);
    QLocalSocket socket;
    socket.connectToServer(Server_Path());
    if (!socket.waitForConnected(Remaining_Ms(deadline)))
        return false;
    socket.write(Encode_Instance_Message(absolute));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(Remaining_Ms(deadline)))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(Remaining_Ms(deadline)))
            return false;
    }
    char reply = 0;
    const bool confirmed = socket.read(&reply, 1) == 1 && reply == kInstanceAck;
    socket.abort();
    return confirmed;
}

} // namespace orvane
