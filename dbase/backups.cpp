#include "dbase/backups.h"

#include "dbase/backup_history.h"
#include "dbase/backup_names.h"
#include "dbase/messages.h"

#include <algorithm>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>

namespace orvane {
namespace {

bool Newer(const BackupFile &a, const BackupFile &b)
{
    return std::tie(a.stamp, a.sequence, b.path) > std::tie(b.stamp, b.sequence, a.path);
}

// The flat backups of earlier versions, directly in the backups folder.
void Add_Flat_Backup(const std::string &folder, const std::string &entry,
                     std::vector<BackupFile> &flat)
{
    std::optional<BackupFile> backup = Parse_Backup_Name(entry);
    if (!backup)
        return;
    backup->path = folder + "/" + entry;
    struct stat info
    {};
    if (::lstat(backup->path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    backup->size = static_cast<std::uintmax_t>(info.st_size);
    flat.push_back(std::move(*backup));
}

bool Is_Folder(const std::string &path)
{
    struct stat info
    {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Every history keeps its own order (its sequence); the histories are interleaved by the time
// of their newest remaining backup.
std::vector<BackupFile> Newest_First(std::vector<std::vector<BackupFile>> &histories)
{
    std::vector<BackupFile> merged;
    std::vector<std::size_t> next(histories.size(), 0);
    for (;;) {
        std::size_t chosen = histories.size();
        for (std::size_t h = 0; h < histories.size(); ++h) {
            if (next[h] < histories[h].size()
                && (chosen == histories.size()
                    || Newer(histories[h][next[h]], histories[chosen][next[chosen]])))
                chosen = h;
        }
        if (chosen == histories.size())
            return merged;
        merged.push_back(std::move(histories[chosen][next[chosen]++]));
    }
}

Outcome Write_And_Commit(AtomicFileWriter &writer, ByteView bytes,
                         const WriteFailedText &write_failed)
{
    std::string reason;
    if (!writer.Append(bytes, reason) || !writer.Commit(reason))
        return Outcome::failure(write_failed(reason));
    return Outcome::success();
}

} // namespace

std::string Origin_Path(const std::string &path)
{
    std::string resolved;
    if (std::string reason; !Resolve_Links(path, resolved, reason))
        resolved = path;
    std::error_code error;
    std::filesystem::path folder = std::filesystem::absolute(Folder_Of(resolved), error);
    const std::filesystem::path real = std::filesystem::weakly_canonical(folder, error);
    folder = error ? folder.lexically_normal() : real;
    std::string origin = folder.string();
    if (!origin.ends_with('/'))
        origin += '/';
    return origin + Name_Of(resolved);
}

std::string Origin_Of_Backup(const std::string &backup_path)
{
    if (!Parse_History_Name(Name_Of(backup_path)))
        return {};
    return Read_Origin(Folder_Of(backup_path)).value_or(std::string());
}

std::vector<BackupFile> List_Backups(const std::string &folder, const std::string &origin)
{
    std::vector<std::vector<BackupFile>> histories;
    std::vector<BackupFile> flat;
    DIR *dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return {};
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const std::string path = std::string(folder).append("/").append(name);
        if (name == "." || name == "..")
            continue;
        if (!Is_Folder(path)) {
            if (origin.empty())
                Add_Flat_Backup(folder, name, flat);
            continue;
        }
        const std::string owner = Read_Origin(path).value_or(std::string());
        if (origin.empty() || owner == origin)
            histories.push_back(History_Backups(path, owner));
    }
    ::closedir(dir);
    std::sort(flat.begin(), flat.end(), Newer);
    histories.push_back(std::move(flat));
    return Newest_First(histories);
}

Outcome Replace_Backed_Up(AtomicFileWriter &writer, ByteView bytes,
                          const std::string &backups_folder, const WriteFailedText &write_failed)
{
    if (backups_folder.empty())
        return Write_And_Commit(writer, bytes, write_failed);
    BackupHistory history;
    if (Outcome opened = history.Open(backups_folder, Origin_Path(writer.target())); !opened)
        return opened;
    // What stands at the target now is what the other writers left: that is what is replaced.
    if (std::string reason; !writer.Recheck_Target(reason))
        return Outcome::failure(write_failed(reason));
    if (writer.target_exists()) {
        if (Outcome backed_up = history.Back_Up(writer.target()); !backed_up)
            return backed_up;
    }
    if (Outcome written = Write_And_Commit(writer, bytes, write_failed); !written) {
        history.Withdraw();
        return written;
    }
    history.Rotate();
    return Outcome::success();
}

Outcome Write_Database_File(const std::string &path, ByteView bytes,
                            const std::string &backups_folder)
{
    AtomicFileWriter writer;
    std::string reason;
    if (!writer.Open(path, reason))
        return Outcome::failure(msg::Save_Failed(path, reason));
    return Replace_Backed_Up(writer, bytes, backups_folder,
                             [&](const std::string &why) { return msg::Save_Failed(path, why); });
}

} // namespace orvane
