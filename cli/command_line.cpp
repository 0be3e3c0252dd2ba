#include "cli/command_line.h"

#include "charsets/charset_table.h"
#include "dbase/channel_database.h"
#include "dbase/file_io.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace orvane::cli {
namespace {

enum Option : unsigned {
    kKindOption = 1,
    kLikeOption = 2,
    kModeOption = 4,
    kPortOption = 8,
    kByOption = 16,
    kNamesFlag = 32,
    kFavouritesFlag = 64,
    kJsonFlag = 128,
    kCsvFlag = 256,
    kCharsetOption = 512,
};

constexpr std::array<Option, 10> kOptions{kKindOption, kLikeOption,   kModeOption,     kPortOption,
                                          kByOption,   kNamesFlag,    kFavouritesFlag, kJsonFlag,
                                          kCsvFlag,    kCharsetOption};

// The commands that read or write names take --charset.
constexpr unsigned kNames = kCharsetOption;

struct CommandRule
{
    const char *name;
    std::size_t file_count;
    std::size_t optional_files; // how many more file names it may take
    unsigned allowed_options;
    unsigned required_options;
};

constexpr std::array<CommandRule, 18> kCommands{{
        {"info", 1, 0, kKindOption | kNames, 0},
        {"verify", 1, 0, kKindOption, 0},
        {"unpack", 2, 0, kKindOption, 0},
        {"pack", 2, 0, kKindOption | kLikeOption | kModeOption, kLikeOption | kModeOption},
        {"export", 1, 0, kKindOption | kCsvFlag | kNames, 0},
        {"check", 1, 0, kKindOption | kJsonFlag | kNames, 0},
        {"import", 2, 0, kKindOption | kLikeOption | kNames, kLikeOption},
        {"sort", 2, 0, kKindOption | kByOption | kNames, kByOption},
        {"order", 2, 0, kKindOption | kLikeOption | kNamesFlag | kFavouritesFlag | kNames,
         kLikeOption},
        {"sample", 1, 0, kKindOption, kKindOption},
        {"read", 1, 0, kKindOption | kPortOption, kKindOption | kPortOption},
        {"write", 1, 0, kKindOption | kPortOption, kPortOption},
        {"backups", 0, 1, 0, 0},
        {"restore", 1, 1, 0, 0},
        {"import-csv", 2, 0, kKindOption | kLikeOption | kNames, kLikeOption},
        {"charsets", 0, 0, 0, 0},
        {"diff", 2, 0, kJsonFlag | kNames, 0},
        {"help", 0, 1, 0, 0},
}};

const CommandRule *Find_Command(const std::string &name)
{
    const auto *const found
            = std::find_if(kCommands.begin(), kCommands.end(),
                           [&](const CommandRule &rule) { return name == rule.name; });
    return found == kCommands.end() ? nullptr : &*found;
}

bool Has(unsigned options, unsigned option)
{
    return (options & option) != 0;
}

const char *Option_Name(unsigned option)
{
    switch (option) {
    case kKindOption:
        return "--kind";
    case kLikeOption:
        return "--like";
    case kModeOption:
        return "--mode";
    case kPortOption:
        return "--port";
    case kByOption:
        return "--by";
    case kNamesFlag:
        return "--names";
    case kJsonFlag:
        return "--json";
    case kCsvFlag:
        return "--csv";
    case kCharsetOption:
        return "--charset";
    default:
        return "--favourites";
    }
}

// The options that stand alone, without a value.
std::optional<Option> Flag_Named(const std::string &name)
{
    if (name == "--names")
        return kNamesFlag;
    if (name == "--favourites")
        return kFavouritesFlag;
    if (name == "--json")
        return kJsonFlag;
    if (name == "--csv")
        return kCsvFlag;
    return std::nullopt;
}

std::optional<FileKind> Kind_From(const std::string &value)
{
    if (value == "data")
        return FileKind::ChannelData;
    if (value == "default")
        return FileKind::Default;
    return std::nullopt;
}

// A device path, or COM1 to COM10 (any case).
bool Is_Port_Name(const std::string &value)
{
    if (value.size() > 1 && value[0] == '/')
        return true;
    if (value.size() < 4 || value.size() > 5)
        return false;
    std::string prefix = value.substr(0, 3);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::string number = value.substr(3);
    return prefix == "COM"
           && (number == "10" || (number.size() == 1 && number[0] >= '1' && number[0] <= '9'));
}

std::optional<ProgramSortKey> Sort_Key_From(const std::string &value)
{
    if (value == "name")
        return ProgramSortKey::Name;
    if (value == "service-id")
        return ProgramSortKey::Service_Id;
    return std::nullopt;
}

std::optional<int> Mode_From(const std::string &value)
{
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '3')
        return value[0] - '0';
    return std::nullopt;
}

