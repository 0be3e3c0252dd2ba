// The please-wait window: its look, its place, and its life around a long operation.

#include "app/Face.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace orvane;

namespace {

// Counts the paint events the please-wait window's label receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == "Label1")
            ++paints;
        return false;
    }
};

int Face_Windows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<TFormFace *>(widget) ? 1 : 0;
    return count;
}

} // namespace

class TestFace : public QObject
{
    Q_OBJECT

private slots:
    void texts_are_exact();
    void look();
    void centred_on_the_screen();
    void please_wait_window_data();
    void please_wait_window();
    void parent_destroyed_first();
};

void TestFace::texts_are_exact()
{
    QCOMPARE(QString::fromUtf8(kPleaseWaitOpening), "File is being opened now. Please wait......");
    QCOMPARE(QString::fromUtf8(kPleaseWaitSaving), "File is being save now. Please wait......");
}

void TestFace::look()
{
    TFormFace face;
    face.show();
    QVERIFY(QTest::qWaitForWindowExposed(&face));
    QCOMPARE(face.size(), QSize(490, 42));
    QCOMPARE(qRound(face.windowOpacity() * 255), 155);
    const Qt::WindowFlags flags = face.windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(face.testAttribute(Qt::WA_ShowWithoutActivating));

    QFrame *panel = face.findChild<QFrame *>("Panel1");
    QCOMPARE(panel, face.Panel1());
    QCOMPARE(panel->geometry(), face.rect());
    QVERIFY(panel->autoFillBackground());
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::black));

    QLabel *label = face.findChild<QLabel *>("Label1");
    QCOMPARE(label, face.Label1());
    QCOMPARE(label->text(), "File is being opened now. Please wait......");
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(label->font().family(), "Arial");
    QCOMPARE(label->font().pixelSize(), 21);
    QVERIFY(panel->rect().contains(label->geometry()));
}

void TestFace::centred_on_the_screen()
{
    TFormFace face;
    face.show();
    const QPoint screen_centre = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY2((face.geometry().center() - screen_centre).manhattanLength() <= 1,
             qPrintable(QStringLiteral("window centre %1,%2")
                                .arg(face.geometry().center().x())
                                .arg(face.geometry().center().y())));
}

void TestFace::please_wait_window_data()
{
    QTest::addColumn<bool>("default_text");
    QTest::addColumn<QString>("text");
    QTest::newRow("opening, default text") << true << QString::fromUtf8(kPleaseWaitOpening);
    QTest::newRow("saving") << false << QString::fromUtf8(kPleaseWaitSaving);
}

void TestFace::please_wait_window()
{
    QFETCH(bool, default_text);
    QFETCH(QString, text);
    QWidget main_window;
    main_window.show();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    QPointer<TFormFace> face;
    {
        const auto wait = default_text ? std::make_unique<Please_Wait_Window>(&main_window)
                                       : std::make_unique<Please_Wait_Window>(&main_window, text);
        face = wait->Form();
        // Shown and painted before the long work starts, with no event loop in between.
        QVERIFY(face);
        QVERIFY(face->isVisible());
        QVERIFY(counter.paints > 0);
        QCOMPARE(face->Label1()->text(), text);
        QCOMPARE(Face_Windows(), 1);
    }
    qApp->removeEventFilter(&counter);
    QVERIFY(face.isNull());
    QCOMPARE(Face_Windows(), 0);
}

void TestFace::parent_destroyed_first()
{
    auto parent = std::make_unique<QWidget>();
    Please_Wait_Window wait(parent.get());
    QVERIFY(wait.Form());
    parent.reset();
    QVERIFY(!wait.Form()); // the destructor then has nothing left to close
}

QTEST_MAIN(TestFace)
#include "tst_face.moc"
