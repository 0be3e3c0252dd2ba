// Fuzz target over the two imports, in memory, through the functions their commands run: the
// export read back (`import`: Read_Json_Import, then Import_Tables into the database it is made
// like) and the program list applied (`import-csv`: Parse_Program_List, then
// Apply_Program_List). The input's first byte picks the import and the database, its second
// the character set of the names (import_input.h); the rest is the document.
//
// Each refusal lists at most the shared number of faults, one line each, and a refused document
// leaves the database as it was: a program list, or an export whose tables the database cannot
// hold. What an import accepted must survive its own round trip: the export of the imported
// database imports back to the same image, and the program list of the database applies to it
// without changing a byte when every row finds its program. An applied list changes nothing but
// the program and audio track tables, and the programs its rows found hold their rows' names
// (as they read in the set), flags and groups, in the rows' order.

#include "cli/export_json.h"
#include "cli/json_import.h"
#include "dbase/messages.h"
#include "dbase/program_list.h"
#include "dbase/program_order.h"
#include "fuzz/default_options.h"
#include "fuzz/image_checks.h"
#include "fuzz/import_input.h"
#include "fuzz/property_check.h"

#include <array>
#include <charconv>
#include <set>
#include <sstream>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

const ChannelDatabase &Like(LikeDatabase which)
{
    static const auto databases = [] {
        std::array<std::unique_ptr<ChannelDatabase>, static_cast<std::size_t>(LikeDatabase::Count)>
                built;
        for (std::size_t i = 0; i < built.size(); ++i) {
            built[i] = Make_Channel_Database();
            Build_Like_Database(*built[i], static_cast<LikeDatabase>(i));
        }
        return built;
    }();
    return *databases[static_cast<std::size_t>(which)];
}

// A database for this input, as the command opens it from its file. The copy is kept from
// input to input and made again only when an import may have changed it: most inputs are
// refused, and copying the rows of a database costs more than refusing them.
class LikeCopy
{
public:
    ChannelDatabase &of(LikeDatabase which, const NameText &names)
    {
        if (m_holds != which) {
            *m_db = Like(which);
            m_holds = which;
        }
        m_db->names = &names;
        return *m_db;
    }
    void changed() { m_holds = LikeDatabase::Count; }

private:
    std::unique_ptr<ChannelDatabase> m_db = Make_Kept_Database();
    LikeDatabase m_holds = LikeDatabase::Count;
};

LikeCopy &Copy()
{
    static LikeCopy copy;
    return copy;
}

// The faults a refusal lists: at most the shared number, each one line.
void Check_Faults(const std::vector<std::string> &faults)
{
    FUZZ_CHECK(faults.size() <= msg::kMaxListedErrors);
    for (const std::string &fault : faults)
        FUZZ_CHECK(!fault.empty() && fault.find_first_of("\r\n") == std::string::npos);
}

bool Same_Database(const ChannelDatabase &a, const ChannelDatabase &b)
{
    return a.Program_Count == b.Program_Count && Same_Raw_Arrays(a.raw, b.raw);
}

bool Same_Region(const RawArrays &a, const RawArrays &b, std::size_t region)
{
    const ByteView left = Region_Bytes(a, region);
    const ByteView right = Region_Bytes(b, region);
    return std::equal(left.begin(), left.end(), right.begin(), right.end());
}

// The database's tables as they are now, and whether an import gave back the same ones.
class Snapshot
{
public:
    explicit Snapshot(const ChannelDatabase &db)
    {
        static RawArrays raw;
        raw = db.raw;
        m_raw = &raw;
        m_count = db.Program_Count;
    }
    bool same_as(const ChannelDatabase &db) const
    {
        return db.Program_Count == m_count && Same_Raw_Arrays(*m_raw, db.raw);
    }

private:
    const RawArrays *m_raw;
    int m_count;
};

void Import_Json(LikeDatabase like, const NameText &names, const std::string &text)
{
    ChannelDatabase &db = Copy().of(like, names);
    const cli::JsonImport imported = cli::Read_Json_Import(text, db);
    Check_Faults(imported.errors);
    if (!imported.errors.empty())
        return;
    if (const Outcome fits = Import_Tables(db, imported.tables); !fits) {
        FUZZ_CHECK(!fits.message.empty() && fits.message.find('\n') == std::string::npos);
        FUZZ_CHECK(Same_Database(Like(like), db));
        return;
    }
    Copy().changed();

    static std::ostringstream exported; // its buffer is kept from input to input
    exported.str({});
    cli::Write_Export(db, exported);
    const cli::JsonImport again = cli::Read_Json_Import(exported.str(), db);
    FUZZ_CHECK(again.errors.empty());
    const Snapshot imported_once(db);
    FUZZ_CHECK(Import_Tables(db, again.tables).ok);
    FUZZ_CHECK(imported_once.same_as(db));
}

