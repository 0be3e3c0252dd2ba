#include "dbase/file_io.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orvane {
namespace {

// A link chain longer than this is treated as a loop, as the system does.
constexpr int kMaxLinkHops = 40;
// The target's name in a temporary name is cut here, so that the whole name stays within the
// 255 bytes a folder entry may hold.
constexpr std::size_t kMaxNameInTemporary = 200;
constexpr const char *kTemporaryTag = ".orvane-";
constexpr std::size_t kRandomLength = 6;

WriteCalls g_calls{::write, ::fsync, ::rename};

std::string System_Reason(int error)
{
    return std::strerror(error == 0 ? EIO : error);
}

bool Fail(std::string &reason, int error)
{
    reason = System_Reason(error);
    return false;
}

bool Write_All(int fd, ByteView bytes, int &error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = g_calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void Sync_Folder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A file its owner made read-only is refused as an in-place write would refuse it, even for a
// user (root) whom the system would let through.
bool Writable(const std::string &path, const struct stat &info, std::string &reason)
{
    if ((info.st_mode & 0222) == 0)
        return Fail(reason, EACCES);
    if (::access(path.c_str(), W_OK) != 0)
        return Fail(reason, errno);
    return true;
}

mode_t New_File_Mode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A replaced file keeps its owner and group where the process may set them; a group alone is
// the next best thing. Failing both is not an error: the file is the user's own.
void Keep_Owner(int fd, const struct stat &info)
{
    if (::fchown(fd, info.st_uid, info.st_gid) == 0)
        return;
    if (::fchown(fd, static_cast<uid_t>(-1), info.st_gid) != 0)
        return;
}

// Gives the complete file at from the name to, failing with EEXIST where anything stands
// there. Where the file system cannot rename without replacing, a second link does the same.
bool Place_New(const std::string &from, const std::string &to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return false;
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

bool Is_Random_Tail(const std::string &text)
{
    if (text.size() != kRandomLength)
        return false;
    return std::ranges::all_of(text, [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// A temporary file younger than this may belong to a write that has created it and not yet
// locked it; a killed write's file only has to go before the folder fills up.
constexpr time_t kStaleAfterSeconds = 60;

bool Old_Enough(const struct stat &info)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return info.st_mtim.tv_sec + kStaleAfterSeconds < now.tv_sec;
}

// A temporary file whose writer died carries no lock; the lock of a running write keeps it.
// The age comes first: taking the lock of a fresh file would make its writer wait for it.
void Remove_If_Stale(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat held
    {};
    struct stat named
    {};
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && Old_Enough(held)
        && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0
        && named.st_ino == held.st_ino && named.st_dev == held.st_dev)
        ::unlink(path.c_str());
    ::close(fd);
}

} // namespace

// Follows the links of the last component until a file, a missing entry or another object is
// reached; a relative link counts from the folder of the link.
bool Resolve_Links(const std::string &path, std::string &resolved, std::string &reason)
{
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info
        {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return Fail(reason, errno);
            resolved = current;
            return true;
        }
        if (!S_ISLNK(info.st_mode)) {
            resolved = current;
            return true;
        }
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer - 1);
        if (n < 0)
            return Fail(reason, errno);
        std::string next(buffer, static_cast<std::size_t>(n));
        current = next.starts_with('/') ? next : Folder_Of(current).append("/").append(next);
    }
    return Fail(reason, ELOOP);
}

// O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused once open.
int Open_Regular_File(const std::string &path, std::string &reason)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reason = System_Reason(errno);
        return -1;
    }
    struct stat info
    {};
    if (::fstat(fd, &info) != 0)
        reason = System_Reason(errno);
    else if (!S_ISREG(info.st_mode))
        reason = Not_Regular_Reason(info.st_mode);
    else
        return fd;
    ::close(fd);
    return -1;
}

std::string Folder_Of(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Name_Of(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Not_Regular_Reason(mode_t mode)
{
    if (S_ISDIR(mode))
        return System_Reason(EISDIR);
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "Is a device, not a regular file";
    if (S_ISFIFO(mode))
        return "Is a FIFO, not a regular file";
    if (S_ISSOCK(mode))
        return "Is a socket, not a regular file";
    return "Not a regular file";
}

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

// The buffer grows with what the file holds, up to one byte past max_size: a file that says it
// is larger is refused without a read, and memory follows the file, not the limit.
bool Read_Whole_File(const std::string &path, Bytes &bytes, std::string &reason,
                     std::size_t max_size)
{
    constexpr std::size_t kFirstChunk = 65536;
    const int fd = Open_Regular_File(path, reason);
    if (fd < 0)
        return false;
    struct stat info
    {};
    const std::size_t said = ::fstat(fd, &info) == 0 ? static_cast<std::size_t>(info.st_size) : 0;
    const std::size_t limit = max_size + 1;
    if (said > max_size) {
        ::close(fd);
        bytes.assign(limit, 0);
        return true;
    }
    bytes.resize(std::min(limit, std::max(said + 1, kFirstChunk)));
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() == limit)
                break;
            bytes.resize(std::min(limit, bytes.size() * 2));
        }
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            bytes.clear();
            return Fail(reason, error);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    return true;
}

