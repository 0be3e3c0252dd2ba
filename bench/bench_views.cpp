// The main window's lists on a full database (4,000 programs, 2,000 satellite and 1,000
// terrestrial transponders). A click must be ready within one frame, 16 ms.
//
//   BM_Show_All_Lists     every list of the "Satellites" page rebuilt: row maps and counts.
//   BM_Lists_After_Open   the same right after an open, which leaves every display row to be
//                         made when read: the rows the lists read are made here.
//   BM_Sat_Click_Ready    a click on a satellite through to the models being ready: the
//                         linked selection, the reset of every changed grid model and the texts
//                         of the rows a maximised window shows (40 per grid).
//   BM_Tv_Click_Ready     the same for a click on a TV program (info pane and highlights).
//   BM_Find_Name          the find bar's search on one keystroke, for a part of a name; it
//                         must take at most 1 ms.
//   BM_Find_Name_In       the same with the names read in windows-1251 and in GBK; the same
//                         1 ms.
//   BM_Find_Number        the same for a number, which is also looked for among the service
//                         ids, PIDs, audio tracks and transponder frequencies.

#include "charsets/charset_table.h"
#include "dbase/Orvane_dbase.h"
#include "tools/sample_database.h"
#include "views/grid_model.h"
#include "views/main_views.h"
#include "views/program_find.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <array>

using namespace orvane;

namespace {

constexpr int kVisibleRows = 40;

struct ListFixture
{
    std::unique_ptr<ChannelDatabase> db = Make_Channel_Database();
    ViewState view;
    MainViews views{*db, view};
    std::array<std::unique_ptr<GridModel>, 4> models;

    ListFixture()
    {
        Build_Full_Database(*db, FileKind::ChannelData);
        views.Reset_Views();
        view.Data_Loaded = true;
        views.Show_All_Lists();
        const GridId grids[] = {GridId::Sat, GridId::Tp, GridId::Tv, GridId::Radio};
        for (std::size_t i = 0; i < models.size(); ++i)
            models[i] = std::make_unique<GridModel>(views, kSatellitesPage, grids[i]);
    }

    // What the widgets do after a click: reset the changed models, read the visible cells.
    void Models_Ready(benchmark::State &state)
    {
        const unsigned changes = views.Take_Changes();
        const unsigned bits[]
                = {changed::kSatGrid, changed::kTpGrid, changed::kTvGrid, changed::kRadioGrid};
        for (std::size_t i = 0; i < models.size(); ++i) {
            GridModel &model = *models[i];
            if (changes & bits[i])
                model.Refresh();
            const int rows = std::min(model.rowCount(), kVisibleRows);
            for (int row = 0; row < rows; ++row)
                for (int column = 0; column < model.columnCount(); ++column)
                    benchmark::DoNotOptimize(model.data(model.index(row, column), Qt::DisplayRole));
        }
        state.counters["changes"] = changes;
    }
};

ListFixture &Fixture()
{
    static ListFixture fixture;
    return fixture;
}

void BM_Show_All_Lists(benchmark::State &state)
{
    ListFixture &f = Fixture();
    for (auto _ : state) {
        f.views.Show_All_Lists();
        benchmark::DoNotOptimize(f.views.Take_Changes());
    }
}
BENCHMARK(BM_Show_All_Lists)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

void BM_Lists_After_Open(benchmark::State &state)
{
    ListFixture &f = Fixture();
    for (auto _ : state) {
        f.db->rows.Forget_All();
        f.views.Show_All_Lists();
        benchmark::DoNotOptimize(f.views.Take_Changes());
    }
}
BENCHMARK(BM_Lists_After_Open)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

void BM_Sat_Click_Ready(benchmark::State &state)
{
    ListFixture &f = Fixture();
    f.views.Show_All_Lists();
    int row = 1;
    for (auto _ : state) {
        row = row == 1 ? 2 : 1; // alternate, so that every click changes the row
        f.views.Select_Row(GridId::Sat, row);
        f.Models_Ready(state);
    }
}
BENCHMARK(BM_Sat_Click_Ready)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

void BM_Tv_Click_Ready(benchmark::State &state)
{
    ListFixture &f = Fixture();
    f.views.Show_All_Lists();
    f.Models_Ready(state);
    int row = 1;
    for (auto _ : state) {
        row = row == 1 ? 2 : 1;
        f.views.Select_Row(GridId::Tv, row);
        f.Models_Ready(state);
    }
}
BENCHMARK(BM_Tv_Click_Ready)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

// One search per iteration, the text growing by a keystroke and starting over, as typed.
void Search_As_Typed(benchmark::State &state, const std::string &text)
{
    ListFixture &f = Fixture();
    std::size_t typed = 0;
    std::size_t matches = 0;
    for (auto _ : state) {
        typed = typed % text.size() + 1;
        const std::vector<int> found
                = Find_Programs(*f.db, std::string_view(text).substr(0, typed));
        matches = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["matches"] = static_cast<double>(matches);
}

void BM_Find_Name(benchmark::State &state)
{
    // The middle of a name, so that the search scans every name to its end.
    const std::string &name = Fixture().db->rows.programs[2345].Name;
    Search_As_Typed(state, name.substr(1, name.size() / 2 + 1));
}
BENCHMARK(BM_Find_Name)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The same with the names read in another set: a single-byte set reads them through its
// table of byte texts, a multi-byte set through iconv and Unicode case folding, once a name.
void BM_Find_Name_In(benchmark::State &state, const char *charset)
{
    ChannelDatabase &db = *Fixture().db;
    db.names = Names_In(charset);
    const std::string &name = db.rows.programs[2345].Name;
    Search_As_Typed(state, name.substr(1, name.size() / 2 + 1));
    db.names = &Latin1_Names();
}
BENCHMARK_CAPTURE(BM_Find_Name_In, windows_1251, "windows-1251")
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_Find_Name_In, GBK, "GBK")
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

void BM_Find_Number(benchmark::State &state)
{
    Search_As_Typed(state, Fixture().db->rows.programs[1234].Video_Pid);
}
BENCHMARK(BM_Find_Number)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
