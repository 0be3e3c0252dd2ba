// The favourite group dialog's name check and write, without widgets.

#include "dialogs/fav_edit_logic.h"
#include "views/list_texts.h"

#include <QTest>

using namespace orvane;

class TestEditFavLogic : public QObject
{
    Q_OBJECT

private slots:
    void write_data();
    void write();
    void latin1_names_only();
};

void TestEditFavLogic::write_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("slot"); // the 16 bytes after the write
    QTest::addColumn<QString>("line");

    QTest::newRow("group 1") << 0 << "News"
                             << QByteArray("News\0"
                                           "56789abcdef",
                                           16)
                             << "FAV.01 :  News";
    QTest::newRow("group 16") << 15 << "News"
                              << QByteArray("News\0"
                                            "56789abcdef",
                                            16)
                              << "FAV.16 :  News";
    QTest::newRow("group 10") << 9 << "Music"
                              << QByteArray("Music\0"
                                            "6789abcdef",
                                            16)
                              << "FAV.10 :  Music";
    QTest::newRow("empty name") << 4 << ""
                                << QByteArray("\0"
                                              "123456789abcdef",
                                              16)
                                << "FAV.05 :  ";
    QTest::newRow("15 characters") << 2 << "ABCDEFGHIJKLMNO" << QByteArray("ABCDEFGHIJKLMNO\0", 16)
                                   << "FAV.03 :  ABCDEFGHIJKLMNO";
    QTest::newRow("latin-1 name") << 2 << QString::fromUtf8("Café")
                                  << QByteArray("Caf\xE9\0"
                                                "56789abcdef",
                                                16)
                                  << QString::fromUtf8("FAV.03 :  Café");
}

void TestEditFavLogic::write()
{
    QFETCH(int, group);
    QFETCH(QString, name);
    auto db = std::make_unique<ChannelDatabase>();
    const QByteArray old("0123456789abcdef");
    std::copy_n(old.begin(), 16, db->raw.favourite_names[std::size_t(group)].begin());
    QVERIFY(Is_Valid_Favourite_Name(name));
    Write_Favourite_Group(*db, group, name);
    const auto &slot = db->raw.favourite_names[std::size_t(group)];
    QTEST(QByteArray(reinterpret_cast<const char *>(slot.data()), 16), "slot");
    QCOMPARE(db->rows.favourite_names[std::size_t(group)], name.toLatin1().toStdString());
    QTEST(QString::fromStdString(Favourite_Line(*db, group)), "line");
}

void TestEditFavLogic::latin1_names_only()
{
    QVERIFY(Is_Valid_Favourite_Name(QString::fromUtf8("ÿ")));
    QVERIFY(!Is_Valid_Favourite_Name(QString::fromUtf8("Kino €")));
    QVERIFY(!Is_Valid_Favourite_Name(QString::fromUtf8("新闻")));
}

QTEST_APPLESS_MAIN(TestEditFavLogic)
#include "tst_edit_fav_logic.moc"
