#pragma once

// A libFuzzer option that a target takes unless its command line names it otherwise: put in
// front of the arguments from LLVMFuzzerInitialize, which runs before libFuzzer reads them, so
// that the same option given on the command line comes later and wins.

#include <vector>

namespace orvane::fuzz {

inline void Add_Default_Options(int *argc, char ***argv, std::vector<char *> options)
{
    static std::vector<char *> arguments;
    arguments.assign(*argv, *argv + *argc);
    arguments.insert(arguments.begin() + (arguments.empty() ? 0 : 1), options.begin(),
                     options.end());
    *argc = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    *argv = arguments.data();
}

} // namespace orvane::fuzz
