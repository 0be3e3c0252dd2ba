// Opening and saving a full database in memory, each beside its floor measured in the same
// run. The full database fills every table (4,000 programs, 2,000 satellite and 1,000
// terrestrial transponders, 1,000 audio tracks) and is saved as a Channel Data file.
//
//   BM_Open_Full   Load_Database_Bytes of the file into one ChannelDatabase kept across
//                  iterations, as the program keeps its one database: size check, header,
//                  checksums, decompression and the raw arrays; the display rows are made
//                  when they are read (BM_Stage_Every_Row).
//   BM_Open_Floor  what no open can avoid: lzo1x_decompress_safe of the same compressed bytes
//                  into a 258,048-byte buffer, plus Block_Crc over every block of the same
//                  covered region.
//   BM_Save_Full   Save_Database_Bytes of that database: image, LZO1X-1, checksum table and
//                  the target file, all in memory.
//   BM_Save_Floor  lzo1x_1_compress of the same 258,048-byte image.
//
//   BM_Sort_By_Name  Sort_Programs by name of the full database with its programs shuffled:
//                    the order of each kind, then Reorder_Programs moving records, display
//                    rows and audio tracks.
//   BM_Sort_Floor    what no sort by name can avoid: a stable sort of the 4,000 programs'
//                    names and a gather of their records into the new order.
//   BM_Order_Like    Order_Like of the full database against a shuffled copy of itself: every
//                    program matched and moved to the copy's order.
//   BM_Check_Full    Check_Database of the full database: gauges, every rule, the duplicate
//                    searches, and an information finding for each of its empty transponders
//                    and programs in no favourite group.
//   BM_Check_Floor   what no check can avoid: one pass reading the packed word of every used
//                    slot of every table.
//   BM_Compare_Full  Compare_Databases of the full database against a copy with every tenth
//                    program edited (PIDs, name, lock) and one in twenty moved ten places:
//                    the matching of all tables and the texts of every change.
//   BM_Compare_Floor two full decodes of the image (raw arrays and every display row), what
//                    reading both databases' fields as the comparison reports them amounts to.
// The sorts and Order_Like change the database they time, so each iteration first puts back
// its program and audio tables (records and rows) untimed, and the iteration's time is taken
// around the command alone (manual timing); a copy of the whole database per iteration would
// cost more than the sort.
//
// Goals: an open within 1.5x its floor, a save within 1.5x, a sort by name within 2 ms, a check
// within 1 ms, a comparison within 5 ms.
// Compare the medians.
//
// The stages show where an open or a save spends its time beyond the floor:
//   BM_Stage_Verify_And_Unpack  checksums and decompression of the file (the open's floor
//                               plus its buffers);
//   BM_Stage_Decode_Image       the raw arrays from the unpacked image, the rows left to be
//                               made when read;
//   BM_Stage_Every_Row          every display row made from the raw arrays, what an open
//                               cost before rows were made when read, and what reading every
//                               row of every table still costs once;
//   BM_Stage_Block_Crcs         Compute_Block_Crcs over the file, as every open and save runs.

#include "dbase/Orvane_dbase.h"
#include "tools/sample_database.h"

#include <benchmark/benchmark.h>
#include <lzo/lzo1x.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>
#include <stdexcept>

using namespace orvane;

namespace {

struct FullDatabase
{
    std::unique_ptr<ChannelDatabase> db = Make_Channel_Database();
    Bytes file;  // the saved Channel Data file
    Bytes image; // its unpacked image
    ContainerLayout layout;
};

const FullDatabase &Full()
{
    static const FullDatabase full = [] {
        if (lzo_init() != LZO_E_OK)
            throw std::runtime_error("lzo_init failed");
        FullDatabase made;
        Build_Full_Database(*made.db, FileKind::ChannelData);
        made.db->Save_Mode = 0;
        SavedFiles saved = Save_Database_Bytes(*made.db);
        if (!saved.outcome)
            throw std::runtime_error(saved.outcome.message);
        made.file = std::move(saved.target);
        Write_Image(made.db->raw, made.image);
        made.layout = made.db->container;
        return made;
    }();
    return full;
}

void Report_Sizes(benchmark::State &state, const FullDatabase &full)
{
    state.counters["compressed_bytes"] = full.layout.compressed_length;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageSize));
}

