// The transfer protocol over an in-memory line: every poll bound counted exactly, the block
// order and checksum layout, the texts, and the faults a transfer must survive.

#include "fake_link.h"

#include "dbase/block_crc.h"
#include "dbase/file_io.h"
#include "link/link_texts.h"
#include "link/transfer_protocol.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <sys/stat.h>

using namespace orvane;
using namespace orvane::test;

Q_DECLARE_METATYPE(orvane::FileKind)
Q_DECLARE_METATYPE(orvane::LinkCommand)

namespace {

Bytes Sample_File(std::size_t size, std::uint32_t seed)
{
    Bytes bytes(size);
    for (auto &byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(seed >> 16);
    }
    return bytes;
}

// One line, one window and one protocol, wired together.
struct Link
{
    FakePort port;
    FakeClock clock{port};
    FakeHost host;
    TransferProtocol protocol{port, clock, host};

    Link() { protocol.Open_Port(); }
    int count(const std::string &code) const
    {
        return static_cast<int>(
                std::count(port.operations.begin(), port.operations.end(), "output " + code));
    }
};

std::string Last_Status(const FakeHost &host)
{
    return host.statuses.empty() ? std::string() : host.statuses.back();
}

} // namespace

class TestTransferProtocol : public QObject
{
    Q_OBJECT

private slots:
    void command_texts_data();
    void command_texts();
    void open_port_applies_line_settings();
    void open_port_failure_lights_red_lamp();
    void wait_reply_data();
    void wait_reply();
    void wait_reply_ends_after_one_poll_when_closed();
    void handshake_gives_up_after_1999_requests();
    void handshake_answer_within_ten_polls_data();
    void handshake_answer_within_ten_polls();
    void handshake_skips_tapo_without_counting();
    void handshake_refuses_wrong_answer();
    void send_command_drains_instead_of_discarding_output();
    void read_moves_every_block_data();
    void read_moves_every_block();
    void read_late_block_sends_rrfd_data();
    void read_late_block_sends_rrfd();
    void read_checksum_mismatch_answers_rcvf();
    void read_failed_save_reports_failure();
    void read_needs_file_name();
    void write_sends_every_block_data();
    void write_sends_every_block();
    void write_failures_data();
    void write_failures();
    void write_cancel_in_data_phase_fails();
    void write_refuses_unreadable_file_data();
    void write_refuses_unreadable_file();
    void write_sends_read_only_file();
};

void TestTransferProtocol::command_texts_data()
{
    QTest::addColumn<LinkCommand>("no");
    QTest::addColumn<QString>("text");
    const char *codes[] = {"TDPO", "RDPO", "TFPO", "RFPO", "RRFD", "RRSS", "RCVF",
                           "RCVS", "REFF", "REFS", "RWFF", "RWFS", "TAPO"};
    for (int no = 0; no < 13; ++no)
        QTest::newRow(codes[no]) << static_cast<LinkCommand>(no) << QString("YYXF") + codes[no];
}

void TestTransferProtocol::command_texts()
{
    QFETCH(LinkCommand, no);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(TransferProtocol::Command_Text(no)), text);
}

void TestTransferProtocol::open_port_applies_line_settings()
{
    Link link;
    link.host.port_index = 2;
    link.protocol.Open_Port();
    QCOMPARE(link.port.operations, (std::vector<std::string>{"open", "close", "open"}));
    QCOMPARE(link.port.Comm_Port(), 3);
    QCOMPARE(link.port.m_settings, std::string("115200,E,8,1"));
    QCOMPARE(link.port.in_buffer_size, 1024);
    QCOMPARE(link.port.out_buffer_size, 1024);
    QCOMPARE(link.port.input_len, 1);
    QVERIFY(link.port.input_mode == InputMode::Text);
    link.host.port_index = -1; // no selection keeps the port number
    link.protocol.Open_Port();
    QCOMPARE(link.port.Comm_Port(), 3);
}

void TestTransferProtocol::open_port_failure_lights_red_lamp()
{
    Link link;
    link.port.open_error = link_text::kUsedByOther;
    link.protocol.Open_Port();
    QVERIFY(!link.port.Port_Open());
    QCOMPARE(link.host.lamp, (std::vector<bool>{true, true, false}));
    QCOMPARE(link.host.port_errors, std::vector<std::string>{link_text::kUsedByOther});
}

