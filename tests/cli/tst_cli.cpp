// orvane-cli end to end: exit statuses, the exact messages of refused files, byte-exact
// unpack and pack round trips, and the JSON export, all through the built executable.

#include "charsets/charset_table.h"
#include "dbase/Orvane_dbase.h"
#include "tools/sample_database.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <random>

#include <sys/stat.h>

using namespace orvane;

namespace {

QStringList Charset_Arguments(const QString &charset)
{
    return charset.isEmpty() ? QStringList() : QStringList{"--charset", charset};
}

struct CliRun
{
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

QByteArray Bytes_Of(ByteView bytes)
{
    return {reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

Bytes To_Bytes(const QByteArray &bytes)
{
    return {bytes.begin(), bytes.end()};
}

Bytes Unpacked_Image(const Bytes &file, FileKind kind)
{
    auto db = Make_Channel_Database();
    db->Set_File_Kind(kind);
    if (!Load_Database_Bytes(*db, file))
        return {};
    Bytes image(kImageSize);
    Image_From_Raw(db->raw, image);
    return image;
}

// A valid container whose compressed data no longer decompresses: the checksums are made
// again over the damaged bytes, so only the decompressor can notice.
Bytes Undecompressable(Bytes file)
{
    const std::uint32_t length = Load_U32(file, kLengthOffset);
    for (std::uint32_t i = length / 2; i < length; ++i)
        file[kDataOffset + i] = 0xFF;
    ContainerLayout layout;
    auto crcs = std::make_unique<CrcTables>();
    Write_Crc_Table(file, layout, *crcs);
    return file;
}

// A sample whose first program and satellite carry bytes that need care in JSON: Latin-1
// letters, a quote, a backslash and control characters (C0, DEL and C1).
Bytes Sample_With_Awkward_Names()
{
    auto db = Make_Channel_Database();
    Build_Sample_Database(*db, FileKind::ChannelData);
    Write_Program_Name(db->raw.programs[0], "Caf\xE9 \"\\\x01\x7F");
    Write_Satellite_Name(db->raw.satellites[0], "Sat \xE9\xFF\x85");
    return Save_Database_Bytes(*db).target;
}

// A text as the bytes a character set stores.
std::string In(const char *charset, const char *utf8)
{
    return Names_In(charset)->Stored_Of(utf8).value_or("?");
}

// The sample with names typed in another set: programs 0 on, satellite 0, favourite group 0.
// Its own Latin-1 "é"s become "e", so that only the set's names hold bytes above 127.
Bytes Sample_Named(const std::vector<std::string> &programs, const std::string &satellite,
                   const std::string &group)
{
    auto db = Make_Channel_Database();
    Build_Sample_Database(*db, FileKind::ChannelData);
    for (std::size_t p = 0; p < static_cast<std::size_t>(db->Program_Count); ++p) {
        std::string name = db->rows.programs[p].Name;
        std::replace(name.begin(), name.end(), '\xE9', 'e');
        Write_Program_Name(db->raw.programs[p], name);
    }
    for (std::size_t p = 0; p < programs.size(); ++p)
        Write_Program_Name(db->raw.programs[p], programs[p]);
    Write_Satellite_Name(db->raw.satellites[0], satellite);
    Write_Favourite_Name(db->raw.favourite_names[0], group);
    return Save_Database_Bytes(*db).target;
}

// The sign of a's rank against b's in the order of names of a set (Latin-1 when none).
int Name_Rank_Pair(std::string_view a, std::string_view b, const QString &charset = {})
{
    const std::string_view both[] = {a, b};
    const NameText &names = charset.isEmpty() ? Latin1_Names() : *Names_In(charset.toStdString());
    const std::vector<int> ranks = names.Name_Ranks(both);
    return (ranks[0] > ranks[1]) - (ranks[0] < ranks[1]);
}

// The database in a file as the library opens it, or nullptr.
std::unique_ptr<ChannelDatabase> Opened(const QByteArray &file, FileKind kind)
{
    auto db = Make_Channel_Database();
    db->Set_File_Kind(kind);
    return Load_Database_Bytes(*db, To_Bytes(file)) ? std::move(db) : nullptr;
}

FileKind Kind_Of_Size(const QString &file)
{
    return file.startsWith("default") ? FileKind::Default : FileKind::ChannelData;
}

std::vector<ProgramRecord> Sorted_Program_Records(const ChannelDatabase &db)
{
    std::vector<ProgramRecord> records(db.raw.programs.begin(), db.raw.programs.end());
    std::sort(records.begin(), records.end());
    return records;
}

// Counts beyond their tables, as a hostile image may hold them.
Bytes Image_With_Huge_Counts(Bytes image)
{
    Store_U16(image, kProgramCountsOffset, 0xFFFF);
    Store_U16(image, kProgramCountsOffset + 2, 0xFFFF);
    return image;
}

// The list with one field of a row (numbered as a spreadsheet does, the header 1) replaced; a
// field of -1 drops the row's last field. The sample's fields hold no commas or quotes.
QByteArray Edited(const QByteArray &csv, int row, int field, const QByteArray &value = {})
{
    QList<QByteArray> lines = csv.split('\n');
    QList<QByteArray> fields = lines[row - 1].chopped(1).split(',');
    if (field < 0)
        fields.removeLast();
    else
        fields[field] = value;
    lines[row - 1] = fields.join(',') + '\r';
    return lines.join('\n');
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exit_status_data();
    void exit_status();
    void refusal_messages_data();
    void refusal_messages();
    void verify_reports_success();
    void pack_reproduces_the_file_data();
    void pack_reproduces_the_file();
    void pack_converts_between_kinds_data();
    void pack_converts_between_kinds();
    void info_summarises_the_sample();
    void export_lists_the_tables();
    void charsets_lists_the_names();
    void sort_orders_each_kind_data();
    void sort_orders_each_kind();
    void order_restores_a_scrambled_list_data();
    void order_restores_a_scrambled_list();
    void export_converts_latin1_and_escapes();
    void import_csv_checks_the_list_data();
    void import_csv_checks_the_list();
    void hostile_counts_are_clamped();
    void import_round_trips_data();
    void import_round_trips();
    void import_refuses_broken_documents_data();
    void import_refuses_broken_documents();
    void check_reports_a_file_it_cannot_open();
    void diff_reports_changes();
    void import_fills_a_free_slot_as_a_new_program();
    void sample_writes_the_bundled_files();
    void replaced_files_are_backed_up();
    void runs_leave_no_temporary_files();
    void parallel_runs_do_not_interfere();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, ByteView bytes) const;
    QByteArray read(const QString &name) const;
    QProcessEnvironment start_environment() const;
    QProcess *start(const QStringList &arguments) const;
    CliRun run(const QStringList &arguments) const;
    QJsonObject export_of(const QString &name, const QString &charset = {}) const;

    QTemporaryDir m_dir;
    QTemporaryDir m_tmp; // TMPDIR of every run, to see what the runs leave behind
    Bytes m_data;
    Bytes m_default;
};

void TestCli::write(const QString &name, ByteView bytes) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(Bytes_Of(bytes)), static_cast<qint64>(bytes.size()));
}

QByteArray TestCli::read(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QProcessEnvironment TestCli::start_environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", m_tmp.path());
    environment.insert("XDG_DATA_HOME", path("data"));
    return environment;
}

QProcess *TestCli::start(const QStringList &arguments) const
{
    auto *process = new QProcess;
    process->setProcessEnvironment(start_environment());
    process->setWorkingDirectory(m_dir.path());
    process->start(ORVANE_CLI_PATH, arguments);
    return process;
}

CliRun TestCli::run(const QStringList &arguments) const
{
    std::unique_ptr<QProcess> process(start(arguments));
    CliRun result;
    if (!process->waitForFinished(60000) || process->exitStatus() != QProcess::NormalExit)
        return result;
    result.exit_code = process->exitCode();
    result.out = process->readAllStandardOutput();
    result.err = process->readAllStandardError();
    return result;
}

QJsonObject TestCli::export_of(const QString &name, const QString &charset) const
{
    const CliRun exported = run(QStringList{"export", name} + Charset_Arguments(charset));
    if (exported.exit_code != 0)
        return {};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(exported.out, &error);
    return error.error == QJsonParseError::NoError ? document.object() : QJsonObject();
}

void TestCli::initTestCase()
{
    QVERIFY(m_dir.isValid() && m_tmp.isValid());
    m_data = Sample_File_Bytes(FileKind::ChannelData);
    m_default = Sample_File_Bytes(FileKind::Default);
    write("data.bin", m_data);
    write("default.bin", m_default);
    write("odd.bin", Bytes(1000, 0xFF));
    write("image.bin", Unpacked_Image(m_data, FileKind::ChannelData));
    write("short_image.bin", Bytes(kImageSize - 1, 0xFF));
    Bytes bad_crc = m_data;
    bad_crc[kSmallClass.table_offset + 3] ^= 0x01;
    write("bad_crc.bin", bad_crc);
    Bytes bad_data = m_data;
    bad_data[kDataOffset] ^= 0x40;
    write("bad_data.bin", bad_data);
    write("undecompressable.bin", Undecompressable(m_data));
    write("awkward.bin", Sample_With_Awkward_Names());
    auto wrong_count = Make_Channel_Database();
    Build_Sample_Database(*wrong_count, FileKind::ChannelData);
    Set_Sat_Tp_Counts(wrong_count->raw, Sat_Tp_Total_Count(wrong_count->raw) + 1, 0,
                      Sat_Tp_Per_Sat_Count(wrong_count->raw, 0));
    write("wrong_count.bin", Save_Database_Bytes(*wrong_count).target);
    Bytes zero_length = m_default;
    Store_U32(zero_length, kLengthOffset, 0);
    write("zero_length.bin", zero_length);
    write("kept.bin", m_default);
    // Names of a set's own: one byte windows-1251 does not define, a GBK character cut off.
    const auto ru = [](const char *utf8) { return In("windows-1251", utf8); };
    write("cyrillic.bin",
          Sample_Named({ru("Жук"), ru("Ёлка"), ru("Дом"), "Bad\x98", ru("Ключ\x01")},
                       ru("Спутник 19.2E"), ru("Новости")));
    const auto zh = [](const char *utf8) { return In("GBK", utf8); };
    write("chinese.bin",
          Sample_Named({zh("中央电视台"), zh("凤凰卫视"), zh("中央电视台新闻") + "\x81"},
                       zh("亚洲卫星"), zh("新闻")));
    const auto ar = [](const char *utf8) { return In("windows-1256", utf8); };
    write("arabic.bin", Sample_Named({ar("الجزيرة"), ar("العربية")}, ar("نايل سات"), ar("أخبار")));
    QCOMPARE(::mkfifo(qPrintable(path("fifo")), 0600), 0);
}

void TestCli::exit_status_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reason"); // of a wrong usage, when the row names it
    const auto row = [](const char *name, const QString &line, int status,
                        const char *reason = "") {
        QTest::newRow(name) << line.split(' ', Qt::SkipEmptyParts) << status << QByteArray(reason);
    };
    row("info data", "info data.bin", 0);
    row("info default", "info default.bin", 0);
    row("options first", "--kind data verify data.bin", 0);
    row("option after file", "verify data.bin --kind=data", 0);
    row("kind forced to own", "verify --kind default default.bin", 0);
    row("missing file", "verify nothing.bin", 1);
    row("missing with kind", "verify --kind data nothing.bin", 1);
    row("wrong size", "info odd.bin", 1);
    row("kind forces other", "verify --kind default data.bin", 1);
    row("kind forces other 2", "export default.bin --kind data", 1);
    row("corrupted crc", "verify bad_crc.bin", 1);
    row("image too short", "pack short_image.bin --like data.bin --mode 0 out.bin", 1);
    row("pack, like missing", "pack image.bin --like nothing.bin --mode 0 out.bin", 1);
    row("pack, options after names", "pack image.bin out.bin --mode 2 --like data.bin", 0);
    row("no arguments", "", 2);
    row("unknown command", "frobnicate data.bin", 2);
    row("missing file name", "info", 2);
    row("extra file name", "verify data.bin default.bin", 2);
    row("unknown option", "info --fast data.bin", 2);
    row("bad kind", "verify data.bin --kind other", 2);
    row("kind given twice", "verify --kind data --kind data data.bin", 2);
    row("option without value", "verify data.bin --kind", 2);
    row("option of another command", "info --mode 0 data.bin", 2);
    row("mode 1 with Channel Data", "pack image.bin --like data.bin --mode 1 out.bin", 2);
    row("mode 3 with Channel Data", "pack image.bin --like data.bin --mode 3 out.bin", 2);
    row("mode 0 with Default", "pack image.bin --like default.bin --mode 0 out.bin", 2);
    row("mode out of range", "pack image.bin --like data.bin --mode 4 out.bin", 2);
    row("pack without mode", "pack image.bin --like data.bin out.bin", 2);
    row("sample without kind", "sample out.bin", 2);
    row("image from a FIFO", "pack fifo --like data.bin --mode 0 out.bin", 1);
    row("image from a device", "pack /dev/zero --like data.bin --mode 0 out.bin", 1);
    row("unpack into a FIFO", "unpack data.bin fifo", 1);
    row("unpack into a folder", "unpack data.bin .", 1);
    row("info of a folder", "info .", 1);
    row("diff of the same database", "diff data.bin default.bin", 0);
    row("diff with a kind", "diff --kind data data.bin data.bin", 2,
        "--kind does not apply to diff");
    row("diff of one file", "diff data.bin", 2, "diff takes 2 file names");
    row("backups", "backups", 0);
    row("backups of a name", "backups data.bin", 0);
    row("backups of two names", "backups data.bin default.bin", 2);
    row("restore into a file", "restore data.bin restored.bin", 0);
    row("restore of no database", "restore bad_crc.bin restored.bin", 1);
    row("restore of a file without origin", "restore default.bin", 2,
        "the file default.bin was taken from is not known; name FILE");
    row("restore without backup", "restore", 2, "restore takes 1 or 2 file names");
    row("help", "--help", 0);
    row("version", "--version", 0);
    row("version over a wrong command", "frobnicate --version", 0);
    row("help of a command", "help import", 0);
    row("help alone", "help", 0);
    row("help of an unknown command", "help frobnicate", 2, "unknown command 'frobnicate'");
    row("help of two commands", "help info verify", 2, "help takes at most 1 file name");
    row("help with an option", "help info --kind data", 2, "--kind does not apply to help");
    row("sort by service id", "sort --by=service-id default.bin sorted.bin", 0);
    row("order like the other kind", "order data.bin --favourites --like default.bin o.bin --names",
        0);
    row("order, kind names FILE only", "order --kind data data.bin --like default.bin o.bin", 0);
    row("order, kind forces other", "order --kind default data.bin --like data.bin o.bin", 1);
    row("sort without by", "sort data.bin out.bin", 2, "sort needs --by");
    row("sort by other", "sort data.bin --by number out.bin", 2,
        "--by takes name or service-id, not 'number'");
    row("by given twice", "sort data.bin --by name --by name out.bin", 2,
        "option --by given twice");
    row("by with order", "order data.bin --like data.bin --by name out.bin", 2,
        "--by does not apply to order");
    row("sort without OUT", "sort data.bin --by name", 2, "sort takes 2 file names");
    row("order without like", "order data.bin out.bin", 2, "order needs --like");
    row("like without value", "order data.bin out.bin --like", 2, "option --like needs a value");
    row("names with sort", "sort --names data.bin --by name out.bin", 2,
        "--names does not apply to sort");
    row("favourites with pack", "pack image.bin --like data.bin --mode 0 --favourites out.bin", 2,
        "--favourites does not apply to pack");
    row("names given a value", "order data.bin --like data.bin --names=yes out.bin", 2,
        "option --names takes no value");
    row("favourites given twice", "order data.bin --like x --favourites --favourites out.bin", 2,
        "option --favourites given twice");
    row("check", "check data.bin", 0);
    row("check as JSON", "check --json default.bin", 0);
    row("check, warnings only", "check awkward.bin", 0);
    row("check, errors", "check wrong_count.bin", 1);
    row("json with export", "export --json data.bin", 2, "--json does not apply to export");
    row("json given a value", "check --json=yes data.bin", 2, "option --json takes no value");
    row("csv with check", "check --csv data.bin", 2, "--csv does not apply to check");
    row("import-csv without like", "import-csv list.csv out.bin", 2, "import-csv needs --like");
    row("charset in any case", "export --charset WINDOWS-1251 --csv data.bin", 0);
    row("charset unknown", "check data.bin --charset klingon", 2,
        "--charset does not know 'klingon'; orvane-cli charsets lists the names it takes");
    row("charset with verify", "verify --charset GBK data.bin", 2,
        "--charset does not apply to verify");
    row("charsets with a file", "charsets data.bin", 2, "charsets takes 0 file names");
}

