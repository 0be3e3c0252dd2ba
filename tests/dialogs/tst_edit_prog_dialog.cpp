// The program dialog on screen: change mode through the main window's openers on the sample
// database, add mode at the dialog level, the refused input, Enter as OK, every way out as
// Cancel, and its size on a small screen.

#include "dialogs/EditProg.h"
#include "window_test_case.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace orvane;
using namespace orvane::test;

namespace {

QLineEdit *Edit(QWidget *dialog, const char *name)
{
    return dialog->findChild<QLineEdit *>(QLatin1String(name));
}

// Runs `act` on the program dialog as soon as its modal loop runs. A dialog that does not
// appear fails the test instead of blocking it.
void When_Dialog_Opens(std::function<void(TFormEditProg *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<TFormEditProg *>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "the program dialog did not open");
        act(dialog);
        if (dialog->isVisible())
            dialog->reject(); // never leave the modal loop running
    });
}

QByteArray Record_Bytes(const ProgramRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(record.data()),
                      static_cast<qsizetype>(record.size()));
}

} // namespace

class TestEditProgDialog : public WindowTestCase
{
    Q_OBJECT

public:
    TestEditProgDialog()
        : WindowTestCase({.answers_checked = false})
    {}

private slots:
    void changeThroughOpenerWritesRecordGridAndInfo();
    void refusedInputWritesNothing();
    void radioOpenerShowsRadioProgram();
    void terrestrialProgramShowsItsTransponder();
    void addModeAppendsProgram();
    void everyWayOutIsCancel_data();
    void everyWayOutIsCancel();
    void tabOrderFollowsLayout();
    void fitsSmallScreen_data();
    void fitsSmallScreen();

private:
    int Current_Slot(GridId grid) const
    {
        MainViews &views = m_f->window.views();
        return views.Row_Slot(grid, views.cursor(grid).current_row);
    }
    // Enter on a grid of the satellite page opens its program's dialog.
    void Open_From(const char *grid_name, int model_row)
    {
        QTableView *grid = Grid(grid_name);
        Set_Current_Row(grid, model_row);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
    }
};

void TestEditProgDialog::changeThroughOpenerWritesRecordGridAndInfo()
{
    Set_Current_Row(Grid("SG_S_TV"), 0);
    const int slot = Current_Slot(GridId::Tv);
    QVERIFY(slot >= 0);
    const QByteArray before = Record_Bytes(Db().raw.programs[static_cast<std::size_t>(slot)]);
    QStringList seen;
    When_Dialog_Opens([&seen](TFormEditProg *dialog) {
        seen << dialog->windowTitle() << Edit(dialog, "Edit_Name")->text()
             << Edit(dialog, "Edit_Vid")->text() << Edit(dialog, "Edit_Aud")->text()
             << Edit(dialog, "Edit_CA0")->text();
        Edit(dialog, "Edit_Name")->setText(QStringLiteral("Velora Prime"));
        Edit(dialog, "Edit_SID")->setText(QStringLiteral("-5"));
        dialog->findChild<QCheckBox *>(QStringLiteral("ChB_Lock"))->setChecked(true);
        QTest::keyClick(Edit(dialog, "Edit_PCR"), Qt::Key_Return); // Enter acts as OK
    });
    Open_From("SG_S_TV", 0);

    QCOMPARE(seen, (QStringList{"Change channel data", "Velora One", "256", "257",
                                "The Program is free!"}));
    QVERIFY(m_f->ui.failures().isEmpty());
    QVERIFY(m_f->ui.errors().isEmpty());
    QVERIFY(View().Edit_Accepted);
    QVERIFY(View().Data_Modified);
    const ProgramRecord &record = Db().raw.programs[static_cast<std::size_t>(slot)];
    QCOMPARE(Read_Field(record, prog::Service_Id), 5u);
    QCOMPARE(Read_Field(record, prog::Locked), 1u);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(record.data()) + 20, 13),
             QByteArray("Velora Prime\0", 13));
    // Only the name, W0's lock bit and the service id changed.
    const QByteArray after = Record_Bytes(record);
    QCOMPARE(after.mid(8, 12), before.mid(8, 12));
    QCOMPARE(after.mid(36), before.mid(36));
    QVERIFY(Model_Dump(Grid("SG_S_TV")->model()).join(u'\n').contains(u"Velora Prime"));
    const auto *info = m_f->window.findChild<QListWidget *>(QStringLiteral("LB_S_Info"));
    QVERIFY(List_Dump(info).contains(QStringLiteral("【Program Name】:Velora Prime")));
}

