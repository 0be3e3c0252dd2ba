#pragma once

// The transfer of one database file between the PC and the receiver. Short commands are 9
// ASCII characters ("@" "YYXF" and a 4-letter code); the file travels as 256-byte blocks,
// each acknowledged by the side that receives it, followed by blocks of 32-bit Block_Crc
// values, one per data block. Every wait is a counted number of polls; the poll counts are
// part of the exchange the receiver expects and must not change.
//
// The protocol is plain C++ over an abstract port, clock and window, so that tests drive it
// without a serial line and count its polls exactly.

#include "dbase/bytes.h"
#include "dbase/container.h"
#include "dbase/file_io.h"
#include "link/link_host.h"
#include "link/serial_port.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// The command codes by the program's own numbers (Command_Text's argument).
enum class LinkCommand : int {
    TDPO = 0,  // PC: write Channel Data / receiver: ready to send Channel Data
    RDPO = 1,  // PC: read Channel Data / receiver: ready to receive Channel Data
    TFPO = 2,  // as TDPO, for Default
    RFPO = 3,  // as RDPO, for Default
    RRFD = 4,  // a block did not arrive in time
    RRSS = 5,  // block received
    RCVF = 6,  // verification failed
    RCVS = 7,  // verification succeeded
    REFF = 8,  // erasing flash failed
    REFS = 9,  // erasing flash succeeded
    RWFF = 10, // programming flash failed
    RWFS = 11, // programming flash succeeded
    TAPO = 12, // a receiver message read and discarded before each handshake attempt
};

// Poll bounds of the waits.
inline constexpr int kTapoPolls = 20;
inline constexpr int kAnswerPolls = 10;
inline constexpr int kAckPolls = 300;
inline constexpr int kBlockPolls = 1001;
inline constexpr int kVerifyPolls = 100000;
inline constexpr int kErasePolls = 100000;
inline constexpr int kProgramPolls = 150000;
inline constexpr int kMaxAttempts = 1999;

inline constexpr int kCommandLength = 9;
inline constexpr std::size_t kBlockSize = 256;
inline constexpr std::size_t kMaxDataBlocks = 8000;
inline constexpr const char *kLineSettings = "115200,E,8,1";
inline constexpr int kPortBufferSize = 1024;

// The receiver's answer to a handshake request: TDPO <-> RDPO, TFPO <-> RFPO.
LinkCommand Answer_To(LinkCommand request);

class TransferProtocol
{
public:
    TransferProtocol(SerialPort &port, PollClock &clock, LinkHost &host);

    // Closes the port, selects the port of the dialog's list, applies the line settings and
    // opens it; a failure lights the red lamp and is reported, the port stays closed.
    void Open_Port();

    // "YYXF" followed by the code.
    static std::string Command_Text(LinkCommand no);
    // Drops unread input, lets earlier output drain, then sends "@" + Command_Text(no).
    void Send_Command(LinkCommand no);
    // True when a reply equal to expected arrived within polls polls. failure names the
    // other side's failure code; it is consumed like any reply and gives false.
    bool Wait_Reply(LinkCommand expected, LinkCommand failure, int polls);
    // The handshake: at most kMaxAttempts requests; "TAPO" messages are not attempts.
    bool Connect_Receiver(LinkCommand request, LinkCommand answer);

    // Reading: all size/256 data blocks and size/16384 CRC blocks, each acknowledged.
    bool Receive_Image(std::size_t size);
    // Compares the received CRC values with the received data and tells the receiver.
    bool Verify_Received(std::size_t size);
    // Writes the received data through the writer opened before the handshake, after the old
    // file went into backups_folder (none when empty).
    bool Save_Received(AtomicFileWriter &target, const std::string &backups_folder,
                       std::size_t size);

    // Writing: one 256-byte block, true when the receiver acknowledged it.
    bool Send_Block(ByteView block);
    // Loads file_name (read-only) into the transfer buffer; false when it cannot be read
    // whole at this size. Write_Into_Receiver calls it before the handshake.
    bool Load_File_Data(const std::string &file_name, std::size_t size);
    // Sends the data blocks of the loaded file. A cancel ends it with false.
    bool Send_File_Data(const std::string &file_name, std::size_t size);
    bool Send_Crc_Table(std::size_t size);

    // A read up to its file: the handshake, the blocks and their check, and the receiver told
    // that the file arrived. On true, Transfer_Buffer() holds the file. Read_From_Receiver runs
    // it between opening the file and writing it.
    bool Receive_File(FileKind kind);

    // The two transfers the communication dialog and the command line run. A read backs up
    // the file it replaces into backups_folder (none when empty).
    bool Read_From_Receiver(const std::string &file_name, FileKind kind,
                            const std::string &backups_folder = {});
    bool Write_Into_Receiver(const std::string &file_name, FileKind kind);

    // The bytes of the last transfer (received or loaded for sending).
    const Bytes &Transfer_Buffer() const { return m_buffer; }

private:
    bool poll_for(int awaited_bytes, int polls, bool process_messages);
    std::string read_reply();
    bool receive_block(std::size_t i, std::size_t data_blocks);
    bool connect(LinkCommand request);
    bool wait_report(LinkCommand expected, int polls, const char *busy, const char *failed,
                     const char *done);
    bool fail(const char *status);
    void show(const char *status);

    SerialPort &m_port;
    PollClock &m_clock;
    LinkHost &m_host;
    Bytes m_buffer;
    std::string m_loaded_file;
    Bytes m_received_crcs;
    std::array<std::uint32_t, kMaxDataBlocks> m_computed_crcs{};
};

} // namespace orvane