void TestCli::exit_status()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, reason);
    const CliRun result = run(arguments);
    QCOMPARE(result.exit_code, status);
    if (!reason.isEmpty())
        QCOMPARE(result.err.left(result.err.indexOf('\n')), QByteArray("orvane-cli: " + reason));
    if (status == 2)
        QVERIFY2(result.err.startsWith("orvane-cli: ") && result.err.contains("Usage:"),
                 result.err.constData());
    if (status == 1)
        QVERIFY(!result.err.isEmpty());
}

void TestCli::refusal_messages_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("message");
    // The message, then the file it is about on a line of its own: order opens two.
    const auto inexistent = [](const char *file) {
        return "Find an error, when opening this file,\n\nMaybe it inexistent!\n" + QByteArray(file)
               + '\n';
    };
    const auto about = [](const char *message, const char *file) {
        return QByteArray(message) + '\n' + file + '\n';
    };
    const auto wrong_size
            = [](const char *file, const char *size, const char *kind, const char *expected) {
                  return "File wrong!\n" + QByteArray(file) + "\nIt holds " + size + " bytes; a \""
                         + kind + "\" file holds " + expected + " bytes.\n";
              };
    QTest::newRow("missing") << QStringList{"verify", "nothing.bin"} << inexistent("nothing.bin");
    QTest::newRow("wrong size") << QStringList{"verify", "odd.bin"}
                                << wrong_size("odd.bin", "1000", "Channel Data", "262144");
    QTest::newRow("forced kind") << QStringList{"verify", "data.bin", "--kind", "default"}
                                 << wrong_size("data.bin", "262144", "Default", "131072");
    QTest::newRow("a file that says it is empty")
            << QStringList{"info", "/proc/self/mem"}
            << wrong_size("/proc/self/mem", "0", "Channel Data", "262144");
    QTest::newRow("crc table byte")
            << QStringList{"verify", "bad_crc.bin"} << about("File CRC wrong!", "bad_crc.bin");
    QTest::newRow("data byte") << QStringList{"verify", "bad_data.bin"}
                               << about("File CRC wrong!", "bad_data.bin");
    QTest::newRow("corrupt stream") << QStringList{"verify", "undecompressable.bin"}
                                    << about("Decompress Error!", "undecompressable.bin");
    QTest::newRow("zero length") << QStringList{"info", "zero_length.bin"}
                                 << about("Decompress Error!", "zero_length.bin");
    // The commands that write OUT refuse before they touch it.
    QTest::newRow("order, damaged reference")
            << QStringList{"order", "data.bin", "--like", "bad_crc.bin", "refused.bin"}
            << about("File CRC wrong!", "bad_crc.bin");
    QTest::newRow("order, missing reference")
            << QStringList{"order", "data.bin", "--like", "nothing.bin", "kept.bin"}
            << inexistent("nothing.bin");
    QTest::newRow("order, reference of no kind")
            << QStringList{"order", "default.bin", "--like", "odd.bin", "refused.bin"}
            << wrong_size("odd.bin", "1000", "Channel Data", "262144");
    QTest::newRow("order, damaged file")
            << QStringList{"order", "bad_data.bin", "--like", "data.bin", "kept.bin"}
            << about("File CRC wrong!", "bad_data.bin");
    QTest::newRow("sort, damaged file")
            << QStringList{"sort", "undecompressable.bin", "--by", "name", "refused.bin"}
            << about("Decompress Error!", "undecompressable.bin");
    QTest::newRow("import-csv, missing FILE")
            << QStringList{"import-csv", "odd.bin", "--like", "nothing.bin", "refused.bin"}
            << inexistent("nothing.bin");
}

