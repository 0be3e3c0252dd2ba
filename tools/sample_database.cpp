#include "tools/sample_database.h"

#include "dbase/decode.h"
#include "dbase/record_writers.h"
#include "tools/sample_tables.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace orvane {
namespace {

using namespace sample;

constexpr std::string_view kHeaderTitle = "ORVANE CHANNEL DATABASE";
constexpr std::string_view kVersion = "V1.0.7";

constexpr std::uint32_t kLnbNormalC = 0;
constexpr std::uint32_t kLnbUniversal = 2;
constexpr std::uint32_t kToneOff = 0;
constexpr std::uint32_t kToneAuto = 2;
constexpr std::uint32_t kLnbPower13_18 = 1;

constexpr std::uint32_t kUhfChannelBase = 306000; // kHz: channel c is centred at base + 8000 c
constexpr std::uint32_t kUhfChannelStep = 8000;
constexpr std::uint32_t kBandwidth8MHz = 2;

// What a program has beyond the record writer's creation values.
struct ProgramExtras
{
    bool scrambled = false;
    std::array<std::uint8_t, prog::kCaSystemCount> ca_system{};
    int extra_tracks = 0;
    int current_audio = 0;
    int first_tag = 0;
};

// The programs of one multiplex, all of one channel family.
struct Bouquet
{
    std::uint32_t tp_kind;
    int tp_index;
    int family;
    int first_template;
    int program_count;
    int first_service_id;
    std::uint16_t favourite_mask; // added to every member's own groups
};

std::uint16_t Group_Mask(int group)
{
    return static_cast<std::uint16_t>(1u << (group - 1));
}

// Title and blanks up to the version text, zeros after it.
void Write_Header(FileHeader &header)
{
    header.fill(0);
    std::fill_n(header.begin(), kVersionTextOffset, std::uint8_t{' '});
    std::copy(kHeaderTitle.begin(), kHeaderTitle.end(), header.begin());
    Set_Version_Text(header, kVersion);
}

void Start_Database(ChannelDatabase &db, FileKind kind)
{
    Clear_Database(db);
    db.Set_File_Kind(kind);
    db.Save_Mode = Save_Mode_For(kind, kind);
    db.container.bank = 0;
    Write_Header(db.File_Header);
}

// Positions are named as dish installers write them, always with one decimal: "Sat 13.0E".
std::string Satellite_Name(const SatelliteSite &site)
{
    const int tenths = std::abs(site.position);
    std::string name = "Sat " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10)
                       + (site.position < 0 ? "W" : "E");
    return site.c_band ? name + " C" : name;
}

// West positions count on from east round the circle: 30.0W is stored as 3300.
std::uint32_t Stored_Longitude(std::int16_t position)
{
    return static_cast<std::uint32_t>(position < 0 ? 3600 + position : position);
}

void Write_Satellite(SatelliteRecord &record, const SatelliteSite &site, int slot)
{
    Write_Satellite_Name(record, Satellite_Name(site));
    Write_Field(record, sat::Longitude, Stored_Longitude(site.position));
    Write_Field(record, sat::Lnb_Type, site.c_band ? kLnbNormalC : kLnbUniversal);
    Write_Field(record, sat::Lnb_Low_Freq, site.c_band ? 5150 : 9750);
    Write_Field(record, sat::Lnb_High_Freq, site.c_band ? 5150 : 10600);
    Write_Field(record, sat::Tone_22K, site.c_band ? kToneOff : kToneAuto);
    Write_Field(record, sat::Lnb_Power, kLnbPower13_18);
    Write_Field(record, sat::Diseqc_Port, slot < 4 ? static_cast<std::uint32_t>(slot + 1) : 0);
}

void Write_Satellites(ChannelDatabase &db)
{
    const auto sites = Satellite_Sites();
    for (int s = 0; s < kSatelliteCount; ++s)
        Write_Satellite(db.raw.satellites[s], sites[static_cast<std::size_t>(s)], s);
}

void Write_Favourite_Names(ChannelDatabase &db, std::span<const char *const> names)
{
    for (std::size_t g = 0; g < names.size(); ++g)
        Write_Favourite_Name(db.raw.favourite_names[g], names[g]);
}

