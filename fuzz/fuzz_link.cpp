// Fuzz target over the receiver's side of the serial line: the transfer protocol reads and
// writes a database file against the tests' in-memory port and scripted receiver, which the
// input gives its delays and faults and any bytes besides (link_input.h). Reading runs the read
// up to its file (Receive_File), writing the whole write of a file that the target puts into a
// temporary folder once.
//
// Whatever arrives, every wait ends within its poll bound, so the transfer ends; the PC writes
// only whole commands and blocks, and a write sends the file's blocks and its checksums in
// order. A read that succeeds without bytes besides the receiver's holds the file the receiver
// sent; a transfer that fails after the handshake gives the panel back. A receiver without a
// fault, whose delays lie within the bounds, completes every transfer.

#include "fuzz/link_input.h"
#include "fuzz/property_check.h"
#include "fuzz/scratch_folder.h"
#include "tests/link/fake_link.h"
#include "tools/sample_database.h"

#include "dbase/block_crc.h"
#include "dbase/file_io.h"

#include <algorithm>
#include <map>
#include <set>

using namespace orvane;
using namespace orvane::fuzz;
using orvane::test::FakeClock;
using orvane::test::FakeHost;
using orvane::test::FakePort;
using orvane::test::FakeReceiver;

namespace {

std::size_t File_Size(bool default_kind)
{
    return Expected_Size_For(default_kind ? FileKind::Default : FileKind::ChannelData);
}

std::size_t Data_Blocks(std::size_t size)
{
    return size / kBlockSize;
}

std::size_t Crc_Blocks(std::size_t size)
{
    return size / (kBlockSize * kBlockSize / 4);
}

// The sample file of each kind: what the receiver serves and what the PC writes.
const Bytes &Sample_File(bool default_kind)
{
    static const std::array<Bytes, 2> files{Sample_File_Bytes(FileKind::ChannelData),
                                            Sample_File_Bytes(FileKind::Default)};
    return files[default_kind ? 1 : 0];
}

// The PC writes from a file, written once.
class SampleFiles
{
public:
    SampleFiles()
    {
        for (const bool default_kind : {false, true}) {
            std::string reason;
            FUZZ_CHECK(
                    Write_File_Atomically(path(default_kind), Sample_File(default_kind), reason));
        }
    }
    std::string path(bool default_kind) const
    {
        return m_folder.file(default_kind ? "DEFAULT.BIN" : "CHANNEL_DATA.BIN");
    }

private:
    ScratchFolder m_folder{"fuzz_link"};
};

const SampleFiles &Files()
{
    static const SampleFiles files;
    return files;
}

std::string Report_Code(std::size_t report, Report how)
{
    static const char *const kCodes[3][4] = {{"RCVS", "RCVF", "", "REFS"},
                                             {"REFS", "REFF", "", "RWFS"},
                                             {"RWFS", "RWFF", "", "RCVS"}};
    return kCodes[report][static_cast<std::size_t>(how)];
}

void Play(FakeReceiver &receiver, const LinkSetting &s)
{
    receiver.answer_delay = s.answer_delay;
    receiver.block_delay = s.block_delay;
    receiver.missing_block = s.missing_block;
    receiver.corrupt_crc = s.corrupt_crc;
    receiver.no_ack_at = s.no_ack_at;
    receiver.rrfd_at = s.rrfd_at;
    receiver.verify = Report_Code(0, s.reports[0]);
    receiver.erase = Report_Code(1, s.reports[1]);
    receiver.program = Report_Code(2, s.reports[2]);
    receiver.answer_requests = !s.silent;
    receiver.wrong_answer = s.wrong_answer;
}

// Puts the injections on the line as the PC writes: those after n writes arrive their delay
// after the n-th, those after none their delay (at least one poll) after the port opened.
class Injector
{
public:
    Injector(FakePort &port, const std::vector<Injection> &injections)
        : m_port(port)
    {
        for (const Injection &injection : injections)
            m_after.emplace(injection.after_writes, &injection);
        arrive(0, 1);
        auto receiver_ear = std::move(port.on_output);
        port.on_output = [this, receiver_ear](const Bytes &bytes) {
            receiver_ear(bytes);
            arrive(++m_writes, 0);
        };
    }

private:
    void arrive(int writes, int least_delay)
    {
        const auto [first, last] = m_after.equal_range(writes);
        for (auto it = first; it != last; ++it)
            m_port.Arrive(it->second->bytes,
                          m_port.Now() + std::max(least_delay, it->second->delay));
    }

