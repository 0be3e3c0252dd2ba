// The satellite dialog through the main window: Enter on a satellite row opens it on the
// sample database, and what OK, Enter, Escape and refused input leave in the record, the grid
// and the info pane.

#include "dbase/decode.h"
#include "dialog_driver.h"
#include "views/grid_model.h"
#include "window_test_case.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

class TestEditLnbDialog : public WindowTestCase
{
    Q_OBJECT

private slots:
    void shows_stored_values();
    void type_change_applies_defaults();
    void refused_longitude_then_accepted();
    void escape_writes_nothing();
    void unknown_codes_survive_ok();
    void illegal_name_character();
    void auto_tone_under_normal_c();
    void tab_order_follows_layout();

private:
    // Opens the dialog on satellite row `row` by Enter on the grid.
    bool Open_Satellite(int row, const std::function<void(QDialog *)> &act);
    QTableView *Sat_Grid() const { return m_f->window.page_widgets(kSatellitesPage).sat; }
    SatelliteRecord &Record(int slot) { return m_f->window.database().raw.satellites[slot]; }
    int Slot_Of_Row(int row) { return m_f->window.views().Row_Slot(GridId::Sat, row); }
};

bool TestEditLnbDialog::Open_Satellite(int row, const std::function<void(QDialog *)> &act)
{
    QTableView *grid = Sat_Grid();
    const auto *model = static_cast<GridModel *>(grid->model());
    grid->setFocus();
    grid->selectionModel()->setCurrentIndex(grid->model()->index(model->Model_Row(row), 1),
                                            QItemSelectionModel::ClearAndSelect
                                                    | QItemSelectionModel::Rows);
    return Run_Dialog([grid] { QTest::keyClick(grid, Qt::Key_Return); }, act);
}

void TestEditLnbDialog::shows_stored_values()
{
    const TLNB_Info_String row = m_f->window.database().rows.satellites[Slot_Of_Row(1)];
    QStringList shown;
    QVERIFY(Open_Satellite(1, [&](QDialog *d) {
        shown << d->windowTitle() << Find<QLineEdit>(d, "Edit_Name")->text()
              << Find<QLineEdit>(d, "Edit_Lon")->text()
              << Find<QComboBox>(d, "CB_Low")->currentText()
              << Find<QComboBox>(d, "CB_High")->currentText()
              << QString::number(Find<QComboBox>(d, "CB_Type")->currentIndex());
    }));
    QCOMPARE(shown, (QStringList{"Change data", QString::fromLatin1(row.Name),
                                 QString::fromStdString(row.Longitude),
                                 QString::fromStdString(row.Lnb_Low_Freq),
                                 QString::fromStdString(row.Lnb_High_Freq),
                                 QString::number(row.Lnb_Type)}));
    QVERIFY(!m_f->window.view_state().Data_Modified);
}

void TestEditLnbDialog::type_change_applies_defaults()
{
    const int slot = Slot_Of_Row(1);
    QStringList universal;
    QStringList normal_ku;
    QVERIFY(Open_Satellite(1, [&](QDialog *d) {
        auto *type = Find<QComboBox>(d, "CB_Type");
        auto *tone = Find<QComboBox>(d, "CB_22K");
        auto *low = Find<QComboBox>(d, "CB_Low");
        auto *high = Find<QComboBox>(d, "CB_High");
        const auto state = [&] {
            QStringList items;
            for (int i = 0; i < tone->count(); ++i)
                items << tone->itemText(i);
            return QStringList{low->currentText(),
                               high->currentText(),
                               high->isEnabled() ? "high on" : "high off",
                               items.join('/'),
                               tone->isEnabled() ? "tone on" : "tone off",
                               tone->currentText()};
        };
        type->setCurrentIndex(1);
        QTest::keyClick(type, Qt::Key_Down); // the user picks UNIVERSAL
        universal = state();
        QTest::keyClick(type, Qt::Key_Up); // then NORMAL KU
        normal_ku = state();
        QTest::keyClick(type, Qt::Key_Down);
        QTest::mouseClick(Find<QPushButton>(d, "SB_OK"), Qt::LeftButton);
    }));
    QCOMPARE(universal, (QStringList{"9750", "10600", "high on", "Auto", "tone off", "Auto"}));
    QCOMPARE(normal_ku, (QStringList{"11300", "11300", "high off", "OFF/ON", "tone on", "OFF"}));
    QCOMPARE(Read_Field(Record(slot), sat::Lnb_Type), 2u);
    QCOMPARE(Read_Field(Record(slot), sat::Tone_22K), 2u);
    QCOMPARE(Read_Field(Record(slot), sat::Lnb_Low_Freq), 9750u);
    QCOMPARE(Read_Field(Record(slot), sat::Lnb_High_Freq), 10600u);
    QVERIFY(m_f->window.view_state().Data_Modified);
}

