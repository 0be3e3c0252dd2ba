// The linked lists of the main window, driven through its widgets: rows chosen by code, mouse
// and keyboard narrow the other lists and fill the info pane; the page change rebuilds the
// lists; the splitters keep every panel usable. Every grid model runs under the model tester
// throughout.

#include "app/controllers/find_commands.h"
#include "window_test_case.h"

#include "app/controllers/keyboard_route.h"
#include "app/find_bar.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

void Click_Row(QTableView *grid, int model_row, Qt::MouseButton button = Qt::LeftButton)
{
    const QModelIndex index = grid->model()->index(model_row, 1);
    grid->scrollTo(index);
    QTest::mouseClick(grid->viewport(), button, {}, grid->visualRect(index).center());
}

// The in-use programs of the satellite page's TV list that pass `keep`, counted from the
// decoded rows.
template<typename Keep>
int Count_Programs(const ChannelDatabase &db, int kind, bool radio, Keep keep)
{
    int count = 0;
    for (const TProg_Info_String &row : db.rows.programs)
        count += row.In_Use == 1 && row.Tp_Kind == kind && (row.Is_Radio == 1) == radio
                 && keep(row);
    return count;
}

const QStringList kFirstProgramInfo{QStringLiteral("【SAT】:Sat 19.2E"),
                                    QString(),
                                    QStringLiteral("【TP】:10714----H----22000----5/6"),
                                    QString(),
                                    QStringLiteral("【Program Name】:Velora One"),
                                    QString(),
                                    QStringLiteral("【Vid】:256【Aud】:257【PCR】:256"),
                                    QString(),
                                    QStringLiteral("【Free】【Lock_Not】【Skip_Not】")};

} // namespace

class TestMainLists : public WindowTestCase
{
    Q_OBJECT

public:
    TestMainLists()
        : WindowTestCase({.models_tested = true})
    {}

private slots:
    void gridTitlesAndWidths_data();
    void gridTitlesAndWidths();
    void satelliteRowNarrowsLists();
    void programClickFillsInfoPane();
    void clickOnCurrentRowRunsHandlerAgain();
    void rightClickMakesRowCurrent();
    void keyboardMovesCurrentRow();
    void favouriteGroupNarrowsPrograms();
    void pageChangeRebuildsLists();
    void splittersKeepMinimumWidth_data();
    void splittersKeepMinimumWidth();
    void findBarKeys();
    void keyboardReachesEveryList();
    void everyControlHasAnAccessibleName();
};

void TestMainLists::gridTitlesAndWidths_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("widths");
    const QString sat = QStringLiteral(" ☆☆");
    const QString ter = QStringLiteral("   ☆ ☆");
    const QString mark = QStringLiteral("◎");
    QTest::newRow("SG_S_Sat") << "SG_S_Sat" << QStringList{sat, ""} << QList<int>{50, 170};
    QTest::newRow("SG_S_TP") << "SG_S_TP" << QStringList{sat, "Freq", "Pol", "Sym", "FEC"}
                             << QList<int>{60, 48, 28, 47, 34};
    QTest::newRow("SG_S_TV") << "SG_S_TV" << QStringList{sat, "TV.Name", mark}
                             << QList<int>{60, 140, 20};
    QTest::newRow("SG_S_Radio") << "SG_S_Radio" << QStringList{sat, "Radio.Name", mark}
                                << QList<int>{60, 140, 20};
    QTest::newRow("SG_T_TP") << "SG_T_TP" << QStringList{ter, "        Transponder    List"}
                             << QList<int>{65, 190};
    QTest::newRow("SG_T_TV") << "SG_T_TV" << QStringList{ter, "TV.Name", mark}
                             << QList<int>{65, 160, 25};
    QTest::newRow("SG_T_Radio") << "SG_T_Radio" << QStringList{ter, "Radio.Name", mark}
                                << QList<int>{65, 160, 25};
}

