#include "dialogs/fav_edit_logic.h"

#include "dbase/record_writers.h"

namespace orvane {

NameToStore Favourite_Name_To_Store(const ChannelDatabase &db, int group, const QString &name)
{
    return Name_To_Store(*db.names, db.rows.favourite_names[static_cast<std::size_t>(group)], name,
                         kFavouriteNameLength);
}

void Write_Favourite_Group(ChannelDatabase &db, int group, const std::string &bytes)
{
    const auto index = static_cast<std::size_t>(group);
    Write_Favourite_Name(db.raw.favourite_names[index], bytes);
    db.rows.favourite_names[index] = bytes;
}

} // namespace orvane
