#include "cli/export_json.h"

#include "cli/json_writer.h"
#include "dbase/decode.h"
#include "dbase/entry_fields.h"
#include "dbase/record_writers.h"

#include <algorithm>
#include <charconv>

namespace orvane::cli {
namespace {

std::int64_t Parsed_Number(std::string_view digits)
{
    std::int64_t number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number;
}

template<typename Count>
void Write_Number_Array(JsonWriter &json, std::string_view name, int size, Count count)
{
    json.key(name);
    json.begin_array(true);
    for (int i = 0; i < size; ++i)
        json.value(static_cast<std::int64_t>(count(i)));
    json.end_array();
}

void Write_Counts(JsonWriter &json, const RawArrays &raw)
{
    json.key("counts");
    json.begin_object();
    json.field("Sat_Total_Count", Sat_Tp_Total_Count(raw));
    Write_Number_Array(json, "Per_Sat_Count", kSatelliteCount,
                       [&](int s) { return Sat_Tp_Per_Sat_Count(raw, s); });
    json.field("Ter_Total_Count", Ter_Tp_Total_Count(raw));
    Write_Number_Array(json, "Per_Group_Count", kTerGroupCount,
                       [&](int g) { return Ter_Tp_Per_Group_Count(raw, g); });
    json.field("Program_Count", Stored_Program_Count(raw));
    json.field("Audio_Track_Count", Stored_Audio_Track_Count(raw));
    json.end_object();
}

// Every entry is its slot, then its fields as the database's field table names them.
template<typename Row>
void Write_Entry(JsonWriter &json, std::span<const EntryField<Row>> fields, const NameText &names,
                 int slot, const Row &row)
{
    json.begin_object();
    json.field("slot", slot);
    for (const EntryField<Row> &field : fields) {
        json.key(field.key);
        Write_Value(json, field.value(row, names));
    }
    json.end_object();
}

// Writes rows [0, count) of a table, or only those in use when in_use is given.
template<typename Row, typename Keep>
void Write_Table(JsonWriter &json, std::string_view name, const RowTable<Row> &rows, int count,
                 std::span<const EntryField<Row>> fields, const NameText &names, Keep keep)
{
    json.key(name);
    json.begin_array();
    for (int i = 0; i < count; ++i) {
        const Row &row = rows[static_cast<std::size_t>(i)];
        if (keep(row))
            Write_Entry(json, fields, names, i, row);
    }
    json.end_array();
}

constexpr auto kEveryRow = [](const auto &) { return true; };
constexpr auto kRowsInUse = [](const auto &row) { return row.In_Use != 0; };

void Write_Favourite_Names(JsonWriter &json, const ChannelDatabase &db)
{
    json.key("favourite_groups");
    json.begin_array();
    for (const TFavor_Name_String &name : db.rows.favourite_names)
        json.text(db.names->Text_Of(name));
    json.end_array();
}

} // namespace

void Write_Value(JsonWriter &json, const FieldValue &value)
{
    switch (value.type) {
    case FieldValue::Type::Number:
        json.value(Parsed_Number(value.text));
        return;
    case FieldValue::Type::Text:
        json.text(value.text);
        return;
    case FieldValue::Type::Numbers:
        json.begin_array(true);
        for (std::string_view rest = value.text; !rest.empty();) {
            const std::size_t blank = std::min(rest.find(' '), rest.size());
            json.value(Parsed_Number(rest.substr(0, blank)));
            rest.remove_prefix(std::min(blank + 1, rest.size()));
        }
        json.end_array();
        return;
    }
}

void Write_Export(const ChannelDatabase &db, std::ostream &out)
{
    const DisplayTables &rows = db.rows;
    JsonWriter json(out);
    json.begin_object();
    json.field("kind", File_Kind_Name(db.File_Kind));
    json.field("version_text", Version_Text(db.File_Header));
    json.field("bank", static_cast<std::int64_t>(db.container.bank));
    json.field("compressed_length", static_cast<std::int64_t>(db.container.compressed_length));
    Write_Counts(json, db.raw);
    const NameText &names = *db.names;
    Write_Table(json, "satellites", rows.satellites, kSatelliteCount, Satellite_Fields(), names,
                kEveryRow);
    Write_Table(json, "sat_transponders", rows.sat_tps, kSatTransponderSlots,
                Sat_Transponder_Fields(), names, kRowsInUse);
    Write_Table(json, "ter_transponders", rows.ter_tps, kTerTransponderSlots,
                Ter_Transponder_Fields(), names, kRowsInUse);
    Write_Favourite_Names(json, db);
    Write_Table(json, "programs", rows.programs, Used_Program_Count(db.raw), Program_Fields(),
                names, kEveryRow);
    Write_Table(json, "audio_tracks", rows.audio_tracks, Used_Audio_Track_Count(db.raw),
                Audio_Track_Fields(), names, kEveryRow);
    json.end_object();
    json.finish();
}

} // namespace orvane::cli