    FakePort &m_port;
    std::multimap<int, const Injection *> m_after;
    int m_writes = 0;
};

bool Working_Receiver(const LinkInput &input)
{
    const LinkSetting &s = input.setting;
    const bool reads_fine = s.missing_block < 0 && s.corrupt_crc < 0;
    const bool writes_fine
            = s.no_ack_at < 0 && s.rrfd_at < 0
              && std::ranges::all_of(s.reports, [](Report r) { return r == Report::Success; });
    return input.injections.empty() && !s.silent && !s.wrong_answer && s.answer_delay < kAnswerPolls
           && s.block_delay < kBlockPolls && (s.write ? writes_fine : reads_fine);
}

// Every wait is bounded; the handshake's "TAPO" waits, which are no attempts, end with the
// messages that can have arrived.
long long Poll_Bound(const LinkInput &input)
{
    const std::size_t size = File_Size(input.setting.default_kind);
    const auto blocks = static_cast<long long>(Data_Blocks(size) + Crc_Blocks(size));
    long long injected = 0;
    for (const Injection &injection : input.injections)
        injected += static_cast<long long>(injection.bytes.size());
    return static_cast<long long>(kMaxAttempts) * (kTapoPolls + kAnswerPolls)
           + injected * kTapoPolls + blocks * std::max(kBlockPolls, kAckPolls) + kVerifyPolls
           + kErasePolls + kProgramPolls;
}

bool Is_Command(const Bytes &bytes)
{
    static const std::set<std::string> kCommands = [] {
        std::set<std::string> commands;
        for (int code = 0; code <= static_cast<int>(LinkCommand::TAPO); ++code)
            commands.insert(test::As_Text(test::Message(static_cast<LinkCommand>(code))));
        return commands;
    }();
    return kCommands.contains(test::As_Text(bytes));
}

// The blocks a write sends: the file's, then their checksums.
std::vector<Bytes> Expected_Blocks(const Bytes &file)
{
    std::vector<Bytes> blocks;
    Bytes crcs;
    for (std::size_t at = 0; at < file.size(); at += kBlockSize) {
        const ByteView block = ByteView(file).subspan(at, kBlockSize);
        blocks.emplace_back(block.begin(), block.end());
        const std::uint32_t crc = Block_Crc(block);
        for (int shift = 0; shift < 32; shift += 8)
            crcs.push_back(static_cast<std::uint8_t>(crc >> shift));
    }
    for (std::size_t at = 0; at < crcs.size(); at += kBlockSize)
        blocks.emplace_back(crcs.begin() + static_cast<std::ptrdiff_t>(at),
                            crcs.begin() + static_cast<std::ptrdiff_t>(at + kBlockSize));
    return blocks;
}

void Check_Writes(const FakePort &port, const FakeReceiver &receiver, const LinkInput &input,
                  bool done)
{
    for (const Bytes &written : port.written)
        FUZZ_CHECK(Is_Command(written) || (input.setting.write && written.size() == kBlockSize));
    if (!input.setting.write)
        return;
    static const std::array<std::vector<Bytes>, 2> expected{Expected_Blocks(Sample_File(false)),
                                                            Expected_Blocks(Sample_File(true))};
    const std::vector<Bytes> &blocks = expected[input.setting.default_kind ? 1 : 0];
    FUZZ_CHECK(receiver.blocks.size() <= blocks.size());
    FUZZ_CHECK(std::equal(receiver.blocks.begin(), receiver.blocks.end(), blocks.begin()));
    if (done)
        FUZZ_CHECK(receiver.blocks.size() == blocks.size());
}

void Check_Read(const TransferProtocol &protocol, const FakeReceiver &receiver,
                const LinkInput &input)
{
    const std::vector<std::string> &sent = receiver.commands;
    FUZZ_CHECK(sent.size() >= 3 && sent[sent.size() - 3] == "RCVS"
               && sent[sent.size() - 2] == "REFS" && sent.back() == "RWFS");
    if (input.injections.empty())
        FUZZ_CHECK(protocol.Transfer_Buffer() == Sample_File(input.setting.default_kind));
}

// A failure after the handshake locked the panel must give it back.
void Check_Panel(const FakeHost &host, bool done)
{
    if (!done && !host.panel.empty())
        FUZZ_CHECK(host.panel.back() == "enabled");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const LinkInput input = Read_Link_Input(data, size);
    const LinkSetting &s = input.setting;
    FakePort port;
    FakeClock clock(port);
    FakeHost host;
    FakeReceiver receiver(port, s.write ? Bytes{} : Sample_File(s.default_kind));
    Play(receiver, s);
    const Injector injector(port, input.injections);
    TransferProtocol protocol(port, clock, host);
    const FileKind kind = s.default_kind ? FileKind::Default : FileKind::ChannelData;
    bool done = false;
    if (s.write) {
        done = protocol.Write_Into_Receiver(Files().path(s.default_kind), kind);
    } else {
        protocol.Open_Port();
        done = protocol.Receive_File(kind);
    }
    FUZZ_CHECK(clock.polls <= Poll_Bound(input));
    Check_Writes(port, receiver, input, done);
    if (done && !s.write)
        Check_Read(protocol, receiver, input);
    Check_Panel(host, done);
    if (Working_Receiver(input))
        FUZZ_CHECK(done);
    return 0;
}
