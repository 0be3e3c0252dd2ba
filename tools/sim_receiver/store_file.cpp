#include "tools/sim_receiver/store_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane::sim {
namespace {

std::string Temporary_Template(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    return folder + ".orvane-sim-store.XXXXXX";
}

// mkstemp creates the file for its owner only; the stored file gets the usual permissions.
void Give_Usual_Permissions(int fd)
{
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

bool Write_Fully(int fd, ByteView bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

} // namespace

std::string Store_Atomically(const std::string &path, ByteView bytes)
{
    std::string temporary = Temporary_Template(path);
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return "cannot create a file beside " + path + ": " + std::strerror(errno);
    Give_Usual_Permissions(fd);
    const bool written = Write_Fully(fd, bytes) && ::fsync(fd) == 0;
    const int write_error = errno;
    const bool closed = ::close(fd) == 0;
    if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0)
        return {};
    const std::string reason = std::strerror(written && closed ? errno : write_error);
    ::unlink(temporary.c_str());
    return "cannot write " + path + ": " + reason;
}

} // namespace orvane::sim
