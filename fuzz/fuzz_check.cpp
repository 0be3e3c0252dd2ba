// Fuzz target over the database check and its two repairs: over any image the check must
// change nothing, name only entries inside their tables and keep every gauge within its
// table; where it finds no error, the repairs must remove what it lists (duplicate programs,
// empty transponders) and leave no error behind. The image is also compared with itself (no
// change) and with the sample both ways (changes inside their tables, what one way adds the
// other removes).
//
// The input is an image as fuzz_image reads it (image_input.h).

#include "dbase/database_compare.h"
#include "fuzz/image_checks.h"
#include "fuzz/property_check.h"
#include "tools/sample_database.h"

#include <array>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

int Table_Slots(CompareTable table)
{
    static constexpr std::array<int, kCompareTables> kSlots{kSatelliteCount, kSatTransponderSlots,
                                                            kTerTransponderSlots, kProgramSlots,
                                                            kFavouriteGroupCount};
    return kSlots[static_cast<std::size_t>(table)];
}

void Check_Changes(const DatabaseComparison &comparison)
{
    std::array<int, kChangeKinds> counts{};
    for (const EntryChange &change : comparison.changes) {
        ++counts[static_cast<std::size_t>(change.kind)];
        const int slots = Table_Slots(change.table);
        FUZZ_CHECK(change.a_slot >= kNoCompareSlot && change.a_slot < slots);
        FUZZ_CHECK(change.b_slot >= kNoCompareSlot && change.b_slot < slots);
        FUZZ_CHECK((change.a_slot == kNoCompareSlot) == (change.kind == ChangeKind::Added));
        FUZZ_CHECK((change.b_slot == kNoCompareSlot) == (change.kind == ChangeKind::Removed));
        FUZZ_CHECK(change.fields.empty() == (change.kind != ChangeKind::Changed));
    }
    FUZZ_CHECK(counts == comparison.counts);
}

void Check_Comparisons(const ChannelDatabase &db)
{
    static const std::unique_ptr<ChannelDatabase> sample = [] {
        auto made = Make_Channel_Database();
        Build_Sample_Database(*made, FileKind::ChannelData);
        return made;
    }();
    FUZZ_CHECK(Compare_Databases(db, db).empty());
    const DatabaseComparison forward = Compare_Databases(*sample, db);
    const DatabaseComparison backward = Compare_Databases(db, *sample);
    Check_Changes(forward);
    Check_Changes(backward);
    FUZZ_CHECK(forward.count(ChangeKind::Added) == backward.count(ChangeKind::Removed));
    FUZZ_CHECK(forward.count(ChangeKind::Removed) == backward.count(ChangeKind::Added));
}

} // namespace

// The check reads the raw arrays only; the rows are decoded for the repairs, which run on the few
// images without errors.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ChannelDatabase &db = Read_Image_Input(data, size).db;
    Check_Comparisons(db);
    Check_Database_Report(db);
    return 0;
}
