// The character set of names in the window: the offer of a guessed set above the pages, the
// Edit menu's choice, the set remembered for each file, and names that keep their bytes.

#include "gui_fixtures.h"

#include "app/charset_memory.h"
#include "app/controllers/name_charset_commands.h"
#include "dbase/record_writers.h"
#include "tools/sample_database.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QtTest>

using namespace orvane;
using namespace orvane::test;

namespace {

const char *const kCyrillicNames[] = {"Первый канал", "Россия 1", "НТВ", "Пятница", "Звезда"};

// The sample with windows-1251 names for its first programs and for those it gave accented
// Latin-1 names, saved as a file of its own.
QString Write_Cyrillic_Sample(const WindowFixture &f)
{
    const auto db = Make_Channel_Database();
    Build_Sample_Database(*db, FileKind::ChannelData);
    const NameText &cyrillic = *Names_In("windows-1251");
    for (std::size_t p = 0; p < db->rows.programs.size(); ++p) {
        const std::string &name = db->rows.programs[p].Name;
        const bool accented = std::any_of(name.begin(), name.end(), [](char c) { return c < 0; });
        if (p < std::size(kCyrillicNames) || accented)
            Write_Program_Name(db->raw.programs[p],
                               *cyrillic.Stored_Of(kCyrillicNames[p % std::size(kCyrillicNames)]));
    }
    const QString path = f.Path(QStringLiteral("RUSSIAN.BIN"));
    const Outcome saved = Save_Database_File(*db, path.toStdString(),
                                             f.Path(QStringLiteral("work.bin")).toStdString(), "");
    return saved ? path : QString();
}

QStringList Program_Names(const QTableView *grid)
{
    QStringList names;
    for (int row = 1; row < grid->model()->rowCount(); ++row)
        names << grid->model()->index(row, 1).data().toString();
    return names;
}

} // namespace

class TestNameCharsets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        Quiet_Platform_Warnings();
    }
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_f.reset(); }

    void offer_is_taken_and_remembered_data();
    void offer_is_taken_and_remembered();
    void menu_choice_reads_the_same_bytes_anew();
    void save_without_edits_keeps_every_byte();

private:
    QWidget *Bar() const { return m_f->Child("Charset_Guess_Bar"); }
    ChannelDatabase &Db() const { return m_f->window.database(); }
    NameCharsetCommands &Commands() const
    {
        return Controller_Of<NameCharsetCommands>(m_f->window);
    }

    std::unique_ptr<WindowFixture> m_f;
};

void TestNameCharsets::offer_is_taken_and_remembered_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("remembered");
    QTest::newRow("Use it") << "Charset_Use"
                            << "windows-1251";
    QTest::newRow("Keep Latin-1") << "Charset_Keep"
                                  << "ISO-8859-1";
}

// The guess is offered, never taken on its own; the answer is remembered for the file, which
// then opens in that set without being asked again.
void TestNameCharsets::offer_is_taken_and_remembered()
{
    QFETCH(QString, button);
    QFETCH(QString, remembered);
    const QString path = Write_Cyrillic_Sample(*m_f);
    QVERIFY(m_f->Open(path, FileKind::ChannelData));
    QVERIFY(!Bar()->isHidden());
    QCOMPARE(Bar()->findChild<QLabel *>()->text(),
             QStringLiteral("Names look like Cyrillic (windows-1251)."));
    QCOMPARE(Db().names, &Latin1_Names());
    qobject_cast<QAbstractButton *>(m_f->Child(button.toLatin1().constData()))->click();
    QVERIFY(Bar()->isHidden());
    QCOMPARE(Remembered_Charset(m_f->Settings_Path(), path), remembered);
    QCOMPARE(QString::fromLatin1(Commands().charset().name), remembered);
    const bool cyrillic = remembered == QLatin1String("windows-1251");
    QCOMPARE(Program_Names(m_f->Grid("SG_S_TV")).contains(QStringLiteral("Россия 1")), cyrillic);

    QVERIFY(m_f->Open(path, FileKind::ChannelData));
    QVERIFY(Bar()->isHidden());
    QCOMPARE(QString::fromLatin1(Db().names->charset_name()), remembered);
}

// A set chosen in the menu applies at once to the grids and the info pane, and the sample
// file (no bytes above 127) is offered nothing.
void TestNameCharsets::menu_choice_reads_the_same_bytes_anew()
{
    QVERIFY(m_f->Open_Sample());
    QVERIFY(Bar()->isHidden());
    QMenu *menu = Commands().charset_menu();
    QVERIFY(menu->isEnabled());
    const QString path = Write_Cyrillic_Sample(*m_f);
    QVERIFY(m_f->Open(path, FileKind::ChannelData));
    const RawArrays before = Db().raw;
    for (const char *charset : {"KOI8-R", "windows-1251"}) {
        QAction *item = nullptr;
        for (QAction *script : menu->actions())
            for (QAction *each : script->menu()->actions())
                item = each->text() == QLatin1String(charset) ? each : item;
        QVERIFY(item);
        item->trigger();
        QVERIFY(item->isChecked());
    }
    QVERIFY(Bar()->isHidden());
    const QStringList shown = Program_Names(m_f->Grid("SG_S_TV"));
    for (const char *name : {"Россия 1", "НТВ", "Пятница", "Звезда"}) // the first is a radio
        QVERIFY2(shown.contains(QString::fromUtf8(name)), name);
    QVERIFY(Db().raw.programs == before.programs);
}

// Opening and saving without edits under another set writes the file it read.
void TestNameCharsets::save_without_edits_keeps_every_byte()
{
    const QString path = Write_Cyrillic_Sample(*m_f);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    file.close();
    QVERIFY(m_f->Open(path, FileKind::ChannelData));
    Commands().Choose_Charset(*Find_Charset("GBK"));
    m_f->window.PMSaveClick();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), original);
}

QTEST_MAIN(TestNameCharsets)
#include "tst_name_charsets.moc"
