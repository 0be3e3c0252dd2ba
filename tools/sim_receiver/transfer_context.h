#pragma once

// What one transfer needs: the line, the request that opened it and the fault options.

#include "tools/sim_receiver/commands.h"
#include "tools/sim_receiver/sim_line.h"
#include "tools/sim_receiver/sim_options.h"

#include <chrono>

namespace orvane::sim {

struct TransferContext
{
    SimLine &line;
    const SimOptions &options;
    TransferRequest request;

    std::chrono::milliseconds latency() const
    {
        return std::chrono::milliseconds(options.latency_ms);
    }
    // A reply leaves after the configured latency, as behind a USB adapter's latency timer.
    bool Reply(std::string_view code) const
    {
        line.Pause(latency());
        return line.Send_Command(code);
    }
};

// How long the receiver waits for the PC's next message before it gives up. The PC answers
// at once; these only end a transfer the PC abandoned without closing the port.
inline constexpr std::chrono::seconds kPcReplyTimeout{5};
// The longest a late block is held back before it is sent after all.
inline constexpr std::chrono::seconds kLateBlockLimit{15};

inline bool Matches(const std::optional<int> &index, std::size_t value)
{
    return index && static_cast<std::size_t>(*index) == value;
}

} // namespace orvane::sim
