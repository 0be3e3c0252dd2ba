#include "cli/export_json.h"

#include "cli/json_writer.h"
#include "dbase/decode.h"
#include "dbase/record_writers.h"

namespace orvane::cli {
namespace {

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

// Names are written as UTF-8 read in the database's set; JSON is always UTF-8.
void Write_Name(JsonWriter &json, const NameText &names, std::string_view stored)
{
    json.key("Name");
    json.text(names.Text_Of(stored));
}

void Write_Satellite(JsonWriter &json, const NameText &names, int slot, const TLNB_Info_String &row)
{
    json.begin_object();
    json.field("slot", slot);
    Write_Name(json, names, row.Name);
    json.field("Longitude", row.Longitude);
    json.field("Lnb_Type", row.Lnb_Type);
    json.field("Lnb_12V", row.Lnb_12V);
    json.field("Tone_22K", row.Tone_22K);
    json.field("Diseqc_Port", row.Diseqc_Port);
    json.field("Motor", row.Motor);
    json.field("Lnb_Power", row.Lnb_Power);
    json.field("Lnb_Low_Freq", row.Lnb_Low_Freq);
    json.field("Lnb_High_Freq", row.Lnb_High_Freq);
    json.end_object();
}

void Write_Sat_Transponder(JsonWriter &json, int slot, const TTp_Info_String &row)
{
    json.begin_object();
    json.field("slot", slot);
    json.field("Sat_Index", row.Sat_Index);
    json.field("Tp_Number", row.Tp_Number);
    json.field("Frequency", row.Frequency);
    json.field("Symbol_Rate", row.Symbol_Rate);
    json.field("Polarity_Code", row.Polarity);
    json.field("Polarity", row.Polarity_Text);
    json.field("Fec_Code", row.Fec);
    json.field("Fec", row.Fec_Text);
    json.end_object();
}

void Write_Ter_Transponder(JsonWriter &json, int slot, const TTer_Tp_Info_String &row)
{
    json.begin_object();
    json.field("slot", slot);
    json.field("Group_Index", row.Group_Index);
    json.field("Tp_Number", row.Tp_Number);
    json.field("Frequency", row.Frequency);
    json.field("Bandwidth", row.Bandwidth);
    json.end_object();
}

void Write_Program(JsonWriter &json, const NameText &names, int slot, const TProg_Info_String &row)
{
    json.begin_object();
    json.field("slot", slot);
    Write_Name(json, names, row.Name);
    json.field("In_Use", row.In_Use);
    json.field("Is_Radio", row.Is_Radio);
    json.field("Free_To_Air", row.Free_To_Air);
    json.field("Locked", row.Locked);
    json.field("Skipped", row.Skipped);
    json.field("Tp_Kind", row.Tp_Kind);
    json.field("Tp_Index", row.Tp_Index);
    json.field("Sat_Slot", row.Sat_Slot);
    json.field("Service_Id", row.Service_Id);
    json.field("Pcr_Pid", row.Pcr_Pid);
    json.field("Private_Pid", row.Private_Pid);
    json.field("Video_Pid", row.Video_Pid);
    json.field("Audio_Pid", row.Audio_Pid);
    json.field("Pmt_Pid", row.Pmt_Pid);
    json.field("Audio_Track_Total", row.Audio_Track_Total);
    json.field("Current_Audio", row.Current_Audio);
    json.field("Favourite_Mask", row.Favourite_Mask);
    Write_Number_Array(json, "Ca_System", static_cast<int>(row.Ca_System.size()),
                       [&](int i) { return row.Ca_System[static_cast<std::size_t>(i)]; });
    json.end_object();
}

void Write_Audio_Track(JsonWriter &json, int slot, const TAudio_Info_String &row)
{
    json.begin_object();
    json.field("slot", slot);
    json.field("In_Use", row.In_Use);
    json.field("Program_Index", row.Program_Index);
    json.field("Audio_Pid", row.Audio_Pid);
    json.field("Tag", row.Tag);
    json.end_object();
}

// Writes rows [0, count) of a table, or only those in use when in_use is given.
template<typename Row, typename Write, typename Keep>
void Write_Table(JsonWriter &json, std::string_view name, const std::vector<Row> &rows, int count,
                 Write write, Keep keep)
{
    json.key(name);
    json.begin_array();
    for (int i = 0; i < count; ++i) {
        const Row &row = rows[static_cast<std::size_t>(i)];
        if (keep(row))
            write(json, i, row);
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
    const auto satellite = [&names](JsonWriter &out, int slot, const TLNB_Info_String &row) {
        Write_Satellite(out, names, slot, row);
    };
    const auto program = [&names](JsonWriter &out, int slot, const TProg_Info_String &row) {
        Write_Program(out, names, slot, row);
    };
    Write_Table(json, "satellites", rows.satellites, kSatelliteCount, satellite, kEveryRow);
    Write_Table(json, "sat_transponders", rows.sat_tps, kSatTransponderSlots, Write_Sat_Transponder,
                kRowsInUse);
    Write_Table(json, "ter_transponders", rows.ter_tps, kTerTransponderSlots, Write_Ter_Transponder,
                kRowsInUse);
    Write_Favourite_Names(json, db);
    Write_Table(json, "programs", rows.programs, Used_Program_Count(db.raw), program, kEveryRow);
    Write_Table(json, "audio_tracks", rows.audio_tracks, Used_Audio_Track_Count(db.raw),
                Write_Audio_Track, kEveryRow);
    json.end_object();
    json.finish();
}

} // namespace orvane::cli
