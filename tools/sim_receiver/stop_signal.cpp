#include "tools/sim_receiver/stop_signal.h"

#include <csignal>

namespace orvane::sim {
namespace {

volatile std::sig_atomic_t g_stop = 0;

void On_Stop_Signal(int /*signal*/)
{
    g_stop = 1;
}

} // namespace

// Without SA_RESTART, so that a wait in poll() or a sleep returns at once.
void Install_Stop_Handlers()
{
    struct sigaction action
    {};
    action.sa_handler = On_Stop_Signal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool Stop_Requested()
{
    return g_stop != 0;
}

} // namespace orvane::sim
