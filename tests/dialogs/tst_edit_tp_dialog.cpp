// The transponder dialogs as the user meets them: opened with Enter on the transponder grid
// of either page of a window with the sample database, typed into, confirmed with Enter or
// OK, refused, cancelled; add mode on the dialog itself, since its New command comes later.
// Last, the keyboard focus of every edit dialog as it opens, and its buttons under Tab.

#include "dbase/bit_field.h"
#include "dbase/decode.h"
#include "dialogs/Edit_S_TP.h"
#include "dialogs/Edit_T_TP.h"
#include "views/list_texts.h"
#include "window_test_case.h"

#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

using namespace orvane;
using namespace orvane::test;

namespace {

// Runs `act` on the modal dialog that `open` brings up. A dialog that `act` leaves open is
// cancelled, so that a failing test never blocks.
void With_Modal_Dialog(const std::function<void()> &open, const std::function<void(QDialog *)> &act)
{
    bool reached = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        reached = true;
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    open();
    QVERIFY2(reached, "no modal dialog came up");
}

template<typename T>
T *Child(QDialog *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

void Click_Button(QDialog *dialog, const char *name)
{
    Child<QToolButton>(dialog, name)->click();
}

QStringList Tab_Order(QWidget *first)
{
    QStringList names;
    QWidget *widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled())
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first && names.size() < 20);
    return names;
}

int Free_Sat_Tp_Slot(const ChannelDatabase &db)
{
    for (int t = 0; t < kSatTransponderSlots; ++t)
        if (Read_Field(db.raw.sat_tps[t], sat_tp::In_Use) == 0)
            return t;
    return -1;
}

int Free_Ter_Tp_Slot(const ChannelDatabase &db)
{
    for (int t = 0; t < kTerTransponderSlots; ++t)
        if (Read_Field(db.raw.ter_tps[t], ter_tp::In_Use) == 0)
            return t;
    return -1;
}

// What the keyboard user meets in a dialog that has just opened: whether a focused OK looks
// different from an unfocused one, then the focused field and where the focus goes with
// Shift+Tab, Shift+Tab, Tab and Tab.
QStringList Focus_Walk(QDialog *dialog)
{
    const bool active
            = QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; });
    QWidget *field = dialog->focusWidget();
    if (!active || !field)
        return {};
    auto *ok = Child<QAbstractButton>(dialog, "SB_OK");
    const QImage plain = ok->grab().toImage();
    ok->setFocus(Qt::MouseFocusReason); // as by a click: no style marks the focus yet
    QStringList walk{ok->grab().toImage() != plain ? "marked" : "unmarked", field->objectName()};
    field->setFocus();
    for (const Qt::Key key : {Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Tab, Qt::Key_Tab}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        walk << QApplication::focusWidget()->objectName();
    }
    return walk;
}

} // namespace

class TestEditTpDialog : public WindowTestCase
{
    Q_OBJECT

private slots:
    void satChangeWithEnter();
    void satRefusalKeepsDialogOpen_data();
    void satRefusalKeepsDialogOpen();
    void satPolarisationFixedByLnbPower();
    void terChangeOnTerrestrialPage();
    void terUnknownBandwidthKept();
    void satAddMode();
    void terAddMode();
    void cancelPathsClearAddMode_data();
    void cancelPathsClearAddMode();
    void tabOrderFollowsLayout();
    void emptyTpRowOpensNothing();
    void everyDialogOpensInItsFirstField_data();
    void everyDialogOpensInItsFirstField();

private:
    // Enter on the first row of a page's transponder grid; returns the row's slot.
    int Open_First_Tp(const char *grid_name, const std::function<void(QDialog *)> &act)
    {
        QTableView *grid = Grid(grid_name);
        Focus_Row(grid, 0);
        const int slot = View().Tp_Row_Map[0];
        With_Modal_Dialog([grid] { QTest::keyClick(grid, Qt::Key_Return); }, act);
        return slot;
    }
};

