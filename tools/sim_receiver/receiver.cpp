#include "tools/sim_receiver/receiver.h"

#include "tools/sim_receiver/read_side.h"
#include "tools/sim_receiver/sim_log.h"
#include "tools/sim_receiver/stop_signal.h"
#include "tools/sim_receiver/write_side.h"

#include <fstream>
#include <iterator>

namespace orvane::sim {
namespace {

using namespace std::chrono_literals;

// "TAPO" messages follow one another this far apart, well inside the PC's 20-poll wait for
// the next one, so the PC must hold its next request back until they stop.
constexpr auto kTapoSpacing = 5ms;
// After a transfer the PC closes the port; --once waits this long for it at most.
constexpr auto kHangUpLimit = 10s;

std::string Load_File(const std::string &path, Bytes &bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "cannot open " + path;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.bad() ? "cannot read " + path : "";
}

std::optional<FileKind> Kind_Of_Size(std::size_t size)
{
    for (const FileKind kind : {FileKind::ChannelData, FileKind::Default}) {
        if (Expected_Size_For(kind) == size)
            return kind;
    }
    return std::nullopt;
}

} // namespace

std::string Load_Served_Files(const std::vector<std::string> &paths, ServedFiles &served)
{
    for (const std::string &path : paths) {
        Bytes bytes;
        if (std::string error = Load_File(path, bytes); !error.empty())
            return error;
        const auto kind = Kind_Of_Size(bytes.size());
        if (!kind)
            return path + ": " + std::to_string(bytes.size())
                   + " bytes, neither a Channel Data (262144) nor a Default (131072) file";
        if (!served.emplace(*kind, std::move(bytes)).second)
            return path + ": a second " + File_Kind_Name(*kind) + " file";
    }
    return {};
}

Receiver::Receiver(SimLine &line, const SimOptions &options, const ServedFiles &served)
    : m_line(line)
    , m_options(options)
    , m_served(served)
{}

int Receiver::Run()
{
    while (!Stop_Requested()) {
        if (m_line.Peer_Gone()) {
            Session_Ended();
            if (m_options.once && m_request_seen)
                break;
            m_request_seen = false;
            m_line.Wait_For_Peer();
            continue;
        }
        const auto code = m_line.Read_Command(Clock::now() + 100ms);
        const auto request = code ? Request_For(*code) : std::nullopt;
        if (!request)
            continue;
        m_request_seen = true;
        const Answer answer = Handle_Request(*request);
        if (answer != Answer::NotAnswered)
            m_last_transfer_ok = answer == Answer::Succeeded;
        if (answer != Answer::NotAnswered && m_options.once) {
            m_line.Wait_For_Hang_Up(kHangUpLimit);
            break;
        }
    }
    return m_options.once && !m_last_transfer_ok ? 1 : 0;
}

void Receiver::Session_Ended()
{
    m_tapo_sent = false;
    if (m_request_seen)
        Log_Note("the PC closed the port");
}

Receiver::Answer Receiver::Handle_Request(const TransferRequest &request)
{
    if (!Can_Serve(request))
        return Answer::NotAnswered;
    if (m_options.wrong_answer) {
        m_line.Pause(std::chrono::milliseconds(m_options.latency_ms));
        m_line.Send_Command(request.code);
        return Answer::NotAnswered;
    }
    if (m_options.tapo_count > 0 && !m_tapo_sent) {
        Send_Tapo_Messages();
        return Answer::NotAnswered;
    }
    m_tapo_sent = false;
    return Run_Transfer(request) ? Answer::Succeeded : Answer::Failed;
}

bool Receiver::Can_Serve(const TransferRequest &request) const
{
    const bool can
            = request.pc_reads ? m_served.contains(request.kind) : !m_options.store_file.empty();
    if (!can)
        Log_Note(std::string("no ") + File_Kind_Name(request.kind) + " file to "
                 + (request.pc_reads ? "send" : "store into") + "; request ignored");
    return can;
}

// In place of the first answer: a stream of "TAPO" messages. A request arriving before the
// stream ends means the PC did not wait for the messages to stop.
void Receiver::Send_Tapo_Messages()
{
    m_tapo_sent = true;
    m_line.Pause(std::chrono::milliseconds(m_options.latency_ms));
    for (int i = 0; i < m_options.tapo_count; ++i) {
        if (!m_line.Send_Command("TAPO"))
            return;
        if (const auto code = m_line.Read_Command(Clock::now() + kTapoSpacing))
            Log_Note("\"" + *code + "\" arrived while \"TAPO\" messages were still coming");
    }
}

bool Receiver::Run_Transfer(const TransferRequest &request)
{
    const TransferContext transfer{m_line, m_options, request};
    const bool ok = request.pc_reads ? Serve_Read(transfer, m_served.at(request.kind))
                                     : Serve_Write(transfer, m_options.store_file);
    Log_Note(std::string(request.pc_reads ? "read" : "write") + " of "
             + File_Kind_Name(request.kind) + (ok ? " completed" : " failed"));
    return ok;
}

} // namespace orvane::sim
