// Writes the seed corpora of the fuzz targets: valid files of both kinds (the bundled sample,
// a database filled to every table's limit, a container in the second half, an empty
// database, the sample with entries the check's repairs remove) into DIR/container, their
// unpacked images into DIR/image (which fuzz_reorder and fuzz_check read too), and every command on
// both pages of the sample, the full and the empty image into DIR/commands. Two seeds hold only
// header, marker, length and compressed data: fuzz_container pads them to a whole file and
// recomputes their checksums, so the fuzzer works on the compressed stream in a few KB. The seeds
// of the other inputs (the imports, the serial line, the instance message and the settings file)
// are written by the parts in seeds.h; DIR/backup_names holds the entries and the origin text of
// a backups folder.

#include "dbase/database_check.h"
#include "dbase/maintenance.h"
#include "dbase/record_writers.h"
#include "fuzz/commands_input.h"
#include "fuzz/image_input.h"
#include "fuzz/seeds.h"
#include "tools/sample_database.h"

#include <cstdio>
#include <fstream>
#include <functional>

using namespace orvane;
using orvane::fuzz::Write_File;
namespace fs = std::filesystem;

namespace {

struct Seed
{
    const char *name;
    Bytes file;
    std::uint8_t image_options; // the file setting fuzz_image gives its unpacked image
    std::uint8_t commands = 0;  // the commands its image seeds fuzz_commands with, bit by CommandId
};

constexpr std::uint8_t Command_Bit(fuzz::CommandId command)
{
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(command));
}
constexpr std::uint8_t kAllCommands = (1u << static_cast<unsigned>(fuzz::CommandId::Count)) - 1;
// An empty database has nothing to delete and no transponder to add a program to.
constexpr std::uint8_t kEmptyDatabaseCommands
        = Command_Bit(fuzz::CommandId::NewTp) | Command_Bit(fuzz::CommandId::DelAllEmptyTp);

Bytes Saved_File(const std::function<void(ChannelDatabase &)> &build, FileKind kind,
                 std::size_t bank)
{
    const auto db = Make_Channel_Database();
    build(*db);
    db->Set_File_Kind(kind);
    db->container.bank = bank;
    db->Save_Mode = Save_Mode_For(kind, kind);
    SavedFiles saved = Save_Database_Bytes(*db);
    if (!saved.outcome)
        throw std::runtime_error(saved.outcome.message);
    return saved.target;
}

// Header, marker, length and compressed data of a first-half container, nothing after them.
Bytes Container_Only(const Bytes &file)
{
    const std::size_t end = kDataOffset + Load_U32(file, kLengthOffset);
    return {file.begin(), file.begin() + static_cast<std::ptrdiff_t>(end)};
}

// The sample with what the check's repairs remove and nothing it calls an error: the first
// program's transponder without its programs, and a twin of the program that comes first then.
void Build_Repairable_Sample(ChannelDatabase &db)
{
    Build_Sample_Database(db, FileKind::ChannelData);
    const ProgramRecord first = db.raw.programs[0];
    std::vector<int> on_transponder;
    for (int slot = 0; slot < db.Program_Count; ++slot) {
        const ProgramRecord &record = db.raw.programs[static_cast<std::size_t>(slot)];
        if (Read_Field(record, prog::Tp_Kind) == Read_Field(first, prog::Tp_Kind)
            && Read_Field(record, prog::Tp_Index) == Read_Field(first, prog::Tp_Index))
            on_transponder.push_back(slot);
    }
    Delete_Programs(db, on_transponder);
    const ProgramRecord &twin = db.raw.programs[0];
    ProgramValues values;
    values.is_radio = Read_Field(twin, prog::Is_Radio) != 0;
    values.service_id = Read_Field(twin, prog::Service_Id);
    values.name = db.rows.programs[0].Name;
    Create_Program(db, Read_Field(twin, prog::Tp_Kind),
                   static_cast<int>(Read_Field(twin, prog::Tp_Index)), values);
    if (Check_Database(db.raw).count(Severity::Error) != 0
        || Duplicate_Program_Slots(db.raw).empty() || Empty_Sat_Transponder_Slots(db.raw).empty())
        throw std::runtime_error("the repairable sample has errors or nothing to repair");
}

std::vector<Seed> Make_Seeds()
{
    using namespace orvane::fuzz;
    const auto full = [](FileKind kind) {
        return [kind](ChannelDatabase &db) { Build_Full_Database(db, kind); };
    };
    const auto sample = [](FileKind kind) {
        return [kind](ChannelDatabase &db) { Build_Sample_Database(db, kind); };
    };
    const Bytes empty = Saved_File(Clear_Database, FileKind::Default, 0);
    const Bytes sample_default = Sample_File_Bytes(FileKind::Default);
    return {
            {"sample_channel_data.bin", Sample_File_Bytes(FileKind::ChannelData), 0, kAllCommands},
            {"sample_default.bin", sample_default, kOptionDefaultKind},
            {"sample_second_bank.bin",
             Saved_File(sample(FileKind::ChannelData), FileKind::ChannelData, kBankSize),
             kOptionSecondBank},
            {"full_channel_data.bin",
             Saved_File(full(FileKind::ChannelData), FileKind::ChannelData, 0), 0, kAllCommands},
            {"full_default.bin", Saved_File(full(FileKind::Default), FileKind::Default, 0),
             kOptionDefaultKind},
            {"empty_default.bin", empty, kOptionDefaultKind, kEmptyDatabaseCommands},
            {"sample_repairable.bin", Saved_File(Build_Repairable_Sample, FileKind::ChannelData, 0),
             0, Command_Bit(CommandId::DelAllEmptyTp)},
            {"sample_container_only.bin", Container_Only(sample_default), 0},
            {"empty_container_only.bin", Container_Only(empty), 0},
    };
}