void TestEditTpDialog::satChangeWithEnter()
{
    QString shown_frequency;
    const std::string stored_frequency = Db().rows.sat_tps[View().Tp_Row_Map[0]].Frequency;
    const int slot = Open_First_Tp("SG_S_TP", [&](QDialog *dialog) {
        QVERIFY(qobject_cast<TForm_Edit_S_TP *>(dialog));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Change transponder data"));
        shown_frequency = Child<QLineEdit>(dialog, "Edit_Fre")->text();
        Child<QLineEdit>(dialog, "Edit_Fre")->setText(QStringLiteral("12750"));
        Child<QLineEdit>(dialog, "Edit_Sym")->setText(QStringLiteral("45000"));
        Child<QComboBox>(dialog, "CB_FEC")->setCurrentIndex(6);
        Child<QComboBox>(dialog, "CB_Pol")->setCurrentIndex(0);
        QTest::keyClick(Child<QLineEdit>(dialog, "Edit_Sym"), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
    });
    QCOMPARE(shown_frequency, QString::fromStdString(stored_frequency));
    QVERIFY(View().Edit_Accepted);
    QVERIFY(View().Data_Modified);
    const SatTransponderRecord &record = Db().raw.sat_tps[slot];
    QCOMPARE(Read_Field(record, sat_tp::Frequency), 12750u);
    QCOMPARE(Read_Field(record, sat_tp::Symbol_Rate), 45000u);
    QCOMPARE(Read_Field(record, sat_tp::Fec), 6u);
    QCOMPARE(Read_Field(record, sat_tp::Polarity), 0u);
    const QStringList grid = Model_Dump(Grid("SG_S_TP")->model());
    QVERIFY2(grid.value(0).contains(QStringLiteral("|12750|H|45000|7/8")),
             qPrintable(grid.value(0)));
    const QString tp_line = QString::fromStdString(Info_Sat_Tp_Line(Db(), slot));
    QVERIFY(tp_line.contains(QStringLiteral("12750")));
    QVERIFY(List_Dump(List("LB_S_Info")).contains(tp_line));
}

void TestEditTpDialog::satRefusalKeepsDialogOpen_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("left");

    const QString illegal = QStringLiteral("Illegal Data!");
    QTest::newRow("frequency 1999") << "Edit_Fre"
                                    << "1999" << illegal << "";
    QTest::newRow("symbol rate 45001") << "Edit_Sym"
                                       << "45001" << illegal << "";
    QTest::newRow("decimal point") << "Edit_Fre"
                                   << "11.5" << illegal << "11.5";
    QTest::newRow("letters") << "Edit_Fre"
                             << "12a"
                             << "'12a' is not a valid integer value"
                             << "12a";
}

void TestEditTpDialog::satRefusalKeepsDialogOpen()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, left);

    const auto before = Db().raw.sat_tps;
    const auto rows_before = Db().rows.sat_tps[View().Tp_Row_Map[0]].Frequency;
    Open_First_Tp("SG_S_TP", [&](QDialog *dialog) {
        auto *edit = Child<QLineEdit>(dialog, qPrintable(field));
        edit->setText(text);
        Click_Button(dialog, "SB_OK");
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_f->ui.errors(), QStringList{message});
        QCOMPARE(edit->text(), left);
        QCOMPARE(dialog->focusWidget(), edit);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    });
    QVERIFY(Db().raw.sat_tps == before);
    QCOMPARE(Db().rows.sat_tps[View().Tp_Row_Map[0]].Frequency, rows_before);
    QVERIFY(!View().Edit_Accepted);
    QVERIFY(!View().Data_Modified);
}

