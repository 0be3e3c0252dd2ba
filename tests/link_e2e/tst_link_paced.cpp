// A "Default" read at the wire speed of 115,200 baud against the paced simulated receiver.
// The PC ends a read with "RCVS", "REFS" and "RWFS" one right after the other and then closes
// the port; on a real line the earlier ones are still leaving while the next is written, so
// none may be discarded to make room for the next, nor cut off by the close.

#include "link_e2e_support.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace link_e2e;

namespace {

// Every byte on the line at 11 bits per byte: 512 data and 8 CRC blocks from the receiver,
// and 525 nine-byte commands (request, answer, 520 "RRSS", "RCVS", "REFS", "RWFS").
constexpr qint64 kDefaultLineBytes = 131072 + 2048 + 525 * 9;
constexpr qint64 kWireFloorMs = kDefaultLineBytes * 11 * 1000 / 115200;

} // namespace

class TestLinkPaced : public QObject
{
    Q_OBJECT

private slots:
    void paced_read_ends_with_every_report();
};

void TestLinkPaced::paced_read_ends_with_every_report()
{
    QTemporaryDir dir;
    const QString out = dir.filePath("paced.bin");
    SimReceiver sim({"--once", "--pace", "--serve", Sample_Path("DEFAULT.BIN")});
    QVERIFY(!sim.device().isEmpty());

    QElapsedTimer clock;
    clock.start();
    const ProcessRun cli
            = Run_Cli({"read", "--port", sim.device(), "--kind", "default", out}, 3 * kWireFloorMs);
    const qint64 elapsed_ms = clock.elapsed();
    const ProcessRun receiver = sim.Finish(5000);

    QCOMPARE(cli.exit_code, 0);
    QVERIFY(Read_File(out) == Read_File(Sample_Path("DEFAULT.BIN")));
    const QList<QByteArray> log = receiver.err.trimmed().split('\n');
    const int reports = static_cast<int>(log.indexOf("< RCVS"));
    QVERIFY2(reports > 0, receiver.err.right(400).constData());
    QCOMPARE(log.mid(reports, 3), (QList<QByteArray>{"< RCVS", "< REFS", "< RWFS"}));
    QCOMPARE(receiver.exit_code, 0);
    // The pacing itself: nothing crosses the simulated line faster than the wire allows.
    QVERIFY2(elapsed_ms >= kWireFloorMs, QByteArray::number(elapsed_ms).constData());
    qInfo("paced Default read: %lld ms, wire floor %lld ms", elapsed_ms, kWireFloorMs);
}

QTEST_GUILESS_MAIN(TestLinkPaced)
#include "tst_link_paced.moc"
