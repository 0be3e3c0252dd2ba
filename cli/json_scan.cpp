#include "cli/json_scan.h"

#include "dbase/messages.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_set>

namespace orvane::cli {
namespace {

// Deeper than the parser's own limit: a document that reaches it was refused already.
constexpr int kMaxDepth = 2048;
// A double shows a whole number of up to 15 digits exactly as it was written.
constexpr std::size_t kExactDigits = 15;

bool Is_Digit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<std::uint32_t> Hex4(std::string_view text)
{
    if (text.size() < 4)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text.substr(0, 4)) {
        value <<= 4U;
        if (Is_Digit(c))
            value |= static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            value |= static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            value |= static_cast<std::uint32_t>(c - 'A' + 10);
        else
            return std::nullopt;
    }
    return value;
}

bool Is_High_Surrogate(std::uint32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool Is_Low_Surrogate(std::uint32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Whether a double shows the number as written: "-12" and "9000" yes, "1e3", "9000.0" and
// twenty digits no.
bool Shown_As_Written(std::string_view number)
{
    if (number.starts_with('-'))
        number.remove_prefix(1);
    if (number.empty() || number.size() > kExactDigits || (number.size() > 1 && number[0] == '0'))
        return false;
    return std::all_of(number.begin(), number.end(), Is_Digit);
}

class Scanner
{
public:
    Scanner(std::string_view text, JsonScan &out)
        : m_text(text)
        , m_out(out)
    {}

    void run()
    {
        skip_blanks();
        value(0);
    }

private:
    struct Step
    {
        std::string key; // of an object's member
        long index = -1; // of an array's item
    };

    bool ok() const { return !m_stopped && m_out.faults.size() < msg::kMaxListedErrors; }
    bool at_end() const { return m_pos >= m_text.size(); }
    char peek() const { return at_end() ? '\0' : m_text[m_pos]; }

    void stop() { m_stopped = true; }

    void skip_blanks()
    {
        while (!at_end() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_pos;
    }

    std::string path() const
    {
        std::string text;
        for (const Step &step : m_path) {
            if (step.index >= 0)
                text += '[' + std::to_string(step.index) + ']';
            else if (!step.key.empty())
                text += (text.empty() ? "" : ".") + step.key;
        }
        return text;
    }

    // The path of a member of the object being read.
    std::string member_path(const std::string &key) const
    {
        const std::string parent = path();
        return parent.empty() ? key : parent + '.' + key;
    }

    void fault(const std::string &where, const std::string &problem)
    {
        if (m_out.faults.size() < msg::kMaxListedErrors)
            m_out.faults.push_back((where.empty() ? "the document" : where) + ": " + problem);
    }

    void value(int depth)
    {
        if (!ok() || depth > kMaxDepth)
            return stop();
        switch (peek()) {
        case '{':
            return object(depth);
        case '[':
            return array(depth);
        case '"':
            return text_value();
        default:
            return scalar();
        }
    }

    void object(int depth)
    {
        ++m_pos;
        std::unordered_set<std::string> keys;
        m_path.push_back({});
        skip_blanks();
        while (ok() && peek() != '}') {
            if (peek() != '"')
                return stop();
            m_path.back().key.clear();
            std::string key = key_text();
            if (!keys.insert(key).second)
                fault(member_path(key), "given twice");
            m_path.back().key = std::move(key);
            skip_blanks();
            if (peek() != ':')
                return stop();
            ++m_pos;
            skip_blanks();
            value(depth + 1);
            after_item('}');
        }
        m_path.pop_back();
        ++m_pos;
    }

    void array(int depth)
    {
        ++m_pos;
        m_path.push_back({.key = {}, .index = 0});
        skip_blanks();
        while (ok() && peek() != ']') {
            value(depth + 1);
            after_item(']');
            ++m_path.back().index;
        }
        m_path.pop_back();
        ++m_pos;
    }

    void after_item(char close)
    {
        skip_blanks();
        if (peek() == ',') {
            ++m_pos;
            skip_blanks();
        } else if (peek() != close) {
            stop();
        }
    }

    void text_value()
    {
        const std::size_t start = m_pos;
        const std::optional<std::string> problem = text_problem();
        if (problem)
            fault(path(),
                  msg::Quoted_Value(m_text.substr(start + 1, m_pos - start - 2)) + ' ' + *problem);
    }

    // A key, decoded so that "a" and "\u0061" count as the same key; its faults are reported
    // where the key stands.
    std::string key_text()
    {
        const std::size_t start = m_pos;
        const std::optional<std::string> problem = text_problem();
        const std::string_view raw = m_text.substr(start + 1, m_pos - start - 2);
        if (problem)
            fault(path(), "the key " + msg::Quoted_Value(raw) + ' ' + *problem);
        return Decoded(raw);
    }

    // Moves past a text (from its opening quote to past its closing one) and says what is wrong
    // with it, the first fault only.
    std::optional<std::string> text_problem()
    {
        std::optional<std::string> problem;
        const auto note = [&problem](std::string text) {
            if (!problem)
                problem = std::move(text);
        };
        ++m_pos;
        while (!at_end() && peek() != '"') {
            const auto c = static_cast<unsigned char>(peek());
            if (c < 0x20) {
                note("holds a control character (" + Hex_Byte(c) + ") that is not escaped");
                ++m_pos;
            } else if (c == '\\') {
                escape(note);
            } else {
                ++m_pos;
            }
        }
        if (at_end())
            stop();
        ++m_pos;
        return problem;
    }

    template<typename Note>
    void escape(Note &note)
    {
        ++m_pos; // the backslash
        if (peek() != 'u') {
            ++m_pos;
            return;
        }
        const std::optional<std::uint32_t> unit = Hex4(m_text.substr(m_pos + 1));
        m_pos += 5;
        if (!unit)
            return stop();
        if (*unit == 0)
            return note("holds a NUL character");
        if (Is_Low_Surrogate(*unit))
            return note("holds a lone surrogate");
        if (!Is_High_Surrogate(*unit))
            return;
        const std::string_view next = m_text.substr(std::min(m_pos, m_text.size()));
        const std::optional<std::uint32_t> low
                = next.starts_with("\\u") ? Hex4(next.substr(2)) : std::nullopt;
        if (!low || !Is_Low_Surrogate(*low))
            return note("holds a lone surrogate");
        m_pos += 6;
    }

    void scalar()
    {
        const std::size_t start = m_pos;
        while (!at_end()
               && (Is_Digit(peek()) || peek() == '-' || peek() == '+' || peek() == '.'
                   || peek() == 'e' || peek() == 'E' || (peek() >= 'a' && peek() <= 'z')))
            ++m_pos;
        const std::string_view token = m_text.substr(start, m_pos - start);
        if (token.empty())
            return stop();
        const bool number = Is_Digit(token[0]) || token[0] == '-';
        if (number && !Shown_As_Written(token))
            m_out.number_texts.emplace(path(), std::string(token));
    }

    static std::string Hex_Byte(unsigned char c)
    {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        return std::string("0x") + kDigits[c >> 4U] + kDigits[c & 15U];
    }

    // A key's text with its escapes undone, as UTF-8 (a lone surrogate as its three bytes).
    static std::string Decoded(std::string_view raw)
    {
        std::string key;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '\\' || i + 1 >= raw.size()) {
                key += raw[i];
                continue;
            }
            const char kind = raw[++i];
            if (kind != 'u') {
                static constexpr std::string_view kFrom = "bfnrt";
                static constexpr std::string_view kTo = "\b\f\n\r\t";
                const std::size_t at = kFrom.find(kind);
                key += at == std::string_view::npos ? kind : kTo[at];
                continue;
            }
            std::uint32_t unit = Hex4(raw.substr(i + 1)).value_or(0xFFFD);
            i += 4;
            const std::optional<std::uint32_t> low
                    = raw.substr(std::min(i + 1, raw.size())).starts_with("\\u")
                              ? Hex4(raw.substr(i + 3))
                              : std::nullopt;
            if (Is_High_Surrogate(unit) && low && Is_Low_Surrogate(*low)) {
                unit = 0x10000 + ((unit - 0xD800) << 10U) + (*low - 0xDC00);
                i += 6;
            }
            Append_Utf8(key, unit);
        }
        return key;
    }

    static void Append_Utf8(std::string &out, std::uint32_t point)
    {
        const auto byte = [&out](std::uint32_t value) { out += static_cast<char>(value); };
        if (point < 0x80) {
            byte(point);
        } else if (point < 0x800) {
            byte(0xC0 | (point >> 6U));
            byte(0x80 | (point & 0x3FU));
        } else if (point < 0x10000) {
            byte(0xE0 | (point >> 12U));
            byte(0x80 | ((point >> 6U) & 0x3FU));
            byte(0x80 | (point & 0x3FU));
        } else {
            byte(0xF0 | (point >> 18U));
            byte(0x80 | ((point >> 12U) & 0x3FU));
            byte(0x80 | ((point >> 6U) & 0x3FU));
            byte(0x80 | (point & 0x3FU));
        }
    }

    std::string_view m_text;
    JsonScan &m_out;
    std::size_t m_pos = 0;
    bool m_stopped = false;
    std::vector<Step> m_path;
};

} // namespace

JsonScan Scan_Json(std::string_view text)
{
    JsonScan scan;
    Scanner(text, scan).run();
    return scan;
}

} // namespace orvane::cli