void BM_Open_Full(benchmark::State &state)
{
    const FullDatabase &full = Full();
    const auto db = Make_Channel_Database();
    db->Set_File_Kind(FileKind::ChannelData);
    for (auto _ : state) {
        const Outcome opened = Load_Database_Bytes(*db, full.file);
        if (!opened)
            state.SkipWithError(opened.message.c_str());
        benchmark::ClobberMemory();
    }
    Report_Sizes(state, full);
}

// Block_Crc over the covered region exactly as the checksum table needs it: every full block,
// then the last entry over the first bytes of the last full block again.
std::uint32_t Covered_Block_Crcs(ByteView file, const ContainerLayout &layout)
{
    const std::size_t full_blocks = layout.covered_length / kCrcBlockSize;
    const std::size_t remainder = layout.covered_length % kCrcBlockSize;
    std::uint32_t combined = 0;
    for (std::size_t i = 0; i < full_blocks; ++i)
        combined ^= Block_Crc(file.subspan(layout.data_offset + kCrcBlockSize * i, kCrcBlockSize));
    return combined
           ^ Block_Crc(
                   file.subspan(layout.data_offset + kCrcBlockSize * (full_blocks - 1), remainder));
}

void BM_Open_Floor(benchmark::State &state)
{
    const FullDatabase &full = Full();
    const ContainerLayout &layout = full.layout;
    Bytes image(kImageSize);
    for (auto _ : state) {
        lzo_uint length = image.size();
        const int result
                = lzo1x_decompress_safe(full.file.data() + layout.data_offset,
                                        layout.compressed_length, image.data(), &length, nullptr);
        if (result != LZO_E_OK || length != kImageSize)
            state.SkipWithError("decompression failed");
        benchmark::DoNotOptimize(Covered_Block_Crcs(full.file, layout));
        benchmark::ClobberMemory();
    }
    Report_Sizes(state, full);
}

void BM_Save_Full(benchmark::State &state)
{
    const FullDatabase &full = Full();
    ChannelDatabase &db = *full.db;
    for (auto _ : state) {
        const SavedFiles saved = Save_Database_Bytes(db);
        if (!saved.outcome)
            state.SkipWithError(saved.outcome.message.c_str());
        benchmark::DoNotOptimize(saved.target.data());
    }
    Report_Sizes(state, full);
}

void BM_Save_Floor(benchmark::State &state)
{
    const FullDatabase &full = Full();
    Bytes compressed(kImageSize + kImageSize / 16 + 64 + 3);
    Bytes work_memory(LZO1X_1_MEM_COMPRESS);
    for (auto _ : state) {
        lzo_uint length = 0;
        const int result = lzo1x_1_compress(full.image.data(), kImageSize, compressed.data(),
                                            &length, work_memory.data());
        if (result != LZO_E_OK)
            state.SkipWithError("compression failed");
        benchmark::DoNotOptimize(length);
        benchmark::ClobberMemory();
    }
    Report_Sizes(state, full);
}

void BM_Stage_Verify_And_Unpack(benchmark::State &state)
{
    const FullDatabase &full = Full();
    const auto crcs = std::make_unique<CrcTables>();
    for (auto _ : state) {
        ContainerLayout layout;
        Bytes image;
        if (!Verify_And_Unpack(full.file, layout, *crcs, image))
            state.SkipWithError("the file does not open");
        benchmark::DoNotOptimize(image.data());
    }
}

void BM_Stage_Decode_Image(benchmark::State &state)
{
    const FullDatabase &full = Full();
    const auto db = Make_Channel_Database();
    for (auto _ : state) {
        Decode_Image(*db, full.image);
        benchmark::ClobberMemory();
    }
}

// Every row of every table read once after the rows were forgotten, as an open leaves them.
void Make_Every_Row(const ChannelDatabase &db)
{
    const DisplayTables &rows = db.rows;
    benchmark::DoNotOptimize(&*rows.satellites.begin());
    benchmark::DoNotOptimize(&*rows.sat_tps.begin());
    benchmark::DoNotOptimize(&*rows.ter_tps.begin());
    benchmark::DoNotOptimize(&*rows.favourite_names.begin());
    benchmark::DoNotOptimize(&*rows.programs.begin());
    benchmark::DoNotOptimize(&*rows.audio_tracks.begin());
}

