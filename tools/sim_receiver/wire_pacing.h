#pragma once

// Wire time of a serial line at 115,200 baud with 11 bits per byte (start bit, 8 data bits,
// even parity, stop bit). A pseudo-terminal moves bytes instantly; with pacing on, the
// simulator hands out and takes in bytes no faster than that line would, in both directions,
// so a transfer takes as long as it would on the cable.

#include <chrono>
#include <cstddef>

namespace orvane::sim {

using Clock = std::chrono::steady_clock;

inline constexpr long long kBaudRate = 115200;
inline constexpr long long kBitsPerByte = 11;

// Exact to the nanosecond for any count, so long transfers do not drift.
constexpr std::chrono::nanoseconds Wire_Time(std::size_t bytes)
{
    return std::chrono::nanoseconds(static_cast<long long>(bytes) * kBitsPerByte * 1'000'000'000LL
                                    / kBaudRate);
}

// The sending direction: bytes leave back to back while the line is busy.
class TxPacer
{
public:
    explicit TxPacer(bool paced)
        : m_paced(paced)
    {}
    bool paced() const { return m_paced; }
    // Starts a transmission of `bytes`: its first byte goes out now or when the line frees.
    Clock::time_point Begin(std::size_t bytes);

private:
    bool m_paced;
    Clock::time_point m_line_free{};
};

// The receiving direction: bytes the PC wrote are taken in only once they would have crossed
// the line. Until then they stay in the terminal's buffer, as they would stay in a UART.
class RxPacer
{
public:
    explicit RxPacer(bool paced)
        : m_paced(paced)
    {}
    bool paced() const { return m_paced; }
    // When `count` more of the waiting bytes will have arrived.
    Clock::time_point Arrival_Of(std::size_t count);
    void Taken(std::size_t count) { m_burst_bytes += count; }
    // Nothing is waiting: the next byte starts a new burst on an idle line.
    void Line_Idle() { m_idle = true; }

private:
    bool m_paced;
    bool m_idle = true;
    Clock::time_point m_burst_start{};
    std::size_t m_burst_bytes = 0;
};

} // namespace orvane::sim