void TestCli::refusal_messages()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    const CliRun result = run(arguments);
    QCOMPARE(result.exit_code, 1);
    QCOMPARE(result.err, message);
    QCOMPARE(result.out, QByteArray());
    QVERIFY(!QFile::exists(path("refused.bin")));
    QVERIFY(To_Bytes(read("kept.bin")) == m_default);
}

void TestCli::verify_reports_success()
{
    const CliRun result = run({"verify", "default.bin"});
    QCOMPARE(result.exit_code, 0);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, QByteArray("default.bin: ok\n"));
}

void TestCli::pack_reproduces_the_file_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("mode");
    QTest::newRow("Channel Data, mode 0") << "data.bin"
                                          << "0";
    QTest::newRow("Default, mode 2") << "default.bin"
                                     << "2";
    QTest::newRow("Default, mode 3") << "default.bin"
                                     << "3";
}

void TestCli::pack_reproduces_the_file()
{
    QFETCH(QString, file);
    QFETCH(QString, mode);
    QCOMPARE(run({"unpack", file, "unpacked.bin"}).exit_code, 0);
    QCOMPARE(read("unpacked.bin").size(), qsizetype(kImageSize));
    const CliRun packed
            = run({"pack", "unpacked.bin", "--like", file, "--mode", mode, "packed.bin"});
    QCOMPARE(packed.exit_code, 0);
    QCOMPARE(packed.err, QByteArray());
    QVERIFY(read("packed.bin") == read(file));
}

void TestCli::pack_converts_between_kinds_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("target_kind");
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("Channel Data to Default") << "data.bin"
                                             << "2"
                                             << "default" << qsizetype(131072);
    QTest::newRow("Default to Channel Data") << "default.bin"
                                             << "1"
                                             << "data" << qsizetype(262144);
}

// The converted file opens as its new kind and holds the same image.
void TestCli::pack_converts_between_kinds()
{
    QFETCH(QString, file);
    QFETCH(QString, mode);
    QFETCH(QString, target_kind);
    QFETCH(qsizetype, size);
    QCOMPARE(run({"unpack", file, "unpacked.bin"}).exit_code, 0);
    QCOMPARE(run({"pack", "unpacked.bin", "--like", file, "--mode", mode, "converted.bin"})
                     .exit_code,
             0);
    QCOMPARE(read("converted.bin").size(), size);
    QCOMPARE(run({"verify", "--kind", target_kind, "converted.bin"}).exit_code, 0);
    QCOMPARE(run({"unpack", "converted.bin", "again.bin"}).exit_code, 0);
    QVERIFY(read("again.bin") == read("unpacked.bin"));
}

void TestCli::info_summarises_the_sample()
{
    auto db = Make_Channel_Database();
    Build_Sample_Database(*db, FileKind::Default);
    int tv = 0, radio = 0, satellites = 0, groups = 0;
    for (int p = 0; p < db->Program_Count; ++p)
        (db->rows.programs[static_cast<std::size_t>(p)].Is_Radio ? radio : tv) += 1;
    for (int s = 0; s < kSatelliteCount; ++s)
        satellites += Sat_Tp_Per_Sat_Count(db->raw, s) > 0;
    for (const auto &name : db->rows.favourite_names)
        groups += !name.empty();
    Save_Database_Bytes(*db);

    const CliRun result = run({"info", "default.bin"});
    QCOMPARE(result.exit_code, 0);
    QMap<QString, QString> info;
    for (const QByteArray &line : result.out.split('\n'))
        if (const qsizetype colon = line.indexOf(": "); colon > 0)
            info[line.left(colon)] = line.mid(colon + 2);
    QCOMPARE(info["kind"], QString("Default"));
    QCOMPARE(info["size"], QString("131072"));
    QCOMPARE(info["bank"], QString("0"));
    QCOMPARE(info["compressed_length"], QString::number(db->container.compressed_length));
    QCOMPARE(info["size_class"],
             QString("small (covered 61352 bytes, table at 61440, 240 entries)"));
    QCOMPARE(info["version_text"], QString("\"V1.0.7  \""));
    QCOMPARE(info["satellites_with_transponders"], QString::number(satellites));
    QCOMPARE(info["sat_transponders"], QString::number(Sat_Tp_Total_Count(db->raw)));
    QCOMPARE(info["ter_transponders"], QString::number(Ter_Tp_Total_Count(db->raw)));
    QCOMPARE(info["tv_programs"], QString::number(tv));
    QCOMPARE(info["radio_programs"], QString::number(radio));
    QCOMPARE(info["audio_tracks"], QString::number(Stored_Audio_Track_Count(db->raw)));
    QCOMPARE(info["favourite_groups"], QString::number(groups));
    QCOMPARE(info["charset"], QString("ISO-8859-1"));
    QCOMPARE(info["charset_guess"], QString("ISO-8859-1")); // its accented Latin names

    // The seven names typed in windows-1251 (one with a byte it does not define) give it away.
    const QByteArray cyrillic = run({"info", "cyrillic.bin", "--charset", "koi8-r"}).out;
    QVERIFY2(cyrillic.endsWith("charset: KOI8-R\nnames_above_127: 7\n"
                               "charset_guess: windows-1251\n"),
             cyrillic.constData());
}

