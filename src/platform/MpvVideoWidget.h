#pragma once

#include "platform/MpvRenderContext.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class MpvGlPicture;
class MpvSoftwarePicture;

// Shows libmpv's picture. What draws it is chosen when it first shows: the OpenGL render
// API where OpenGL runs on a GPU, the software one where OpenGL itself would run on the
// processor.
class MpvVideoWidget final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MpvVideoWidget)
public:
    enum class Drawing { Automatic, OpenGl, Software };
    using Engine = MpvEngineHandle;

    // `engine` gives the running engine when the picture is first drawn (none if it cannot run).
    MpvVideoWidget(std::function<Engine()> engine, Drawing drawing, QWidget* parent = nullptr);
    ~MpvVideoWidget() override;

    // Frees the render context; must happen before the mpv handle is destroyed.
    void release();
    // What draws the picture; Automatic until it first shows.
    Drawing drawing() const { return m_drawing; }

Q_SIGNALS:
    void doubleClicked();
    void clicked();

protected:
    void showEvent(QShowEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<Engine()> m_engine;
    Drawing m_drawing;
    QPointer<MpvGlPicture> m_gl;
    QPointer<MpvSoftwarePicture> m_software;
};
