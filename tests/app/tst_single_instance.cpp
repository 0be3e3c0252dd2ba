// One instance per user: the hand-over between two processes, a stale socket left by a killed
// primary, racing starts, and a primary that shrugs off malformed messages.

#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>
#include <vector>

#include <unistd.h>

using namespace orvane;

namespace {

using Process = std::unique_ptr<QProcess>;

Process Start_Probe(const QString &name, const QString &path, int messages = 1,
                    const QString &working_folder = QDir::tempPath())
{
    auto probe = std::make_unique<QProcess>();
    probe->setWorkingDirectory(working_folder);
    probe->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe->start(QStringLiteral(INSTANCE_PROBE_PATH), {name, path, QString::number(messages)});
    return probe;
}

// The next line the probe prints, or "<none>" when it prints none within the time.
QString Next_Line(QProcess &probe, int timeout_ms = 5000)
{
    const QDeadlineTimer deadline(timeout_ms);
    while (!probe.canReadLine()) {
        const bool more = probe.waitForReadyRead(100) || probe.state() != QProcess::NotRunning;
        if (deadline.hasExpired() || (!more && !probe.canReadLine()))
            return QStringLiteral("<none>");
    }
    return QString::fromUtf8(probe.readLine()).chopped(1);
}

bool Ends_Cleanly(QProcess &probe)
{
    return probe.waitForFinished(5000) && probe.exitStatus() == QProcess::NormalExit
           && probe.exitCode() == 0;
}

QByteArray U32(quint32 value)
{
    QByteArray bytes(4, 0);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Raw_Message(quint32 number, const QByteArray &path)
{
    return U32(number) + U32(quint32(path.size())) + path;
}

} // namespace

Q_DECLARE_METATYPE(orvane::DecodedInstanceMessage::State)

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void server_name();
    void encoded_message_is_exact();
    void decode_data();
    void decode();
    void hand_over_data();
    void hand_over();
    void socket_is_user_only_and_removed_on_exit();
    void live_primary_is_never_replaced();
    void stale_socket_of_killed_primary();
    void racing_starts_elect_one_primary();
    void no_primary_means_no_hand_over();
    void malformed_messages_are_dropped_data();
    void malformed_messages_are_dropped();
    void trickled_message_arrives_once();

private:
    QString Socket_Of(const QString &name) const { return m_runtime.filePath(name); }

    QTemporaryDir m_runtime;
};

void TestSingleInstance::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    // The probes inherit this: their sockets stay in a folder of the test's own.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

void TestSingleInstance::server_name()
{
    QCOMPARE(SingleInstance::Server_Name_From(QString::fromUtf8(kMainWindowClassName)),
             "orvane-1.0.7");
    QCOMPARE(SingleInstance::Server_Name_From(QStringLiteral("  A  b/c\\d ")), "a-bcd");
    QCOMPARE(SingleInstance::Default_Server_Name(), "orvane-1.0.7-" + QString::number(::getuid()));
    QCOMPARE(SingleInstance(QStringLiteral("x")).Server_Path(), m_runtime.path() + "/x");
}

void TestSingleInstance::encoded_message_is_exact()
{
    QCOMPARE(Encode_Instance_Message(QStringLiteral("/é")),
             QByteArray("\x00\x14\x00\x00\x03\x00\x00\x00/\xc3\xa9", 11));
    QCOMPARE(Encode_Instance_Message(QString()), QByteArray("\x00\x14\x00\x00\0\0\0\0", 8));
}

void TestSingleInstance::decode_data()
{
    using State = DecodedInstanceMessage::State;
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("path");
    const QByteArray whole = Raw_Message(0x1400, "/a b/ü.bin");
    QTest::newRow("whole") << whole << State::Complete << "/a b/ü.bin";
    QTest::newRow("extra bytes after it") << whole + "xyz" << State::Complete << "/a b/ü.bin";
    QTest::newRow("nothing yet") << QByteArray() << State::Incomplete << "";
    QTest::newRow("3 bytes of the number") << whole.left(3) << State::Incomplete << "";
    QTest::newRow("header only") << whole.left(8) << State::Incomplete << "";
    QTest::newRow("one byte short") << whole.chopped(1) << State::Incomplete << "";
    QTest::newRow("empty path") << Raw_Message(0x1400, "") << State::Complete << "";
    const QByteArray longest = '/' + QByteArray(kMaxInstancePathBytes - 1, 'a');
    QTest::newRow("longest path") << Raw_Message(0x1400, longest) << State::Complete
                                  << QString::fromLatin1(longest);
    QTest::newRow("wrong number") << Raw_Message(0x1401, "/a") << State::Malformed << "";
    QTest::newRow("number big-endian") << QByteArray("\0\0\x14\0", 4) << State::Malformed << "";
    QTest::newRow("length over the limit")
            << U32(0x1400) + U32(kMaxInstancePathBytes + 1) << State::Malformed << "";
    QTest::newRow("length 0xFFFFFFFF") << U32(0x1400) + U32(0xFFFFFFFF) << State::Malformed << "";
    QTest::newRow("relative path") << Raw_Message(0x1400, "dir/a.bin") << State::Malformed << "";
    QTest::newRow("not UTF-8") << Raw_Message(0x1400, "/\xff\xfe.bin") << State::Malformed << "";
    QTest::newRow("cut UTF-8") << Raw_Message(0x1400, "/\xc3") << State::Malformed << "";
    QTest::newRow("NUL inside") << Raw_Message(0x1400, QByteArray("/a\0b", 4)) << State::Malformed
                                << "";
}

