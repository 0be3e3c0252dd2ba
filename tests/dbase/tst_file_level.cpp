// Opening and saving files on disk: the messages of each failure, the header taken even from
// a file that then fails, a working copy replaced only by a verified image, and saves that
// replace their target whole or not at all, keep its permissions and owner, leave no temporary
// files, write through links, refuse what is no regular file, and keep every replaced version
// in the backups, however writers, failures and clocks interleave.

#include "dbase_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <future>
#include <map>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
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

// The fault of a row, for the functions that stand in for the system calls: the writes, the
// flush or the rename of out.bin's temporary file fail with `error`, the writes once `room`
// bytes went through, as on a device that fills up. Other files are written as usual.
struct InjectedFault
{
    QByteArray call;
    std::size_t room = 0;
    int error = 0;
};
InjectedFault g_fault;
std::string g_fault_target = "out.bin";

bool Is_Target_Temporary(int fd)
{
    char path[PATH_MAX];
    const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, PATH_MAX);
    return n > 0
           && Name_Of(std::string(path, std::size_t(n)))
                      .starts_with(Temporary_Prefix(g_fault_target));
}

ssize_t Faulty_Write(int fd, const void *data, std::size_t size)
{
    if (g_fault.call != "write" || !Is_Target_Temporary(fd))
        return ::write(fd, data, size);
    const std::size_t n = std::min(size, g_fault.room);
    g_fault.room -= n;
    errno = g_fault.error;
    return n == 0 ? -1 : ::write(fd, data, n);
}

int Faulty_Fsync(int fd)
{
    errno = g_fault.error;
    return g_fault.call == "fsync" && Is_Target_Temporary(fd) ? -1 : ::fsync(fd);
}

int Faulty_Rename(const char *from, const char *to)
{
    errno = g_fault.error;
    return g_fault.call == "rename" && Name_Of(to) == "out.bin" ? -1 : ::rename(from, to);
}

std::vector<QByteArray> Backup_Contents(const std::string &folder, const std::string &file)
{
    std::vector<QByteArray> contents;
    for (const BackupFile &backup : List_Backups(folder, Origin_Path(file)))
        contents.push_back(Read_File(backup.path));
    return contents;
}

// What the backups of one file must hold after a series of writes: every version a write
// replaced, once, unless it equals the newest backup; the newest kBackupsKept, newest first.
struct HistoryModel
{
    QByteArray current;
    bool exists = false;
    std::vector<QByteArray> replaced;

    void Written(const QByteArray &bytes)
    {
        if (exists && (replaced.empty() || replaced.back() != current))
            replaced.push_back(current);
        current = bytes;
        exists = true;
    }
    std::vector<QByteArray> Kept() const
    {
        const std::size_t from = replaced.size() - std::min(replaced.size(), kBackupsKept);
        return {replaced.rbegin(), replaced.rend() - std::ptrdiff_t(from)};
    }
};

QStringList Repeated(int times, const QString &step)
{
    QStringList steps;
    for (int i = 0; i < times; ++i)
        steps << step;
    return steps;
}