void TestCli::charsets_lists_the_names()
{
    const CliRun listed = run({"charsets"});
    QCOMPARE(listed.exit_code, 0);
    QVERIFY(listed.out.startsWith("ISO-8859-1    Western\n"));
    QVERIFY(listed.out.contains("\nwindows-1251  Cyrillic\nKOI8-R        Cyrillic\n"));
    QStringList names;
    for (const QByteArray &line : listed.out.trimmed().split('\n'))
        names << line.left(line.indexOf(' '));
    QStringList required{"KOI8-R", "KOI8-U", "GBK", "GB18030", "Big5", "Shift_JIS", "EUC-KR"};
    for (int n = 1250; n <= 1258; ++n)
        required << "windows-" + QString::number(n);
    for (int n = 1; n <= 16; ++n) {
        if (n != 12)
            required << "ISO-8859-" + QString::number(n);
    }
    for (const QString &name : required)
        QVERIFY2(names.contains(name), qPrintable(name));
}

void TestCli::export_lists_the_tables()
{
    auto db = Make_Channel_Database();
    Build_Sample_Database(*db, FileKind::ChannelData);
    const QJsonObject json = export_of("data.bin");
    QStringList keys = json.keys();
    keys.sort();
    QCOMPARE(keys.join(','), QString("audio_tracks,bank,compressed_length,counts,favourite_groups,"
                                     "kind,programs,sat_transponders,satellites,ter_transponders,"
                                     "version_text"));
    QCOMPARE(json["kind"].toString(), QString("Channel Data"));
    const QJsonObject counts = json["counts"].toObject();
    QCOMPARE(counts["Program_Count"].toInt(), db->Program_Count);
    QCOMPARE(counts["Per_Sat_Count"].toArray().size(), 60);
    QCOMPARE(counts["Per_Sat_Count"].toArray()[0].toInt(), Sat_Tp_Per_Sat_Count(db->raw, 0));
    QCOMPARE(counts["Per_Group_Count"].toArray().size(), 7);
    QCOMPARE(json["satellites"].toArray().size(), 60);
    QCOMPARE(json["sat_transponders"].toArray().size(), Sat_Tp_Total_Count(db->raw));
    QCOMPARE(json["ter_transponders"].toArray().size(), Ter_Tp_Total_Count(db->raw));
    QCOMPARE(json["favourite_groups"].toArray().size(), 16);
    QCOMPARE(json["programs"].toArray().size(), db->Program_Count);
    QCOMPARE(json["audio_tracks"].toArray().size(), Stored_Audio_Track_Count(db->raw));

    const QJsonObject program = json["programs"].toArray()[0].toObject();
    QStringList fields = program.keys();
    fields.sort();
    QCOMPARE(fields.join(','),
             QString("Audio_Pid,Audio_Track_Total,Ca_System,Current_Audio,Favourite_Mask,"
                     "Free_To_Air,In_Use,Is_Radio,Locked,Name,Pcr_Pid,Pmt_Pid,Private_Pid,Sat_Slot,"
                     "Service_Id,Skipped,Tp_Index,Tp_Kind,Video_Pid,slot"));
    const TProg_Info_String &row = db->rows.programs[0];
    QCOMPARE(program["Name"].toString(), QString::fromLatin1(row.Name));
    QCOMPARE(program["Video_Pid"].toString(), QString::fromStdString(row.Video_Pid));
    QCOMPARE(program["Favourite_Mask"].toString(), QString::fromStdString(row.Favourite_Mask));
    QCOMPARE(program["Ca_System"].toArray().size(), 4);
    const QJsonObject tp = json["sat_transponders"].toArray()[1].toObject();
    QCOMPARE(tp["Polarity"].toString(), QString("V"));
    QCOMPARE(tp["Frequency"].toString(), QString::fromStdString(db->rows.sat_tps[1].Frequency));
    QCOMPARE(json["satellites"].toArray()[0].toObject()["Longitude"].toString(), QString("19.2"));
}

void TestCli::sort_orders_each_kind_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("charset");
    for (const char *file : {"data.bin", "default.bin"})
        for (const char *key : {"name", "service-id"})
            QTest::addRow("%s by %s", file, key) << file << key << QString();
    QTest::newRow("windows-1251 names") << "cyrillic.bin"
                                        << "name"
                                        << "windows-1251";
}

// Each kind keeps its slots and holds them in the key's order; the records only move.
void TestCli::sort_orders_each_kind()
{
    QFETCH(QString, file);
    QFETCH(QString, key);
    QFETCH(QString, charset);
    QFile::remove(path("sorting.bin"));
    QVERIFY(QFile::copy(path(file), path("sorting.bin")));
    const CliRun sorted = run(QStringList{"sort", "sorting.bin", "--by", key, "sorting.bin"}
                              + Charset_Arguments(charset));
    QCOMPARE(sorted.exit_code, 0);
    QCOMPARE(sorted.err + sorted.out, QByteArray());
    const FileKind kind = file == "default.bin" ? FileKind::Default : FileKind::ChannelData;
    const auto before = Opened(read(file), kind);
    const auto after = Opened(read("sorting.bin"), kind);
    QVERIFY(before && after);
    // The sample's service ids ascend already; its names do not.
    QVERIFY(key != "name" || after->raw.programs != before->raw.programs);
    QVERIFY(Sorted_Program_Records(*after) == Sorted_Program_Records(*before));
    for (const bool radio : {false, true}) {
        const std::vector<int> kind_slots = Used_Program_Slots(*after, radio);
        QVERIFY(kind_slots == Used_Program_Slots(*before, radio));
        for (std::size_t i = 1; i < kind_slots.size(); ++i) {
            const auto earlier = static_cast<std::size_t>(kind_slots[i - 1]);
            const auto later = static_cast<std::size_t>(kind_slots[i]);
            if (key == "name")
                QVERIFY(Name_Rank_Pair(after->rows.programs[earlier].Name,
                                       after->rows.programs[later].Name, charset)
                        <= 0);
            else
                QVERIFY(Read_Field(after->raw.programs[earlier], prog::Service_Id)
                        <= Read_Field(after->raw.programs[later], prog::Service_Id));
        }
    }
    // Ё stands apart from the other capitals in windows-1251's bytes, not in its alphabet.
    if (!charset.isEmpty()) {
        std::vector<std::string> names;
        for (const int slot : Used_Program_Slots(*after, false))
            names.push_back(after->rows.programs[static_cast<std::size_t>(slot)].Name);
        const auto at = [&](const char *utf8) {
            return std::find(names.begin(), names.end(), In("windows-1251", utf8)) - names.begin();
        };
        QVERIFY(at("Дом") < at("Ёлка") && at("Ёлка") < at("Жук"));
        QVERIFY(at("Жук") < static_cast<std::ptrdiff_t>(names.size()));
    }
}

void TestCli::order_restores_a_scrambled_list_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("radio"); // which kind is shuffled; the other is reversed
    QTest::newRow("TV shuffled") << "data.bin"
                                 << "data.bin" << false;
    QTest::newRow("radio shuffled, reference Default") << "data.bin"
                                                       << "default.bin" << true;
    QTest::newRow("Default like Channel Data") << "default.bin"
                                               << "data.bin" << false;
}

