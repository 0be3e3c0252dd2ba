#include "link/link_texts.h"

namespace orvane::link_text {

std::string Progress_Text(const char *prefix, long long percent)
{
    return prefix + std::to_string(percent) + "%";
}

std::string Permission_Denied_Text(const std::string &device)
{
    return kPortDeniedLead + device + kPortDeniedTail + "\r\r" + kDialoutAdvice;
}

std::string Read_Failed_Text(const std::string &path, const std::string &reason)
{
    return kCanNotReadFile + path + ": " + reason;
}

std::string Write_Failed_Text(const std::string &path, const std::string &reason)
{
    return kCanNotWriteFile + path + ": " + reason;
}

} // namespace orvane::link_text
