// The commands that add and delete transponders and programs: every limit at its edge, both
// answers to every confirmation, the rows they delete first, in the middle and last, the
// default transponder, the lists, current rows and info pane they leave, and the layout's
// invariants after each.

#include "edit_host_fake.h"
#include "views_fixtures.h"

#include "dbase/decode.h"
#include "views/context_menus.h"
#include "views/edit_messages.h"
#include "views/row_maps.h"

#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

using Command = FocusRequest (*)(MainViews &, EditCommandHost &);

struct Session
{
    LoadedViews loaded;
    FakeEditHost host{*loaded.db, *loaded.view};

    explicit Session(std::unique_ptr<ChannelDatabase> db = Views_Database())
        : loaded(std::move(db))
        , m_built_with(Check_Invariants(*loaded.db))
    {}
    MainViews &views() { return *loaded.views; }
    ViewState &view() { return *loaded.view; }
    ChannelDatabase &db() { return *loaded.db; }
    FocusRequest Run(Command command) { return command(views(), host); }
    void Select(GridId grid, int row) { views().Select_Row(grid, row, true); }
    void To_Terrestrial() { views().PageControl_MainChange(1); }
    // What an edit broke: the fixture's own program "Three" names a current audio track it
    // does not have, and keeps doing so.
    QStringList Problems() const
    {
        QStringList problems = Check_Invariants(*loaded.db);
        problems.removeIf(
                [this](const QString &problem) { return m_built_with.contains(problem); });
        return problems;
    }

private:
    QStringList m_built_with;
};

QString Error(const char *text)
{
    return QStringLiteral("error ") + text;
}

QString Confirm(const char *text)
{
    return QStringLiteral("confirm ") + text;
}

// Transponders for satellite s in the free slots from `first`, until it has `count`.
void Fill_Satellite(ChannelDatabase &db, int satellite, int count)
{
    int slot = 0;
    while (Sat_Tp_Per_Sat_Count(db.raw, satellite) < count) {
        while (db.rows.sat_tps[static_cast<std::size_t>(slot)].In_Use == 1)
            ++slot;
        Add_Sat_Tp(db, slot, satellite, 10000 + static_cast<std::uint32_t>(slot), kH, 27500, 0);
    }
}

void Fill_Group_0(ChannelDatabase &db, int count)
{
    int slot = 0;
    while (Ter_Tp_Per_Group_Count(db.raw, 0) < count) {
        while (db.rows.ter_tps[static_cast<std::size_t>(slot)].In_Use == 1)
            ++slot;
        Add_Ter_Tp(db, slot, 0, 100000 + static_cast<std::uint32_t>(slot));
    }
}

void Add_Programs(ChannelDatabase &db, int count, std::uint32_t kind, int tp)
{
    for (int i = 0; i < count; ++i)
        Add_Program(db, {.kind = kind, .tp = tp, .name = "P"});
}

QByteArray Image_Of(const ChannelDatabase &db)
{
    Bytes image;
    Write_Image(db.raw, image);
    return {reinterpret_cast<const char *>(image.data()), static_cast<qsizetype>(image.size())};
}

} // namespace

class TestStructuralEdits : public QObject
{
    Q_OBJECT

private slots:
    void sat_tp_limits_data();
    void sat_tp_limits();
    void ter_tp_limits_data();
    void ter_tp_limits();
    void program_limits_data();
    void program_limits();
    void new_sat_tp_selects_its_row();
    void new_ter_tp_selects_its_row();
    void cancelled_dialog_changes_nothing();
    void new_program_selected_in_narrowed_list_data();
    void new_program_selected_in_narrowed_list();
    void confirmation_no_changes_nothing_data();
    void confirmation_no_changes_nothing();
    void delete_tp_rows_data();
    void delete_tp_rows();
    void delete_ter_tp_renumbers_group();
    void delete_only_tp_leaves_default();
    void delete_tp_under_filter_keeps_marks();
    void delete_all_empty_narrowed_to_satellite();
    void delete_all_empty_everywhere();
    void delete_all_empty_with_nothing_empty();
    void delete_all_empty_terrestrial();
    void delete_program_rows_data();
    void delete_program_rows();
    void delete_program_keeps_narrowing();
    void commands_leave_the_current_row_clicked_data();
    void commands_leave_the_current_row_clicked();
};

