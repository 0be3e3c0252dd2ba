#include "dialogs/fav_edit_logic.h"

#include "dbase/record_writers.h"
#include "dialogs/input_checks.h"

namespace orvane {

bool Is_Valid_Favourite_Name(const QString &name)
{
    return Is_Latin1(name);
}

void Write_Favourite_Group(ChannelDatabase &db, int group, const QString &name)
{
    const std::string bytes = name.left(int(kFavouriteNameLength)).toLatin1().toStdString();
    const auto index = static_cast<std::size_t>(group);
    Write_Favourite_Name(db.raw.favourite_names[index], bytes);
    db.rows.favourite_names[index] = bytes;
}

} // namespace orvane