void TestTransferProtocol::wait_reply_data()
{
    QTest::addColumn<QByteArray>("waiting");
    QTest::addColumn<int>("arrives_at"); // poll count at which the bytes arrive
    QTest::addColumn<int>("polls");
    QTest::addColumn<bool>("result");
    QTest::addColumn<long long>("polls_used");
    QTest::addColumn<int>("left");
    QTest::addColumn<LinkCommand>("expected");

    const QByteArray rrss = "@YYXFRRSS";
    const auto ack = LinkCommand::RRSS;
    QTest::newRow("nothing: every poll") << QByteArray() << 0 << 300 << false << 300LL << 0 << ack;
    QTest::newRow("waiting at once") << rrss << 0 << 300 << true << 0LL << 0 << ack;
    QTest::newRow("arrives at poll 7") << rrss << 7 << 300 << true << 7LL << 0 << ack;
    QTest::newRow("arrives at the last poll") << rrss << 300 << 300 << false << 300LL << 9 << ack;
    QTest::newRow("arrives within the last poll")
            << rrss << 299 << 300 << true << 299LL << 0 << ack;
    QTest::newRow("eight characters never count")
            << QByteArray("@YYXFRRS") << 0 << 300 << false << 300LL << 8 << ack;
    QTest::newRow("first not @: one character consumed")
            << QByteArray("X@YYXFRRSS") << 0 << 300 << false << 0LL << 9 << ack;
    QTest::newRow("failure code consumed")
            << QByteArray("@YYXFRRFD@YYXFRRSS") << 0 << 300 << false << 0LL << 9 << ack;
    QTest::newRow("rest stays") << QByteArray("@YYXFRRSS@YY") << 0 << 10 << true << 0LL << 3 << ack;
    QTest::newRow("verify bound") << QByteArray() << 0 << 100000 << false << 100000LL << 0
                                  << LinkCommand::RCVS;
    QTest::newRow("program bound")
            << QByteArray() << 0 << 150000 << false << 150000LL << 0 << LinkCommand::RWFS;
    QTest::newRow("TAPO") << QByteArray("@YYXFTAPO") << 3 << 20 << true << 3LL << 0
                          << LinkCommand::TAPO;
}

void TestTransferProtocol::wait_reply()
{
    QFETCH(QByteArray, waiting);
    QFETCH(int, arrives_at);
    QFETCH(int, polls);
    QFETCH(bool, result);
    QFETCH(long long, polls_used);
    QFETCH(int, left);
    QFETCH(LinkCommand, expected);
    Link link;
    link.port.Arrive(As_Bytes(waiting.toStdString()), arrives_at);
    QCOMPARE(link.protocol.Wait_Reply(expected, LinkCommand::RRFD, polls), result);
    QCOMPARE(link.clock.polls, polls_used);
    QCOMPARE(static_cast<int>(link.port.Waiting()), left);
    QVERIFY(std::all_of(link.clock.awaited.begin(), link.clock.awaited.end(),
                        [](int n) { return n == 9; }));
}

void TestTransferProtocol::wait_reply_ends_after_one_poll_when_closed()
{
    Link link;
    link.host.running = false;
    QVERIFY(!link.protocol.Wait_Reply(LinkCommand::RCVS, LinkCommand::RCVF, 100000));
    QCOMPARE(link.clock.polls, 1LL);
    link.port.Arrive_Now(Message(LinkCommand::RCVS)); // a reply already waiting still counts
    QVERIFY(link.protocol.Wait_Reply(LinkCommand::RCVS, LinkCommand::RCVF, 100000));
    QCOMPARE(link.clock.polls, 1LL);
}

void TestTransferProtocol::handshake_gives_up_after_1999_requests()
{
    Link link;
    QVERIFY(!link.protocol.Connect_Receiver(LinkCommand::RDPO, LinkCommand::TDPO));
    QCOMPARE(link.count("RDPO"), 1999);
    QCOMPARE(link.clock.polls, 1999LL * (20 + 10));
    QCOMPARE(static_cast<int>(std::count(link.host.statuses.begin(), link.host.statuses.end(),
                                         link_text::kConnecting)),
             1999);
    // Each request follows a full TAPO wait and is followed by a full answer wait.
    QCOMPARE(link.port.polls_before_output[0], 20LL);
    QCOMPARE(link.port.polls_before_output[1], 30LL);
}