// The rows the report does not name as skipped: those that found their program.
std::set<int> Skipped_Rows(const ProgramListReport &report)
{
    std::set<int> rows;
    for (const std::string &line : report.skipped) {
        int row = 0;
        FUZZ_CHECK(line.starts_with("row "));
        std::from_chars(line.data() + 4, line.data() + line.size(), row);
        rows.insert(row);
    }
    return rows;
}

// The matched rows of each kind lead that kind's slots, in the list's order, with their values.
void Check_Rows_Taken(const ChannelDatabase &db, const ProgramList &list,
                      const ProgramListReport &report)
{
    const std::set<int> skipped = Skipped_Rows(report);
    FUZZ_CHECK(report.applied + skipped.size() == list.entries.size());
    for (const bool radio : {false, true}) {
        const std::vector<int> slots = Used_Program_Slots(db, radio);
        std::size_t next = 0;
        for (const ProgramListEntry &entry : list.entries) {
            if (entry.identity.radio != radio || skipped.contains(entry.row))
                continue;
            FUZZ_CHECK(next < slots.size());
            const auto slot = static_cast<std::size_t>(slots[next++]);
            const ProgramRecord &record = db.raw.programs[slot];
            FUZZ_CHECK(db.names->Text_Of(db.rows.programs[slot].Name) == entry.name);
            FUZZ_CHECK(Read_Field(record, prog::Locked) == entry.locked);
            FUZZ_CHECK(Read_Field(record, prog::Skipped) == entry.skipped);
            FUZZ_CHECK(Read_Field(record, prog::Favourite_Mask) == entry.favourite_mask);
        }
    }
}

void Check_Only_Programs_Changed(const ChannelDatabase &like, const ChannelDatabase &db)
{
    const auto regions = Image_Regions();
    for (std::size_t i = 0; i < regions.size(); ++i)
        if (regions[i].offset != kProgramsOffset && regions[i].offset != kAudioTracksOffset)
            FUZZ_CHECK(Same_Region(like.raw, db.raw, i));
    FUZZ_CHECK(db.Program_Count == like.Program_Count);
}

void Import_Csv(LikeDatabase which, const NameText &names, std::string_view text)
{
    const ProgramList list = Parse_Program_List(text);
    Check_Faults(list.errors);
    const ChannelDatabase &like = Like(which);
    ChannelDatabase &db = Copy().of(which, names);
    const ProgramListReport report = Apply_Program_List(db, list);
    Check_Faults(report.errors);
    if (!report.errors.empty()) {
        FUZZ_CHECK(Same_Database(like, db));
        return;
    }
    Copy().changed();
    FUZZ_CHECK(list.errors.empty());
    Check_Only_Programs_Changed(like, db);
    Check_Rows_Taken(db, list, report);

    const ProgramList own = Parse_Program_List(Program_List_Csv(db));
    FUZZ_CHECK(own.errors.empty());
    const Snapshot applied_once(db);
    const ProgramListReport again = Apply_Program_List(db, own);
    FUZZ_CHECK(again.errors.empty());
    if (again.skipped.empty())
        FUZZ_CHECK(applied_once.same_as(db));
}

} // namespace

// Documents of at most 64 KB, unless the command line names another -max_len: the fuzzer changes
// much of a small document in one run, and the exports of the whole sample and the full
// database (237 KB and 2.8 MB; the full program list 317 KB) made runs of a tenth of a second.
// Their first 64 KB stay seeds (the full list's first 500 rows), and the small sample's export
// and list hold every table whole.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static char max_len[] = "-max_len=65536";
    Add_Default_Options(argc, argv, {max_len});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const LikeDatabase like = Like_Database_Of(data[0]);
    const NameText &names = Names_Of(data[1]);
    static std::string text; // its buffer is kept from input to input
    text.assign(reinterpret_cast<const char *>(data) + 2, size - 2);
    if ((data[0] & kCsvChoice) != 0)
        Import_Csv(like, names, text);
    else
        Import_Json(like, names, text);
    return 0;
}
