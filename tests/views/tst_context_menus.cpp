// What the four context menus offer, computed from the view state when they open and before
// they re-run the row's click: a table of user steps and the commands each menu then enables.

#include "views_fixtures.h"

#include "views/captions.h"
#include "views/context_menus.h"

#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

QString Enabled(const SateMenu &m)
{
    QStringList on;
    if (m.Show_Act_Sat)
        on << "Show_Act_Sat";
    if (m.Change_Sat)
        on << "Change_Sat";
    return on.join(' ');
}

QString Enabled(const TpMenu &m)
{
    QStringList on;
    const std::pair<bool, const char *> items[]
            = {{m.Change_Tp, "Change_Tp"}, {m.New_Tp, "New_Tp"},
               {m.New_Tp_Tv, "New_Tp_Tv"}, {m.New_Tp_Radio, "New_Tp_Radio"},
               {m.Delete_Tp, "Delete_Tp"}, {m.Del_All_Empty_Tp, "Del_All_Empty_Tp"}};
    for (const auto &[enabled, name] : items)
        if (enabled)
            on << name;
    return on.join(' ');
}

QString Enabled(const ProgramMenu &m)
{
    QStringList on;
    if (m.Change)
        on << "Change";
    if (m.New)
        on << "New";
    if (m.Delete)
        on << "Delete";
    return on.join(' ');
}

// Runs "sat 3; tp 1; fav 0; tv 1; radio 1; ter; unload" steps, then opens `menu` and returns
// what it enables.
QString Open_After(MainViews &views, const QString &steps, const QString &menu)
{
    for (const QString &step : steps.split(';', Qt::SkipEmptyParts)) {
        const QStringList words = step.simplified().split(' ');
        const int row = words.value(1).toInt();
        if (words[0] == "sat")
            views.Select_Row(GridId::Sat, row, true);
        else if (words[0] == "tp")
            views.Select_Row(GridId::Tp, row, true);
        else if (words[0] == "tv")
            views.Select_Row(GridId::Tv, row, true);
        else if (words[0] == "radio")
            views.Select_Row(GridId::Radio, row, true);
        else if (words[0] == "fav")
            views.Select_Fav_Line(row, true);
        else if (words[0] == "ter")
            views.PageControl_MainChange(1);
        else if (words[0] == "unload")
            views.Reset_Views();
        else if (words[0] == "popup")
            Open_After(views, {}, words[1]);
    }
    if (menu == "sate")
        return Enabled(PM_SatePopup(views));
    if (menu == "tp")
        return Enabled(PM_TPPopup(views));
    return Enabled(menu == "tv" ? PM_TvPopup(views) : PM_RadioPopup(views));
}

} // namespace

class TestContextMenus : public QObject
{
    Q_OBJECT

private slots:
    void enabling_data();
    void enabling();
    void tp_menu_captions_by_page();
    void sate_menu_empties_info_and_names_the_filter();
    void tp_popup_presses_the_row();
};

