#include "app/Application.h"
#include "app/ProgramLifecycle.h"
#include "base/StartUpMarks.h"
#include "platform/FontConfigWarmUp.h"
#include "platform/SessionBusCheck.h"
#include "platform/core/EnvironmentProxy.h"
#include "state/ProgramFolder.h"
#include "ui/MainWindow.h"
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QDir>
#include <QNetworkProxyFactory>
#include <QTimer>
#include <QUrl>

#include <clocale>

namespace {

// For the demo, the smoke tests and the start-up measurement: VIDORRA_SCREENSHOT names a
// PNG to save once the main window has been drawn and VIDORRA_SCREENSHOT_DELAY_MS more
// have passed (1.5 s unless set; at once when 0), after which the program ends.
void scheduleScreenshot(Application& app)
{
    const QString path = qEnvironmentVariable("VIDORRA_SCREENSHOT");
    if (path.isEmpty())
        return;
    bool given = false;
    const int delayMs = qEnvironmentVariableIntValue("VIDORRA_SCREENSHOT_DELAY_MS", &given);
    const auto shoot = [&app, path] {
        app.mainWindow().grab().save(path, "PNG");
        app.lifecycle().exitFromFileMenu();
    };
    QObject::connect(&app.mainWindow().firstDrawn(), &FirstDrawn::drawn, &app.mainWindow(), [=, &app] {
        if (given && delayMs <= 0)
            shoot();
        else
            QTimer::singleShot(given ? delayMs : 1500, &app.mainWindow(), shoot);
    });
}

} // namespace

int main(int argc, char* argv[])
{
    StartUpMarks::mark("main");
    FontConfigWarmUp fonts; // both done while the application is made
    SessionBusCheck sessionBus;
    QApplication qtApp(argc, argv);
    sessionBus.settle();
    fonts.finish();
    StartUpMarks::mark("application made");
    // libmpv refuses to start unless numbers are formatted the C way.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Vidorra"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("example.vidorra.Vidorra")); // its launcher entry
    QNetworkProxyFactory::setApplicationProxyFactory(new EnvironmentProxy);

    const ProgramFolder folder = ProgramFolder::resolve(ProgramFolder::currentEnvironment());
    Application* appPtr = nullptr;
    Application app(folder, makeRealServices(folder, [&appPtr] {
        if (appPtr)
            appPtr->lifecycle().trayActivated();
    }));
    appPtr = &app;
    StartUpMarks::mark("program put together");
    // The first argument that is no option: a file, an address or a playlist to open.
    QString argument;
    for (const QString& given : QCoreApplication::arguments().mid(1)) {
        if (!given.startsWith(u'-')) {
            // Made absolute here: the running copy it may go to works in another folder.
            const QUrl url = QUrl::fromUserInput(given, QDir::currentPath(), QUrl::AssumeLocalFile);
            argument = url.isLocalFile() ? url.toLocalFile() : url.toString();
            break;
        }
    }
    if (!app.start(argument))
        return 0;
    QObject::connect(&app.mainWindow().firstDrawn(), &FirstDrawn::drawn, &app.mainWindow(),
        [] { StartUpMarks::mark("window drawn"); });
    scheduleScreenshot(app);
    return QApplication::exec();
}
