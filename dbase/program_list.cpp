#include "dbase/program_list.h"

#include "dbase/check_entries.h"
#include "dbase/codecs.h"
#include "dbase/display_rows.h"
#include "dbase/file_io.h"
#include "dbase/messages.h"
#include "dbase/program_list_csv.h"
#include "dbase/program_order.h"
#include "dbase/record_writers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>

namespace orvane {
namespace {

enum Column : std::size_t {
    kNumber,
    kKind,
    kName,
    kPlace,
    kFrequency,
    kTuning,
    kServiceId,
    kVideoPid,
    kAudioPid,
    kPcrPid,
    kPmtPid,
    kPrivatePid,
    kScrambled,
    kLocked,
    kSkipped,
    kFavourites,
    kColumnCount
};

constexpr std::string_view kTerrestrialGroup = "Terrestrial group ";
constexpr std::uint32_t kAnyNumber = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t kGroupCount = 16;

std::string Yes_No(bool flag)
{
    return flag ? "yes" : "no";
}

std::string Groups_Text(std::uint32_t mask)
{
    std::string text;
    for (std::uint32_t group = 1; group <= kGroupCount; ++group)
        if ((mask >> (group - 1)) & 1U)
            text += (text.empty() ? "" : " ") + std::to_string(group);
    return text;
}

std::string Bandwidth_Text(std::uint32_t code)
{
    return code <= 2 ? std::to_string(6 + code) + " MHz" : std::string();
}

// The satellite or group, the frequency and the polarisation or bandwidth; empty for a
// program whose transponder is not a used one of its kind.
void Fill_Transponder(const ChannelDatabase &db, std::size_t slot, std::vector<std::string> &fields)
{
    const RawArrays &raw = db.raw;
    const int tp = check::Program_Transponder(raw, slot);
    if (tp < 0)
        return;
    const auto at = static_cast<std::size_t>(tp);
    if (Read_Field(raw.programs[slot], prog::Tp_Kind) == prog::kKindSatellite) {
        const SatTransponderRecord &record = raw.sat_tps[at];
        const std::uint32_t satellite = Read_Field(record, sat_tp::Sat_Index);
        if (satellite < kSatelliteCount)
            fields[kPlace] = db.names->Text_Of(check::Satellite_Name(raw, satellite));
        fields[kFrequency] = std::to_string(Read_Field(record, sat_tp::Frequency));
        fields[kTuning] = Polarity_Text(Read_Field(record, sat_tp::Polarity));
    } else {
        const TerTransponderRecord &record = raw.ter_tps[at];
        fields[kPlace] = std::string(kTerrestrialGroup)
                         + std::to_string(Read_Field(record, ter_tp::Group_Index));
        fields[kFrequency] = std::to_string(Read_Field(record, ter_tp::Frequency));
        fields[kTuning] = Bandwidth_Text(Read_Field(record, ter_tp::Bandwidth));
    }
}

// The audio PID the program plays: its current track's, or its own.
std::uint32_t Current_Audio_Pid(const RawArrays &raw, int slot)
{
    const int track = Current_Audio_Track_Slot(raw, slot);
    return track < 0 ? Read_Field(raw.programs[static_cast<std::size_t>(slot)], prog::Audio_Pid)
                     : Read_Field(raw.audio_tracks[static_cast<std::size_t>(track)],
                                  audio::Audio_Pid);
}

std::vector<std::string> Row_Of(const ChannelDatabase &db, int slot, int number)
{
    const auto at = static_cast<std::size_t>(slot);
    const ProgramRecord &record = db.raw.programs[at];
    std::vector<std::string> fields(kColumnCount);
    fields[kNumber] = std::to_string(number);
    fields[kKind] = Read_Field(record, prog::Is_Radio) ? "Radio" : "TV";
    fields[kName] = db.names->Text_Of(db.rows.programs[at].Name);
    Fill_Transponder(db, at, fields);
    fields[kServiceId] = std::to_string(Read_Field(record, prog::Service_Id));
    fields[kVideoPid] = std::to_string(Read_Field(record, prog::Video_Pid));
    fields[kAudioPid] = std::to_string(Current_Audio_Pid(db.raw, slot));
    fields[kPcrPid] = std::to_string(Read_Field(record, prog::Pcr_Pid));
    fields[kPmtPid] = std::to_string(Read_Field(record, prog::Pmt_Pid));
    fields[kPrivatePid] = std::to_string(Read_Field(record, prog::Private_Pid));
    fields[kScrambled] = Yes_No(Read_Field(record, prog::Free_To_Air) == 0);
    fields[kLocked] = Yes_No(Read_Field(record, prog::Locked) != 0);
    fields[kSkipped] = Yes_No(Read_Field(record, prog::Skipped) != 0);
    fields[kFavourites] = Groups_Text(Read_Field(record, prog::Favourite_Mask));
    return fields;
}

// Reading an edited list.

std::optional<std::uint32_t> Number_Of(std::string_view text)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Words of a text, split at blanks.
std::vector<std::string_view> Words_Of(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find(' '), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return words;
}

std::optional<std::uint32_t> Mask_Of(std::string_view text)
{
    std::uint32_t mask = 0;
    for (const std::string_view word : Words_Of(text)) {
        const std::optional<std::uint32_t> group = Number_Of(word);
        if (!group || *group < 1 || *group > kGroupCount)
            return std::nullopt;
        mask |= 1U << (*group - 1);
    }
    return mask;
}

enum class Rule { Free, Number, OptionalNumber, Kind, Name, Flag, Groups };

struct ColumnRule
{
    Rule rule = Rule::Free;
    std::uint32_t maximum = kAnyNumber;
};

constexpr std::array<ColumnRule, kColumnCount> kRules{{
        {Rule::Number},
        {Rule::Kind},
        {Rule::Name},
        {Rule::Free},
        {Rule::OptionalNumber},
        {Rule::Free},
        {Rule::Number, 0xFFFF},
        {Rule::Number, kMaxPid},
        {Rule::Number, kMaxPid},
        {Rule::Number, kMaxPid},
        {Rule::Number, kMaxPid},
        {Rule::Number, kMaxPid},
        {Rule::Flag},
        {Rule::Flag},
        {Rule::Flag},
        {Rule::Groups},
}};

// What is wrong with a value, or nothing.
std::optional<std::string> Fault_Of(const ColumnRule &column, const std::string &value)
{
    switch (column.rule) {
    case Rule::Free:
        return std::nullopt;
    case Rule::OptionalNumber:
    case Rule::Number: {
        if (value.empty() && column.rule == Rule::OptionalNumber)
            return std::nullopt;
        const std::optional<std::uint32_t> number = Number_Of(value);
        if (!number)
            return "is not a number";
        if (*number > column.maximum)
            return "is above " + std::to_string(column.maximum);
        return std::nullopt;
    }
    case Rule::Kind:
        if (value == "TV" || value == "Radio")
            return std::nullopt;
        return "is not TV or Radio";
    case Rule::Name:
        // Whether the set holds it is for the database the list is applied to.
        if (value.find('\0') != std::string::npos)
            return "holds a NUL character";
        return std::nullopt;
    case Rule::Flag:
        if (value == "yes" || value == "no")
            return std::nullopt;
        return "is not yes or no";
    case Rule::Groups:
        if (Mask_Of(value))
            return std::nullopt;
        return "is not a list of favourite groups 1 to 16";
    }
    return std::nullopt;
}

class ListErrors
{
public:
    explicit ListErrors(std::vector<std::string> &errors)
        : m_errors(errors)
    {}

