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
    if (backups.empty()) {
        out << "no backups in " << folder << '\n';
        return;
    }
    for (const BackupFile &backup : backups) {
        out << Stamp_Text(backup.stamp) << "  " << backup.file_name << "  " << backup.size
            << " bytes  " << Contents_Text(backup.path) << "  " << backup.path << '\n';
    }
}

int Run_Backups(const CommandLine &line, std::ostream &out, std::ostream & /*err*/)
{
    const std::string folder = Backups_Folder();
    // A path names the file as well as its bare name does.
    const std::string name = line.files.empty() ? std::string() : Name_Of(line.files[0]);
    Print_Backups(folder, List_Backups(folder, name), out);
    return kExitOk;
}

} // namespace orvane::cli