void TestEditProgDialog::refusedInputWritesNothing()
{
    Set_Current_Row(Grid("SG_S_TV"), 1);
    const int slot = Current_Slot(GridId::Tv);
    const QByteArray before = Record_Bytes(Db().raw.programs[static_cast<std::size_t>(slot)]);
    QString pcr_after, focused;
    bool still_open = false;
    When_Dialog_Opens([&](TFormEditProg *dialog) {
        Edit(dialog, "Edit_PCR")->setText(QStringLiteral("8192"));
        Edit(dialog, "Edit_SID")->setText(QStringLiteral("70000"));
        dialog->findChild<QPushButton *>(QStringLiteral("SB_OK"))->click();
        pcr_after = Edit(dialog, "Edit_PCR")->text();
        focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
        still_open = dialog->isVisible();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    Open_From("SG_S_TV", 1);

    QCOMPARE(m_f->ui.errors(), QStringList{"Illegal Data!"});
    QCOMPARE(pcr_after, QString());
    QCOMPARE(focused, QStringLiteral("Edit_PCR"));
    QVERIFY(still_open);
    QVERIFY(!View().Edit_Accepted);
    QVERIFY(!View().Data_Modified);
    QCOMPARE(Record_Bytes(Db().raw.programs[static_cast<std::size_t>(slot)]), before);
}

void TestEditProgDialog::radioOpenerShowsRadioProgram()
{
    Set_Current_Row(Grid("SG_S_Radio"), 0);
    const int slot = Current_Slot(GridId::Radio);
    QVERIFY(slot >= 0);
    QString name;
    When_Dialog_Opens([&name](TFormEditProg *dialog) {
        name = Edit(dialog, "Edit_Name")->text();
        dialog->findChild<QPushButton *>(QStringLiteral("SB_Cancel"))->click();
    });
    Open_From("SG_S_Radio", 0);
    QCOMPARE(name.toLatin1().toStdString(),
             Db().rows.programs[static_cast<std::size_t>(slot)].Name);
    QVERIFY(View().Radio_Selected);
    QVERIFY(!View().Data_Modified);
}

void TestEditProgDialog::terrestrialProgramShowsItsTransponder()
{
    Page_Control(m_f->window)->setCurrentIndex(1);
    QCOMPARE(View().View_Mode, kTerrestrialPage);
    Set_Current_Row(Grid("SG_T_TV"), 0);
    const int slot = Current_Slot(GridId::Tv);
    QVERIFY(slot >= 0);
    const TProg_Info_String &row = Db().rows.programs[static_cast<std::size_t>(slot)];
    const TTer_Tp_Info_String &tp = Db().rows.ter_tps[static_cast<std::size_t>(row.Tp_Index)];
    bool s_panel = true, t_panel = false;
    QString frequency;
    int bandwidth = -1;
    When_Dialog_Opens([&](TFormEditProg *dialog) {
        s_panel = dialog->findChild<QWidget *>(QStringLiteral("Panel_S_TP"))->isVisibleTo(dialog);
        t_panel = dialog->findChild<QWidget *>(QStringLiteral("Panel_T_TP"))->isVisibleTo(dialog);
        frequency = Edit(dialog, "Edit_T_Fre")->text();
        bandwidth = dialog->findChild<QComboBox *>(QStringLiteral("CB_Width"))->currentIndex();
        Edit(dialog, "Edit_Vid")->setText(QStringLiteral("8191"));
        QTest::keyClick(Edit(dialog, "Edit_Vid"), Qt::Key_Enter);
    });
    Open_From("SG_T_TV", 0);
    QVERIFY(!s_panel);
    QVERIFY(t_panel);
    QCOMPARE(frequency, QString::fromStdString(tp.Frequency));
    QCOMPARE(bandwidth, int(tp.Bandwidth));
    const ProgramRecord &record = Db().raw.programs[static_cast<std::size_t>(slot)];
    QCOMPARE(Read_Field(record, prog::Video_Pid), 8191u);
    QCOMPARE(Read_Field(record, prog::Tp_Kind), prog::kKindTerrestrial);
    QVERIFY(View().Data_Modified);
}

void TestEditProgDialog::addModeAppendsProgram()
{
    const int count = Db().Program_Count;
    View().Is_New_TV = true;
    TFormEditProg dialog(Db(), View(), m_f->ui, ProgHandOver{count, 7});
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Addition channel data"));
    QCOMPARE(Edit(&dialog, "Edit_Name")->text(), QString());
    QCOMPARE(Edit(&dialog, "Edit_S_Fre")->text(),
             QString::fromStdString(Db().rows.sat_tps[7].Frequency));
    Edit(&dialog, "Edit_Name")->setText(QStringLiteral("ABCDEFGHIJKLMNO"));
    for (const auto &[name, text] : {std::pair{"Edit_PCR", "8191"},
                                     {"Edit_Pvt", "0"},
                                     {"Edit_Vid", "0"},
                                     {"Edit_Aud", "8191"},
                                     {"Edit_Pmt", "32"},
                                     {"Edit_SID", "1234"}})
        Edit(&dialog, name)->setText(QLatin1String(text));
    dialog.findChild<QCheckBox *>(QStringLiteral("ChB_Fav3"))->setChecked(true);
    dialog.findChild<QPushButton *>(QStringLiteral("SB_OK"))->click();

    QVERIFY(m_f->ui.errors().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Db().Program_Count, count + 1);
    QVERIFY(View().TV_Added);
    QVERIFY(!View().Is_New_TV);
    QVERIFY(!View().Edit_Accepted);
    const ProgramRecord &record = Db().raw.programs[static_cast<std::size_t>(count)];
    QCOMPARE(Read_Field(record, prog::Tp_Index), 7u);
    QCOMPARE(Read_Field(record, prog::Pcr_Pid), 8191u);
    QCOMPARE(Read_Field(record, prog::Audio_Pid), 8191u);
    QCOMPARE(Read_Field(record, prog::Favourite_Mask), 4u);
    QCOMPARE(Db().rows.programs[static_cast<std::size_t>(count)].Name,
             std::string("ABCDEFGHIJKLMNO"));
}

void TestEditProgDialog::everyWayOutIsCancel_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Escape") << 0;
    QTest::newRow("window close") << 1;
    QTest::newRow("Cancel button") << 2;
}

void TestEditProgDialog::everyWayOutIsCancel()
{
    QFETCH(int, way);
    const int count = Db().Program_Count;
    const QByteArray free_slot = Record_Bytes(Db().raw.programs[static_cast<std::size_t>(count)]);
    View().Is_New_Radio = true;
    View().Radio_Added = true; // left from an earlier add: Cancel clears it
    TFormEditProg dialog(Db(), View(), m_f->ui, ProgHandOver{count, 0});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Edit(&dialog, "Edit_PCR")->setText(QStringLiteral("1"));
    if (way == 0)
        QTest::keyClick(Edit(&dialog, "Edit_PCR"), Qt::Key_Escape);
    else if (way == 1)
        dialog.close();
    else
        dialog.findChild<QPushButton *>(QStringLiteral("SB_Cancel"))->click();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!View().Is_New_Radio && !View().Radio_Added && !View().Is_New_TV);
    QCOMPARE(Db().Program_Count, count);
    QCOMPARE(Record_Bytes(Db().raw.programs[static_cast<std::size_t>(count)]), free_slot);
}

