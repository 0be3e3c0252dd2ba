#include "pty_pair.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace orvane::test {

PtyPair::PtyPair()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return;
    termios raw{};
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 || ::tcgetattr(m_master, &raw) != 0) {
        ::close(m_master);
        m_master = -1;
        return;
    }
    ::cfmakeraw(&raw);
    ::tcsetattr(m_master, TCSANOW, &raw);
    m_device = ::ptsname(m_master);
}

PtyPair::~PtyPair()
{
    if (m_master >= 0)
        ::close(m_master);
}

void PtyPair::write(const std::string &bytes) const
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

std::string PtyPair::read(std::size_t want, int timeout_ms) const
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    std::string bytes;
    while (bytes.size() < want) {
        const auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd watch{m_master, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&watch, 1, static_cast<int>(left.count())) <= 0)
            break;
        char chunk[1024];
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n <= 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
}

} // namespace orvane::test