void TestStructuralEdits::sat_tp_limits_data()
{
    QTest::addColumn<int>("total");      // transponders in the table before
    QTest::addColumn<int>("on_sat_2");   // of them on satellite 2
    QTest::addColumn<bool>("all_flags"); // every slot's row marked used, counts kept
    QTest::addColumn<QString>("outcome");
    QTest::newRow("149 on the satellite")
            << 152 << 149 << false << "tp dialog slot 152 sat 2 number 150 add 1";
    QTest::newRow("150 on the satellite") << 153 << 150 << false << Error(msg::kMaxTpsPerSatellite);
    QTest::newRow("1,999 in all") << 1999 << 2 << false
                                  << "tp dialog slot 1999 sat 2 number 3 add 1";
    QTest::newRow("2,000 in all") << 2000 << 2 << false << Error(msg::kMaxSatTps);
    QTest::newRow("no free slot behind low counts") << 5 << 2 << true << Error(msg::kMaxSatTps);
}

void TestStructuralEdits::sat_tp_limits()
{
    QFETCH(int, total);
    QFETCH(int, on_sat_2);
    QFETCH(bool, all_flags);
    QFETCH(QString, outcome);
    auto db = Views_Database();
    Fill_Satellite(*db, 2, on_sat_2);
    for (int s = 10; Sat_Tp_Total_Count(db->raw) < total; ++s)
        Fill_Satellite(*db, s,
                       std::min(150, Sat_Tp_Per_Sat_Count(db->raw, s) + total
                                             - Sat_Tp_Total_Count(db->raw)));
    if (all_flags)
        for (TTp_Info_String &row : db->rows.sat_tps)
            row.In_Use = 1;
    Session s(std::move(db));
    s.Select(GridId::Sat, 3); // satellite 2
    const FocusRequest focus = s.Run(New_TpClick);
    QCOMPARE(s.host.shown, QStringList{outcome});
    const bool added = outcome.startsWith("tp dialog");
    QCOMPARE(focus.has_value(), added);
    QCOMPARE(s.view().Data_Modified, added);
    QCOMPARE(Sat_Tp_Per_Sat_Count(s.db().raw, 2), on_sat_2 + (added ? 1 : 0));
    QVERIFY(!s.view().Is_New_Entry && !s.view().Edit_Accepted);
    if (!all_flags)
        QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::ter_tp_limits_data()
{
    QTest::addColumn<int>("in_group_0");
    QTest::addColumn<int>("in_other_groups");
    QTest::addColumn<QString>("outcome");
    // The views database has transponders 0, 1 in group 0 and 2 in group 1.
    QTest::newRow("254 in group 0") << 254 << 1 << "tp dialog slot 255 sat -1 number 0 add 1";
    QTest::newRow("255 in group 0") << 255 << 1 << Error(msg::kMaxTpsPerGroup);
    QTest::newRow("999 in all") << 100 << 899 << "tp dialog slot 999 sat -1 number 0 add 1";
    QTest::newRow("1,000 in all") << 100 << 900 << Error(msg::kMaxTerTps);
}

void TestStructuralEdits::ter_tp_limits()
{
    QFETCH(int, in_group_0);
    QFETCH(int, in_other_groups);
    QFETCH(QString, outcome);
    auto db = Views_Database();
    Fill_Group_0(*db, in_group_0);
    for (int slot = 0, added = 1; added < in_other_groups; ++slot)
        if (db->rows.ter_tps[static_cast<std::size_t>(slot)].In_Use == 0) {
            Add_Ter_Tp(*db, slot, 1 + added % (kTerGroupCount - 1),
                       200000 + static_cast<std::uint32_t>(slot));
            ++added;
        }
    Session s(std::move(db));
    s.To_Terrestrial();
    s.Run(New_TpClick);
    QCOMPARE(s.host.shown, QStringList{outcome});
    const bool added = outcome.startsWith("tp dialog");
    QCOMPARE(Ter_Tp_Per_Group_Count(s.db().raw, 0), in_group_0 + (added ? 1 : 0));
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::program_limits_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("sat_programs_on_tp"); // satellite programs on transponder slot 3
    QTest::addColumn<int>("ter_programs_on_3");  // terrestrial programs on terrestrial slot 3
    QTest::addColumn<int>("stored_count");       // -1: as the programs make it
    QTest::addColumn<QString>("outcome");
    const QString dialog = QStringLiteral("program dialog slot %1 tp 3 tv");
    QTest::newRow("119 on the transponder") << 1 << 119 << 0 << -1 << dialog.arg(128);
    QTest::newRow("120 on the transponder") << 1 << 120 << 0 << -1 << Error(msg::kMaxProgramsPerTp);
    QTest::newRow("terrestrial programs do not count") << 1 << 119 << 30 << -1 << dialog.arg(158);
    QTest::newRow("terrestrial page has no per-transponder limit")
            << 2 << 0 << 200 << -1 << dialog.arg(209);
    QTest::newRow("3,999 programs") << 2 << 0 << 3990 << -1 << dialog.arg(3999);
    QTest::newRow("4,000 programs") << 2 << 0 << 3991 << -1 << Error(msg::kMaxPrograms);
    QTest::newRow("4,000 programs, satellite page")
            << 1 << 0 << 3991 << -1 << Error(msg::kMaxPrograms);
    QTest::newRow("stored count above the table")
            << 2 << 0 << 0 << 4200 << Error(msg::kMaxPrograms);
}

void TestStructuralEdits::program_limits()
{
    QFETCH(int, page);
    QFETCH(int, sat_programs_on_tp);
    QFETCH(int, ter_programs_on_3);
    QFETCH(int, stored_count);
    QFETCH(QString, outcome);
    auto db = Views_Database();
    Add_Ter_Tp(*db, 3, 0, 600000);
    Add_Programs(*db, sat_programs_on_tp, prog::kKindSatellite, 3);
    Add_Programs(*db, ter_programs_on_3, prog::kKindTerrestrial, 3);
    if (stored_count >= 0) {
        Set_Program_Count(*db, stored_count);
    }
    Session s(std::move(db));
    if (page == kTerrestrialPage)
        s.To_Terrestrial();
    s.Select(GridId::Tp, s.views().Row_Of_Slot(GridId::Tp, 3));
    QVERIFY(s.view().Tp_Selected);
    const int before = s.db().Program_Count;
    s.Run(New_TvClick);
    QCOMPARE(s.host.shown, QStringList{outcome});
    QCOMPARE(s.db().Program_Count, before + (outcome.startsWith("program") ? 1 : 0));
    QVERIFY(!s.view().Is_New_TV && !s.view().TV_Added);
}

void TestStructuralEdits::new_sat_tp_selects_its_row()
{
    Session s;
    s.Select(GridId::Sat, 6); // satellite 5: transponders 1 and 4
    const FocusRequest focus = s.Run(New_TpClick);
    QCOMPARE(focus, FocusRequest{GridId::Tp});
    QCOMPARE(s.host.shown, QStringList{"tp dialog slot 5 sat 5 number 3 add 1"});
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("1 4 5"));
    QCOMPARE(s.views().cursor(GridId::Tp).row_count, 4);
    QCOMPARE(s.views().cursor(GridId::Tp).current_row, 3);
    QCOMPARE(s.db().rows.sat_tps[5].Tp_Number, 3);
    QVERIFY(s.view().Data_Modified);
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::new_ter_tp_selects_its_row()
{
    Session s;
    s.To_Terrestrial();
    QCOMPARE(s.Run(New_TpClick), FocusRequest{GridId::Tp});
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("0 1 2 3"));
    QCOMPARE(s.views().cursor(GridId::Tp).current_row, 4);
    QCOMPARE(s.db().rows.ter_tps[3].Group_Index, 0);
    QCOMPARE(s.db().rows.ter_tps[3].Tp_Number, 3);
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::cancelled_dialog_changes_nothing()
{
    Session s;
    s.Select(GridId::Sat, 6);
    s.Select(GridId::Tp, 1);
    s.host.accept_dialogs = false;
    const QByteArray image = Image_Of(s.db());
    const QStringList grids = Grid_Dump(s.views(), GridId::Tp) + Grid_Dump(s.views(), GridId::Tv);
    for (Command command : {Command(New_TpClick), Command(New_TvClick), Command(New_RadioClick)})
        QCOMPARE(s.Run(command), FocusRequest{});
    QCOMPARE(s.host.shown.size(), 3);
    QCOMPARE(Image_Of(s.db()), image);
    QCOMPARE(Grid_Dump(s.views(), GridId::Tp) + Grid_Dump(s.views(), GridId::Tv), grids);
    QVERIFY(!s.view().Data_Modified);
    QVERIFY(!s.view().Is_New_Entry && !s.view().Is_New_TV && !s.view().Is_New_Radio);
}

void TestStructuralEdits::new_program_selected_in_narrowed_list_data()
{
    QTest::addColumn<bool>("radio");
    QTest::addColumn<QStringList>("grid");
    QTest::newRow("tv") << false << QStringList{"NO.1: |Two|$", "NO.2: |Four|", "NO.3: |New 9|"};
    QTest::newRow("radio") << true << QStringList{"NO.1: |New 9|"};
}

void TestStructuralEdits::new_program_selected_in_narrowed_list()
{
    QFETCH(bool, radio);
    QFETCH(QStringList, grid);
    Session s;
    s.Select(GridId::Sat, 6);
    s.Select(GridId::Tp, 1); // transponder slot 1: "Two" and "Four"
    const GridId list = radio ? GridId::Radio : GridId::Tv;
    QCOMPARE(s.Run(radio ? New_RadioClick : New_TvClick), FocusRequest{list});
    QCOMPARE(Grid_Dump(s.views(), list), grid);
    QCOMPARE(s.views().cursor(list).current_row, grid.size());
    QCOMPARE(s.views().Row_Slot(list, grid.size()), 9);
    QCOMPARE(Info_Dump(s.views()).filter(QStringLiteral("Program Name")).size(), 1);
    QVERIFY(Info_Dump(s.views()).join('\n').contains(QStringLiteral("New 9")));
    QVERIFY(s.view().Data_Modified);
    QVERIFY(!s.view().TV_Added && !s.view().Radio_Added);
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::confirmation_no_changes_nothing_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("question");
    QTest::newRow("delete tp") << 0 << Confirm(msg::kConfirmDeleteTp);
    QTest::newRow("delete empty tps") << 1 << Confirm(msg::kConfirmDeleteEmptyTps);
    QTest::newRow("delete tv") << 2 << Confirm(msg::kConfirmDeleteProgram);
    QTest::newRow("delete radio") << 3 << Confirm(msg::kConfirmDeleteProgram);
}

void TestStructuralEdits::confirmation_no_changes_nothing()
{
    QFETCH(int, command);
    QFETCH(QString, question);
    const Command commands[]
            = {Delete_TpClick, Del_All_Empty_TpClick, Delete_TvClick, Delete_RadioClick};
    for (const bool yes : {false, true}) {
        Session s;
        s.Select(GridId::Tp, 1);
        s.Select(GridId::Tv, 1);
        s.Select(GridId::Radio, 1);
        s.host.answers = {yes};
        const QByteArray image = Image_Of(s.db());
        s.Run(commands[command]);
        QCOMPARE(s.host.shown, QStringList{question});
        QCOMPARE(Image_Of(s.db()) != image, yes);
        QCOMPARE(s.view().Data_Modified, yes);
        QCOMPARE(s.Problems(), QStringList{});
    }
}

void TestStructuralEdits::delete_tp_rows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("map");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("shown_frequency");
    QTest::addColumn<QStringList>("tv");
    // All five satellite transponders listed: slots 0..4.
    QTest::newRow("first") << 1 << "1 2 3 4" << 1 << "3400"
                           << QStringList{"NO.1: |Two|$", "NO.2: |Four|"};
    QTest::newRow("middle") << 3 << "0 1 3 4" << 3 << "10700" << QStringList{"||"};
    QTest::newRow("last") << 5 << "0 1 2 3" << 4 << "10700" << QStringList{"||"};
}