void TestEditTpDialog::satPolarisationFixedByLnbPower()
{
    const int slot = View().Tp_Row_Map[0];
    const int satellite = Db().rows.sat_tps[slot].Sat_Index;
    Write_Field(Db().raw.satellites[satellite], sat::Lnb_Power, 3);
    Decode_Satellite(Db().raw.satellites[satellite], Db().rows.satellites[satellite]);
    Write_Field(Db().raw.sat_tps[slot], sat_tp::Polarity, 2);
    Decode_Sat_Transponder(Db().raw.sat_tps[slot], Db().rows.sat_tps[slot]);

    Open_First_Tp("SG_S_TP", [&](QDialog *dialog) {
        auto *pol = Child<QComboBox>(dialog, "CB_Pol");
        QVERIFY(!pol->isEnabled());
        QCOMPARE(pol->currentIndex(), -1);
        Child<QLineEdit>(dialog, "Edit_Fre")->setText(QStringLiteral("2000"));
        Click_Button(dialog, "SB_OK");
        QVERIFY(!dialog->isVisible());
    });
    QVERIFY(m_f->ui.errors().isEmpty());
    QCOMPARE(Read_Field(Db().raw.sat_tps[slot], sat_tp::Polarity), 2u);
    QCOMPARE(Read_Field(Db().raw.sat_tps[slot], sat_tp::Frequency), 2000u);
}

void TestEditTpDialog::terChangeOnTerrestrialPage()
{
    Page_Control(m_f->window)->setCurrentIndex(1);
    QCOMPARE(View().View_Mode, kTerrestrialPage);
    const int slot = Open_First_Tp("SG_T_TP", [&](QDialog *dialog) {
        QVERIFY(qobject_cast<TForm_Edit_T_TP *>(dialog));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Change transponder data"));
        QCOMPARE(Child<QToolButton>(dialog, "SB_OK")->text(), QStringLiteral("       OK"));
        auto *edit = Child<QLineEdit>(dialog, "Edit_Fre");
        edit->setText(QStringLiteral("49999"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_f->ui.errors(), QStringList{QStringLiteral("Illegal Data!")});
        QVERIFY(edit->text().isEmpty());
        QTest::keyClicks(edit, QStringLiteral("1000000"));
        Child<QComboBox>(dialog, "CB_Width")->setCurrentIndex(1);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
    });
    QVERIFY(View().Data_Modified);
    QCOMPARE(Read_Field(Db().raw.ter_tps[slot], ter_tp::Frequency), 1000000u);
    QCOMPARE(Read_Field(Db().raw.ter_tps[slot], ter_tp::Bandwidth), 1u);
    QVERIFY(Model_Dump(Grid("SG_T_TP")->model()).value(0).contains(QStringLiteral("1000000")));
    const QString tp_line = QString::fromStdString(Info_Ter_Tp_Line(Db(), slot));
    QVERIFY(tp_line.contains(QStringLiteral("1000000")));
    QVERIFY(List_Dump(List("LB_T_Info")).contains(tp_line));
}

void TestEditTpDialog::terUnknownBandwidthKept()
{
    Page_Control(m_f->window)->setCurrentIndex(1);
    const int slot = View().Tp_Row_Map[0];
    Db().raw.ter_tps[slot][12] = 3;
    Decode_Ter_Transponder(Db().raw.ter_tps[slot], Db().rows.ter_tps[slot]);
    Open_First_Tp("SG_T_TP", [&](QDialog *dialog) {
        QCOMPARE(Child<QComboBox>(dialog, "CB_Width")->currentIndex(), -1);
        Click_Button(dialog, "SB_OK");
        QVERIFY(!dialog->isVisible());
    });
    QVERIFY(View().Edit_Accepted);
    QCOMPARE(int(Db().raw.ter_tps[slot][12]), 3);
}

void TestEditTpDialog::satAddMode()
{
    const int slot = Free_Sat_Tp_Slot(Db());
    QVERIFY(slot >= 0);
    const int count = Sat_Tp_Per_Sat_Count(Db().raw, 7);
    const int total = Sat_Tp_Total_Count(Db().raw);
    View().Is_New_Entry = true;
    View().Edit_Accepted = true; // the dialog clears it when it is shown
    TForm_Edit_S_TP dialog(Db(), View(), m_f->ui, TpHandOver{slot, 7, count + 1});
    QVERIFY(!View().Edit_Accepted);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Addition transponder data"));
    QVERIFY(dialog.Edit_Fre->text().isEmpty());
    QVERIFY(dialog.Edit_Sym->text().isEmpty());
    QCOMPARE(dialog.CB_Pol->currentText(), QStringLiteral("Hor"));
    QVERIFY(dialog.CB_Pol->isEnabled());
    QCOMPARE(dialog.CB_FEC->currentText(), QStringLiteral("Auto"));
    dialog.show();
    QTest::keyClicks(dialog.Edit_Fre, QStringLiteral("11778"));
    QTest::keyClicks(dialog.Edit_Sym, QStringLiteral("27500"));
    dialog.CB_Pol->setCurrentIndex(1);
    dialog.CB_FEC->setCurrentIndex(3);
    QTest::keyClick(dialog.Edit_Sym, Qt::Key_Enter);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!View().Is_New_Entry);
    QVERIFY(View().Edit_Accepted);
    QCOMPARE(Sat_Tp_Per_Sat_Count(Db().raw, 7), count + 1);
    QCOMPARE(Sat_Tp_Total_Count(Db().raw), total + 1);
    const SatTransponderRecord &record = Db().raw.sat_tps[slot];
    QCOMPARE(Load_U32(record, 4), 0x001A0001u | (7u << 1) | (std::uint32_t(count + 1) << 9));
    QCOMPARE(Load_U32(record, 8), 0xB809ADB1u);
    QCOMPARE(Db().rows.sat_tps[slot].Sat_Index, 7);
}

