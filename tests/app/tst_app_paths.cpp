// The program's folders, the place of the settings file and the start-up copy of DEFAULT.BIN.

#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace orvane;

namespace {

QByteArray Pattern(int size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed) & 0xFF);
    return bytes;
}

QByteArray File_Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write_Bytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void program_folder_is_the_executables();
    void system_folder_is_created();
    void settings_beside_a_writable_program();
    void settings_elsewhere_data();
    void settings_elsewhere();
    void copy_default_bin_data();
    void copy_default_bin();
    void copy_default_bin_onto_itself();
    void default_bin_folders_data();
    void default_bin_folders();
    void copy_default_bin_search_order_data();
    void copy_default_bin_search_order();

private:
    QTemporaryDir m_home;
    QString m_data_home;
    QString m_config_home;
};

void TestAppPaths::initTestCase()
{
    QVERIFY(m_home.isValid());
    m_data_home = m_home.filePath(QStringLiteral("data"));
    m_config_home = m_home.filePath(QStringLiteral("config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data_home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config_home));
    QCoreApplication::setApplicationName(QStringLiteral("orvane-test"));
}

void TestAppPaths::program_folder_is_the_executables()
{
    QCOMPARE(Program_Folder(), QCoreApplication::applicationDirPath() + u'/');
    QCOMPARE(Settings_File_Path(), Program_Folder() + "ORVANE.ini");
}

void TestAppPaths::system_folder_is_created()
{
    const QString expected = m_data_home + QStringLiteral("/orvane-test/");
    QVERIFY(!QFileInfo::exists(expected));
    QCOMPARE(System_Folder(), expected);
    QVERIFY(QFileInfo(expected).isDir());
    QCOMPARE(Working_Copy_Path(), expected + "MIRALTO_BACKUP.BIN");
}

void TestAppPaths::settings_beside_a_writable_program()
{
    QTemporaryDir program;
    QCOMPARE(Settings_File_Path_For(program.path()), program.path() + "/ORVANE.ini");
    QCOMPARE(Settings_File_Path_For(program.path() + u'/'), program.path() + "/ORVANE.ini");
}

void TestAppPaths::settings_elsewhere_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("a file, not a folder") << "file";
    QTest::newRow("read-only folder") << "read-only";
}

void TestAppPaths::settings_elsewhere()
{
    QFETCH(QString, kind);
    QTemporaryDir scratch;
    QString program = scratch.filePath(QStringLiteral("program"));
    if (kind == "file") {
        Write_Bytes(program, "x");
    } else if (kind == "read-only") {
        if (::geteuid() == 0)
            QSKIP("root may write into any folder");
        QVERIFY(QDir().mkpath(program));
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    }
    const QString config = m_config_home + QStringLiteral("/orvane-test/");
    QCOMPARE(Settings_File_Path_For(program), config + "ORVANE.ini");
    QVERIFY(QFileInfo(config).isDir());
}

void TestAppPaths::copy_default_bin_data()
{
    QTest::addColumn<bool>("has_source"); // DEFAULT.BIN beside the program
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("earlier"); // "" when the system folder holds none yet
    const QByteArray file = Pattern(131072, 1);
    const QByteArray none;
    QTest::newRow("no DEFAULT.BIN: nothing copied") << false << none << none;
    QTest::newRow("no DEFAULT.BIN: earlier copy kept") << false << none << Pattern(100, 9);
    QTest::newRow("first copy") << true << file << none;
    QTest::newRow("replaces a longer copy") << true << file << Pattern(262144, 5);
    QTest::newRow("replaces a shorter copy") << true << file << Pattern(10, 5);
    QTest::newRow("empty DEFAULT.BIN") << true << none << Pattern(10, 5);
}

void TestAppPaths::copy_default_bin()
{
    QFETCH(bool, has_source);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, earlier);
    QTemporaryDir program;
    QTemporaryDir system;
    const QString target = system.filePath(QStringLiteral("DEFAULT.BIN"));
    if (has_source)
        Write_Bytes(program.filePath(QStringLiteral("DEFAULT.BIN")), source);
    if (!earlier.isEmpty())
        Write_Bytes(target, earlier);
    QCOMPARE(Copy_Default_Bin(program.path(), system.path()), has_source);
    if (has_source)
        QCOMPARE(File_Bytes(target), source);
    else
        QCOMPARE(File_Bytes(target), earlier.isEmpty() ? QByteArray("<missing>") : earlier);
    QCOMPARE(QDir(system.path()).entryList(QDir::Files | QDir::Hidden).size(),
             has_source || !earlier.isEmpty() ? 1 : 0); // no temporary file left behind
}

