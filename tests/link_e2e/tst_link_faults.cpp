// Every fault the simulated receiver can play, through orvane-cli: the exit status, the
// status texts in order, what the receiver saw, and that no file is written or replaced by a
// transfer that failed (neither the PC's target of a read nor the receiver's store of a
// write), nor any partial or temporary file left beside it.

#include "link_e2e_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace link_e2e;

namespace {

constexpr int kTransferTimeoutMs = 40000;
const QByteArray kEarlierContents = "contents from before the transfer";

QStringList Handshake_Then(const QStringList &rest)
{
    return QStringList{"Connectting...", "Connect Success!", "Transfer..."} + rest;
}

} // namespace

class TestLinkFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void failed_read_data();
    void failed_read();
    void failed_write_data();
    void failed_write();
    void unreadable_file_is_reported_before_the_handshake();
    void wrong_answer_never_connects();
    void interrupted_read_writes_no_file();
    void interrupted_write_reports_failure();

private:
    QString path(const QString &name) const { return m_dir->path(name); }
    QStringList folder_entries() const { return m_dir->entries(); }

    std::unique_ptr<RunFolder> m_dir;
};

void TestLinkFaults::init()
{
    m_dir = std::make_unique<RunFolder>();
    QVERIFY(m_dir->ok());
}

void TestLinkFaults::failed_read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("status");
    QTest::addColumn<QByteArray>("pc_sent");

    // The PC waits its 1,001 polls for the held block, then gives up with "RRFD".
    QTest::newRow("late data block")
            << "default" << QStringList{"--late-block", "5"}
            << Handshake_Then({"Transfer failed!", "Update failed!"}) << QByteArray("< RRFD");
    const QStringList verify_failed = Handshake_Then(
            {"Transfer Success!", "Verify...", "Verify failed!", "Update failed!"});
    QTest::newRow("corrupt first CRC value") << "default" << QStringList{"--corrupt-crc", "0"}
                                             << verify_failed << QByteArray("< RCVF");
    // The last value of the last CRC block.
    QTest::newRow("corrupt last CRC value") << "data" << QStringList{"--corrupt-crc", "1023"}
                                            << verify_failed << QByteArray("< RCVF");
}

void TestLinkFaults::failed_read()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, faults);
    QFETCH(QStringList, status);
    QFETCH(QByteArray, pc_sent);
    const QString out = path("target.bin");
    QVERIFY(Write_File(out, kEarlierContents));
    const QString served = Sample_Path(kind == "data" ? "CHANNEL_DATA.BIN" : "DEFAULT.BIN");

    SimReceiver sim(QStringList{"--once", "--serve", served} + faults);
    QVERIFY(!sim.device().isEmpty());
    const ProcessRun cli
            = Run_Cli({"read", "--port", sim.device(), "--kind", kind, out}, kTransferTimeoutMs);
    const ProcessRun receiver = sim.Finish(10000);

    QCOMPARE(cli.exit_code, 1);
    QCOMPARE(Status_Lines(cli.out), status);
    QCOMPARE(Count_Lines(receiver.err, pc_sent), 1);
    QCOMPARE(Count_Lines(receiver.err, "< REFS"), 0);
    QCOMPARE(receiver.exit_code, 1);
    QCOMPARE(Read_File(out), kEarlierContents);
    QCOMPARE(folder_entries(), QStringList{"target.bin"});
}

void TestLinkFaults::failed_write_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("status");

    QTest::newRow("first block unacknowledged")
            << QStringList{"--no-ack-at", "0"}
            << Handshake_Then({"Transfer failed!", "Update failed!"});
    QTest::newRow("data block unacknowledged")
            << QStringList{"--no-ack-at", "7"}
            << Handshake_Then({"Transfer Success!", "Transfer failed!", "Update failed!"});
    QTest::newRow("RRFD for a data block")
            << QStringList{"--rrfd-at", "100"}
            << Handshake_Then({"Transfer Success!", "Transfer failed!", "Update failed!"});
    // Default: data blocks 0 to 511, CRC blocks 512 to 519.
    QTest::newRow("RRFD for the last CRC block")
            << QStringList{"--rrfd-at", "519"}
            << Handshake_Then({"Transfer Success!", "Transfer failed!", "Update failed!"});
    QTest::newRow("verify fails") << QStringList{"--fail-verify"}
                                  << Handshake_Then({"Transfer Success!", "Verify...",
                                                     "Verify failed!", "Update failed!"});
    QTest::newRow("erase fails") << QStringList{"--fail-erase"}
                                 << Handshake_Then({"Transfer Success!", "Verify...",
                                                    "Verify Success!", "Erase flash...",
                                                    "Erase flash failed!", "Update failed!"});
    QTest::newRow("program fails")
            << QStringList{"--fail-program"}
            << Handshake_Then({"Transfer Success!", "Verify...", "Verify Success!",
                               "Erase flash...", "Erase flash Success!", "Program flash...",
                               "Program flash failed!", "Update failed!"});
}