void TestMainLists::gridTitlesAndWidths()
{
    QFETCH(QString, grid);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, widths);
    const QTableView *view = Grid(qPrintable(grid));
    QVERIFY(view);
    QCOMPARE(Header_Dump(view->model()), titles);
    QList<int> sizes;
    for (int column = 0; column < view->model()->columnCount(); ++column)
        sizes << view->horizontalHeader()->sectionSize(column);
    QCOMPARE(sizes, widths);
}

void TestMainLists::satelliteRowNarrowsLists()
{
    QTableView *sat = Grid("SG_S_Sat");
    const ChannelDatabase &db = m_f->window.database();
    QCOMPARE(Grid("SG_S_TP")->model()->rowCount(), 92);
    QCOMPARE(sat->currentIndex().row(), 0);

    Set_Current_Row(sat, 1);
    QVERIFY(View().Sat_Selected);
    QCOMPARE(List_Dump(List("LB_S_Info")), QStringList{QStringLiteral("【SAT】:Sat 19.2E")});
    const QStringList tps = Model_Dump(Grid("SG_S_TP")->model());
    QCOMPARE(tps.size(), 14);
    QCOMPARE(tps.first(), "NO.1: |10714|H|22000|5/6");
    QVERIFY(tps.last().startsWith("NO.14: |"));
    const auto on_first_satellite = [](const TProg_Info_String &row) { return row.Sat_Slot == 0; };
    QCOMPARE(Grid("SG_S_TV")->model()->rowCount(),
             Count_Programs(db, prog::kKindSatellite, false, on_first_satellite));
    QCOMPARE(Grid("SG_S_Radio")->model()->rowCount(),
             std::max(1, Count_Programs(db, prog::kKindSatellite, true, on_first_satellite)));

    Set_Current_Row(sat, 0); // "Show ALL Info"
    QVERIFY(!View().Sat_Selected);
    QCOMPARE(List("LB_S_Info")->count(), 0);
    QCOMPARE(Grid("SG_S_TP")->model()->rowCount(), 92);
    QCOMPARE(Grid("SG_S_TV")->model()->rowCount(),
             Count_Programs(db, prog::kKindSatellite, false, [](auto &) { return true; }));
}

void TestMainLists::programClickFillsInfoPane()
{
    QTableView *tv = Grid("SG_S_TV");
    Click_Row(tv, 1);
    Click_Row(tv, 0);
    QCOMPARE(tv->currentIndex().row(), 0);
    QVERIFY(View().Tv_Selected);
    QVERIFY(!View().Radio_Selected);
    QCOMPARE(List_Dump(List("LB_S_Info")), kFirstProgramInfo);
    QCOMPARE(Grid("SG_S_Sat")->currentIndex().row(), 0);
    QCOMPARE(Grid("SG_S_TP")->model()->rowCount(), 92); // a program click narrows nothing

    Click_Row(Grid("SG_S_Radio"), 0);
    QVERIFY(View().Radio_Selected);
    QVERIFY(!View().Tv_Selected);
    QCOMPARE(List("LB_S_Info")->count(), 9);
}

// A click on the row that is already current runs its handler again; code that sets the row
// the grid already has does not.
void TestMainLists::clickOnCurrentRowRunsHandlerAgain()
{
    QTableView *sat = Grid("SG_S_Sat");
    Set_Current_Row(sat, 1);
    Set_Current_Row(Grid("SG_S_TP"), 2);
    QVERIFY(View().Tp_Selected);
    QCOMPARE(List("LB_S_Info")->count(), 3);

    Set_Current_Row(sat, 1);
    QVERIFY(View().Tp_Selected);
    Click_Row(sat, 1);
    QVERIFY(!View().Tp_Selected);
    QVERIFY(View().Sat_Selected);
    QCOMPARE(List_Dump(List("LB_S_Info")), QStringList{QStringLiteral("【SAT】:Sat 19.2E")});
    QCOMPARE(Grid("SG_S_TP")->model()->rowCount(), 14);
}

void TestMainLists::rightClickMakesRowCurrent()
{
    QTableView *tv = Grid("SG_S_TV");
    Click_Row(tv, 3);
    const QStringList third_info = List_Dump(List("LB_S_Info"));
    Click_Row(tv, 0);
    Click_Row(tv, 3, Qt::RightButton);
    QCOMPARE(tv->currentIndex().row(), 3);
    QCOMPARE(List_Dump(List("LB_S_Info")), third_info);
}

