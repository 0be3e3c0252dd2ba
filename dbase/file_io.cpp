#include "dbase/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

std::string System_Reason(int error)
{
    return std::strerror(error);
}

std::string Folder_Of(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool Write_All(int fd, ByteView bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A new file gets the permissions a plain create would give it; a replaced file keeps its own.
mode_t Mode_For(const std::string &path)
{
    struct stat info
    {};
    if (::stat(path.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void Sync_Folder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool File_Exists(const std::string &path)
{
    struct stat info
    {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::size_t> File_Size(const std::string &path)
{
    struct stat info
    {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return static_cast<std::size_t>(info.st_size);
}

bool Read_Whole_File(const std::string &path, Bytes &bytes, std::string &reason)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason = System_Reason(errno);
        return false;
    }
    bytes.clear();
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason = System_Reason(errno);
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return true;
}

bool Write_File_Atomically(const std::string &path, ByteView bytes, std::string &reason)
{
    const mode_t mode = Mode_For(path);
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        reason = System_Reason(errno);
        return false;
    }
    bool ok = Write_All(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        reason = System_Reason(error == 0 ? EIO : error);
        return false;
    }
    Sync_Folder(Folder_Of(path));
    return true;
}

} // namespace orvane
