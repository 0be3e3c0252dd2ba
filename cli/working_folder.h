#pragma once

// A private temporary folder for the working copy of one run, so that runs in parallel never
// share a file. The folder and everything in it are removed when the object goes.

#include <string>

namespace orvane::cli {

class WorkingFolder
{
public:
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder &) = delete;
    WorkingFolder &operator=(const WorkingFolder &) = delete;

    bool ok() const { return !m_folder.empty(); }
    const std::string &error() const { return m_error; }
    // The working copy's path inside the folder.
    std::string working_copy() const;

private:
    std::string m_folder;
    std::string m_error;
};

} // namespace orvane::cli
