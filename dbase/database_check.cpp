#include "dbase/database_check.h"

#include "dbase/check_entries.h"
#include "dbase/check_rules.h"
#include "dbase/decode.h"
#include "dbase/record_writers.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

using namespace check;

// Counts first: a wrong counter explains the findings about single entries.
int Table_Rank(CheckTable table)
{
    return table == CheckTable::Counts ? -1 : static_cast<int>(table);
}

void Sort_Findings(std::vector<CheckFinding> &findings)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const CheckFinding &a, const CheckFinding &b) {
                         const auto key = [](const CheckFinding &f) {
                             return std::array<int, 3>{static_cast<int>(f.severity),
                                                       Table_Rank(f.table), f.slot};
                         };
                         return key(a) < key(b);
                     });
}

} // namespace

int CheckReport::count(Severity severity) const
{
    int total = 0;
    for (const CheckFinding &finding : findings)
        total += finding.severity == severity ? 1 : 0;
    return total;
}

const char *Severity_Key(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return "error";
    case Severity::Warning:
        return "warning";
    default:
        return "info";
    }
}

const char *Table_Key(CheckTable table)
{
    switch (table) {
    case CheckTable::Satellites:
        return "satellites";
    case CheckTable::Sat_Transponders:
        return "sat_transponders";
    case CheckTable::Ter_Transponders:
        return "ter_transponders";
    case CheckTable::Programs:
        return "programs";
    case CheckTable::Audio_Tracks:
        return "audio_tracks";
    case CheckTable::Favourite_Groups:
        return "favourite_groups";
    default:
        return "counts";
    }
}

CheckReport Check_Database(const RawArrays &raw)
{
    CheckReport report;
    const ListNumbers lists(raw);
    report.capacity = Capacity_Gauges(lists);
    report.satellite_names = Satellite_Names(raw);
    Findings findings{raw, lists, report.findings};
    Check_Counts(findings);
    Check_Transponders(findings);
    Check_Programs(findings);
    Check_Audio_Tracks(findings);
    Check_Duplicates(findings);
    Check_Names(findings);
    Check_Unused_Entries(findings);
    Sort_Findings(report.findings);
    return report;
}

} // namespace orvane
