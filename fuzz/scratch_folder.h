#pragma once

// A folder of the fuzz target's own for the files an input needs on disk, made once in the
// system's temporary folder (in memory, /dev/shm, where there is one) and removed with
// everything in it when the fuzzer ends. An input that crashes the target leaves it behind.

#include "fuzz/property_check.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace orvane::fuzz {

class ScratchFolder
{
public:
    explicit ScratchFolder(const char *target)
    {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm")
                                                                  : fs::temp_directory_path();
        std::string folder = (base / (std::string(target) + "-XXXXXX")).string();
        FUZZ_CHECK(::mkdtemp(folder.data()) != nullptr);
        m_path = folder;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    std::string file(const std::string &name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

} // namespace orvane::fuzz
