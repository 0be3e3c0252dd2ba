#include "dbase/database_restore.h"

#include <cstring>

namespace orvane {

bool Restore_Database_Content(ChannelDatabase &db, const ChannelDatabase &backup)
{
    const FileState state = File_State_Of(backup);
    const bool differs = File_State_Of(db) != state
                         || std::memcmp(&db.raw, &backup.raw, sizeof(RawArrays)) != 0;
    Set_File_State(db, state);
    db.raw = backup.raw;
    db.rows = backup.rows;
    db.Program_Count = backup.Program_Count;
    return differs;
}

} // namespace orvane
