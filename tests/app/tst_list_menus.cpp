// The context menus of the main window's lists over the sample database: their items,
// captions, images and shortcuts, the enabling when they open, the Del key, the filter, and
// the add commands through the real dialogs.

#include "dialog_driver.h"
#include "gui_fixtures.h"

#include "views/captions.h"
#include "views/edit_messages.h"
#include "views/grid_model.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

using namespace orvane;
using namespace orvane::test;

namespace {

QStringList Captions(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions()) {
        QString line = action->text();
        if (!action->icon().isNull())
            line += " [image]";
        if (!action->shortcut().isEmpty())
            line += " [" + action->shortcut().toString() + "]";
        if (action->menu())
            line += " > " + Captions(action->menu()).join(", ");
        if (!action->isEnabled())
            line += " (off)";
        captions << line;
    }
    return captions;
}

} // namespace

class TestListMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Quiet_Platform_Warnings(); }
    void menus_as_built();
    void tp_menu_by_page();
    void pointer_rules_data();
    void pointer_rules();
    void del_key_follows_the_menu();
    void filter_toggle_focuses_satellites();
    void new_transponder_through_the_dialog();
    void new_radio_through_the_dialog();
};

void TestListMenus::menus_as_built()
{
    WindowFixture f;
    const ListMenus &m = f.window.list_menus();
    QCOMPARE(Captions(m.PM_Sate), (QStringList{"Show active satellites", "Change Sat data [image]",
                                               "View sorted by > Original (off), Longitude (off), "
                                               "Names(Alphabetic) (off) (off)"}));
    QCOMPARE(Captions(m.PM_TP),
             (QStringList{"Change Tp data [image]", "New > TP, TV , Radio",
                          "Delete Tp [image] [Del]", "Delete all empty transponders"}));
    // The order commands follow the specified items after a separator.
    const QStringList order{"",
                            "Move up [Ctrl+Up]",
                            "Move down [Ctrl+Down]",
                            "Move to top [Ctrl+Home]",
                            "Move to bottom [Ctrl+End]",
                            "Move to number...",
                            "Sort by name",
                            "Sort by service id",
                            "Delete selected programs [Shift+Del]",
                            "Order like another file..."};
    QCOMPARE(Captions(m.PM_Tv),
             (QStringList{"Change TV data [image]", "New TV", "Delete Tv [image] [Del]"} + order));
    QCOMPARE(Captions(m.PM_Radio),
             (QStringList{"Change Radio data [image]", "New Radio", "Delete Radio [image] [Del]"}
              + order));
}

void TestListMenus::tp_menu_by_page()
{
    WindowFixture f;
    QVERIFY(f.Open_Shown_Sample());
    const ListMenus &m = f.window.list_menus();
    f.window.PM_TPPopup();
    QCOMPARE(m.New_Tp->text(), QStringLiteral("Satellites Tp"));
    QCOMPARE(m.Delete_Tp->text(), QStringLiteral("Delete Satellites Tp"));
    QVERIFY(!m.New_Tp->isEnabled()); // no satellite selected
    QVERIFY(m.Del_All_Empty_Tp->isEnabled());
    QVERIFY(!m.Delete_Tp->isEnabled()); // the row was not clicked before the menu opened
    f.window.PM_TPPopup();
    QVERIFY(m.Delete_Tp->isEnabled());
    Page_Control(f.window)->setCurrentIndex(1);
    f.window.PM_TPPopup();
    QCOMPARE(m.New_Tp->text(), QStringLiteral("Terrestrial Tp"));
    QCOMPARE(m.Delete_Tp->text(), QStringLiteral("Delete Terrestrial Tp"));
    QVERIFY(m.New_Tp->isEnabled());
}

// The row under the pointer is the row a command acts on. Each case selects `selected` (model
// rows of the TV grid, the first current), then right-clicks `clicked` (opening the menu and
// closing it) or, when `clicked` is -1, presses Del; the rows selected and current afterwards,
// the question asked and how many programs are gone.
void TestListMenus::pointer_rules_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QList<int>>("selected_after");
    QTest::addColumn<int>("current_after");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("deleted");
    const QString none;
    const QString one = QString::fromUtf8(msg::kConfirmDeleteProgram);
    const QString several = QString::fromUtf8(msg::kConfirmDeletePrograms);
    QTest::newRow("right-click an unselected row")
            << QList<int>{1} << 13 << QList<int>{13} << 13 << none << 0;
    QTest::newRow("right-click a row of a selection")
            << QList<int>{2, 3, 4} << 4 << QList<int>{2, 3, 4} << 4 << none << 0;
    QTest::newRow("right-click beside a selection")
            << QList<int>{2, 3, 4} << 6 << QList<int>{6} << 6 << none << 0;
    QTest::newRow("Del, one selected") << QList<int>{3} << -1 << QList<int>{3} << 3 << one << 1;
    QTest::newRow("Del, three selected")
            << QList<int>{2, 3, 4} << -1 << QList<int>{2} << 2 << several << 3;
}