void TestStructuralEdits::delete_tp_rows()
{
    QFETCH(int, row);
    QFETCH(QString, map);
    QFETCH(int, current);
    QFETCH(QString, shown_frequency);
    QFETCH(QStringList, tv);
    Session s;
    s.Select(GridId::Tp, row);
    s.host.answers = {true};
    s.Run(Delete_TpClick);
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), map);
    QCOMPARE(s.views().cursor(GridId::Tp).row_count, 5);
    QCOMPARE(s.views().cursor(GridId::Tp).current_row, current);
    QCOMPARE(Grid_Dump(s.views(), GridId::Tv), tv);
    const QStringList info = Info_Dump(s.views());
    QVERIFY2(info.join('\n').contains(shown_frequency), qPrintable(info.join('\n')));
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::delete_ter_tp_renumbers_group()
{
    Session s;
    s.To_Terrestrial();
    s.Select(GridId::Tp, 1); // slot 0, group 0 #1, carries "Ter One"
    s.host.answers = {true};
    s.Run(Delete_TpClick);
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("1 2"));
    QCOMPARE(s.db().rows.ter_tps[1].Tp_Number, 1);
    QCOMPARE(s.db().rows.ter_tps[2].Tp_Number, 1); // group 1 keeps its number
    QCOMPARE(Grid_Dump(s.views(), GridId::Radio), QStringList{"NO.1: |Ter Radio|"});
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::delete_only_tp_leaves_default()
{
    Session s;
    s.Select(GridId::Sat, 10); // satellite 9: only transponder slot 3
    s.Select(GridId::Tp, 1);
    s.host.answers = {true};
    s.Run(Delete_TpClick);
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("3"));
    QCOMPARE(Sat_Tp_Per_Sat_Count(s.db().raw, 9), 1);
    const TTp_Info_String &tp = s.db().rows.sat_tps[3];
    QCOMPARE(int(tp.Sat_Index), 9);
    QCOMPARE(tp.Tp_Number, 1);
    QCOMPARE(s.views().cursor(GridId::Tp).current_row, 1);
    QVERIFY(Info_Dump(s.views()).join('\n').contains(QString::fromStdString(tp.Frequency)));
    QVERIFY(tp.Frequency != "10700");
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::delete_tp_under_filter_keeps_marks()
{
    Session s;
    s.views().Show_Act_SatClick(); // satellites 2 and 5 carry programs
    QCOMPARE(Map_Text(s.view().Sat_Row_Map), QStringLiteral("2 5"));
    s.Select(GridId::Tp, 1); // slot 0 of satellite 2: "One" and "Wave"
    s.host.answers = {true};
    s.Run(Delete_TpClick);
    // Satellite 2 keeps its mark though no program is left on it.
    QCOMPARE(Map_Text(s.view().Sat_Row_Map), QStringLiteral("2 5"));
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("1 2 4"));
    QCOMPARE(s.Problems(), QStringList{});
}

