// TMSComm over a pseudo-terminal, and the mapping of COM numbers to devices.

#include "pty_pair.h"

#include "link/MSCommLib_TLB.h"
#include "link/com_ports.h"
#include "link/link_texts.h"
#include "link/poll_clock_qt.h"

#include <QCoreApplication>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace orvane;
using namespace orvane::test;
using namespace std::chrono_literals;

namespace {

std::string Text(const Bytes &bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

ByteView View(const std::string &text)
{
    return ByteView(reinterpret_cast<const std::uint8_t *>(text.data()), text.size());
}

// COM1 is the pseudo-terminal's device; COM2 has none.
void Point_Com1_At(const std::string &device)
{
    ::setenv("ORVANE_COM_PORTS", device.c_str(), 1);
}

void Open(TMSComm &comm)
{
    comm.Set_Comm_Port(1);
    comm.Set_Settings("115200,E,8,1");
    comm.Set_Port_Open(true);
}

std::string Open_Error(TMSComm &comm)
{
    try {
        Open(comm);
    } catch (const PortError &error) {
        return error.what();
    }
    return {};
}

} // namespace

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void map_com_ports_data();
    void map_com_ports();
    void environment_overrides_mapping();
    void labels();
    void counts_and_reads_text_one_character_at_a_time();
    void reads_binary_blocks_of_256();
    void writes_exact_bytes();
    void discards_input();
    void keeps_bytes_qt_buffered_in_order();
    void wait_returns_early_once_bytes_wait();
    void wait_runs_out_its_period();
    void missing_device_is_used_by_other();
    void busy_device_is_used_by_other();
    void permission_denied_names_device_and_group();
    void bad_settings_are_refused();
    void close_drains_last_command();
    void closed_port_counts_nothing();

private:
    std::unique_ptr<PtyPair> m_pair;
};

void TestSerialPort::init()
{
    m_pair = std::make_unique<PtyPair>();
    QVERIFY(m_pair->ok());
    Point_Com1_At(m_pair->device());
}

