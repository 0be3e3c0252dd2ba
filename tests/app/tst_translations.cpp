// The window's catalogues: each holds every text lupdate finds in the sources today, each
// message translated with the placeholders, accelerators and line breaks of its source; and
// the program loads them by the user's language or --lang.

#include "app/start_options.h"
#include "app/ui_language.h"
#include "dbase/messages.h"
#include "translations/ui_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>

using namespace orvane;

namespace {

struct Message
{
    QString source;
    QStringList forms; // one, or one per plural form
    bool finished = true;
};
// Keyed by context and source: the same text may stand in two contexts.
using Catalogue = std::map<std::pair<QString, QString>, Message>;

// The text of the element the reader stands on, with lupdate's <byte value="xd"/> read as the
// character; the <numerusform> children of a plural translation go to forms.
QString Element_Text(QXmlStreamReader &xml, QStringList *forms = nullptr)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        xml.readNext();
        if (xml.isStartElement() && forms && xml.name() == u"numerusform") {
            *forms << Element_Text(xml);
            continue;
        }
        if (xml.isStartElement() && xml.name() == u"byte")
            text += QChar(
                    xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        depth += xml.isStartElement() ? 1 : xml.isEndElement() ? -1 : 0;
        if (xml.isCharacters())
            text += xml.text();
    }
    return text;
}

Catalogue Read_Catalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Catalogue catalogue;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = {};
        } else if (xml.name() == u"source") {
            message.source = Element_Text(xml);
        } else if (xml.name() == u"translation") {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text = Element_Text(xml, &message.forms);
            if (message.forms.isEmpty())
                message.forms << text;
            catalogue[{context, message.source}] = message;
        }
    }
    return xml.hasError() ? Catalogue{} : catalogue;
}

// What a translation must keep of its source: the placeholders, the accelerators and the
// line breaks of a message box, each as often as the source has them.
QStringList Kept_Marks(const QString &text)
{
    static const QRegularExpression kMarks(QStringLiteral("%L?\\d+|%n|&&|&(?=\\S)|\\r\\r"));
    QStringList marks;
    for (auto it = kMarks.globalMatch(text); it.hasNext();)
        marks << it.next().captured();
    marks.sort();
    return marks;
}

QString Catalogue_Path(const QString &language)
{
    return QStringLiteral(ORVANE_TS_FOLDER "/orvane_%1.ts").arg(language);
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void complete_and_faithful_data();
    void complete_and_faithful();
    void every_text_of_the_sources_data() { complete_and_faithful_data(); }
    void every_text_of_the_sources();
    void loaded_by_language_data();
    void loaded_by_language();
    void lang_option_data();
    void lang_option();

private:
    Catalogue m_found; // what lupdate finds in the sources now
};

void TestTranslations::initTestCase()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString found = scratch.filePath(QStringLiteral("found.ts"));
    QStringList arguments{QStringLiteral("@" ORVANE_TEXT_SOURCES)};
    arguments << QStringLiteral(ORVANE_LUPDATE_OPTIONS).split(u'|') << QStringLiteral("-silent")
              << QStringLiteral("-ts") << found;
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORVANE_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    m_found = Read_Catalogue(found);
    QVERIFY2(m_found.size() > 250, "lupdate found too few texts");
}

void TestTranslations::complete_and_faithful_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("plural_forms");
    QTest::newRow("German") << QStringLiteral("de") << 2;
    QTest::newRow("Russian") << QStringLiteral("ru") << 3;
    QTest::newRow("Simplified Chinese") << QStringLiteral("zh_CN") << 1;
}

