#include "platform/WebModule.h"

#include "platform/GlobalShareContext.h"
#include "platform/OpenGlRenderer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QLoggingCategory>
#include <QOpenGLContext>

Q_LOGGING_CATEGORY(lcWebModule, "vidorra.web")

namespace {

using MakeView = WebView* (*)();

// Beside the executable at the install layout's path from bin/ (so any prefix works, and
// the build tree has the same layout), then at the configured prefix.
QStringList candidatePaths()
{
    const QString name = QStringLiteral(VIDORRA_WEB_MODULE_NAME);
    return {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VIDORRA_WEB_MODULE_FROM_BIN "/") + name),
        QStringLiteral(VIDORRA_WEB_MODULE_INSTALLED "/") + name};
}

// Where OpenGL is emulated on the processor, pages are composed in memory and the window
// never draws through OpenGL: composing it that way cost more than the video and the page
// together.
void composePagesInMemory(QLibrary& library)
{
    using ComposeInSoftware = void (*)();
    if (const auto compose
        = reinterpret_cast<ComposeInSoftware>(library.resolve("vidorraComposePagesInSoftware")))
        compose();
}

// The web engine asks Qt about OpenGL as it starts, which on X11 loads the display's OpenGL
// driver (with Mesa's, about 30 MB of it and LLVM) that nothing then draws through. Qt reads
// which integration to use once, at the first such question: asked here with the setting
// in place, and the setting taken back, so programs started from here do not inherit it.
void leaveOpenGlUnloaded()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")
        || qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        return;
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QOpenGLContext::supportsThreadedOpenGL();
    qunsetenv("QT_XCB_GL_INTEGRATION");
}

MakeView loadMaker()
{
    static const MakeView maker = []() -> MakeView {
        // The web engine looks for Qt's share context as it is loaded.
        const bool inMemory = OpenGlRenderer::drawsInSoftware();
        if (inMemory) {
            leaveOpenGlUnloaded();
            GlobalShareContext::ensureNamed();
        } else
            GlobalShareContext::ensure();
        QStringList failures;
        for (const QString& path : candidatePaths()) {
            if (!QFileInfo::exists(path))
                continue;
            // Kept loaded to the end: the engine cannot be unloaded once started.
            auto* library = new QLibrary(path);
            if (auto make = reinterpret_cast<MakeView>(library->resolve("vidorraMakeWebView"))) {
                if (inMemory)
                    composePagesInMemory(*library);
                return make;
            }
            failures << library->errorString();
            delete library;
        }
        qCWarning(lcWebModule) << "no embedded pages: the web engine module could not be loaded"
                               << (failures.isEmpty() ? candidatePaths() : failures);
        return nullptr;
    }();
    return maker;
}

} // namespace

namespace WebModule {

std::unique_ptr<WebView> makeView()
{
    const MakeView make = loadMaker();
    return make ? std::unique_ptr<WebView>(make()) : nullptr;
}

void preload()
{
    loadMaker();
}

} // namespace WebModule
