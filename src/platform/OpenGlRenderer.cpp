#include "platform/OpenGlRenderer.h"

#include <QByteArray>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

namespace OpenGlRenderer {

bool isSoftwareName(QByteArrayView renderer)
{
    const QByteArray name = renderer.toByteArray().toLower();
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "software", "lavapipe"})
        if (name.contains(software))
            return true;
    return name.isEmpty();
}

bool drawsInSoftware()
{
    static const bool software = [] {
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