void TestTransferProtocol::handshake_answer_within_ten_polls_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("requests");
    QTest::newRow("at once") << 0 << 1;
    QTest::newRow("within the 10th poll") << 9 << 1;
    // Arriving at the 10th poll is too late for this request; the next TAPO wait reads the
    // answer as no TAPO and the next request is dropped with the input before it.
    QTest::newRow("after the 10 polls") << 10 << 1999;
}

void TestTransferProtocol::handshake_answer_within_ten_polls()
{
    QFETCH(int, delay);
    QFETCH(int, requests);
    Link link;
    FakeReceiver receiver(link.port, {});
    receiver.answer_delay = delay;
    QCOMPARE(link.protocol.Connect_Receiver(LinkCommand::RDPO, LinkCommand::TDPO), requests == 1);
    QCOMPARE(link.count("RDPO"), requests);
}

void TestTransferProtocol::handshake_skips_tapo_without_counting()
{
    Link link;
    FakeReceiver receiver(link.port, {});
    for (int i = 0; i < 2500; ++i) // more than the attempt limit: none of them counts
        link.port.Arrive(Message(LinkCommand::TAPO), i * 5);
    QVERIFY(link.protocol.Connect_Receiver(LinkCommand::TFPO, LinkCommand::RFPO));
    QCOMPARE(link.count("TFPO"), 1);
    QCOMPARE(receiver.commands, std::vector<std::string>{"TFPO"});
    QCOMPARE(link.port.Waiting(), std::size_t(0));
}

void TestTransferProtocol::handshake_refuses_wrong_answer()
{
    Link link;
    FakeReceiver receiver(link.port, {});
    receiver.wrong_answer = true; // "RDPO" answered with "RDPO"
    QVERIFY(!link.protocol.Connect_Receiver(LinkCommand::RDPO, LinkCommand::TDPO));
    QCOMPARE(link.count("RDPO"), 1999);
}

void TestTransferProtocol::send_command_drains_instead_of_discarding_output()
{
    Link link;
    link.port.operations.clear();
    link.protocol.Send_Command(LinkCommand::REFS);
    link.protocol.Send_Block(Bytes(256, 0x5A));
    const std::vector<std::string> expected{"discard input", "drain", "output REFS",
                                            "discard input", "drain", "output block"};
    QCOMPARE(link.port.operations, expected);
    QCOMPARE(link.port.written[0], As_Bytes("@YYXFREFS"));
    QCOMPARE(link.port.written[1], Bytes(256, 0x5A));
}

void TestTransferProtocol::read_moves_every_block_data()
{
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<QString>("request");
    QTest::newRow("Channel Data") << FileKind::ChannelData << 1040 << "RDPO";
    QTest::newRow("Default") << FileKind::Default << 520 << "RFPO";
}

void TestTransferProtocol::read_moves_every_block()
{
    QFETCH(FileKind, kind);
    QFETCH(int, blocks);
    QFETCH(QString, request);
    QTemporaryDir folder;
    const std::string target = folder.filePath("received.bin").toStdString();
    Link link;
    FakeReceiver receiver(link.port, Sample_File(Expected_Size_For(kind), 7));
    receiver.block_delay = 3;
    QVERIFY(link.protocol.Read_From_Receiver(target, kind));

    std::vector<std::string> expected{request.toStdString()};
    expected.insert(expected.end(), blocks, "RRSS");
    expected.insert(expected.end(), {"RCVS", "REFS", "RWFS"});
    QCOMPARE(receiver.commands, expected);
    Bytes saved;
    std::string reason;
    QVERIFY(Read_Whole_File(target, saved, reason, kChannelDataFileSize));
    QVERIFY(saved == receiver.served);

    const auto progress = link.host.Progress_Texts(link_text::kReadProgress);
    QCOMPARE(static_cast<int>(progress.size()), blocks);
    QCOMPARE(progress[0], std::string("Transfering:  0%"));
    QCOMPARE(progress[blocks - 2], std::string("Transfering:  99%"));
    QCOMPARE(progress[blocks - 1], std::string("Transfering:  100%"));
    QCOMPARE(link.host.progress_max, blocks - 1);
    QCOMPARE(link.host.progress_steps, static_cast<long long>(blocks));
    QCOMPARE(link.host.panel, std::vector<std::string>{"disabled"});
    const std::vector<std::string> tail{"Transfer Success!", "Verify...", "Verify Success!",
                                        "Update Success!"};
    QVERIFY(std::equal(tail.rbegin(), tail.rend(), link.host.statuses.rbegin()));
    QCOMPARE(link.host.file_names, std::vector<std::string>{target});
}

