#pragma once

// The serial line as the receiver sees it: commands and blocks in, commands and blocks out,
// with wire pacing when asked for. Reading commands tolerates garbage: anything that is not a
// well-formed command is skipped a byte at a time until one appears.

#include "dbase/bytes.h"
#include "tools/sim_receiver/pty_master.h"
#include "tools/sim_receiver/wire_pacing.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane::sim {

class SimLine
{
public:
    SimLine(PtyMaster &pty, bool paced);

    // The next command code, or nothing at the deadline, when the PC closed the port or on a
    // stop signal.
    std::optional<std::string> Read_Command(Clock::time_point deadline);
    // Exactly `count` bytes appended to `out`; false as for Read_Command.
    bool Read_Bytes(std::size_t count, Bytes &out, Clock::time_point deadline);

    // Nothing is sent once the PC has closed the port: bytes written then would wait in the
    // terminal for whoever opens it next.
    bool Send_Command(std::string_view code);
    bool Send_Bytes(ByteView bytes);

    // Waits, watching only for the PC closing the port or a stop signal.
    void Pause(Clock::duration duration);

    // The PC has closed the port and everything it sent has been read.
    bool Peer_Gone() const;
    // Waits until someone opens the port or sends something; false on a stop signal.
    bool Wait_For_Peer();
    // Waits up to `limit` for the PC to close the port.
    void Wait_For_Hang_Up(Clock::duration limit);

private:
    bool Pull(Clock::time_point deadline);
    bool Take_Waiting(std::size_t waiting, Clock::time_point deadline);
    bool Wait_Readable(Clock::time_point deadline);
    bool Write_All(ByteView bytes);
    bool Write_Paced(ByteView bytes);
    std::optional<std::string> Parse_Command();

    PtyMaster &m_pty;
    TxPacer m_tx;
    RxPacer m_rx;
    Bytes m_arrived; // bytes taken in but not yet consumed
    std::size_t m_skipped = 0;
};

} // namespace orvane::sim
