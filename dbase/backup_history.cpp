#include "dbase/backup_history.h"

#include "dbase/backup_names.h"
#include "dbase/messages.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;

// Another writer holds the lock for one copy and one write; a writer that holds it longer has
// stopped, and a save must not hang on it.
constexpr auto kLockWait = 30s;
constexpr auto kLongestPause = 50ms;
// Folders that hold another file's history under the same hash before this one gives up.
constexpr int kMostAttempts = 16;
constexpr std::size_t kCopyChunk = 65536;
constexpr mode_t kPrivateFolder = 0700;

Outcome Failed(const std::string &folder, int error)
{
    return Outcome::failure(msg::Backup_Failed(folder, std::strerror(error == 0 ? EIO : error)));
}

// Closes a descriptor however the function that opened it ends.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Made 0700; one that we own and that is open to others (an earlier version made 0755 ones)
// is closed. The folders above it are the user's.
Outcome Private_Folder(const std::string &folder)
{
    std::error_code error;
    std::filesystem::create_directories(Folder_Of(folder), error);
    if (error)
        return Outcome::failure(msg::Backup_Failed(folder, error.message()));
    if (::mkdir(folder.c_str(), kPrivateFolder) != 0 && errno != EEXIST)
        return Failed(folder, errno);
    struct stat info
    {};
    if (::stat(folder.c_str(), &info) != 0)
        return Failed(folder, errno);
    if (!S_ISDIR(info.st_mode))
        return Failed(folder, ENOTDIR);
    if (info.st_uid == ::geteuid() && (info.st_mode & 07777) != kPrivateFolder)
        ::chmod(folder.c_str(), kPrivateFolder);
    return Outcome::success();
}

bool Read_At(int fd, Bytes &chunk, off_t at, std::size_t &got)
{
    for (;;) {
        const ssize_t n = ::pread(fd, chunk.data(), chunk.size(), at);
        if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return true;
        }
        if (errno != EINTR)
            return false;
    }
}

// Whether the file at path holds exactly the size bytes of fd. A file that cannot be read
// counts as different: one copy too many loses nothing.
bool Same_Bytes(int fd, off_t size, const std::string &path)
{
    std::string reason;
    const Descriptor other{Open_Regular_File(path, reason)};
    struct stat info
    {};
    if (other.fd < 0 || ::fstat(other.fd, &info) != 0 || info.st_size != size)
        return false;
    Bytes mine(kCopyChunk);
    Bytes theirs(kCopyChunk);
    for (off_t at = 0; at < size;) {
        std::size_t a = 0;
        std::size_t b = 0;
        if (!Read_At(fd, mine, at, a) || !Read_At(other.fd, theirs, at, b) || a != b || a == 0
            || !std::equal(mine.begin(), mine.begin() + static_cast<std::ptrdiff_t>(a),
                           theirs.begin()))
            return false;
        at += static_cast<off_t>(a);
    }
    return true;
}

bool Copy_Into(int fd, AtomicFileWriter &writer, std::string &reason)
{
    Bytes chunk(kCopyChunk);
    for (off_t at = 0;;) {
        std::size_t got = 0;
        if (!Read_At(fd, chunk, at, got)) {
            reason = std::strerror(errno);
            return false;
        }
        if (got == 0)
            return true;
        if (!writer.Append(ByteView(chunk).first(got), reason))
            return false;
        at += static_cast<off_t>(got);
    }
}

bool Write_Origin(const std::string &folder, const std::string &origin, std::string &reason)
{
    const std::string line = origin + '\n';
    return Write_File_Atomically(
            folder + "/" + kOriginFileName,
            ByteView(reinterpret_cast<const std::uint8_t *>(line.data()), line.size()), reason);
}

} // namespace