void TestTransferProtocol::read_late_block_sends_rrfd_data()
{
    QTest::addColumn<int>("missing");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<long long>("wait");
    QTest::newRow("first data block") << 0 << false << 1001LL;
    QTest::newRow("last data block") << 511 << false << 1001LL;
    QTest::newRow("last CRC block") << 519 << false << 1001LL;
    QTest::newRow("closed dialog: one poll") << 100 << true << 1LL;
}

void TestTransferProtocol::read_late_block_sends_rrfd()
{
    QFETCH(int, missing);
    QFETCH(bool, cancel);
    QFETCH(long long, wait);
    QTemporaryDir folder;
    const std::string target = folder.filePath("received.bin").toStdString();
    Link link;
    FakeReceiver receiver(link.port, Sample_File(kDefaultFileSize, 3));
    receiver.missing_block = missing;
    if (cancel)
        link.host.cancel_at_status = "Transfering:  19%"; // block 99 of 520
    QVERIFY(!link.protocol.Read_From_Receiver(target, FileKind::Default));
    QCOMPARE(receiver.commands.back(), std::string("RRFD"));
    QCOMPARE(link.port.polls_before_output.back(), wait);
    QCOMPARE(Last_Status(link.host), std::string(link_text::kTransferFailed));
    QCOMPARE(link.host.panel, (std::vector<std::string>{"disabled", "enabled"}));
    QVERIFY(!File_Exists(target));
}

void TestTransferProtocol::read_checksum_mismatch_answers_rcvf()
{
    QTemporaryDir folder;
    const std::string target = folder.filePath("kept.bin").toStdString();
    const Bytes old_file = Sample_File(100, 1);
    std::string reason;
    QVERIFY(Write_File_Atomically(target, old_file, reason));
    Link link;
    FakeReceiver receiver(link.port, Sample_File(kChannelDataFileSize, 5));
    receiver.corrupt_crc = 1023;
    QVERIFY(!link.protocol.Read_From_Receiver(target, FileKind::ChannelData));
    QCOMPARE(receiver.commands.back(), std::string("RCVF"));
    QCOMPARE(Last_Status(link.host), std::string(link_text::kVerifyFailed));
    Bytes kept;
    QVERIFY(Read_Whole_File(target, kept, reason, kChannelDataFileSize));
    QVERIFY(kept == old_file);
}

// A target that cannot be written is found out before the receiver is asked for anything.
void TestTransferProtocol::read_failed_save_reports_failure()
{
    QTemporaryDir folder;
    const std::string target = folder.filePath("no/such/folder/x.bin").toStdString();
    Link link;
    FakeReceiver receiver(link.port, Sample_File(kDefaultFileSize, 9));
    QVERIFY(!link.protocol.Read_From_Receiver(target, FileKind::Default));
    QCOMPARE(link.host.file_errors.size(), std::size_t(1));
    QVERIFY(link.host.file_errors[0].find(target) != std::string::npos);
    QVERIFY(receiver.commands.empty());
    QCOMPARE(Last_Status(link.host), std::string(link_text::kCanNotOpenUpload));
    QVERIFY(link.host.panel.empty());
}

void TestTransferProtocol::read_needs_file_name()
{
    Link link;
    FakeReceiver receiver(link.port, Sample_File(kDefaultFileSize, 9));
    QVERIFY(!link.protocol.Read_From_Receiver("", FileKind::Default));
    QCOMPARE(link.host.statuses, std::vector<std::string>{link_text::kCanNotOpenUpload});
    QVERIFY(receiver.commands.empty());
}

void TestTransferProtocol::write_sends_every_block_data()
{
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<int>("data_blocks");
    QTest::addColumn<int>("crc_blocks");
    QTest::newRow("Channel Data") << FileKind::ChannelData << 1024 << 16;
    QTest::newRow("Default") << FileKind::Default << 512 << 8;
}

