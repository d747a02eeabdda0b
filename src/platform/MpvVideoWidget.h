#pragma once

#include <QOpenGLWidget>

#include <functional>

struct mpv_handle;
struct mpv_render_context;
struct MpvLibrary;

// Draws libmpv's picture with its OpenGL render API.
class MpvVideoWidget final : public QOpenGLWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MpvVideoWidget)
public:
    struct Engine {
        mpv_handle* mpv = nullptr;
        const MpvLibrary* api = nullptr;
    };
    // `engine` gives the running engine when the widget is first drawn (none if it cannot run).
    explicit MpvVideoWidget(std::function<Engine()> engine, QWidget* parent = nullptr);
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
    std::function<Engine()> m_engine;
    const MpvLibrary* m_api = nullptr;
    mpv_render_context* m_render = nullptr;
    QMetaObject::Connection m_contextGone;
};
