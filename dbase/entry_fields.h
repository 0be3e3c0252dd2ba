#pragma once

// The fields of each kind of entry as the export writes them and the comparison compares them:
// one table per kind, in the export's order, so that both use the same names and the same
// values ("Video_Pid": "256", "Is_Radio": 1, "Name": "Velora 1").

#include "dbase/display_rows.h"
#include "dbase/name_text.h"

#include <span>
#include <string>

namespace orvane {

struct FieldValue
{
    // A JSON number, a JSON string, or a one-line array of numbers.
    enum class Type : std::uint8_t { Number, Text, Numbers };

    Type type = Type::Text;
    // Decimal digits for a number, UTF-8 for a text, numbers separated by one blank for an
    // array.
    std::string text;

    bool operator==(const FieldValue &) const = default;
};

FieldValue Number_Value(std::int64_t number);
FieldValue Text_Value(std::string utf8);

template<typename Row>
struct EntryField
{
    const char *key; // the export's name: "Video_Pid"
    // How a change's text names the field ("Video PID"), or nullptr for a field that only
    // refers to other entries or repeats another one, which the comparison leaves out.
    const char *label;
    FieldValue (*value)(const Row &row, const NameText &names);
};

std::span<const EntryField<TLNB_Info_String>> Satellite_Fields();
std::span<const EntryField<TTp_Info_String>> Sat_Transponder_Fields();
std::span<const EntryField<TTer_Tp_Info_String>> Ter_Transponder_Fields();
std::span<const EntryField<TProg_Info_String>> Program_Fields();
std::span<const EntryField<TAudio_Info_String>> Audio_Track_Fields();

// A value as a change's text shows it: a name quoted, a flag as "yes" or "no", a favourite
// mask as the groups it names ("1, 3" or "none"), anything else as its text.
std::string Shown_Value(std::string_view key, const FieldValue &value);

} // namespace orvane