void TestTransferProtocol::write_sends_every_block()
{
    QFETCH(FileKind, kind);
    QFETCH(int, data_blocks);
    QFETCH(int, crc_blocks);
    QTemporaryDir folder;
    const std::string source = folder.filePath("send.bin").toStdString();
    const Bytes file = Sample_File(Expected_Size_For(kind), 11);
    std::string reason;
    QVERIFY(Write_File_Atomically(source, file, reason));
    Link link;
    FakeReceiver receiver(link.port, {});
    QVERIFY(link.protocol.Write_Into_Receiver(source, kind));

    QCOMPARE(static_cast<int>(receiver.blocks.size()), data_blocks + crc_blocks);
    Bytes data, crcs;
    for (int i = 0; i < data_blocks + crc_blocks; ++i) {
        QCOMPARE(receiver.blocks[i].size(), std::size_t(256));
        auto &into = i < data_blocks ? data : crcs;
        into.insert(into.end(), receiver.blocks[i].begin(), receiver.blocks[i].end());
    }
    QVERIFY(data == file);
    QCOMPARE(static_cast<int>(crcs.size()), data_blocks * 4); // no filler
    for (int k = 0; k < data_blocks; ++k)
        QCOMPARE(Load_U32(crcs, 4 * k), Block_Crc(ByteView(file).subspan(256 * k, 256)));

    const auto data_progress = link.host.Progress_Texts(link_text::kDataProgress);
    const auto crc_progress = link.host.Progress_Texts(link_text::kCrcProgress);
    QCOMPARE(static_cast<int>(data_progress.size()), data_blocks);
    QCOMPARE(data_progress.back(), std::string("Transfering Data:  100%"));
    QCOMPARE(static_cast<int>(crc_progress.size()), crc_blocks);
    QCOMPARE(crc_progress.front(), "Transfering CRC:  " + std::to_string(100 / crc_blocks) + "%");
    QCOMPARE(crc_progress.back(), std::string("Transfering CRC:  100%"));
    const std::vector<std::string> tail{"Transfer Success!",      "Verify...",
                                        "Verify Success!",        "Erase flash...",
                                        "Erase flash Success!",   "Program flash...",
                                        "Program flash Success!", "Erase eeprom Success!",
                                        "Update Success!"};
    QVERIFY(std::equal(tail.rbegin(), tail.rend(), link.host.statuses.rbegin()));
}

void TestTransferProtocol::write_failures_data()
{
    QTest::addColumn<int>("no_ack_at");
    QTest::addColumn<int>("rrfd_at");
    QTest::addColumn<QString>("verify");
    QTest::addColumn<QString>("erase");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("status");
    QTest::addColumn<long long>("last_wait"); // polls after the last block
    QTest::addColumn<int>("blocks");

    QTest::newRow("no ack of data block") << 3 << -1 << "RCVS"
                                          << "REFS"
                                          << "RWFS"
                                          << "Transfer failed!" << 300LL << 4;
    QTest::newRow("RRFD for data block") << -1 << 511 << "RCVS"
                                         << "REFS"
                                         << "RWFS"
                                         << "Transfer failed!" << 0LL << 512;
    QTest::newRow("no ack of last CRC block") << 519 << -1 << "RCVS"
                                              << "REFS"
                                              << "RWFS"
                                              << "Transfer failed!" << 300LL << 520;
    QTest::newRow("RCVF") << -1 << -1 << "RCVF"
                          << "REFS"
                          << "RWFS"
                          << "Verify failed!" << 1LL << 520;
    QTest::newRow("no verify") << -1 << -1 << ""
                               << ""
                               << ""
                               << "Verify failed!" << 100000LL << 520;
    QTest::newRow("REFF") << -1 << -1 << "RCVS"
                          << "REFF"
                          << "RWFS"
                          << "Erase flash failed!" << 2LL << 520;
    QTest::newRow("no erase") << -1 << -1 << "RCVS"
                              << ""
                              << ""
                              << "Erase flash failed!" << 100001LL << 520;
    QTest::newRow("RWFF") << -1 << -1 << "RCVS"
                          << "REFS"
                          << "RWFF"
                          << "Program flash failed!" << 3LL << 520;
    QTest::newRow("no program") << -1 << -1 << "RCVS"
                                << "REFS"
                                << ""
                                << "Program flash failed!" << 150002LL << 520;
}