std::string File_Count_Text(const CommandRule &rule)
{
    const std::size_t most = rule.file_count + rule.optional_files;
    std::string count = std::to_string(most);
    if (rule.optional_files > 0)
        count = rule.file_count == 0
                        ? "at most " + count
                        : std::to_string(rule.file_count)
                                  + (rule.optional_files == 1 ? " or " : " to ") + count;
    return count + " file name" + (most == 1 ? "" : "s");
}

class Parser
{
public:
    explicit Parser(std::span<const std::string> arguments)
        : m_arguments(arguments)
    {}

    ParsedCommandLine run()
    {
        while (m_ok && m_next < m_arguments.size())
            take(m_arguments[m_next++]);
        if (m_ok && !m_result.line.help && !m_result.line.version)
            check_command();
        m_result.ok = m_ok;
        return m_result;
    }

private:
    void fail(std::string error)
    {
        if (m_ok)
            m_result.error = std::move(error);
        m_ok = false;
    }

    void take(const std::string &argument)
    {
        if (m_only_names || argument.size() < 2 || argument[0] != '-') {
            add_word(argument);
        } else if (argument == "--") {
            m_only_names = true;
        } else if (argument == "--help" || argument == "-h") {
            m_result.line.help = true;
        } else if (argument == "--version") {
            m_result.line.version = true;
        } else {
            take_option(argument);
        }
    }

    void add_word(const std::string &word)
    {
        if (m_result.line.command.empty()) {
            m_result.line.command = word;
        } else {
            m_result.line.files.push_back(word);
        }
    }

