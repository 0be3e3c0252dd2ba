// Whole transfers between orvane-cli and the simulated receiver over a pseudo-terminal: the
// file read equals the file served byte for byte, the file stored equals the file sent, and
// the handshake survives a late receiver and "TAPO" messages.

#include "link_e2e_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace link_e2e;

namespace {

constexpr int kTransferTimeoutMs = 40000;

const QStringList kReadSuccess
        = {"Connectting...", "Connect Success!", "Transfer...",    "Transfer Success!",
           "Verify...",      "Verify Success!",  "Update Success!"};

const QStringList kWriteSuccess = {"Connectting...",
                                   "Connect Success!",
                                   "Transfer...",
                                   "Transfer Success!",
                                   "Verify...",
                                   "Verify Success!",
                                   "Erase flash...",
                                   "Erase flash Success!",
                                   "Program flash...",
                                   "Program flash Success!",
                                   "Erase eeprom Success!",
                                   "Update Success!"};

QString Sample_For(const QString &kind)
{
    return Sample_Path(kind == QLatin1String("data") ? QStringLiteral("CHANNEL_DATA.BIN")
                                                     : QStringLiteral("DEFAULT.BIN"));
}

} // namespace

class TestLinkTransfers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void read_delivers_the_served_file_data();
    void read_delivers_the_served_file();
    void write_stores_the_sent_file_data();
    void write_stores_the_sent_file();
    void read_replaces_an_existing_file();

private:
    QString path(const QString &name) const { return m_dir->path(name); }
    QStringList folder_entries() const { return m_dir->entries(); }

    std::unique_ptr<RunFolder> m_dir;
};

void TestLinkTransfers::init()
{
    m_dir = std::make_unique<RunFolder>();
    QVERIFY(m_dir->ok());
}

void TestLinkTransfers::initTestCase()
{
    QCOMPARE(Read_File(Sample_For("data")).size(), 262144);
    QCOMPARE(Read_File(Sample_For("default")).size(), 131072);
}

void TestLinkTransfers::read_delivers_the_served_file_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("faults");

    QTest::newRow("Channel Data") << "data" << QStringList();
    QTest::newRow("Default") << "default" << QStringList();
    // Every reply 20 ms late, as behind a USB adapter's latency timer.
    QTest::newRow("Default, receiver 20 ms late") << "default" << QStringList{"--latency", "20"};
    // The first request is answered with "TAPO" messages only; the PC reads them, waits for
    // them to stop and asks again.
    QTest::newRow("Channel Data after TAPO") << "data" << QStringList{"--tapo", "3"};
}

void TestLinkTransfers::read_delivers_the_served_file()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, faults);
    const QString out = path("read-" + kind + ".bin");
    QFile::remove(out);

    SimReceiver sim(
            QStringList{"--once", "--serve", Sample_For("data"), "--serve", Sample_For("default")}
            + faults);
    QVERIFY(!sim.device().isEmpty());
    const ProcessRun cli
            = Run_Cli({"read", "--port", sim.device(), "--kind", kind, out}, kTransferTimeoutMs);
    const ProcessRun receiver = sim.Finish(5000);

    QVERIFY2(cli.finished, cli.err.constData());
    QCOMPARE(cli.exit_code, 0);
    QCOMPARE(Status_Lines(cli.out), kReadSuccess);
    QVERIFY(Read_File(out) == Read_File(Sample_For(kind)));
    QCOMPARE(receiver.exit_code, 0);
    QVERIFY(!receiver.err.contains("while \"TAPO\" messages were still coming"));
    QCOMPARE(folder_entries(), QStringList{QFileInfo(out).fileName()});
    QFile::remove(out);
}

void TestLinkTransfers::write_stores_the_sent_file_data()
{
    QTest::addColumn<QString>("kind");

    QTest::newRow("Channel Data") << "data";
    QTest::newRow("Default") << "default";
}

void TestLinkTransfers::write_stores_the_sent_file()
{
    QFETCH(QString, kind);
    const QString store = path("stored-" + kind + ".bin");
    QVERIFY(Write_File(store, "what the receiver held before"));

    SimReceiver sim({"--once", "--store", store});
    QVERIFY(!sim.device().isEmpty());
    const ProcessRun cli
            = Run_Cli({"write", "--port", sim.device(), Sample_For(kind)}, kTransferTimeoutMs);
    const ProcessRun receiver = sim.Finish(5000);

    QVERIFY2(cli.finished, cli.err.constData());
    QCOMPARE(cli.exit_code, 0);
    QCOMPARE(Status_Lines(cli.out), kWriteSuccess);
    QCOMPARE(receiver.exit_code, 0);
    QVERIFY(Read_File(store) == Read_File(Sample_For(kind)));
    const QByteArray request = kind == "data" ? "< TDPO" : "< TFPO";
    QCOMPARE(Count_Lines(receiver.err, request), 1);
    QFile::remove(store);
}

// The received file takes the place of an older one only as a whole.
void TestLinkTransfers::read_replaces_an_existing_file()
{
    const QString out = path("existing.bin");
    QVERIFY(Write_File(out, QByteArray(1000, 'x')));
    SimReceiver sim({"--once", "--serve", Sample_For("default")});
    const ProcessRun cli = Run_Cli({"read", "--port", sim.device(), "--kind", "default", out},
                                   kTransferTimeoutMs);
    QCOMPARE(cli.exit_code, 0);
    QVERIFY(Read_File(out) == Read_File(Sample_For("default")));
    QCOMPARE(folder_entries(), QStringList{"existing.bin"});
    QFile::remove(out);
}

QTEST_GUILESS_MAIN(TestLinkTransfers)
#include "tst_link_transfers.moc"