// A list scrambled with the library comes back byte for byte, every program matched.
void TestCli::order_restores_a_scrambled_list()
{
    QFETCH(QString, file);
    QFETCH(QString, reference);
    QFETCH(bool, radio);
    const FileKind kind = file == "data.bin" ? FileKind::ChannelData : FileKind::Default;
    const auto db = Opened(read(file), kind);
    QVERIFY(db);
    std::mt19937 random(20261209);
    for (const bool shuffled_kind : {radio, !radio}) {
        const std::vector<int> kind_slots = Used_Program_Slots(*db, shuffled_kind);
        std::vector<int> order(kind_slots.rbegin(), kind_slots.rend());
        if (shuffled_kind == radio)
            std::shuffle(order.begin(), order.end(), random);
        QVERIFY(Reorder_Programs(*db, kind_slots, order).ok);
    }
    db->Save_Mode = Save_Mode_For(kind, kind);
    write("scrambled.bin", Save_Database_Bytes(*db).target);
    QVERIFY(read("scrambled.bin") != read(file));

    const CliRun ordered = run({"order", "scrambled.bin", "--like", reference, "restored.bin"});
    QCOMPARE(ordered.exit_code, 0);
    QCOMPARE(ordered.err, QByteArray());
    const ProgramTally programs = Count_Programs(*db);
    const QByteArray all = QByteArray::number(programs.tv + programs.radio);
    QCOMPARE(ordered.out, QByteArray("Matched " + all + " programs, 0 not matched.\n"));
    QVERIFY(read("restored.bin") == read(file));
}

void TestCli::export_converts_latin1_and_escapes()
{
    write("awkward.bin", Sample_With_Awkward_Names());
    const CliRun exported = run({"export", "awkward.bin"});
    QCOMPARE(exported.exit_code, 0);
    QVERIFY(exported.out.contains(R"("Name": "Café \"\\\u0001\u007f")"));
    const QJsonObject json = QJsonDocument::fromJson(exported.out).object();
    const QString name = json["programs"].toArray()[0].toObject()["Name"].toString();
    QCOMPARE(name, QString::fromLatin1("Caf\xE9 \"\\\x01\x7F"));
    QCOMPARE(name.mid(3, 1), QString::fromUtf8("é"));
    QVERIFY(exported.out.contains(R"("Name": "Sat éÿ\u0085")"));

    // Names of another set, in the export and in the check's texts.
    const QByteArray cyrillic = run({"export", "--charset", "windows-1251", "cyrillic.bin"}).out;
    QVERIFY(cyrillic.contains(R"("Name": "Ёлка")") && cyrillic.contains(R"("Name": "Bad�")"));
    const QByteArray checked = run({"check", "cyrillic.bin", "--charset", "windows-1251"}).out;
    QVERIFY2(checked.contains(R"(TV program "Ключ?": the name holds control characters)"),
             checked.constData());
}

void TestCli::import_csv_checks_the_list_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("output"); // standard error when refused, else output
    QTest::addColumn<QString>("charset");
    const QByteArray csv = run({"export", "--csv", "data.bin"}).out;
    const int last = static_cast<int>(csv.count('\n'));
    const QByteArray rows = QByteArray::number(last - 1);
    const auto refused = [](const char *name, const QByteArray &text, const QByteArray &error,
                            const QString &charset = {}) {
        QTest::newRow(name) << text << 1 << "list.csv: " + error + '\n' << charset;
    };
    refused("header", Edited(csv, 1, 6, "SID"),
            R"(row 1.Service id: "SID" is not the column's name)");
    refused("columns", Edited(csv, 3, -1), "row 3: 15 columns instead of 16");
    refused("long name", Edited(csv, 2, 2, "Café Ünïcode Channel Name"),
            R"(row 2.Name: "Café Ünïcode Channel Name" is longer than 15 characters)");
    refused("not Latin-1", Edited(csv, 2, 2, "Ω TV"),
            R"(row 2.Name: "Ω TV" holds a character Latin-1 cannot hold)");
    refused("not UTF-8", Edited(csv, 2, 2, "\xE9t\xE9"),
            "row 2.Name: \"\xE9t\xE9\" holds a character Latin-1 cannot hold");
    refused("not in GBK", Edited(csv, 3, 2, "قناة"),
            R"(row 3.Name: "قناة" cannot be written in GBK)", "GBK");
    refused("too long in GBK", Edited(csv, 3, 2, "中央电视台新闻网"),
            R"(row 3.Name: "中央电视台新闻网" is 16 bytes in GBK, at most 15)", "gbk");
    refused("NUL", Edited(csv, 2, 2, QByteArray("Ab\0cd", 5)),
            R"(row 2.Name: "Ab?cd" holds a NUL character)");
    refused("kind", Edited(csv, 4, 1, "tv"), R"(row 4.Kind: "tv" is not TV or Radio)");
    refused("locked", Edited(csv, 2, 13, "ja"), R"(row 2.Locked: "ja" is not yes or no)");
    refused("group 0", Edited(csv, 2, 15, "0 3"),
            R"(row 2.Favourites: "0 3" is not a list of favourite groups 1 to 16)");
    refused("group 17", Edited(csv, 2, 15, "16 17"),
            R"(row 2.Favourites: "16 17" is not a list of favourite groups 1 to 16)");
    refused("service id", Edited(csv, 2, 6, "12a"), R"(row 2.Service id: "12a" is not a number)");
    refused("PID", Edited(csv, 2, 7, "8192"), R"(row 2.Video PID: "8192" is above 8191)");
    refused("open quote", Edited(csv, last, 2, "\"Open"),
            "row " + QByteArray::number(last) + ": a quoted field is not closed");
    refused("stray quote", Edited(csv, 2, 2, "5\" TV"),
            "row 2: a quote in a field that is not quoted");
    refused("after quote", Edited(csv, 2, 2, R"("A"B)"),
            "row 2: text after the closing quote of a field");
    refused("empty", "", "row 1: the header row is missing");
    refused("one program twice", csv + csv.split('\n')[1] + '\n',
            "row " + QByteArray::number(last + 1) + ": matches the same program as row 2");
    QByteArray many = csv;
    QByteArray errors;
    for (int row = 2; row <= 22; ++row) {
        many = Edited(many, row, 14, "x");
        if (row <= 21)
            errors += "list.csv: row " + QByteArray::number(row)
                      + R"(.Skipped: "x" is not yes or no)" + '\n';
    }
    QTest::newRow("20 of 21 faults") << many << 1 << errors << QString();
    QTest::newRow("unmatched row") << Edited(csv, 3, 6, "65000") << 0
                                   << "Applied " + QByteArray::number(last - 2)
                                              + " rows, 1 skipped:\nrow 3: no program matches\n"
                                   << QString();
    QTest::newRow("mark, LF, blank line")
            << "\xEF\xBB\xBF" + QByteArray(csv).replace("\r\n", "\n") + '\n'
            << 0 << "Applied " + rows + " rows, 0 skipped.\n"
            << QString();
}

// A refused list leaves OUT as it was.
void TestCli::import_csv_checks_the_list()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, status);
    QFETCH(QByteArray, output);
    QFETCH(QString, charset);
    write("list.csv", To_Bytes(csv));
    write("csv_out.bin", m_default);
    const CliRun result
            = run(QStringList{"import-csv", "list.csv", "--like", "data.bin", "csv_out.bin"}
                  + Charset_Arguments(charset));
    QCOMPARE(result.exit_code, status);
    QCOMPARE(status == 0 ? result.out : result.err, output);
    QCOMPARE(status == 0 ? result.err : result.out, QByteArray());
    QCOMPARE(read("csv_out.bin") == Bytes_Of(m_default), status != 0);
}

