#pragma once

// The rules of the database check, one function per group of findings. Each adds what it finds
// to the report; none changes the image.

#include "dbase/check_entries.h"
#include "dbase/database_check.h"

namespace orvane::check {

struct Findings
{
    const RawArrays &raw;
    const ListNumbers &lists; // of `raw`
    std::vector<CheckFinding> &out;

    void add(Severity severity, CheckTable table, int slot, std::string text) const
    {
        out.push_back({severity, table, slot, Listed_Entry(lists, table, slot), std::move(text)});
    }
};

std::vector<CapacityGauge> Capacity_Gauges(const ListNumbers &lists);

// Errors: the rules the receiver relies on.
void Check_Counts(const Findings &findings);
void Check_Transponders(const Findings &findings);
void Check_Programs(const Findings &findings);
void Check_Audio_Tracks(const Findings &findings);

// Warnings and information.
void Check_Duplicates(const Findings &findings);
void Check_Names(const Findings &findings);
void Check_Unused_Entries(const Findings &findings);

} // namespace orvane::check