    // "--name value" or "--name=value", or a flag alone.
    void take_option(const std::string &argument)
    {
        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (const std::optional<Option> flag = Flag_Named(name)) {
            if (equals != std::string::npos)
                return fail("option " + name + " takes no value");
            return set_flag(*flag);
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (m_next < m_arguments.size()) {
            value = m_arguments[m_next++];
        } else {
            return fail("option " + name + " needs a value");
        }
        set_option(name, value);
    }

    void set_option(const std::string &name, const std::string &value)
    {
        CommandLine &line = m_result.line;
        if (name == "--kind") {
            if (mark(kKindOption) && !(line.kind = Kind_From(value)))
                fail("--kind takes data or default, not '" + value + "'");
        } else if (name == "--like") {
            if (mark(kLikeOption))
                line.like = value;
        } else if (name == "--mode") {
            if (mark(kModeOption) && !(line.mode = Mode_From(value)))
                fail("--mode takes 0, 1, 2 or 3, not '" + value + "'");
        } else if (name == "--by") {
            if (mark(kByOption) && !(line.sort_key = Sort_Key_From(value)))
                fail("--by takes name or service-id, not '" + value + "'");
        } else if (name == "--port") {
            if (mark(kPortOption) && Is_Port_Name(value))
                line.port = value;
            else if (m_ok)
                fail("--port takes a device path or COM1 to COM10, not '" + value + "'");
        } else if (name == "--charset") {
            if (mark(kCharsetOption))
                set_charset(value);
        } else {
            fail("unknown option " + name);
        }
    }

    void set_charset(const std::string &value)
    {
        if (!Find_Charset(value))
            return fail("--charset does not know '" + value
                        + "'; orvane-cli charsets lists the names it takes");
        const NameText *names = Names_In(value);
        if (!names)
            return fail("--charset " + value + " cannot be converted on this system");
        m_result.line.charset = names;
    }

    void set_flag(Option flag)
    {
        if (!mark(flag))
            return;
        CommandLine &line = m_result.line;
        (flag == kNamesFlag  ? line.names
         : flag == kJsonFlag ? line.json
         : flag == kCsvFlag  ? line.csv
                             : line.favourites)
                = true;
    }

    bool mark(unsigned option)
    {
        if (Has(m_seen, option)) {
            fail(std::string("option ") + Option_Name(option) + " given twice");
            return false;
        }
        m_seen |= option;
        return true;
    }

    void check_command()
    {
        const std::string &command = m_result.line.command;
        const CommandRule *rule = Find_Command(command);
        if (command.empty())
            return fail("no command given");
        if (!rule)
            return fail("unknown command '" + command + "'");
        const std::size_t files = m_result.line.files.size();
        if (files < rule->file_count || files > rule->file_count + rule->optional_files)
            return fail(command + " takes " + File_Count_Text(*rule));
        for (const Option option : kOptions) {
            if (Has(m_seen, option) && !Has(rule->allowed_options, option))
                return fail(std::string(Option_Name(option)) + " does not apply to " + command);
            if (Has(rule->required_options, option) && !Has(m_seen, option))
                return fail(command + " needs " + Option_Name(option));
        }
    }

    std::span<const std::string> m_arguments;
    std::size_t m_next = 0;
    bool m_ok = true;
    bool m_only_names = false;
    unsigned m_seen = 0;
    ParsedCommandLine m_result;
};

} // namespace

ParsedCommandLine Parse_Command_Line(std::span<const std::string> arguments)
{
    return Parser(arguments).run();
}

