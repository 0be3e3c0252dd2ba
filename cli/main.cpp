// orvane-cli: the channel database without a window, for backups, scripts and diffs.

#include "cli/command_line.h"
#include "cli/commands.h"

#include <csignal>
#include <exception>
#include <iostream>
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
    if (parsed.line.help) {
        std::cout << Usage_Text();
        return kExitOk;
    }
    try {
        return Run_Command(parsed.line, std::cout, std::cerr);
    } catch (const std::exception &error) {
        std::cerr << "orvane-cli: " << error.what() << '\n';
        return kExitRefused;
    }
}