    void add(std::string error)
    {
        if (m_errors.size() < msg::kMaxListedErrors)
            m_errors.push_back(std::move(error));
    }

    void add(int row, std::size_t column, const std::string &value, const std::string &rule)
    {
        add("row " + std::to_string(row) + '.' + Program_List_Columns()[column] + ": "
            + msg::Quoted_Value(value) + ' ' + rule);
    }

private:
    std::vector<std::string> &m_errors;
};

bool Column_Count_Fits(const CsvRecord &record, ListErrors &errors)
{
    if (record.fields.size() == kColumnCount)
        return true;
    errors.add("row " + std::to_string(record.number) + ": " + std::to_string(record.fields.size())
               + " columns instead of " + std::to_string(kColumnCount));
    return false;
}

void Check_Header(const CsvRecord &header, ListErrors &errors)
{
    if (!Column_Count_Fits(header, errors))
        return;
    for (std::size_t c = 0; c < kColumnCount; ++c)
        if (header.fields[c] != Program_List_Columns()[c])
            errors.add(header.number, c, header.fields[c], "is not the column's name");
}

ProgramListEntry Entry_Of(const CsvRecord &record)
{
    const std::vector<std::string> &fields = record.fields;
    ProgramListEntry entry;
    entry.row = record.number;
    entry.identity.radio = fields[kKind] == "Radio";
    entry.identity.tp_kind = fields[kPlace].starts_with(kTerrestrialGroup) ? prog::kKindTerrestrial
                                                                           : prog::kKindSatellite;
    entry.identity.service_id = Number_Of(fields[kServiceId]).value_or(0);
    const std::optional<std::uint32_t> frequency = Number_Of(fields[kFrequency]);
    entry.has_frequency = frequency.has_value();
    entry.identity.frequency = frequency.value_or(0);
    entry.name = fields[kName];
    entry.locked = fields[kLocked] == "yes";
    entry.skipped = fields[kSkipped] == "yes";
    entry.favourite_mask = Mask_Of(fields[kFavourites]).value_or(0);
    return entry;
}

// Applying it.

ProgramValues Values_Of(const ChannelDatabase &db, int slot)
{
    const auto at = static_cast<std::size_t>(slot);
    const ProgramRecord &record = db.raw.programs[at];
    ProgramValues values;
    values.is_radio = Read_Field(record, prog::Is_Radio) != 0;
    values.locked = Read_Field(record, prog::Locked) != 0;
    values.skipped = Read_Field(record, prog::Skipped) != 0;
    values.service_id = Read_Field(record, prog::Service_Id);
    values.pcr_pid = Read_Field(record, prog::Pcr_Pid);
    values.private_pid = Read_Field(record, prog::Private_Pid);
    values.video_pid = Read_Field(record, prog::Video_Pid);
    values.audio_pid = Current_Audio_Pid(db.raw, slot);
    values.favourite_mask = Read_Field(record, prog::Favourite_Mask);
    values.pmt_pid = Read_Field(record, prog::Pmt_Pid);
    values.name = db.rows.programs[at].Name;
    return values;
}

// Writes the row's values through the program edit, and only when one of them differs: an
// unchanged program keeps every byte.
void Take_Row(ChannelDatabase &db, int slot, const ProgramListEntry &entry, const std::string &name)
{
    ProgramValues values = Values_Of(db, slot);
    const ProgramValues before = values;
    values.name = name;
    values.locked = entry.locked;
    values.skipped = entry.skipped;
    values.favourite_mask = entry.favourite_mask;
    if (values.name != before.name || values.locked != before.locked
        || values.skipped != before.skipped || values.favourite_mask != before.favourite_mask)
        Edit_Program(db, slot, values);
}

struct MatchedRow
{
    int slot;
    const ProgramListEntry *entry;
    std::string name; // as stored
};

// The rows' names as the bytes the database's set stores, each fault listed. A name that holds
// U+FFFD stands for bytes the set does not define: only the program whose name reads so may
// keep it, and which program that is, matching tells.
std::vector<std::string> Stored_Names(const ChannelDatabase &db, const ProgramList &list,
                                      ListErrors &errors)
{
    std::vector<std::string> names;
    for (const ProgramListEntry &entry : list.entries) {
        StoredName stored = Stored_Name(*db.names, entry.name, prog::kNameLength);
        if (!stored.fault.empty() && !Holds_Replacement(entry.name))
            errors.add(entry.row, kName, entry.name, stored.fault);
        names.push_back(std::move(stored.bytes));
    }
    return names;
}

// A matched row's name: the program's own when it reads the same.
void Take_Name(const ChannelDatabase &db, MatchedRow &row, ListErrors &errors)
{
    const std::string_view current = db.rows.programs[static_cast<std::size_t>(row.slot)].Name;
    StoredName stored = Stored_Name(*db.names, row.entry->name, prog::kNameLength, current);
    if (!stored.fault.empty())
        errors.add(row.entry->row, kName, row.entry->name, stored.fault);
    row.name = std::move(stored.bytes);
}

std::string Row_Text(int row)
{
    return "row " + std::to_string(row) + ": ";
}

// The rows that found exactly one program each, in the list's order; the others go to the
// report as skipped, and a program found by two rows as an error.
std::vector<MatchedRow> Match_Rows(const ChannelDatabase &db, const ProgramList &list,
                                   const std::vector<std::string> &names, ProgramListReport &report)
{
    std::vector<ProgramIdentity> identities;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        identities.push_back(list.entries[i].identity);
        identities.back().name = names[i];
    }
    const std::vector<std::vector<int>> found = Match_Programs(db, identities);
    std::vector<int> row_of(kProgramSlots, 0);
    std::vector<MatchedRow> matched;
    ListErrors errors(report.errors);
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        const ProgramListEntry &entry = list.entries[i];
        const std::size_t count = entry.has_frequency ? found[i].size() : 0;
        if (count != 1) {
            report.skipped.push_back(Row_Text(entry.row)
                                     + (count == 0 ? std::string("no program matches")
                                                   : std::to_string(count) + " programs match"));
            continue;
        }
        int &first_row = row_of[static_cast<std::size_t>(found[i].front())];
        if (first_row != 0)
            errors.add(Row_Text(entry.row) + "matches the same program as row "
                       + std::to_string(first_row));
        else
            first_row = entry.row;
        matched.push_back({found[i].front(), &entry, {}});
        Take_Name(db, matched.back(), errors);
    }
    return matched;
}