// The menu opens on a transponder row and presses it, so Tp_Selected is set when the
// command runs.
static FocusRequest Delete_Empty_From_Menu(Session &s)
{
    PM_TPPopup(s.views());
    s.host.answers = {true};
    return s.Run(Del_All_Empty_TpClick);
}

void TestStructuralEdits::delete_all_empty_narrowed_to_satellite()
{
    auto db = Views_Database();
    Add_Sat_Tp(*db, 5, 2, 12500, kV, 27500, 0); // satellite 2: slots 0 (programs), 2, 5
    Session s(std::move(db));
    s.Select(GridId::Sat, 3);
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("0 2 5"));
    const FocusRequest focus = Delete_Empty_From_Menu(s);
    // Slot 2 stays: the terrestrial program "Ter Two" names transponder index 2, and any
    // program naming the index keeps it, whatever its kind.
    QCOMPARE(s.db().rows.sat_tps[5].In_Use, 0);
    QCOMPARE(s.db().rows.sat_tps[3].In_Use, 1); // satellite 9's empty one was not listed
    QCOMPARE(Sat_Tp_Per_Sat_Count(s.db().raw, 2), 2);
    // The "Show ALL Info" row made current lists every transponder again; then the first
    // transponder row is current and selected.
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("0 1 2 3 4"));
    QCOMPARE(focus, FocusRequest{GridId::Tp});
    QCOMPARE(s.views().cursor(GridId::Sat).current_row, 0);
    QCOMPARE(s.views().cursor(GridId::Tp).current_row, 1);
    QCOMPARE(Flags_Text(s.view()), QStringLiteral("Tp"));
    QCOMPARE(Grid_Dump(s.views(), GridId::Tv), QStringList{"NO.1: |One|"});
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::delete_all_empty_everywhere()
{
    auto db = Views_Database();
    Add_Sat_Tp(*db, 5, 9, 12500, kV, 27500, 0);  // satellite 9: slots 3 and 5, both empty
    Add_Sat_Tp(*db, 6, 11, 12600, kV, 27500, 0); // satellite 11: only slot 6, empty
    Session s(std::move(db));
    s.Select(GridId::Tp, 2);
    const FocusRequest focus = Delete_Empty_From_Menu(s);
    // Satellite 9 loses both (its last one replaced by the default in the lowest free
    // slot, 3); satellite 11's only one is replaced by its default in slot 5.
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("0 1 2 3 4 5"));
    QCOMPARE(int(s.db().rows.sat_tps[3].Sat_Index), 9);
    QCOMPARE(int(s.db().rows.sat_tps[5].Sat_Index), 11);
    QCOMPARE(s.db().rows.sat_tps[6].In_Use, 0);
    QCOMPARE(Sat_Tp_Total_Count(s.db().raw), 6);
    QCOMPARE(focus, FocusRequest{GridId::Tp});
    QCOMPARE(s.views().cursor(GridId::Sat).current_row, 0);
    QCOMPARE(s.views().cursor(GridId::Tp).current_row, 1);
    QCOMPARE(Grid_Dump(s.views(), GridId::Tv), QStringList{"NO.1: |One|"});
    QVERIFY(Info_Dump(s.views()).join('\n').contains(QStringLiteral("11778")));
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::delete_all_empty_with_nothing_empty()
{
    Session s;
    s.Select(GridId::Sat, 6); // satellite 5: both transponders carry programs
    const QByteArray image = Image_Of(s.db());
    Delete_Empty_From_Menu(s);
    QCOMPARE(Image_Of(s.db()), image);
    QVERIFY(s.view().Data_Modified);
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("0 1 2 3 4"));
    QCOMPARE(Grid_Dump(s.views(), GridId::Tv), QStringList{"NO.1: |One|"});
}