void TestEditProgDialog::tabOrderFollowsLayout()
{
    TFormEditProg dialog(Db(), View(), m_f->ui, ProgHandOver{0, 0});
    QStringList order;
    QWidget *widget = Edit(&dialog, "Edit_Name");
    while (order.size() < 11) {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(order,
             (QStringList{"Edit_Name", "Edit_PCR", "Edit_Pvt", "Edit_Vid", "Edit_Aud", "Edit_Pmt",
                          "Edit_SID", "ChB_Ski", "ChB_Lock", "ChB_Fav1", "ChB_Fav2"}));
}

void TestEditProgDialog::fitsSmallScreen_data()
{
    QTest::addColumn<QString>("grid");
    QTest::newRow("satellite program") << "SG_S_TV";
    QTest::newRow("terrestrial program") << "SG_T_TV";
}

// A 1366 x 768 screen less a task bar shows the whole dialog, its buttons included.
void TestEditProgDialog::fitsSmallScreen()
{
    QFETCH(QString, grid);
    if (grid.startsWith(QLatin1String("SG_T")))
        Page_Control(m_f->window)->setCurrentIndex(1);
    QSize hint;
    QSize shown;
    QStringList buttons_out;
    When_Dialog_Opens([&](TFormEditProg *dialog) {
        hint = dialog->sizeHint();
        shown = dialog->frameGeometry().size();
        for (const auto *button : dialog->findChildren<QAbstractButton *>()) {
            const QRect area(button->mapTo(dialog, QPoint()), button->size());
            if (!dialog->rect().contains(area)
                || button->visibleRegion() != QRegion(button->rect()))
                buttons_out << button->objectName();
        }
    });
    Open_From(qPrintable(grid), 0);
    const QSize task_bar_less(1366, 720);
    QVERIFY2(hint.boundedTo(task_bar_less) == hint, qPrintable(QDebug::toString(hint)));
    QVERIFY2(shown.boundedTo(task_bar_less) == shown, qPrintable(QDebug::toString(shown)));
    QCOMPARE(buttons_out, QStringList{}); // check boxes too, each whole and unclipped
}

QTEST_MAIN(TestEditProgDialog)
#include "tst_edit_prog_dialog.moc"
