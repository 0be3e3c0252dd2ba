// Opening and saving a full database in memory, each beside its floor measured in the same
// run. The full database fills every table (4,000 programs, 2,000 satellite and 1,000
// terrestrial transponders, 1,000 audio tracks) and is saved as a Channel Data file.
//
//   BM_Open_Full   Load_Database_Bytes of the file into one ChannelDatabase kept across
//                  iterations, as the program keeps its one database: size check, header,
//                  checksums, decompression and the decoding of every display row.
//   BM_Open_Floor  what no open can avoid: lzo1x_decompress_safe of the same compressed bytes
//                  into a 258,048-byte buffer, plus Block_Crc over every block of the same
//                  covered region.
//   BM_Save_Full   Save_Database_Bytes of that database: image, LZO1X-1, checksum table and
//                  the target file, all in memory.
//   BM_Save_Floor  lzo1x_1_compress of the same 258,048-byte image.
//
// Goals: an open within 3x its floor, a save within 1.5x. Compare the medians.
//
// The stages show where an open or a save spends its time beyond the floor:
//   BM_Stage_Verify_And_Unpack  checksums and decompression of the file (the open's floor
//                               plus its buffers);
//   BM_Stage_Decode_Image       raw arrays and every display row from the unpacked image;
//   BM_Stage_Block_Crcs         Compute_Block_Crcs over the file, as every open and save runs.

#include "dbase/Orvane_dbase.h"
#include "tools/sample_database.h"

#include <benchmark/benchmark.h>
#include <lzo/lzo1x.h>

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
BENCHMARK(BM_Stage_Block_Crcs)->Apply(Median_Of_Ten);

BENCHMARK_MAIN();
