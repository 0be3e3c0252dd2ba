#include "cli/json_writer.h"

namespace orvane::cli {
namespace {

// C0 and C1 controls and DEL are escaped; JSON allows the C1 ones raw, but escaped they
// survive every terminal and viewer.
bool Needs_Escape(unsigned char byte)
{
    return byte < 0x20 || (byte >= 0x7F && byte < 0xA0);
}

void Append_Latin1(std::string &out, unsigned char byte)
{
    static constexpr char kHex[] = "0123456789abcdef";
    if (byte == '"' || byte == '\\') {
        out += '\\';
        out += static_cast<char>(byte);
    } else if (Needs_Escape(byte)) {
        out += "\\u00";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    } else if (byte < 0x80) {
        out += static_cast<char>(byte);
    } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
}

} // namespace

std::string Json_String(std::string_view latin1)
{
    std::string out = "\"";
    for (char c : latin1)
        Append_Latin1(out, static_cast<unsigned char>(c));
    out += '"';
    return out;
}

JsonWriter::JsonWriter(std::ostream &out)
    : m_out(out)
{}

void JsonWriter::begin_object()
{
    begin_item();
    m_out << '{';
    m_levels.push_back({false, true});
}

void JsonWriter::end_object()
{
    close('}');
}

void JsonWriter::begin_array(bool one_line)
{
    begin_item();
    m_out << '[';
    m_levels.push_back({one_line, true});
}

void JsonWriter::end_array()
{
    close(']');
}

void JsonWriter::key(std::string_view name)
{
    begin_item();
    m_out << Json_String(name) << ": ";
    m_after_key = true;
}

void JsonWriter::value(std::string_view latin1_text)
{
    begin_item();
    m_out << Json_String(latin1_text);
}

void JsonWriter::value(std::int64_t number)
{
    begin_item();
    m_out << number;
}

void JsonWriter::value(std::nullptr_t)
{
    begin_item();
    m_out << "null";
}

void JsonWriter::finish()
{
    m_out << '\n';
}

// A value right after its key continues the key's line; any other item starts a new line
// (or follows ", " in a one-line array).
void JsonWriter::begin_item()
{
    if (m_after_key) {
        m_after_key = false;
        return;
    }
    if (m_levels.empty())
        return;
    Level &level = m_levels.back();
    if (!level.empty)
        m_out << (level.one_line ? ", " : ",");
    if (!level.one_line)
        new_line(m_levels.size());
    level.empty = false;
}

void JsonWriter::new_line(std::size_t depth)
{
    m_out << '\n' << std::string(2 * depth, ' ');
}

void JsonWriter::close(char bracket)
{
    const Level level = m_levels.back();
    m_levels.pop_back();
    if (!level.empty && !level.one_line)
        new_line(m_levels.size());
    m_out << bracket;
}

} // namespace orvane::cli
