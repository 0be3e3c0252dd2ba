// orvane-cli: the channel database without a window, for backups, scripts and diffs.

#include "cli/command_help.h"
#include "cli/command_line.h"
#include "cli/commands.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    using namespace orvane::cli;
    // A reader that stops early (`orvane-cli export FILE | head`) must not kill the tool
    // before it removes its temporary folder: the failed write is reported instead.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ParsedCommandLine parsed = Parse_Command_Line(arguments);
    if (!parsed.ok)
        return Usage_Error(std::cerr, parsed.error);
    if (parsed.line.version) {
        std::cout << Version_Text();
        return kExitOk;
    }
    if (parsed.line.help) {
        std::cout << Usage_Text();
        return kExitOk;
    }
    if (parsed.line.command == "help") {
        if (parsed.line.files.empty()) {
            std::cout << Usage_Text();
            return kExitOk;
        }
        const std::optional<std::string> help = Command_Help(parsed.line.files[0]);
        if (!help)
            return Usage_Error(std::cerr, "unknown command '" + parsed.line.files[0] + "'");
        std::cout << *help;
        return kExitOk;
    }
    try {
        return Run_Command(parsed.line, std::cout, std::cerr);
    } catch (const std::exception &error) {
        std::cerr << "orvane-cli: " << error.what() << '\n';
        return kExitRefused;
    }
}
