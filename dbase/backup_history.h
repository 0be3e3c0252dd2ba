#pragma once

// One file's history in the backups folder: the folder of its own that its absolute path
// chooses, locked while a BackupHistory holds it, so that writers of the same file take turns
// from the backup to the replacement.

#include "dbase/backups.h"

#include <string>
#include <vector>

namespace orvane {

// The backups in one history folder, newest (highest sequence) first, each given origin.
std::vector<BackupFile> History_Backups(const std::string &history_folder,
                                        const std::string &origin);

class BackupHistory
{
public:
    BackupHistory() = default;
    ~BackupHistory();
    BackupHistory(const BackupHistory &) = delete;
    BackupHistory &operator=(const BackupHistory &) = delete;

    // Finds or makes the history of origin (an Origin_Path) under backups_folder and waits
    // for its lock, at most kLockWait. The message names the folder and the reason.
    Outcome Open(const std::string &backups_folder, const std::string &origin);
    // Copies the file at source in as the newest backup, unless the newest holds its bytes.
    Outcome Back_Up(const std::string &source);
    // Removes the backup the last Back_Up made: the file it copied is still in place.
    void Withdraw();
    // Removes all but the newest kBackupsKept, never the one just made.
    void Rotate();

private:
    Outcome Lock();
    void Unlock();
    Outcome Claim(const std::string &origin, bool &taken);

    std::string m_folder;
    std::string m_short_name;
    std::string m_made;
    int m_lock = -1;
};

} // namespace orvane