void TestCli::hostile_counts_are_clamped()
{
    write("huge_counts_image.bin",
          Image_With_Huge_Counts(Unpacked_Image(m_data, FileKind::ChannelData)));
    QCOMPARE(run({"pack", "huge_counts_image.bin", "--like", "data.bin", "--mode", "0", "huge.bin"})
                     .exit_code,
             0);
    const QJsonObject json = export_of("huge.bin");
    QCOMPARE(json["counts"].toObject()["Program_Count"].toInt(), 65535);
    QCOMPARE(json["programs"].toArray().size(), 4000);
    QCOMPARE(json["audio_tracks"].toArray().size(), 1000);

    // The check's JSON: the gauges, then the findings, the counts first and without a slot.
    const CliRun checked = run({"check", "--json", "huge.bin"});
    QCOMPARE(checked.exit_code, 1);
    const QJsonObject report = QJsonDocument::fromJson(checked.out).object();
    QCOMPARE(report.keys(), QStringList({"capacity", "findings"}));
    const QJsonObject gauge = report["capacity"].toArray()[4].toObject();
    QCOMPARE(gauge.keys(), QStringList({"limit", "name", "used"}));
    QCOMPARE(gauge["name"].toString(), QString("Programs"));
    QCOMPARE(gauge["limit"].toInt(), 4000);
    const QJsonObject count = report["findings"].toArray()[0].toObject();
    QCOMPARE(count.keys(), QStringList({"severity", "slot", "table", "text"}));
    QCOMPARE(count["severity"].toString(), QString("error"));
    QCOMPARE(count["table"].toString(), QString("counts"));
    QVERIFY(count["slot"].isNull());
    QCOMPARE(count["text"].toString(),
             QString("Programs: the count is 65535, above the table's 4000 slots"));
    const QJsonObject slot = report["findings"].toArray()[2].toObject();
    QCOMPARE(slot["table"].toString(), QString("programs"));
    QCOMPARE(slot["slot"].toInt(), Opened(Bytes_Of(m_data), FileKind::ChannelData)->Program_Count);
}

using JsonEdit = std::function<void(QJsonObject &)>;

// Sets root[table][index][key] (or root[table][key] for an object) to value.
JsonEdit Set(const char *table, int index, const char *key, const QJsonValue &value)
{
    return [=](QJsonObject &root) {
        if (root[table].isObject()) {
            QJsonObject object = root[table].toObject();
            object[key] = value;
            root[table] = object;
            return;
        }
        QJsonArray array = root[table].toArray();
        QJsonObject item = array[index].toObject();
        if (value.isUndefined())
            item.remove(key);
        else
            item[key] = value;
        array[index] = item;
        root[table] = array;
    };
}

void TestCli::import_round_trips_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<JsonEdit>("edit");
    QTest::addColumn<qsizetype>("changed_from"); // first changed image offset, -1 for none
    QTest::addColumn<qsizetype>("changed_to");
    QTest::addColumn<QString>("charset"); // of export and import, and then of the CSV's
    const JsonEdit none = [](QJsonObject &) {};
    const qsizetype same = -1;
    QTest::newRow("Channel Data") << "data.bin" << none << same << same << QString();
    QTest::newRow("Default") << "default.bin" << none << same << same << QString();
    QTest::newRow("full database") << "full.bin" << none << same << same << QString();
    const std::pair<const char *, const char *> sets[] = {{"cyrillic.bin", "windows-1251"},
                                                          {"chinese.bin", "GBK"},
                                                          {"arabic.bin", "windows-1256"}};
    for (const auto &[file, charset] : sets)
        QTest::newRow(charset) << file << none << same << same << QString(charset);
    // A new name of 15 characters and video PID of program 3 change its word 3 and its name
    // with the NUL in byte 35, nothing else.
    const auto program = [](int p, int offset) {
        return static_cast<qsizetype>(kProgramsOffset + kProgramRecordSize * p + offset);
    };
    QTest::newRow("edited program") << "full.bin" << JsonEdit([](QJsonObject &root) {
        Set("programs", 3, "Name", "Caf\u00e9 \\ new name")(root);
        Set("programs", 3, "Video_Pid", 4000)(root);
    }) << program(3, 12) << program(3, 35)
                                    << QString();
    // Six more bytes after the eight of the name's first four characters.
    QTest::newRow("GBK name edited")
            << "chinese.bin" << Set("programs", 1, "Name", "凤凰卫视中文台") << program(1, 28)
            << program(1, 33) << "GBK";
}

// What export writes, import reads back into the same image; an edit changes its field alone.
void TestCli::import_round_trips()
{
    QFETCH(QString, file);
    QFETCH(JsonEdit, edit);
    QFETCH(qsizetype, changed_from);
    QFETCH(qsizetype, changed_to);
    QFETCH(QString, charset);
    if (!QFile::exists(path("full.bin"))) {
        auto full = Make_Channel_Database();
        Build_Full_Database(*full, FileKind::ChannelData);
        write("full.bin", Save_Database_Bytes(*full).target);
    }
    QJsonObject json = export_of(file, charset);
    edit(json);
    QFile document(path("edited.json"));
    QVERIFY(document.open(QIODevice::WriteOnly | QIODevice::Truncate));
    document.write(QJsonDocument(json).toJson());
    document.close();
    const QStringList with_charset = Charset_Arguments(charset);
    const CliRun imported = run(QStringList{"import", "edited.json", "--like", file, "imported.bin"}
                                + with_charset);
    QCOMPARE(imported.err, QByteArray());
    QCOMPARE(imported.exit_code, 0);
    const QByteArray before = Bytes_Of(Unpacked_Image(To_Bytes(read(file)), Kind_Of_Size(file)));
    const QByteArray after
            = Bytes_Of(Unpacked_Image(To_Bytes(read("imported.bin")), Kind_Of_Size(file)));
    QCOMPARE(after.size(), before.size());
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            first = first < 0 ? i : first;
            last = i;
        }
    }
    QCOMPARE(first, changed_from);
    QCOMPARE(last, changed_to);
    if (changed_from < 0)
        QVERIFY(read("imported.bin") == read(file));
    if (changed_from >= 0 || charset.isEmpty())
        return;
    // The program list of the same set comes back byte for byte too.
    write("round.csv", To_Bytes(run(QStringList{"export", "--csv", file} + with_charset).out));
    const CliRun applied = run(QStringList{"import-csv", "round.csv", "--like", file, "round.bin"}
                               + with_charset);
    QCOMPARE(applied.err, QByteArray());
    QVERIFY(read("round.bin") == read(file));
}

