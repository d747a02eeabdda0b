#pragma once

#include <QOpenGLWidget>

struct mpv_handle;
struct mpv_render_context;

// Draws libmpv's picture with its OpenGL render API.
class MpvVideoWidget final : public QOpenGLWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MpvVideoWidget)
public:
    MpvVideoWidget(mpv_handle* mpv, QWidget* parent = nullptr);
    ~MpvVideoWidget() override;

    // Frees the render context; must happen before the mpv handle is destroyed.
    void release();

Q_SIGNALS:
    void doubleClicked();
    void clicked();

protected:
    void initializeGL() override;
    void paintGL() override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    mpv_handle* m_mpv;
    mpv_render_context* m_render = nullptr;
    QMetaObject::Connection m_contextGone;
};