void TestTranslations::complete_and_faithful()
{
    QFETCH(QString, language);
    QFETCH(int, plural_forms);
    const Catalogue catalogue = Read_Catalogue(Catalogue_Path(language));
    QVERIFY(!catalogue.empty());
    for (const auto &[key, message] : catalogue) {
        const QByteArray where = (key.first + u'|' + key.second).toUtf8();
        QVERIFY2(message.finished, where.constData());
        const bool numerus = message.source.contains(QLatin1String("%n"));
        QVERIFY2(message.forms.size() == (numerus ? plural_forms : 1), where.constData());
        for (const QString &form : message.forms) {
            QVERIFY2(!form.trimmed().isEmpty() || message.source.trimmed().isEmpty(),
                     where.constData());
            QVERIFY2(Kept_Marks(form) == Kept_Marks(message.source), where.constData());
        }
    }
}

// A text added to the sources without a translation fails here, and so does a translation
// left behind by a text that is gone: `cmake --build ... --target update_translations`.
void TestTranslations::every_text_of_the_sources()
{
    QFETCH(QString, language);
    const Catalogue catalogue = Read_Catalogue(Catalogue_Path(language));
    for (const auto &[key, message] : m_found)
        QVERIFY2(catalogue.count(key), (key.first + u'|' + key.second).toUtf8().constData());
    QCOMPARE(catalogue.size(), m_found.size());
}

void TestTranslations::loaded_by_language_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    QTest::newRow("German") << QStringLiteral("de") << QStringLiteral("Datei fehlerhaft!");
    QTest::newRow("Russian") << QStringLiteral("ru") << QStringLiteral("Неверный файл!");
    QTest::newRow("Chinese by its region")
            << QStringLiteral("zh-CN") << QStringLiteral("文件错误！");
    QTest::newRow("English needs none") << QStringLiteral("en") << QString();
    QTest::newRow("no catalogue: English") << QStringLiteral("ja") << QString();
}

void TestTranslations::loaded_by_language()
{
    QFETCH(QString, language);
    QFETCH(QString, shown);
    QCoreApplication *app = QCoreApplication::instance();
    const QStringList folders = Translation_Folders(
            {QStringLiteral("/nonexistent"), QStringLiteral(ORVANE_QM_FOLDER "/..")});
    QCOMPARE(Install_Translations(*app, Ui_Locale(language), folders), !shown.isEmpty());
    const QString expected = shown.isEmpty() ? QString::fromUtf8(msg::kFileWrong) : shown;
    QCOMPARE(ui_text::Shown(msg::kFileWrong), expected);
    // The pieces of a composed message are translated, the path between them stays.
    const QString composed = ui_text::Shown_Pieces(msg::Save_Failed("/x/a.bin", "No space"),
                                                   {msg::kSaveFailedLead});
    QVERIFY(composed.endsWith(QLatin1String("\r\r/x/a.bin\r\rNo space")));
    QCOMPARE(composed.startsWith(QLatin1String(msg::kSaveFailedLead)), shown.isEmpty());
    for (QTranslator *translator : app->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void TestTranslations::lang_option_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language"); // "!" for wrong usage
    QTest::addColumn<QString>("file");
    QTest::newRow("separate") << QStringList{"--lang", "de", "a.bin"} << "de"
                              << "a.bin";
    QTest::newRow("joined") << QStringList{"a.bin", "--lang=zh_CN"} << "zh_CN"
                            << "a.bin";
    QTest::newRow("region with a dash") << QStringList{"--lang", "pt-BR"} << "pt-BR"
                                        << "";
    QTest::newRow("missing value") << QStringList{"--lang"} << "!"
                                   << "";
    QTest::newRow("empty value") << QStringList{"--lang="} << "!"
                                 << "";
    QTest::newRow("option as value") << QStringList{"--lang", "--help"} << "!"
                                     << "";
    QTest::newRow("path as value") << QStringList{"--lang", "../x"} << "!"
                                   << "";
}

void TestTranslations::lang_option()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(QString, file);
    const StartOptions options = Parse_Start_Options(arguments);
    if (language == u'!') {
        QCOMPARE(options.action, StartOptions::Action::Wrong);
        return;
    }
    QCOMPARE(options.action, StartOptions::Action::Run);
    QCOMPARE(options.language, language);
    QCOMPARE(options.file, file);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