void TestEditLnbDialog::refused_longitude_then_accepted()
{
    const int slot = Slot_Of_Row(2);
    const SatelliteRecord before = Record(slot);
    QString after_refusal;
    bool lon_focused = false;
    QVERIFY(Open_Satellite(2, [&](QDialog *d) {
        auto *name = Find<QLineEdit>(d, "Edit_Name");
        auto *lon = Find<QLineEdit>(d, "Edit_Lon");
        name->setText(QStringLiteral("Hotbird X"));
        lon->setText(QStringLiteral("19.25"));
        QTest::keyClick(lon, Qt::Key_Return);
        after_refusal = lon->text();
        lon_focused = d->focusWidget() == lon;
        QVERIFY(Record(slot) == before);
        QTest::keyClicks(lon, QStringLiteral("19.20"));
        auto *low = Find<QComboBox>(d, "CB_Low");
        low->setEditText(QStringLiteral("9300"));
        QTest::keyClick(low, Qt::Key_Return);
    }));
    QCOMPARE(m_f->ui.errors(), QStringList{"Illegal Data!"});
    QCOMPARE(after_refusal, QString());
    QVERIFY(lon_focused);
    QCOMPARE(Read_Field(Record(slot), sat::Longitude), 192u);
    QCOMPARE(Read_Field(Record(slot), sat::Lnb_Low_Freq), 9300u);
    QVERIFY(m_f->window.view_state().Data_Modified);

    const auto *model = static_cast<GridModel *>(Sat_Grid()->model());
    QCOMPARE(model->index(model->Model_Row(2), 1).data().toString(), QStringLiteral("Hotbird X"));
    const QStringList info = List_Dump(m_f->window.page_widgets(kSatellitesPage).info);
    QVERIFY2(!info.isEmpty() && info.first().contains(QStringLiteral("Hotbird X")),
             qPrintable(info.join('\n')));
}

void TestEditLnbDialog::escape_writes_nothing()
{
    const int slot = Slot_Of_Row(1);
    const SatelliteRecord before = Record(slot);
    QVERIFY(Open_Satellite(1, [&](QDialog *d) {
        Find<QLineEdit>(d, "Edit_Name")->setText(QStringLiteral("Changed"));
        QTest::keyClick(Find<QLineEdit>(d, "Edit_Name"), Qt::Key_Escape);
    }));
    QVERIFY(Record(slot) == before);
    QVERIFY(!m_f->window.view_state().Edit_Accepted);
    QVERIFY(!m_f->window.view_state().Data_Modified);
}

void TestEditLnbDialog::unknown_codes_survive_ok()
{
    ChannelDatabase &db = m_f->window.database();
    const int slot = Slot_Of_Row(1);
    Record(slot)[0] = 9;    // type
    Record(slot)[1] = 4;    // 12 V
    Record(slot)[3] = 0x27; // motor 2, DiSEqC 7
    Record(slot)[4] = 6;    // power
    Decode_Satellite(Record(slot), db.rows.satellites[slot]);
    const SatelliteRecord before = Record(slot);
    QList<int> selections;
    QVERIFY(Open_Satellite(1, [&](QDialog *d) {
        for (const char *name : {"CB_Type", "CB_12V", "CB_Dis", "CB_Mot", "CB_Pow"})
            selections << Find<QComboBox>(d, name)->currentIndex();
        QTest::keyClick(Find<QLineEdit>(d, "Edit_Name"), Qt::Key_Return);
    }));
    QCOMPARE(selections, (QList<int>{-1, -1, -1, -1, -1}));
    QVERIFY(m_f->window.view_state().Data_Modified);
    for (const int offset : {0, 1, 3, 4})
        QCOMPARE(Record(slot)[offset], before[offset]);
}

void TestEditLnbDialog::illegal_name_character()
{
    const int slot = Slot_Of_Row(1);
    const SatelliteRecord before = Record(slot);
    bool name_focused = false;
    QVERIFY(Open_Satellite(1, [&](QDialog *d) {
        auto *name = Find<QLineEdit>(d, "Edit_Name");
        name->setText(QString::fromUtf8("Astra Ω"));
        Find<QLineEdit>(d, "Edit_Lon")->setFocus();
        QTest::keyClick(Find<QLineEdit>(d, "Edit_Lon"), Qt::Key_Return);
        name_focused = d->focusWidget() == name;
    }));
    QCOMPARE(m_f->ui.errors(), QStringList{"Illegal Data!"});
    QVERIFY(name_focused);
    QVERIFY(Record(slot) == before);
    QVERIFY(!m_f->window.view_state().Data_Modified);
}

void TestEditLnbDialog::auto_tone_under_normal_c()
{
    ChannelDatabase &db = m_f->window.database();
    const int slot = Slot_Of_Row(1);
    Write_Field(Record(slot), sat::Lnb_Type, 0);
    Write_Field(Record(slot), sat::Tone_22K, 2);
    Decode_Satellite(Record(slot), db.rows.satellites[slot]);
    QStringList tone;
    QVERIFY(Open_Satellite(1, [&](QDialog *d) {
        auto *box = Find<QComboBox>(d, "CB_22K");
        tone << QString::number(box->count()) << box->currentText()
             << (box->isEnabled() ? "on" : "off")
             << (Find<QComboBox>(d, "CB_High")->isEnabled() ? "high on" : "high off");
    }));
    QCOMPARE(tone, (QStringList{"1", "Auto", "off", "high off"}));
}

void TestEditLnbDialog::tab_order_follows_layout()
{
    const QStringList expected{"Edit_Name", "CB_Type", "CB_Low", "CB_High", "CB_Pow", "CB_22K",
                               "Edit_Lon",  "CB_Dis",  "CB_Mot", "CB_12V",  "SB_OK",  "SB_Cancel"};
    QStringList chain;
    QVERIFY(Open_Satellite(1, [&](QDialog *d) {
        QWidget *widget = Find<QWidget>(d, "Edit_Name");
        for (int step = 0; step < 100 && chain.size() < expected.size(); ++step) {
            if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName()))
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        }
    }));
    QCOMPARE(chain, expected);
}

QTEST_MAIN(TestEditLnbDialog)
#include "tst_edit_lnb_dialog.moc"
