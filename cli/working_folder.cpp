#include "cli/working_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace orvane::cli {
namespace {

std::string Temporary_Root()
{
    const char *root = std::getenv("TMPDIR");
    return root != nullptr && *root != '\0' ? root : "/tmp";
}

} // namespace

WorkingFolder::WorkingFolder()
{
    std::string pattern = Temporary_Root() + "/orvane-cli.XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) {
        m_folder = pattern;
    } else {
        m_error = "Can not create a temporary folder in " + Temporary_Root() + ": "
                  + std::strerror(errno);
    }
}

WorkingFolder::~WorkingFolder()
{
    if (m_folder.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::string WorkingFolder::working_copy() const
{
    return m_folder + "/working_copy.bin";
}

} // namespace orvane::cli
