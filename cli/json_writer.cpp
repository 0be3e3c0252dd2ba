#include "cli/json_writer.h"

#include "dbase/codecs.h"

namespace orvane::cli {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void Append_Escape(std::string &out, unsigned code)
{
    out += "\\u00";
    out += kHex[code >> 4];
    out += kHex[code & 0xF];
}

// U+0080 to U+009F: the C1 controls, two bytes in UTF-8.
bool Is_C1(std::string_view utf8, std::size_t at)
{
    if (static_cast<unsigned char>(utf8[at]) != 0xC2 || at + 1 >= utf8.size())
        return false;
    const auto next = static_cast<unsigned char>(utf8[at + 1]);
    return next >= 0x80 && next < 0xA0;
}

} // namespace

// C0 and C1 controls and DEL are escaped; JSON allows the C1 ones raw, but escaped they
// survive every terminal and viewer.
std::string Json_Text(std::string_view utf8)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte < 0x20 || byte == 0x7F) {
            Append_Escape(out, byte);
        } else if (Is_C1(utf8, i)) {
            Append_Escape(out, static_cast<unsigned char>(utf8[++i])); // C2 xx is U+00xx
        } else {
            out += static_cast<char>(byte);
        }
    }
    out += '"';
    return out;
}

std::string Json_String(std::string_view latin1)
{
    return Json_Text(Latin1_To_Utf8(latin1));
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

void JsonWriter::text(std::string_view utf8)
{
    begin_item();
    m_out << Json_Text(utf8);
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
