#include "platform/MpvVideoWidget.h"

#include "platform/MpvLibrary.h"

#include <QMouseEvent>
#include <QOpenGLContext>

#include <utility>

namespace {

void* procAddress(void*, const char* name)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(QByteArray(name))) : nullptr;
}

} // namespace

MpvVideoWidget::MpvVideoWidget(std::function<Engine()> engine, QWidget* parent)
    : QOpenGLWidget(parent), m_engine(std::move(engine))
{
    setObjectName(QStringLiteral("VideoSurface"));
    setMinimumSize(1, 1);
}

MpvVideoWidget::~MpvVideoWidget()
{
    release();
    QObject::disconnect(m_contextGone); // the base class destroys the context after this
}

void MpvVideoWidget::release()
{
    if (!m_render)
        return;
    makeCurrent();
    m_api->renderContextFree(m_render);
    m_render = nullptr;
    doneCurrent();
}

void MpvVideoWidget::initializeGL()
{
    // Moving the widget to another window (full screen and back) replaces its GL context;
    // the render context belongs to the old one and goes with it.
    QObject::disconnect(m_contextGone);
    m_contextGone = connect(
        context(), &QOpenGLContext::aboutToBeDestroyed, this, &MpvVideoWidget::release, Qt::DirectConnection);
    const Engine engine = m_engine();
    if (!engine.mpv)
        return;
    m_api = engine.api;
    mpv_opengl_init_params gl {&procAddress, nullptr};
    int advanced = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
        {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (m_api->renderContextCreate(&m_render, engine.mpv, params) < 0) {
        m_render = nullptr;
        return;
    }
    // Called on libmpv's thread: only ask for a repaint on ours.
    m_api->renderContextSetUpdateCallback(
        m_render,
        [](void* self) {
            QMetaObject::invokeMethod(
                static_cast<MpvVideoWidget*>(self), qOverload<>(&QWidget::update), Qt::QueuedConnection);
        },
        this);
}

void MpvVideoWidget::paintGL()
{
    if (!m_render)
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
    m_api->renderContextRender(m_render, params);
}

void MpvVideoWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_EMIT doubleClicked();
    QOpenGLWidget::mouseDoubleClickEvent(event);
}

void MpvVideoWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QOpenGLWidget::mouseReleaseEvent(event);
}