void TestStructuralEdits::delete_all_empty_terrestrial()
{
    auto db = Views_Database();
    Add_Ter_Tp(*db, 3, 0, 600000);
    Add_Ter_Tp(*db, 5, 1, 700000);
    Session s(std::move(db));
    s.To_Terrestrial();
    QCOMPARE(Delete_Empty_From_Menu(s), FocusRequest{GridId::Tp});
    QCOMPARE(Map_Text(s.view().Tp_Row_Map), QStringLiteral("0 1 2"));
    QCOMPARE(Ter_Tp_Total_Count(s.db().raw), 3);
    QCOMPARE(s.db().rows.ter_tps[2].Tp_Number, 1);
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::delete_program_rows_data()
{
    QTest::addColumn<int>("satellite_row"); // 0: all satellites
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("tv");
    QTest::addColumn<QString>("info_name"); // empty: the info list is emptied
    QTest::newRow("first of four")
            << 0 << 1 << QStringList{"NO.1: |Two|$", "NO.2: |Three|", "NO.3: |Four|"} << "Two";
    QTest::newRow("middle of four")
            << 0 << 2 << QStringList{"NO.1: |One|", "NO.2: |Three|", "NO.3: |Four|"} << "Three";
    QTest::newRow("last of four") << 0 << 4
                                  << QStringList{"NO.1: |One|", "NO.2: |Two|$", "NO.3: |Three|"}
                                  << "Three";
    QTest::newRow("only one") << 3 << 1 << QStringList{"||"} << "";
}

void TestStructuralEdits::delete_program_rows()
{
    QFETCH(int, satellite_row);
    QFETCH(int, row);
    QFETCH(QStringList, tv);
    QFETCH(QString, info_name);
    Session s;
    if (satellite_row > 0)
        s.Select(GridId::Sat, satellite_row);
    s.Select(GridId::Tv, row);
    s.host.answers = {true};
    s.Run(Delete_TvClick);
    QCOMPARE(Grid_Dump(s.views(), GridId::Tv), tv);
    QVERIFY(s.view().Tv_Selected && !s.view().Radio_Selected);
    const QStringList info = Info_Dump(s.views());
    if (info_name.isEmpty())
        QCOMPARE(info, QStringList{});
    else
        QVERIFY2(info.join('\n').contains(info_name), qPrintable(info.join('\n')));
    QCOMPARE(s.Problems(), QStringList{});
}

void TestStructuralEdits::delete_program_keeps_narrowing()
{
    Session s;
    s.Select(GridId::Sat, 6);           // satellite 5
    s.views().Select_Fav_Line(0, true); // group 1 within it: "Echo", "Four"
    QCOMPARE(Grid_Dump(s.views(), GridId::Tv), QStringList{"NO.1: |Four|"});
    s.Select(GridId::Radio, 1);
    s.host.answers = {true};
    s.Run(Delete_RadioClick);
    QCOMPARE(Grid_Dump(s.views(), GridId::Radio), QStringList{"||"});
    QCOMPARE(Grid_Dump(s.views(), GridId::Tv), QStringList{"NO.1: |Four|"});
    QVERIFY(s.view().Radio_Selected && !s.view().Tv_Selected);
    QCOMPARE(s.Problems(), QStringList{});
}

// After every command the row it leaves current has had its click: clicking that row again
// changes nothing, and the row's menu offers the commands that need it.
void TestStructuralEdits::commands_leave_the_current_row_clicked_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("sat_row"); // rows clicked before the command, 0 for none
    QTest::addColumn<int>("tp_row");
    QTest::addColumn<int>("command"); // New Tp, TV, Radio, Delete Tp, Delete all empty
    QTest::addColumn<QString>("flags");
    QTest::newRow("new satellite tp") << kSatellitesPage << 6 << 0 << 0 << "Sat Tp";
    QTest::newRow("new terrestrial tp") << kTerrestrialPage << 0 << 0 << 0 << "Tp";
    QTest::newRow("new tv") << kSatellitesPage << 6 << 1 << 1 << "Sat Tp Tv";
    QTest::newRow("new radio") << kSatellitesPage << 0 << 1 << 2 << "Tp Radio";
    QTest::newRow("delete tp") << kSatellitesPage << 3 << 1 << 3 << "Sat Tp";
    QTest::newRow("delete empty tps, narrowed") << kSatellitesPage << 3 << 1 << 4 << "Tp";
    QTest::newRow("delete empty tps, nothing clicked") << kSatellitesPage << 0 << 0 << 4 << "Tp";
    QTest::newRow("delete empty tps, terrestrial") << kTerrestrialPage << 0 << 0 << 4 << "Tp";
}

