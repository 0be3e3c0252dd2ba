#pragma once

// Whole-file reads and atomic writes.
//
// Reads accept regular files only and stop one byte past the largest size the caller can use,
// so a device, a FIFO or a huge file is refused at once instead of filling memory or blocking.
//
// A target is never written in place: the bytes go to a hidden temporary file beside the file
// they replace, are flushed to the disk, and the temporary file is renamed over it, so an
// interrupted or failed write leaves the old file whole. A symbolic link at the target is
// followed, so the link stays a link and the file it names gets the new bytes; anything at the
// target that is not a regular file (a folder, a device, a FIFO, a socket) is refused, as is a
// file its owner made read-only.

#include "dbase/bytes.h"

#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

namespace orvane {

// A regular file, after links; folders, devices and the like count as no file.
bool File_Exists(const std::string &path);
std::optional<std::size_t> File_Size(const std::string &path);

// Reads the regular file at path, at most max_size + 1 bytes: a result longer than max_size
// means the file is larger than the caller accepts. On failure, reason holds the system's
// explanation ("Permission denied", "Is a directory", ...).
bool Read_Whole_File(const std::string &path, Bytes &bytes, std::string &reason,
                     std::size_t max_size);

// The largest document an import reads (a JSON export, a program list): an export of a full
// database is about 1.5 MB.
inline constexpr std::size_t kMaxDocumentSize = std::size_t{16} << 20;

// Reads a document of at most kMaxDocumentSize bytes. A larger one is refused by its size
// before anything is read, the reason giving the size.
bool Read_Document(const std::string &path, std::string &text, std::string &reason);

// Opens the regular file at path for reading; -1 with the reason for anything else.
int Open_Regular_File(const std::string &path, std::string &reason);

// The text for a file system object that is not a regular file ("Is a directory").
std::string Not_Regular_Reason(mode_t mode);

// One atomic replacement, in two steps, so that a caller can find out before any long work
// whether the target can be written at all. Open resolves links, checks the target, removes
// temporary files that killed writes of the same target left behind and creates this write's
// temporary file; Append and Commit fill it and rename it over the target. A writer that goes
// without a successful Commit removes its temporary file.
class AtomicFileWriter
{
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    bool Open(const std::string &path, std::string &reason);
    // Looks again at what stands at the target, with the checks of Open: a caller that waited
    // for other writers of the same file must replace what they left, not what Open saw.
    bool Recheck_Target(std::string &reason);
    bool Append(ByteView bytes, std::string &reason);
    bool Commit(std::string &reason);
    // Gives the file the name of a target that must not exist yet ("File exists" otherwise)
    // and the permission bits mode: a copy that may never take another file's place.
    bool Commit_New(mode_t mode, std::string &reason);

    // The file that is replaced: the path with its links resolved.
    const std::string &target() const { return m_target; }
    // Whether a file stood at the target when Open or Recheck_Target last looked.
    bool target_exists() const { return m_target_exists; }

private:
    void Discard();
    bool Place(mode_t mode, bool replace, std::string &reason);

    std::string m_target;
    std::string m_temporary;
    int m_fd = -1;
    bool m_target_exists = false;
    struct stat m_target_info
    {};
};

bool Write_File_Atomically(const std::string &path, ByteView bytes, std::string &reason);

// The system calls that fill, flush and place the temporary file of an atomic write: the
// system's own, unless a test puts failing ones in place with ScopedWriteCalls to play a full
// disk, a failed flush or a failed rename. They fail as the system does, with -1 and errno.
struct WriteCalls
{
    ssize_t (*write)(int fd, const void *data, std::size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char *from, const char *to);
};

// Every atomic write uses calls while the guard lives. Only for tests, which swap the calls
// while no write runs.
class ScopedWriteCalls
{
public:
    explicit ScopedWriteCalls(const WriteCalls &calls);
    ~ScopedWriteCalls();
    ScopedWriteCalls(const ScopedWriteCalls &) = delete;
    ScopedWriteCalls &operator=(const ScopedWriteCalls &) = delete;

private:
    WriteCalls m_saved;
};

// The hidden temporary name of a write of target_name ("OUT.BIN" gives ".OUT.BIN.orvane-"
// followed by six random characters), and whether a folder entry is one of them.
std::string Temporary_Prefix(const std::string &target_name);
bool Is_Temporary_File_Name(const std::string &entry);

// Removes the temporary files of killed writes in folder: those of target_name, or all of them
// when target_name is empty. A temporary file that a write holds, or that is less than a
// minute old (its write may not have locked it yet), is kept.
void Remove_Stale_Temporaries(const std::string &folder, const std::string &target_name);

// Follows the links of path's last component, as a write of path does: resolved names the
// file that is replaced (or the missing entry a write would create).
bool Resolve_Links(const std::string &path, std::string &resolved, std::string &reason);

// The folder and the last component of a path.
std::string Folder_Of(const std::string &path);
std::string Name_Of(const std::string &path);

} // namespace orvane
