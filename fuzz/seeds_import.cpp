// The seeds of fuzz_import: the documents the two imports read, each behind the choice byte
// that names the database it is imported like and the byte of the set its names are read in
// (import_input.h), and a dictionary of the export's keys and the program list's column names.

#include "cli/export_json.h"
#include "dbase/maintenance.h"
#include "dbase/program_list.h"
#include "fuzz/import_input.h"
#include "fuzz/seeds.h"

#include <cstdio>
#include <set>
#include <sstream>

namespace orvane::fuzz {
namespace {

namespace fs = std::filesystem;

// Every object key of a JSON text as the export writes it: a quoted word before a colon.
void Add_Json_Keys(const std::string &json, std::set<std::string> &keys)
{
    for (std::size_t colon = json.find("\": "); colon != std::string::npos;
         colon = json.find("\": ", colon + 1)) {
        const std::size_t open = json.rfind('"', colon - 1);
        keys.insert('"' + json.substr(open + 1, colon - open));
    }
}

// A libFuzzer dictionary: one quoted word a line, quotes, backslashes and other bytes outside
// printable ASCII escaped as \xNN.
void Write_Dictionary(const fs::path &path, const std::set<std::string> &words)
{
    std::string text;
    for (const std::string &word : words) {
        text += '"';
        for (const char c : word) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte > 0x7E || c == '"' || c == '\\') {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
                text += escaped;
            } else {
                text += c;
            }
        }
        text += "\"\n";
    }
    Write_Text(path, text);
}

// The sample cut to its first programs, with the transponders they use: an export small enough
// for the fuzzer to change much of it in one run, that still holds every table.
void Build_Small_Sample(ChannelDatabase &db)
{
    constexpr int kKeptPrograms = 12;
    Build_Sample_Database(db, FileKind::ChannelData);
    std::vector<int> cut;
    for (int slot = kKeptPrograms; slot < db.Program_Count; ++slot)
        cut.push_back(slot);
    Delete_Programs(db, cut);
    Delete_All_Empty_Transponders(db);
}

struct ImportDocuments
{
    std::string json;
    std::string csv;
};

ImportDocuments Documents_Of(const ChannelDatabase &db)
{
    std::ostringstream json;
    cli::Write_Export(db, json);
    return {json.str(), Program_List_Csv(db)};
}

} // namespace

// The export and the program list of each database an import can be made like, each imported
// like that database; and those of the small sample imported like each of them. The dictionary
// holds the export's keys and the list's column names.
void Write_Import_Seeds(const fs::path &folder, const fs::path &dictionary)
{
    static const char *const kLikeNames[]
            = {"sample_channel_data", "sample_default", "full", "empty"};
    const auto small = Make_Channel_Database();
    Build_Small_Sample(*small);
    const ImportDocuments small_documents = Documents_Of(*small);
    std::set<std::string> words;
    for (int l = 0; l < static_cast<int>(LikeDatabase::Count); ++l) {
        const auto like = static_cast<LikeDatabase>(l);
        const auto db = Make_Channel_Database();
        Build_Like_Database(*db, like);
        const ImportDocuments own = Documents_Of(*db);
        const std::string name = kLikeNames[l];
        const std::string json{static_cast<char>(Encode_Import_Choice(false, like)), '\0'};
        const std::string csv{static_cast<char>(Encode_Import_Choice(true, like)), '\0'};
        Write_Text(folder / (name + ".json"), json + own.json);
        Write_Text(folder / (name + ".csv"), csv + own.csv);
        Write_Text(folder / ("small_sample_like_" + name + ".json"), json + small_documents.json);
        Write_Text(folder / ("small_sample_like_" + name + ".csv"), csv + small_documents.csv);
        // The same read in a single-byte and a multi-byte set of their own.
        for (const char *set : {"windows-1251", "GBK"}) {
            const auto in_set = [set](std::string choice) {
                choice[1] = static_cast<char>(Charset_Byte(set));
                return choice;
            };
            const std::string suffix = std::string(".") + set;
            Write_Text(folder / ("small_sample_like_" + name + suffix + ".json"),
                       in_set(json) + small_documents.json);
            Write_Text(folder / ("small_sample_like_" + name + suffix + ".csv"),
                       in_set(csv) + small_documents.csv);
        }
        Add_Json_Keys(own.json, words);
    }
    words.insert(Program_List_Columns().begin(), Program_List_Columns().end());
    Write_Dictionary(dictionary, words);
}

} // namespace orvane::fuzz
