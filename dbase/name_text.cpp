#include "dbase/name_text.h"

#include "dbase/codecs.h"

#include <array>

namespace orvane {
namespace {

constexpr unsigned char kMultiplicationSign = 0xD7;

// Lower case of a Latin-1 byte (A-Z and 0xC0-0xDE but the multiplication sign) as a table,
// so that folding costs one load per byte.
constexpr std::array<unsigned char, 256> Fold_Table()
{
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        const bool upper = (byte >= 'A' && byte <= 'Z')
                           || (byte >= 0xC0 && byte <= 0xDE && byte != kMultiplicationSign);
        table[static_cast<std::size_t>(byte)]
                = static_cast<unsigned char>(upper ? byte + 32 : byte);
    }
    return table;
}

constexpr std::array<unsigned char, 256> kFold = Fold_Table();

std::string Folded_Bytes(std::string_view latin1)
{
    std::string folded(latin1);
    for (char &c : folded)
        c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
    return folded;
}

class Latin1NameText final : public NameText
{
public:
    const char *charset_name() const override { return "ISO-8859-1"; }
    std::string Text_Of(std::string_view stored) const override { return Latin1_To_Utf8(stored); }
    std::optional<std::string> Stored_Of(std::string_view utf8) const override
    {
        return Latin1_Of_Utf8(utf8);
    }
    std::string Folded_Name(std::string_view stored) const override { return Folded_Bytes(stored); }
    std::optional<std::string> Folded_Text(std::string_view utf8) const override
    {
        const std::optional<std::string> latin1 = Latin1_Of_Utf8(utf8);
        if (!latin1)
            return std::nullopt;
        return Folded_Bytes(*latin1);
    }
    std::vector<int> Name_Ranks(std::span<const std::string_view> stored) const override
    {
        std::vector<std::string> keys;
        keys.reserve(stored.size());
        for (const std::string_view name : stored)
            keys.push_back(Folded_Bytes(name));
        return Ranks_By(keys.size(), [&keys](int a, int b) {
            // std::string compares its chars as unsigned, as the bytes are meant.
            return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
        });
    }
};
} // namespace

// Latin-1 keeps the words its messages always had: there a character is a byte.
StoredName Stored_Name(const NameText &names, std::string_view utf8, std::size_t length,
                       std::string_view current)
{
    if (names.Text_Of(current) == utf8)
        return {std::string(current), {}, NameFault::None, 0};
    const bool latin1 = &names == &Latin1_Names();
    std::optional<std::string> bytes = names.Stored_Of(utf8);
    if (!bytes)
        return {{},
                latin1 ? "holds a character Latin-1 cannot hold"
                       : std::string("cannot be written in ") + names.charset_name(),
                NameFault::NotInSet,
                0};
    if (bytes->size() > length)
        return {{},
                latin1 ? "is longer than " + std::to_string(length) + " characters"
                       : "is " + std::to_string(bytes->size()) + " bytes in " + names.charset_name()
                                 + ", at most " + std::to_string(length),
                NameFault::TooLong,
                bytes->size()};
    return {std::move(*bytes), {}, NameFault::None, 0};
}

bool Holds_Replacement(std::string_view utf8)
{
    return utf8.find("\xEF\xBF\xBD") != std::string_view::npos;
}

const NameText &Latin1_Names()
{
    static const Latin1NameText names;
    return names;
}

} // namespace orvane
