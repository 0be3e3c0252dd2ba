#include "tools/sim_receiver/pty_master.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace orvane::sim {
namespace {

[[noreturn]] void Throw_Errno(const char *what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

PtyMaster::PtyMaster()
{
    m_fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_fd < 0)
        Throw_Errno("posix_openpt");
    char name[PATH_MAX];
    if (grantpt(m_fd) != 0 || unlockpt(m_fd) != 0 || ptsname_r(m_fd, name, sizeof name) != 0) {
        ::close(m_fd);
        Throw_Errno("preparing the pseudo-terminal");
    }
    m_slave_path = name;
    fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    Make_Slave_Raw();
}

PtyMaster::~PtyMaster()
{
    ::close(m_fd);
}

// Raw mode before the PC opens the device: no echo, no line editing, no character
// translation, so that a block full of control bytes passes through unchanged. The settings
// stay with the terminal while this end is open, across the PC's opens and closes.
void PtyMaster::Make_Slave_Raw() const
{
    const int slave = ::open(m_slave_path.c_str(), O_RDWR | O_NOCTTY);
    if (slave < 0)
        Throw_Errno("opening the slave device");
    termios settings{};
    tcgetattr(slave, &settings);
    cfmakeraw(&settings);
    cfsetspeed(&settings, B115200);
    settings.c_cflag |= CLOCAL | CREAD;
    const bool applied = tcsetattr(slave, TCSANOW, &settings) == 0;
    ::close(slave);
    if (!applied)
        Throw_Errno("setting raw mode");
}

bool PtyMaster::Slave_Closed() const
{
    pollfd watch{m_fd, POLLIN, 0};
    return ::poll(&watch, 1, 0) > 0 && (watch.revents & POLLHUP) != 0;
}

int PtyMaster::Bytes_Waiting() const
{
    int count = 0;
    if (::ioctl(m_fd, FIONREAD, &count) != 0)
        return 0;
    return count;
}

} // namespace orvane::sim
