#pragma once

#include "platform/MpvRenderContext.h"

#include <QImage>
#include <QWidget>

#include <cstdlib>
#include <functional>
#include <memory>

// Draws libmpv's picture with its software render API into an image the widget paints.
// Where OpenGL itself is emulated on the processor, this costs less than half of drawing
// through it: scaling and colour conversion are libswscale's vector code instead of
// shaders run by the emulation, and the picture is not composed through a framebuffer.
class MpvSoftwarePicture final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MpvSoftwarePicture)
public:
    MpvSoftwarePicture(std::function<MpvEngineHandle()> engine, QWidget* parent);
    ~MpvSoftwarePicture() override;

    // Frees the render context; must happen before the mpv handle is destroyed.
    void release();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool ensureContext();
    void fitFrameTo(QSize pixels);
    void renderFrame();

    struct AlignedFree {
        void operator()(uchar* pixels) const { std::free(pixels); }
    };

    std::function<MpvEngineHandle()> m_engine;
    MpvRenderContext m_render;
    bool m_contextTried = false;
    std::unique_ptr<uchar, AlignedFree> m_pixels; // what m_frame shows, aligned for libswscale
    QImage m_frame;
};