void TestEditTpDialog::terAddMode()
{
    const int slot = Free_Ter_Tp_Slot(Db());
    QVERIFY(slot >= 0);
    const int count = Ter_Tp_Per_Group_Count(Db().raw, 0);
    View().Is_New_Entry = true;
    TForm_Edit_T_TP dialog(Db(), View(), m_f->ui, TpHandOver{slot, 0, 0});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Addition transponder data"));
    QCOMPARE(dialog.CB_Width->currentText(), QStringLiteral("6 MHz"));
    dialog.show();
    QTest::keyClicks(dialog.Edit_Fre, QStringLiteral(" 050000"));
    QTest::keyClick(dialog.Edit_Fre, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!View().Is_New_Entry);
    QCOMPARE(Ter_Tp_Per_Group_Count(Db().raw, 0), count + 1);
    QCOMPARE(Load_U32(Db().raw.ter_tps[slot], 4), 50000u);
    QCOMPARE(Db().rows.ter_tps[slot].Frequency, std::string("050000"));
    QCOMPARE(int(Db().rows.ter_tps[slot].Tp_Number), count + 1);
}

void TestEditTpDialog::cancelPathsClearAddMode_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("terrestrial");
    for (const bool terrestrial : {false, true}) {
        const char *page = terrestrial ? "terrestrial " : "satellite ";
        QTest::addRow("%sCancel", page) << "cancel" << terrestrial;
        QTest::addRow("%sEscape", page) << "escape" << terrestrial;
        QTest::addRow("%swindow close", page) << "close" << terrestrial;
    }
}

void TestEditTpDialog::cancelPathsClearAddMode()
{
    QFETCH(QString, how);
    QFETCH(bool, terrestrial);

    const auto sat_before = Db().raw.sat_tps;
    const auto ter_before = Db().raw.ter_tps;
    const auto sat_counts = Db().raw.sat_tp_counts;
    const auto ter_counts = Db().raw.ter_tp_counts;
    View().Is_New_Entry = true;
    std::unique_ptr<QDialog> dialog;
    if (terrestrial)
        dialog = std::make_unique<TForm_Edit_T_TP>(Db(), View(), m_f->ui,
                                                   TpHandOver{Free_Ter_Tp_Slot(Db()), 0, 0});
    else
        dialog = std::make_unique<TForm_Edit_S_TP>(Db(), View(), m_f->ui,
                                                   TpHandOver{Free_Sat_Tp_Slot(Db()), 0, 1});
    dialog->show();
    Child<QLineEdit>(dialog.get(), "Edit_Fre")->setText(QStringLiteral("12000"));
    if (how == QLatin1String("cancel"))
        Click_Button(dialog.get(), "SB_Cancel");
    else if (how == QLatin1String("escape"))
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(!View().Is_New_Entry);
    QVERIFY(!View().Edit_Accepted);
    QVERIFY(Db().raw.sat_tps == sat_before);
    QVERIFY(Db().raw.ter_tps == ter_before);
    QVERIFY(Db().raw.sat_tp_counts == sat_counts);
    QVERIFY(Db().raw.ter_tp_counts == ter_counts);
}

