#include "cli/backups_list.h"

#include "cli/backups_folder.h"
#include "dbase/channel_database.h"
#include "dbase/file_io.h"

#include <iomanip>

namespace orvane::cli {
namespace {

std::string Contents_Text(const std::string &path)
{
    const DatabaseSummary summary = Summarise_Database_File(path);
    if (!summary.outcome)
        return "not a database file";
    return std::string(File_Kind_Name(summary.kind)) + "  TV " + std::to_string(summary.programs.tv)
           + "  radio " + std::to_string(summary.programs.radio);
}

} // namespace

void Print_Backups(const std::string &folder, const std::vector<BackupFile> &backups,
                   std::ostream &out)
{
    for (const BackupFile &backup : backups) {
        const std::string &taken_of = backup.origin.empty() ? backup.file_name : backup.origin;
        out << Stamp_Text(backup.stamp) << "  " << taken_of << "  " << backup.size << " bytes  "
            << Contents_Text(backup.path) << "  " << backup.path << '\n';
    }
    if (backups.empty())
        out << "no backups in " << folder << '\n';
}

int Run_Backups(const CommandLine &line, std::ostream &out, std::ostream & /*err*/)
{
    const std::string folder = Backups_Folder();
    if (line.files.empty()) {
        Print_Backups(folder, List_Backups(folder), out);
        return kExitOk;
    }
    // The file as a write of this path would replace it: links and relative folders resolved.
    const std::string origin = Origin_Path(line.files[0]);
    const std::vector<BackupFile> backups = List_Backups(folder, origin);
    if (backups.empty())
        out << "no backups of " << origin << " in " << folder << '\n';
    else
        Print_Backups(folder, backups, out);
    return kExitOk;
}

} // namespace orvane::cli