void TestSerialPort::map_com_ports_data()
{
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QStringList>("mapped"); // COM1, COM2, ...
    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("usb first") << QStringList{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyS1"}
                               << QStringList{"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyS1"};
    QTest::newRow("acm and usb in name order")
            << QStringList{"/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB0"}
            << QStringList{"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0"};
    QTest::newRow("numbers as numbers")
            << QStringList{"/dev/ttyS10", "/dev/ttyS2", "/dev/ttyUSB10", "/dev/ttyUSB9"}
            << QStringList{"/dev/ttyUSB9", "/dev/ttyUSB10", "/dev/ttyS2", "/dev/ttyS10"};
    QStringList many;
    QStringList first_ten;
    for (int i = 0; i < 12; ++i)
        many << QString("/dev/ttyS%1").arg(11 - i);
    for (int i = 0; i < 10; ++i)
        first_ten << QString("/dev/ttyS%1").arg(i);
    QTest::newRow("only ten") << many << first_ten;
}

void TestSerialPort::map_com_ports()
{
    QFETCH(QStringList, devices);
    QFETCH(QStringList, mapped);
    std::vector<std::string> input;
    for (const QString &device : devices)
        input.push_back(device.toStdString());
    const std::vector<ComPort> ports = Map_Com_Ports(input);
    QCOMPARE(static_cast<int>(ports.size()), 10);
    for (int n = 1; n <= 10; ++n) {
        QCOMPARE(ports[n - 1].number, n);
        const QString expected = n <= mapped.size() ? mapped[n - 1] : QString();
        QCOMPARE(QString::fromStdString(ports[n - 1].device), expected);
    }
}

void TestSerialPort::environment_overrides_mapping()
{
    ::setenv("ORVANE_COM_PORTS", "/dev/pts/7,,/dev/ttyX", 1);
    const std::vector<ComPort> ports = Com_Ports();
    QCOMPARE(static_cast<int>(ports.size()), 10);
    QCOMPARE(ports[0].device, std::string("/dev/pts/7"));
    QCOMPARE(ports[1].device, std::string());
    QCOMPARE(ports[2].device, std::string("/dev/ttyX"));
    QCOMPARE(ports[9].device, std::string());
}

void TestSerialPort::labels()
{
    QCOMPARE(Com_Port_Label(1), std::string("COM.01"));
    QCOMPARE(Com_Port_Label(9), std::string("COM.09"));
    QCOMPARE(Com_Port_Label(10), std::string("COM.10"));
}

void TestSerialPort::counts_and_reads_text_one_character_at_a_time()
{
    TMSComm comm;
    Open(comm);
    QVERIFY(comm.Port_Open());
    comm.Set_Input_Mode(InputMode::Text);
    comm.Set_Input_Len(1);
    m_pair->write("@YYXFTDPO@Y");
    comm.Wait_For_Input(11, 2s);
    QCOMPARE(comm.In_Buffer_Count(), 11);
    std::string reply;
    for (int i = 0; i < 9; ++i) {
        const Bytes one = comm.Input();
        QCOMPARE(one.size(), std::size_t(1));
        reply += Text(one);
    }
    QCOMPARE(reply, std::string("@YYXFTDPO"));
    QCOMPARE(comm.In_Buffer_Count(), 2);
}

void TestSerialPort::reads_binary_blocks_of_256()
{
    TMSComm comm;
    Open(comm);
    comm.Set_Input_Mode(InputMode::Binary);
    comm.Set_Input_Len(256);
    std::string bytes;
    for (int i = 0; i < 300; ++i)
        bytes += static_cast<char>(i * 7);
    m_pair->write(bytes);
    comm.Wait_For_Input(300, 2s);
    const Bytes block = comm.Input();
    QCOMPARE(block.size(), std::size_t(256));
    QCOMPARE(Text(block), bytes.substr(0, 256));
    QCOMPARE(comm.In_Buffer_Count(), 44);
    QCOMPARE(Text(comm.Input()), bytes.substr(256));
}

void TestSerialPort::writes_exact_bytes()
{
    TMSComm comm;
    Open(comm);
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    comm.Output(View("@YYXFRRSS"));
    comm.Output(View(all));
    QCOMPARE(m_pair->read(9 + 256), "@YYXFRRSS" + all);
}

void TestSerialPort::discards_input()
{
    TMSComm comm;
    Open(comm);
    m_pair->write("@YYXFTAPO");
    comm.Wait_For_Input(9, 2s);
    QCOMPARE(comm.In_Buffer_Count(), 9);
    comm.Discard_Input();
    QCOMPARE(comm.In_Buffer_Count(), 0);
    m_pair->write("@YYXFRRSS");
    comm.Wait_For_Input(9, 2s);
    comm.Set_Input_Len(9);
    QCOMPARE(Text(comm.Input()), std::string("@YYXFRRSS"));
}

// While window messages run, Qt reads the port into its own buffer; those bytes come first.
void TestSerialPort::keeps_bytes_qt_buffered_in_order()
{
    TMSComm comm;
    Open(comm);
    comm.Set_Input_Len(6);
    m_pair->write("ABC");
    std::this_thread::sleep_for(20ms);
    QCoreApplication::processEvents();
    m_pair->write("DEF");
    comm.Wait_For_Input(6, 2s);
    QCOMPARE(Text(comm.Input()), std::string("ABCDEF"));
}

void TestSerialPort::wait_returns_early_once_bytes_wait()
{
    TMSComm comm;
    Open(comm);
    std::thread answer([this] {
        std::this_thread::sleep_for(30ms);
        m_pair->write("@YYXF");
        std::this_thread::sleep_for(20ms);
        m_pair->write("RDPO");
    });
    const auto start = std::chrono::steady_clock::now();
    comm.Wait_For_Input(9, 3s);
    const auto took = std::chrono::steady_clock::now() - start;
    answer.join();
    QCOMPARE(comm.In_Buffer_Count(), 9);
    QVERIFY(took >= 45ms);
    QVERIFY(took < 1s);
}

void TestSerialPort::wait_runs_out_its_period()
{
    TMSComm comm;
    Open(comm);
    m_pair->write("@YYXF"); // fewer than awaited
    PortPollClock clock(comm);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 4; ++i)
        clock.Sleep_Poll(9);
    const auto took = std::chrono::steady_clock::now() - start;
    QVERIFY(took >= 4 * kPollPeriod);
    QVERIFY(took < 4 * kPollPeriod + 100ms);
    QCOMPARE(comm.In_Buffer_Count(), 5);
}