void BM_Stage_Every_Row(benchmark::State &state)
{
    const auto db = Make_Channel_Database();
    Decode_Image(*db, Full().image);
    for (auto _ : state) {
        db->rows.Forget_All();
        Make_Every_Row(*db);
        benchmark::ClobberMemory();
    }
}

void BM_Stage_Block_Crcs(benchmark::State &state)
{
    const FullDatabase &full = Full();
    const auto crcs = std::make_unique<CrcTables>();
    for (auto _ : state) {
        ContainerLayout layout;
        benchmark::DoNotOptimize(Compute_Block_Crcs(full.file, layout, *crcs));
        benchmark::ClobberMemory();
    }
}

// The full database with every kind's programs in a random order, the same on every run.
std::unique_ptr<ChannelDatabase> Shuffled_Full()
{
    auto db = Make_Channel_Database();
    *db = *Full().db;
    std::mt19937 random(20261209);
    for (const bool radio : {false, true}) {
        const std::vector<int> slots = Used_Program_Slots(*db, radio);
        std::vector<int> order = slots;
        std::shuffle(order.begin(), order.end(), random);
        if (!Reorder_Programs(*db, slots, order))
            throw std::runtime_error("the shuffle was refused");
    }
    return db;
}

// Puts back what a reorder changes.
void Restore_Program_Tables(ChannelDatabase &db, const ChannelDatabase &from)
{
    db.raw.programs = from.raw.programs;
    db.raw.audio_tracks = from.raw.audio_tracks;
    db.rows.programs = from.rows.programs;
    db.rows.audio_tracks = from.rows.audio_tracks;
}

// Times `command` on db, which starts every iteration as `start`.
template<typename Command>
void Time_From(benchmark::State &state, const ChannelDatabase &start, Command command)
{
    const auto db = Make_Channel_Database();
    *db = start;
    for (auto _ : state) {
        Restore_Program_Tables(*db, start);
        const auto begin = std::chrono::steady_clock::now();
        command(*db);
        benchmark::ClobberMemory();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
        state.SetIterationTime(took.count());
    }
    if (db->raw.programs == start.raw.programs)
        state.SkipWithError("the command moved no program");
}

void BM_Sort_By_Name(benchmark::State &state)
{
    const auto shuffled = Shuffled_Full();
    Time_From(state, *shuffled,
              [](ChannelDatabase &db) { Sort_Programs(db, ProgramSortKey::Name); });
}

