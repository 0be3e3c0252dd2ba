// Fuzz target over unpacked images: any 258,048 bytes, as a file from outside could hold once
// its checksums pass. Counts above their tables, satellite and transponder indices out of
// range and stray bits in every field reach the decoder here, then the per-image checks: the
// display rows, every list, and the info pane and current audio track of every slot they
// list (of the first rows only, on three images in four). Moving the programs is fuzz_reorder's
// part, the database check fuzz_check's; clicks, menus, commands and the save round trip are
// fuzz_commands'.
//
// The input is cut or padded with 0xFF to the image size; its last bytes choose the file kind,
// the bank and the header (image_input.h). A hash of the image chooses the character set the
// lists read the names in; one image in eight also has its set guessed, and every name read
// in that set must be UTF-8 that the set stores as a name that reads the same.

#include "charsets/charset_guess.h"
#include "fuzz/image_checks.h"
#include "fuzz/image_input.h"
#include "fuzz/property_check.h"

#include <QString>

#include <functional>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

constexpr std::size_t kGuessShare = 8;

void Check_Names_In(const ChannelDatabase &db, const NameText &names)
{
    for (const std::string_view name : Database_Names(db)) {
        const std::string text = names.Text_Of(name);
        FUZZ_CHECK(QString::fromStdString(text).toStdString() == text);
        if (const std::optional<std::string> again = names.Stored_Of(text)) {
            const auto composed = [](const std::string &utf8) {
                return QString::fromStdString(utf8).normalized(QString::NormalizationForm_C);
            };
            FUZZ_CHECK(composed(names.Text_Of(*again)) == composed(text));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The database holds the previous input: that a decode replaces every field is checked
    // by fuzz_commands, which opens each image a second time into a new database.
    const ImageInput input = Read_Image_Input(data, size);
    Decode_Rows(input.db);
    Apply_File_Setting(input.db, input.image);
    const std::size_t hash = std::hash<std::string_view>{}(
            std::string_view(reinterpret_cast<const char *>(data), size));
    const std::span<const CharsetInfo> sets = Charsets();
    const CharsetInfo &charset = sets[hash % sets.size()];
    input.db.names = Names_In(charset);
    FUZZ_CHECK(input.db.names != nullptr);
    Run_Image_Checks(input.db, input.image);
    if (hash / sets.size() % kGuessShare == 0) {
        Check_Names_In(input.db, *input.db.names);
        (void)Guess_Charset(Database_Names(input.db));
    }
    return 0;
}
