#include "link/MSCommLib_TLB.h"

#include "link/link_texts.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace orvane {
namespace {

// How long one write may wait for the line to take its bytes: far beyond the 24 ms a
// 256-byte block needs at 115,200 baud, short enough that a stuck line does not hang.
constexpr int kWriteTimeoutMs = 2000;

QSerialPort::Parity Parity_From(char letter)
{
    switch (letter) {
    case 'N':
    case 'n':
        return QSerialPort::NoParity;
    case 'E':
    case 'e':
        return QSerialPort::EvenParity;
    case 'O':
    case 'o':
        return QSerialPort::OddParity;
    case 'M':
    case 'm':
        return QSerialPort::MarkParity;
    case 'S':
    case 's':
        return QSerialPort::SpaceParity;
    default:
        throw PortError("Invalid port settings: parity '" + std::string(1, letter) + "'");
    }
}

std::vector<std::string> Split(const std::string &text)
{
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ',')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

int Number_From(const std::string &text, const std::string &settings)
{
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size())
            return value;
    } catch (const std::exception &) {
    }
    throw PortError("Invalid port settings: " + settings);
}

// Where the driver offers it, the port hands received bytes on at once instead of after a
// latency timer; a port without the option simply keeps its timing.
void Set_Low_Latency(int fd)
{
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd, TIOCSSERIAL, &serial);
}

bool Permission_Denied(const std::string &device)
{
    return ::access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES;
}

} // namespace

TMSComm::TMSComm()
    : m_port(std::make_unique<QSerialPort>())
    , m_devices(Com_Ports())
{}

TMSComm::~TMSComm()
{
    close_device();
}

bool TMSComm::Port_Open() const
{
    return m_port->isOpen();
}

void TMSComm::Set_Port_Open(bool open)
{
    if (!open)
        close_device();
    else if (!Port_Open())
        open_device();
}

void TMSComm::Set_Comm_Port(int number)
{
    m_comm_port = number;
}

void TMSComm::Set_Settings(const std::string &settings)
{
    const std::vector<std::string> parts = Split(settings);
    if (parts.size() != 4 || parts[1].size() != 1)
        throw PortError("Invalid port settings: " + settings);
    LineSettings line;
    line.baud = Number_From(parts[0], settings);
    line.parity = Parity_From(parts[1][0]);
    const int data_bits = Number_From(parts[2], settings);
    if (data_bits < 5 || data_bits > 8 || line.baud <= 0)
        throw PortError("Invalid port settings: " + settings);
    line.data_bits = static_cast<QSerialPort::DataBits>(data_bits);
    if (parts[3] == "1")
        line.stop_bits = QSerialPort::OneStop;
    else if (parts[3] == "1.5")
        line.stop_bits = QSerialPort::OneAndHalfStop;
    else if (parts[3] == "2")
        line.stop_bits = QSerialPort::TwoStop;
    else
        throw PortError("Invalid port settings: " + settings);
    m_settings = line;
}

std::string TMSComm::Device() const
{
    const auto found = std::find_if(m_devices.begin(), m_devices.end(), [&](const ComPort &port) {
        return port.number == m_comm_port;
    });
    return found == m_devices.end() ? std::string() : found->device;
}

// The line settings go in before the port opens: they are applied as it opens, parity
// included.
void TMSComm::open_device()
{
    const std::string device = Device();
    if (device.empty())
        throw PortError(link_text::kUsedByOther);
    m_port->setPortName(QString::fromStdString(device));
    m_port->setBaudRate(m_settings.baud);
    m_port->setParity(m_settings.parity);
    m_port->setDataBits(m_settings.data_bits);
    m_port->setStopBits(m_settings.stop_bits);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        if (Permission_Denied(device))
            throw PortError(link_text::Permission_Denied_Text(device));
        throw PortError(link_text::kUsedByOther);
    }
    Set_Low_Latency(static_cast<int>(m_port->handle()));
    m_received.clear();
}

void TMSComm::close_device()
{
    if (!Port_Open())
        return;
    Drain_Output();
    m_port->close();
    m_received.clear();
}

