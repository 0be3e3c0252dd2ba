#include "tools/sim_receiver/sim_log.h"

#include <cstdio>

namespace orvane::sim {
namespace {

void Log_Line(std::string_view head, std::string_view text)
{
    std::fprintf(stderr, "%.*s%.*s\n", static_cast<int>(head.size()), head.data(),
                 static_cast<int>(text.size()), text.data());
}

} // namespace

void Log_Received(std::string_view code)
{
    Log_Line("< ", code);
}

void Log_Sent(std::string_view code)
{
    Log_Line("> ", code);
}

void Log_Note(const std::string &text)
{
    Log_Line("orvane-sim-receiver: ", text);
}

} // namespace orvane::sim
