#include "dbase/codecs.h"

#include <algorithm>
#include <charconv>

namespace orvane {
namespace {

constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool Base_Is_Valid(int base)
{
    return base >= 2 && base <= 36;
}

int Digit_Value(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return -1;
}

// Whether result * base + digit stays within maximum, decided without overflow.
bool Digit_Fits(std::int64_t result, std::int64_t digit, std::int64_t base, std::int64_t maximum)
{
    const std::int64_t quotient = maximum / base;
    return result < quotient || (result == quotient && digit <= maximum % base);
}

} // namespace

std::string To_Digits(std::int32_t value, int width, int base, char pad)
{
    if (!Base_Is_Valid(base))
        return {};
    std::uint64_t magnitude = value < 0 ? -static_cast<std::int64_t>(value) : value;
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[magnitude % static_cast<unsigned>(base)]);
        magnitude /= static_cast<unsigned>(base);
    } while (magnitude != 0);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), pad);
    return digits;
}

std::int32_t From_Digits(std::string_view text, int base, std::int32_t maximum)
{
    if (!Base_Is_Valid(base))
        return 0;
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == '\0')
        ++pos;
    std::int64_t result = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = Digit_Value(text[pos]);
        if (digit < 0 || digit >= base || !Digit_Fits(result, digit, base, maximum))
            break;
        result = result * base + digit;
    }
    return static_cast<std::int32_t>(result);
}

bool No_Decimal_Point(std::string_view text)
{
    return !text.empty() && text.find('.') == std::string_view::npos;
}

std::uint32_t From_Bits(std::uint32_t value, int width, std::uint32_t maximum)
{
    std::int64_t result = 0;
    for (int bit = width - 1; bit >= 0; --bit) {
        const std::int64_t digit = (value >> bit) & 1u;
        if (!Digit_Fits(result, digit, 2, maximum))
            break;
        result = result * 2 + digit;
    }
    return static_cast<std::uint32_t>(result);
}

std::string Decimal_Text(std::uint32_t value)
{
    char buffer[12];
    auto *const end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return {buffer, end};
}

std::string Tenths_Text(std::uint32_t tenths)
{
    std::string text = Decimal_Text(tenths / 10);
    if (tenths % 10 != 0) {
        text += '.';
        text += static_cast<char>('0' + tenths % 10);
    }
    return text;
}

std::string Latin1_To_Utf8(std::string_view latin1)
{
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

std::optional<std::string> Latin1_Of_Utf8(std::string_view utf8)
{
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            latin1.push_back(static_cast<char>(lead));
            continue;
        }
        // Only the two-byte forms of U+0080..U+00FF (lead 0xC2 or 0xC3) fit into one byte.
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= utf8.size())
            return std::nullopt;
        const auto next = static_cast<unsigned char>(utf8[++i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        latin1.push_back(static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F)));
    }
    return latin1;
}

std::string_view Stored_Text(ByteView record, std::size_t offset, std::size_t length)
{
    const auto *begin = reinterpret_cast<const char *>(record.data()) + offset;
    const auto *nul = std::find(begin, begin + length, '\0');
    return {begin, static_cast<std::size_t>(nul - begin)};
}

} // namespace orvane