void TestListMenus::pointer_rules()
{
    QFETCH(QList<int>, selected);
    QFETCH(int, clicked);
    QFETCH(QList<int>, selected_after);
    QFETCH(int, current_after);
    QFETCH(QString, question);
    QFETCH(int, deleted);
    WindowFixture f;
    QVERIFY(f.Open_Shown_Sample());
    QTableView *tv = f.window.page_widgets(kSatellitesPage).tv;
    Focus_Row(tv, selected.front());
    for (const int row : selected)
        tv->selectionModel()->select(tv->model()->index(row, 1),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const int before = f.window.database().Program_Count;
    if (clicked >= 0) {
        QMenu *popped = nullptr;
        QTimer::singleShot(0, [&] {
            popped = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (popped)
                popped->close();
        });
        // The right press, then the context-menu event the window system sends after it.
        const QModelIndex index = tv->model()->index(clicked, 1);
        tv->scrollTo(index);
        const QPoint at = tv->visualRect(index).center();
        QTest::mousePress(tv->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, tv->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tv->viewport(), &event);
        QCOMPARE(popped, f.window.list_menus().PM_Tv);
        // The menu is the clicked program's: its commands are enabled, the info pane shows it.
        QVERIFY(f.window.list_menus().Delete_Tv->isEnabled());
        QVERIFY(f.window.list_menus().Change_TV->isEnabled());
        const auto *model = static_cast<const GridModel *>(tv->model());
        const int slot = f.window.views().Row_Slot(GridId::Tv, model->Grid_Row(clicked));
        const std::string &name = f.window.database().rows.programs[slot].Name;
        const auto &info = f.window.views().Page_Lists().info_lines;
        QVERIFY(std::any_of(info.begin(), info.end(), [&](const std::string &line) {
            return line.find(name) != std::string::npos;
        }));
    } else {
        f.ui.Push_Answer(true);
        QTest::keyClick(tv, Qt::Key_Delete);
    }
    QCOMPARE(f.ui.questions(), question.isEmpty() ? QStringList{} : QStringList{question});
    QCOMPARE(f.window.database().Program_Count, before - deleted);
    QList<int> rows;
    for (const QModelIndex &index : tv->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, selected_after);
    QCOMPARE(tv->currentIndex().row(), current_after);
    QCOMPARE(f.window.focusWidget(), tv);
}

void TestListMenus::del_key_follows_the_menu()
{
    WindowFixture f;
    QVERIFY(f.Open_Shown_Sample());
    const ListMenus &m = f.window.list_menus();
    QVERIFY(m.Delete_Tp->isEnabled() && m.Delete_Tv->isEnabled() && m.Delete_Radio->isEnabled());
    const PageWidgets &page = f.window.page_widgets(kSatellitesPage);

    // The radio menu opened without a clicked row disables its delete command: Del does nothing.
    f.window.PM_RadioPopup();
    QVERIFY(!m.Delete_Radio->isEnabled());
    page.radio->setFocus();
    QTest::keyClick(page.radio, Qt::Key_Delete);
    QCOMPARE(f.ui.questions(), QStringList{});

    // A clicked TV row: the menu enables Delete, and Del asks and deletes it.
    Focus_Row(page.tv, 1);
    f.window.PM_TvPopup();
    QVERIFY(m.Delete_Tv->isEnabled());
    const int before = f.window.database().Program_Count;
    f.ui.Push_Answer(true);
    QTest::keyClick(page.tv, Qt::Key_Delete);
    QCOMPARE(f.ui.questions(), QStringList{msg::kConfirmDeleteProgram});
    QCOMPARE(f.ui.shown().last().buttons, Ui_Services::Buttons::YesNo);
    QCOMPARE(f.window.database().Program_Count, before - 1);
    QVERIFY(f.window.view_state().Data_Modified);
}

void TestListMenus::filter_toggle_focuses_satellites()
{
    WindowFixture f;
    QVERIFY(f.Open_Shown_Sample());
    const ListMenus &m = f.window.list_menus();
    const PageWidgets &page = f.window.page_widgets(kSatellitesPage);
    Focus_Row(page.sat, 5);
    page.tv->setFocus();
    f.window.PM_SatePopup();
    QVERIFY(m.Show_Act_Sat->isEnabled() && m.Change_Sat->isEnabled());
    QCOMPARE(f.window.views().Page_Lists().info_lines.size(), std::size_t{0});
    m.Show_Act_Sat->trigger();
    QVERIFY(f.window.view_state().Show_Active_Only);
    QVERIFY(page.sat->hasFocus());
    QCOMPARE(page.sat->currentIndex().row(), 0);
    f.window.PM_SatePopup();
    QCOMPARE(m.Show_Act_Sat->text(), QString::fromUtf8(caption::kShowAllSatellites));
    Page_Control(f.window)->setCurrentIndex(1);
    Page_Control(f.window)->setCurrentIndex(0);
    QVERIFY(!f.window.view_state().Show_Active_Only);
    f.window.PM_SatePopup();
    QCOMPARE(m.Show_Act_Sat->text(), QString::fromUtf8(caption::kShowActiveSatellites));
}

void TestListMenus::new_transponder_through_the_dialog()
{
    WindowFixture f;
    QVERIFY(f.Open_Shown_Sample());
    const PageWidgets &page = f.window.page_widgets(kSatellitesPage);
    Focus_Row(page.sat, 2); // the second satellite
    f.window.PM_TPPopup();
    const ListMenus &m = f.window.list_menus();
    QVERIFY(m.New_Tp->isEnabled());
    const int rows = page.tp->model()->rowCount();
    const bool shown = Run_Dialog([&] { m.New_Tp->trigger(); },
                                  [](QDialog *dialog) {
                                      Find<QLineEdit>(dialog, "Edit_Fre")->setText("12345");
                                      Find<QLineEdit>(dialog, "Edit_Sym")->setText("27500");
                                      Find<QAbstractButton>(dialog, "SB_OK")->click();
                                  });
    QVERIFY(shown);
    QCOMPARE(f.ui.errors(), QStringList{});
    QCOMPARE(page.tp->model()->rowCount(), rows + 1);
    // The grid has the focus once the window is active again.
    QCOMPARE(f.window.focusWidget(), page.tp);
    QCOMPARE(page.tp->currentIndex().row(), rows);
    QVERIFY(page.tp->model()->index(rows, 1).data().toString().contains("12345"));
    QVERIFY(f.window.view_state().Data_Modified);
    // The new row has had its click: the info pane shows it and the menus offer its commands.
    QVERIFY(List_Dump(page.info).join('\n').contains("12345"));
    f.window.PM_TPPopup();
    QVERIFY(m.Change_Tp->isEnabled() && m.Delete_Tp->isEnabled() && m.New_Tp_Tv->isEnabled());
    f.window.PM_TvPopup();
    QVERIFY(m.New_Tv->isEnabled());
}

void TestListMenus::new_radio_through_the_dialog()
{
    WindowFixture f;
    QVERIFY(f.Open_Shown_Sample());
    const PageWidgets &page = f.window.page_widgets(kSatellitesPage);
    Focus_Row(page.tp, 1); // the transponder's click selects it
    f.window.PM_RadioPopup();
    const ListMenus &m = f.window.list_menus();
    QVERIFY(m.New_Radio->isEnabled());
    const int before = f.window.database().Program_Count;
    const bool shown = Run_Dialog([&] { m.New_Radio->trigger(); },
                                  [](QDialog *dialog) {
                                      Find<QLineEdit>(dialog, "Edit_Name")->setText("Fresh");
                                      for (const char *pid : {"Edit_PCR", "Edit_Pvt", "Edit_Vid",
                                                              "Edit_Aud", "Edit_Pmt", "Edit_SID"})
                                          Find<QLineEdit>(dialog, pid)->setText("100");
                                      Find<QAbstractButton>(dialog, "SB_OK")->click();
                                  });
    QVERIFY(shown);
    QVERIFY2(f.ui.errors().isEmpty(), qPrintable(f.ui.errors().join('|')));
    QCOMPARE(f.window.database().Program_Count, before + 1);
    QCOMPARE(f.window.focusWidget(), page.radio);
    const QModelIndex current = page.radio->currentIndex();
    QCOMPARE(current.siblingAtColumn(1).data().toString(), QStringLiteral("Fresh"));
}

QTEST_MAIN(TestListMenus)
#include "tst_list_menus.moc"
