#include "dbase/order_like.h"

#include "dbase/codecs.h"
#include "dbase/decode.h"
#include "dbase/program_order.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace orvane {
namespace {

// What two programs must share before their frequencies and names are compared.
struct ProgramKey
{
    std::uint32_t radio = 0; // Is_Radio
    std::uint32_t tp_kind = 0;
    std::uint32_t service_id = 0;

    auto operator<=>(const ProgramKey &) const = default;
};

ProgramKey Key_Of(const ChannelDatabase &db, int slot)
{
    const ProgramRecord &record = db.raw.programs[static_cast<std::size_t>(slot)];
    return {Read_Field(record, prog::Is_Radio), Read_Field(record, prog::Tp_Kind),
            Read_Field(record, prog::Service_Id)};
}

// The frequency of a program's transponder (MHz for a satellite, kHz for a terrestrial one),
// or none when the transponder is out of range or not in use.
std::optional<std::uint32_t> Tp_Frequency(const ChannelDatabase &db, int slot)
{
    const ProgramRecord &record = db.raw.programs[static_cast<std::size_t>(slot)];
    const auto tp = Read_Field(record, prog::Tp_Index);
    const auto kind = Read_Field(record, prog::Tp_Kind);
    if (kind == prog::kKindSatellite && tp < kSatTransponderSlots && db.rows.sat_tps[tp].In_Use)
        return Read_Field(db.raw.sat_tps[tp], sat_tp::Frequency);
    if (kind == prog::kKindTerrestrial && tp < kTerTransponderSlots && db.rows.ter_tps[tp].In_Use)
        return Read_Field(db.raw.ter_tps[tp], ter_tp::Frequency);
    return std::nullopt;
}

bool Same_Frequency(std::uint32_t tp_kind, std::uint32_t a, std::uint32_t b)
{
    const std::uint32_t difference = a > b ? a - b : b - a;
    return tp_kind == prog::kKindSatellite ? difference <= kSatFrequencyTolerance : difference == 0;
}

// The reference's used programs by key, for matching thousands of programs at once.
class ReferenceIndex
{
public:
    explicit ReferenceIndex(const ChannelDatabase &reference)
        : m_reference(reference)
    {
        for (const bool radio : {false, true})
            for (const int slot : Used_Program_Slots(reference, radio))
                m_entries.push_back({Key_Of(reference, slot), slot});
        std::sort(m_entries.begin(), m_entries.end());
    }

    int match(const ChannelDatabase &db, int slot) const
    {
        const std::optional<std::uint32_t> frequency = Tp_Frequency(db, slot);
        if (!frequency)
            return -1;
        const std::vector<int> found
                = candidates(Key_Of(db, slot), *frequency,
                             db.rows.programs[static_cast<std::size_t>(slot)].Name);
        return found.size() == 1 ? found.front() : -1;
    }

    std::vector<int> candidates(const ProgramKey &key, std::uint32_t frequency,
                                std::string_view name) const
    {
        const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), Entry{key, -1});
        std::vector<int> candidates;
        for (auto it = first; it != m_entries.end() && it->key == key; ++it) {
            const std::optional<std::uint32_t> theirs = Tp_Frequency(m_reference, it->slot);
            if (theirs && Same_Frequency(key.tp_kind, frequency, *theirs))
                candidates.push_back(it->slot);
        }
        if (candidates.size() > 1)
            std::erase_if(candidates, [&](int candidate) {
                return m_reference.rows.programs[static_cast<std::size_t>(candidate)].Name != name;
            });
        return candidates;
    }

private:
    struct Entry
    {
        ProgramKey key;
        int slot;
        auto operator<=>(const Entry &) const = default;
    };

    const ChannelDatabase &m_reference;
    std::vector<Entry> m_entries;
};

void Take_Name(ChannelDatabase &db, int slot, const ProgramRecord &theirs)
{
    ProgramRecord &record = db.raw.programs[static_cast<std::size_t>(slot)];
    // The name's 15 bytes and the byte after them that holds a full name's NUL.
    std::copy_n(theirs.begin() + prog::kNameOffset, prog::kNameLength + 1,
                record.begin() + prog::kNameOffset);
}

void Take_Favourites(ChannelDatabase &db, int slot, const ProgramRecord &theirs)
{
    Write_Field(db.raw.programs[static_cast<std::size_t>(slot)], prog::Favourite_Mask,
                Read_Field(theirs, prog::Favourite_Mask));
}

void Take_Favourite_Names(ChannelDatabase &db, const ChannelDatabase &reference)
{
    db.raw.favourite_names = reference.raw.favourite_names;
    for (std::size_t g = 0; g < kFavouriteGroupCount; ++g)
        Decode_Favourite_Name(db.raw.favourite_names[g], db.rows.favourite_names[g]);
}

std::string Frequency_Text(const ChannelDatabase &db, int slot)
{
    const std::optional<std::uint32_t> frequency = Tp_Frequency(db, slot);
    if (!frequency)
        return {};
    const bool satellite
            = Read_Field(db.raw.programs[static_cast<std::size_t>(slot)], prog::Tp_Kind)
              == prog::kKindSatellite;
    return Decimal_Text(*frequency) + (satellite ? " MHz" : " kHz");
}

