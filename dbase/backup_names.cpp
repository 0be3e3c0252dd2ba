#include "dbase/backup_names.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace orvane {
namespace {

constexpr const char *kBackupSuffix = ".bak";
constexpr std::size_t kStampLength = 15; // "YYYYMMDD-HHMMSS"
constexpr std::size_t kShortHead = 70;
constexpr std::size_t kShortTail = 29;
constexpr char kShortMark = '~';
constexpr int kSequenceWidth = 6;
constexpr std::size_t kMostSequenceDigits = 9;
// An origin is a path; anything longer than the system's longest is no origin of ours.
constexpr std::size_t kLongestOrigin = 4096;

bool All_Digits(const std::string &text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return std::isdigit(c);
    });
}

bool Is_Stamp(const std::string &text)
{
    return text.size() == kStampLength && text[8] == '-' && All_Digits(text.substr(0, 8))
           && All_Digits(text.substr(9));
}

bool Continues_Character(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// FNV-1a: the same path gives the same folder in every build and on every machine.
std::uint64_t Path_Hash(const std::string &path)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : path) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

// "NAME.STAMP" without ".bak": the text before the last dot and the text after it.
std::optional<std::pair<std::string, std::string>> Split_Backup_Name(const std::string &entry)
{
    if (!entry.ends_with(kBackupSuffix))
        return std::nullopt;
    const std::string body = entry.substr(0, entry.size() - std::strlen(kBackupSuffix));
    const auto dot = body.find_last_of('.');
    if (dot == std::string::npos || dot == 0)
        return std::nullopt;
    return std::pair{body.substr(0, dot), body.substr(dot + 1)};
}

} // namespace

std::string Backup_Stamp(std::time_t when)
{
    // A time zone changed while the program runs shows in the next backup's name.
    ::tzset();
    std::tm local{};
    ::localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

std::string Stamp_Text(const std::string &stamp)
{
    if (!Is_Stamp(stamp))
        return stamp;
    return stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " "
           + stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

std::optional<BackupFile> Parse_Backup_Name(const std::string &entry)
{
    const auto parts = Split_Backup_Name(entry);
    if (!parts)
        return std::nullopt;
    const auto &[file_name, when] = *parts;
    BackupFile backup;
    backup.file_name = file_name;
    backup.stamp = when.substr(0, kStampLength);
    if (!Is_Stamp(backup.stamp))
        return std::nullopt;
    if (when.size() > kStampLength) {
        const std::string sequence = when.substr(kStampLength + 1);
        if (when[kStampLength] != '-' || !All_Digits(sequence) || sequence.size() > 6)
            return std::nullopt;
        backup.sequence = std::stoi(sequence);
    }
    return backup;
}

std::string Short_Name(const std::string &file_name)
{
    if (file_name.size() <= kShortHead + 1 + kShortTail)
        return file_name;
    std::size_t head = kShortHead;
    while (head > 0 && Continues_Character(file_name[head]))
        --head;
    std::size_t tail = file_name.size() - kShortTail;
    while (tail < file_name.size() && Continues_Character(file_name[tail]))
        ++tail;
    return file_name.substr(0, head) + kShortMark + file_name.substr(tail);
}

std::string History_Folder_Name(const std::string &origin, int attempt)
{
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Path_Hash(origin)));
    const std::string further = attempt > 1 ? "-" + std::to_string(attempt) : "";
    return Short_Name(Name_Of(origin)) + "." + hash + further;
}

std::string History_Backup_Name(const std::string &short_name, int sequence,
                                const std::string &stamp)
{
    char number[16];
    std::snprintf(number, sizeof number, "%0*d", kSequenceWidth, sequence);
    return short_name + "." + number + "." + stamp + kBackupSuffix;
}

std::optional<BackupFile> Parse_History_Name(const std::string &entry)
{
    const auto parts = Split_Backup_Name(entry);
    if (!parts || !Is_Stamp(parts->second))
        return std::nullopt;
    const std::string &front = parts->first;
    const auto dot = front.find_last_of('.');
    if (dot == std::string::npos || dot == 0)
        return std::nullopt;
    const std::string number = front.substr(dot + 1);
    if (number.size() < kSequenceWidth || number.size() > kMostSequenceDigits
        || !All_Digits(number))
        return std::nullopt;
    BackupFile backup;
    backup.file_name = front.substr(0, dot);
    backup.stamp = parts->second;
    backup.sequence = std::stoi(number);
    return backup;
}

std::optional<std::string> Parse_Origin(std::string text)
{
    if (!text.ends_with('\n'))
        return std::nullopt;
    text.pop_back();
    // A file name may hold a line break; only the last one ends the line.
    if (!text.starts_with('/') || text.find('\0') != std::string::npos)
        return std::nullopt;
    return text;
}

std::optional<std::string> Read_Origin(const std::string &history_folder)
{
    Bytes bytes;
    std::string reason;
    const std::string path = history_folder + "/" + kOriginFileName;
    if (!Read_Whole_File(path, bytes, reason, kLongestOrigin) || bytes.size() > kLongestOrigin)
        return std::nullopt;
    return Parse_Origin(std::string(bytes.begin(), bytes.end()));
}

} // namespace orvane
