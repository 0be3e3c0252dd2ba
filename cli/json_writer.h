#pragma once

// A small streaming JSON writer, pretty-printed with an indent of two spaces. The fixed texts
// are the database's 8-bit bytes, read as Latin-1; names arrive as UTF-8, read in the
// database's set. Both are written as UTF-8; short arrays of numbers can be kept on one line.

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

// A UTF-8 text as a quoted JSON string, control characters (C0, DEL and C1) as \u00XX.
std::string Json_Text(std::string_view utf8);
// The same of a Latin-1 text.
std::string Json_String(std::string_view latin1);

class JsonWriter
{
public:
    explicit JsonWriter(std::ostream &out);

    void begin_object();
    void end_object();
    // Items of a one-line array are separated by ", " instead of new lines.
    void begin_array(bool one_line = false);
    void end_array();

    void key(std::string_view name);
    void value(std::string_view latin1_text);
    void value(const char *latin1_text) { value(std::string_view(latin1_text)); }
    void value(std::int64_t number);
    void value(std::nullptr_t);
    void text(std::string_view utf8);

    template<typename Value>
    void field(std::string_view name, const Value &item)
    {
        key(name);
        value(item);
    }

    // Ends the document with a new line.
    void finish();

private:
    struct Level
    {
        bool one_line;
        bool empty;
    };

    void begin_item();
    void new_line(std::size_t depth);
    void close(char bracket);

    std::ostream &m_out;
    std::vector<Level> m_levels;
    bool m_after_key = false;
};

} // namespace orvane::cli
