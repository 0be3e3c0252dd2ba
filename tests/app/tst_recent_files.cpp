// The recent-file list: its rules, and its keeping in the settings file.

#include "app/recent_files.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;

namespace {

RecentFiles List_Of(const QStringList &names)
{
    RecentFiles list;
    for (int i = 0; i < kRecentFileCount && i < names.size(); ++i)
        list.names[i] = names[i];
    return list;
}

QStringList Names_Of(const RecentFiles &list)
{
    return QStringList(list.names.begin(), list.names.end());
}

QByteArray File_Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write_Bytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT

private slots:
    void add_data();
    void add();
    void remove_data();
    void remove();
    void kind_data();
    void kind();
    void round_trip_data();
    void round_trip();
    void written_file_is_exact();
    void missing_file_gives_empty_names();
    void hand_written_file_is_read();
    void other_sections_are_kept();
    void unwritable_file_is_reported();

private:
    QTemporaryDir m_dir;
};

void TestRecentFiles::add_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("after");
    const QStringList abc{"/d/A.bin", "/d/B.bin", "/d/C.bin"};
    QTest::newRow("new name: third drops out")
            << abc << "/d/D.bin" << QStringList{"/d/D.bin", "/d/A.bin", "/d/B.bin"};
    QTest::newRow("equal to first") << abc << "/d/A.bin" << abc;
    QTest::newRow("equal to second: no move to top") << abc << "/d/B.bin" << abc;
    QTest::newRow("equal to third") << abc << "/d/C.bin" << abc;
    QTest::newRow("differs in case only")
            << abc << "/d/b.bin" << QStringList{"/d/b.bin", "/d/A.bin", "/d/B.bin"};
    QTest::newRow("prefix of an entry")
            << abc << "/d/A" << QStringList{"/d/A", "/d/A.bin", "/d/B.bin"};
    QTest::newRow("empty list") << QStringList{"", "", ""} << "/d/D.bin"
                                << QStringList{"/d/D.bin", "", ""};
    QTest::newRow("one entry") << QStringList{"/d/A.bin", "", ""} << "/d/D.bin"
                               << QStringList{"/d/D.bin", "/d/A.bin", ""};
    QTest::newRow("empty name changes nothing") << abc << "" << abc;
    QTest::newRow("empty name, list with gaps")
            << QStringList{"/d/A.bin", "", ""} << "" << QStringList{"/d/A.bin", "", ""};
}

void TestRecentFiles::add()
{
    QFETCH(QStringList, before);
    QFETCH(QString, name);
    QFETCH(QStringList, after);
    QCOMPARE(Names_Of(Add_Recent_File(List_Of(before), name)), after);
}

void TestRecentFiles::remove_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("after");
    const QStringList abc{"A", "B", "C"};
    QTest::newRow("first") << abc << 0 << QStringList{"B", "C", ""};
    QTest::newRow("second") << abc << 1 << QStringList{"A", "C", ""};
    QTest::newRow("third") << abc << 2 << QStringList{"A", "B", ""};
    QTest::newRow("gap moves up too") << QStringList{"A", "", "C"} << 0 << QStringList{"", "C", ""};
    QTest::newRow("index below range") << abc << -1 << abc;
    QTest::newRow("index above range") << abc << 3 << abc;
}

void TestRecentFiles::remove()
{
    QFETCH(QStringList, before);
    QFETCH(int, index);
    QFETCH(QStringList, after);
    QCOMPARE(Names_Of(Remove_Recent_File(List_Of(before), index)), after);
}

void TestRecentFiles::kind_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("channel_data");
    QTest::newRow("262,144") << qint64(262144) << true;
    QTest::newRow("262,143") << qint64(262143) << false;
    QTest::newRow("262,145") << qint64(262145) << false;
    QTest::newRow("131,072") << qint64(131072) << false;
    QTest::newRow("empty") << qint64(0) << false;
    QTest::newRow("twice 262,144") << qint64(524288) << false;
}

void TestRecentFiles::kind()
{
    QFETCH(qint64, size);
    QFETCH(bool, channel_data);
    QCOMPARE(Kind_For_Recent_File(size) == FileKind::ChannelData, channel_data);
}