void TestCli::import_refuses_broken_documents_data()
{
    QTest::addColumn<QByteArray>("document"); // taken as it is when not empty
    QTest::addColumn<JsonEdit>("edit");       // else applied to the export of data.bin
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("written"); // the text that stands for a value "@@"
    QTest::addColumn<QString>("charset");
    const auto row = [](const char *name, JsonEdit edit, const QByteArray &message,
                        const QString &charset = {}) {
        QTest::newRow(name) << QByteArray() << std::move(edit) << message << QByteArray()
                            << charset;
    };
    // A value as no QJsonDocument writes it: a huge number, a repeated key, a raw control
    // character, a lone surrogate.
    const auto as_written = [](const char *name, const char *table, int index, const char *key,
                               const char *written, const char *message) {
        QTest::newRow(name) << QByteArray() << Set(table, index, key, "@@") << QByteArray(message)
                            << QByteArray(written) << QString();
    };
    // Copies of the first entry of a table until it holds `size`, each in the next slot.
    const auto grown = [](const char *table, int size) {
        return JsonEdit([=](QJsonObject &root) {
            QJsonArray array = root[table].toArray();
            QJsonObject item = array[0].toObject();
            while (array.size() < size) {
                item["slot"] = array.size();
                array.append(item);
            }
            root[table] = array;
        });
    };
    QTest::newRow("not JSON") << QByteArray("{\n  \"counts\": [1,,2]\n}") << JsonEdit()
                              << QByteArray("line 2, column 17: illegal value") << QByteArray()
                              << QString();
    QTest::newRow("not an object") << QByteArray("[]") << JsonEdit()
                                   << QByteArray("line 1, column 1: the document is not a JSON "
                                                 "object")
                                   << QByteArray() << QString();
    row(
            "table missing", [](QJsonObject &root) { root.remove("programs"); },
            "programs: missing");
    row("key missing", Set("programs", 0, "Name", QJsonValue::Undefined),
        "programs[0].Name: missing");
    row("not a text", Set("programs", 0, "Name", 5), "programs[0].Name: 5 is not a text");
    row("not a number", Set("programs", 1, "Service_Id", "12a"),
        "programs[1].Service_Id: \"12a\" is not a whole number from 0");
    row("negative", Set("programs", 1, "Locked", -1),
        "programs[1].Locked: -1 is not a whole number from 0");
    row("PID", Set("programs", 12, "Video_Pid", "9000"),
        "programs[12].Video_Pid: 9000 is above 8191");
    row("flag", Set("programs", 2, "Skipped", 2), "programs[2].Skipped: 2 is above 1");
    row("service id", Set("programs", 2, "Service_Id", 65536),
        "programs[2].Service_Id: 65536 is above 65535");
    row("frequency", Set("sat_transponders", 1, "Frequency", "16384"),
        "sat_transponders[1].Frequency: 16384 is above 16383");
    row("symbol rate", Set("sat_transponders", 1, "Symbol_Rate", 65536),
        "sat_transponders[1].Symbol_Rate: 65536 is above 65535");
    row("satellite index", Set("sat_transponders", 1, "Sat_Index", 60),
        "sat_transponders[1].Sat_Index: 60 is above 59");
    row("not Latin-1", Set("programs", 3, "Name", "\u20ac"),
        "programs[3].Name: \"\xe2\x82\xac\" holds a character Latin-1 cannot hold");
    row("name too long", Set("programs", 3, "Name", "sixteen letters!"),
        "programs[3].Name: \"sixteen letters!\" is longer than 15 characters");
    row(
            "favourite name",
            [](QJsonObject &root) {
                QJsonArray names = root["favourite_groups"].toArray();
                names[2] = "A name of sixteen";
                root["favourite_groups"] = names;
            },
            "favourite_groups[2]: \"A name of sixteen\" is longer than 15 characters");
    // In another set: a character it lacks, and a name one byte too long for its field.
    row("not in windows-1251", Set("programs", 3, "Name", "Дом ☃"),
        "programs[3].Name: \"Дом ☃\" cannot be written in windows-1251", "windows-1251");
    row("too long in GBK", Set("programs", 3, "Name", "中央电视台新闻网"),
        "programs[3].Name: \"中央电视台新闻网\" is 16 bytes in GBK, at most 15", "GBK");
    row("satellite too long", Set("satellites", 0, "Name", "Спутник Экспресс-AM"),
        "satellites[0].Name: \"Спутник Экспресс-AM\" is 19 bytes in KOI8-U, at most 18", "koi8-u");
    row("polarity text", Set("sat_transponders", 1, "Polarity", "H"),
        "sat_transponders[1].Polarity: \"H\" does not match Polarity_Code 1 (\"V\")");
    row("longitude", Set("satellites", 0, "Longitude", "19.25"),
        "satellites[0].Longitude: \"19.25\" is not degrees with at most one decimal");
    row("favourite mask", Set("programs", 0, "Favourite_Mask", "0102"),
        "programs[0].Favourite_Mask: \"0102\" is not 16 digits 0 or 1");
    row("transponder kind", Set("programs", 0, "Tp_Kind", 3),
        "programs[0].Tp_Kind: 3 is neither 1 (satellite) nor 2 (terrestrial)");
    row("program count", Set("counts", 0, "Program_Count", 5),
        "counts.Program_Count: 5 does not match the 362 programs given");
    row(
            "per-satellite count",
            [](QJsonObject &root) {
                QJsonObject counts = root["counts"].toObject();
                QJsonArray per = counts["Per_Sat_Count"].toArray();
                per[0] = per[0].toInt() + 1;
                counts["Per_Sat_Count"] = per;
                root["counts"] = counts;
            },
            "counts.Per_Sat_Count[0]: 15 does not match the 14 transponders of the satellite "
            "given");
    // Each table's first slot past its end, and each count past its table.
    const std::pair<const char *, int> tables[] = {{"satellites", 60},
                                                   {"sat_transponders", 2000},
                                                   {"ter_transponders", 1000},
                                                   {"programs", 4000},
                                                   {"audio_tracks", 1000}};
    for (const auto &[table, size] : tables) {
        const QByteArray past = QByteArray::number(size);
        row(table, Set(table, 1, "slot", size),
            table + QByteArray("[1].slot: ") + past + " is above " + QByteArray::number(size - 1));
    }
    const std::pair<const char *, int> counts[] = {{"Sat_Total_Count", 2000},
                                                   {"Ter_Total_Count", 1000},
                                                   {"Program_Count", 4000},
                                                   {"Audio_Track_Count", 1000}};
    for (const auto &[count, size] : counts) {
        row(count, Set("counts", 0, count, size + 1),
            "counts." + QByteArray(count) + ": " + QByteArray::number(size + 1) + " is above "
                    + QByteArray::number(size));
    }
    row("program past the count", Set("programs", 0, "slot", 362),
        "programs[0].slot: 362 is outside 0..361");
    row("4001 programs", grown("programs", 4001), "programs[4000].slot: 4000 is above 3999");
    row("1001 audio tracks", grown("audio_tracks", 1001),
        "audio_tracks[1000].slot: 1000 is above 999");
    // What the parser lets through but a stored name cannot keep.
    row("NUL in a name", Set("programs", 3, "Name", QString("Velo") + QChar(0) + "ra"),
        R"(programs[3].Name: "Velo\u0000ra" holds a NUL character)");
    as_written("lone surrogate", "programs", 3, "Name", R"("\ud800")",
               R"(programs[3].Name: "\ud800" holds a lone surrogate)");
    as_written("raw control character", "programs", 3, "Name", "\"a\x01z\"",
               "programs[3].Name: \"a?z\" holds a control character (0x01) that is not escaped");
    as_written("key given twice", "programs", 2, "Service_Id", "1, \"Service_Id\": 2",
               "programs[2].Service_Id: given twice");
    as_written("number as written", "programs", 2, "Service_Id", "18446744073709551616",
               "programs[2].Service_Id: 18446744073709551616 is above 65535");
    row("long value cut", Set("programs", 3, "Name", QString(100, 'x')),
        "programs[3].Name: \"" + QByteArray(40, 'x') + "...\" is longer than 15 characters");
    row("slot repeated", Set("programs", 5, "slot", 4), "programs[5].slot: 4 is given twice");
    row("satellite slot", Set("programs", 0, "Sat_Slot", 7),
        "programs[0].Sat_Slot: 7 does not match its transponder's satellite 0");
    row("transponder not given", Set("programs", 0, "Tp_Index", 1999),
        "programs[0].Tp_Index: satellite transponder 1999 is not given");
    row("track of no program", Set("audio_tracks", 0, "Program_Index", 362),
        "audio_tracks[0].Program_Index: program 362 is not given");
    row(
            "first 20 only",
            [](QJsonObject &root) {
                for (int p = 0; p < 30; ++p)
                    Set("programs", p, "Pmt_Pid", 8192)(root);
            },
            "programs[0].Pmt_Pid: 8192 is above 8191");
}

