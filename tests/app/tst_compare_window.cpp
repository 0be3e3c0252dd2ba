// The compare window: the jump from a change of each table to its
// entry in the open database (a removed one going nowhere), the comparison following an edit
// of the open database, and the backup list's "Compare..." button.

#include "app/compare_window.h"
#include "app/controllers/compare_commands.h"
#include "channel_fixtures.h"
#include "tools/sample_database.h"
#include "window_test_case.h"

#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

Q_DECLARE_METATYPE(orvane::CompareTable)

class TestCompareWindow : public WindowTestCase
{
    Q_OBJECT

private slots:
    void jump_to_entry_data();
    void jump_to_entry();
    void follows_edits_and_compares_backups();

private:
    // The sample with one entry of each table changed and one program more, opened in the
    // compare window against the open sample.
    CompareWindow *Compare_With_Edited_Sample();
};

CompareWindow *TestCompareWindow::Compare_With_Edited_Sample()
{
    auto other = Make_Channel_Database();
    Build_Sample_Database(*other, FileKind::ChannelData);
    Write_Field(other->raw.satellites[1], sat::Longitude, 193);
    Edit_Sat_Transponder(*other, 0, {std::nullopt, 5, 27000, 10714});
    Edit_Ter_Transponder(*other, 0, {482000, 0}, "482000");
    Set_Program_Field(*other, 3, prog::Video_Pid, 300);
    Write_Favourite_Name(other->raw.favourite_names[2], "Films");
    Add_Program(*other, {.tp = 0, .name = "Gone"});
    const QString path = m_f->Path(QStringLiteral("OTHER.BIN"));
    const SavedFiles saved = Save_Database_Bytes(*other);
    if (!Write_File(path, QByteArray(reinterpret_cast<const char *>(saved.target.data()),
                                     static_cast<qsizetype>(saved.target.size()))))
        return nullptr;
    m_f->ui.Push_Open_File(path);
    CompareCommands &commands = Controller_Of<CompareCommands>(m_f->window);
    commands.compare_action()->trigger();
    return commands.compare_window();
}

void TestCompareWindow::jump_to_entry_data()
{
    QTest::addColumn<CompareTable>("table");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("focus");
    using T = CompareTable;
    QTest::newRow("satellite") << T::Satellites << "changed" << 1 << "SG_S_Sat";
    QTest::newRow("satellite transponder") << T::Sat_Transponders << "changed" << 0 << "SG_S_TP";
    QTest::newRow("terrestrial transponder") << T::Ter_Transponders << "changed" << 0 << "SG_T_TP";
    QTest::newRow("program") << T::Programs << "changed" << 3 << "SG_S_TV";
    QTest::newRow("favourite group") << T::Favourite_Groups << "changed" << 2 << "LB_T_FAV";
    QTest::newRow("removed program") << T::Programs << "removed" << kNoCompareSlot << "";
}

// Enter on the change's line in the tree, as the user goes there.
void TestCompareWindow::jump_to_entry()
{
    QFETCH(CompareTable, table);
    QFETCH(QString, kind);
    QFETCH(int, slot);
    QFETCH(QString, focus);
    TFormMain &window = m_f->window;
    Page_Control(window)->setCurrentIndex(1);
    Focus_Row(Grid("SG_T_TV"), 1);
    CompareWindow *compare = Compare_With_Edited_Sample();
    QVERIFY(compare && compare->isVisible());
    QCOMPARE(compare->summary_label()->text().section('\n', 1),
             "0 added, 1 removed, 5 changed, 0 moved");
    QTreeWidget *tree = compare->tree();
    QTreeWidgetItem *line = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it != nullptr && line == nullptr; ++it) {
        QTreeWidgetItem *kind_item = (*it)->parent();
        if ((*it)->childCount() == 0 && kind_item != nullptr
            && kind_item->parent()->data(0, Qt::UserRole + 1).toInt() == static_cast<int>(table)
            && kind_item->text(0).startsWith(kind, Qt::CaseInsensitive))
            line = *it;
    }
    QVERIFY(line);
    tree->setCurrentItem(line);
    QTest::keyClick(tree, Qt::Key_Return);
    if (focus.isEmpty()) {
        QCOMPARE(Grid("SG_T_TV")->currentIndex().row(), 1);
        return;
    }
    // The main window comes forward, which the platform may finish later.
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    MainViews &views = window.views();
    if (table == CompareTable::Favourite_Groups) {
        QCOMPARE(List("LB_T_FAV")->currentRow(), slot);
        return;
    }
    const GridId grid = focus.endsWith("Sat")  ? GridId::Sat
                        : focus.endsWith("TP") ? GridId::Tp
                                               : GridId::Tv;
    QCOMPARE(views.Row_Slot(grid, views.cursor(grid).current_row), slot);
}

// An edit of the open database is compared at once; a backup is compared over the backup
// list before anything is restored, and the open database stays as it was.
void TestCompareWindow::follows_edits_and_compares_backups()
{
    TFormMain &window = m_f->window;
    CompareWindow *compare = Compare_With_Edited_Sample();
    QVERIFY(compare);
    compare->Set_Filter(CompareWindow::Filter::Removed);
    QCOMPARE(compare->tree()->topLevelItem(0)->text(0), "Programs (1)");
    Page_Control(window)->setCurrentIndex(0);
    Focus_Row(Grid("SG_S_TV"), 0);
    const int programs = Db().Program_Count;
    m_f->ui.Push_Answer(true);
    window.Delete_TvClick();
    QCOMPARE(Db().Program_Count, programs - 1);
    QCOMPARE(compare->summary_label()->text().section('\n', 1),
             "0 added, 2 removed, 5 changed, 0 moved");
    QCOMPARE(compare->tree()->topLevelItemCount(), 1);

    window.findChild<QAction *>("PMSave")->trigger();
    const QByteArray saved = Read_File(m_f->Path("CHANNEL_DATA.BIN"));
    m_f->ui.Push_Choice_Action(0);
    m_f->ui.Push_Choice(-1);
    window.findChild<QAction *>("PMRestoreBackup")->trigger();
    CompareWindow *backup = nullptr;
    for (CompareWindow *shown : window.findChildren<CompareWindow *>())
        if (shown != compare)
            backup = shown;
    QVERIFY(backup && backup->isVisible());
    QVERIFY(backup->windowTitle().contains("CHANNEL_DATA"));
    QCOMPARE(backup->summary_label()->text().section('\n', 1),
             "0 added, 1 removed, 0 changed, 0 moved");
    QCOMPARE(Read_File(m_f->Path("CHANNEL_DATA.BIN")), saved);
    QCOMPARE(Db().Program_Count, programs - 1);
}

QTEST_MAIN(TestCompareWindow)
#include "tst_compare_window.moc"
