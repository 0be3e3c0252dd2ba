#pragma once

// How the stored bytes of names become text and back. The receiver keeps every name as the
// bytes that were typed, in the 8-bit or multi-byte character set of the system it was edited
// on; which set that is, only the user knows. The database keeps the bytes and carries the
// NameText its names are read in (Latin-1 unless the user chose another), so that every
// reader and writer of names, in the window and on the command line, goes through this one
// door. The sets beyond Latin-1 live outside dbase/ (charsets/), which has no Qt.

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class NameText
{
public:
    virtual ~NameText() = default;

    // The set's name as `orvane-cli charsets` lists it: "ISO-8859-1", "windows-1251", "GBK".
    virtual const char *charset_name() const = 0;
    // A stored name as UTF-8. A byte sequence the set does not define reads as U+FFFD.
    virtual std::string Text_Of(std::string_view stored) const = 0;
    // The bytes that store a UTF-8 text, or nothing when the set lacks one of its characters
    // (or the text is not UTF-8).
    virtual std::optional<std::string> Stored_Of(std::string_view utf8) const = 0;
    // A name and a typed (UTF-8) text case-folded into one space of keys, so that finding a
    // part of a name is a plain substring search between the two: Latin-1 keeps its folded
    // bytes, the other sets use the folded text as UTF-8. A text the set cannot hold gives
    // nothing: no name contains it.
    virtual std::string Folded_Name(std::string_view stored) const = 0;
    virtual std::optional<std::string> Folded_Text(std::string_view utf8) const = 0;
    // The names' places in the order of the sorts by name: equal names share a rank.
    virtual std::vector<int> Name_Ranks(std::span<const std::string_view> stored) const = 0;
};

// Ranks from a strict order of `count` names: equal names (neither less) share a rank.
template<typename Less>
std::vector<int> Ranks_By(std::size_t count, Less less)
{
    std::vector<int> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), less);
    std::vector<int> ranks(count);
    int rank = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && less(order[i - 1], order[i]))
            rank = static_cast<int>(i);
        ranks[static_cast<std::size_t>(order[i])] = rank;
    }
    return ranks;
}

// Latin-1 as the receiver's own fixed texts read: every byte is the character of that number,
// letters fold as Latin-1's capitals do, and names sort by their folded bytes.
const NameText &Latin1_Names();

// A name typed or imported as UTF-8, as the bytes a field of `length` bytes stores in a set.
// A text that reads as the name stored now keeps that name's bytes: bytes the set does not
// define read as U+FFFD, and only the name they came from gives them back.
enum class NameFault { None, NotInSet, TooLong };

struct StoredName
{
    std::string bytes;
    // Why the text cannot be stored, after its quoted value in a message: "holds a character
    // Latin-1 cannot hold", "cannot be written in windows-1251", "is 16 bytes in GBK, at most
    // 15"; empty when it can.
    std::string fault;
    NameFault kind = NameFault::None;
    std::size_t byte_count = 0; // of a name refused as too long
};
StoredName Stored_Name(const NameText &names, std::string_view utf8, std::size_t length,
                       std::string_view current = {});

// Whether a text holds U+FFFD, which a name shows for bytes its set does not define.
bool Holds_Replacement(std::string_view utf8);

} // namespace orvane
