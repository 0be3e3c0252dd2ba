#include "cli/diff_report.h"

#include "cli/export_json.h"
#include "cli/json_writer.h"

#include <array>
#include <iomanip>

namespace orvane::cli {
namespace {

const char *Table_Heading(CompareTable table)
{
    static constexpr std::array<const char *, kCompareTables> kHeadings{
            "Satellites", "Satellite transponders", "Terrestrial transponders", "Programs",
            "Favourite groups"};
    return kHeadings[static_cast<std::size_t>(table)];
}

void Write_Slot(JsonWriter &json, std::string_view key, int slot)
{
    json.key(key);
    if (slot == kNoCompareSlot)
        json.value(nullptr);
    else
        json.value(std::int64_t{slot});
}

void Write_Change(JsonWriter &json, const EntryChange &change)
{
    json.begin_object();
    json.field("change", Change_Kind_Key(change.kind));
    json.field("table", Compare_Table_Key(change.table));
    Write_Slot(json, "a_slot", change.a_slot);
    Write_Slot(json, "b_slot", change.b_slot);
    json.key("fields");
    json.begin_object();
    for (const FieldChange &field : change.fields) {
        json.key(field.field);
        json.begin_array(true);
        Write_Value(json, field.before);
        Write_Value(json, field.after);
        json.end_array();
    }
    json.end_object();
    json.key("text");
    json.text(change.text);
    json.end_object();
}

} // namespace

// The changes come grouped by table: each table's heading stands before its first one.
void Print_Diff_Report(const DatabaseComparison &comparison, std::ostream &out)
{
    const EntryChange *previous = nullptr;
    for (const EntryChange &change : comparison.changes) {
        if (previous == nullptr || previous->table != change.table)
            out << Table_Heading(change.table) << '\n';
        out << "  " << std::left << std::setw(8) << Change_Kind_Key(change.kind) << ' '
            << change.text << '\n';
        previous = &change;
    }
    out << Comparison_Summary(comparison) << '\n';
}

void Write_Diff_Json(const DatabaseComparison &comparison, std::ostream &out)
{
    JsonWriter json(out);
    json.begin_object();
    json.key("summary");
    json.begin_object();
    for (const ChangeKind kind :
         {ChangeKind::Added, ChangeKind::Removed, ChangeKind::Changed, ChangeKind::Moved})
        json.field(Change_Kind_Key(kind), std::int64_t{comparison.count(kind)});
    json.end_object();
    json.key("changes");
    json.begin_array();
    for (const EntryChange &change : comparison.changes)
        Write_Change(json, change);
    json.end_array();
    json.end_object();
    json.finish();
}

} // namespace orvane::cli