void Order_Kind(ChannelDatabase &db, bool radio, const std::vector<MatchedRow> &matched)
{
    const std::vector<int> slots = Used_Program_Slots(db, radio);
    std::vector<int> order;
    std::vector<char> placed(kProgramSlots, 0);
    for (const MatchedRow &row : matched) {
        if (row.entry->identity.radio != radio)
            continue;
        order.push_back(row.slot);
        placed[static_cast<std::size_t>(row.slot)] = 1;
    }
    std::copy_if(slots.begin(), slots.end(), std::back_inserter(order),
                 [&](int slot) { return placed[static_cast<std::size_t>(slot)] == 0; });
    Reorder_Programs(db, slots, order);
}

} // namespace

const std::vector<std::string> &Program_List_Columns()
{
    static const std::vector<std::string> kColumns{"Number",     "Kind",
                                                   "Name",       "Satellite or group",
                                                   "Frequency",  "Polarisation or bandwidth",
                                                   "Service id", "Video PID",
                                                   "Audio PID",  "PCR PID",
                                                   "PMT PID",    "Private PID",
                                                   "Scrambled",  "Locked",
                                                   "Skipped",    "Favourites"};
    return kColumns;
}

std::string Program_List_Csv(const ChannelDatabase &db)
{
    std::string csv = Csv_Line(Program_List_Columns());
    for (const bool radio : {false, true}) {
        int number = 0;
        for (const int slot : Used_Program_Slots(db, radio))
            csv += Csv_Line(Row_Of(db, slot, ++number));
    }
    return csv;
}