void TestLinkFaults::failed_write()
{
    QFETCH(QStringList, faults);
    QFETCH(QStringList, status);
    const QString store = path("receiver-store.bin");
    QVERIFY(Write_File(store, kEarlierContents));

    SimReceiver sim(QStringList{"--once", "--store", store} + faults);
    QVERIFY(!sim.device().isEmpty());
    const ProcessRun cli = Run_Cli({"write", "--port", sim.device(), Sample_Path("DEFAULT.BIN")},
                                   kTransferTimeoutMs);
    const ProcessRun receiver = sim.Finish(10000);

    QCOMPARE(cli.exit_code, 1);
    QCOMPARE(Status_Lines(cli.out), status);
    QCOMPARE(receiver.exit_code, 1);
    QCOMPARE(Read_File(store), kEarlierContents);
    QCOMPARE(folder_entries(), QStringList{"receiver-store.bin"});
}

// A file that cannot be read is reported before anything goes on the line.
void TestLinkFaults::unreadable_file_is_reported_before_the_handshake()
{
    const QString store = path("receiver-store.bin");
    QVERIFY(Write_File(store, kEarlierContents));
    SimReceiver sim({"--once", "--store", store});
    const ProcessRun cli = Run_Cli({"write", "--port", sim.device(), path("missing.bin")}, 10000);

    QCOMPARE(cli.exit_code, 1);
    QVERIFY((cli.out + cli.err).contains("Can not open Download file!"));
    QVERIFY(!cli.out.contains("Connectting..."));
    QVERIFY(!sim.Wait_For_Log("< TDPO", 1, 300));
    QVERIFY(!sim.Wait_For_Log("< TFPO", 1, 10));
    QCOMPARE(Read_File(store), kEarlierContents);
}

// A receiver that answers a read request with the request itself is not connected, however
// often the PC asks; Ctrl-C ends the handshake.
void TestLinkFaults::wrong_answer_never_connects()
{
    const QString out = path("never.bin");
    SimReceiver sim({"--once", "--wrong-answer", "--serve", Sample_Path("DEFAULT.BIN")});
    const auto cli = Start_Cli({"read", "--port", sim.device(), "--kind", "default", out});
    QVERIFY(sim.Wait_For_Log("< RFPO", 3, 10000));
    Interrupt(*cli);
    const ProcessRun run = Wait_Cli(*cli, 10000);

    QCOMPARE(run.exit_code, 1);
    QCOMPARE(Status_Lines(run.out),
             (QStringList{"Connectting...", "Connect failed!", "Update failed!"}));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(Count_Lines(sim.log(), "< RRSS"), 0);
    QCOMPARE(sim.Finish(5000).exit_code, 1);
}

// Ctrl-C while the blocks come in: the read fails and the existing file stays as it was.
void TestLinkFaults::interrupted_read_writes_no_file()
{
    const QString out = path("target.bin");
    QVERIFY(Write_File(out, kEarlierContents));
    SimReceiver sim({"--once", "--latency", "20", "--serve", Sample_Path("CHANNEL_DATA.BIN")});
    const auto cli = Start_Cli({"read", "--port", sim.device(), "--kind", "data", out});
    QVERIFY(sim.Wait_For_Log("< RRSS", 10, 10000));
    Interrupt(*cli);
    const ProcessRun run = Wait_Cli(*cli, 10000);

    QCOMPARE(run.exit_code, 1);
    QCOMPARE(Status_Lines(run.out), Handshake_Then({"Transfer failed!", "Update failed!"}));
    QCOMPARE(Read_File(out), kEarlierContents);
    QCOMPARE(folder_entries(), QStringList{"target.bin"});
    QCOMPARE(sim.Finish(5000).exit_code, 1);
}

// Ctrl-C while the data blocks go out: the write stops after the current block and fails;
// it must not go on to the CRC blocks of a cut-short file and report success.
void TestLinkFaults::interrupted_write_reports_failure()
{
    const QString store = path("receiver-store.bin");
    QVERIFY(Write_File(store, kEarlierContents));
    SimReceiver sim({"--once", "--latency", "20", "--store", store});
    const auto cli = Start_Cli({"write", "--port", sim.device(), Sample_Path("CHANNEL_DATA.BIN")});
    QVERIFY(sim.Wait_For_Log("> RRSS", 10, 10000));
    Interrupt(*cli);
    const ProcessRun run = Wait_Cli(*cli, 10000);

    QCOMPARE(run.exit_code, 1);
    QCOMPARE(Status_Lines(run.out),
             Handshake_Then({"Transfer Success!", "Transfer failed!", "Update failed!"}));
    QVERIFY(Count_Lines(sim.log(), "> RRSS") < 1024);
    QCOMPARE(Read_File(store), kEarlierContents);
    QCOMPARE(sim.Finish(5000).exit_code, 1);
}

QTEST_GUILESS_MAIN(TestLinkFaults)
#include "tst_link_faults.moc"
