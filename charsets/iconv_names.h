#pragma once

// Names in a character set other than Latin-1: the bytes convert through the system's iconv,
// which reports exactly which bytes a set does not define and which characters it cannot hold;
// folding for the find and the order of the sorts come from Qt (Unicode case folding and the
// collation of the user's locale).

#include "charsets/charset_table.h"

#include <iconv.h>

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvane {

class IconvNames final : public NameText
{
public:
    explicit IconvNames(const CharsetInfo &charset);
    ~IconvNames() override;
    IconvNames(const IconvNames &) = delete;
    IconvNames &operator=(const IconvNames &) = delete;

    bool usable() const;

    const char *charset_name() const override { return m_charset.name; }
    std::string Text_Of(std::string_view stored) const override;
    std::optional<std::string> Stored_Of(std::string_view utf8) const override;
    std::string Folded_Name(std::string_view stored) const override;
    std::optional<std::string> Folded_Text(std::string_view utf8) const override;
    std::vector<int> Name_Ranks(std::span<const std::string_view> stored) const override;

private:
    std::string Converted_Text(std::string_view stored) const;

    const CharsetInfo &m_charset;
    // iconv keeps a shift state between calls, so each conversion takes the lock and starts
    // from the initial state.
    mutable std::mutex m_lock;
    iconv_t m_decoder;
    iconv_t m_encoder;
    // A set of one byte a character reads each byte alone, so a name's text is its bytes'
    // texts one after the other, as is its case-folded text: both are read from iconv once,
    // for the find, which reads every name on each keystroke. Empty for the other sets.
    std::vector<std::string> m_byte_texts;
    std::vector<std::string> m_byte_folds;
    // The folded texts of the names a multi-byte set has folded, by their bytes.
    mutable std::unordered_map<std::string, std::string> m_folded;
};

} // namespace orvane
