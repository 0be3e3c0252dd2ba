#pragma once

// The poll's real sleep: at most kPollPeriod, returning early as soon as the awaited bytes are
// waiting at the port.
//
// Why 5 ms and not 1 ms: the handshake gives the receiver 10 polls to answer. A receiver
// behind a USB serial adapter answers some 20 ms after the request (the adapter's latency
// timer), and the 9-byte answer itself needs about 1 ms on the line. At 5 ms per poll the
// 10 polls last 50 ms, comfortably more than that. Every other wait grows in proportion,
// which only lengthens how long a silent receiver is waited for: a wait that is answered
// ends at once.

#include "link/serial_port.h"

#include <chrono>

namespace orvane {

inline constexpr std::chrono::microseconds kPollPeriod{5000};

class PortPollClock final : public PollClock
{
public:
    explicit PortPollClock(SerialPort &port)
        : m_port(port)
    {}
    void Sleep_Poll(int awaited_bytes) override
    {
        m_port.Wait_For_Input(awaited_bytes, kPollPeriod);
    }

private:
    SerialPort &m_port;
};

} // namespace orvane