std::string Usage_Text()
{
    return "Usage:\n"
           "  orvane-cli info FILE                                  summary of a database file\n"
           "  orvane-cli verify FILE                                check that FILE opens\n"
           "  orvane-cli unpack FILE IMAGE                          write the unpacked image\n"
           "  orvane-cli pack IMAGE --like FILE --mode 0|1|2|3 OUT  pack IMAGE like FILE\n"
           "  orvane-cli export FILE                                the tables as JSON\n"
           "  orvane-cli export --csv FILE                          the program list as CSV\n"
           "  orvane-cli check FILE [--json]                        check the database\n"
           "  orvane-cli import JSON --like FILE OUT                the tables of an export\n"
           "             [--kind data|default]                      into a file like FILE\n"
           "  orvane-cli sort FILE --by name|service-id OUT         sort the programs\n"
           "  orvane-cli order FILE --like REFERENCE OUT            order the programs like\n"
           "             [--names] [--favourites]                   REFERENCE\n"
           "  orvane-cli sample --kind data|default OUT             write the sample database\n"
           "  orvane-cli read --port PORT --kind data|default OUT   read OUT from the receiver\n"
           "  orvane-cli write --port PORT FILE                     write FILE into the receiver\n"
           "  orvane-cli backups [FILE]                             list the backups, newest "
           "first\n"
           "  orvane-cli restore BACKUP [FILE]                      put a backup back\n"
           "  orvane-cli import-csv CSV --like FILE OUT             apply an edited program "
           "list\n"
           "  orvane-cli charsets                                   the names --charset takes\n"
           "  orvane-cli diff A B [--json]                          what B changes relative "
           "to A\n"
           "\n"
           "The kind of FILE follows from its size (262144 bytes Channel Data, 131072 Default)\n"
           "unless --kind data|default names it. Options may stand anywhere; \"--\" ends them.\n"
           "pack takes modes 0 and 2 for a Channel Data FILE, 1, 2 and 3 for a Default FILE.\n"
           "PORT is a device path (/dev/ttyUSB0) or COM1..COM10, numbered as the program's\n"
           "port list numbers them (ORVANE_COM_PORTS=DEV1,DEV2,... sets that list). read and\n"
           "write print the transfer's state texts one per line, and a progress bar when the\n"
           "output is a terminal; Ctrl-C cancels the transfer. They exit 0 on \"Update "
           "Success!\".\n"
           "sort sorts the TV programs among their own places in the list, and the radio\n"
           "programs among theirs. order matches each program of FILE to one of REFERENCE (a\n"
           "file of either kind) of the same kind, TV or radio, with the same service id on the\n"
           "same transponder frequency (within 2 MHz for satellite, exact for terrestrial),\n"
           "then with the same name where that leaves more than one. The matched programs take\n"
           "REFERENCE's order, the others keep theirs after them, and the unmatched ones are\n"
           "listed. --names gives the matched programs REFERENCE's names, --favourites their\n"
           "favourite memberships in REFERENCE and its group names. sort and order save OUT in\n"
           "FILE's own kind; OUT may be FILE itself.\n"
           "check shows how full each table is (\"!\" marks 90 % of a limit) and what breaks\n"
           "the receiver's rules (errors), duplicates and bad names (warnings), and empty\n"
           "transponders and programs in no favourite group (information); it exits 1 when\n"
           "there are errors and 2 when FILE cannot be opened. --json prints the same as\n"
           "JSON, and {\"error\": message} for a FILE it cannot open.\n"
           "import reads what export writes (the numbers it writes as texts may be numbers)\n"
           "and checks every value first: on an error it prints the first 20 problems and\n"
           "writes nothing. What the export does not carry (the bytes that no field owns, the\n"
           "unused slots, the header and bank) comes from FILE; --kind names OUT's kind,\n"
           "FILE's by default.\n"
           "export --csv lists the TV, then the radio programs, one row each. import-csv\n"
           "matches each row of CSV to a program of FILE as order does, and gives the matched\n"
           "programs the rows' order, names, locked, skipped and favourite groups; rows that\n"
           "match no program or several are listed and skipped. A fault in CSV (up to 20 are\n"
           "shown) stops it before anything is written. It saves OUT as sort and order do.\n"
           "info, export, check, diff, import, import-csv, sort and order take --charset NAME,\n"
           "the character set the names were typed in (ISO-8859-1 by default): they read,\n"
           "sort and write the names in it. export writes UTF-8; import and import-csv refuse a\n"
           "name the set cannot hold or one longer than its field in bytes. charsets lists\n"
           "the names by script, matched without regard to case; info guesses the set from\n"
           "the names that hold bytes above 127.\n"
           "diff matches the entries of A and B (satellites and favourite groups by number,\n"
           "transponders by satellite, polarisation and frequency within 2 MHz or by group\n"
           "and frequency, programs as order matches them) and prints each one added,\n"
           "removed, changed (with the fields that differ) or moved, then a summary; it exits\n"
           "0 when nothing differs, 1 when something does, 2 when a file cannot be opened.\n"
           "--json prints the same as JSON, with the fields as export names them.\n"
           "Before pack, sample, read, sort, order, import, import-csv and restore replace an\n"
           "existing database file, they copy it into ~/.local/share/Orvane/backups/ (under\n"
           "$XDG_DATA_HOME when set), keeping the newest 30 of each file; backups lists them\n"
           "with the path of the file each was taken from, or only those of FILE. restore\n"
           "writes the database of BACKUP into FILE, by default the file it was taken from.\n"
           "\n"
           "Exit status: 0 success, 1 file refused or transfer failed, 2 wrong usage (and a\n"
           "file check or diff cannot open); diff exits 1 when the databases differ.\n"
           "orvane-cli help COMMAND shows one command's usage; --version prints the version.\n";
}

bool Takes_Charset(const std::string &command)
{
    const CommandRule *rule = Find_Command(command);
    return rule != nullptr && Has(rule->allowed_options, kCharsetOption);
}

FileKind Kind_Of(const std::string &path, std::optional<FileKind> forced)
{
    return forced.value_or(Kind_For_File_Size(File_Size(path), FileKind::ChannelData));
}

} // namespace orvane::cli
