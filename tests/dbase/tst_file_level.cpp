// Opening and saving files on disk: the messages of each failure, the header taken even from
// a file that then fails, a working copy replaced only by a verified image, and saves that
// replace their target whole or not at all, keep its permissions and leave no temporary files.

#include "dbase_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace orvane;
using orvane::test::Image_Of;
using orvane::test::Text;
using orvane::test::View;

Q_DECLARE_METATYPE(orvane::FileKind)

namespace {

constexpr char kSavePrefix[] = "Find an error, when saving this file,\r\r";

std::string Path(const QTemporaryDir &dir, const char *name)
{
    return dir.filePath(name).toStdString();
}

void Write_File(const std::string &path, ByteView bytes)
{
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size())),
             qint64(bytes.size()));
}

QByteArray Read_File(const std::string &path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

mode_t Permissions(const std::string &path)
{
    struct stat info
    {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

std::unique_ptr<ChannelDatabase> Sample_Database(FileKind kind, int save_mode)
{
    auto db = test::Empty_Database(kind, save_mode);
    test::Add_Sample_Content(*db);
    return db;
}

Bytes Sample_File(FileKind kind)
{
    return Save_Database_Bytes(*Sample_Database(kind, kind == FileKind::ChannelData ? 0 : 2))
            .target;
}

// A file of the right size that fails after its size check, in one of the ways a load fails.
Bytes Failing_File(const QByteArray &fault)
{
    Bytes file = Sample_File(FileKind::Default);
    if (fault == "crc") {
        Store_U32(file, 80, 0);
    } else if (fault == "decompress") {
        Store_U32(file, 84, 0);
        test::Write_Test_Crc_Table(file, 0);
    }
    return file;
}

} // namespace

class TestFileLevel : public QObject
{
    Q_OBJECT

private slots:
    void missing_file();
    void wrong_size_data();
    void wrong_size();
    void header_is_taken_before_the_checks();
    void failed_open_keeps_working_copy_data();
    void failed_open_keeps_working_copy();
    void open_writes_working_copy();
    void save_writes_target_and_working_copy();
    void save_failure_data();
    void save_failure();
    void save_into_read_only_folder();
    void save_keeps_permissions_data();
    void save_keeps_permissions();
    void too_large_save_writes_nothing();
};

void TestFileLevel::missing_file()
{
    QTemporaryDir dir;
    auto db = Make_Channel_Database();
    const Outcome outcome = Load_Database_File(*db, Path(dir, "absent.bin"), Path(dir, "wc.bin"));
    QCOMPARE(Text(outcome.message),
             QByteArray("Find an error, when opening this file,\r\rMaybe it inexistent!"));
    QVERIFY(Entries(dir.path()).isEmpty());
}

void TestFileLevel::wrong_size_data()
{
    QTest::addColumn<FileKind>("kind");
    QTest::addColumn<int>("size");
    QTest::newRow("default of 262144") << FileKind::Default << 262144;
    QTest::newRow("channel data of 131072") << FileKind::ChannelData << 131072;
    QTest::newRow("default of 131073") << FileKind::Default << 131073;
    QTest::newRow("empty channel data") << FileKind::ChannelData << 0;
}

void TestFileLevel::wrong_size()
{
    QFETCH(FileKind, kind);
    QFETCH(int, size);
    QTemporaryDir dir;
    Write_File(Path(dir, "file.bin"), Bytes(static_cast<std::size_t>(size), 0xFF));
    auto db = Make_Channel_Database();
    db->Set_File_Kind(kind);
    const Outcome outcome = Load_Database_File(*db, Path(dir, "file.bin"), Path(dir, "wc.bin"));
    QCOMPARE(Text(outcome.message), QByteArray("File wrong!"));
}

void TestFileLevel::header_is_taken_before_the_checks()
{
    QTemporaryDir dir;
    Bytes file = Failing_File("crc");
    std::fill_n(file.begin(), 80, std::uint8_t{'h'});
    Write_File(Path(dir, "file.bin"), file);
    auto db = Sample_Database(FileKind::Default, 2);
    const Outcome outcome = Load_Database_File(*db, Path(dir, "file.bin"), Path(dir, "wc.bin"));
    QCOMPARE(Text(outcome.message), QByteArray("File CRC wrong!"));
    QCOMPARE(test::First_Difference(db->File_Header, ByteView(file).first(80)), -1);
}

void TestFileLevel::failed_open_keeps_working_copy_data()
{
    QTest::addColumn<QByteArray>("fault");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("checksum") << QByteArray("crc") << QByteArray("File CRC wrong!");
    QTest::newRow("decompression") << QByteArray("decompress") << QByteArray("Decompress Error!");
}

// The working copy of the open database survives, and so do its tables.
void TestFileLevel::failed_open_keeps_working_copy()
{
    QFETCH(QByteArray, fault);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    Write_File(Path(dir, "file.bin"), Failing_File(fault));
    Write_File(Path(dir, "wc.bin"), View("previous working copy"));
    auto db = Sample_Database(FileKind::Default, 2);
    const Bytes image_before = Image_Of(db->raw);
    const Outcome outcome = Load_Database_File(*db, Path(dir, "file.bin"), Path(dir, "wc.bin"));
    QCOMPARE(Text(outcome.message), message);
    QCOMPARE(Read_File(Path(dir, "wc.bin")), QByteArray("previous working copy"));
    QCOMPARE(test::First_Difference(Image_Of(db->raw), image_before), -1);
    QCOMPARE(Entries(dir.path()), QStringList({"file.bin", "wc.bin"}));
}

void TestFileLevel::open_writes_working_copy()
{
    QTemporaryDir dir;
    const Bytes image = Image_Of(Sample_Database(FileKind::ChannelData, 0)->raw);
    Write_File(Path(dir, "file.bin"), Sample_File(FileKind::ChannelData));
    Write_File(Path(dir, "wc.bin"), View("previous working copy"));
    auto db = test::Empty_Database(FileKind::ChannelData);
    QVERIFY(Load_Database_File(*db, Path(dir, "file.bin"), Path(dir, "wc.bin")).ok);
    const QByteArray working_copy = Read_File(Path(dir, "wc.bin"));
    QCOMPARE(test::First_Difference(View(working_copy), image), -1);
    QCOMPARE(test::First_Difference(Image_Of(db->raw), image), -1);
    QCOMPARE(db->Program_Count, 12);
    QCOMPARE(Entries(dir.path()), QStringList({"file.bin", "wc.bin"}));
}

void TestFileLevel::save_writes_target_and_working_copy()
{
    QTemporaryDir dir;
    auto db = Sample_Database(FileKind::ChannelData, 0);
    QVERIFY(Save_Database_File(*db, Path(dir, "out.bin"), Path(dir, "wc.bin"), {}).ok);
    auto reopened = test::Empty_Database(FileKind::ChannelData);
    QVERIFY(Load_Database_File(*reopened, Path(dir, "out.bin"), Path(dir, "wc2.bin")).ok);
    QCOMPARE(test::First_Difference(Image_Of(reopened->raw), Image_Of(db->raw)), -1);
    // A mode 0 save leaves the whole 262144-byte file in the working copy, headers apart.
    const QByteArray working_copy = Read_File(Path(dir, "wc.bin"));
    const QByteArray target = Read_File(Path(dir, "out.bin"));
    QCOMPARE(working_copy.size(), qsizetype(kChannelDataFileSize));
    QCOMPARE(working_copy.mid(80, 131072 - 80), target.mid(80, 131072 - 80));
    QCOMPARE(working_copy.mid(131152), target.mid(131152));
    QCOMPARE(Entries(dir.path()), QStringList({"out.bin", "wc.bin", "wc2.bin"}));
}

void TestFileLevel::save_failure_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("working_copy");
    QTest::addColumn<QByteArray>("failing");
    QTest::newRow("target folder missing")
            << QByteArray("missing/out.bin") << QByteArray("wc.bin") << QByteArray("target");
    QTest::newRow("target folder is a file")
            << QByteArray("out.bin/out.bin") << QByteArray("wc.bin") << QByteArray("target");
    QTest::newRow("working copy folder missing")
            << QByteArray("out.bin") << QByteArray("missing/wc.bin") << QByteArray("working_copy");
}

// Failures that hold for every user, root included. An existing out.bin stays as it was.
void TestFileLevel::save_failure()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, working_copy);
    QFETCH(QByteArray, failing);
    QTemporaryDir dir;
    Write_File(Path(dir, "out.bin"), View("old target"));
    auto db = Sample_Database(FileKind::ChannelData, 0);
    const std::string target_path = Path(dir, target.constData());
    const std::string working_copy_path = Path(dir, working_copy.constData());
    const Outcome outcome = Save_Database_File(*db, target_path, working_copy_path, {});
    QVERIFY(!outcome.ok);
    const std::string &named = failing == "target" ? target_path : working_copy_path;
    QVERIFY2(Text(outcome.message).startsWith(kSavePrefix + QByteArray::fromStdString(named)),
             outcome.message.c_str());
    // A target that cannot be written is found out before the working copy is touched.
    QCOMPARE(Read_File(Path(dir, "out.bin")), QByteArray("old target"));
    QCOMPARE(Entries(dir.path()), QStringList({"out.bin"}));
}

