// The seeds of the inputs that arrive besides the database: the receiver's replies on the serial
// line (fuzz_link), the message of a later start (fuzz_instance), the settings file
// (fuzz_settings) and the command lines (fuzz_arguments).

#include "app/instance_message.h"
#include "app/recent_files.h"
#include "fuzz/link_input.h"
#include "fuzz/seeds.h"

#include <QString>

#include <functional>

namespace orvane::fuzz {
namespace {

namespace fs = std::filesystem;

Bytes Text_Bytes(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

struct LinkSeed
{
    const char *name;
    std::function<void(LinkInput &)> fault; // changes a working receiver
};

// The faults the simulated receiver plays, and bytes on the line besides the receiver's.
const std::vector<LinkSeed> &Link_Seeds()
{
    static const std::vector<LinkSeed> seeds{
            {"working", [](LinkInput &) {}},
            {"slow", [](LinkInput &in) { in.setting.answer_delay = in.setting.block_delay = 9; }},
            {"late_answer", [](LinkInput &in) { in.setting.answer_delay = 10; }},
            {"late_block", [](LinkInput &in) { in.setting.block_delay = 1001; }},
            {"silent", [](LinkInput &in) { in.setting.silent = true; }},
            {"wrong_answer", [](LinkInput &in) { in.setting.wrong_answer = true; }},
            {"missing_block", [](LinkInput &in) { in.setting.missing_block = 5; }},
            {"corrupt_crc", [](LinkInput &in) { in.setting.corrupt_crc = 3; }},
            {"no_ack", [](LinkInput &in) { in.setting.no_ack_at = 7; }},
            {"rrfd", [](LinkInput &in) { in.setting.rrfd_at = 2; }},
            {"verify_failed", [](LinkInput &in) { in.setting.reports[0] = Report::Failure; }},
            {"erase_failed", [](LinkInput &in) { in.setting.reports[1] = Report::Failure; }},
            {"program_silent", [](LinkInput &in) { in.setting.reports[2] = Report::Silent; }},
            {"tapo_first",
             [](LinkInput &in) {
                 in.injections.push_back({0, 1, Text_Bytes("@YYXFTAPO@YYXFTAPO")});
             }},
            {"noise",
             [](LinkInput &in) {
                 in.injections.push_back({1, 0, Text_Bytes("@YYXF\x01\x02@@YYXFRRSS")});
             }},
    };
    return seeds;
}

void Write_Settings_File(const fs::path &path, const RecentFiles &list)
{
    if (!Write_Recent_Files(QString::fromStdString(path.string()), list))
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

void Write_Link_Seeds(const fs::path &folder)
{
    for (const bool write : {false, true})
        for (const bool default_kind : {false, true})
            for (const LinkSeed &seed : Link_Seeds()) {
                LinkInput input;
                input.setting.write = write;
                input.setting.default_kind = default_kind;
                seed.fault(input);
                const std::string name = std::string(write ? "write_" : "read_")
                                         + (default_kind ? "default_" : "channel_data_") + seed.name
                                         + ".link";
                Write_File(folder / name, Encode_Link_Input(input));
            }
}

void Write_Instance_Seeds(const fs::path &folder)
{
    const QByteArray path = Encode_Instance_Message(QStringLiteral("/home/user/CHANNEL_DATA.BIN"));
    const std::vector<std::pair<const char *, QByteArray>> messages{
            {"path", path},
            {"no_file", Encode_Instance_Message(QString())},
            {"latin",
             Encode_Instance_Message(QStringLiteral("/tmp/Kan\u00e4le \u3010A\u3011.bin"))},
            {"relative", Encode_Instance_Message(QStringLiteral("CHANNEL_DATA.BIN"))},
            {"cut", path.left(path.size() - 3)},
            {"followed", path + "\x06\x00\x14"},
    };
    for (const auto &[name, bytes] : messages)
        Write_File(folder / (std::string(name) + ".msg"),
                   ByteView(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())));
}

void Write_Settings_Seeds(const fs::path &folder)
{
    Write_Settings_File(folder / "three_files.ini",
                        {{"/home/user/CHANNEL_DATA.BIN", "/media/usb/DEFAULT.BIN",
                          "/home/user/Kan\u00e4le, alt.bin"}});
    Write_Settings_File(folder / "one_file.ini", {{"/home/user/DEFAULT.BIN", "", ""}});
    Write_Text(folder / "edited.ini", "; edited by hand\r\n"
                                      "[General]\r\n"
                                      "Language=de\r\n"
                                      "\r\n"
                                      "[SET_EDIT_TALVIK]\r\n"
                                      "Last_File_Name1=/data/a, b.bin\r\n"
                                      "Last_File_Name2=\"/data/quoted \\\"name\\\".bin\"\r\n"
                                      "Last_File_Name3=@Variant(\\0\\0\\0\\n\\0\\0\\0\\0)\r\n"
                                      "Other=%U00E4\r\n"
                                      "[Window]\r\n"
                                      "geometry=@ByteArray(\\x1\\xd9\\xd0\\xcb)\r\n");
}

void Write_Argument_Seeds(const fs::path &folder)
{
    struct Line
    {
        const char *name;
        bool desktop; // bit 0 of the first byte; the arguments follow, split by NUL bytes
        std::vector<std::string> arguments;
    };
    const Line lines[] = {
            {"cli_info", false, {"info", "CHANNEL_DATA.BIN"}},
            {"cli_pack",
             false,
             {"pack", "image.bin", "--like", "DEFAULT.BIN", "--mode", "2", "OUT"}},
            {"cli_order",
             false,
             {"order", "A.BIN", "--like=B.BIN", "--names", "--favourites", "C"}},
            {"cli_write", false, {"write", "--port", "COM3", "--kind", "data", "A.BIN"}},
            {"cli_help", false, {"help", "import-csv"}},
            {"start_file", true, {"/home/user/CHANNEL_DATA.BIN"}},
            {"start_qt", true, {"-platform", "offscreen", "--style=fusion", "--", "-x.bin"}},
            {"start_help", true, {"--help"}},
    };
    for (const Line &line : lines) {
        std::string text(1, line.desktop ? '\x01' : '\0');
        for (std::size_t i = 0; i < line.arguments.size(); ++i)
            text += (i == 0 ? "" : std::string(1, '\0')) + line.arguments[i];
        Write_Text(folder / (std::string(line.name) + ".args"), text);
    }
}

} // namespace orvane::fuzz