bool Read_Document(const std::string &path, std::string &text, std::string &reason)
{
    if (const std::optional<std::size_t> size = File_Size(path); size && *size > kMaxDocumentSize) {
        reason = "It holds " + std::to_string(*size) + " bytes; a document may hold at most "
                 + std::to_string(kMaxDocumentSize >> 20) + " MB.";
        return false;
    }
    Bytes bytes;
    if (!Read_Whole_File(path, bytes, reason, kMaxDocumentSize))
        return false;
    if (bytes.size() > kMaxDocumentSize) { // it grew since its size was taken
        reason = "It holds more than " + std::to_string(kMaxDocumentSize >> 20) + " MB.";
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

std::string Temporary_Prefix(const std::string &target_name)
{
    return "." + target_name.substr(0, kMaxNameInTemporary) + kTemporaryTag;
}

bool Is_Temporary_File_Name(const std::string &entry)
{
    const std::size_t tag_length = std::strlen(kTemporaryTag);
    if (entry.size() < 1 + tag_length + kRandomLength || entry[0] != '.')
        return false;
    const std::size_t tag_at = entry.size() - kRandomLength - tag_length;
    return entry.compare(tag_at, tag_length, kTemporaryTag) == 0
           && Is_Random_Tail(entry.substr(entry.size() - kRandomLength));
}

void Remove_Stale_Temporaries(const std::string &folder, const std::string &target_name)
{
    DIR *dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const std::string prefix = target_name.empty() ? "" : Temporary_Prefix(target_name);
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (Is_Temporary_File_Name(name)
            && (prefix.empty()
                || (name.starts_with(prefix) && name.size() == prefix.size() + kRandomLength)))
            Remove_If_Stale(std::string(folder).append("/").append(name));
    }
    ::closedir(dir);
}

AtomicFileWriter::~AtomicFileWriter()
{
    Discard();
}

void AtomicFileWriter::Discard()
{
    if (m_fd < 0)
        return;
    ::unlink(m_temporary.c_str());
    ::close(m_fd);
    m_fd = -1;
}

bool AtomicFileWriter::Open(const std::string &path, std::string &reason)
{
    Discard();
    if (path.empty())
        return Fail(reason, ENOENT);
    if (!Resolve_Links(path, m_target, reason) || !Recheck_Target(reason))
        return false;
    const std::string folder = Folder_Of(m_target);
    Remove_Stale_Temporaries(folder, Name_Of(m_target));
    m_temporary = folder + "/" + Temporary_Prefix(Name_Of(m_target)) + "XXXXXX";
    m_fd = ::mkostemp(m_temporary.data(), O_CLOEXEC);
    if (m_fd < 0)
        return Fail(reason, errno);
    // Held until the rename: it tells a later write that this file is not stale.
    ::flock(m_fd, LOCK_EX);
    return true;
}

bool AtomicFileWriter::Recheck_Target(std::string &reason)
{
    m_target_exists = ::stat(m_target.c_str(), &m_target_info) == 0;
    if (m_target_exists && !S_ISREG(m_target_info.st_mode)) {
        reason = Not_Regular_Reason(m_target_info.st_mode);
        return false;
    }
    return !m_target_exists || Writable(m_target, m_target_info, reason);
}

bool AtomicFileWriter::Append(ByteView bytes, std::string &reason)
{
    int error = EBADF;
    if (m_fd >= 0 && Write_All(m_fd, bytes, error))
        return true;
    Discard();
    return Fail(reason, error);
}

bool AtomicFileWriter::Commit(std::string &reason)
{
    if (m_fd >= 0 && m_target_exists)
        Keep_Owner(m_fd, m_target_info);
    const mode_t mode = m_target_exists ? m_target_info.st_mode & 07777 : New_File_Mode();
    return Place(mode, true, reason);
}

bool AtomicFileWriter::Commit_New(mode_t mode, std::string &reason)
{
    return Place(mode, false, reason);
}

bool AtomicFileWriter::Place(mode_t mode, bool replace, std::string &reason)
{
    if (m_fd < 0)
        return Fail(reason, EBADF);
    if (::fchmod(m_fd, mode) != 0 || g_calls.fsync(m_fd) != 0
        || !(replace ? g_calls.rename(m_temporary.c_str(), m_target.c_str()) == 0
                     : Place_New(m_temporary, m_target))) {
        const int error = errno;
        Discard();
        return Fail(reason, error);
    }
    ::close(m_fd);
    m_fd = -1;
    Sync_Folder(Folder_Of(m_target));
    return true;
}

bool Write_File_Atomically(const std::string &path, ByteView bytes, std::string &reason)
{
    AtomicFileWriter writer;
    return writer.Open(path, reason) && writer.Append(bytes, reason) && writer.Commit(reason);
}

ScopedWriteCalls::ScopedWriteCalls(const WriteCalls &calls)
    : m_saved(g_calls)
{
    g_calls = calls;
}

ScopedWriteCalls::~ScopedWriteCalls()
{
    g_calls = m_saved;
}

} // namespace orvane
