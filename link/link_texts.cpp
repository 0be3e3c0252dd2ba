#include "link/link_texts.h"

namespace orvane::link_text {

std::string Progress_Text(const char *prefix, long long percent)
{
    return prefix + std::to_string(percent) + "%";
}

std::string Permission_Denied_Text(const std::string &device)
{
    return "The Port you selected (" + device
           + ") can not be opened: permission denied.\r\rAsk for membership of the \"dialout\" "
             "group (sudo usermod -a -G dialout $USER), then log in again.";
}

std::string Read_Failed_Text(const std::string &path, const std::string &reason)
{
    return "Can not read the file " + path + ": " + reason;
}

std::string Write_Failed_Text(const std::string &path, const std::string &reason)
{
    return "Can not write the file " + path + ": " + reason;
}

} // namespace orvane::link_text
