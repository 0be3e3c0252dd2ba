#pragma once

// The simulator's end of a pseudo-terminal. The PC side opens the slave device like any
// serial port; the line settings it applies there (baud rate, parity) have no effect on a
// pseudo-terminal, so wire timing is simulated separately (wire_pacing.h).

#include <string>

namespace orvane::sim {

class PtyMaster
{
public:
    // Opens a new pseudo-terminal in raw mode; throws std::system_error on failure.
    PtyMaster();
    ~PtyMaster();
    PtyMaster(const PtyMaster &) = delete;
    PtyMaster &operator=(const PtyMaster &) = delete;

    int fd() const { return m_fd; }
    const std::string &slave_path() const { return m_slave_path; }

    // No process holds the slave open: nobody has opened it yet, or the PC closed it.
    bool Slave_Closed() const;
    // Bytes the PC wrote that are waiting to be read.
    int Bytes_Waiting() const;

private:
    void Make_Slave_Raw() const;

    int m_fd = -1;
    std::string m_slave_path;
};

} // namespace orvane::sim
