#pragma once

// The compact tables the sample database is built from: orbital positions, transponder band
// plans, multiplexes, channel families and favourite groups. All names are invented for this
// program; none stands for a real operator or channel.

#include <cstdint>
#include <span>

namespace orvane::sample {

// An orbital position in tenths of a degree, east positive and west negative.
struct SatelliteSite
{
    std::int16_t position;
    bool c_band; // C-band dish and LNB instead of a universal Ku-band LNB
};

// Evenly spaced transponders of one satellite, polarity alternating from horizontal.
struct BandPlan
{
    std::uint8_t satellite;
    std::uint16_t first_mhz;
    std::uint16_t step_centi_mhz; // spacing in hundredths of a MHz
    std::uint8_t count;
    std::uint16_t symbol_rates[2];
    std::uint8_t fecs[2]; // FEC codes, 0 "Auto" .. 6 "7/8"
};

// A DVB-T multiplex on the 8 MHz UHF raster.
struct Multiplex
{
    std::uint8_t group;
    std::uint8_t channel;   // UHF channel 21..69
    std::uint8_t bandwidth; // 0 "6 MHz", 1 "7 MHz", 2 "8 MHz"
};

// One member of a channel family: its name is prefix + family name + suffix.
struct ProgramTemplate
{
    const char *prefix;
    const char *suffix;
    bool is_radio;
    std::uint16_t favourite_mask; // bit g - 1 for favourite group g
};

std::span<const SatelliteSite> Satellite_Sites(); // all 60 slots
std::span<const BandPlan> Band_Plans();           // the first satellites only
std::span<const Multiplex> Multiplexes();         // two terrestrial groups
std::span<const ProgramTemplate> Program_Templates();
std::span<const char *const> Family_Names();           // at most 8 characters each
std::span<const char *const> Sample_Favourite_Names(); // groups 1.. in order
std::span<const char *const> Full_Favourite_Names();   // all 16 groups
std::span<const std::uint8_t> Ca_System_Ids();
std::span<const char *const> Audio_Tags(); // three letters each

constexpr std::uint16_t kRegionalGroupMask = 1u << 8; // group 9 "Regional"

} // namespace orvane::sample