void TestStructuralEdits::commands_leave_the_current_row_clicked()
{
    QFETCH(int, page);
    QFETCH(int, sat_row);
    QFETCH(int, tp_row);
    QFETCH(int, command);
    const Command commands[]
            = {New_TpClick, New_TvClick, New_RadioClick, Delete_TpClick, Del_All_Empty_TpClick};
    auto db = Views_Database();
    Add_Sat_Tp(*db, 5, 2, 12500, kV, 27500, 0); // empty, beside satellite 2's others
    Add_Ter_Tp(*db, 3, 0, 600000);              // empty
    Session s(std::move(db));
    if (page == kTerrestrialPage)
        s.To_Terrestrial();
    if (sat_row > 0)
        s.Select(GridId::Sat, sat_row);
    if (tp_row > 0)
        s.Select(GridId::Tp, tp_row);
    s.host.answers = {true};
    s.Run(commands[command]);
    QTEST(Flags_Text(s.view()), "flags");
    const GridId grid = command == 1 ? GridId::Tv : command == 2 ? GridId::Radio : GridId::Tp;
    const QString left = View_Snapshot(s.views());
    s.views().Click(grid);
    QCOMPARE(View_Snapshot(s.views()), left);
    QVERIFY(grid == GridId::Tp
                    ? PM_TPPopup(s.views()).Delete_Tp
                    : (grid == GridId::Tv ? PM_TvPopup : PM_RadioPopup)(s.views()).Delete);
    QCOMPARE(s.Problems(), QStringList{});
}

QTEST_APPLESS_MAIN(TestStructuralEdits)
#include "tst_structural_edits.moc"
