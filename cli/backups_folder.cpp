#include "cli/backups_folder.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace orvane::cli {
namespace {

std::string Home_Folder()
{
    const char *home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return home;
    const passwd *user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}

// A relative XDG_DATA_HOME is ignored, as the desktop's rules say.
std::string Data_Home()
{
    const char *data_home = std::getenv("XDG_DATA_HOME");
    if (data_home != nullptr && data_home[0] == '/')
        return data_home;
    return Home_Folder() + "/.local/share";
}

} // namespace

std::string Backups_Folder()
{
    return Data_Home() + "/Orvane/backups";
}

} // namespace orvane::cli
