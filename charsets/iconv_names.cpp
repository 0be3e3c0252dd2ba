#include "charsets/iconv_names.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <cerrno>

namespace orvane {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1); // NOLINT: iconv's own failure value
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";   // U+FFFD as UTF-8
// More folded names than a full database has, fewer than would matter for memory.
constexpr std::size_t kFoldedKept = 16384;

// One pass of iconv over `in`, appending to `out`, then the flush that writes out what the
// converter held back (windows-1255 and -1258 keep a letter until they know no mark follows
// to combine with it). Returns false at the first byte sequence the converter refuses (its
// position stays in `in`).
bool Convert(iconv_t converter, std::string_view &in, std::string &out)
{
    char buffer[256];
    // iconv takes its input as char ** though it does not write to it.
    char *from = const_cast<char *>(in.data()); // NOLINT(cppcoreguidelines-pro-type-const-cast)
    std::size_t from_left = in.size();
    bool flushing = false;
    for (;;) {
        char *to = buffer;
        std::size_t to_left = sizeof buffer;
        const std::size_t done = flushing ? iconv(converter, nullptr, nullptr, &to, &to_left)
                                          : iconv(converter, &from, &from_left, &to, &to_left);
        out.append(buffer, static_cast<std::size_t>(to - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // EILSEQ: not defined or not representable; EINVAL: cut short at the end.
            in = std::string_view(from, from_left);
            return false;
        }
        if (done == static_cast<std::size_t>(-1))
            continue; // the buffer is full: on with an empty one
        if (flushing)
            return true;
        flushing = true; // iconv succeeds only once all of the input is read
    }
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
{
    // windows-1255 and windows-1258 store points and tone marks as bytes of their own, which
    // their converters compose with the letter before: they read names whole, as the
    // multi-byte sets do.
    const std::string_view name = charset.name;
    if (!usable() || charset.multi_byte || name == "windows-1255" || name == "windows-1258")
        return;
    for (int byte = 0; byte < 256; ++byte) {
        const char stored = static_cast<char>(byte);
        m_byte_texts.push_back(Converted_Text(std::string_view(&stored, 1)));
        m_byte_folds.push_back(To_QString(m_byte_texts.back()).toCaseFolded().toStdString());
    }
}

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
    if (m_byte_texts.empty())
        return Converted_Text(stored);
    std::string text;
    for (const char byte : stored)
        text += m_byte_texts[static_cast<unsigned char>(byte)];
    return text;
}

std::string IconvNames::Converted_Text(std::string_view stored) const
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
    // A letter typed with its accent as a mark of its own is the same letter: the converters
    // take the composed form (windows-1258 splits off the tone marks itself).
    const QString typed = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
                                  .normalized(QString::NormalizationForm_C);
    const std::string composed = typed.toStdString();
    std::string stored;
    {
        const std::lock_guard lock(m_lock);
        iconv(m_encoder, nullptr, nullptr, nullptr, nullptr);
        std::string_view rest = composed;
        if (!Convert(m_encoder, rest, stored))
            return std::nullopt;
    }
    // What is stored must read back as the text that was typed (composed the same way:
    // windows-1255 reads a letter and its point as one presentation form); a set that would
    // store a character as another does not hold that text.
    if (To_QString(Text_Of(stored)).normalized(QString::NormalizationForm_C) != typed)
        return std::nullopt;
    return stored;
}

std::string IconvNames::Folded_Name(std::string_view stored) const
{
    if (!m_byte_folds.empty()) {
        std::string folded;
        for (const char byte : stored)
            folded += m_byte_folds[static_cast<unsigned char>(byte)];
        return folded;
    }
    // The multi-byte sets keep what they folded: the find reads every name on each
    // keystroke, and the names change far less often than that.
    const std::string key(stored);
    {
        const std::lock_guard lock(m_lock);
        if (const auto known = m_folded.find(key); known != m_folded.end())
            return known->second;
    }
    std::string folded = To_QString(Text_Of(stored)).toCaseFolded().toStdString();
    const std::lock_guard lock(m_lock);
    if (m_folded.size() >= kFoldedKept)
        m_folded.clear();
    m_folded.emplace(key, folded);
    return folded;
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