Outcome Read_Program_List_File(const std::string &path, std::string &text)
{
    if (std::string reason; !Read_Document(path, text, reason))
        return Outcome::failure(msg::Open_Failed(path, reason));
    return Outcome::success();
}

ProgramList Parse_Program_List(std::string_view csv)
{
    ProgramList list;
    ListErrors errors(list.errors);
    const CsvText text = Split_Csv(csv);
    if (text.records.empty() && text.error.empty())
        errors.add("row 1: the header row is missing");
    else if (!text.records.empty())
        Check_Header(text.records.front(), errors);
    for (std::size_t r = 1; r < text.records.size(); ++r) {
        const CsvRecord &record = text.records[r];
        if (record.fields.size() == 1 && record.fields.front().empty())
            continue; // a blank line
        if (!Column_Count_Fits(record, errors))
            continue;
        bool fits = true;
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            if (const auto fault = Fault_Of(kRules[c], record.fields[c])) {
                errors.add(record.number, c, record.fields[c], *fault);
                fits = false;
            }
        }
        if (fits)
            list.entries.push_back(Entry_Of(record));
    }
    if (!text.error.empty())
        errors.add(text.error);
    return list;
}

ProgramListReport Apply_Program_List(ChannelDatabase &db, const ProgramList &list)
{
    ProgramListReport report;
    if (!list.errors.empty()) {
        report.errors = list.errors;
        return report;
    }
    ListErrors errors(report.errors);
    const std::vector<std::string> names = Stored_Names(db, list, errors);
    if (!report.errors.empty())
        return report;
    const std::vector<MatchedRow> matched = Match_Rows(db, list, names, report);
    if (!report.errors.empty())
        return report;
    for (const MatchedRow &row : matched)
        Take_Row(db, row.slot, *row.entry, row.name);
    for (const bool radio : {false, true})
        Order_Kind(db, radio, matched);
    report.applied = static_cast<int>(matched.size());
    return report;
}

std::vector<std::string> Program_List_Lines(const ProgramListReport &report)
{
    const auto skipped = report.skipped.size();
    std::vector<std::string> lines{
            "Applied " + std::to_string(report.applied) + " row" + (report.applied == 1 ? "" : "s")
            + ", " + std::to_string(skipped) + " skipped" + (skipped == 0 ? "." : ":")};
    lines.insert(lines.end(), report.skipped.begin(), report.skipped.end());
    return lines;
}

} // namespace orvane
