#include "cli/command_help.h"

#include "cli/command_line.h"

#include "orvane_version.h"

#include <sstream>
#include <string_view>

namespace orvane::cli {
namespace {

struct CommandNotes
{
    std::string_view command;
    std::string_view notes;
};

// One entry per command; a command without notes shows its usage lines only. --kind
// data|default names FILE's kind for every command that takes it.
constexpr CommandNotes kNotes[] = {
        {"info", "Prints the header, the bank, the counts of every table and the free slots,\n"
                 "how many names hold bytes above 127 and the character set they most likely\n"
                 "are in.\n"},
        {"verify",
         "Opens FILE as the program does: its size, every block's checksum, the\n"
         "decompression and the tables. Prints nothing and exits 0 when FILE is whole.\n"},
        {"unpack", "Writes the unpacked database image (258048 bytes) of FILE into IMAGE.\n"},
        {"pack", "Packs IMAGE into OUT with FILE's header and bank. --mode takes 0 or 2 for a\n"
                 "Channel Data FILE, 1, 2 or 3 for a Default FILE. A replaced OUT is backed up.\n"},
        {"export", "Prints every table of FILE as JSON, in the form import reads back; with\n"
                   "--csv, the program list as CSV, in the form import-csv reads back.\n"},
        {"check", "Shows how full each table is (\"!\" marks 90 % of a limit) and what breaks\n"
                  "the receiver's rules (errors), duplicates and bad names (warnings), and empty\n"
                  "transponders and programs in no favourite group (information). Exits 0\n"
                  "without errors, 1 when the database has errors, 2 when FILE cannot be\n"
                  "opened. --json prints the same as JSON, and {\"error\": message} for a FILE\n"
                  "it cannot open.\n"},
        {"import", "Reads what export writes and checks every value first: on an error it prints\n"
                   "the first 20 problems and writes nothing. What the export does not carry\n"
                   "comes from FILE; --kind names OUT's kind, FILE's by default.\n"},
        {"import-csv", "Matches each row of CSV to a program of FILE as order does and gives the\n"
                       "matched programs the rows' order, names, locked, skipped and favourite\n"
                       "groups; rows that match no program or several are listed and skipped.\n"
                       "A fault in CSV stops it before anything is written.\n"},
        {"sort", "Sorts the TV programs among their own places in the list, and the radio\n"
                 "programs among theirs. OUT may be FILE itself; a replaced OUT is backed up.\n"},
        {"order", "Matches each program of FILE to one of REFERENCE by kind, service id and\n"
                  "transponder frequency, then by name; the matched programs take REFERENCE's\n"
                  "order. --names takes REFERENCE's names, --favourites its favourite groups.\n"},
        {"sample", "Writes the bundled sample database of the kind given into OUT.\n"},
        {"read", "Reads the database from the receiver on PORT (a device path or COM1..COM10)\n"
                 "into OUT. Exits 0 on \"Update Success!\", 1 otherwise; Ctrl-C cancels.\n"},
        {"write", "Writes FILE into the receiver on PORT (a device path or COM1..COM10).\n"
                  "Exits 0 on \"Update Success!\", 1 otherwise; Ctrl-C cancels.\n"},
        {"backups", "Lists the backups of replaced database files, newest first, or only those\n"
                    "of FILE: time, the path of the file it was taken from, size, kind, TV and\n"
                    "radio programs, and the backup's path.\n"},
        {"restore", "Writes the database of BACKUP (it must open as a database file) into FILE,\n"
                    "by default the file BACKUP was taken from; a backup of an earlier version\n"
                    "does not know that file and needs FILE. What FILE held is backed up first.\n"},
        {"charsets", "Lists the character sets --charset takes, one per line with its script,\n"
                     "grouped by script. Names are matched without regard to case.\n"},
        {"diff", "Lists what B changes relative to A: each entry added, removed, changed (with\n"
                 "the fields that differ) or moved, by table, then a summary. Programs match as\n"
                 "order matches them. Exits 0 when nothing differs, 1 when something does, 2\n"
                 "when a file cannot be opened. --json prints the same as JSON, the fields named\n"
                 "and written as export writes them, and {\"error\": message} for a file it\n"
                 "cannot open.\n"},
        {"help", "Shows the usage of COMMAND, or of every command without one.\n"},
};

bool Is_Usage_Line_Of(std::string_view line, const std::string &command)
{
    const std::string start = "  orvane-cli " + command;
    return line.substr(0, start.size()) == start
           && (line.size() == start.size() || line[start.size()] == ' ');
}

// The usage text's lines for command, with the continuation lines that follow them.
std::string Usage_Lines_Of(const std::string &command)
{
    std::istringstream text(Usage_Text());
    std::string lines;
    bool inside = false;
    for (std::string line; std::getline(text, line);) {
        const bool continued = inside && line.rfind("             [", 0) == 0;
        inside = Is_Usage_Line_Of(line, command) || continued;
        if (inside)
            lines += line + '\n';
    }
    return lines;
}

} // namespace

std::optional<std::string> Command_Help(const std::string &command)
{
    std::string usage = Usage_Lines_Of(command);
    if (command == "help")
        usage = "  orvane-cli help [COMMAND]\n";
    if (usage.empty())
        return std::nullopt;
    std::string help = "Usage:\n" + usage;
    for (const CommandNotes &entry : kNotes) {
        if (entry.command == command)
            help += "\n" + std::string(entry.notes);
    }
    if (Takes_Charset(command))
        help += "--charset NAME reads and writes the names in that character set, ISO-8859-1\n"
                "by default; orvane-cli charsets lists the names.\n";
    return help + "\nExit status: 0 success, 1 file refused or transfer failed, 2 wrong usage.\n";
}

std::string Version_Text()
{
    return std::string("orvane-cli ") + kOrvaneVersion + '\n';
}

} // namespace orvane::cli
