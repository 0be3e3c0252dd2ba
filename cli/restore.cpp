#include "cli/restore.h"

#include "cli/backups_folder.h"
#include "cli/commands.h"
#include "dbase/backups.h"
#include "dbase/channel_database.h"
#include "dbase/file_io.h"

namespace orvane::cli {

// The backup is read once and opened from those bytes, so what is written is exactly what
// was checked.
int Run_Restore(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    const std::string &backup = line.files[0];
    const auto db = Make_Channel_Database();
    const FileKind kind = Kind_Of(backup, std::nullopt);
    db->Set_File_Kind(kind);
    Bytes file;
    Outcome step = Read_Database_File(backup, db->Expected_File_Size, file);
    if (step)
        step = Load_Database_Bytes(*db, file);
    if (!step)
        return Refuse(err, Opening_Refused(backup, kind, step.message));
    const std::string target = line.files.size() > 1 ? line.files[1] : Origin_Of_Backup(backup);
    if (target.empty())
        return Usage_Error(err, "the file " + backup + " was taken from is not known; name FILE");
    if (step = Write_Database_File(target, file, Backups_Folder()); !step)
        return Refuse(err, step.message);
    out << target << ": restored from " << backup << '\n';
    return kExitOk;
}

} // namespace orvane::cli
