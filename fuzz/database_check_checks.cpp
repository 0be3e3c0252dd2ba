// The database check over any image: it must change nothing, name every finding's entry by a
// slot inside its table and by a label, keep each text on one line and every gauge's use
// within what its table can hold. On an image without errors the repairs must remove what the
// check lists and leave no error behind, and change nothing where it lists nothing.

#include "fuzz/image_checks.h"
#include "fuzz/property_check.h"

#include <array>

namespace orvane::fuzz {
namespace {

int Table_Slots(CheckTable table)
{
    switch (table) {
    case CheckTable::Satellites:
        return kSatelliteCount;
    case CheckTable::Sat_Transponders:
        return kSatTransponderSlots;
    case CheckTable::Ter_Transponders:
        return kTerTransponderSlots;
    case CheckTable::Programs:
        return kProgramSlots;
    case CheckTable::Audio_Tracks:
        return kAudioTrackSlots;
    case CheckTable::Favourite_Groups:
        return kFavouriteGroupCount;
    default:
        return 0;
    }
}

void Check_Report_Shape(const CheckReport &report)
{
    for (const CheckFinding &finding : report.findings) {
        if (finding.table == CheckTable::Counts)
            FUZZ_CHECK(finding.slot == kNoFindingSlot);
        else
            FUZZ_CHECK(finding.slot >= 0 && finding.slot < Table_Slots(finding.table));
        FUZZ_CHECK(!finding.text.empty() && finding.text.find('\n') == std::string::npos);
        // Every entry has a list number or a slot in the Entry column; the counters none.
        FUZZ_CHECK(Entry_Label(report, finding).empty() == (finding.table == CheckTable::Counts));
    }
    for (const CapacityGauge &gauge : report.capacity)
        FUZZ_CHECK(gauge.used >= 0 && gauge.limit > 0);
    // Table totals: transponders, programs (all, TV, radio), audio tracks, named groups.
    for (const std::size_t total : std::array<std::size_t, 7>{0, 2, 4, 5, 6, 8, 9})
        FUZZ_CHECK(report.capacity.at(total).used <= report.capacity.at(total).limit);
}

} // namespace

void Check_Database_Report(ChannelDatabase &db)
{
    static RawArrays before;
    before = db.raw;
    const CheckReport report = Check_Database(db.raw);
    FUZZ_CHECK(Same_Raw_Arrays(before, db.raw));
    Check_Report_Shape(report);
    if (report.count(Severity::Error) != 0)
        return;
    const auto duplicates = static_cast<int>(Duplicate_Program_Slots(db.raw).size());
    const bool listed = duplicates != 0 || !Empty_Sat_Transponder_Slots(db.raw).empty()
                        || !Empty_Ter_Transponder_Slots(db.raw).empty();
    // With nothing listed the repairs must not touch a byte; the rows, which they would keep
    // in step with what they remove, are decoded only when there is something to remove.
    if (listed)
        Decode_Rows(db);
    FUZZ_CHECK(Remove_Duplicate_Programs(db) == duplicates);
    FUZZ_CHECK(Duplicate_Program_Slots(db.raw).empty());
    Delete_All_Empty_Transponders(db);
    FUZZ_CHECK(Empty_Sat_Transponder_Slots(db.raw).empty());
    FUZZ_CHECK(Empty_Ter_Transponder_Slots(db.raw).empty());
    if (listed)
        FUZZ_CHECK(Check_Database(db.raw).count(Severity::Error) == 0);
    else
        FUZZ_CHECK(Same_Raw_Arrays(before, db.raw));
}

} // namespace orvane::fuzz