// The unpacked image of a whole file, with the setting fuzz_image reads from its last bytes.
Bytes Unpacked_Image(const Seed &seed)
{
    ContainerLayout layout;
    const auto crcs = std::make_unique<CrcTables>();
    Bytes image;
    if (const Outcome unpacked = Verify_And_Unpack(seed.file, layout, *crcs, image); !unpacked)
        throw std::runtime_error(std::string(seed.name) + ": " + unpacked.message);
    image[fuzz::kOptionsInImage] = seed.image_options;
    const FileHeader header = Read_File_Header(seed.file);
    std::copy(header.begin(), header.end(), image.begin() + fuzz::kHeaderInImage);
    return image;
}

// The clicks that make a command do its work on the first rows of a page, then the command's
// own menu: a deletion of a program picks it in the whole list, the other commands pick the
// first satellite and its first transponder. Row 0 of the satellite grid is "Show ALL Info";
// the other grids count from their first entry.
std::array<fuzz::Step, fuzz::kSteps> Steps_For(bool terrestrial, fuzz::CommandId command)
{
    using fuzz::CommandId;
    using fuzz::Step;
    using fuzz::StepAction;
    const bool tv = command == CommandId::NewTv || command == CommandId::DeleteTv;
    const bool radio = command == CommandId::NewRadio || command == CommandId::DeleteRadio;
    const GridId menu = tv ? GridId::Tv : radio ? GridId::Radio : GridId::Tp;
    const Step open_menu{StepAction::OpenMenu, static_cast<std::uint16_t>(menu)};
    if (command == CommandId::DeleteTv || command == CommandId::DeleteRadio)
        return {Step{tv ? StepAction::ClickTv : StepAction::ClickRadio, 0}, open_menu};
    const Step satellite = terrestrial ? Step{} : Step{StepAction::ClickSat, 1};
    return {satellite, Step{StepAction::ClickTp, 0}, open_menu};
}

// The chosen commands on both pages of the image, answered Yes, and the transponder deletion
// answered No as well.
void Write_Command_Seeds(const fs::path &folder, const std::string &name, const Bytes &image,
                         std::uint8_t commands)
{
    using fuzz::CommandId;
    static const char *const kCommandNames[]
            = {"new_tp",       "new_tv",    "new_radio",       "delete_tv",
               "delete_radio", "delete_tp", "del_all_empty_tp"};
    for (const bool terrestrial : {false, true})
        for (int c = 0; c < static_cast<int>(CommandId::Count); ++c) {
            const auto command = static_cast<CommandId>(c);
            if ((commands & Command_Bit(command)) == 0)
                continue;
            const bool answer_no = c == static_cast<int>(CommandId::DeleteTp);
            const auto choices = fuzz::Encode_Choices(terrestrial, command, false,
                                                      Steps_For(terrestrial, command));
            Bytes input(choices.begin(), choices.end());
            input.insert(input.end(), image.begin(), image.end());
            const std::string page = terrestrial ? "_ter_" : "_sat_";
            Write_File(folder / (name + page + kCommandNames[c] + ".cmd"), input);
            if (answer_no) {
                input[fuzz::kAnswerChoice] = fuzz::kAnswerNo;
                Write_File(folder / (name + page + kCommandNames[c] + "_no.cmd"), input);
            }
        }
}

void Write_Backup_Name_Seeds(const fs::path &folder)
{
    const std::string long_name = std::string(90, 'n') + "\xC3\xA9" + std::string(40, 'e') + ".BIN";
    const std::string seeds[] = {
            "CD.BIN.20261209-142501.bak",
            "CD.BIN.20261209-142501-2.bak",
            "CD.BIN.000042.20261209-142501.bak",
            "/home/user/CHANNEL_DATA.BIN\n",
            long_name,
    };
    int number = 0;
    for (const std::string &seed : seeds)
        fuzz::Write_Text(folder / ("seed" + std::to_string(++number)), seed);
}

} // namespace

namespace orvane::fuzz {

void Write_File(const fs::path &path, ByteView bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.string());
}

void Write_Text(const fs::path &path, const std::string &text)
{
    Write_File(path, ByteView(reinterpret_cast<const std::uint8_t *>(text.data()), text.size()));
}

} // namespace orvane::fuzz

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    try {
        const fs::path root = argv[1];
        for (const char *corpus : {"container", "image", "commands", "backup_names", "import",
                                   "link", "instance", "settings", "arguments"})
            fs::create_directories(root / corpus);
        Write_Backup_Name_Seeds(root / "backup_names");
        for (const Seed &seed : Make_Seeds()) {
            Write_File(root / "container" / seed.name, seed.file);
            if (seed.file.size() != kDefaultFileSize && seed.file.size() != kChannelDataFileSize)
                continue;
            const Bytes image = Unpacked_Image(seed);
            const std::string stem = fs::path(seed.name).stem();
            Write_File(root / "image" / (stem + ".img"), image);
            Write_Command_Seeds(root / "commands", stem, image, seed.commands);
        }
        fuzz::Write_Import_Seeds(root / "import", root / "import.dict");
        fuzz::Write_Link_Seeds(root / "link");
        fuzz::Write_Instance_Seeds(root / "instance");
        fuzz::Write_Settings_Seeds(root / "settings");
        fuzz::Write_Argument_Seeds(root / "arguments");
    } catch (const std::exception &error) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