void TestFileLevel::save_into_read_only_folder()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("ro");
    QVERIFY(QDir().mkdir(folder));
    const std::string target = (folder + "/out.bin").toStdString();
    Write_File(target, View("old target"));
    QCOMPARE(::chmod(folder.toLocal8Bit().constData(), 0555), 0);
    const auto restore = qScopeGuard([&] { ::chmod(folder.toLocal8Bit().constData(), 0755); });

    auto db = Sample_Database(FileKind::ChannelData, 0);
    const Outcome outcome = Save_Database_File(*db, target, Path(dir, "wc.bin"), {});
    if (outcome.ok && ::geteuid() == 0)
        QSKIP("root writes into a read-only folder; the missing-folder cases cover the failure");
    QVERIFY(!outcome.ok);
    QVERIFY(Text(outcome.message).startsWith(kSavePrefix + QByteArray::fromStdString(target)));
    QCOMPARE(Read_File(target), QByteArray("old target"));
    QCOMPARE(Entries(folder), QStringList({"out.bin"}));
}

void TestFileLevel::save_keeps_permissions_data()
{
    QTest::addColumn<uint>("mode");
    QTest::newRow("0640") << 0640u;
    QTest::newRow("0600") << 0600u;
    QTest::newRow("0604") << 0604u;
}

