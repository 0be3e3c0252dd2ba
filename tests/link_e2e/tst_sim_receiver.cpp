// The simulated receiver on its own, driven byte by byte over its pseudo-terminal: it must
// find requests among garbage, lay out its CRC blocks as the receiver does, refuse a written
// file whose checksums do not match, pace its output to the wire, and refuse bad options.

#include "dbase/block_crc.h"
#include "link_e2e_support.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace link_e2e;

namespace {

constexpr int kBlock = 256;

// The PC's end of the line, without any of the program's code.
class PcEnd
{
public:
    explicit PcEnd(const QString &device)
        : m_fd(::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY))
    {
        termios settings{};
        tcgetattr(m_fd, &settings);
        cfmakeraw(&settings);
        tcsetattr(m_fd, TCSANOW, &settings);
    }
    ~PcEnd() { close(); }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    bool is_open() const { return m_fd >= 0; }
    bool send(const QByteArray &bytes) const
    {
        return ::write(m_fd, bytes.constData(), bytes.size()) == bytes.size();
    }
    bool command(const char *code) const { return send(QByteArray("@YYXF") + code); }
    QByteArray receive(int count, int timeout_ms = 3000) const;

private:
    int m_fd;
};

QByteArray PcEnd::receive(int count, int timeout_ms) const
{
    QByteArray bytes;
    QElapsedTimer clock;
    clock.start();
    while (bytes.size() < count && clock.elapsed() < timeout_ms) {
        pollfd watch{m_fd, POLLIN, 0};
        if (::poll(&watch, 1, 20) <= 0)
            continue;
        char buffer[1024];
        const auto got
                = ::read(m_fd, buffer, std::min<qsizetype>(sizeof buffer, count - bytes.size()));
        if (got > 0)
            bytes.append(buffer, got);
    }
    return bytes;
}

quint32 Crc_Of(const QByteArray &block)
{
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(block.constData());
    return orvane::Block_Crc(orvane::ByteView(bytes, static_cast<std::size_t>(block.size())));
}

QByteArray Crc_Layout(const QByteArray &file)
{
    QByteArray layout;
    for (qsizetype at = 0; at < file.size(); at += kBlock) {
        const quint32 crc = Crc_Of(file.mid(at, kBlock));
        for (int shift = 0; shift < 32; shift += 8)
            layout.append(static_cast<char>((crc >> shift) & 0xFF));
    }
    return layout;
}

// Sends blocks as the PC does, each after the previous one's "RRSS"; false at a missing one.
bool Send_Acknowledged(const PcEnd &pc, const QByteArray &bytes)
{
    for (qsizetype at = 0; at < bytes.size(); at += kBlock) {
        if (!pc.send(bytes.mid(at, kBlock)) || pc.receive(9) != "@YYXFRRSS")
            return false;
    }
    return true;
}

} // namespace

class TestSimReceiver : public QObject
{
    Q_OBJECT

private slots:
    void request_is_found_among_garbage_data();
    void request_is_found_among_garbage();
    void read_sends_the_file_then_its_crcs();
    void write_with_a_wrong_crc_is_refused();
    void paced_output_takes_its_wire_time();
    void bad_options_are_refused_data();
    void bad_options_are_refused();
};

void TestSimReceiver::request_is_found_among_garbage_data()
{
    QTest::addColumn<QByteArray>("garbage");

    QTest::newRow("none") << QByteArray();
    QTest::newRow("text") << QByteArray("hello");
    QTest::newRow("control bytes") << QByteArray("\x00\xff\x13\x11\r\n", 6);
    QTest::newRow("lone at signs") << QByteArray("@@@");
    QTest::newRow("cut-off command") << QByteArray("@YYXFRF");
    QTest::newRow("unknown code") << QByteArray("@YYXFABCD");
    QTest::newRow("wrong prefix") << QByteArray("@YYXGRFPO");
}

void TestSimReceiver::request_is_found_among_garbage()
{
    QFETCH(QByteArray, garbage);
    const QByteArray file = Read_File(Sample_Path("DEFAULT.BIN"));
    SimReceiver sim({"--serve", Sample_Path("DEFAULT.BIN")});
    PcEnd pc(sim.device());
    QVERIFY(pc.is_open());

    QVERIFY(pc.send(garbage + "@YYXFRFPO"));
    QCOMPARE(pc.receive(9), QByteArray("@YYXFTFPO"));
    QCOMPARE(pc.receive(kBlock), file.left(kBlock));
    QVERIFY(sim.Wait_For_Log("< RFPO", 1, 2000));
}