void TestSerialPort::missing_device_is_used_by_other()
{
    ::setenv("ORVANE_COM_PORTS", "/dev/orvane-no-such-port", 1);
    TMSComm missing;
    QCOMPARE(Open_Error(missing), std::string(link_text::kUsedByOther));
    QVERIFY(!missing.Port_Open());
    TMSComm none; // COM2 maps to nothing
    none.Set_Comm_Port(2);
    none.Set_Settings("115200,E,8,1");
    QVERIFY_THROWS_EXCEPTION(PortError, none.Set_Port_Open(true));
}

void TestSerialPort::busy_device_is_used_by_other()
{
    TMSComm first;
    Open(first);
    TMSComm second;
    QCOMPARE(Open_Error(second), std::string(link_text::kUsedByOther));
    QVERIFY(first.Port_Open());
}

// The superuser opens every device, so it tries as the unprivileged user "nobody" instead.
static std::string Open_Error_As_Nobody()
{
    int pipe_ends[2];
    if (::pipe(pipe_ends) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe_ends[0]);
        std::string message = "could not become nobody";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
            TMSComm comm;
            message = Open_Error(comm);
        }
        const ssize_t written = ::write(pipe_ends[1], message.data(), message.size());
        ::_exit(written < 0 ? 1 : 0);
    }
    ::close(pipe_ends[1]);
    std::string message;
    char chunk[512];
    for (ssize_t n; (n = ::read(pipe_ends[0], chunk, sizeof chunk)) > 0;)
        message.append(chunk, static_cast<std::size_t>(n));
    ::close(pipe_ends[0]);
    ::waitpid(child, nullptr, 0);
    return message;
}

void TestSerialPort::permission_denied_names_device_and_group()
{
    QCOMPARE(::chmod(m_pair->device().c_str(), 0600), 0);
    std::string message;
    if (::geteuid() == 0) {
        message = Open_Error_As_Nobody();
    } else {
        QCOMPARE(::chmod(m_pair->device().c_str(), 0), 0);
        TMSComm comm;
        message = Open_Error(comm);
    }
    QVERIFY2(message.find(m_pair->device()) != std::string::npos, message.c_str());
    QVERIFY(message.find("dialout") != std::string::npos);
    QVERIFY(message != link_text::kUsedByOther);
}

void TestSerialPort::bad_settings_are_refused()
{
    TMSComm comm;
    for (const char *settings : {"115200,X,8,1", "fast,E,8,1", "115200,E,9,1", "115200,E,8"})
        QVERIFY_THROWS_EXCEPTION(PortError, comm.Set_Settings(settings));
}

void TestSerialPort::close_drains_last_command()
{
    {
        TMSComm comm;
        Open(comm);
        comm.Output(View("@YYXFREFS"));
        comm.Output(View("@YYXFRWFS"));
    }
    QCOMPARE(m_pair->read(18), std::string("@YYXFREFS@YYXFRWFS"));
}

void TestSerialPort::closed_port_counts_nothing()
{
    TMSComm comm;
    m_pair->write("@YYXFTDPO");
    QCOMPARE(comm.In_Buffer_Count(), 0);
    QVERIFY(comm.Input().empty());
    comm.Output(View("@YYXFRDPO")); // nothing sent, no crash
    const auto start = std::chrono::steady_clock::now();
    comm.Wait_For_Input(9, 10ms);
    QVERIFY(std::chrono::steady_clock::now() - start >= 10ms);
    QCOMPARE(m_pair->read(1, 50), std::string());
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serial_port.moc"