void TestRecentFiles::round_trip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces") << "/home/user/My Files/channel data.bin";
    QTest::newRow("umlauts") << "/home/jürgen/Kanäle/SENDER ÄÖÜ ß.bin";
    QTest::newRow("CJK") << "/数据/频道 列表.bin";
    QTest::newRow("comma") << "/a,b/c, d.bin";
    QTest::newRow("semicolon and hash") << "/a;b/#c.bin";
    QTest::newRow("equals sign") << "/a=b/c.bin";
    QTest::newRow("quotes") << "/a\"b\"/'c'.bin";
    QTest::newRow("backslash") << "/a\\b/c.bin";
    QTest::newRow("section-like") << "/[SET_EDIT_TALVIK]/x.bin";
    QTest::newRow("at sign first") << "@ByteArray(x)";
    QTest::newRow("spaces around") << "  /lead and trail.bin  ";
    QTest::newRow("newline and tab") << "/a\nb/c\td.bin";
}

void TestRecentFiles::round_trip()
{
    QFETCH(QString, name);
    const QString path = m_dir.filePath(QStringLiteral("round_trip.ini"));
    QFile::remove(path);
    const RecentFiles written{{name, QStringLiteral("/plain.bin"), name + u'2'}};
    QVERIFY(Write_Recent_Files(path, written));
    QCOMPARE(Names_Of(Read_Recent_Files(path)), Names_Of(written));
}

void TestRecentFiles::written_file_is_exact()
{
    const QString path = m_dir.filePath(QStringLiteral("sub/folder/ORVANE.ini"));
    QVERIFY(Write_Recent_Files(path, List_Of({"/home/u/CHANNEL_DATA.BIN", "/home/u/DEFAULT.BIN"})));
    QCOMPARE(File_Bytes(path), QByteArray("[SET_EDIT_TALVIK]\n"
                                          "Last_File_Name1=/home/u/CHANNEL_DATA.BIN\n"
                                          "Last_File_Name2=/home/u/DEFAULT.BIN\n"
                                          "Last_File_Name3=\n"));
    QVERIFY(Write_Recent_Files(path, List_Of({"/x/ü.bin", "/home/u/CHANNEL_DATA.BIN"})));
    QCOMPARE(File_Bytes(path), QByteArray("[SET_EDIT_TALVIK]\n"
                                          "Last_File_Name1=/x/\xc3\xbc.bin\n"
                                          "Last_File_Name2=/home/u/CHANNEL_DATA.BIN\n"
                                          "Last_File_Name3=\n"));
}

void TestRecentFiles::missing_file_gives_empty_names()
{
    const QString path = m_dir.filePath(QStringLiteral("never_written.ini"));
    QCOMPARE(Names_Of(Read_Recent_Files(path)), QStringList({"", "", ""}));
    QVERIFY(!QFile::exists(path));
}

void TestRecentFiles::hand_written_file_is_read()
{
    const QString path = m_dir.filePath(QStringLiteral("hand_written.ini"));
    Write_Bytes(path, "[Other]\r\nLast_File_Name1=/not/this.bin\r\n"
                      "[SET_EDIT_TALVIK]\r\n"
                      "Last_File_Name2=/x y/no quotes.bin\r\n"
                      "Last_File_Name3=/a,b.bin\r\n");
    QCOMPARE(Names_Of(Read_Recent_Files(path)),
             QStringList({"", "/x y/no quotes.bin", "/a,b.bin"}));
}

void TestRecentFiles::other_sections_are_kept()
{
    const QString path = m_dir.filePath(QStringLiteral("shared.ini"));
    Write_Bytes(path, "[Other]\nkey=kept\n[SET_EDIT_TALVIK]\nLast_File_Name1=/old.bin\n");
    QVERIFY(Write_Recent_Files(path, List_Of({"/new.bin", "/old.bin"})));
    QCOMPARE(QSettings(path, QSettings::IniFormat).value("Other/key").toString(), "kept");
    QCOMPARE(Names_Of(Read_Recent_Files(path)), QStringList({"/new.bin", "/old.bin", ""}));
}

void TestRecentFiles::unwritable_file_is_reported()
{
    // A folder that is a file cannot be created, not even by root.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    Write_Bytes(blocker, "x");
    QVERIFY(!Write_Recent_Files(blocker + QStringLiteral("/ORVANE.ini"), List_Of({"/a.bin"})));
}

QTEST_APPLESS_MAIN(TestRecentFiles)
#include "tst_recent_files.moc"
