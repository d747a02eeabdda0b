#include "platform/OpenGlRenderer.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <unistd.h>

namespace OpenGlRenderer {

namespace {

// Whether a GL_RENDERER string names a software renderer.
bool isSoftwareName(QByteArrayView renderer)
{
    const QByteArray name = renderer.toByteArray().toLower();
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "software", "lavapipe"})
        if (name.contains(software))
            return true;
    return name.isEmpty();
}

// Without a GPU device OpenGL can only be emulated: known without loading OpenGL at all.
bool hasGpuDevice()
{
    const QDir dri(QStringLiteral("/dev/dri"));
    for (const QString& node :
        dri.entryList({QStringLiteral("renderD*"), QStringLiteral("card*")}, QDir::System)) {
        if (::access(QFile::encodeName(dri.filePath(node)).constData(), R_OK | W_OK) == 0)
            return true;
    }
    return ::access("/dev/nvidiactl", R_OK | W_OK) == 0;
}

} // namespace

bool drawsInSoftware()
{
    static const bool software = [] {
        const QByteArray chosen = qgetenv("VIDORRA_VIDEO_OUTPUT");
        if (chosen == "opengl" || chosen == "software")
            return chosen == "software";
        if (!hasGpuDevice())
            return true;
        QOpenGLContext context;
        QOffscreenSurface surface;
        if (!context.create())
            return true;
        surface.setFormat(context.format());
        surface.create();
        if (!context.makeCurrent(&surface))
            return true;
        const auto* renderer = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
        const bool answer = isSoftwareName(renderer ? QByteArrayView(renderer) : QByteArrayView());
        context.doneCurrent();
        return answer;
    }();
    return software;
}

} // namespace OpenGlRenderer