void TestEditTpDialog::tabOrderFollowsLayout()
{
    TForm_Edit_S_TP sat(Db(), View(), m_f->ui, TpHandOver{View().Tp_Row_Map[0], 0, 0});
    QCOMPARE(Tab_Order(sat.Edit_Fre),
             (QStringList{"Edit_Fre", "CB_Pol", "Edit_Sym", "CB_FEC", "SB_OK", "SB_Cancel"}));
    TForm_Edit_T_TP ter(Db(), View(), m_f->ui, TpHandOver{0, 0, 0});
    QCOMPARE(Tab_Order(ter.Edit_Fre), (QStringList{"Edit_Fre", "CB_Width", "SB_OK", "SB_Cancel"}));
}

void TestEditTpDialog::emptyTpRowOpensNothing()
{
    int empty_row = -1;
    for (int row = 1; row <= kSatelliteCount && empty_row < 0; ++row) {
        const int satellite = m_f->window.views().Row_Slot(GridId::Sat, row);
        if (satellite >= 0 && Sat_Tp_Per_Sat_Count(Db().raw, satellite) == 0)
            empty_row = row;
    }
    if (empty_row < 0)
        QSKIP("the sample has no satellite without transponders");
    m_f->window.views().Select_Row(GridId::Sat, empty_row, true);
    QCOMPARE(m_f->window.views().cursor(GridId::Tp).current_row, 1);
    bool dialog_shown = false;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            dialog_shown = true;
            dialog->reject();
        }
    });
    m_f->window.SG_S_TPDblClick();
    QTest::qWait(10);
    QVERIFY(!dialog_shown);
    QVERIFY(!View().Data_Modified);
}

void TestEditTpDialog::everyDialogOpensInItsFirstField_data()
{
    QTest::addColumn<QString>("list"); // Enter on its second row opens the dialog
    QTest::addColumn<QString>("first");
    QTest::newRow("satellite") << "SG_S_Sat"
                               << "Edit_Name";
    QTest::newRow("satellite transponder") << "SG_S_TP"
                                           << "Edit_Fre";
    QTest::newRow("terrestrial transponder") << "SG_T_TP"
                                             << "Edit_Fre";
    QTest::newRow("program") << "SG_S_TV"
                             << "Edit_Name";
    QTest::newRow("favourite group") << "LB_S_FAV"
                                     << "Edit_Name";
}

void TestEditTpDialog::everyDialogOpensInItsFirstField()
{
    QFETCH(QString, list);
    QFETCH(QString, first);
    if (list.startsWith(QLatin1String("SG_T")))
        Page_Control(m_f->window)->setCurrentIndex(1);
    auto *view = m_f->window.findChild<QAbstractItemView *>(list);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(1, view->model()->columnCount() - 1));
    QStringList walk;
    With_Modal_Dialog([view] { QTest::keyClick(view, Qt::Key_Return); },
                      [&walk](QDialog *dialog) { walk = Focus_Walk(dialog); });
    QCOMPARE(walk, (QStringList{"marked", first, "SB_Cancel", "SB_OK", "SB_Cancel", first}));
}

QTEST_MAIN(TestEditTpDialog)
#include "tst_edit_tp_dialog.moc"
