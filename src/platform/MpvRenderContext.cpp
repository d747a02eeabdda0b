#include "platform/MpvRenderContext.h"

#include "platform/MpvLibrary.h"

#include <QMetaObject>
#include <QWidget>

bool MpvRenderContext::create(const MpvEngineHandle& engine, mpv_render_param* params, QWidget* repaint)
{
    free();
    if (!engine.mpv || engine.api->renderContextCreate(&m_render, engine.mpv, params) < 0) {
        m_render = nullptr;
        return false;
    }
    m_api = engine.api;
    // Called on libmpv's thread: only ask for a repaint on ours. A request still queued
    // when the widget goes is dropped with it; none comes once the context is freed.
    m_api->renderContextSetUpdateCallback(
        m_render,
        [](void* widget) {
            QMetaObject::invokeMethod(
                static_cast<QWidget*>(widget), qOverload<>(&QWidget::update), Qt::QueuedConnection);
        },
        repaint);
    return true;
}

void MpvRenderContext::render(mpv_render_param* params) const
{
    if (m_render)
        m_api->renderContextRender(m_render, params);
}

void MpvRenderContext::free()
{
    if (!m_render)
        return;
    m_api->renderContextFree(m_render);
    m_render = nullptr;
}