int Add_Sat_Transponder(ChannelDatabase &db, int satellite, const SatTransponderValues &values)
{
    const int slot = Sat_Tp_Total_Count(db.raw);
    Create_Sat_Transponder(db, slot, satellite, values);
    return slot;
}

// The record writer numbers every new multiplex in group 0, as the dialog does; one of
// another group is then moved there as that group's next number.
int Add_Ter_Transponder(ChannelDatabase &db, int group, const TerTransponderValues &values)
{
    RawArrays &raw = db.raw;
    const int slot = Ter_Tp_Total_Count(raw);
    Create_Ter_Transponder(db, slot, values);
    if (group == 0)
        return slot;
    const int total = Ter_Tp_Total_Count(raw);
    const int number = Ter_Tp_Per_Group_Count(raw, group) + 1;
    Set_Ter_Tp_Counts(raw, total, 0, Ter_Tp_Per_Group_Count(raw, 0) - 1);
    Set_Ter_Tp_Counts(raw, total, group, number);
    Write_Field(raw.ter_tps[static_cast<std::size_t>(slot)], ter_tp::Group_Index,
                static_cast<std::uint32_t>(group));
    Write_Field(raw.ter_tps[static_cast<std::size_t>(slot)], ter_tp::Tp_Number,
                static_cast<std::uint32_t>(number));
    return slot;
}

// Extra tracks follow the last track of the table, so the tracks stay dense and grouped by
// program as long as programs are added in slot order.
void Add_Audio_Tracks(ChannelDatabase &db, int program, const ProgramExtras &extras,
                      std::uint32_t audio_pid)
{
    RawArrays &raw = db.raw;
    const auto tags = Audio_Tags();
    int count = Stored_Audio_Track_Count(raw);
    for (int i = 0; i < extras.extra_tracks; ++i, ++count) {
        AudioTrackRecord &track = raw.audio_tracks[static_cast<std::size_t>(count)];
        Write_Field(track, audio::In_Use, 1);
        Write_Field(track, audio::Program_Index, static_cast<std::uint32_t>(program));
        Write_Field(track, audio::Audio_Pid, audio_pid + 1 + static_cast<std::uint32_t>(i));
        const char *tag = tags[static_cast<std::size_t>(extras.first_tag + i) % tags.size()];
        std::copy_n(tag, audio::kTagLength, track.begin() + audio::kTagOffset);
    }
    Set_Audio_Track_Count(raw, count);
    ProgramRecord &record = raw.programs[static_cast<std::size_t>(program)];
    Write_Field(record, prog::Audio_Track_Total,
                static_cast<std::uint32_t>(1 + extras.extra_tracks));
    Write_Field(record, prog::Current_Audio, static_cast<std::uint32_t>(extras.current_audio));
}

void Add_Program(ChannelDatabase &db, std::uint32_t tp_kind, int tp_index,
                 const ProgramValues &values, const ProgramExtras &extras)
{
    const int slot = Create_Program(db, tp_kind, tp_index, values);
    ProgramRecord &record = db.raw.programs[static_cast<std::size_t>(slot)];
    if (extras.scrambled) {
        Write_Field(record, prog::Free_To_Air, 0);
        std::copy(extras.ca_system.begin(), extras.ca_system.end(),
                  record.begin() + prog::kCaSystemOffset);
    }
    Add_Audio_Tracks(db, slot, extras, values.audio_pid);
}

// PIDs laid out per multiplex as a broadcaster's multiplexer does: the k-th service gets
// PMT 0x40 + k and a block of 0x20 elementary PIDs.
ProgramValues Multiplex_Program(std::string name, bool is_radio, int k)
{
    ProgramValues values;
    const auto block = static_cast<std::uint32_t>(0x20 * k);
    values.is_radio = is_radio;
    values.pmt_pid = 0x40 + static_cast<std::uint32_t>(k);
    values.video_pid = is_radio ? 0 : 0x100 + block;
    values.audio_pid = (is_radio ? 0x401 : 0x101) + block;
    values.pcr_pid = is_radio ? values.audio_pid : values.video_pid;
    values.name = std::move(name);
    return values;
}