void TestContextMenus::enabling_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("sate, nothing loaded") << "unload"
                                          << "sate"
                                          << "";
    QTest::newRow("sate, loaded") << ""
                                  << "sate"
                                  << "Show_Act_Sat";
    QTest::newRow("sate, satellite clicked") << "sat 3"
                                             << "sate"
                                             << "Show_Act_Sat Change_Sat";
    QTest::newRow("sate, show all info row") << "sat 3; sat 0"
                                             << "sate"
                                             << "Show_Act_Sat";
    QTest::newRow("tp, nothing loaded") << "unload"
                                        << "tp"
                                        << "";
    QTest::newRow("tp, row not yet clicked") << ""
                                             << "tp"
                                             << "Del_All_Empty_Tp";
    QTest::newRow("tp, row clicked")
            << "tp 2"
            << "tp"
            << "Change_Tp New_Tp_Tv New_Tp_Radio Delete_Tp Del_All_Empty_Tp";
    QTest::newRow("tp, menu opened twice")
            << "popup tp"
            << "tp"
            << "Change_Tp New_Tp_Tv New_Tp_Radio Delete_Tp Del_All_Empty_Tp";
    QTest::newRow("tp, satellite clicked") << "sat 3"
                                           << "tp"
                                           << "New_Tp Del_All_Empty_Tp";
    QTest::newRow("tp, satellite and row clicked")
            << "sat 3; tp 1"
            << "tp"
            << "Change_Tp New_Tp New_Tp_Tv New_Tp_Radio Delete_Tp Del_All_Empty_Tp";
    QTest::newRow("tp, satellite without transponders") << "sat 1"
                                                        << "tp"
                                                        << "New_Tp";
    QTest::newRow("tp, terrestrial page") << "ter"
                                          << "tp"
                                          << "New_Tp Del_All_Empty_Tp";
    QTest::newRow("tp, terrestrial row clicked")
            << "ter; tp 1"
            << "tp"
            << "Change_Tp New_Tp New_Tp_Tv New_Tp_Radio Delete_Tp Del_All_Empty_Tp";
    QTest::newRow("tv, nothing clicked") << ""
                                         << "tv"
                                         << "";
    QTest::newRow("tv, transponder clicked") << "tp 1"
                                             << "tv"
                                             << "New";
    QTest::newRow("tv, row clicked") << "tv 1"
                                     << "tv"
                                     << "Change Delete";
    QTest::newRow("tv, transponder and row clicked") << "tp 2; tv 1"
                                                     << "tv"
                                                     << "Change New Delete";
    QTest::newRow("tv, reached through a favourite group") << "tp 2; fav 0"
                                                           << "tv"
                                                           << "";
    QTest::newRow("tv, empty list") << "tp 3"
                                    << "tv"
                                    << "New";
    QTest::newRow("tv, radio clicked last") << "tv 1; radio 1"
                                            << "tv"
                                            << "";
    QTest::newRow("radio, row clicked") << "radio 1"
                                        << "radio"
                                        << "Change Delete";
    QTest::newRow("radio, menu opened twice") << "popup radio"
                                              << "radio"
                                              << "Change Delete";
    QTest::newRow("radio, terrestrial transponder") << "ter; tp 2; radio 1"
                                                    << "radio"
                                                    << "Change New Delete";
}

void TestContextMenus::enabling()
{
    QFETCH(QString, steps);
    QFETCH(QString, menu);
    QFETCH(QString, enabled);
    LoadedViews loaded;
    QCOMPARE(Open_After(*loaded.views, steps, menu), enabled);
}

void TestContextMenus::tp_menu_captions_by_page()
{
    LoadedViews loaded;
    TpMenu menu = PM_TPPopup(*loaded.views);
    QCOMPARE(menu.new_tp_caption, "Satellites Tp");
    QCOMPARE(menu.delete_tp_caption, "Delete Satellites Tp");
    loaded.views->PageControl_MainChange(1);
    menu = PM_TPPopup(*loaded.views);
    QCOMPARE(menu.new_tp_caption, "Terrestrial Tp");
    QCOMPARE(menu.delete_tp_caption, "Delete Terrestrial Tp");
}

void TestContextMenus::sate_menu_empties_info_and_names_the_filter()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Select_Row(GridId::Sat, 3, true);
    QVERIFY(!Info_Dump(views).isEmpty());
    SateMenu menu = PM_SatePopup(views);
    QCOMPARE(Info_Dump(views), QStringList{});
    QCOMPARE(menu.show_act_sat_caption, caption::kShowActiveSatellites);
    views.Show_Act_SatClick();
    menu = PM_SatePopup(views);
    QCOMPARE(menu.show_act_sat_caption, caption::kShowAllSatellites);
    views.PageControl_MainChange(0);
    QCOMPARE(PM_SatePopup(views).show_act_sat_caption, caption::kShowActiveSatellites);
}

void TestContextMenus::tp_popup_presses_the_row()
{
    LoadedViews loaded;
    MainViews &views = *loaded.views;
    views.Set_Current_Row(GridId::Tp, 2); // moved without its click
    QCOMPARE(Grid_Dump(views, GridId::Tv).size(), 4);
    PM_TPPopup(views);
    QVERIFY(loaded.view->Tp_Selected);
    QCOMPARE(Grid_Dump(views, GridId::Tv), (QStringList{"NO.1: |Two|$", "NO.2: |Four|"}));
}

QTEST_APPLESS_MAIN(TestContextMenus)
#include "tst_context_menus.moc"
