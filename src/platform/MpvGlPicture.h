#pragma once

#include "platform/MpvRenderContext.h"

#include <QOpenGLWidget>

#include <functional>

// Draws libmpv's picture with its OpenGL render API, for a display with a GPU.
class MpvGlPicture final : public QOpenGLWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MpvGlPicture)
public:
    // `engine` gives the running engine when the widget is first drawn (none if it cannot run).
    MpvGlPicture(std::function<MpvEngineHandle()> engine, QWidget* parent);
    ~MpvGlPicture() override;

    // Frees the render context; must happen before the mpv handle is destroyed.
    void release();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    std::function<MpvEngineHandle()> m_engine;
    MpvRenderContext m_render;
    QMetaObject::Connection m_contextGone;
};