void TestMainLists::keyboardMovesCurrentRow()
{
    QTableView *tv = Grid("SG_S_TV");
    Click_Row(tv, 0);
    tv->setFocus();
    QTest::keyClick(tv, Qt::Key_Down);
    QCOMPARE(tv->currentIndex().row(), 1);
    QCOMPARE(List("LB_S_Info")->item(4)->text(), QStringLiteral("【Program Name】:Velora News"));
}

void TestMainLists::favouriteGroupNarrowsPrograms()
{
    QListWidget *fav = List("LB_S_FAV");
    QCOMPARE(fav->count(), 16);
    QCOMPARE(fav->item(0)->text(), "FAV.01 :  News");
    Click_Row(Grid("SG_S_TV"), 0);

    fav->setCurrentRow(0);
    QVERIFY(View().Fav_Selected);
    QVERIFY(!View().Tv_Selected);
    QCOMPARE(View().Fav_Group_Index, 0);
    QCOMPARE(List("LB_S_Info")->count(), 0);
    const auto in_group_1 = [](const TProg_Info_String &row) {
        return row.Favourite_Mask.size() == 16 && row.Favourite_Mask.back() == '1';
    };
    const int members
            = Count_Programs(m_f->window.database(), prog::kKindSatellite, false, in_group_1);
    QVERIFY(members > 0);
    QCOMPARE(Grid("SG_S_TV")->model()->rowCount(), members);
    QCOMPARE(Grid("SG_S_TP")->model()->rowCount(), 92);
}

void TestMainLists::pageChangeRebuildsLists()
{
    const ChannelDatabase &db = m_f->window.database();
    Set_Current_Row(Grid("SG_S_Sat"), 3);
    QVERIFY(View().Sat_Selected);

    Page_Control(m_f->window)->setCurrentIndex(1);
    QCOMPARE(View().View_Mode, kTerrestrialPage);
    QVERIFY(!View().Sat_Selected);
    const QStringList tps = Model_Dump(Grid("SG_T_TP")->model());
    QCOMPARE(tps.size(), 10);
    QCOMPARE(tps.first(), "NO.1: |0482000");
    QCOMPARE(Grid("SG_T_TP")->currentIndex().row(), 0);
    QCOMPARE(List("LB_T_Info")->count(), 0);
    QCOMPARE(List("LB_T_FAV")->count(), 16);
    const auto any = [](const TProg_Info_String &) { return true; };
    QCOMPARE(Grid("SG_T_TV")->model()->rowCount(),
             Count_Programs(db, prog::kKindTerrestrial, false, any));
    const QStringList sat_rows = Model_Dump(Grid("SG_S_Sat")->model());
    QVERIFY2(!sat_rows.join('\n').contains("NO."), qPrintable(sat_rows.join('\n')));

    Click_Row(Grid("SG_T_TP"), 1);
    QCOMPARE(List_Dump(List("LB_T_Info")), (QStringList{"", "【TP】:514000"}));
    QVERIFY(View().Tp_Selected);
    Click_Row(Grid("SG_T_TV"), 0);
    QCOMPARE(List("LB_T_Info")->count(), 5);

    Page_Control(m_f->window)->setCurrentIndex(0);
    QCOMPARE(View().View_Mode, kSatellitesPage);
    QVERIFY(!View().Tp_Selected && !View().Tv_Selected);
    QCOMPARE(Grid("SG_S_Sat")->model()->rowCount(), 61);
    QCOMPARE(Grid("SG_S_Sat")->currentIndex().row(), 0);
    QCOMPARE(Grid("SG_S_TP")->model()->rowCount(), 92);
}

void TestMainLists::splittersKeepMinimumWidth_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("Satellites") << 0;
    QTest::newRow("Terrestrial") << 1;
}

