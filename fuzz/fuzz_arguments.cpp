// Fuzz target over the command lines of both programs, which a script may build from any file
// names: the first byte picks orvane-cli (bit 0 clear) or orvane, the rest holds the arguments,
// split at NUL bytes as the system hands them over. Either a call is wrong usage with a reason,
// or it is taken with files that are arguments as given; the desktop program opens at most one.

#include "app/start_options.h"
#include "cli/command_line.h"
#include "fuzz/property_check.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace orvane;

namespace {

std::vector<std::string> Arguments_Of(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> arguments;
    if (size == 0)
        return arguments;
    const std::string text(reinterpret_cast<const char *>(data), size);
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\0', start);
        arguments.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return arguments;
        start = end + 1;
    }
}

void Check_Cli(const std::vector<std::string> &arguments)
{
    const cli::ParsedCommandLine parsed = cli::Parse_Command_Line(arguments);
    FUZZ_CHECK(parsed.ok == parsed.error.empty());
    if (!parsed.ok || parsed.line.help || parsed.line.version)
        return;
    FUZZ_CHECK(!parsed.line.command.empty());
    for (const std::string &file : parsed.line.files)
        FUZZ_CHECK(std::find(arguments.begin(), arguments.end(), file) != arguments.end());
}

void Check_Start(const std::vector<std::string> &arguments)
{
    QStringList list;
    for (const std::string &argument : arguments)
        list.append(QString::fromStdString(argument));
    const StartOptions options = Parse_Start_Options(list);
    using Action = StartOptions::Action;
    FUZZ_CHECK((options.action == Action::Wrong) == !options.error.isEmpty());
    if (options.action == Action::Run && !options.file.isEmpty())
        FUZZ_CHECK(list.contains(options.file));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::vector<std::string> arguments = Arguments_Of(data + 1, size - 1);
    if ((data[0] & 1) == 0)
        Check_Cli(arguments);
    else
        Check_Start(arguments);
    return 0;
}