void TestFileLevel::save_keeps_permissions()
{
    QFETCH(uint, mode);
    QTemporaryDir dir;
    const std::string target = Path(dir, "out.bin");
    Write_File(target, View("old target"));
    QCOMPARE(::chmod(target.c_str(), mode), 0);
    auto db = Sample_Database(FileKind::Default, 2);
    QVERIFY(Save_Database_File(*db, target, Path(dir, "wc.bin"), {}).ok);
    QCOMPARE(uint(Permissions(target)), mode);
    QCOMPARE(Read_File(target).size(), qsizetype(kDefaultFileSize));
    QCOMPARE(Entries(dir.path()), QStringList({"out.bin", "wc.bin"}));
}

void TestFileLevel::too_large_save_writes_nothing()
{
    QTemporaryDir dir;
    Write_File(Path(dir, "out.bin"), View("old target"));
    Write_File(Path(dir, "wc.bin"), View("old working copy"));
    auto db = test::Empty_Database(FileKind::Default, 2);
    for (std::size_t r = 0; r < Image_Regions().size(); ++r) {
        const Bytes noise = test::Seeded_Bytes(Region_Bytes(db->raw, r).size(), 40 + r);
        std::copy(noise.begin(), noise.end(), Region_Bytes(db->raw, r).begin());
    }
    const Outcome outcome = Save_Database_File(*db, Path(dir, "out.bin"), Path(dir, "wc.bin"), {});
    QCOMPARE(Text(outcome.message), QByteArray("Data too large, can not be saved!"));
    QCOMPARE(Read_File(Path(dir, "out.bin")), QByteArray("old target"));
    QCOMPARE(Read_File(Path(dir, "wc.bin")), QByteArray("old working copy"));
    QCOMPARE(Entries(dir.path()), QStringList({"out.bin", "wc.bin"}));
}

QTEST_APPLESS_MAIN(TestFileLevel)
#include "tst_file_level.moc"
