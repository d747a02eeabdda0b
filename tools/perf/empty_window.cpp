// The yardstick of start-up: a minimal Qt Widgets program that shows an empty window the
// size of Vidorra's, started the same way. Given a path, it writes that file once the
// window has painted, as Vidorra does with VIDORRA_SCREENSHOT, and ends.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(900, 620);
    window.show();
    const QString shown = qEnvironmentVariable("VIDORRA_SCREENSHOT");
    QTimer::singleShot(qEnvironmentVariableIntValue("VIDORRA_SCREENSHOT_DELAY_MS"), &window, [&] {
        window.grab().save(shown, "PNG");
        app.quit();
    });
    return app.exec();
}
