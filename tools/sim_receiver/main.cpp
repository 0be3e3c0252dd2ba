// orvane-sim-receiver: a receiver on a pseudo-terminal, for trying and testing the link
// without the hardware. The first line on stdout is the device to point the program at.

#include "tools/sim_receiver/receiver.h"
#include "tools/sim_receiver/stop_signal.h"

#include <cstdio>
#include <exception>
#include <sys/prctl.h>

using namespace orvane::sim;

namespace {

constexpr int kUsageError = 2;

int Serve(const SimOptions &options, const ServedFiles &served)
{
    // Paced output sleeps until each piece's wire time; the default 50 us of timer slack
    // would add up over the thousand blocks of a transfer.
    if (options.pace)
        prctl(PR_SET_TIMERSLACK, 1UL);
    PtyMaster pty;
    std::printf("%s\n", pty.slave_path().c_str());
    std::fflush(stdout);
    SimLine line(pty, options.pace);
    Receiver receiver(line, options, served);
    return receiver.Run();
}

} // namespace

int main(int argc, char **argv)
{
    const ParsedOptions parsed = Parse_Sim_Options({argv + 1, argv + argc});
    if (!parsed.options) {
        if (!parsed.error.empty())
            std::fprintf(stderr, "orvane-sim-receiver: %s\n", parsed.error.c_str());
        std::fputs(Sim_Usage(), parsed.error.empty() ? stdout : stderr);
        return parsed.error.empty() ? 0 : kUsageError;
    }
    ServedFiles served;
    if (const std::string error = Load_Served_Files(parsed.options->serve_files, served);
        !error.empty()) {
        std::fprintf(stderr, "orvane-sim-receiver: %s\n", error.c_str());
        return kUsageError;
    }
    Install_Stop_Handlers();
    try {
        return Serve(*parsed.options, served);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "orvane-sim-receiver: %s\n", error.what());
        return kUsageError;
    }
}
