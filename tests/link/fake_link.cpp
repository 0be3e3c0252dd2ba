#include "fake_link.h"

#include "dbase/block_crc.h"

#include <algorithm>

namespace orvane::test {

std::string As_Text(ByteView bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

Bytes As_Bytes(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

Bytes Message(LinkCommand code)
{
    return As_Bytes("@" + TransferProtocol::Command_Text(code));
}

void FakePort::Set_Port_Open(bool open)
{
    if (open && !open_error.empty())
        throw PortError(open_error);
    m_open = open;
    opens += open ? 1 : 0;
    operations.push_back(open ? "open" : "close");
}

void FakePort::Discard_Input()
{
    m_input.clear();
    operations.push_back("discard input");
}

void FakePort::Output(ByteView bytes)
{
    if (!m_open)
        return;
    const Bytes copy(bytes.begin(), bytes.end());
    written.push_back(copy);
    polls_before_output.push_back(m_now - m_last_output);
    m_last_output = m_now;
    operations.push_back(bytes.size() == 9 ? "output " + As_Text(copy).substr(5) : "output block");
    if (on_output)
        on_output(copy);
}

Bytes FakePort::Input()
{
    const auto n = std::min<std::size_t>(m_input.size(), static_cast<std::size_t>(input_len));
    Bytes bytes(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(n));
    m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(n));
    return bytes;
}

void FakePort::Arrive(ByteView bytes, long long at)
{
    m_pending.emplace(at, Bytes(bytes.begin(), bytes.end()));
    deliver();
}

void FakePort::Tick()
{
    ++m_now;
    deliver();
}

void FakePort::deliver()
{
    while (!m_pending.empty() && m_pending.begin()->first <= m_now) {
        if (m_open)
            m_input.insert(m_input.end(), m_pending.begin()->second.begin(),
                           m_pending.begin()->second.end());
        m_pending.erase(m_pending.begin());
    }
}

void FakeClock::Sleep_Poll(int awaited_bytes)
{
    ++polls;
    if (awaited.size() < 1000)
        awaited.push_back(awaited_bytes);
    m_port.Tick();
}

void FakeHost::Process_Messages()
{
    ++messages;
}

void FakeHost::Show_Status(const std::string &text)
{
    statuses.push_back(text);
    if (!cancel_at_status.empty() && text == cancel_at_status)
        running = false;
}

void FakeHost::Show_Progress(int max, int step)
{
    progress_max = max;
    progress_steps += step;
    ++messages;
}

void FakeHost::Set_Panel_Enabled(bool enabled)
{
    panel.push_back(enabled ? "enabled" : "disabled");
}

std::vector<std::string> FakeHost::Progress_Texts(const std::string &prefix) const
{
    std::vector<std::string> texts;
    std::copy_if(statuses.begin(), statuses.end(), std::back_inserter(texts),
                 [&](const std::string &text) { return text.rfind(prefix, 0) == 0; });
    return texts;
}

FakeReceiver::FakeReceiver(FakePort &port, Bytes served_file)
    : served(std::move(served_file))
    , m_port(port)
{
    m_port.on_output = [this](const Bytes &bytes) { hear(bytes); };
}

void FakeReceiver::hear(const Bytes &bytes)
{
    if (bytes.size() == 9 && bytes[0] == '@')
        hear_command(As_Text(bytes).substr(5));
    else
        hear_block(bytes);
}

void FakeReceiver::hear_command(const std::string &code)
{
    commands.push_back(code);
    const long long now = m_port.Now();
    auto reply = [&](const std::string &answer, long long delay) {
        m_port.Arrive(As_Bytes("@YYXF" + answer), now + delay);
    };
    const bool read = code == "RDPO" || code == "RFPO";
    const bool write = code == "TDPO" || code == "TFPO";
    if ((read || write) && answer_requests) {
        const std::size_t size = code[1] == 'D' ? 262144 : 131072;
        reply(wrong_answer     ? code
              : code == "RDPO" ? "TDPO"
              : code == "RFPO" ? "TFPO"
              : code == "TDPO" ? "RDPO"
                               : "RFPO",
              answer_delay);
        m_next_block = 0;
        m_expected_blocks = size / 256 + size / 16384;
        m_crcs.clear();
        blocks.clear();
        if (read && !wrong_answer && served.size() == size)
            send_block(0);
    } else if (code == "RRSS" && m_next_block > 0 && m_next_block < read_blocks()) {
        send_block(m_next_block);
    }
}

std::size_t FakeReceiver::read_blocks() const
{
    return served.size() / 256 + served.size() / 16384;
}

Bytes FakeReceiver::crc_bytes() const
{
    Bytes crcs;
    for (std::size_t k = 0; k < served.size() / 256; ++k) {
        std::uint32_t crc = Block_Crc(ByteView(served).subspan(256 * k, 256));
        if (static_cast<int>(k) == corrupt_crc)
            crc ^= 0x10000u;
        for (int b = 0; b < 4; ++b)
            crcs.push_back(static_cast<std::uint8_t>(crc >> (8 * b)));
    }
    return crcs;
}

void FakeReceiver::send_block(std::size_t i)
{
    m_next_block = i + 1;
    if (static_cast<int>(i) == missing_block)
        return;
    const std::size_t data_blocks = served.size() / 256;
    if (i >= data_blocks && m_crcs.empty()) // made once per transfer, at its first checksum block
        m_crcs = crc_bytes();
    const ByteView block = i < data_blocks ? ByteView(served).subspan(256 * i, 256)
                                           : ByteView(m_crcs).subspan(256 * (i - data_blocks), 256);
    m_port.Arrive(block, m_port.Now() + answer_delay * (i == 0 ? 1 : 0) + block_delay);
}

void FakeReceiver::hear_block(const Bytes &block)
{
    const long long now = m_port.Now();
    const int index = static_cast<int>(blocks.size());
    blocks.push_back(block);
    if (index == no_ack_at)
        return;
    m_port.Arrive(Message(index == rrfd_at ? LinkCommand::RRFD : LinkCommand::RRSS), now);
    if (blocks.size() != m_expected_blocks)
        return;
    long long at = now + 1;
    for (const std::string &report : {verify, erase, program}) {
        if (report.empty())
            return;
        m_port.Arrive(As_Bytes("@YYXF" + report), at++);
    }
}

} // namespace orvane::test
