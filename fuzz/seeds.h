#pragma once

// The parts of fuzz_seeds: each writes the seed corpus of one or more targets into a folder it
// is given, and throws std::runtime_error when it cannot.

#include "dbase/bytes.h"

#include <filesystem>
#include <string>

namespace orvane::fuzz {

void Write_File(const std::filesystem::path &path, ByteView bytes);
void Write_Text(const std::filesystem::path &path, const std::string &text);

// fuzz_import: the exports and program lists in `folder`, and the dictionary of the words they
// are made of as `dictionary`.
void Write_Import_Seeds(const std::filesystem::path &folder,
                        const std::filesystem::path &dictionary);

// fuzz_link: a working receiver and each of its faults, for both transfers and kinds.
void Write_Link_Seeds(const std::filesystem::path &folder);

// fuzz_instance: whole, cut and malformed messages.
void Write_Instance_Seeds(const std::filesystem::path &folder);

// fuzz_settings: a settings file as the program writes it, and as a user may edit it.
void Write_Settings_Seeds(const std::filesystem::path &folder);

// fuzz_arguments: the command lines of the manual pages, of both programs.
void Write_Argument_Seeds(const std::filesystem::path &folder);

} // namespace orvane::fuzz
