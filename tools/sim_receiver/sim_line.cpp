#include "tools/sim_receiver/sim_line.h"

#include "tools/sim_receiver/commands.h"
#include "tools/sim_receiver/sim_log.h"
#include "tools/sim_receiver/stop_signal.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <poll.h>
#include <time.h>
#include <unistd.h>

namespace orvane::sim {
namespace {

using namespace std::chrono_literals;

// Paced bytes move in small pieces so that each piece appears when its last byte would have
// crossed the line: 16 bytes are about 1.5 ms of wire time.
constexpr std::size_t kTxChunk = 16;
constexpr std::size_t kRxChunk = 16;
// The longest the simulator sleeps before looking at a stop signal or a hang-up again.
constexpr auto kLookAgain = 20ms;

void Sleep_Until(Clock::time_point until)
{
    for (Clock::time_point now = Clock::now(); now < until && !Stop_Requested();
         now = Clock::now()) {
        const auto step = std::min<Clock::duration>(until - now, kLookAgain);
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(step).count();
        const timespec pause{static_cast<time_t>(ns / 1'000'000'000),
                             static_cast<long>(ns % 1'000'000'000)};
        nanosleep(&pause, nullptr);
    }
}

int Poll_Timeout_Ms(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, kLookAgain.count()));
}

// Could the bytes seen so far, starting with "@", still become a command?
bool Could_Become_Command(const Bytes &bytes)
{
    const std::size_t checked = std::min(bytes.size(), kCommandPrefix.size());
    return std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(checked),
                      kCommandPrefix.begin());
}

} // namespace

SimLine::SimLine(PtyMaster &pty, bool paced)
    : m_pty(pty)
    , m_tx(paced)
    , m_rx(paced)
{}

std::optional<std::string> SimLine::Read_Command(Clock::time_point deadline)
{
    for (;;) {
        if (auto code = Parse_Command())
            return code;
        if (!Pull(deadline))
            return std::nullopt;
    }
}

bool SimLine::Read_Bytes(std::size_t count, Bytes &out, Clock::time_point deadline)
{
    while (m_arrived.size() < count) {
        if (!Pull(deadline))
            return false;
    }
    const auto end = m_arrived.begin() + static_cast<std::ptrdiff_t>(count);
    out.insert(out.end(), m_arrived.begin(), end);
    m_arrived.erase(m_arrived.begin(), end);
    return true;
}

// Drops whatever cannot start a command; returns a command once all 9 bytes are in.
std::optional<std::string> SimLine::Parse_Command()
{
    while (!m_arrived.empty()) {
        const auto at = std::find(m_arrived.begin(), m_arrived.end(), '@');
        m_skipped += static_cast<std::size_t>(at - m_arrived.begin());
        m_arrived.erase(m_arrived.begin(), at);
        if (m_arrived.size() < kCommandSize && Could_Become_Command(m_arrived))
            return std::nullopt;
        const std::string text(m_arrived.begin(), m_arrived.begin()
                                                          + static_cast<std::ptrdiff_t>(std::min(
                                                                  m_arrived.size(), kCommandSize)));
        const std::string code = text.substr(std::min(text.size(), kCommandPrefix.size()));
        if (text.size() == kCommandSize && Could_Become_Command(m_arrived)
            && Is_Command_Code(code)) {
            m_arrived.erase(m_arrived.begin(), m_arrived.begin() + kCommandSize);
            if (m_skipped > 0)
                Log_Note("skipped " + std::to_string(m_skipped) + " bytes before a command");
            m_skipped = 0;
            Log_Received(code);
            return code;
        }
        m_arrived.erase(m_arrived.begin());
        ++m_skipped;
    }
    return std::nullopt;
}

// Takes in more bytes from the terminal: true once some arrived.
bool SimLine::Pull(Clock::time_point deadline)
{
    while (!Stop_Requested()) {
        const int waiting = m_pty.Bytes_Waiting();
        if (waiting > 0)
            return Take_Waiting(static_cast<std::size_t>(waiting), deadline);
        m_rx.Line_Idle();
        if (m_pty.Slave_Closed() || !Wait_Readable(deadline))
            return false;
    }
    return false;
}

bool SimLine::Take_Waiting(std::size_t waiting, Clock::time_point deadline)
{
    std::array<std::uint8_t, 4096> buffer{};
    std::size_t count = std::min(waiting, buffer.size());
    if (m_rx.paced())
        count = std::min(count, kRxChunk);
    const Clock::time_point arrival = m_rx.Arrival_Of(count);
    Sleep_Until(std::min(arrival, deadline));
    if (Clock::now() < arrival)
        return false;
    const ssize_t got = ::read(m_pty.fd(), buffer.data(), count);
    if (got <= 0)
        return false;
    m_arrived.insert(m_arrived.end(), buffer.begin(), buffer.begin() + got);
    m_rx.Taken(static_cast<std::size_t>(got));
    return true;
}

bool SimLine::Wait_Readable(Clock::time_point deadline)
{
    if (Clock::now() >= deadline)
        return false;
    pollfd watch{m_pty.fd(), POLLIN, 0};
    ::poll(&watch, 1, Poll_Timeout_Ms(deadline));
    return true;
}

bool SimLine::Send_Command(std::string_view code)
{
    std::string text(kCommandPrefix);
    text += code;
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    if (!Send_Bytes(ByteView(bytes, text.size())))
        return false;
    Log_Sent(code);
    return true;
}

bool SimLine::Send_Bytes(ByteView bytes)
{
    return m_tx.paced() ? Write_Paced(bytes) : Write_All(bytes);
}

bool SimLine::Write_Paced(ByteView bytes)
{
    const Clock::time_point start = m_tx.Begin(bytes.size());
    for (std::size_t begin = 0; begin < bytes.size(); begin += kTxChunk) {
        const std::size_t end = std::min(bytes.size(), begin + kTxChunk);
        Sleep_Until(start + Wire_Time(end));
        if (!Write_All(bytes.subspan(begin, end - begin)))
            return false;
    }
    return true;
}

bool SimLine::Write_All(ByteView bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (Stop_Requested() || m_pty.Slave_Closed())
            return false;
        const ssize_t put = ::write(m_pty.fd(), bytes.data() + done, bytes.size() - done);
        if (put > 0) {
            done += static_cast<std::size_t>(put);
        } else if (errno == EAGAIN) {
            pollfd watch{m_pty.fd(), POLLOUT, 0};
            ::poll(&watch, 1, static_cast<int>(kLookAgain.count()));
        } else if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

void SimLine::Pause(Clock::duration duration)
{
    const Clock::time_point until = Clock::now() + duration;
    while (Clock::now() < until && !Stop_Requested() && !m_pty.Slave_Closed())
        Sleep_Until(std::min(until, Clock::now() + kLookAgain));
}

bool SimLine::Peer_Gone() const
{
    return m_arrived.empty() && m_pty.Slave_Closed() && m_pty.Bytes_Waiting() == 0;
}

bool SimLine::Wait_For_Peer()
{
    while (!Stop_Requested()) {
        if (!m_pty.Slave_Closed() || m_pty.Bytes_Waiting() > 0)
            return true;
        Sleep_Until(Clock::now() + kLookAgain);
    }
    return false;
}

void SimLine::Wait_For_Hang_Up(Clock::duration limit)
{
    const Clock::time_point deadline = Clock::now() + limit;
    while (!Peer_Gone() && !Stop_Requested() && Clock::now() < deadline)
        Read_Command(std::min(deadline, Clock::now() + kLookAgain));
}

} // namespace orvane::sim