void TestMainLists::splittersKeepMinimumWidth()
{
    QFETCH(int, page);
    Page_Control(m_f->window)->setCurrentIndex(page);
    QSplitter *columns = m_f->window.page_widgets(page + 1).columns;
    columns->setSizes({5, 5, 5, 5000});
    QApplication::processEvents();
    for (int i = 0; i < columns->count(); ++i) {
        QVERIFY2(columns->widget(i)->width() >= kMinimumPanelWidth,
                 qPrintable(QString::number(columns->widget(i)->width())));
        QVERIFY(columns->sizes().at(i) >= kMinimumPanelWidth);
    }

    // Dragging the first handle far to the left stops at the minimum as well.
    columns->setSizes({250, 253, 253, 2000});
    QSplitterHandle *handle = columns->handle(1);
    const QPoint centre = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, centre);
    QTest::mouseMove(handle, centre - QPoint(400, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, centre - QPoint(400, 0));
    QApplication::processEvents();
    QCOMPARE(columns->widget(0)->width(), kMinimumPanelWidth);

    // A wider window: the TV and radio lists share the width, the other columns keep theirs.
    const int tv = page == 0 ? 2 : 1;
    const QList<int> before = columns->sizes();
    m_f->window.resize(m_f->window.width() + 600, m_f->window.height());
    QApplication::processEvents();
    const QList<int> after = columns->sizes();
    QCOMPARE(after[0], before[0]);
    QVERIFY(after.size() == tv + 2 || after.back() == kMinimumPanelWidth);
    QVERIFY2(std::abs(after[tv] - after[tv + 1]) <= 1 && after[tv] > before[tv],
             qPrintable(QStringLiteral("%1 %2").arg(after[tv]).arg(after[tv + 1])));
    m_f->window.resize(m_f->window.width() - 600, m_f->window.height());
}

// The find bar driven from the keyboard through matches on both pages: Enter and F3 step on,
// their Shift forms back, with wrap notes; Escape gives the focus to the grid of the match, or
// back to where it was when nothing matched.
void TestMainLists::findBarKeys()
{
    TFormMain &window = m_f->window;
    FindBar *bar = Controller_Of<FindCommands>(window).find_bar();
    QLineEdit *edit = bar->edit();
    QVERIFY(!bar->isVisible());
    // The program the window shows for a match: its page, its grid's current row, the info pane.
    auto shown = [&](int slot) {
        const TProg_Info_String &row = Db().rows.programs[slot];
        const PageWidgets &page = window.page_widgets(row.Tp_Kind);
        QTableView *grid = row.Is_Radio ? page.radio : page.tv;
        const GridId id = row.Is_Radio ? GridId::Radio : GridId::Tv;
        return Page_Control(window)->currentIndex() == row.Tp_Kind - 1
               && window.views().Row_Slot(id, grid->currentIndex().row() + 1) == slot
               && page.info->findItems("【Program Name】:" + QString::fromLatin1(row.Name),
                                       Qt::MatchExactly)
                                  .size()
                          == 1;
    };
    const std::vector<int> found = Find_Programs(Db(), "ra");
    QVERIFY(found.size() > 3);
    QCOMPARE(Db().rows.programs[found.back()].Tp_Kind, prog::kKindTerrestrial);
    QCOMPARE(Db().rows.programs[found.front()].Tp_Kind, prog::kKindSatellite);
    const QString of = QStringLiteral(" of %1").arg(found.size());

    QTableView *sat = Grid("SG_S_Sat");
    sat->setFocus();
    QTest::keyClick(sat, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(bar->isVisible() && edit->hasFocus());
    QTest::keyClicks(edit, "rA");
    QCOMPARE(bar->status_label()->text(), "1" + of);
    QVERIFY(shown(found[0]));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(bar->status_label()->text(), "2" + of);
    QVERIFY(shown(found[1]));
    QTest::keyClick(edit, Qt::Key_Enter, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(bar->status_label()->text(),
             QString::number(found.size()) + of + "   Wrapped to the last match");
    QVERIFY(shown(found.back()));
    QTest::keyClick(edit, Qt::Key_F3);
    QCOMPARE(bar->status_label()->text(), "1" + of + "   Wrapped to the first match");
    QVERIFY(shown(found[0]));
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QCOMPARE(QApplication::focusWidget(), window.page_widgets(kSatellitesPage).tv);

    // F3 from a grid searches again for the same text; a character Latin-1 cannot hold finds
    // nothing, and Escape returns to the field that had the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QCOMPARE(bar->status_label()->text(), "2" + of);
    // From a grid to a match on the other page and back: the focus that leaves the hidden page
    // for a grid of the new one must not click a row there.
    const std::pair<Qt::KeyboardModifier, std::size_t> steps[]
            = {{Qt::ShiftModifier, 0},
               {Qt::ShiftModifier, found.size() - 1},
               {Qt::NoModifier, 0},
               {Qt::NoModifier, 1}};
    for (const auto &[modifier, match] : steps) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3, modifier);
        QVERIFY(shown(found[match]));
    }
    Version_Edit(window)->setFocus();
    QTest::keyClick(Version_Edit(window), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), QStringLiteral("rA"));
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("\u20AC"), {});
    QCOMPARE(bar->status_label()->text(), QStringLiteral("No program matches"));
    QVERIFY(shown(found[1]));
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), Version_Edit(window));
}

