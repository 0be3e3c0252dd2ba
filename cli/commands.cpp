#include "cli/commands.h"

#include "charsets/charset_table.h"
#include "cli/backups_folder.h"
#include "cli/backups_list.h"
#include "cli/check_report.h"
#include "cli/diff_report.h"
#include "cli/export_json.h"
#include "cli/import_csv.h"
#include "cli/info.h"
#include "cli/json_import.h"
#include "cli/link_commands.h"
#include "cli/restore.h"
#include "dbase/backups.h"
#include "dbase/decode.h"
#include "dbase/file_io.h"
#include "dbase/messages.h"
#include "dbase/order_like.h"
#include "dbase/program_list.h"
#include "dbase/program_order.h"
#include "dbase/table_import.h"
#include "tools/sample_database.h"

#include <algorithm>
#include <iomanip>
#include <memory>

namespace orvane::cli {
namespace {

// An open database. Its working copy stays in memory: a run leaves nothing behind, however it
// ends, and a full temporary folder cannot make a good file look damaged.
// Every database a command opens reads its names in the set the command line gives.
struct Session
{
    explicit Session(const CommandLine &line) { db->names = line.charset; }

    std::unique_ptr<ChannelDatabase> db = Make_Channel_Database();
};

Outcome Open(Session &session, const std::string &path, std::optional<FileKind> forced)
{
    return Load_For_Command(*session.db, path, forced);
}

Outcome Write_Output(const std::string &path, ByteView bytes)
{
    std::string reason;
    if (!Write_File_Atomically(path, bytes, reason))
        return Outcome::failure(msg::Save_Failed(path, reason));
    return Outcome::success();
}

// An image to pack must be a whole unpacked image, nothing more or less.
Outcome Read_Image(const std::string &path, Bytes &image)
{
    std::string reason;
    if (!Read_Whole_File(path, image, reason, kImageSize)) {
        return Outcome::failure("Find an error, when opening this image,\r\r" + path + "\r\r"
                                + reason);
    }
    if (image.size() != kImageSize) {
        const std::string holds = image.size() > kImageSize
                                          ? "more than " + std::to_string(kImageSize)
                                          : std::to_string(image.size());
        return Outcome::failure("Image wrong!\r\r" + path + " holds " + holds
                                + " bytes; an unpacked image holds " + std::to_string(kImageSize)
                                + " bytes.");
    }
    return Outcome::success();
}

// The pairs the save commands produce: Save and "Save To Default" from a Channel Data file,
// "Save To Channel Data", Save and "Save To Default" from a Default file.
bool Mode_Fits_Kind(int mode, FileKind kind)
{
    return kind == FileKind::ChannelData ? mode == 0 || mode == 2 : mode >= 1;
}

int Run_Info(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    Session session(line);
    if (Outcome opened = Open(session, line.files[0], line.kind); !opened)
        return Refuse(err, opened.message);
    Print_Info(*session.db, line.files[0], out);
    return kExitOk;
}

int Run_Verify(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    Session session(line);
    if (Outcome opened = Open(session, line.files[0], line.kind); !opened)
        return Refuse(err, opened.message);
    out << line.files[0] << ": ok\n";
    return kExitOk;
}

int Run_Unpack(const CommandLine &line, std::ostream & /*out*/, std::ostream &err)
{
    Session session(line);
    if (Outcome opened = Open(session, line.files[0], line.kind); !opened)
        return Refuse(err, opened.message);
    Bytes image(kImageSize);
    Image_From_Raw(session.db->raw, image);
    if (Outcome written = Write_Output(line.files[1], image); !written)
        return Refuse(err, written.message);
    return kExitOk;
}

int Run_Pack(const CommandLine &line, std::ostream & /*out*/, std::ostream &err)
{
    const std::string &like = *line.like;
    const FileKind kind = Kind_Of(like, line.kind);
    if (Outcome checked = Check_Database_File(like, Expected_Size_For(kind)); !checked)
        return Refuse(err, Opening_Refused(like, kind, checked.message));
    if (!Mode_Fits_Kind(*line.mode, kind)) {
        return Usage_Error(err, "mode " + std::to_string(*line.mode) + " does not apply to a \""
                                        + File_Kind_Name(kind) + "\" file");
    }
    Session session(line);
    Bytes image;
    Outcome step = Open(session, like, kind);
    if (step)
        step = Read_Image(line.files[0], image);
    if (!step)
        return Refuse(err, step.message);
    Raw_From_Image(session.db->raw, image);
    Decode_Rows(*session.db);
    session.db->Save_Mode = *line.mode;
    const SavedFiles saved = Save_Database_Bytes(*session.db);
    step = saved.outcome;
    if (step)
        step = Write_Database_File(line.files[1], saved.target, Backups_Folder());
    return step ? kExitOk : Refuse(err, step.message);
}

int Run_Export(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    Session session(line);
    if (Outcome opened = Open(session, line.files[0], line.kind); !opened)
        return Refuse(err, opened.message);
    if (line.csv)
        out << Program_List_Csv(*session.db);
    else
        Write_Export(*session.db, out);
    out.flush();
    return out ? kExitOk : Refuse(err, "Can not write the export to the standard output.");
}

// Exit status 0 when nothing breaks the receiver's rules: warnings and information are advice.
int Run_Check(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    Session session(line);
    if (Outcome opened = Open(session, line.files[0], line.kind); !opened) {
        // A script tells a file it could not check (2) from a database with errors (1).
        if (line.json)
            Write_Error_Json(Terminal_Text(opened.message), out);
        Refuse(err, opened.message);
        return kExitUsage;
    }
    const CheckReport report = Check_Database(session.db->raw);
    if (line.json)
        Write_Check_Json(report, *session.db->names, out);
    else
        Print_Check_Report(report, *session.db->names, out);
    out.flush();
    if (!out)
        return Refuse(err, "Can not write the report to the standard output.");
    const int errors = report.count(Severity::Error);
    if (errors == 0)
        return kExitOk;
    err << "The database has " << errors << (errors == 1 ? " error.\n" : " errors.\n");
    return kExitRefused;
}

// Exit status 0 when nothing differs, 1 when something does, 2 when a file does not open, as
// diff and cmp have it. Both databases read their names in the one set given.
int Run_Diff(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    Session a(line);
    Session b(line);
    Outcome opened = Open(a, line.files[0], std::nullopt);
    if (opened)
        opened = Open(b, line.files[1], std::nullopt);
    if (!opened) {
        if (line.json)
            Write_Error_Json(Terminal_Text(opened.message), out);
        Refuse(err, opened.message);
        return kExitUsage;
    }
    const DatabaseComparison comparison = Compare_Databases(*a.db, *b.db);
    if (line.json)
        Write_Diff_Json(comparison, out);
    else
        Print_Diff_Report(comparison, out);
    out.flush();
    if (!out) {
        Refuse(err, "Can not write the report to the standard output.");
        return kExitUsage;
    }
    return comparison.empty() ? kExitOk : kExitRefused;
}

int Run_Sort(const CommandLine &line, std::ostream & /*out*/, std::ostream &err)
{
    Session session(line);
    if (Outcome opened = Open(session, line.files[0], line.kind); !opened)
        return Refuse(err, opened.message);
    Sort_Programs(*session.db, *line.sort_key);
    const Outcome saved = Save_In_Own_Kind(*session.db, line.files[1]);
    return saved ? kExitOk : Refuse(err, saved.message);
}

// --kind names FILE's kind only; the reference is whichever kind its size makes it.
int Run_Order(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    Session session(line);
    Session reference(line);
    Outcome step = Open(session, line.files[0], line.kind);
    if (step)
        step = Open(reference, *line.like, std::nullopt);
    if (!step)
        return Refuse(err, step.message);
    const OrderLikeReport report = Order_Like(*session.db, *reference.db,
                                              {.names = line.names, .favourites = line.favourites});
    if (step = Save_In_Own_Kind(*session.db, line.files[1]); !step)
        return Refuse(err, step.message);
    for (const std::string &text : Order_Like_Lines(report))
        out << text << '\n';
    out.flush();
    return kExitOk;
}

// The tables of an export written into FILE's database, and saved as OUT of FILE's kind or of
// the one --kind names, as pack would save it.
int Run_Import(const CommandLine &line, std::ostream & /*out*/, std::ostream &err)
{
    Session session(line);
    if (Outcome opened = Open(session, *line.like, std::nullopt); !opened)
        return Refuse(err, opened.message);
    std::string json;
    if (std::string reason; !Read_Document(line.files[0], json, reason))
        return Refuse(err, "Can not read the JSON file,\r\r" + line.files[0] + "\r\r" + reason);
    const JsonImport imported = Read_Json_Import(json, *session.db);
    if (!imported.errors.empty()) {
        for (const std::string &error : imported.errors)
            err << line.files[0] << ": " << error << '\n';
        return kExitRefused;
    }
    ChannelDatabase &db = *session.db;
    if (Outcome fits = Import_Tables(db, imported.tables); !fits)
        return Refuse(err, line.files[0] + ": " + fits.message);
    db.Save_Mode = Save_Mode_For(db.File_Kind, line.kind.value_or(db.File_Kind));
    const SavedFiles saved = Save_Database_Bytes(db);
    Outcome step = saved.outcome;
    if (step)
        step = Write_Database_File(line.files[1], saved.target, Backups_Folder());
    return step ? kExitOk : Refuse(err, step.message);
}

// The sets --charset takes, grouped by script as the window's menu groups them.
int Run_Charsets(const CommandLine & /*line*/, std::ostream &out, std::ostream &err)
{
    for (const CharsetInfo &charset : Charsets()) {
        if (Names_In(charset))
            out << std::left << std::setw(14) << charset.name << charset.script << '\n';
    }
    out.flush();
    return out ? kExitOk : Refuse(err, "Can not write the list to the standard output.");
}

int Run_Sample(const CommandLine &line, std::ostream & /*out*/, std::ostream &err)
{
    const Bytes file = Sample_File_Bytes(*line.kind);
    if (file.empty())
        return Refuse(err, msg::kDataTooLarge);
    const Outcome written = Write_Database_File(line.files[0], file, Backups_Folder());
    return written ? kExitOk : Refuse(err, written.message);
}

} // namespace

// Messages keep "\r" for the line breaks of a message box; a terminal shows them as new lines.
std::string Terminal_Text(std::string message)
{
    std::replace(message.begin(), message.end(), '\r', '\n');
    return message;
}

int Refuse(std::ostream &err, std::string message)
{
    err << Terminal_Text(std::move(message)) << '\n';
    return kExitRefused;
}

// The program's own messages name no file where a single file is open; a command may open two,
// so the path follows on a line of its own, and a file of the wrong size says its size.
std::string Opening_Refused(const std::string &path, FileKind kind, std::string message)
{
    if (message.find(path) != std::string::npos)
        return message;
    message += '\r' + path;
    const std::optional<std::size_t> size = File_Size(path);
    if (message.starts_with(msg::kFileWrong) && size)
        message += "\rIt holds " + std::to_string(*size) + " bytes; a \"" + File_Kind_Name(kind)
                   + "\" file holds " + std::to_string(Expected_Size_For(kind)) + " bytes.";
    return message;
}

Outcome Load_For_Command(ChannelDatabase &db, const std::string &path,
                         std::optional<FileKind> forced)
{
    const FileKind kind = Kind_Of(path, forced);
    Outcome opened = Load_Database_Copy(db, path, kind);
    if (!opened)
        opened.message = Opening_Refused(path, kind, std::move(opened.message));
    return opened;
}

// A changed database goes out as Save does: in the kind it was opened as, the file it
// replaces backed up first.
Outcome Save_In_Own_Kind(ChannelDatabase &db, const std::string &path)
{
    db.Save_Mode = Save_Mode_For(db.File_Kind, db.File_Kind);
    const SavedFiles saved = Save_Database_Bytes(db);
    if (!saved.outcome)
        return saved.outcome;
    return Write_Database_File(path, saved.target, Backups_Folder());
}

int Usage_Error(std::ostream &err, const std::string &reason)
{
    err << "orvane-cli: " << reason << "\n\n" << Usage_Text();
    return kExitUsage;
}

int Run_Command(const CommandLine &line, std::ostream &out, std::ostream &err)
{
    using Handler = int (*)(const CommandLine &, std::ostream &, std::ostream &);
    static const std::pair<const char *, Handler> kHandlers[] = {
            {"info", Run_Info},       {"verify", Run_Verify},
            {"unpack", Run_Unpack},   {"pack", Run_Pack},
            {"export", Run_Export},   {"sort", Run_Sort},
            {"order", Run_Order},     {"sample", Run_Sample},
            {"read", Run_Read},       {"write", Run_Write},
            {"backups", Run_Backups}, {"check", Run_Check},
            {"import", Run_Import},   {"import-csv", Run_Import_Csv},
            {"restore", Run_Restore}, {"charsets", Run_Charsets},
            {"diff", Run_Diff},
    };
    for (const auto &[name, handler] : kHandlers) {
        if (line.command == name)
            return handler(line, out, err);
    }
    return Usage_Error(err, "unknown command '" + line.command + "'");
}

} // namespace orvane::cli
