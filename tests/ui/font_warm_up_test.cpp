#include "platform/FontConfigWarmUp.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QTest>

// Fontconfig started on a thread of its own while the application object is made, as the
// program does: Qt must then find the same fonts and measure text with them.
class FontWarmUpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void qtFindsTheFontsFontconfigReadAhead()
    {
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
        const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 12));
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("Vidorra")) > 0);
        QCOMPARE(QFontInfo(QFont(QStringLiteral("DejaVu Sans"))).family(), QStringLiteral("DejaVu Sans"));
    }

    void aLateWarmUpIsHarmlessAndEndsWithItsOwner()
    {
        for (int i = 0; i < 3; ++i) {
            FontConfigWarmUp again; // not finished: its end waits for it
        }
        FontConfigWarmUp finished;
        finished.finish();
        finished.finish();
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
    }
};

int main(int argc, char** argv)
{
    FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    FontWarmUpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "font_warm_up_test.moc"