// Qt may have taken bytes into its own buffer while window messages ran; those are older
// than anything still in the driver, so they are taken first.
void TMSComm::take_waiting_bytes()
{
    if (!Port_Open())
        return;
    if (m_port->bytesAvailable() > 0) {
        const QByteArray buffered = m_port->readAll();
        m_received.insert(m_received.end(), buffered.begin(), buffered.end());
    }
    const int fd = static_cast<int>(m_port->handle());
    std::uint8_t chunk[4096];
    for (std::size_t waiting = driver_count(); waiting > 0; waiting = driver_count()) {
        const ssize_t n = ::read(fd, chunk, std::min(waiting, sizeof chunk));
        if (n <= 0)
            break;
        m_received.insert(m_received.end(), chunk, chunk + n);
    }
}

std::size_t TMSComm::driver_count() const
{
    int count = 0;
    if (::ioctl(static_cast<int>(m_port->handle()), FIONREAD, &count) != 0 || count < 0)
        return 0;
    return static_cast<std::size_t>(count);
}

int TMSComm::In_Buffer_Count()
{
    take_waiting_bytes();
    return static_cast<int>(std::min<std::size_t>(m_received.size(), INT32_MAX));
}

void TMSComm::Discard_Input()
{
    if (Port_Open()) {
        m_port->readAll();
        m_port->clear(QSerialPort::Input);
    }
    m_received.clear();
}

void TMSComm::Discard_Output()
{
    if (Port_Open())
        m_port->clear(QSerialPort::Output);
}

void TMSComm::Output(ByteView bytes)
{
    if (!Port_Open() || bytes.empty())
        return;
    m_port->write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()));
    m_port->flush();
    while (m_port->bytesToWrite() > 0 && m_port->waitForBytesWritten(kWriteTimeoutMs)) {
    }
}

Bytes TMSComm::Input()
{
    take_waiting_bytes();
    std::size_t n = m_received.size();
    if (m_input_len > 0)
        n = std::min(n, static_cast<std::size_t>(m_input_len));
    Bytes bytes(m_received.begin(), m_received.begin() + static_cast<std::ptrdiff_t>(n));
    m_received.erase(m_received.begin(), m_received.begin() + static_cast<std::ptrdiff_t>(n));
    return bytes;
}

void TMSComm::Drain_Output()
{
    if (!Port_Open())
        return;
    while (m_port->bytesToWrite() > 0 && m_port->waitForBytesWritten(kWriteTimeoutMs)) {
    }
    ::tcdrain(static_cast<int>(m_port->handle()));
}

void TMSComm::Wait_For_Input(int count, std::chrono::microseconds timeout)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    if (!Port_Open()) {
        std::this_thread::sleep_for(timeout);
        return;
    }
    take_waiting_bytes();
    while (m_received.size() < static_cast<std::size_t>(std::max(count, 0))) {
        const auto left
                = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return;
        pollfd watch{static_cast<int>(m_port->handle()), POLLIN, 0};
        const timespec wait{static_cast<time_t>(left.count() / 1000000000),
                            static_cast<long>(left.count() % 1000000000)};
        const int ready = ::ppoll(&watch, 1, &wait, nullptr);
        const std::size_t before = m_received.size();
        take_waiting_bytes();
        // A line that hung up reports itself at once; wait out the period instead of spinning.
        if (ready > 0 && m_received.size() == before && (watch.revents & ~POLLIN) != 0) {
            std::this_thread::sleep_until(deadline);
            return;
        }
        // The rest cannot come faster than the line carries it: sleep through most of that
        // instead of waking for every few bytes.
        const std::size_t missing
                = static_cast<std::size_t>(count)
                  - std::min<std::size_t>(m_received.size(), static_cast<std::size_t>(count));
        if (missing > 1)
            std::this_thread::sleep_until(
                    std::min(deadline, Clock::now() + wire_time(missing - 1)));
    }
}

// Start bit, data bits, parity bit, stop bits: 11 bits a byte at "115200,E,8,1".
std::chrono::nanoseconds TMSComm::wire_time(std::size_t bytes) const
{
    const int bits = 1 + m_settings.data_bits + (m_settings.parity == QSerialPort::NoParity ? 0 : 1)
                     + (m_settings.stop_bits == QSerialPort::OneStop ? 1 : 2);
    const auto total_bits = static_cast<long long>(bytes) * bits;
    return std::chrono::nanoseconds(total_bits * 1000000000LL / std::max(m_settings.baud, 1));
}

} // namespace orvane
