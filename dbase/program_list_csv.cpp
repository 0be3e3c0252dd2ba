#include "dbase/program_list_csv.h"

namespace orvane {
namespace {

bool Needs_Quotes(std::string_view field)
{
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

std::string Quoted(std::string_view field)
{
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

class CsvReader
{
public:
    explicit CsvReader(std::string_view text)
        : m_text(text)
    {
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_text.remove_prefix(3);
    }

    CsvText run()
    {
        while (m_at < m_text.size() && m_result.error.empty())
            read_record();
        return std::move(m_result);
    }

private:
    void read_record()
    {
        CsvRecord record{static_cast<int>(m_result.records.size()) + 1, {}};
        bool more = true;
        while (more && m_result.error.empty()) {
            record.fields.push_back(peek() == '"' ? read_quoted(record.number)
                                                  : read_plain(record.number));
            more = peek() == ',';
            if (more)
                ++m_at;
        }
        if (m_result.error.empty() && !at_line_end())
            m_result.error = Place(record.number) + "text after the closing quote of a field";
        if (!m_result.error.empty())
            return;
        skip_line_end();
        m_result.records.push_back(std::move(record));
    }

    std::string read_plain(int number)
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && m_text[m_at] != ',' && !at_line_end()) {
            if (m_text[m_at] == '"') {
                m_result.error = Place(number) + "a quote in a field that is not quoted";
                return {};
            }
            ++m_at;
        }
        return std::string(m_text.substr(start, m_at - start));
    }

    std::string read_quoted(int number)
    {
        ++m_at;
        std::string field;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c != '"') {
                field += c;
            } else if (peek() == '"') {
                field += '"';
                ++m_at;
            } else {
                return field;
            }
        }
        m_result.error = Place(number) + "a quoted field is not closed";
        return field;
    }

    static std::string Place(int number) { return "row " + std::to_string(number) + ": "; }

    char peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }

    // Asked at every byte of a field: two comparisons, no substring.
    bool at_line_end() const
    {
        return m_at >= m_text.size() || m_text[m_at] == '\n'
               || (m_text[m_at] == '\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n');
    }

    void skip_line_end()
    {
        if (peek() == '\r')
            ++m_at;
        if (peek() == '\n')
            ++m_at;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    CsvText m_result;
};

} // namespace

std::string Csv_Line(const std::vector<std::string> &fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += Needs_Quotes(fields[i]) ? Quoted(fields[i]) : fields[i];
    }
    return line + "\r\n";
}

CsvText Split_Csv(std::string_view text)
{
    return CsvReader(text).run();
}

} // namespace orvane
