#include "ui/FirstDrawn.h"

#include <QOpenGLWidget>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

// Work held back until a window is first drawn: what start-up puts off (the web engine,
// the media engine) must run once the window is up, and only then.
class FirstDrawnTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workWaitsForTheWindowToBeDrawn()
    {
        QWidget window;
        window.resize(200, 150);
        FirstDrawn drawn(window);
        QSignalSpy signalled(&drawn, &FirstDrawn::drawn);
        int runs = 0;
        drawn.then(&window, [&runs] { ++runs; });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        window.show();
        QCOMPARE(runs, 0); // never inside show()
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(runs, 1);
        QVERIFY(drawn.isDrawn());
        QCOMPARE(signalled.size(), 1);
        // Once drawn, later work runs in the next pass of the event loop, never at once.
        drawn.then(&window, [&runs] { ++runs; });
        QCOMPARE(runs, 1);
        QTRY_COMPARE(runs, 2);
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QCOMPARE(signalled.size(), 1);
    }

    // A picture widget joining the window before it is first drawn makes its surface anew
    // (as when the program starts with a video to play); the new surface is watched.
    void aSurfaceMadeAnewBeforeTheFirstDrawingIsWatched()
    {
        QWidget window;
        window.resize(200, 150);
        FirstDrawn drawn(window);
        bool ran = false;
        drawn.then(&window, [&ran] { ran = true; });
        window.show();
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QOpenGLWidget);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(ran);
    }

    void workWhoseContextIsGoneNeverRuns()
    {
        QWidget window;
        FirstDrawn drawn(window);
        bool ran = false;
        auto context = std::make_unique<QObject>();
        drawn.then(context.get(), [&ran] { ran = true; });
        context.reset();
        bool later = false;
        drawn.then(&window, [&later] { later = true; });
        window.show();
        QTRY_VERIFY(later);
        QVERIFY(!ran);
    }
};

QTEST_MAIN(FirstDrawnTest)
#include "first_drawn_test.moc"
