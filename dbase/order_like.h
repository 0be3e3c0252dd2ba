#pragma once

// Restoring an order after a rescan: the programs of a database are matched to those of a
// reference database (another file of either kind) and take the reference's order, and on
// request its names and favourite groups.

#include "dbase/channel_database.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// The frequencies two satellite transponders may differ by and still be the same one, in MHz.
// Terrestrial frequencies must be equal.
constexpr std::uint32_t kSatFrequencyTolerance = 2;

// A used program's reference program: of the same kind (TV or radio), the same transponder
// kind, the same service id and its transponder's frequency (within the tolerance for
// satellites), and where that leaves several, the one with the same name. The reference slot,
// or -1 when none or several remain.
int Match_Program(const ChannelDatabase &db, int slot, const ChannelDatabase &reference);

// A program as another list describes it, to be found among a database's programs.
struct ProgramIdentity
{
    bool radio = false;
    std::uint32_t tp_kind = 0;
    std::uint32_t service_id = 0;
    std::uint32_t frequency = 0; // MHz for a satellite transponder, kHz for a terrestrial one
    std::string name;            // as stored, in the database's set
};

// For each identity, the used programs of db that Match_Program would take for it: none, the
// one, or several that share the name too.
std::vector<std::vector<int>> Match_Programs(const ChannelDatabase &db,
                                             std::span<const ProgramIdentity> identities);

struct OrderLikeOptions
{
    bool names = false;      // matched programs take the reference's names
    bool favourites = false; // ... its favourite memberships, and the database its group names
};

struct UnmatchedProgram
{
    int slot = -1;  // where it stands after the reorder
    int number = 0; // its number in its list (TV or radio, satellite or terrestrial), from 1
    bool radio = false;
    std::uint32_t tp_kind = 0;
    std::string name;
    std::uint32_t service_id = 0;
    std::string frequency; // "11778 MHz", "474000 kHz", or "" for a transponder not in use
};

struct OrderLikeReport
{
    int matched = 0;
    std::vector<UnmatchedProgram> unmatched; // in their new order
    const NameText *names = &Latin1_Names(); // the set of the database's names
};

// The TV programs and the radio programs, each among their own slots: matched programs in
// the reference's order, then the others in their previous order. With the options, matched
// programs then take the reference's names and favourite memberships.
OrderLikeReport Order_Like(ChannelDatabase &db, const ChannelDatabase &reference,
                           OrderLikeOptions options);

// The report as lines of text: a summary, then one line per unmatched program.
std::vector<std::string> Order_Like_Lines(const OrderLikeReport &report);

} // namespace orvane
