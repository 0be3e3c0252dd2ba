#include "link/transfer_protocol.h"

#include "dbase/backups.h"
#include "dbase/block_crc.h"
#include "dbase/file_io.h"
#include "link/link_texts.h"

#include <array>

namespace orvane {
namespace {

constexpr std::array<const char *, 13> kCodes{"TDPO", "RDPO", "TFPO", "RFPO", "RRFD",
                                              "RRSS", "RCVF", "RCVS", "REFF", "REFS",
                                              "RWFF", "RWFS", "TAPO"};
constexpr const char *kCommandPrefix = "YYXF";
constexpr std::size_t kDataPerCrcBlock = kBlockSize * (kBlockSize / 4); // 16,384 bytes

std::size_t Data_Blocks(std::size_t size)
{
    return size / kBlockSize;
}

std::size_t Crc_Blocks(std::size_t size)
{
    return size / kDataPerCrcBlock;
}

// Sizes the transfer can carry: whole blocks, whole CRC blocks, at most kMaxDataBlocks.
bool Transferable(std::size_t size)
{
    return size > 0 && size % kDataPerCrcBlock == 0 && Data_Blocks(size) <= kMaxDataBlocks;
}

LinkCommand Read_Request(FileKind kind)
{
    return kind == FileKind::ChannelData ? LinkCommand::RDPO : LinkCommand::RFPO;
}

LinkCommand Write_Request(FileKind kind)
{
    return kind == FileKind::ChannelData ? LinkCommand::TDPO : LinkCommand::TFPO;
}

} // namespace

TransferProtocol::TransferProtocol(SerialPort &port, PollClock &clock, LinkHost &host)
    : m_port(port)
    , m_clock(clock)
    , m_host(host)
{}

void TransferProtocol::Open_Port()
{
    if (m_port.Port_Open())
        m_port.Set_Port_Open(false);
    const int index = m_host.Selected_Port_Index();
    if (index >= 0 && index <= 9)
        m_port.Set_Comm_Port(index + 1);
    m_host.Show_Port_State(true);
    try {
        m_port.Set_Input_Mode(InputMode::Text);
        m_port.Set_Input_Len(1);
        m_port.Set_In_Buffer_Size(kPortBufferSize);
        m_port.Set_Out_Buffer_Size(kPortBufferSize);
        m_port.Set_Settings(kLineSettings);
        m_port.Set_Port_Open(true);
    } catch (const PortError &error) {
        m_host.Show_Port_State(false);
        m_host.Port_Error(error.what());
    }
}

std::string TransferProtocol::Command_Text(LinkCommand no)
{
    return std::string(kCommandPrefix) + kCodes.at(static_cast<std::size_t>(no));
}

// Unread input is dropped as before every command, but output written earlier is let out
// first: the driver may still hold the previous command, and dropping it would lose it on
// the line.
void TransferProtocol::Send_Command(LinkCommand no)
{
    std::string text = "@"; // appended, not "@" + ...: GCC 12 warns wrongly about the latter
    text += Command_Text(no);
    m_port.Discard_Input();
    m_port.Drain_Output();
    m_port.Output(ByteView(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()));
}

bool TransferProtocol::Wait_Reply(LinkCommand expected, LinkCommand /*failure*/, int polls)
{
    // The failure code is read like any other reply: anything but the expected one is false.
    if (!poll_for(kCommandLength, polls, true))
        return false;
    return read_reply() == Command_Text(expected);
}

bool TransferProtocol::poll_for(int awaited_bytes, int polls, bool process_messages)
{
    for (int i = 0; i < polls; ++i) {
        if (process_messages)
            m_host.Process_Messages();
        if (m_port.In_Buffer_Count() >= awaited_bytes)
            return true;
        m_clock.Sleep_Poll(awaited_bytes);
        if (!m_host.Link_Running())
            return false;
    }
    return false;
}

// One character per read. A reply that does not start with "@" costs only that character.
std::string TransferProtocol::read_reply()
{
    const Bytes first = m_port.Input();
    if (first.empty() || first[0] != '@')
        return {};
    std::string text;
    for (int i = 1; i < kCommandLength; ++i) {
        const Bytes next = m_port.Input();
        text.append(next.begin(), next.end());
    }
    return text;
}

bool TransferProtocol::Connect_Receiver(LinkCommand request, LinkCommand answer)
{
    for (int attempt = 1; attempt <= kMaxAttempts;) {
        m_host.Process_Messages();
        if (Wait_Reply(LinkCommand::TAPO, LinkCommand::TAPO, kTapoPolls)) {
            // A stream of "TAPO" holds the requests back, but not past a closed dialog.
            if (!m_host.Link_Running())
                return false;
            continue;
        }
        m_host.Show_Status(link_text::kConnecting);
        Send_Command(request);
        if (Wait_Reply(answer, answer, kAnswerPolls))
            return true;
        ++attempt;
        if (!m_host.Link_Running())
            return false;
    }
    return false;
}

bool TransferProtocol::Receive_Image(std::size_t size)
{
    if (!Transferable(size))
        return false;
    m_port.Set_Input_Mode(InputMode::Binary);
    m_port.Set_Input_Len(static_cast<int>(kBlockSize));
    m_buffer.assign(size, 0);
    m_loaded_file.clear(); // the buffer no longer holds a file to send
    m_received_crcs.clear();
    const std::size_t total = Data_Blocks(size) + Crc_Blocks(size);
    for (std::size_t i = 0; i < total; ++i) {
        if (!receive_block(i, Data_Blocks(size))) {
            Send_Command(LinkCommand::RRFD);
            return false;
        }
        Send_Command(LinkCommand::RRSS);
        m_host.Show_Status(link_text::Progress_Text(link_text::kReadProgress,
                                                    static_cast<long long>(i * 100 / (total - 1))));
        m_host.Process_Messages();
        m_host.Show_Progress(static_cast<int>(total - 1), 1);
    }
    return true;
}

// Block i of a read: a data block into the transfer buffer (its checksum computed here), or a
// block of the receiver's checksums. The wait lets no window messages run; the caller does.
bool TransferProtocol::receive_block(std::size_t i, std::size_t data_blocks)
{
    if (!poll_for(static_cast<int>(kBlockSize), kBlockPolls, false))
        return false;
    const Bytes block = m_port.Input();
    if (block.size() != kBlockSize)
        return false;
    if (i < data_blocks) {
        std::copy(block.begin(), block.end(),
                  m_buffer.begin() + static_cast<std::ptrdiff_t>(i * kBlockSize));
        m_computed_crcs[i] = Block_Crc(block);
    } else {
        m_received_crcs.insert(m_received_crcs.end(), block.begin(), block.end());
    }
    return true;
}

bool TransferProtocol::Verify_Received(std::size_t size)
{
    bool equal = m_received_crcs.size() >= Data_Blocks(size) * 4;
    for (std::size_t k = 0; equal && k < Data_Blocks(size); ++k)
        equal = Load_U32(m_received_crcs, 4 * k) == m_computed_crcs[k];
    Send_Command(equal ? LinkCommand::RCVS : LinkCommand::RCVF);
    return equal;
}

// The received file replaces the target only as a whole: a failed write leaves the old file.
bool TransferProtocol::Save_Received(AtomicFileWriter &target, const std::string &backups_folder,
                                     std::size_t size)
{
    if (size > m_buffer.size()) {
        m_host.File_Error(link_text::Write_Failed_Text(target.target(), "nothing was received"));
        return false;
    }
    const Outcome saved = Replace_Backed_Up(
            target, ByteView(m_buffer).first(size), backups_folder, [&](const std::string &reason) {
                return link_text::Write_Failed_Text(target.target(), reason);
            });
    if (!saved)
        m_host.File_Error(saved.message);
    return saved.ok;
}

bool TransferProtocol::Send_Block(ByteView block)
{
    m_port.Discard_Input();
    m_port.Drain_Output();
    m_port.Output(block);
    return Wait_Reply(LinkCommand::RRSS, LinkCommand::RRFD, kAckPolls);
}

// The file is opened read-only and must hold exactly the bytes of its kind; anything else is
// reported before the receiver is asked for anything.
bool TransferProtocol::Load_File_Data(const std::string &file_name, std::size_t size)
{
    std::string reason;
    if (!Read_Whole_File(file_name, m_buffer, reason, kChannelDataFileSize)) {
        m_host.File_Error(link_text::Read_Failed_Text(file_name, reason));
        return false;
    }
    if (m_buffer.size() != size) {
        const std::string holds = m_buffer.size() > kChannelDataFileSize
                                          ? "more than " + std::to_string(kChannelDataFileSize)
                                          : std::to_string(m_buffer.size());
        m_host.File_Error(link_text::Read_Failed_Text(
                file_name, "it holds " + holds + " bytes instead of " + std::to_string(size)));
        m_buffer.clear();
        return false;
    }
    m_loaded_file = file_name;
    return true;
}

bool TransferProtocol::Send_File_Data(const std::string &file_name, std::size_t size)
{
    if (!Transferable(size))
        return false;
    if ((m_loaded_file != file_name || m_buffer.size() != size) && !Load_File_Data(file_name, size))
        return false;
    for (std::size_t p = 0; p < size;) {
        const ByteView block = ByteView(m_buffer).subspan(p, kBlockSize);
        m_computed_crcs[p / kBlockSize] = Block_Crc(block);
        if (!Send_Block(block)) {
            m_host.Show_Status(link_text::kTransferFailed);
            return false;
        }
        m_host.Show_Status(link_text::kTransferSuccess);
        m_host.Process_Messages();
        p += kBlockSize;
        m_host.Show_Status(link_text::Progress_Text(link_text::kDataProgress,
                                                    static_cast<long long>(p * 100 / size)));
        m_host.Process_Messages();
        m_host.Show_Progress(static_cast<int>(Data_Blocks(size)), 1);
        // A closed dialog ends the data phase as a failure: the checksums of a cut-short file
        // must not follow.
        if (!m_host.Link_Running())
            return false;
    }
    return true;
}

bool TransferProtocol::Send_Crc_Table(std::size_t size)
{
    if (!Transferable(size))
        return false;
    Bytes layout(Data_Blocks(size) * 4);
    for (std::size_t k = 0; k < Data_Blocks(size); ++k)
        Store_U32(layout, 4 * k, m_computed_crcs[k]);
    for (std::size_t q = 0; q < layout.size();) {
        if (!Send_Block(ByteView(layout).subspan(q, kBlockSize))) {
            m_host.Show_Status(link_text::kTransferFailed);
            return false;
        }
        m_host.Show_Status(link_text::kTransferSuccess);
        m_host.Process_Messages();
        q += kBlockSize;
        m_host.Show_Status(link_text::Progress_Text(
                link_text::kCrcProgress, static_cast<long long>(q * 100 / layout.size())));
        m_host.Process_Messages();
        m_host.Show_Progress(static_cast<int>(Crc_Blocks(size)), 1);
    }
    return true;
}

bool TransferProtocol::Read_From_Receiver(const std::string &file_name, FileKind kind,
                                          const std::string &backups_folder)
{
    const std::size_t size = Expected_Size_For(kind);
    m_host.Show_File_Name(file_name);
    Open_Port();
    if (file_name.empty()) {
        m_host.Show_Status(link_text::kCanNotOpenUpload);
        return false;
    }
    // The target is checked, and its temporary file made, before the receiver is asked: the
    // receiver is told the transfer succeeded before the file is written, so a folder that
    // cannot take it must be found out first.
    AtomicFileWriter target;
    if (std::string reason; !target.Open(file_name, reason)) {
        m_host.Show_Status(link_text::kCanNotOpenUpload);
        m_host.File_Error(link_text::Write_Failed_Text(file_name, reason));
        return false;
    }
    if (!Receive_File(kind))
        return false;
    if (!Save_Received(target, backups_folder, size))
        return fail(nullptr);
    show(link_text::kUpdateSuccess);
    return true;
}

bool TransferProtocol::Receive_File(FileKind kind)
{
    const std::size_t size = Expected_Size_For(kind);
    if (!connect(Read_Request(kind)))
        return false;
    if (!Receive_Image(size))
        return fail(link_text::kTransferFailed);
    show(link_text::kTransferSuccess);
    show(link_text::kVerify);
    if (!Verify_Received(size))
        return fail(link_text::kVerifyFailed);
    show(link_text::kVerifySuccess);
    Send_Command(LinkCommand::REFS);
    Send_Command(LinkCommand::RWFS);
    return true;
}

bool TransferProtocol::Write_Into_Receiver(const std::string &file_name, FileKind kind)
{
    const std::size_t size = Expected_Size_For(kind);
    m_host.Show_File_Name(file_name);
    Open_Port();
    if (!Load_File_Data(file_name, size)) {
        m_host.Show_Status(link_text::kCanNotOpenDownload);
        return false;
    }
    if (!connect(Write_Request(kind)))
        return false;
    if (!Send_File_Data(file_name, size) || !Send_Crc_Table(size))
        return fail(link_text::kTransferFailed);
    show(link_text::kTransferSuccess);
    if (!wait_report(LinkCommand::RCVS, kVerifyPolls, link_text::kVerify, link_text::kVerifyFailed,
                     link_text::kVerifySuccess)
        || !wait_report(LinkCommand::REFS, kErasePolls, link_text::kEraseFlash,
                        link_text::kEraseFlashFailed, link_text::kEraseFlashSuccess)
        || !wait_report(LinkCommand::RWFS, kProgramPolls, link_text::kProgramFlash,
                        link_text::kProgramFlashFailed, link_text::kProgramFlashSuccess))
        return false;
    show(link_text::kEraseEepromSuccess);
    show(link_text::kUpdateSuccess);
    return true;
}

// The handshake of both transfers; on success the main panel is locked until a failure.
bool TransferProtocol::connect(LinkCommand request)
{
    if (!m_host.Link_Running() || !Connect_Receiver(request, Answer_To(request))) {
        m_host.Show_Status(link_text::kConnectFailed);
        return false;
    }
    m_host.Set_Panel_Enabled(false);
    show(link_text::kConnectSuccess);
    show(link_text::kTransfer);
    return true;
}

// The receiver's success and failure codes sit next to each other: RCVF/RCVS, REFF/REFS,
// RWFF/RWFS.
bool TransferProtocol::wait_report(LinkCommand expected, int polls, const char *busy,
                                   const char *failed, const char *done)
{
    show(busy);
    const auto failure = static_cast<LinkCommand>(static_cast<int>(expected) - 1);
    if (!Wait_Reply(expected, failure, polls))
        return fail(failed);
    show(done);
    return true;
}

bool TransferProtocol::fail(const char *status)
{
    if (status)
        m_host.Show_Status(status);
    m_host.Set_Panel_Enabled(true);
    return false;
}

void TransferProtocol::show(const char *status)
{
    m_host.Show_Status(status);
    m_host.Process_Messages();
}

LinkCommand Answer_To(LinkCommand request)
{
    switch (request) {
    case LinkCommand::RDPO:
        return LinkCommand::TDPO;
    case LinkCommand::TDPO:
        return LinkCommand::RDPO;
    case LinkCommand::RFPO:
        return LinkCommand::TFPO;
    case LinkCommand::TFPO:
        return LinkCommand::RFPO;
    default:
        return request;
    }
}

} // namespace orvane