void Set_Time_Zone(const QByteArray &zone)
{
    if (zone.isEmpty())
        ::unsetenv("TZ");
    else
        ::setenv("TZ", zone.constData(), 1);
    ::tzset();
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
    void injected_faults_data();
    void injected_faults();
    void open_names_working_copy_folder();
    void write_through_links_data();
    void write_through_links();
    void refused_targets_data();
    void refused_targets();
    void reads_refuse_what_is_no_file_data();
    void reads_refuse_what_is_no_file();
    void stale_temporaries_of_the_target_go();
    void replaced_file_keeps_owner();
    void backups_keep_the_newest_data();
    void backups_keep_the_newest();
    void writers_of_one_file_take_turns();
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

// The backup keeps the mode too, and the folders that hold backups are the user's alone, an
// open one left by an earlier version included.
void TestFileLevel::save_keeps_permissions()
{
    QFETCH(uint, mode);
    QTemporaryDir dir;
    const std::string target = Path(dir, "out.bin");
    const std::string backups = Path(dir, "backups");
    Write_File(target, View("old target"));
    QCOMPARE(::chmod(target.c_str(), mode), 0);
    QCOMPARE(::mkdir(backups.c_str(), 0755), 0);
    auto db = Sample_Database(FileKind::Default, 2);
    QVERIFY(Save_Database_File(*db, target, Path(dir, "wc.bin"), backups).ok);
    QCOMPARE(uint(Permissions(target)), mode);
    QCOMPARE(Read_File(target).size(), qsizetype(kDefaultFileSize));
    QCOMPARE(Entries(dir.path()), QStringList({"backups", "out.bin", "wc.bin"}));
    const std::vector<BackupFile> made = List_Backups(backups);
    QCOMPARE(made.size(), std::size_t(1));
    QCOMPARE(Read_File(made.front().path), QByteArray("old target"));
    QCOMPARE(uint(Permissions(made.front().path)), mode);
    QCOMPARE(uint(Permissions(backups)), 0700u);
    QCOMPARE(uint(Permissions(Folder_Of(made.front().path))), 0700u);
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

void TestFileLevel::injected_faults_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QByteArray>("call");
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("error");
    QTest::addColumn<QByteArray>("reason");
    for (const bool save : {false, true}) {
        const char *route = save ? "save" : "write";
        QTest::addRow("%s, write fails at once", route)
                << save << QByteArray("write") << 0 << EDQUOT << QByteArray("Disk quota exceeded");
        QTest::addRow("%s, write fails after 4097 bytes", route)
                << save << QByteArray("write") << 4097 << ENOSPC
                << QByteArray("No space left on device");
        QTest::addRow("%s, flush fails", route)
                << save << QByteArray("fsync") << 0 << EIO << QByteArray("Input/output error");
        QTest::addRow("%s, rename fails", route) << save << QByteArray("rename") << 0 << EBUSY
                                                 << QByteArray("Device or resource busy");
    }
}

// The failure carries the system's reason, the old target stays byte for byte and its
// temporary file goes; a save still leaves its working copy, and no backup: the old target is
// still in place, and the history stays as it was.
void TestFileLevel::injected_faults()
{
    QFETCH(bool, save);
    QFETCH(QByteArray, call);
    QFETCH(int, room);
    QFETCH(int, error);
    QFETCH(QByteArray, reason);
    QTemporaryDir dir;
    const std::string target = Path(dir, "out.bin");
    const Bytes old = test::Seeded_Bytes(10000, 7);
    Write_File(target, old);
    g_fault = {call, std::size_t(room), error};
    const ScopedWriteCalls faulty(WriteCalls{Faulty_Write, Faulty_Fsync, Faulty_Rename});
    if (save) {
        const Outcome outcome = Save_Database_File(*Sample_Database(FileKind::Default, 2), target,
                                                   Path(dir, "wc.bin"), Path(dir, "backups"));
        QCOMPARE(Text(outcome.message), Text(msg::Save_Failed(target, reason.toStdString())));
        QVERIFY(List_Backups(Path(dir, "backups")).empty());
    } else {
        std::string why;
        QVERIFY(!Write_File_Atomically(target, test::Seeded_Bytes(65536, 8), why));
        QCOMPARE(Text(why), reason);
    }
    QCOMPARE(test::First_Difference(View(Read_File(target)), old), -1);
    QCOMPARE(Entries(dir.path()),
             save ? QStringList({"backups", "out.bin", "wc.bin"}) : QStringList({"out.bin"}));
}

// A good file whose working copy cannot be written is not called damaged.
void TestFileLevel::open_names_working_copy_folder()
{
    QTemporaryDir dir;
    Write_File(Path(dir, "file.bin"), Sample_File(FileKind::ChannelData));
    auto db = test::Empty_Database(FileKind::ChannelData);
    const Outcome outcome = Load_Database_File(*db, Path(dir, "file.bin"), Path(dir, "no/wc.bin"));
    QCOMPARE(Text(outcome.message),
             Text(msg::Working_Copy_Failed(Path(dir, "no"), "No such file or directory")));
}

void TestFileLevel::write_through_links_data()
{
    QTest::addColumn<QStringList>("links"); // name -> what it points to, in the order made
    QTest::addColumn<QString>("file");      // the file that gets the bytes
    QTest::newRow("relative") << QStringList{"link.bin>real.bin"} << "real.bin";
    QTest::newRow("absolute") << QStringList{"link.bin>@/real.bin"} << "real.bin";
    QTest::newRow("chain") << QStringList{"sub/hop.bin>real.bin", "link.bin>sub/hop.bin"}
                           << "sub/real.bin";
    QTest::newRow("dangling") << QStringList{"link.bin>new.bin"} << "new.bin";
}

// The link stays a link, the file it names gets the bytes (and is backed up first), and no
// temporary file is left anywhere.
void TestFileLevel::write_through_links()
{
    QFETCH(QStringList, links);
    QFETCH(QString, file);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    Write_File(Path(dir, "real.bin"), View("old"));
    Write_File(Path(dir, "sub/real.bin"), View("old"));
    for (const QString &link : links) {
        const QStringList parts = link.split('>');
        const QString to = parts[1].startsWith('@') ? dir.filePath(parts[1].mid(2)) : parts[1];
        QCOMPARE(::symlink(to.toLocal8Bit().constData(), Path(dir, qPrintable(parts[0])).c_str()),
                 0);
    }
    const std::string backups = Path(dir, "backups");
    QVERIFY(Write_Database_File(Path(dir, "link.bin"), View("new"), backups).ok);
    QVERIFY(QFileInfo(dir.filePath("link.bin")).isSymLink());
    QCOMPARE(Read_File(Path(dir, qPrintable(file))), QByteArray("new"));
    const bool replaced = file != "new.bin";
    const std::vector<BackupFile> made = List_Backups(backups);
    QCOMPARE(made.size(), std::size_t(replaced));
    if (replaced)
        QCOMPARE(QString::fromStdString(made.front().origin),
                 QFileInfo(dir.filePath(file)).canonicalFilePath());
    for (const QString &folder : {dir.path(), dir.filePath("sub")})
        QVERIFY(Entries(folder).filter(".orvane-").isEmpty());
}

void TestFileLevel::refused_targets_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("folder") << QByteArray("folder") << QByteArray("Is a directory");
    QTest::newRow("fifo") << QByteArray("fifo") << QByteArray("Is a FIFO, not a regular file");
    QTest::newRow("link to a fifo")
            << QByteArray("to_fifo") << QByteArray("Is a FIFO, not a regular file");
    QTest::newRow("read-only file")
            << QByteArray("read_only.bin") << QByteArray("Permission denied");
}

