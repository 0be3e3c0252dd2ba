// Thousands of random add and delete commands on the sample database, each followed by the
// layout's invariants and a check that the lists follow the row it left current, and now and
// then by the list numbers against the lists; then a save, a reopen and a comparison of the image.

#include "edit_host_fake.h"
#include "views_fixtures.h"

#include "dbase/list_numbers.h"
#include "tools/sample_database.h"
#include "views/context_menus.h"
#include "views/row_maps.h"

#include <QtTest>

#include <random>

using namespace orvane;
using namespace orvane::test;

namespace {

constexpr int kCommands = 2500;
constexpr int kNumberingEvery = 50;

int Pick(std::mt19937 &random, int count)
{
    return std::uniform_int_distribution<int>(0, std::max(count - 1, 0))(random);
}

// Selects random rows the way a user clicks, sometimes switching the page or the filter.
void Random_Selection(MainViews &views, std::mt19937 &random)
{
    if (Pick(random, 25) == 0)
        views.PageControl_MainChange(Pick(random, 2));
    if (views.view().View_Mode == kSatellitesPage && Pick(random, 30) == 0)
        views.Show_Act_SatClick();
    if (views.view().View_Mode == kSatellitesPage && Pick(random, 3) == 0)
        views.Select_Row(GridId::Sat, Pick(random, views.cursor(GridId::Sat).row_count), true);
    if (Pick(random, 2) == 0)
        views.Select_Row(GridId::Tp, 1 + Pick(random, views.cursor(GridId::Tp).row_count - 1),
                         true);
    if (Pick(random, 8) == 0)
        views.Select_Fav_Line(Pick(random, kFavouriteGroupCount), true);
    for (const GridId grid : {GridId::Tv, GridId::Radio})
        if (Pick(random, 3) == 0)
            views.Select_Row(grid, 1 + Pick(random, views.cursor(grid).row_count - 1), true);
}

// Adds are drawn more often than the cascades, which delete many programs at once.
FocusRequest Random_Command(MainViews &views, FakeEditHost &host, std::mt19937 &random)
{
    using Command = FocusRequest (*)(MainViews &, EditCommandHost &);
    static constexpr Command kCommandTable[]
            = {New_TpClick,       New_TpClick,    New_TvClick,          New_TvClick,
               New_RadioClick,    New_RadioClick, Delete_TvClick,       Delete_TvClick,
               Delete_RadioClick, Delete_TpClick, Del_All_Empty_TpClick};
    host.answers = {Pick(random, 10) != 0};
    host.accept_dialogs = Pick(random, 10) != 0;
    const int pick = Pick(random, std::size(kCommandTable));
    // The menus decide what is offered; their popups also press the row.
    if (pick < 2)
        PM_TPPopup(views);
    return kCommandTable[pick](views, host);
}

// The numbers the database check names entries by are those the full lists give their rows,
// and an entry the lists do not show has none.
bool Numbers_Match_Lists(const ChannelDatabase &db)
{
    std::vector<int> programs(kProgramSlots, kNotListed);
    std::vector<int> sat_tps(kSatTransponderSlots, kNotListed);
    std::vector<int> ter_tps(kTerTransponderSlots, kNotListed);
    const auto number = [](const auto &map, std::vector<int> &numbers) {
        for (std::size_t row = 0; row < map.size() && map[row] != kNoSlot; ++row)
            numbers[static_cast<std::size_t>(map[row])] = static_cast<int>(row) + 1;
    };
    ViewState view;
    for (const int kind : {kSatellitesPage, kTerrestrialPage}) {
        List_Programs(db, view, kind);
        number(view.Tv_Row_Map, programs);
        number(view.Radio_Row_Map, programs);
    }
    for (int satellite = 0; satellite < kSatelliteCount; ++satellite) {
        List_Sat_Tps_Of(db, view, satellite);
        number(view.Tp_Row_Map, sat_tps);
    }
    List_Used_Ter_Tps(db, view);
    number(view.Tp_Row_Map, ter_tps);
    const ListNumbers lists(db.raw);
    const auto same = [](const std::vector<int> &numbers, auto listed) {
        for (std::size_t slot = 0; slot < numbers.size(); ++slot)
            if (listed(slot) != numbers[slot])
                return false;
        return true;
    };
    return same(programs, [&](std::size_t p) { return lists.program(p); })
           && same(sat_tps, [&](std::size_t t) { return lists.sat_tp(t); })
           && same(ter_tps, [&](std::size_t t) { return lists.ter_tp(t); });
}

} // namespace

class TestRandomEdits : public QObject
{
    Q_OBJECT

private slots:
    void random_commands_keep_the_layout();
};

void TestRandomEdits::random_commands_keep_the_layout()
{
    auto db = Make_Channel_Database();
    Build_Sample_Database(*db, FileKind::ChannelData);
    db->Save_Mode = 0;
    LoadedViews loaded(std::move(db));
    FakeEditHost host(*loaded.db, *loaded.view);
    std::mt19937 random(20261208);
    for (int step = 0; step < kCommands; ++step) {
        Random_Selection(*loaded.views, random);
        const FocusRequest focus = Random_Command(*loaded.views, host, random);
        const QStringList problems = Check_Invariants(*loaded.db);
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("step %1: %2").arg(step).arg(problems.join('\n'))));
        if (step % kNumberingEvery == 0)
            QVERIFY2(Numbers_Match_Lists(*loaded.db), qPrintable(QString::number(step)));
        // The row a command leaves current has had its click: a second click changes nothing.
        if (focus) {
            const QString left = View_Snapshot(*loaded.views);
            loaded.views->Click(*focus);
            QCOMPARE(View_Snapshot(*loaded.views), left);
        }
    }
    QVERIFY(loaded.db->Program_Count > 0);

    const SavedFiles saved = Save_Database_Bytes(*loaded.db);
    QVERIFY(saved.outcome.ok);
    auto reopened = Make_Channel_Database();
    reopened->Set_File_Kind(FileKind::ChannelData);
    QVERIFY(Load_Database_Bytes(*reopened, saved.target).ok);
    Bytes before;
    Bytes after;
    Write_Image(loaded.db->raw, before);
    Write_Image(reopened->raw, after);
    QVERIFY(before == after);
    QCOMPARE(Program_Dump(*reopened), Program_Dump(*loaded.db));
    QCOMPARE(Sat_Tp_Dump(*reopened), Sat_Tp_Dump(*loaded.db));
}

QTEST_APPLESS_MAIN(TestRandomEdits)
#include "tst_random_edits.moc"
