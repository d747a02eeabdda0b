#include "platform/WebModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>
#include <QOpenGLContext>

Q_LOGGING_CATEGORY(lcWebModule, "vidorra.web")

// Qt Gui's global share context, which the web engine's pages draw through. Qt makes it at
// start-up when asked to share contexts; made here, the first page pays for it instead of
// the first window.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

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

// What the web engine would do itself if it were loaded before the application was made.
void makeGlobalShareContext()
{
    if (qt_gl_global_share_context())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->setFormat(QSurfaceFormat::defaultFormat());
    if (!context->create())
        qCWarning(lcWebModule) << "no OpenGL context for the embedded pages";
    qt_gl_set_global_share_context(context);
}

MakeView loadMaker()
{
    static const MakeView maker = []() -> MakeView {
        makeGlobalShareContext();
        QStringList failures;
        for (const QString& path : candidatePaths()) {
            if (!QFileInfo::exists(path))
                continue;
            // Kept loaded to the end: the engine cannot be unloaded once started.
            auto* library = new QLibrary(path);
            if (auto make = reinterpret_cast<MakeView>(library->resolve("vidorraMakeWebView")))
                return make;
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