void TestSimReceiver::read_sends_the_file_then_its_crcs()
{
    const QByteArray file = Read_File(Sample_Path("DEFAULT.BIN"));
    SimReceiver sim({"--once", "--serve", Sample_Path("DEFAULT.BIN")});
    PcEnd pc(sim.device());
    QVERIFY(pc.command("RFPO"));
    QCOMPARE(pc.receive(9), QByteArray("@YYXFTFPO"));

    QByteArray received;
    for (int block = 0; block < 520; ++block) {
        received += pc.receive(kBlock);
        QVERIFY(pc.command("RRSS"));
    }
    QCOMPARE(received.size(), 520 * kBlock);
    QVERIFY(received.left(file.size()) == file);
    QVERIFY(received.mid(file.size()) == Crc_Layout(file));
    QVERIFY(pc.command("RCVS") && pc.command("REFS") && pc.command("RWFS"));
    QVERIFY(pc.receive(1, 200).isEmpty());
    pc.close();
    QCOMPARE(sim.Finish(5000).exit_code, 0);
}

void TestSimReceiver::write_with_a_wrong_crc_is_refused()
{
    QTemporaryDir dir;
    const QString store = dir.filePath("store.bin");
    QVERIFY(Write_File(store, "old"));
    const QByteArray file = Read_File(Sample_Path("DEFAULT.BIN"));
    QByteArray crcs = Crc_Layout(file);
    crcs[4 * 300 + 3] = static_cast<char>(crcs[4 * 300 + 3] ^ 0x80);

    SimReceiver sim({"--store", store});
    PcEnd pc(sim.device());
    QVERIFY(pc.command("TFPO"));
    QCOMPARE(pc.receive(9), QByteArray("@YYXFRFPO"));
    QVERIFY(Send_Acknowledged(pc, file + crcs));
    QCOMPARE(pc.receive(9), QByteArray("@YYXFRCVF"));
    QVERIFY(pc.receive(1, 300).isEmpty());
    QCOMPARE(Read_File(store), QByteArray("old"));
    QVERIFY(sim.Wait_For_Log("orvane-sim-receiver: the CRC value of block 300 does not match", 1,
                             2000));
}

void TestSimReceiver::paced_output_takes_its_wire_time()
{
    SimReceiver sim({"--pace", "--serve", Sample_Path("DEFAULT.BIN")});
    PcEnd pc(sim.device());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(pc.command("RFPO"));
    QCOMPARE(pc.receive(9 + kBlock).size(), 9 + kBlock);
    // Request in, answer and first block out: 274 bytes of 11 bits at 115,200 baud.
    const qint64 floor_us = 274LL * 11 * 1000000 / 115200;
    const qint64 elapsed_us = clock.nsecsElapsed() / 1000;
    QVERIFY2(elapsed_us >= floor_us, QByteArray::number(elapsed_us).constData());
    QVERIFY2(elapsed_us < floor_us + 200000, QByteArray::number(elapsed_us).constData());
}

void TestSimReceiver::bad_options_are_refused_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("nothing to serve or store") << QStringList{"--once"};
    QTest::newRow("negative count") << QStringList{"--store", "x", "--tapo", "-1"};
    QTest::newRow("not a number") << QStringList{"--store", "x", "--latency", "20ms"};
    QTest::newRow("missing value") << QStringList{"--store", "x", "--no-ack-at"};
    QTest::newRow("unknown option") << QStringList{"--store", "x", "--fast"};
    QTest::newRow("file of neither size") << QStringList{"--serve", ORVANE_SIM_PATH};
    QTest::newRow("two files of a kind") << QStringList{"--serve", Sample_Path("DEFAULT.BIN"),
                                                        "--serve", Sample_Path("DEFAULT.BIN")};
}

void TestSimReceiver::bad_options_are_refused()
{
    QFETCH(QStringList, arguments);
    SimReceiver sim(arguments);
    QVERIFY(sim.device().isEmpty());
    const ProcessRun run = sim.Finish(5000);
    QCOMPARE(run.exit_code, 2);
    QVERIFY(run.err.startsWith("orvane-sim-receiver: "));
}

QTEST_GUILESS_MAIN(TestSimReceiver)
#include "tst_sim_receiver.moc"