// Nothing is written, not even a backup or a temporary file, and the object stays what it was.
void TestFileLevel::refused_targets()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QCOMPARE(::mkfifo(Path(dir, "fifo").c_str(), 0600), 0);
    QCOMPARE(::symlink("fifo", Path(dir, "to_fifo").c_str()), 0);
    Write_File(Path(dir, "read_only.bin"), View("old"));
    QCOMPARE(::chmod(Path(dir, "read_only.bin").c_str(), 0444), 0);
    const QStringList before = Entries(dir.path());

    const std::string path = Path(dir, target.constData());
    const Outcome outcome = Write_Database_File(path, View("new"), Path(dir, "backups"));
    QCOMPARE(Text(outcome.message), Text(msg::Save_Failed(path, reason.toStdString())));
    QCOMPARE(Entries(dir.path()), before);
    QCOMPARE(Read_File(Path(dir, "read_only.bin")), QByteArray("old"));
    struct stat fifo
    {};
    QVERIFY(::lstat(Path(dir, "fifo").c_str(), &fifo) == 0 && S_ISFIFO(fifo.st_mode));
    QVERIFY(Entries(dir.filePath("folder")).isEmpty());
}

void TestFileLevel::reads_refuse_what_is_no_file_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("fifo") << "fifo" << QByteArray("Is a FIFO, not a regular file");
    QTest::newRow("endless device") << "/dev/zero" << QByteArray("Is a device, not a regular file");
    QTest::newRow("folder") << "." << QByteArray("Is a directory");
}

