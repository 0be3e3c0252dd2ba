// The favourite group dialog through the main window: Enter on a line of either page's
// favourites list opens it on the sample database; OK rewrites the slot, the display entry
// and the list line; Cancel leaves them, but the database counts as modified all the same.

#include "dialog_driver.h"
#include "window_test_case.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

class TestEditFavDialog : public WindowTestCase
{
    Q_OBJECT

private slots:
    void rename_data();
    void rename();
    void cancel_keeps_name_but_marks_modified();
    void illegal_name_character();

private:
    bool Open_Group(int view_mode, int group, const std::function<void(QDialog *)> &act);
    QByteArray Slot(int group)
    {
        const auto &slot = m_f->window.database().raw.favourite_names[std::size_t(group)];
        return QByteArray(reinterpret_cast<const char *>(slot.data()), int(slot.size()));
    }
};

bool TestEditFavDialog::Open_Group(int view_mode, int group,
                                   const std::function<void(QDialog *)> &act)
{
    Page_Control(m_f->window)->setCurrentIndex(view_mode == kSatellitesPage ? 0 : 1);
    QListWidget *list = m_f->window.page_widgets(view_mode).fav;
    list->setFocus();
    list->setCurrentRow(group);
    return Run_Dialog([list] { QTest::keyClick(list, Qt::Key_Return); }, act);
}

void TestEditFavDialog::rename_data()
{
    QTest::addColumn<int>("view_mode");
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("by_button");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("name_bytes"); // up to and with the NUL

    QTest::newRow("group 1, Enter")
            << kSatellitesPage << 0 << "News" << false << "FAV.01 :  News" << QByteArray("News", 5);
    QTest::newRow("group 16, OK") << kSatellitesPage << 15 << "News" << true << "FAV.16 :  News"
                                  << QByteArray("News", 5);
    QTest::newRow("group 5, empty")
            << kSatellitesPage << 4 << "" << false << "FAV.05 :  " << QByteArray(1, '\0');
    QTest::newRow("terrestrial group 12") << kTerrestrialPage << 11 << "Music" << false
                                          << "FAV.12 :  Music" << QByteArray("Music", 6);
    QTest::newRow("16 typed, 15 kept")
            << kSatellitesPage << 2 << "ABCDEFGHIJKLMNOP" << false << "FAV.03 :  ABCDEFGHIJKLMNO"
            << QByteArray("ABCDEFGHIJKLMNO", 16);
}

void TestEditFavDialog::rename()
{
    QFETCH(int, view_mode);
    QFETCH(int, group);
    QFETCH(QString, typed);
    QFETCH(bool, by_button);
    QFETCH(QByteArray, name_bytes);
    const QByteArray before = Slot(group);
    QString caption;
    QVERIFY(Open_Group(view_mode, group, [&](QDialog *d) {
        caption = d->windowTitle();
        auto *name = Find<QLineEdit>(d, "Edit_Name");
        name->clear();
        QTest::keyClicks(name, typed);
        if (by_button)
            QTest::mouseClick(Find<QPushButton>(d, "SB_OK"), Qt::LeftButton);
        else
            QTest::keyClick(name, Qt::Key_Return);
    }));
    QCOMPARE(caption, QStringLiteral("Change favor name"));
    const QStringList lines = List_Dump(m_f->window.page_widgets(view_mode).fav);
    QTEST(lines.value(group), "line");
    // The bytes after the NUL keep their old values.
    QCOMPARE(Slot(group), name_bytes + before.mid(name_bytes.size()));
    QCOMPARE(QByteArray::fromStdString(m_f->window.database().rows.favourite_names[group]),
             name_bytes.chopped(1));
    QVERIFY(m_f->window.view_state().Data_Modified);
    QVERIFY(m_f->ui.errors().isEmpty());
}

void TestEditFavDialog::cancel_keeps_name_but_marks_modified()
{
    const QByteArray before = Slot(6);
    const QStringList lines = List_Dump(m_f->window.page_widgets(kSatellitesPage).fav);
    QVERIFY(Open_Group(kSatellitesPage, 6, [&](QDialog *d) {
        Find<QLineEdit>(d, "Edit_Name")->setText(QStringLiteral("Changed"));
        QTest::mouseClick(Find<QPushButton>(d, "SB_Cancel"), Qt::LeftButton);
    }));
    QCOMPARE(Slot(6), before);
    QCOMPARE(List_Dump(m_f->window.page_widgets(kSatellitesPage).fav), lines);
    QVERIFY(m_f->window.view_state().Data_Modified);
}

void TestEditFavDialog::illegal_name_character()
{
    const QByteArray before = Slot(1);
    bool still_open = false;
    QVERIFY(Open_Group(kSatellitesPage, 1, [&](QDialog *d) {
        auto *name = Find<QLineEdit>(d, "Edit_Name");
        name->setText(QString::fromUtf8("Kino €"));
        QTest::keyClick(name, Qt::Key_Return);
        still_open = d->isVisible() && d->focusWidget() == name;
    }));
    QCOMPARE(m_f->ui.errors(), QStringList{"Illegal Data!"});
    QVERIFY(still_open);
    QCOMPARE(Slot(1), before);
}

QTEST_MAIN(TestEditFavDialog)
#include "tst_edit_fav_dialog.moc"
