#pragma once

// The receiver's main loop: waits for the PC, answers transfer requests (or plays the
// handshake faults) and runs one transfer per accepted request.

#include "dbase/bytes.h"
#include "tools/sim_receiver/commands.h"
#include "tools/sim_receiver/sim_line.h"
#include "tools/sim_receiver/sim_options.h"

#include <map>
#include <string>

namespace orvane::sim {

// The files offered for reading, one per kind.
using ServedFiles = std::map<FileKind, Bytes>;

// Loads every --serve file; an error text when one is unreadable, of neither size, or a
// second file of a kind.
std::string Load_Served_Files(const std::vector<std::string> &paths, ServedFiles &served);

class Receiver
{
public:
    Receiver(SimLine &line, const SimOptions &options, const ServedFiles &served);
    // Runs until a stop signal, or with --once until one transfer is over; the exit status.
    int Run();

private:
    enum class Answer { NotAnswered, Succeeded, Failed };
    Answer Handle_Request(const TransferRequest &request);
    bool Can_Serve(const TransferRequest &request) const;
    void Send_Tapo_Messages();
    bool Run_Transfer(const TransferRequest &request);
    void Session_Ended();

    SimLine &m_line;
    const SimOptions &m_options;
    const ServedFiles &m_served;
    bool m_tapo_sent = false;
    bool m_request_seen = false; // in the PC's current session
    bool m_last_transfer_ok = false;
};

} // namespace orvane::sim