// Refused at once, without blocking on a FIFO that has no writer or reading a device without
// end; a database open says the file is not there.
void TestFileLevel::reads_refuse_what_is_no_file()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, reason);
    QTemporaryDir dir;
    QCOMPARE(::mkfifo(Path(dir, "fifo").c_str(), 0600), 0);
    const std::string full
            = path.startsWith('/') ? path.toStdString() : Path(dir, qPrintable(path));
    auto refused = std::async(std::launch::async, [&] {
        Bytes bytes;
        std::string why;
        const bool read = Read_Whole_File(full, bytes, why, kImageSize);
        auto db = Make_Channel_Database();
        const Outcome opened = Load_Database_File(*db, full, Path(dir, "wc.bin"));
        return std::tuple{read, why, opened.message};
    });
    if (refused.wait_for(std::chrono::seconds(10)) != std::future_status::ready)
        qFatal("a read of %s blocked", full.c_str());
    const auto [read, why, message] = refused.get();
    QVERIFY(!read);
    QCOMPARE(Text(why), reason);
    QCOMPARE(Text(message), QByteArray(msg::kFileInexistent));
}

// Only a temporary file that nobody holds and that is older than a minute is stale: a fresh one
// may belong to a write that has not locked it yet.
void TestFileLevel::stale_temporaries_of_the_target_go()
{
    QTemporaryDir dir;
    for (const char *name :
         {".out.bin.orvane-Stale1", ".out.bin.orvane-Held22", ".other.bin.orvane-Other3",
          ".out.bin.orvane-toolong7", ".out.bin.orvane-Fresh4"}) {
        Write_File(Path(dir, name), View("temporary"));
        const timespec a_minute_ago[2]{{std::time(nullptr) - 61, 0}, {std::time(nullptr) - 61, 0}};
        if (!QByteArray(name).contains("Fresh"))
            QCOMPARE(::utimensat(AT_FDCWD, Path(dir, name).c_str(), a_minute_ago, 0), 0);
    }
    // A write that still runs holds the lock on its temporary file.
    const int held = ::open(Path(dir, ".out.bin.orvane-Held22").c_str(), O_RDONLY);
    QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
    const auto release = qScopeGuard([&] { ::close(held); });
    std::string reason;
    QVERIFY(Write_File_Atomically(Path(dir, "out.bin"), View("new"), reason));
    QCOMPARE(Entries(dir.path()),
             QStringList({".other.bin.orvane-Other3", ".out.bin.orvane-Fresh4",
                          ".out.bin.orvane-Held22", ".out.bin.orvane-toolong7", "out.bin"}));
}

void TestFileLevel::replaced_file_keeps_owner()
{
    if (::geteuid() != 0)
        QSKIP("only root can give a file to another user");
    QTemporaryDir dir;
    const std::string target = Path(dir, "out.bin");
    Write_File(target, View("old"));
    QCOMPARE(::chown(target.c_str(), 65534, 65534), 0);
    std::string reason;
    QVERIFY(Write_File_Atomically(target, View("new"), reason));
    struct stat info
    {};
    QCOMPARE(::stat(target.c_str(), &info), 0);
    QCOMPARE(info.st_uid, uid_t(65534));
    QCOMPARE(info.st_gid, gid_t(65534));
}

// Each row is a series of writes through the real write path: "FILE" writes new bytes, "FILE
// same" the bytes FILE holds, "FILE full" fails on a full disk, "TZ=..." moves the time zone.
// The backups of every file must hold what HistoryModel says, newest first, and a flat backup
// of an earlier version stays, listed without an origin.
void TestFileLevel::backups_keep_the_newest_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("the newest 30") << Repeated(33, "a/CD.BIN");
    QTest::newRow("failed saves keep the history")
            << Repeated(32, "a/CD.BIN") + Repeated(30, "a/CD.BIN full") + QStringList{"a/CD.BIN"};
    QTest::newRow("the time zone goes back") << QStringList{"TZ=UTC-14"} + Repeated(31, "a/CD.BIN")
                                                        + QStringList{"TZ=UTC+12"}
                                                        + Repeated(3, "a/CD.BIN");
    QTest::newRow("one name in two folders")
            << Repeated(3, "a/CD.BIN") + Repeated(31, "b/CD.BIN") + QStringList{"a/CD.BIN"};
    QTest::newRow("a 250-byte name") << Repeated(3, "a/" + QString(246, 'n') + ".BIN");
    QTest::newRow("unchanged bytes are kept once")
            << QStringList{"a/CD.BIN", "a/CD.BIN", "a/CD.BIN same", "a/CD.BIN same", "a/CD.BIN"};
}

