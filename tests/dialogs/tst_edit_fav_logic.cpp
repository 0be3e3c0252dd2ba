// The favourite group dialog's name check and write, without widgets, and the name field's
// rules that the three dialogs with a name share.

#include "charsets/charset_table.h"
#include "dialogs/fav_edit_logic.h"
#include "dialogs/input_checks.h"
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
    void name_field_data();
    void name_field();
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
    const NameToStore stored = Favourite_Name_To_Store(*db, group, name);
    QVERIFY(stored.bytes);
    Write_Favourite_Group(*db, group, *stored.bytes);
    const auto &slot = db->raw.favourite_names[std::size_t(group)];
    QTEST(QByteArray(reinterpret_cast<const char *>(slot.data()), 16), "slot");
    QCOMPARE(db->rows.favourite_names[std::size_t(group)], name.toLatin1().toStdString());
    QTEST(QString::fromStdString(Favourite_Line(*db, group)), "line");
}

void TestEditFavLogic::latin1_names_only()
{
    const ChannelDatabase db;
    QVERIFY(Favourite_Name_To_Store(db, 0, QString::fromUtf8("ÿ")).bytes);
    for (const char *foreign : {"Kino €", "新闻"}) {
        const NameToStore refused = Favourite_Name_To_Store(db, 0, QString::fromUtf8(foreign));
        QVERIFY(!refused.bytes);
        QCOMPARE(refused.refusal, QString::fromLatin1(kIllegalData));
    }
}

void TestEditFavLogic::name_field_data()
{
    QTest::addColumn<QString>("charset");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QByteArray>("bytes"); // what OK stores, when it stores
    QTest::addColumn<QString>("refusal");
    const QByteArray none;
    const QString ok;
    // Left as shown: the bytes stay, even those the set does not define (shown as U+FFFD).
    QTest::newRow("GBK, cut character kept")
            << "GBK" << QByteArray("AB\xd6") << "AB\uFFFD" << 15 << QByteArray("AB\xd6") << ok;
    QTest::newRow("Greek, undefined byte kept") << "windows-1253"
                                                << QByteArray("\xaa"
                                                              "x")
                                                << "\uFFFDx" << 18
                                                << QByteArray("\xaa"
                                                              "x")
                                                << ok;
    QTest::newRow("Cyrillic edited") << "windows-1251" << QByteArray("Old") << "Новости" << 15
                                     << QByteArray("\xcd\xee\xe2\xee\xf1\xf2\xe8") << ok;
    QTest::newRow("Arabic edited") << "windows-1256" << QByteArray() << "الجزيرة" << 15
                                   << QByteArray("\xc7\xe1\xcc\xd2\xed\xd1\xc9") << ok;
    QTest::newRow("GBK, 15 bytes fit")
            << "GBK" << QByteArray() << "中央电视台新闻A" << 15
            << QByteArray("\xd6\xd0\xd1\xeb\xb5\xe7\xca\xd3\xcc\xa8\xd0\xc2\xce\xc5"
                          "A")
            << ok;
    QTest::newRow("GBK, one byte too long")
            << "GBK" << QByteArray() << "中央电视台新闻频" << 15 << none
            << "The name is too long: 16 bytes in GBK, at most 15.";
    QTest::newRow("Big5, a letter it lacks")
            << "Big5" << QByteArray() << "News Ж" << 15 << none
            << "The name cannot be written in Big5: it has no \"Ж\".";
    QTest::newRow("Latin-1 keeps its message") << "ISO-8859-1" << QByteArray() << "Дом" << 15
                                               << none << QString::fromLatin1(kIllegalData);
    QTest::newRow("Latin-1 keeps the field's first bytes")
            << "ISO-8859-1" << QByteArray() << "ABCDEFGHIJKLMNOPQRS" << 18
            << QByteArray("ABCDEFGHIJKLMNOPQR") << ok;
}

// What a name field stores: the bytes as they were, the typed text in the set whole, or a
// refusal that says which rule it broke.
void TestEditFavLogic::name_field()
{
    QFETCH(QString, charset);
    QFETCH(QByteArray, stored);
    QFETCH(QString, typed);
    QFETCH(int, limit);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    const NameText *names = Names_In(charset.toStdString());
    QVERIFY(names);
    const NameToStore result
            = Name_To_Store(*names, stored.toStdString(), typed, static_cast<std::size_t>(limit));
    QCOMPARE(result.refusal, refusal);
    QCOMPARE(result.bytes ? QByteArray::fromStdString(*result.bytes) : QByteArray(), bytes);
}

QTEST_APPLESS_MAIN(TestEditFavLogic)
#include "tst_edit_fav_logic.moc"
