#include "charsets/charset_guess.h"

#include "dbase/decode.h"

#include <QString>

#include <algorithm>
#include <array>

namespace orvane {
namespace {

// One set of each script, with both Cyrillic layouts, since they read each other's names as
// Cyrillic too. An earlier set wins a tie: Latin-1 first; the scripts without case before
// the Cyrillic layouts, which read their letters as Cyrillic words in one case; and EUC-KR
// before the Chinese sets, which read every Hangul syllable's bytes as a frequent Hanzi
// (Chinese read as EUC-KR mixes Hangul with Hanja in one word, which Korean names do not).
constexpr std::array kCandidates{
        "ISO-8859-1",   "windows-1250", "windows-1254", "windows-1257", "windows-1258",
        "windows-1255", "windows-1256", "TIS-620",      "windows-1253", "windows-1251",
        "KOI8-R",       "EUC-KR",       "GBK",          "Big5",         "Shift_JIS",
};

// Enough names to tell the sets apart; a full database guesses in a few milliseconds.
constexpr std::size_t kMaxNamesRead = 400;

bool Has_High_Byte(std::string_view name)
{
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// A field never written holds the erased flash's 0xFF bytes: no one typed it.
bool Erased(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) == 0xFF;
    });
}

// Kana are written together with Han characters: one family for a word.
QChar::Script Family(QChar::Script script)
{
    switch (script) {
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Bopomofo:
        return QChar::Script_Han;
    default:
        return script;
    }
}

// A character that a name in a wrongly chosen set shows and a real name does not: the
// replacement character, controls, unassigned and private-use code points, and the symbols
// and punctuation beyond ASCII.
bool Unlikely(QChar c)
{
    if (c.unicode() < 0x80 || c.isSpace())
        return false;
    return !(c.isLetter() || c.isMark() || c.isNumber());
}

// How a word's letters are cased, as names have them: a capital at its start or capitals
// throughout count 1 (as do scripts without case), small letters throughout half, and
// capitals after small letters nothing: that is what one Cyrillic layout makes of the other.
double Casing_Score(const QString &word)
{
    const QString lower = word.toLower();
    const QString upper = word.toUpper();
    if (lower == upper || word == upper)
        return 1.0;
    if (word == lower)
        return 0.5;
    const QString rest = word.mid(1);
    return rest == rest.toLower() ? 1.0 : 0.0;
}

// A word is one run of letters and marks (numbers are in every script). It must be of one
// script, and a Latin word cannot be mostly letters beyond ASCII: that is what Cyrillic or
// Greek bytes look like when read as Latin-1.
bool Plausible_Word(const QString &word)
{
    QChar::Script script = QChar::Script_Common;
    qsizetype beyond_ascii = 0;
    for (const QChar c : word) {
        beyond_ascii += c.unicode() >= 0x80 ? 1 : 0;
        const QChar::Script own = Family(c.script());
        if (own == QChar::Script_Common || own == QChar::Script_Inherited)
            continue;
        if (script != QChar::Script_Common && own != script)
            return false;
        script = own;
    }
    return !(script == QChar::Script_Latin && word.size() >= 3
             && beyond_ascii * 3 > word.size() * 2);
}

// Whether a character is one that text in a multi-byte set uses most: GB2312's Hanzi in
// GBK, the frequent Hanzi of Big5, kana and the first level of Kanji in Shift_JIS, Hangul
// syllables in EUC-KR. Decided on the character's bytes in the set.
bool Frequent(const CharsetInfo &charset, std::string_view bytes)
{
    if (bytes.size() != 2)
        return false;
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const auto trail = static_cast<unsigned char>(bytes[1]);
    const std::string_view name = charset.name;
    if (name == "GBK")
        return lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1;
    if (name == "Big5")
        return lead >= 0xA4 && lead <= 0xC6;
    if (name == "Shift_JIS")
        return (lead >= 0x82 && lead <= 0x83) || (lead >= 0x88 && lead <= 0x98);
    if (name == "EUC-KR")
        return lead >= 0xB0 && lead <= 0xC8;
    return false;
}

// The runs of letters and marks of a text.
std::vector<QString> Words_Of(const QString &text)
{
    std::vector<QString> words(1);
    for (const QChar c : text) {
        if (c.isLetter() || c.isMark())
            words.back() += c;
        else if (!words.back().isEmpty())
            words.emplace_back();
    }
    if (words.back().isEmpty())
        words.pop_back();
    return words;
}

// The share of a name's characters beyond ASCII that are frequent in the set.
double Frequent_Share(const NameText &names, const CharsetInfo &charset, const QString &text)
{
    int wide = 0;
    int frequent = 0;
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            continue;
        ++wide;
        const std::optional<std::string> bytes = names.Stored_Of(QString(c).toStdString());
        frequent += bytes && Frequent(charset, *bytes) ? 1 : 0;
    }
    return wide > 0 ? static_cast<double>(frequent) / wide : 0.0;
}

// How well the name reads in the set: 0 when it does not, otherwise 1 and up to one more for
// how natural it looks (its multi-byte characters' frequency, or its words' cases). Case is
// weaker evidence than frequency, so it counts half.
double Reading_Score(const NameText &names, const CharsetInfo &charset, std::string_view stored)
{
    const QString text = QString::fromStdString(names.Text_Of(stored));
    if (std::any_of(text.begin(), text.end(), Unlikely))
        return 0;
    const std::vector<QString> words = Words_Of(text);
    if (!std::all_of(words.begin(), words.end(), Plausible_Word))
        return 0;
    if (charset.multi_byte)
        return 1.0 + Frequent_Share(names, charset, text);
    double casing = 0;
    for (const QString &word : words)
        casing += Casing_Score(word);
    return 1.0 + 0.5 * (words.empty() ? 1.0 : casing / static_cast<double>(words.size()));
}

} // namespace

std::vector<std::string_view> Database_Names(const ChannelDatabase &db)
{
    std::vector<std::string_view> names;
    const auto add = [&names](std::string_view name) {
        if (!Erased(name))
            names.push_back(name);
    };
    for (const TLNB_Info_String &satellite : db.rows.satellites)
        add(satellite.Name);
    // The slots past the count are no programs, whatever their bytes say.
    const auto programs = static_cast<std::size_t>(Used_Program_Count(db.raw));
    for (std::size_t p = 0; p < programs; ++p)
        if (db.rows.programs[p].In_Use == 1)
            add(db.rows.programs[p].Name);
    for (const TFavor_Name_String &group : db.rows.favourite_names)
        add(group);
    return names;
}

int High_Byte_Names(std::span<const std::string_view> names)
{
    return static_cast<int>(std::count_if(names.begin(), names.end(), Has_High_Byte));
}

const CharsetInfo &Guess_Charset(std::span<const std::string_view> names)
{
    std::vector<std::string_view> read;
    for (const std::string_view name : names)
        if (Has_High_Byte(name) && read.size() < kMaxNamesRead)
            read.push_back(name);
    const CharsetInfo *best = Find_Charset(kCandidates.front());
    double best_score = 0;
    for (const char *candidate : kCandidates) {
        const CharsetInfo *charset = Find_Charset(candidate);
        const NameText *text = charset ? Names_In(*charset) : nullptr;
        if (!text)
            continue;
        double score = 0;
        for (const std::string_view name : read)
            score += Reading_Score(*text, *charset, name);
        if (score > best_score) {
            best_score = score;
            best = charset;
        }
    }
    return *best;
}

} // namespace orvane