// Every fifth TV program carries one to three further languages, some of them chosen as the
// current track.
ProgramExtras Program_Extras(int program, bool pay_tv, int family)
{
    ProgramExtras extras;
    const auto ca = Ca_System_Ids();
    extras.scrambled = pay_tv;
    extras.ca_system = {ca[static_cast<std::size_t>(family) % ca.size()],
                        ca[static_cast<std::size_t>(family + 3) % ca.size()], 0, 0};
    if (program % 5 == 2) {
        extras.extra_tracks = 1 + program % 3;
        extras.current_audio = program % (extras.extra_tracks + 1);
        extras.first_tag = program % 4;
    }
    return extras;
}

void Add_Bouquet(ChannelDatabase &db, const Bouquet &bouquet)
{
    const auto templates = Program_Templates();
    const std::string family = Family_Names()[static_cast<std::size_t>(bouquet.family)];
    const bool pay_family = bouquet.family % 4 == 3;
    for (int k = 0; k < bouquet.program_count; ++k) {
        const ProgramTemplate &member
                = templates[static_cast<std::size_t>(bouquet.first_template + k)
                            % templates.size()];
        const int program = Used_Program_Count(db.raw);
        ProgramValues values
                = Multiplex_Program(member.prefix + family + member.suffix, member.is_radio, k);
        values.service_id = static_cast<std::uint32_t>(bouquet.first_service_id + k);
        values.favourite_mask = member.favourite_mask | bouquet.favourite_mask;
        const bool pay_tv = pay_family && !member.is_radio;
        values.locked = pay_tv && (member.favourite_mask & Group_Mask(3)) != 0;
        values.skipped = program % 29 == 28;
        ProgramExtras extras = Program_Extras(program, pay_tv, bouquet.family);
        if (member.is_radio)
            extras.extra_tracks = extras.current_audio = 0;
        Add_Program(db, bouquet.tp_kind, bouquet.tp_index, values, extras);
    }
}

SatTransponderValues Planned_Transponder(const BandPlan &plan, int i)
{
    SatTransponderValues values;
    values.polarity = static_cast<std::uint32_t>(i % 2);
    values.fec = plan.fecs[(i / 2) % 2];
    values.symbol_rate = plan.symbol_rates[(i / 3) % 2];
    values.frequency
            = plan.first_mhz + (static_cast<std::uint32_t>(plan.step_centi_mhz * i) + 50) / 100;
    return values;
}

void Add_Satellite_Channels(ChannelDatabase &db)
{
    const auto families = static_cast<int>(Family_Names().size());
    int multiplex = 0;
    for (const BandPlan &plan : Band_Plans()) {
        for (int i = 0; i < plan.count; ++i, ++multiplex) {
            const int tp = Add_Sat_Transponder(db, plan.satellite, Planned_Transponder(plan, i));
            Add_Bouquet(db, {prog::kKindSatellite, tp, multiplex % families, multiplex * 5,
                             2 + multiplex % 4, 1001 + 10 * multiplex, 0});
        }
    }
}

void Add_Terrestrial_Channels(ChannelDatabase &db)
{
    const auto families = static_cast<int>(Family_Names().size());
    int multiplex = 0;
    for (const Multiplex &mux : Multiplexes()) {
        const TerTransponderValues values{kUhfChannelBase + kUhfChannelStep * mux.channel,
                                          mux.bandwidth};
        const int tp = Add_Ter_Transponder(db, mux.group, values);
        Add_Bouquet(db, {prog::kKindTerrestrial, tp, (7 * multiplex + 11) % families, 3 * multiplex,
                         4, 2001 + 10 * multiplex, kRegionalGroupMask});
        ++multiplex;
    }
}

// Table limits reached by spreading evenly: the first `total % parts` parts get one more.
int Share_Of(int total, int parts, int part)
{
    return total / parts + (part < total % parts ? 1 : 0);
}