void TestFileLevel::backups_keep_the_newest()
{
    QFETCH(QStringList, steps);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b"));
    const std::string backups = Path(dir, "backups");
    QVERIFY(QDir(dir.path()).mkpath("backups"));
    Write_File(backups + "/CD.BIN.20200101-000000.bak", View("flat"));
    const QByteArray zone = qgetenv("TZ");
    const auto restore_zone = qScopeGuard([&] { Set_Time_Zone(zone); });
    std::map<QString, HistoryModel> models;
    for (int i = 0; i < steps.size(); ++i) {
        const QStringList parts = steps[i].split(' ');
        if (parts[0].startsWith("TZ=")) {
            Set_Time_Zone(parts[0].mid(3).toLatin1());
            continue;
        }
        HistoryModel &model = models[parts[0]];
        const QByteArray bytes
                = parts.value(1) == "same" ? model.current : "write " + QByteArray::number(i);
        const std::string path = Path(dir, qPrintable(parts[0]));
        g_fault = {"write", 0, ENOSPC};
        g_fault_target = Name_Of(path);
        std::optional<ScopedWriteCalls> full;
        if (parts.value(1) == "full")
            full.emplace(WriteCalls{Faulty_Write, ::fsync, ::rename});
        const Outcome outcome = Write_Database_File(path, View(bytes), backups);
        QCOMPARE(Text(outcome.message),
                 full ? Text(msg::Save_Failed(path, "No space left on device")) : QByteArray());
        if (!full)
            model.Written(bytes);
    }
    for (const auto &[file, model] : models) {
        const std::string path = Path(dir, qPrintable(file));
        QCOMPARE(Read_File(path), model.current);
        QCOMPARE(Backup_Contents(backups, path), model.Kept());
    }
    const std::vector<BackupFile> all = List_Backups(backups);
    QVERIFY(!all.empty() && all.back().origin.empty() && all.back().file_name == "CD.BIN");
    QCOMPARE(Read_File(all.back().path), QByteArray("flat"));
}

// Two writers of one file at once, many rounds: every version that was replaced is in the
// history once, and each writer's versions in the order it wrote them; also when the file is
// new and the writer that waited must back up the file the other one made.
void TestFileLevel::writers_of_one_file_take_turns()
{
    constexpr int kRounds = 15; // with the first version, just the 30 backups kept
    for (int repeat = 0; repeat < 4; ++repeat) {
        QTemporaryDir dir;
        const std::string target = Path(dir, "CD.BIN");
        const std::string backups = Path(dir, "backups");
        const bool from_nothing = repeat % 2 == 1;
        if (!from_nothing)
            Write_File(target, View("first"));
        std::atomic<int> failures = 0;
        const auto writer = [&](char who) {
            for (int round = 0; round < kRounds; ++round) {
                const QByteArray bytes = who + QByteArray::number(round).rightJustified(2, '0');
                failures += Write_Database_File(target, View(bytes), backups).ok ? 0 : 1;
            }
        };
        std::thread a(writer, 'a');
        std::thread b(writer, 'b');
        a.join();
        b.join();
        QCOMPARE(failures.load(), 0);
        std::vector<QByteArray> history = Backup_Contents(backups, target);
        std::reverse(history.begin(), history.end());
        history.push_back(Read_File(target));
        QCOMPARE(history.size(), std::size_t(2 * kRounds + (from_nothing ? 0 : 1)));
        QVERIFY(from_nothing || history.front() == "first");
        for (const char who : {'a', 'b'}) {
            QByteArrayList mine;
            for (const QByteArray &version : history)
                if (version.startsWith(who))
                    mine << version;
            QCOMPARE(mine.size(), kRounds);
            QVERIFY2(std::is_sorted(mine.begin(), mine.end()), mine.join(' ').constData());
        }
    }
}

QTEST_APPLESS_MAIN(TestFileLevel)
#include "tst_file_level.moc"