void BM_Sort_Floor(benchmark::State &state)
{
    const auto shuffled = Shuffled_Full();
    const int count = shuffled->Program_Count;
    std::vector<std::pair<std::string, int>> names(static_cast<std::size_t>(count));
    std::vector<ProgramRecord> records(names.size());
    for (auto _ : state) {
        for (int p = 0; p < count; ++p)
            names[static_cast<std::size_t>(p)] = {shuffled->rows.programs[p].Name, p};
        std::stable_sort(names.begin(), names.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (std::size_t i = 0; i < names.size(); ++i)
            records[i] = shuffled->raw.programs[static_cast<std::size_t>(names[i].second)];
        benchmark::DoNotOptimize(records.data());
        benchmark::ClobberMemory();
    }
}

void BM_Order_Like(benchmark::State &state)
{
    const auto shuffled = Shuffled_Full();
    int matched = 0;
    Time_From(state, *Full().db,
              [&](ChannelDatabase &db) { matched = Order_Like(db, *shuffled, {}).matched; });
    state.counters["matched"] = matched;
}

void BM_Check_Full(benchmark::State &state)
{
    const RawArrays &raw = Full().db->raw;
    std::size_t findings = 0;
    for (auto _ : state) {
        const CheckReport report = Check_Database(raw);
        findings = report.findings.size();
        benchmark::DoNotOptimize(report.findings.data());
    }
    state.counters["findings"] = static_cast<double>(findings);
}

void BM_Check_Floor(benchmark::State &state)
{
    const RawArrays &raw = Full().db->raw;
    for (auto _ : state) {
        std::uint32_t sum = 0;
        for (const SatTransponderRecord &record : raw.sat_tps)
            sum += Read_Field(record, sat_tp::Tp_Number);
        for (const TerTransponderRecord &record : raw.ter_tps)
            sum += Read_Field(record, ter_tp::Tp_Number);
        for (const ProgramRecord &record : raw.programs)
            sum += Read_Field(record, prog::Tp_Index);
        for (const AudioTrackRecord &record : raw.audio_tracks)
            sum += Read_Field(record, audio::Program_Index);
        benchmark::DoNotOptimize(sum);
    }
}

// The full database with every tenth program edited and one program in twenty moved ten places
// on, through the operations the window uses.
std::unique_ptr<ChannelDatabase> Edited_Full()
{
    auto edited = std::make_unique<ChannelDatabase>(*Full().db);
    std::vector<int> slots;
    for (int p = 0; p < edited->Program_Count; ++p)
        slots.push_back(p);
    std::vector<int> order = slots;
    for (std::size_t p = 5; p + 11 <= order.size(); p += 20)
        std::rotate(order.begin() + static_cast<long>(p), order.begin() + static_cast<long>(p) + 1,
                    order.begin() + static_cast<long>(p) + 11);
    if (!Reorder_Programs(*edited, slots, order))
        throw std::runtime_error("reorder refused");
    for (int p = 0; p < edited->Program_Count; p += 10) {
        ProgramValues values;
        const TProg_Info_String &row = edited->rows.programs[static_cast<std::size_t>(p)];
        values.is_radio = row.Is_Radio != 0;
        values.locked = row.Locked == 0;
        values.service_id = static_cast<std::uint32_t>(std::stoul(row.Service_Id));
        values.video_pid = static_cast<std::uint32_t>(p % 8000 + 32);
        values.audio_pid = static_cast<std::uint32_t>(p % 8000 + 33);
        values.name = "Edited " + std::to_string(p);
        Edit_Program(*edited, p, values);
    }
    return edited;
}

void BM_Compare_Full(benchmark::State &state)
{
    const auto edited = Edited_Full();
    std::array<int, kChangeKinds> counts{};
    for (auto _ : state) {
        const DatabaseComparison comparison = Compare_Databases(*Full().db, *edited);
        counts = comparison.counts;
        benchmark::DoNotOptimize(comparison.changes.data());
    }
    state.counters["changed"] = counts[static_cast<std::size_t>(ChangeKind::Changed)];
    state.counters["moved"] = counts[static_cast<std::size_t>(ChangeKind::Moved)];
}

void BM_Compare_Floor(benchmark::State &state)
{
    const FullDatabase &full = Full();
    const auto a = Make_Channel_Database();
    const auto b = Make_Channel_Database();
    for (auto _ : state) {
        Decode_Image(*a, full.image);
        Decode_Image(*b, full.image);
        Make_Every_Row(*a);
        Make_Every_Row(*b);
        benchmark::ClobberMemory();
    }
}

void Median_Of_Ten(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_Open_Full)->Apply(Median_Of_Ten);
BENCHMARK(BM_Open_Floor)->Apply(Median_Of_Ten);
BENCHMARK(BM_Save_Full)->Apply(Median_Of_Ten);
BENCHMARK(BM_Save_Floor)->Apply(Median_Of_Ten);
BENCHMARK(BM_Stage_Verify_And_Unpack)->Apply(Median_Of_Ten);
BENCHMARK(BM_Stage_Decode_Image)->Apply(Median_Of_Ten);
BENCHMARK(BM_Stage_Every_Row)->Apply(Median_Of_Ten);
BENCHMARK(BM_Stage_Block_Crcs)->Apply(Median_Of_Ten);
BENCHMARK(BM_Sort_By_Name)->Apply(Median_Of_Ten)->UseManualTime();
BENCHMARK(BM_Sort_Floor)->Apply(Median_Of_Ten);
BENCHMARK(BM_Order_Like)->Apply(Median_Of_Ten)->UseManualTime();
BENCHMARK(BM_Check_Full)->Apply(Median_Of_Ten);
BENCHMARK(BM_Check_Floor)->Apply(Median_Of_Ten);
BENCHMARK(BM_Compare_Full)->Apply(Median_Of_Ten);
BENCHMARK(BM_Compare_Floor)->Apply(Median_Of_Ten);

BENCHMARK_MAIN();
