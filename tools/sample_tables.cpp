#include "tools/sample_tables.h"

#include <array>

namespace orvane::sample {
namespace {

constexpr std::uint16_t Group(int g)
{
    return static_cast<std::uint16_t>(1u << (g - 1));
}

// The popular Ku-band positions come first: they carry the transponders and the four DiSEqC
// ports, as on a typical fixed four-dish installation.
constexpr std::array<SatelliteSite, 60> kSites{{
        {192, false},  {130, false},  {282, false},  {235, false},  {-8, false},   {90, false},
        {160, false},  {70, false},   {-50, false},  {685, true},   {420, false},  {48, false},
        {100, false},  {215, false},  {260, false},  {315, false},  {360, false},  {390, false},
        {450, false},  {530, false},  {30, false},   {330, false},  {460, false},  {490, false},
        {520, false},  {550, false},  {570, true},   {620, false},  {660, true},   {705, false},
        {750, false},  {765, true},   {785, false},  {830, true},   {852, false},  {880, false},
        {900, false},  {1005, true},  {1055, true},  {1080, false}, {-10, false},  {-40, false},
        {-70, false},  {-80, false},  {-110, false}, {-125, false}, {-140, false}, {-150, false},
        {-180, false}, {-200, false}, {-220, false}, {-245, false}, {-275, false}, {-300, false},
        {-315, false}, {-345, false}, {-375, false}, {-405, true},  {-430, true},  {-580, true},
}};

constexpr std::array<BandPlan, 10> kBandPlans{{
        {0, 10714, 14750, 14, {22000, 27500}, {4, 3}},
        {1, 10719, 15700, 12, {27500, 29900}, {3, 2}},
        {2, 10729, 16900, 10, {22000, 27500}, {4, 2}},
        {3, 10758, 17500, 10, {27500, 30000}, {3, 4}},
        {4, 10722, 18000, 10, {27500, 30000}, {3, 6}},
        {5, 11727, 11900, 8, {27500, 29900}, {3, 2}},
        {6, 10720, 24000, 8, {27500, 30000}, {3, 4}},
        {7, 10962, 21000, 8, {27500, 22000}, {3, 4}},
        {8, 11013, 19000, 6, {27500, 29900}, {3, 0}},
        {9, 3706, 4200, 6, {30000, 27500}, {3, 4}},
}};

constexpr std::array<Multiplex, 10> kMultiplexes{{
        {0, 22, 2},
        {0, 26, 2},
        {0, 29, 2},
        {0, 34, 2},
        {0, 41, 2},
        {0, 47, 2},
        {1, 24, 2},
        {1, 31, 2},
        {1, 38, 1},
        {1, 44, 2},
}};

constexpr std::array<ProgramTemplate, 12> kTemplates{{
        {"", " One", false, 0},
        {"", " News", false, Group(1)},
        {"", " Sport", false, Group(2)},
        {"", " Movies", false, Group(3)},
        {"Radio ", "", true, Group(8)},
        {"", " Kids", false, Group(5)},
        {"", " Music", false, Group(4)},
        {"", " Docs", false, Group(6)},
        {"", " FM", true, Group(8) | Group(4)},
        {"", " Arts", false, Group(7)},
        {"", " Travel", false, Group(10)},
        {"", " Jazz", true, Group(8) | Group(4)},
}};

// Invented family names; one carries a Latin-1 letter, as names typed on the receiver do.
constexpr std::array<const char *, 40> kFamilies{{
        "Velora",
        "Quillan",
        "Marbeck",
        "Tessaro",
        "Brindle",
        "Lunaro",
        "Zephyra",
        "Ombria",
        "Istrel",
        "Norvik",
        "Pellago",
        "Sarvina",
        "Teodra",
        "Valmoor",
        "Wendal",
        "Kalmis",
        "Drovia",
        "Ebrelle",
        "Gorvan",
        "Jandro",
        "Lirren",
        "Mosvale",
        "Nerissa",
        "Cl\xE9"
        "mora",
        "Arvelle",
        "Corisca",
        "Dunmere",
        "Fenwyn",
        "Halcyra",
        "Ivenna",
        "Kortal",
        "Maravel",
        "Oskarne",
        "Pravia",
        "Rennoch",
        "Solvik",
        "Ulvara",
        "Vestrin",
        "Yardel",
        "Brevano",
}};

// The sample database names the first ten groups, the full one all sixteen.
constexpr std::size_t kSampleFavouriteCount = 10;
constexpr std::array<const char *, 16> kFullFavourites{{
        "News",
        "Sport",
        "Movies",
        "Music",
        "Kids",
        "Documentary",
        "Arts",
        "Radio",
        "Regional",
        "Travel",
        "Science",
        "Nature",
        "Comedy",
        "Series",
        "Weather",
        "Shopping",
}};

constexpr std::array<std::uint8_t, 8> kCaSystemIds{
        {0x01, 0x05, 0x06, 0x09, 0x0B, 0x17, 0x18, 0x26}};

constexpr std::array<const char *, 4> kAudioTags{{"eng", "deu", "fra", "ita"}};

} // namespace

std::span<const SatelliteSite> Satellite_Sites()
{
    return kSites;
}

std::span<const BandPlan> Band_Plans()
{
    return kBandPlans;
}

std::span<const Multiplex> Multiplexes()
{
    return kMultiplexes;
}

std::span<const ProgramTemplate> Program_Templates()
{
    return kTemplates;
}

std::span<const char *const> Family_Names()
{
    return kFamilies;
}

std::span<const char *const> Sample_Favourite_Names()
{
    return std::span<const char *const>(kFullFavourites).first(kSampleFavouriteCount);
}

std::span<const char *const> Full_Favourite_Names()
{
    return kFullFavourites;
}

std::span<const std::uint8_t> Ca_System_Ids()
{
    return kCaSystemIds;
}

std::span<const char *const> Audio_Tags()
{
    return kAudioTags;
}

} // namespace orvane::sample