// Reorders one kind's programs; marks the new slots of the unmatched ones.
void Order_Kind_Like(ChannelDatabase &db, bool radio, const std::vector<int> &reference_slot_of,
                     std::vector<char> &unmatched_at)
{
    const std::vector<int> slots = Used_Program_Slots(db, radio);
    std::vector<int> order(slots);
    constexpr int kAfterMatched = std::numeric_limits<int>::max();
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int rank_a = reference_slot_of[static_cast<std::size_t>(a)];
        const int rank_b = reference_slot_of[static_cast<std::size_t>(b)];
        return (rank_a < 0 ? kAfterMatched : rank_a) < (rank_b < 0 ? kAfterMatched : rank_b);
    });
    Reorder_Programs(db, slots, order);
    for (std::size_t i = 0; i < order.size(); ++i)
        if (reference_slot_of[static_cast<std::size_t>(order[i])] < 0)
            unmatched_at[static_cast<std::size_t>(slots[i])] = 1;
}

// The unmatched programs numbered as the lists number them: TV and radio apart, satellite
// and terrestrial programs apart.
void List_Unmatched(const ChannelDatabase &db, const std::vector<char> &unmatched_at,
                    OrderLikeReport &report)
{
    for (const bool radio : {false, true}) {
        std::array<int, 8> numbers{}; // by Tp_Kind
        for (const int slot : Used_Program_Slots(db, radio)) {
            const ProgramRecord &record = db.raw.programs[static_cast<std::size_t>(slot)];
            const auto tp_kind = Read_Field(record, prog::Tp_Kind);
            const int number = ++numbers[tp_kind];
            if (!unmatched_at[static_cast<std::size_t>(slot)])
                continue;
            report.unmatched.push_back({slot, number, radio, tp_kind,
                                        db.rows.programs[static_cast<std::size_t>(slot)].Name,
                                        Read_Field(record, prog::Service_Id),
                                        Frequency_Text(db, slot)});
        }
    }
}

const char *List_Name(std::uint32_t tp_kind, bool radio)
{
    if (tp_kind == prog::kKindSatellite)
        return radio ? "Satellite radio" : "Satellite TV";
    if (tp_kind == prog::kKindTerrestrial)
        return radio ? "Terrestrial radio" : "Terrestrial TV";
    return radio ? "Unlisted radio" : "Unlisted TV";
}

} // namespace

int Match_Program(const ChannelDatabase &db, int slot, const ChannelDatabase &reference)
{
    return ReferenceIndex(reference).match(db, slot);
}

std::vector<std::vector<int>> Match_Programs(const ChannelDatabase &db,
                                             std::span<const ProgramIdentity> identities)
{
    const ReferenceIndex index(db);
    std::vector<std::vector<int>> matches;
    matches.reserve(identities.size());
    for (const ProgramIdentity &identity : identities)
        matches.push_back(
                index.candidates({identity.radio ? 1U : 0U, identity.tp_kind, identity.service_id},
                                 identity.frequency, identity.name));
    return matches;
}

OrderLikeReport Order_Like(ChannelDatabase &db, const ChannelDatabase &reference,
                           OrderLikeOptions options)
{
    const ReferenceIndex index(reference);
    std::vector<int> reference_slot_of(kProgramSlots, -1);
    OrderLikeReport report;
    report.names = db.names;
    for (const bool radio : {false, true}) {
        for (const int slot : Used_Program_Slots(db, radio)) {
            const int theirs = index.match(db, slot);
            reference_slot_of[static_cast<std::size_t>(slot)] = theirs;
            if (theirs < 0)
                continue;
            ++report.matched;
            const ProgramRecord &record = reference.raw.programs[static_cast<std::size_t>(theirs)];
            if (options.names)
                Take_Name(db, slot, record);
            if (options.favourites)
                Take_Favourites(db, slot, record);
            if (options.names || options.favourites)
                Decode_Program(db.raw.programs[static_cast<std::size_t>(slot)], db.raw,
                               db.rows.programs[static_cast<std::size_t>(slot)]);
        }
    }
    if (options.favourites)
        Take_Favourite_Names(db, reference);
    std::vector<char> unmatched_at(kProgramSlots);
    for (const bool radio : {false, true})
        Order_Kind_Like(db, radio, reference_slot_of, unmatched_at);
    List_Unmatched(db, unmatched_at, report);
    return report;
}

std::vector<std::string> Order_Like_Lines(const OrderLikeReport &report)
{
    const auto count = report.unmatched.size();
    std::vector<std::string> lines{"Matched " + std::to_string(report.matched) + " program"
                                   + (report.matched == 1 ? "" : "s") + ", " + std::to_string(count)
                                   + " not matched" + (count == 0 ? "." : ":")};
    for (const UnmatchedProgram &program : report.unmatched) {
        std::string line = std::string(List_Name(program.tp_kind, program.radio)) + " "
                           + std::to_string(program.number) + " \""
                           + report.names->Text_Of(program.name) + "\", service id "
                           + std::to_string(program.service_id);
        if (!program.frequency.empty())
            line += ", " + program.frequency;
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace orvane
