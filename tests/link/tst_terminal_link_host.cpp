// The command line's stand-in for the communication dialog: what reaches the terminal.

#include "cli/terminal_link_host.h"
#include "link/link_texts.h"

#include <QTest>

#include <sstream>

using namespace orvane;
using namespace orvane::cli;

class TestTerminalLinkHost : public QObject
{
    Q_OBJECT

private slots:
    void progress_percent_data();
    void progress_percent();
    void status_lines_without_terminal();
    void bar_on_terminal();
    void port_error_ends_transfer();
};

void TestTerminalLinkHost::progress_percent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("percent");
    QTest::newRow("read") << "Transfering:  0%" << 0;
    QTest::newRow("data") << "Transfering Data:  45%" << 45;
    QTest::newRow("crc") << "Transfering CRC:  100%" << 100;
    QTest::newRow("status") << "Transfer Success!" << -1;
    QTest::newRow("no number") << "Transfering:  %" << -1;
    QTest::newRow("one space") << "Transfering: 5%" << -1;
}

void TestTerminalLinkHost::progress_percent()
{
    QFETCH(QString, text);
    QFETCH(int, percent);
    QCOMPARE(Progress_Percent(text.toStdString()), percent);
}

void TestTerminalLinkHost::status_lines_without_terminal()
{
    std::ostringstream out, err;
    {
        TerminalLinkHost host(out, err, false, 0);
        for (const char *text : {"Connectting...", "Connectting...", "Connect Success!",
                                 "Transfer...", "Transfer Success!", "Transfering Data:  1%",
                                 "Transfer Success!", "Transfering Data:  2%", "Verify..."})
            host.Show_Status(text);
    }
    QCOMPARE(out.str(), std::string("Connectting...\nConnect Success!\nTransfer...\n"
                                    "Transfer Success!\nVerify...\n"));
    QCOMPARE(err.str(), std::string());
}

void TestTerminalLinkHost::bar_on_terminal()
{
    std::ostringstream out, err;
    {
        TerminalLinkHost host(out, err, true, 0);
        host.Show_Status("Transfering:  50%");
        host.Show_Status("Verify...");
    }
    const std::string bar
            = "\r\033[K[" + std::string(20, '#') + std::string(20, ' ') + "] Transfering:  50%";
    QCOMPARE(out.str(), bar + "\nVerify...\n");
}

void TestTerminalLinkHost::port_error_ends_transfer()
{
    std::ostringstream out, err;
    TerminalLinkHost::Install_Interrupt_Handler();
    TerminalLinkHost host(out, err, false, 2);
    QCOMPARE(host.Selected_Port_Index(), 2);
    QVERIFY(host.Link_Running());
    host.Port_Error(link_text::Permission_Denied_Text("/dev/ttyUSB0"));
    QVERIFY(!host.Link_Running());
    QVERIFY(err.str().find("/dev/ttyUSB0") != std::string::npos);
    QVERIFY(err.str().find('\r') == std::string::npos);
}

QTEST_APPLESS_MAIN(TestTerminalLinkHost)
#include "tst_terminal_link_host.moc"
