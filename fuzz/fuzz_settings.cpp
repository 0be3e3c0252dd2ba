// Fuzz target over the settings file, "ORVANE.ini", which a user may have edited by hand: the
// input is the file. The program reads its three recent files from it, puts a newly opened one
// first and writes the list back (Read_Recent_Files, Add_Recent_File, Write_Recent_Files); the
// name it adds is made of the input's last bytes.
//
// A write that succeeds must be read back as written, and keep every other key of the file with
// its plain value (comments, and what the settings cannot read or write back, are not kept); one
// that fails must leave the file as it was. Settings are only read from files,
// so each input is written to a file of its own in a scratch folder; the written file is read
// again under another name, since the settings of a path read before come from memory.

#include "app/recent_files.h"
#include "fuzz/default_options.h"
#include "fuzz/property_check.h"
#include "fuzz/scratch_folder.h"

#include <QFile>
#include <QSettings>
#include <QVariant>

#include <algorithm>
#include <map>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

constexpr qsizetype kNameBytes = 24;

const ScratchFolder &Folder()
{
    static const ScratchFolder folder("fuzz_settings");
    return folder;
}

QString Scratch_File(const char *stem)
{
    static unsigned long long number = 0;
    return QString::fromStdString(Folder().file(stem + std::to_string(++number) + ".ini"));
}

QByteArray File_Bytes(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void Write_Bytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A name as the file holds it: a character UTF-8 cannot hold (a lone surrogate, which a \u
// escape in the file can give) is written as the replacement character.
QByteArray Utf8_As_Written(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text.toUtf8();
}

QByteArrayList Utf8_Texts(const QStringList &texts)
{
    QByteArrayList bytes;
    for (const QString &text : texts)
        bytes.append(Utf8_As_Written(text));
    return bytes;
}

bool Same_Names(const RecentFiles &a, const RecentFiles &b)
{
    return Utf8_Texts({a.names.begin(), a.names.end()})
           == Utf8_Texts({b.names.begin(), b.names.end()});
}

// A key and a value as a program writes them: a name, or a section and a name, of letters,
// digits, '_', '.' and '-', and a text (or a list of texts, which unquoted commas make) of
// printable ASCII without escapes. What a hand-edited file makes up beyond that (an empty name,
// a line break in a section name, escapes that overflow a character, a value of a type that
// cannot be written back) the settings cannot keep.
bool Plain_Text(const QString &text, bool in_key)
{
    return std::ranges::all_of(text, [in_key](QChar c) {
        const char16_t u = c.unicode();
        return in_key ? u < 128 && (c.isLetterOrNumber() || u == u'_' || u == u'.' || u == u'-')
                      : u >= 0x20 && u < 0x7F && u != u'\\' && u != u'@';
    });
}

bool Plain_Key(const QString &key)
{
    const QStringList parts = key.split(u'/');
    return parts.size() <= 2 && std::ranges::all_of(parts, [](const QString &part) {
               return !part.isEmpty() && Plain_Text(part, true);
           });
}

// An empty list (which a serialized variant can hold) is written back as "@Invalid()".
bool Plain_Value(const QVariant &value)
{
    const int type = value.typeId();
    return (type == QMetaType::QString
            || (type == QMetaType::QStringList && !value.toStringList().isEmpty()))
           && std::ranges::all_of(value.toStringList(),
                                  [](const QString &text) { return Plain_Text(text, false); });
}

// Every plain key of the file but the recent files, with its plain value.
std::map<QString, QStringList> Other_Values(const QString &path)
{
    QSettings settings(path, QSettings::IniFormat);
    std::map<QString, QStringList> values;
    for (const QString &key : settings.allKeys())
        if (const QVariant value = settings.value(key); Plain_Key(key) && Plain_Value(value))
            values.emplace(key, value.toStringList());
    for (const char *name : kRecentFileKeys)
        values.erase(QLatin1String(kRecentFilesSection) + u'/' + QLatin1String(name));
    return values;
}

// Whether every value of `before` is in `after` unchanged.
bool Kept(const std::map<QString, QStringList> &before, const std::map<QString, QStringList> &after)
{
    return std::ranges::all_of(before, [&after](const auto &entry) {
        const auto found = after.find(entry.first);
        return found != after.end() && found->second == entry.second;
    });
}

// A file name the way a path reaches the list: any text but a NUL character.
QString Opened_Name(const QByteArray &input)
{
    QString name = QString::fromUtf8(input.right(kNameBytes));
    name.remove(QChar(0));
    return name.isEmpty() ? QStringLiteral("/fuzz/opened.bin") : name;
}

} // namespace

// A value the settings store as a serialized variant declares its own length, and Qt asks for
// that much memory before it reads the value. The system gives it without touching a page, or
// refuses a size no machine has, and Qt then reads the value as broken: the allocator must do
// the same, and one large request is no fault. What the target really uses stays limited
// (-rss_limit_mb).
extern "C" const char *__asan_default_options()
{
    return "allocator_may_return_null=1";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static char malloc_limit[] = "-malloc_limit_mb=1048576";
    Add_Default_Options(argc, argv, {malloc_limit});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = Scratch_File("ORVANE-");
    Write_Bytes(path, input);
    const std::map<QString, QStringList> others = Other_Values(path);
    const RecentFiles list = Add_Recent_File(Read_Recent_Files(path), Opened_Name(input));
    if (!Write_Recent_Files(path, list)) {
        FUZZ_CHECK(File_Bytes(path) == input);
    } else {
        const QString again = Scratch_File("again-");
        Write_Bytes(again, File_Bytes(path));
        FUZZ_CHECK(Same_Names(Read_Recent_Files(again), list));
        FUZZ_CHECK(Kept(others, Other_Values(again)));
        QFile::remove(again);
    }
    QFile::remove(path);
    return 0;
}
