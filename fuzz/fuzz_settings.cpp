// Fuzz target over the settings file, "ORVANE.ini", which a user may have edited by hand: the
// input is the file. The program reads its three recent files from it, puts a newly opened one
// first and writes the list back (Read_Recent_Files, Add_Recent_File, Write_Recent_Files); the
// name it adds is made of the input's last bytes.
//
// A write that succeeds must be read back as written, and keep every other key of the file with
// its value (comments, and keys the settings cannot read or write, are not kept); one that fails
// must leave the file as it was. Settings are only read from files,
// so each input is written to a file of its own in a scratch folder; the written file is read
// again under another name, since the settings of a path read before come from memory.

#include "app/recent_files.h"
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

// A text as the bytes the file holds: a character UTF-8 cannot hold (a lone surrogate, which a
// \u escape in the file can give) is not written as it was read. Lists as the texts they hold: a
// list of texts that holds a character the file must escape is written as a list of values, and
// read back as one.
QByteArrayList Utf8_Texts(const QStringList &texts)
{
    QByteArrayList bytes;
    for (const QString &text : texts)
        bytes.append(text.toUtf8());
    return bytes;
}

QVariant Comparable(const QVariant &value)
{
    const int type = value.typeId();
    if (type == QMetaType::QString || type == QMetaType::QStringList
        || type == QMetaType::QVariantList)
        return QVariant::fromValue(Utf8_Texts(value.toStringList()));
    return value;
}

bool Same_Names(const RecentFiles &a, const RecentFiles &b)
{
    return Utf8_Texts({a.names.begin(), a.names.end()})
           == Utf8_Texts({b.names.begin(), b.names.end()});
}

// A key as a program writes one: a name, or a section and a name, of letters, digits, '_', '.'
// and '-'. The settings cannot keep every key a hand-edited file makes up (an empty name, a
// section name with a slash or a line break in it).
bool Plain_Key(const QString &key)
{
    const QStringList parts = key.split(u'/');
    return parts.size() <= 2 && std::ranges::all_of(parts, [](const QString &part) {
               return !part.isEmpty() && std::ranges::all_of(part, [](QChar c) {
                   return c.unicode() < 128
                          && (c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'-');
               });
           });
}

// Every plain key of the file but the recent files, with its value.
std::map<QString, QVariant> Other_Values(const QString &path)
{
    QSettings settings(path, QSettings::IniFormat);
    std::map<QString, QVariant> values;
    for (const QString &key : settings.allKeys())
        if (Plain_Key(key))
            values.emplace(key, Comparable(settings.value(key)));
    for (const char *name : kRecentFileKeys)
        values.erase(QLatin1String(kRecentFilesSection) + u'/' + QLatin1String(name));
    return values;
}

// Whether every value of `before` is in `after` unchanged.
bool Kept(const std::map<QString, QVariant> &before, const std::map<QString, QVariant> &after)
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = Scratch_File("ORVANE-");
    Write_Bytes(path, input);
    const std::map<QString, QVariant> others = Other_Values(path);
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
