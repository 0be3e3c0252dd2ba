#include "charsets/charset_table.h"

#include "charsets/iconv_names.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace orvane {
namespace {

// The script names are the menu's captions, translated where the menu is made.
constexpr std::array kCharsets{
        CharsetInfo{"ISO-8859-1", QT_TRANSLATE_NOOP("Charsets", "Western"), "ISO-8859-1", false},
        CharsetInfo{"windows-1252", QT_TRANSLATE_NOOP("Charsets", "Western"), "WINDOWS-1252",
                    false},
        CharsetInfo{"ISO-8859-15", QT_TRANSLATE_NOOP("Charsets", "Western"), "ISO-8859-15", false},
        CharsetInfo{"ISO-8859-3", QT_TRANSLATE_NOOP("Charsets", "Western"), "ISO-8859-3", false},
        CharsetInfo{"ISO-8859-10", QT_TRANSLATE_NOOP("Charsets", "Western"), "ISO-8859-10", false},
        CharsetInfo{"ISO-8859-14", QT_TRANSLATE_NOOP("Charsets", "Western"), "ISO-8859-14", false},
        CharsetInfo{"windows-1250", QT_TRANSLATE_NOOP("Charsets", "Central European"),
                    "WINDOWS-1250", false},
        CharsetInfo{"ISO-8859-2", QT_TRANSLATE_NOOP("Charsets", "Central European"), "ISO-8859-2",
                    false},
        CharsetInfo{"ISO-8859-16", QT_TRANSLATE_NOOP("Charsets", "Central European"), "ISO-8859-16",
                    false},
        CharsetInfo{"windows-1251", QT_TRANSLATE_NOOP("Charsets", "Cyrillic"), "WINDOWS-1251",
                    false},
        CharsetInfo{"KOI8-R", QT_TRANSLATE_NOOP("Charsets", "Cyrillic"), "KOI8-R", false},
        CharsetInfo{"KOI8-U", QT_TRANSLATE_NOOP("Charsets", "Cyrillic"), "KOI8-U", false},
        CharsetInfo{"ISO-8859-5", QT_TRANSLATE_NOOP("Charsets", "Cyrillic"), "ISO-8859-5", false},
        CharsetInfo{"windows-1253", QT_TRANSLATE_NOOP("Charsets", "Greek"), "WINDOWS-1253", false},
        CharsetInfo{"ISO-8859-7", QT_TRANSLATE_NOOP("Charsets", "Greek"), "ISO-8859-7", false},
        CharsetInfo{"windows-1254", QT_TRANSLATE_NOOP("Charsets", "Turkish"), "WINDOWS-1254",
                    false},
        CharsetInfo{"ISO-8859-9", QT_TRANSLATE_NOOP("Charsets", "Turkish"), "ISO-8859-9", false},
        CharsetInfo{"windows-1255", QT_TRANSLATE_NOOP("Charsets", "Hebrew"), "WINDOWS-1255", false},
        CharsetInfo{"ISO-8859-8", QT_TRANSLATE_NOOP("Charsets", "Hebrew"), "ISO-8859-8", false},
        CharsetInfo{"windows-1256", QT_TRANSLATE_NOOP("Charsets", "Arabic"), "WINDOWS-1256", false},
        CharsetInfo{"ISO-8859-6", QT_TRANSLATE_NOOP("Charsets", "Arabic"), "ISO-8859-6", false},
        CharsetInfo{"windows-1257", QT_TRANSLATE_NOOP("Charsets", "Baltic"), "WINDOWS-1257", false},
        CharsetInfo{"ISO-8859-13", QT_TRANSLATE_NOOP("Charsets", "Baltic"), "ISO-8859-13", false},
        CharsetInfo{"ISO-8859-4", QT_TRANSLATE_NOOP("Charsets", "Baltic"), "ISO-8859-4", false},
        CharsetInfo{"windows-1258", QT_TRANSLATE_NOOP("Charsets", "Vietnamese"), "WINDOWS-1258",
                    false},
        CharsetInfo{"TIS-620", QT_TRANSLATE_NOOP("Charsets", "Thai"), "TIS-620", false},
        CharsetInfo{"ISO-8859-11", QT_TRANSLATE_NOOP("Charsets", "Thai"), "ISO-8859-11", false},
        CharsetInfo{"windows-874", QT_TRANSLATE_NOOP("Charsets", "Thai"), "CP874", false},
        CharsetInfo{"GBK", QT_TRANSLATE_NOOP("Charsets", "Chinese Simplified"), "GBK", true},
        CharsetInfo{"GB18030", QT_TRANSLATE_NOOP("Charsets", "Chinese Simplified"), "GB18030",
                    true},
        CharsetInfo{"Big5", QT_TRANSLATE_NOOP("Charsets", "Chinese Traditional"), "BIG5", true},
        CharsetInfo{"Shift_JIS", QT_TRANSLATE_NOOP("Charsets", "Japanese"), "SHIFT_JIS", true},
        CharsetInfo{"EUC-JP", QT_TRANSLATE_NOOP("Charsets", "Japanese"), "EUC-JP", true},
        CharsetInfo{"EUC-KR", QT_TRANSLATE_NOOP("Charsets", "Korean"), "EUC-KR", true},
};

bool Same_Name(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
               == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::span<const CharsetInfo> Charsets()
{
    return kCharsets;
}

const CharsetInfo *Find_Charset(std::string_view name)
{
    const auto *const found
            = std::find_if(kCharsets.begin(), kCharsets.end(),
                           [name](const CharsetInfo &c) { return Same_Name(c.name, name); });
    return found == kCharsets.end() ? nullptr : &*found;
}

const NameText *Names_In(const CharsetInfo &charset)
{
    if (&charset == &kCharsets.front())
        return &Latin1_Names();
    // Made on first use and kept: a converter costs a few allocations, and databases keep
    // pointers to these.
    static std::mutex guard;
    static std::map<const CharsetInfo *, std::unique_ptr<IconvNames>> made;
    const std::lock_guard lock(guard);
    std::unique_ptr<IconvNames> &names = made[&charset];
    if (!names)
        names = std::make_unique<IconvNames>(charset);
    return names->usable() ? names.get() : nullptr;
}

const NameText *Names_In(std::string_view name)
{
    const CharsetInfo *charset = Find_Charset(name);
    return charset ? Names_In(*charset) : nullptr;
}

} // namespace orvane
