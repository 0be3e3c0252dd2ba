#include "charsets/iconv_names.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <cerrno>

namespace orvane {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1); // NOLINT: iconv's own failure value
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";   // U+FFFD as UTF-8

// One pass of iconv over `in`, appending to `out`. Returns false at the first byte sequence
// the converter refuses (its position stays in `in`).
bool Convert(iconv_t converter, std::string_view &in, std::string &out)
{
    char buffer[256];
    // iconv takes its input as char ** though it does not write to it.
    char *from = const_cast<char *>(in.data()); // NOLINT(cppcoreguidelines-pro-type-const-cast)
    std::size_t from_left = in.size();
    bool ok = true;
    for (;;) {
        char *to = buffer;
        std::size_t to_left = sizeof buffer;
        const std::size_t done = from_left > 0 ? iconv(converter, &from, &from_left, &to, &to_left)
                                               : iconv(converter, nullptr, nullptr, &to, &to_left);
        out.append(buffer, static_cast<std::size_t>(to - buffer));
        if (done != static_cast<std::size_t>(-1)) {
            if (from_left == 0 && to != buffer)
                continue; // the flush wrote something; flush again until it has nothing left
            if (from_left == 0)
                break;
            continue;
        }
        if (errno == E2BIG)
            continue;
        ok = false; // EILSEQ: not defined or not representable; EINVAL: cut short at the end
        break;
    }
    in = std::string_view(from, from_left);
    return ok;
}

QString To_QString(const std::string &utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The collation of the user's locale. The C and POSIX locales have none of their own; they
// get CLDR's root order, which is English's, as English tailors nothing.
QCollator Name_Collator()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    return collator;
}

} // namespace

IconvNames::IconvNames(const CharsetInfo &charset)
    : m_charset(charset)
    , m_decoder(iconv_open("UTF-8", charset.iconv))
    , m_encoder(iconv_open(charset.iconv, "UTF-8"))
{}

IconvNames::~IconvNames()
{
    if (m_decoder != kNoConverter)
        iconv_close(m_decoder);
    if (m_encoder != kNoConverter)
        iconv_close(m_encoder);
}

bool IconvNames::usable() const
{
    return m_decoder != kNoConverter && m_encoder != kNoConverter;
}

std::string IconvNames::Text_Of(std::string_view stored) const
{
    std::string text;
    text.reserve(stored.size() * 2);
    const std::lock_guard lock(m_lock);
    while (true) {
        iconv(m_decoder, nullptr, nullptr, nullptr, nullptr);
        if (Convert(m_decoder, stored, text))
            return text;
        // A byte the set does not define, or a character cut off at the end: one U+FFFD for
        // its first byte, and on with the next.
        text += kReplacement;
        stored.remove_prefix(1);
    }
}

std::optional<std::string> IconvNames::Stored_Of(std::string_view utf8) const
{
    std::string stored;
    {
        const std::lock_guard lock(m_lock);
        iconv(m_encoder, nullptr, nullptr, nullptr, nullptr);
        std::string_view rest = utf8;
        if (!Convert(m_encoder, rest, stored))
            return std::nullopt;
    }
    // What is stored must read back as the text that was typed; a set that would store a
    // character as another (a compatibility form, a decomposition it cannot read back) does
    // not hold that text.
    if (Text_Of(stored) != utf8)
        return std::nullopt;
    return stored;
}

std::string IconvNames::Folded_Name(std::string_view stored) const
{
    return To_QString(Text_Of(stored)).toCaseFolded().toStdString();
}

std::optional<std::string> IconvNames::Folded_Text(std::string_view utf8) const
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
            .toCaseFolded()
            .toStdString();
}

std::vector<int> IconvNames::Name_Ranks(std::span<const std::string_view> stored) const
{
    const QCollator collator = Name_Collator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(stored.size());
    for (const std::string_view name : stored)
        keys.push_back(collator.sortKey(To_QString(Text_Of(name))));
    return Ranks_By(keys.size(), [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
    });
}

} // namespace orvane
