// Fuzz target over the names the backups folder holds and the origin files in it: any folder
// entry and any origin text is parsed without harm, and every file name, however long or
// strange, gives a history folder and backup names that fit a folder entry and read back as
// written.

#include "dbase/backup_names.h"
#include "fuzz/property_check.h"

#include <cstdint>
#include <string>

using namespace orvane;

namespace {

constexpr std::size_t kLongestEntry = 255;

void Check_Parsers(const std::string &text)
{
    if (const auto flat = Parse_Backup_Name(text))
        FUZZ_CHECK(!flat->file_name.empty() && !Stamp_Text(flat->stamp).empty());
    if (const auto numbered = Parse_History_Name(text))
        FUZZ_CHECK(numbered->sequence >= 0 && !numbered->file_name.empty());
    if (const auto origin = Parse_Origin(text))
        FUZZ_CHECK(origin->starts_with('/') && origin->size() + 1 == text.size());
}

// The text up to its first '/' or NUL, cut to what a folder entry may hold, is a file name.
void Check_Names_Of(const std::string &text, int sequence)
{
    const std::string name
            = text.substr(0, std::min(text.find_first_of(std::string("/\0", 2)), kLongestEntry));
    if (name.empty() || name == "." || name == "..")
        return;
    const std::string short_name = Short_Name(name);
    FUZZ_CHECK(short_name.size() <= 100 && (name.size() > 100 || short_name == name));
    FUZZ_CHECK(History_Folder_Name("/folder/" + name, 2).size() <= kLongestEntry);
    const std::string backup = History_Backup_Name(short_name, sequence, "20261209-142501");
    FUZZ_CHECK(backup.size() <= kLongestEntry);
    const auto parsed = Parse_History_Name(backup);
    FUZZ_CHECK(parsed && parsed->sequence == sequence && parsed->stamp == "20261209-142501"
               && parsed->file_name == short_name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    Check_Parsers(text);
    const int sequence = size == 0 ? 1 : 1 + data[size - 1] * 3907001;
    Check_Names_Of(text, sequence);
    return 0;
}