std::vector<BackupFile> History_Backups(const std::string &history_folder,
                                        const std::string &origin)
{
    std::vector<BackupFile> backups;
    DIR *dir = ::opendir(history_folder.c_str());
    if (dir == nullptr)
        return backups;
    while (const dirent *entry = ::readdir(dir)) {
        std::optional<BackupFile> backup = Parse_History_Name(entry->d_name);
        if (!backup)
            continue;
        backup->path = history_folder + "/" + entry->d_name;
        struct stat info
        {};
        if (::lstat(backup->path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        backup->size = static_cast<std::uintmax_t>(info.st_size);
        backup->origin = origin;
        if (!origin.empty())
            backup->file_name = Name_Of(origin);
        backups.push_back(std::move(*backup));
    }
    ::closedir(dir);
    std::sort(backups.begin(), backups.end(),
              [](const BackupFile &a, const BackupFile &b) { return a.sequence > b.sequence; });
    return backups;
}

BackupHistory::~BackupHistory()
{
    Unlock();
}

Outcome BackupHistory::Open(const std::string &backups_folder, const std::string &origin)
{
    if (Outcome made = Private_Folder(backups_folder); !made)
        return made;
    m_short_name = Short_Name(Name_Of(origin));
    for (int attempt = 1; attempt <= kMostAttempts; ++attempt) {
        m_folder = backups_folder + "/" + History_Folder_Name(origin, attempt);
        bool taken = false;
        if (Outcome claimed = Claim(origin, taken); !claimed || taken)
            return claimed;
    }
    return Outcome::failure(msg::Backup_Failed(
            backups_folder, "Every folder for the backups of " + origin + " holds another file's"));
}

// Takes m_folder for origin, locked, unless it holds another file's history (taken is false
// then, and the lock released). A folder without an origin file is new, or lost its file.
Outcome BackupHistory::Claim(const std::string &origin, bool &taken)
{
    taken = false;
    Outcome step = Private_Folder(m_folder);
    if (step)
        step = Lock();
    if (!step)
        return step;
    const std::string origin_file = m_folder + "/" + kOriginFileName;
    struct stat info
    {};
    if (const std::optional<std::string> owner = Read_Origin(m_folder)) {
        taken = *owner == origin;
    } else if (::lstat(origin_file.c_str(), &info) != 0) {
        std::string reason;
        if (!Write_Origin(m_folder, origin, reason))
            return Outcome::failure(msg::Backup_Failed(m_folder, reason));
        taken = true;
    }
    if (taken)
        Remove_Stale_Temporaries(m_folder, {});
    else
        Unlock();
    return Outcome::success();
}

Outcome BackupHistory::Lock()
{
    Unlock();
    const std::string path = m_folder + "/" + kLockFileName;
    m_lock = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_lock < 0)
        return Failed(m_folder, errno);
    const auto give_up = std::chrono::steady_clock::now() + kLockWait;
    auto pause = 1ms;
    while (::flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return Failed(m_folder, errno);
        if (std::chrono::steady_clock::now() > give_up) {
            Unlock();
            return Outcome::failure(msg::Backup_Failed(
                    m_folder, "Another write of the same file has not finished in 30 seconds"));
        }
        std::this_thread::sleep_for(pause);
        pause = std::min<std::chrono::milliseconds>(pause * 2, kLongestPause);
    }
    return Outcome::success();
}

void BackupHistory::Unlock()
{
    if (m_lock >= 0)
        ::close(m_lock);
    m_lock = -1;
}

Outcome BackupHistory::Back_Up(const std::string &source)
{
    std::string reason;
    const Descriptor file{Open_Regular_File(source, reason)};
    if (file.fd < 0)
        return Outcome::failure(msg::Backup_Failed(m_folder, reason));
    struct stat info
    {};
    if (::fstat(file.fd, &info) != 0)
        return Failed(m_folder, errno);
    const std::vector<BackupFile> backups = History_Backups(m_folder, {});
    if (!backups.empty() && Same_Bytes(file.fd, info.st_size, backups.front().path))
        return Outcome::success();
    const int sequence = backups.empty() ? 1 : backups.front().sequence + 1;
    const std::string path
            = m_folder + "/"
              + History_Backup_Name(m_short_name, sequence, Backup_Stamp(std::time(nullptr)));
    AtomicFileWriter copy;
    if (!copy.Open(path, reason) || !Copy_Into(file.fd, copy, reason)
        || !copy.Commit_New(info.st_mode & 0777, reason))
        return Outcome::failure(msg::Backup_Failed(m_folder, reason));
    m_made = path;
    return Outcome::success();
}

void BackupHistory::Withdraw()
{
    if (!m_made.empty())
        ::unlink(m_made.c_str());
    m_made.clear();
}

void BackupHistory::Rotate()
{
    const std::vector<BackupFile> backups = History_Backups(m_folder, {});
    for (std::size_t i = kBackupsKept; i < backups.size(); ++i) {
        if (backups[i].path != m_made)
            ::unlink(backups[i].path.c_str());
    }
}

} // namespace orvane