QTEST_MAIN(TestMainLists)
#include "tst_main_lists.moc"

// F6 visits the lists of each page in the order the page shows them, Tab reaches every one of
// them, and Ctrl+PgDn and Ctrl+PgUp change the page; the focused list wears the frame.
void TestMainLists::keyboardReachesEveryList()
{
    TFormMain &window = m_f->window;
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto *route = window.findChild<KeyboardRoute *>();
    QVERIFY(route);
    for (const int page : {0, 1}) {
        QCOMPARE(Page_Control(window)->currentIndex(), page);
        const QList<QWidget *> lists = route->Page_Lists();
        QCOMPARE(lists.size(), page == 0 ? 6 : 5);
        lists.front()->setFocus();
        for (qsizetype i = 1; i <= lists.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
            QCOMPARE(QApplication::focusWidget(), lists[i % lists.size()]);
            QCOMPARE(route->framed(), lists[i % lists.size()]);
        }
        QSet<QWidget *> tabbed;
        for (int i = 0; i < 40 && tabbed.size() < lists.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (lists.contains(QApplication::focusWidget()))
                tabbed.insert(QApplication::focusWidget());
        }
        QCOMPARE(tabbed.size(), lists.size());
        lists.back()->setFocus();
        QTest::keyClick(lists.back(), page == 0 ? Qt::Key_PageDown : Qt::Key_PageUp,
                        Qt::ControlModifier);
        QCOMPARE(Page_Control(window)->currentIndex(), 1 - page);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(Page_Control(window)->currentIndex(), 1);
    Page_Control(window)->setCurrentIndex(0);
}

// What a screen reader says for every grid, list and tool button, the tool buttons' tips, and
// the tips of the symbol titles.
void TestMainLists::everyControlHasAnAccessibleName()
{
    TFormMain &window = m_f->window;
    QWidgetList controls;
    for (QAbstractItemView *view : window.findChildren<QAbstractItemView *>())
        if (!view->objectName().isEmpty()) // not the views inside Qt's own widgets
            controls.append(view);
    for (QToolButton *button : window.findChildren<QToolButton *>())
        if (button->objectName().startsWith("TB_"))
            controls.append(button);
    QVERIFY(controls.size() >= 7 + 4 + 4);
    for (const QWidget *control : controls)
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    for (QToolButton *button : window.findChildren<QToolButton *>())
        if (button->objectName().startsWith("TB_"))
            QVERIFY(!button->toolTip().isEmpty());

    QTableView *sat = Grid("SG_S_Sat");
    Click_Row(sat, 2);
    const QString name = sat->model()->index(2, 1).data().toString().trimmed();
    QCOMPARE(Grid("SG_S_TP")->accessibleName(), "Transponders of " + name);
    for (const int column : {0, 2})
        QVERIFY(!Grid("SG_S_TV")
                         ->model()
                         ->headerData(column, Qt::Horizontal, Qt::ToolTipRole)
                         .toString()
                         .isEmpty());
}