void TestSingleInstance::decode()
{
    using State = DecodedInstanceMessage::State;
    QFETCH(QByteArray, received);
    QFETCH(State, state);
    QFETCH(QString, path);
    const DecodedInstanceMessage message = Decode_Instance_Message(received);
    QCOMPARE(message.state, state);
    QCOMPARE(message.file_path, path);
}

void TestSingleInstance::hand_over_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("received"); // relative to the sender's folder when relative
    QTest::newRow("absolute path") << "/data/Kanäle/SENDER 频道.BIN"
                                   << "/data/Kanäle/SENDER 频道.BIN";
    QTest::newRow("no file") << ""
                             << "";
    QTest::newRow("relative path") << "sub dir/CHANNEL.BIN"
                                   << "sub dir/CHANNEL.BIN";
}

void TestSingleInstance::hand_over()
{
    QFETCH(QString, given);
    QFETCH(QString, received);
    QTemporaryDir sender_folder;
    if (!received.isEmpty() && !received.startsWith(u'/'))
        received = QFileInfo(sender_folder.path()).canonicalFilePath() + u'/' + received;
    const Process primary = Start_Probe(QStringLiteral("hand-over"), {});
    QCOMPARE(Next_Line(*primary), "primary");
    const Process second = Start_Probe(QStringLiteral("hand-over"), given, 1, sender_folder.path());
    QCOMPARE(Next_Line(*second), "handed-over");
    QVERIFY(Ends_Cleanly(*second));
    QCOMPARE(Next_Line(*primary), "message:" + received);
    QVERIFY(Ends_Cleanly(*primary));
}

void TestSingleInstance::socket_is_user_only_and_removed_on_exit()
{
    const Process primary = Start_Probe(QStringLiteral("access"), {});
    QCOMPARE(Next_Line(*primary), "primary");
    const QFileInfo socket(Socket_Of(QStringLiteral("access")));
    QVERIFY(socket.exists());
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                        | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(socket.permissions() & others, QFile::Permissions());
    QVERIFY(SingleInstance(QStringLiteral("access")).Send_To_Primary({}));
    QVERIFY(Ends_Cleanly(*primary));
    QVERIFY(!QFileInfo::exists(socket.filePath()));
}

void TestSingleInstance::live_primary_is_never_replaced()
{
    const Process primary = Start_Probe(QStringLiteral("live"), {}, 2);
    QCOMPARE(Next_Line(*primary), "primary");
    SingleInstance latecomer(QStringLiteral("live"));
    QVERIFY(!latecomer.Try_Become_Primary());
    QVERIFY(!latecomer.Is_Listening());
    // The first primary still owns the socket: both messages reach it.
    QVERIFY(latecomer.Send_To_Primary(QStringLiteral("/one.bin")));
    const Process third = Start_Probe(QStringLiteral("live"), QStringLiteral("/two.bin"));
    QVERIFY(Ends_Cleanly(*third));
    QCOMPARE(Next_Line(*primary), "message:/one.bin");
    QCOMPARE(Next_Line(*primary), "message:/two.bin");
    QVERIFY(Ends_Cleanly(*primary));
}

void TestSingleInstance::stale_socket_of_killed_primary()
{
    const Process crashed = Start_Probe(QStringLiteral("stale"), {});
    QCOMPARE(Next_Line(*crashed), "primary");
    crashed->kill(); // SIGKILL: no chance to remove the socket
    QVERIFY(crashed->waitForFinished(5000));
    QVERIFY(QFileInfo::exists(Socket_Of(QStringLiteral("stale"))));
    QVERIFY(!SingleInstance(QStringLiteral("stale")).Send_To_Primary({}, 1000));

    const Process next = Start_Probe(QStringLiteral("stale"), {});
    QCOMPARE(Next_Line(*next), "primary");
    const Process second = Start_Probe(QStringLiteral("stale"), QStringLiteral("/after.bin"));
    QCOMPARE(Next_Line(*second), "handed-over");
    QCOMPARE(Next_Line(*next), "message:/after.bin");
    QVERIFY(Ends_Cleanly(*next));
}

