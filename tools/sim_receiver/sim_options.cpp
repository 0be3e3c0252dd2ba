#include "tools/sim_receiver/sim_options.h"

#include <charconv>
#include <functional>
#include <map>

namespace orvane::sim {
namespace {

constexpr int kLargestNumber = 1'000'000;

std::optional<int> Parse_Count(const std::string &text)
{
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < 0 || value > kLargestNumber)
        return std::nullopt;
    return value;
}

using FlagSetter = std::function<void(SimOptions &)>;
using ValueSetter = std::function<bool(SimOptions &, const std::string &)>;

const std::map<std::string, FlagSetter> &Flags()
{
    static const std::map<std::string, FlagSetter> flags = {
            {"--once", [](SimOptions &o) { o.once = true; }},
            {"--pace", [](SimOptions &o) { o.pace = true; }},
            {"--wrong-answer", [](SimOptions &o) { o.wrong_answer = true; }},
            {"--fail-verify", [](SimOptions &o) { o.fail_verify = true; }},
            {"--fail-erase", [](SimOptions &o) { o.fail_erase = true; }},
            {"--fail-program", [](SimOptions &o) { o.fail_program = true; }},
    };
    return flags;
}

ValueSetter Count_Into(int SimOptions::*field)
{
    return [field](SimOptions &o, const std::string &text) {
        const auto value = Parse_Count(text);
        if (value)
            o.*field = *value;
        return value.has_value();
    };
}

ValueSetter Index_Into(std::optional<int> SimOptions::*field)
{
    return [field](SimOptions &o, const std::string &text) {
        o.*field = Parse_Count(text);
        return (o.*field).has_value();
    };
}

const std::map<std::string, ValueSetter> &Valued()
{
    static const std::map<std::string, ValueSetter> valued = {
            {"--serve",
             [](SimOptions &o, const std::string &v) {
                 o.serve_files.push_back(v);
                 return !v.empty();
             }},
            {"--store",
             [](SimOptions &o, const std::string &v) {
                 o.store_file = v;
                 return !v.empty();
             }},
            {"--tapo", Count_Into(&SimOptions::tapo_count)},
            {"--latency", Count_Into(&SimOptions::latency_ms)},
            {"--no-ack-at", Index_Into(&SimOptions::no_ack_at)},
            {"--rrfd-at", Index_Into(&SimOptions::rrfd_at)},
            {"--late-block", Index_Into(&SimOptions::late_block)},
            {"--corrupt-crc", Index_Into(&SimOptions::corrupt_crc)},
    };
    return valued;
}

// Applies the option at `at`, advancing past its value; an error text on failure.
std::string Apply_Option(const std::vector<std::string> &args, std::size_t &at, SimOptions &o)
{
    const std::string &name = args[at];
    if (const auto flag = Flags().find(name); flag != Flags().end()) {
        flag->second(o);
        return {};
    }
    const auto valued = Valued().find(name);
    if (valued == Valued().end())
        return "unknown option: " + name;
    if (at + 1 >= args.size())
        return name + " needs a value";
    const std::string &value = args[++at];
    if (!valued->second(o, value))
        return "bad value for " + name + ": '" + value + "'";
    return {};
}

} // namespace

ParsedOptions Parse_Sim_Options(const std::vector<std::string> &arguments)
{
    SimOptions options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        if (arguments[at] == "--help" || arguments[at] == "-h")
            return {};
        if (std::string error = Apply_Option(arguments, at, options); !error.empty())
            return {std::nullopt, error};
    }
    if (options.serve_files.empty() && options.store_file.empty())
        return {std::nullopt, "give --serve FILE, --store FILE or both"};
    return {options, {}};
}

const char *Sim_Usage()
{
    return "usage: orvane-sim-receiver [--serve FILE]... [--store FILE] [options]\n"
           "Plays a receiver on a new pseudo-terminal and prints its device path first.\n"
           "  --serve FILE       send FILE when the PC reads (its size names its kind;\n"
           "                     give one Channel Data and one Default file if you like)\n"
           "  --store FILE       receive, verify and store into FILE when the PC writes\n"
           "  --once             end after one transfer; status 0 when it completed\n"
           "  --pace             run at the wire speed of 115,200 baud, 11 bits a byte\n"
           "  --latency MS       answer every request, block and command MS late\n"
           "  --tapo N           send N \"TAPO\" messages in place of the first answer\n"
           "  --wrong-answer     answer every request with the wrong code\n"
           "  --no-ack-at K      leave block K of a write unacknowledged\n"
           "  --rrfd-at K        answer block K of a write with \"RRFD\"\n"
           "  --late-block K     hold block K of a read until the PC gives up\n"
           "  --corrupt-crc K    flip a bit in CRC value K of a read\n"
           "  --fail-verify      report \"RCVF\" after a write\n"
           "  --fail-erase       report \"REFF\" after a write\n"
           "  --fail-program     report \"RWFF\" after a write\n"
           "Block numbers K count data blocks then CRC blocks, from 0.\n";
}

} // namespace orvane::sim
