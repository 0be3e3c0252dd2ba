// The program's pictures reach every program that links the shell library, in their sizes.

#include "app/resources/resource_names.h"

#include <QImage>
#include <QTest>

using namespace orvane::resource;

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
};

void TestResources::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("icon 256") << kIcon256 << QSize(256, 256);
    QTest::newRow("icon 48") << kIcon48 << QSize(48, 48);
    QTest::newRow("start picture") << kStartPicture << QSize(833, 560);
    for (const char *path :
         {kToolFile, kToolFileHot, kToolHelp, kToolHelpHot, kToolExit, kToolExitHot})
        QTest::newRow(path) << path << QSize(20, 20);
    QTest::newRow("tab satellite") << kTabSatellite << QSize(30, 21);
    QTest::newRow("tab terrestrial") << kTabTerrestrial << QSize(30, 21);
}

void TestResources::pictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    // A picture that is not all one colour: something was drawn.
    const QRgb corner = image.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; ++y)
        for (int x = 0; x < image.width() && !varied; ++x)
            varied = image.pixel(x, y) != corner;
    QVERIFY(varied);
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
