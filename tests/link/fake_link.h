#pragma once

// An in-memory serial line for the transfer protocol: a port whose input arrives at given
// poll counts, a clock that only counts polls, a window that records what it is shown, and
// a scripted receiver that plays the other end of both transfers.

#include "link/link_host.h"
#include "link/serial_port.h"
#include "link/transfer_protocol.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orvane::test {

std::string As_Text(ByteView bytes);
Bytes As_Bytes(const std::string &text);
Bytes Message(LinkCommand code); // "@YYXF" + code

class FakePort final : public SerialPort
{
public:
    bool Port_Open() const override { return m_open; }
    void Set_Port_Open(bool open) override;
    int Comm_Port() const override { return m_comm_port; }
    void Set_Comm_Port(int number) override { m_comm_port = number; }
    void Set_Settings(const std::string &settings) override { m_settings = settings; }
    void Set_In_Buffer_Size(int bytes) override { in_buffer_size = bytes; }
    void Set_Out_Buffer_Size(int bytes) override { out_buffer_size = bytes; }
    void Set_Input_Mode(InputMode mode) override { input_mode = mode; }
    void Set_Input_Len(int length) override { input_len = length; }
    int In_Buffer_Count() override { return static_cast<int>(m_input.size()); }
    void Discard_Input() override;
    void Discard_Output() override { operations.push_back("discard output"); }
    void Output(ByteView bytes) override;
    Bytes Input() override;
    void Drain_Output() override { operations.push_back("drain"); }
    void Wait_For_Input(int, std::chrono::microseconds) override {}

    // The line: bytes that arrive once the clock has counted `at` polls in all.
    void Arrive(ByteView bytes, long long at);
    void Arrive_Now(ByteView bytes) { Arrive(bytes, m_now); }
    void Tick(); // one poll passed
    long long Now() const { return m_now; }
    std::size_t Waiting() const { return m_input.size(); }

    std::function<void(const Bytes &)> on_output; // the receiver's ear
    std::string open_error;                       // Set_Port_Open(true) raises this when set
    std::vector<Bytes> written;
    std::vector<long long> polls_before_output; // polls since the previous output (or start)
    std::vector<std::string> operations;        // "discard input", "drain", "output ..."
    std::string m_settings;
    int in_buffer_size = 0, out_buffer_size = 0, input_len = 0;
    InputMode input_mode = InputMode::Binary;
    int opens = 0;

private:
    void deliver();

    bool m_open = false;
    int m_comm_port = 0;
    long long m_now = 0, m_last_output = 0;
    std::deque<std::uint8_t> m_input;
    std::multimap<long long, Bytes> m_pending;
};

class FakeClock final : public PollClock
{
public:
    explicit FakeClock(FakePort &port)
        : m_port(port)
    {}
    void Sleep_Poll(int awaited_bytes) override;
    long long polls = 0;
    std::vector<int> awaited; // awaited byte counts, one per poll (only the first 1,000)

private:
    FakePort &m_port;
};

class FakeHost final : public LinkHost
{
public:
    bool Link_Running() const override { return running; }
    void Process_Messages() override;
    void Show_Status(const std::string &text) override;
    void Show_Progress(int max, int step) override;
    void Show_File_Name(const std::string &path) override { file_names.push_back(path); }
    void Set_Panel_Enabled(bool enabled) override;
    int Selected_Port_Index() const override { return port_index; }
    void Show_Port_State(bool open) override { lamp.push_back(open); }
    void Port_Error(const std::string &message) override { port_errors.push_back(message); }
    void File_Error(const std::string &message) override { file_errors.push_back(message); }

    std::vector<std::string> Progress_Texts(const std::string &prefix) const;

    bool running = true;
    int port_index = 0;
    std::string cancel_at_status; // closes the dialog once this text is shown
    std::vector<std::string> statuses, file_names, port_errors, file_errors, panel;
    std::vector<bool> lamp;
    long long progress_steps = 0, messages = 0;
    int progress_max = 0;
};

// The receiver's side, driven by what the PC writes. Delays are in polls.
class FakeReceiver
{
public:
    FakeReceiver(FakePort &port, Bytes served);

    int answer_delay = 0;      // polls between a request and its answer
    long long block_delay = 0; // polls before each block it sends
    int missing_block = -1;    // a block it never sends (reading)
    int corrupt_crc = -1;      // a CRC value it sends with a flipped bit (reading)
    int no_ack_at = -1;        // a block it does not acknowledge (writing)
    int rrfd_at = -1;          // a block it answers with RRFD (writing)
    // Writing: the reports after the last block; an empty code stays silent.
    std::string verify = "RCVS", erase = "REFS", program = "RWFS";
    bool answer_requests = true;
    bool wrong_answer = false; // answers a request with the request's own code

    std::vector<std::string> commands; // the commands the PC sent, as codes
    std::vector<Bytes> blocks;         // the blocks the PC sent
    Bytes served;

private:
    void hear(const Bytes &bytes);
    void hear_command(const std::string &code);
    void send_block(std::size_t i);
    void hear_block(const Bytes &block);
    std::size_t read_blocks() const;
    Bytes crc_bytes() const;

    FakePort &m_port;
    Bytes m_crcs; // the checksum blocks of the transfer under way
    std::size_t m_next_block = 0;
    std::size_t m_expected_blocks = 0; // writing: data + CRC blocks
};

} // namespace orvane::test