void Add_Full_Sat_Transponders(ChannelDatabase &db)
{
    static constexpr std::uint32_t kSymbolRates[] = {22000, 27500, 29900, 30000};
    const auto sites = Satellite_Sites();
    for (int s = 0; s < kSatelliteCount; ++s) {
        const bool c_band = sites[static_cast<std::size_t>(s)].c_band;
        for (int i = 0; i < Share_Of(kSatTransponderSlots, kSatelliteCount, s); ++i) {
            const auto n = static_cast<std::uint32_t>(i);
            SatTransponderValues values{n % 2, n % 7, kSymbolRates[n % 4], 0};
            values.frequency = c_band ? 3400 + (n * 23) % 800 : 10700 + (n * 61) % 2050;
            Add_Sat_Transponder(db, s, values);
        }
    }
}

void Add_Full_Ter_Transponders(ChannelDatabase &db)
{
    for (int g = 0; g < kTerGroupCount; ++g) {
        for (int i = 0; i < Share_Of(kTerTransponderSlots, kTerGroupCount, g); ++i) {
            const auto channel = 21 + static_cast<std::uint32_t>(i) % 49;
            Add_Ter_Transponder(db, g,
                                {kUhfChannelBase + kUhfChannelStep * channel, kBandwidth8MHz});
        }
    }
}

// Three quarters of the programs on satellite transponders, the rest terrestrial; the first
// 500 programs own two extra tracks each, which fills the audio-track table exactly.
void Add_Full_Program(ChannelDatabase &db, int p)
{
    const auto families = Family_Names();
    const int satellite_programs = kProgramSlots * 3 / 4;
    const bool on_satellite = p < satellite_programs;
    const int tp = on_satellite ? p % kSatTransponderSlots
                                : (p - satellite_programs) % kTerTransponderSlots;
    const auto n = static_cast<std::uint32_t>(p);
    ProgramValues values;
    values.name = families[n % families.size()];
    values.name += ' ';
    values.name += std::to_string(p + 1);
    values.is_radio = p % 4 == 3;
    values.locked = p % 50 == 7;
    values.skipped = p % 40 == 9;
    values.service_id = n + 1;
    values.pmt_pid = 32 + n % 64;
    values.video_pid = values.is_radio ? 0 : 256 + 2 * (n % 3000);
    values.audio_pid = values.is_radio ? 4096 + n % 3000 : values.video_pid + 1;
    values.pcr_pid = values.is_radio ? values.audio_pid : values.video_pid;
    values.favourite_mask
            = Group_Mask(p % 16 + 1) | (p % 3 == 0 ? Group_Mask((p / 16) % 16 + 1) : 0);
    ProgramExtras extras = Program_Extras(p, p % 5 == 4, p);
    extras.extra_tracks = p < kAudioTrackSlots / 2 ? 2 : 0;
    extras.current_audio = extras.extra_tracks > 0 ? p % 3 : 0;
    Add_Program(db, on_satellite ? prog::kKindSatellite : prog::kKindTerrestrial, tp, values,
                extras);
}

} // namespace

void Build_Sample_Database(ChannelDatabase &db, FileKind kind)
{
    Start_Database(db, kind);
    Write_Satellites(db);
    Write_Favourite_Names(db, Sample_Favourite_Names());
    Add_Satellite_Channels(db);
    Add_Terrestrial_Channels(db);
    Decode_Rows(db);
}

void Build_Full_Database(ChannelDatabase &db, FileKind kind)
{
    Start_Database(db, kind);
    Write_Satellites(db);
    Write_Favourite_Names(db, Full_Favourite_Names());
    Add_Full_Sat_Transponders(db);
    Add_Full_Ter_Transponders(db);
    for (int p = 0; p < kProgramSlots; ++p)
        Add_Full_Program(db, p);
    Decode_Rows(db);
}

Bytes Sample_File_Bytes(FileKind kind)
{
    const auto db = Make_Channel_Database();
    Build_Sample_Database(*db, kind);
    SavedFiles files = Save_Database_Bytes(*db);
    return files.outcome ? std::move(files.target) : Bytes{};
}

} // namespace orvane