void TestTransferProtocol::write_failures()
{
    QFETCH(int, no_ack_at);
    QFETCH(int, rrfd_at);
    QFETCH(QString, verify);
    QFETCH(QString, erase);
    QFETCH(QString, program);
    QFETCH(QString, status);
    QFETCH(long long, last_wait);
    QFETCH(int, blocks);
    QTemporaryDir folder;
    const std::string source = folder.filePath("send.bin").toStdString();
    std::string reason;
    QVERIFY(Write_File_Atomically(source, Sample_File(kDefaultFileSize, 2), reason));
    Link link;
    FakeReceiver receiver(link.port, {});
    receiver.no_ack_at = no_ack_at;
    receiver.rrfd_at = rrfd_at;
    receiver.verify = verify.toStdString();
    receiver.erase = erase.toStdString();
    receiver.program = program.toStdString();
    QVERIFY(!link.protocol.Write_Into_Receiver(source, FileKind::Default));
    QCOMPARE(static_cast<int>(receiver.blocks.size()), blocks);
    long long polls_to_last_output = 0;
    for (long long gap : link.port.polls_before_output)
        polls_to_last_output += gap;
    QCOMPARE(link.clock.polls - polls_to_last_output, last_wait);
    QCOMPARE(Last_Status(link.host), status.toStdString());
    QCOMPARE(link.host.panel, (std::vector<std::string>{"disabled", "enabled"}));
}

void TestTransferProtocol::write_cancel_in_data_phase_fails()
{
    QTemporaryDir folder;
    const std::string source = folder.filePath("send.bin").toStdString();
    std::string reason;
    QVERIFY(Write_File_Atomically(source, Sample_File(kChannelDataFileSize, 4), reason));
    Link link;
    FakeReceiver receiver(link.port, {});
    link.host.cancel_at_status = "Transfering Data:  50%"; // after block 512 of 1024
    QVERIFY(!link.protocol.Write_Into_Receiver(source, FileKind::ChannelData));
    QCOMPARE(receiver.blocks.size(), std::size_t(512)); // no further data, no CRC block
    QCOMPARE(Last_Status(link.host), std::string(link_text::kTransferFailed));
    QCOMPARE(link.host.panel, (std::vector<std::string>{"disabled", "enabled"}));
}

void TestTransferProtocol::write_refuses_unreadable_file_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size"); // -1: no file
    QTest::newRow("missing") << "missing.bin" << -1;
    QTest::newRow("too short") << "short.bin" << 131071;
    QTest::newRow("too long (other kind)") << "long.bin" << 262144;
    QTest::newRow("empty") << "empty.bin" << 0;
}

void TestTransferProtocol::write_refuses_unreadable_file()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QTemporaryDir folder;
    const std::string source = folder.filePath(name).toStdString();
    std::string reason;
    if (size >= 0)
        QVERIFY(Write_File_Atomically(source, Sample_File(static_cast<std::size_t>(size), 1),
                                      reason));
    Link link;
    FakeReceiver receiver(link.port, {});
    QVERIFY(!link.protocol.Write_Into_Receiver(source, FileKind::Default));
    QVERIFY(receiver.commands.empty()); // reported before the handshake
    QCOMPARE(link.host.statuses, std::vector<std::string>{link_text::kCanNotOpenDownload});
    QCOMPARE(link.host.file_errors.size(), std::size_t(1));
    QVERIFY(link.host.file_errors[0].find(source) != std::string::npos);
}

void TestTransferProtocol::write_sends_read_only_file()
{
    QTemporaryDir folder;
    const std::string source = folder.filePath("locked.bin").toStdString();
    std::string reason;
    QVERIFY(Write_File_Atomically(source, Sample_File(kDefaultFileSize, 8), reason));
    QCOMPARE(::chmod(source.c_str(), 0444), 0);
    Link link;
    FakeReceiver receiver(link.port, {});
    QVERIFY(link.protocol.Write_Into_Receiver(source, FileKind::Default));
    QCOMPARE(receiver.commands, std::vector<std::string>{"TFPO"});
}

QTEST_APPLESS_MAIN(TestTransferProtocol)
#include "tst_transfer_protocol.moc"