void TestAppPaths::copy_default_bin_onto_itself()
{
    QTemporaryDir folder;
    const QByteArray file = Pattern(131072, 3);
    Write_Bytes(folder.filePath(QStringLiteral("DEFAULT.BIN")), file);
    QVERIFY(Copy_Default_Bin(folder.path(), folder.path() + u'/'));
    QCOMPARE(File_Bytes(folder.filePath(QStringLiteral("DEFAULT.BIN"))), file);
    // A system folder that cannot exist fails quietly.
    QVERIFY(!Copy_Default_Bin(folder.path(), folder.filePath(QStringLiteral("DEFAULT.BIN"))));
}

void TestAppPaths::default_bin_folders_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("build tree") << "/src/build/ci/bin/"
                                << "/usr/local/share/orvane"
                                << QStringList{"/src/build/ci/bin/", "/src/build/ci/share/orvane/",
                                               "/usr/local/share/orvane/"};
    QTest::newRow("installed where configured")
            << "/usr/local/bin"
            << "/usr/local/share/orvane/"
            << QStringList{"/usr/local/bin/", "/usr/local/share/orvane/"};
    QTest::newRow("packaged under another prefix")
            << "/usr/bin/"
            << "/usr/local/share/orvane"
            << QStringList{"/usr/bin/", "/usr/share/orvane/", "/usr/local/share/orvane/"};
    QTest::newRow("no installed folder")
            << "/opt/o/bin/"
            << "" << QStringList{"/opt/o/bin/", "/opt/o/share/orvane/"};
}

void TestAppPaths::default_bin_folders()
{
    QFETCH(QString, program);
    QFETCH(QString, installed);
    QFETCH(QStringList, folders);
    QCOMPARE(Default_Bin_Folders(program, installed), folders);
}

void TestAppPaths::copy_default_bin_search_order_data()
{
    // Bit i: folder i holds a DEFAULT.BIN; bit i + 3: ... one that cannot be read (a folder).
    QTest::addColumn<int>("present");
    for (int present = 0; present < 64; ++present) {
        if ((present & (present >> 3)) == 0)
            QTest::addRow("files %d, unreadable %d", present & 7, present >> 3) << present;
    }
}

void TestAppPaths::copy_default_bin_search_order()
{
    QFETCH(int, present);
    QTemporaryDir sources[3];
    QTemporaryDir system;
    QStringList folders;
    int expected = -1; // the first folder with a readable DEFAULT.BIN
    for (int i = 0; i < 3; ++i) {
        const QString file = sources[i].filePath(QStringLiteral("DEFAULT.BIN"));
        if (present & (8 << i))
            QVERIFY(QDir().mkdir(file));
        if (present & (1 << i)) {
            Write_Bytes(file, Pattern(131072, i));
            expected = expected < 0 ? i : expected;
        }
        folders << sources[i].path();
    }
    QCOMPARE(Copy_Default_Bin(folders, system.path()), expected >= 0);
    QCOMPARE(File_Bytes(system.filePath(QStringLiteral("DEFAULT.BIN"))),
             expected >= 0 ? Pattern(131072, expected) : QByteArray("<missing>"));
}

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_app_paths.moc"