void TestSingleInstance::racing_starts_elect_one_primary()
{
    constexpr int kStarts = 8;
    // A stale socket too, so that the racers also race to remove it.
    const Process crashed = Start_Probe(QStringLiteral("race"), {});
    QCOMPARE(Next_Line(*crashed), "primary");
    crashed->kill();
    QVERIFY(crashed->waitForFinished(5000));

    std::vector<Process> starts;
    for (int i = 0; i < kStarts; ++i)
        starts.push_back(
                Start_Probe(QStringLiteral("race"), "/file" + QString::number(i), kStarts - 1));
    QStringList roles;
    QProcess *primary = nullptr;
    for (const Process &start : starts) {
        roles << Next_Line(*start);
        if (roles.back() == "primary")
            primary = start.get();
    }
    QCOMPARE(roles.count("primary"), 1);
    QCOMPARE(roles.count("handed-over"), kStarts - 1);
    QStringList received;
    for (int i = 0; i < kStarts - 1; ++i)
        received << Next_Line(*primary);
    QCOMPARE(received.size(), kStarts - 1);
    QVERIFY(received.filter(QStringLiteral("message:/file")).size() == kStarts - 1);
    for (const Process &start : starts)
        QVERIFY(Ends_Cleanly(*start));
}

void TestSingleInstance::no_primary_means_no_hand_over()
{
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!SingleInstance(QStringLiteral("nobody")).Send_To_Primary(QStringLiteral("/a.bin")));
    QVERIFY(clock.elapsed() < 1000);
}

void TestSingleInstance::malformed_messages_are_dropped_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("within_ms"); // how soon the primary must drop the connection
    QTest::newRow("wrong number") << Raw_Message(0x1401, "/a.bin") << 1000;
    QTest::newRow("length over the limit") << U32(0x1400) + U32(0x7FFFFFFF) + "/a" << 1000;
    QTest::newRow("relative path") << Raw_Message(0x1400, "a.bin") << 1000;
    QTest::newRow("not UTF-8") << Raw_Message(0x1400, "/\xff.bin") << 1000;
    QTest::newRow("stalls after the header") << U32(0x1400) + U32(10) + "/ab" << 6000;
    QTest::newRow("says nothing") << QByteArray() << 6000;
}

void TestSingleInstance::malformed_messages_are_dropped()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, within_ms);
    SingleInstance primary(QStringLiteral("malformed"));
    QVERIFY(primary.Try_Become_Primary());
    QSignalSpy messages(&primary, &SingleInstance::instanceMessage);
    QLocalSocket client;
    client.connectToServer(primary.Server_Path());
    QVERIFY(client.waitForConnected(1000));
    client.write(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, within_ms);
    QCOMPARE(client.readAll(), QByteArray()); // no confirmation
    QCOMPARE(messages.size(), 0);

    // A good message right after is taken and confirmed.
    QLocalSocket good;
    good.connectToServer(primary.Server_Path());
    QVERIFY(good.waitForConnected(1000));
    good.write(Encode_Instance_Message(QStringLiteral("/ok.bin")));
    QTRY_COMPARE(messages.size(), 1);
    QCOMPARE(messages.at(0).at(0).toString(), "/ok.bin");
    QTRY_COMPARE(good.bytesAvailable(), 1);
    QCOMPARE(good.readAll(), QByteArray(1, kInstanceAck));
}

void TestSingleInstance::trickled_message_arrives_once()
{
    SingleInstance primary(QStringLiteral("trickle"));
    QVERIFY(primary.Try_Become_Primary());
    QSignalSpy messages(&primary, &SingleInstance::instanceMessage);
    QLocalSocket client;
    client.connectToServer(primary.Server_Path());
    QVERIFY(client.waitForConnected(1000));
    const QByteArray bytes = Encode_Instance_Message(QStringLiteral("/slow/ä.bin"));
    for (char byte : bytes.chopped(1)) {
        client.write(&byte, 1);
        client.flush();
        QTest::qWait(5);
        QCOMPARE(messages.size(), 0);
    }
    client.write(bytes.right(1));
    QTRY_COMPARE(messages.size(), 1);
    QCOMPARE(messages.at(0).at(0).toString(), "/slow/ä.bin");
    QTest::qWait(50);
    QCOMPARE(messages.size(), 1);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
