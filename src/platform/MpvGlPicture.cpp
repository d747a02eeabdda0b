#include "platform/MpvGlPicture.h"

#include <QOpenGLContext>

#include <mpv/render_gl.h>

#include <utility>

namespace {

void* procAddress(void*, const char* name)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(QByteArray(name))) : nullptr;
}

} // namespace

MpvGlPicture::MpvGlPicture(std::function<MpvEngineHandle()> engine, QWidget* parent)
    : QOpenGLWidget(parent), m_engine(std::move(engine))
{
}

MpvGlPicture::~MpvGlPicture()
{
    release();
    QObject::disconnect(m_contextGone); // the base class destroys the context after this
}

void MpvGlPicture::release()
{
    if (!m_render.isValid())
        return;
    makeCurrent();
    m_render.free();
    doneCurrent();
}

void MpvGlPicture::initializeGL()
{
    // Moving the widget to another window (full screen and back) replaces its GL context;
    // the render context belongs to the old one and goes with it.
    QObject::disconnect(m_contextGone);
    m_contextGone = connect(
        context(), &QOpenGLContext::aboutToBeDestroyed, this, &MpvGlPicture::release, Qt::DirectConnection);
    mpv_opengl_init_params gl {&procAddress, nullptr};
    int advanced = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
        {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    m_render.create(m_engine(), params, this);
}

void MpvGlPicture::paintGL()
{
    if (!m_render.isValid())
        return;
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo {static_cast<int>(defaultFramebufferObject()), static_cast<int>(width() * ratio),
        static_cast<int>(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    m_render.render(params);
}
