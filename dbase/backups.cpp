#include "dbase/backups.h"

#include "dbase/messages.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <unistd.h>

namespace orvane {
namespace {

constexpr const char *kBackupSuffix = ".bak";
constexpr std::size_t kStampLength = 15; // "YYYYMMDD-HHMMSS"
constexpr std::size_t kCopyChunk = 65536;

bool All_Digits(const std::string &text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return std::isdigit(c);
    });
}

bool Is_Stamp(const std::string &text)
{
    return text.size() == kStampLength && text[8] == '-' && All_Digits(text.substr(0, 8))
           && All_Digits(text.substr(9));
}

std::string Backup_Name(const std::string &file_name, const std::string &stamp, int sequence)
{
    const std::string tail = sequence > 1 ? "-" + std::to_string(sequence) : "";
    return file_name + "." + stamp + tail + kBackupSuffix;
}

bool Newer(const BackupFile &a, const BackupFile &b)
{
    if (a.stamp != b.stamp)
        return a.stamp > b.stamp;
    if (a.sequence != b.sequence)
        return a.sequence > b.sequence;
    return a.file_name < b.file_name;
}

Outcome Make_Folder(const std::string &folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return Outcome::failure(msg::Backup_Failed(folder, error.message()));
    return Outcome::success();
}

// The first name of this second that no backup uses yet.
std::string Free_Backup_Path(const std::string &folder, const std::string &file_name,
                             const std::string &stamp)
{
    for (int sequence = 1;; ++sequence) {
        std::string path = folder + "/" + Backup_Name(file_name, stamp, sequence);
        if (::access(path.c_str(), F_OK) != 0)
            return path;
    }
}

bool Copy_Into(const std::string &source, AtomicFileWriter &writer, std::string &reason)
{
    const int fd = Open_Regular_File(source, reason);
    if (fd < 0)
        return false;
    Bytes chunk(kCopyChunk);
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason = std::strerror(errno);
            ok = false;
        }
        if (n <= 0)
            break;
        if (!writer.Append(ByteView(chunk).first(static_cast<std::size_t>(n)), reason)) {
            ok = false;
            break;
        }
    }
    ::close(fd);
    return ok;
}

void Keep_Newest(const std::string &folder, const std::string &file_name)
{
    const std::vector<BackupFile> backups = List_Backups(folder, file_name);
    for (std::size_t i = kBackupsKept; i < backups.size(); ++i)
        ::unlink(backups[i].path.c_str());
}

} // namespace

std::string Backup_Stamp(std::time_t when)
{
    std::tm local{};
    ::localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

std::string Stamp_Text(const std::string &stamp)
{
    if (!Is_Stamp(stamp))
        return stamp;
    return stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " "
           + stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

std::optional<BackupFile> Parse_Backup_Name(const std::string &entry)
{
    if (!entry.ends_with(kBackupSuffix))
        return std::nullopt;
    const std::string body = entry.substr(0, entry.size() - std::strlen(kBackupSuffix));
    const auto dot = body.find_last_of('.');
    if (dot == std::string::npos || dot == 0)
        return std::nullopt;
    BackupFile backup;
    backup.file_name = body.substr(0, dot);
    const std::string when = body.substr(dot + 1);
    backup.stamp = when.substr(0, kStampLength);
    if (!Is_Stamp(backup.stamp))
        return std::nullopt;
    if (when.size() > kStampLength) {
        const std::string sequence = when.substr(kStampLength + 1);
        if (when[kStampLength] != '-' || !All_Digits(sequence) || sequence.size() > 6)
            return std::nullopt;
        backup.sequence = std::stoi(sequence);
    }
    return backup;
}

std::vector<BackupFile> List_Backups(const std::string &folder, const std::string &file_name)
{
    std::vector<BackupFile> backups;
    DIR *dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return backups;
    while (const dirent *entry = ::readdir(dir)) {
        std::optional<BackupFile> backup = Parse_Backup_Name(entry->d_name);
        if (!backup || (!file_name.empty() && backup->file_name != file_name))
            continue;
        backup->path = folder + "/" + entry->d_name;
        struct stat info
        {};
        if (::lstat(backup->path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        backup->size = static_cast<std::uintmax_t>(info.st_size);
        backups.push_back(std::move(*backup));
    }
    ::closedir(dir);
    std::sort(backups.begin(), backups.end(), Newer);
    return backups;
}

Outcome Back_Up_File(const std::string &source, const std::string &folder, std::time_t now)
{
    if (Outcome made = Make_Folder(folder); !made)
        return made;
    Remove_Stale_Temporaries(folder, {});
    const std::string file_name = Name_Of(source);
    AtomicFileWriter writer;
    std::string reason;
    if (!writer.Open(Free_Backup_Path(folder, file_name, Backup_Stamp(now)), reason)
        || !Copy_Into(source, writer, reason) || !writer.Commit(reason))
        return Outcome::failure(msg::Backup_Failed(folder, reason));
    Keep_Newest(folder, file_name);
    return Outcome::success();
}

Outcome Back_Up_Replaced_File(const AtomicFileWriter &writer, const std::string &backups_folder)
{
    if (backups_folder.empty() || !writer.target_exists())
        return Outcome::success();
    return Back_Up_File(writer.target(), backups_folder, std::time(nullptr));
}

Outcome Write_Database_File(const std::string &path, ByteView bytes,
                            const std::string &backups_folder)
{
    AtomicFileWriter writer;
    std::string reason;
    if (!writer.Open(path, reason))
        return Outcome::failure(msg::Save_Failed(path, reason));
    if (Outcome backed_up = Back_Up_Replaced_File(writer, backups_folder); !backed_up)
        return backed_up;
    if (!writer.Append(bytes, reason) || !writer.Commit(reason))
        return Outcome::failure(msg::Save_Failed(path, reason));
    return Outcome::success();
}

} // namespace orvane