// Nothing is written on an error: OUT keeps what it held.
void TestCli::import_refuses_broken_documents()
{
    QFETCH(QByteArray, document);
    QFETCH(JsonEdit, edit);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, written);
    QFETCH(QString, charset);
    if (document.isEmpty()) {
        QJsonObject json = export_of("data.bin", charset);
        edit(json);
        document = QJsonDocument(json).toJson().replace("\"@@\"", written);
    }
    QFile file(path("broken.json"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(document);
    file.close();
    write("kept_out.bin", m_default);
    const CliRun imported
            = run(QStringList{"import", "broken.json", "--like", "data.bin", "kept_out.bin"}
                  + Charset_Arguments(charset));
    QCOMPARE(imported.exit_code, 1);
    const QList<QByteArray> lines = imported.err.trimmed().split('\n');
    QCOMPARE(lines.front(), "broken.json: " + message);
    QCOMPARE(lines.size(), QTest::currentDataTag() == QByteArray("first 20 only") ? 20 : 1);
    QVERIFY(To_Bytes(read("kept_out.bin")) == m_default);
}

// A program new to its slot starts from the pattern of a program the program creates, not from
// the bytes the free slot held: one created in data.bin's first free slot, exported and imported
// into data.bin, comes back byte for byte.
void TestCli::import_fills_a_free_slot_as_a_new_program()
{
    auto db = Make_Channel_Database();
    QVERIFY(Load_Database_Bytes(*db, To_Bytes(read("data.bin"))));
    const int tp = static_cast<int>(Read_Field(db->raw.programs[0], prog::Tp_Index));
    const int slot = Create_Program(*db, prog::kKindSatellite, tp,
                                    {.service_id = 77, .video_pid = 100, .name = "Twin"});
    QVERIFY(slot > 0);
    write("created.bin", Save_Database_Bytes(*db).target);
    write("created.json", To_Bytes(QJsonDocument(export_of("created.bin")).toJson()));
    const CliRun imported = run({"import", "created.json", "--like", "data.bin", "grown.bin"});
    QCOMPARE(imported.err, QByteArray());
    const auto record = [this](const char *file, int p) {
        return Bytes_Of(Unpacked_Image(To_Bytes(read(file)), FileKind::ChannelData))
                .mid(static_cast<qsizetype>(kProgramsOffset + kProgramRecordSize * p),
                     kProgramRecordSize)
                .toHex();
    };
    QCOMPARE(record("grown.bin", slot), record("created.bin", slot));
}

// A script tells a file that could not be checked (2) from a database with errors (1).
void TestCli::check_reports_a_file_it_cannot_open()
{
    const QByteArray message = "File CRC wrong!\nbad_crc.bin";
    const CliRun text = run({"check", "bad_crc.bin"});
    QCOMPARE(text.exit_code, 2);
    QCOMPARE(text.err, message + '\n');
    QCOMPARE(text.out, QByteArray());
    const CliRun json = run({"check", "--json", "bad_crc.bin"});
    QCOMPARE(json.exit_code, 2);
    const QJsonObject report = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(report.keys(), QStringList{"error"});
    QCOMPARE(report["error"].toString().toUtf8(), message);
}

// Exit status 1 for databases that differ, 2 for a file that does not open (diff's, not a
// refusal's); the document's shape once: the summary, then each change with its slots, the
// export's field names and values, and its text. Names read in the set given.
void TestCli::diff_reports_changes()
{
    const CliRun text = run({"diff", "data.bin", "awkward.bin"});
    QCOMPARE(text.exit_code, 1);
    QCOMPARE(text.err, QByteArray());
    QVERIFY(text.out.endsWith("\n0 added, 0 removed, 2 changed, 0 moved\n"));
    const CliRun json = run({"diff", "--json", "data.bin", "awkward.bin"});
    QCOMPARE(json.exit_code, 1);
    const QString program = QString::fromLatin1("Caf\xE9 \"\\\x01\x7F");
    const QString satellite = QString::fromLatin1("Sat \xE9\xFF\x85");
    const auto change = [](const char *table, const QString &before, const QString &after,
                           const QString &text) {
        return QJsonObject{{"change", "changed"},
                           {"table", table},
                           {"a_slot", 0},
                           {"b_slot", 0},
                           {"fields", QJsonObject{{"Name", QJsonArray{before, after}}}},
                           {"text", text}};
    };
    const QJsonObject expected{
            {"summary", QJsonObject{{"added", 0}, {"removed", 0}, {"changed", 2}, {"moved", 0}}},
            {"changes",
             QJsonArray{change("satellites", "Sat 19.2E", satellite,
                               QString("Satellite \"%1\": Name \"Sat 19.2E\" -> \"%1\"")
                                       .arg(satellite)),
                        change("programs", "Velora One", program,
                               QString::fromLatin1("TV program \"Caf\xE9 \"\\??\" (list number "
                                                   "1): Name \"Velora One\" -> \"")
                                       + program + '"')}}};
    QCOMPARE(QJsonDocument::fromJson(json.out).object(), expected);
    const CliRun error = run({"diff", "--json", "data.bin", "bad_crc.bin"});
    QCOMPARE(error.exit_code, 2);
    QCOMPARE(QJsonDocument::fromJson(error.out).object(),
             QJsonObject({{"error", "File CRC wrong!\nbad_crc.bin"}}));
    const CliRun cyrillic = run({"diff", "data.bin", "cyrillic.bin", "--charset", "windows-1251"});
    QVERIFY(cyrillic.out.contains("Favourite group 1 \"Новости\""));
}

void TestCli::sample_writes_the_bundled_files()
{
    QCOMPARE(run({"sample", "--kind", "data", "s.bin"}).exit_code, 0);
    QVERIFY(To_Bytes(read("s.bin")) == m_data);
    QCOMPARE(run({"sample", "s2.bin", "--kind", "default"}).exit_code, 0);
    QVERIFY(To_Bytes(read("s2.bin")) == m_default);
    const CliRun failed = run({"sample", "--kind", "data", "no_such_folder/s.bin"});
    QCOMPARE(failed.exit_code, 1);
    QVERIFY(failed.err.startsWith("Find an error, when saving this file,\n\nno_such_folder/s.bin"));
}

// pack and sample copy the file they replace into the backups folder; backups lists them,
// newest first, with what they hold and the path of the file they were taken from (only that
// file's when one is named); restore puts one back and backs up what it replaces.
void TestCli::replaced_files_are_backed_up()
{
    const QStringList pack{"pack", "image.bin", "--like", "data.bin", "--mode", "2", "b.bin"};
    QCOMPARE(run(pack).exit_code, 0);                                  // new file: no backup
    QCOMPARE(run({"sample", "--kind", "data", "b.bin"}).exit_code, 0); // replaces the Default
    QCOMPARE(run(pack).exit_code, 0);                                  // replaces the Channel Data
    QVERIFY(QDir(m_dir.path()).mkdir("other"));
    for (const char *kind : {"data", "default"})
        QCOMPARE(run({"sample", "--kind", kind, "other/b.bin"}).exit_code, 0);
    const QString folder = QFileInfo(m_dir.path()).canonicalFilePath() + '/';
    const QString backups = path("data/Orvane/backups/");
    const auto listed = [&] { return run({"backups", "b.bin"}).out.trimmed().split('\n'); };
    QList<QByteArray> lines = listed();
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].contains(qPrintable("  " + folder + "b.bin  262144 bytes  Channel Data  TV "))
                     && lines[0].contains(qPrintable(backups + "b.bin.")),
             lines[0].constData());
    QVERIFY2(lines[1].contains(qPrintable("  " + folder + "b.bin  131072 bytes  Default  TV ")),
             lines[1].constData());

    const QByteArray backup = lines[0].mid(lines[0].lastIndexOf("  ") + 2);
    const CliRun restored = run({"restore", backup});
    QCOMPARE(restored.out, (folder + "b.bin: restored from ").toUtf8() + backup + '\n');
    QVERIFY(To_Bytes(read("b.bin")) == m_data);
    lines = listed();
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].contains("  131072 bytes  Default  TV "), lines[0].constData());
    QCOMPARE(run({"backups", "other.bin"}).out,
             "no backups of " + (folder + "other.bin in " + backups.chopped(1)).toUtf8() + '\n');
}

void TestCli::runs_leave_no_temporary_files()
{
    run({"export", "data.bin"});
    run({"verify", "bad_crc.bin"});
    run({"pack", "image.bin", "--like", "data.bin", "--mode", "0", "out.bin"});
    // A reader that goes away early: the failed write is reported, the folder still removed.
    QProcess shell;
    shell.setProcessEnvironment(start_environment());
    shell.setWorkingDirectory(m_dir.path());
    shell.start("bash",
                {"-c", R"("$0" export data.bin | head -c 1 >/dev/null; exit "${PIPESTATUS[0]}")",
                 ORVANE_CLI_PATH});
    QVERIFY(shell.waitForFinished(60000));
    QCOMPARE(shell.exitCode(), 1);
    QCOMPARE(shell.readAllStandardError(),
             QByteArray("Can not write the export to the standard output.\n"));
    QCOMPARE(QDir(m_tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestCli::parallel_runs_do_not_interfere()
{
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < 8; ++i)
        processes.emplace_back(start({"export", i % 2 ? "default.bin" : "data.bin"}));
    for (std::size_t i = 0; i < processes.size(); ++i) {
        QVERIFY(processes[i]->waitForFinished(60000));
        QCOMPARE(processes[i]->exitCode(), 0);
        const QJsonObject json
                = QJsonDocument::fromJson(processes[i]->readAllStandardOutput()).object();
        QCOMPARE(json["kind"].toString(), QString(i % 2 ? "Default" : "Channel Data"));
    }
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
