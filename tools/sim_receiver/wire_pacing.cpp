#include "tools/sim_receiver/wire_pacing.h"

#include <algorithm>

namespace orvane::sim {

Clock::time_point TxPacer::Begin(std::size_t bytes)
{
    const Clock::time_point start = std::max(Clock::now(), m_line_free);
    m_line_free = start + Wire_Time(bytes);
    return start;
}

Clock::time_point RxPacer::Arrival_Of(std::size_t count)
{
    const Clock::time_point now = Clock::now();
    if (!m_paced)
        return now;
    if (m_idle) {
        m_idle = false;
        m_burst_start = now;
        m_burst_bytes = 0;
    }
    return m_burst_start + Wire_Time(m_burst_bytes + count);
}

} // namespace orvane::sim
