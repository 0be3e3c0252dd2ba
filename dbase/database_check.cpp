#include "dbase/database_check.h"

namespace orvane {

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

CheckReport Check_Database(const RawArrays & /*raw*/)
{
    return {};
}

std::vector<int> Duplicate_Program_Slots(const RawArrays & /*raw*/)
{
    return {};
}

std::vector<int> Empty_Sat_Transponder_Slots(const RawArrays & /*raw*/)
{
    return {};
}

std::vector<int> Empty_Ter_Transponder_Slots(const RawArrays & /*raw*/)
{
    return {};
}

} // namespace orvane
