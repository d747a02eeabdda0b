#include "platform/MpvVideoWidget.h"

#include "platform/GlobalShareContext.h"
#include "platform/MpvGlPicture.h"
#include "platform/MpvSoftwarePicture.h"
#include "platform/OpenGlRenderer.h"

#include <QMouseEvent>
#include <QVBoxLayout>

#include <utility>

MpvVideoWidget::MpvVideoWidget(std::function<Engine()> engine, Drawing drawing, QWidget* parent)
    : QWidget(parent), m_engine(std::move(engine)), m_drawing(drawing)
{
    setObjectName(QStringLiteral("VideoSurface"));
    setMinimumSize(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

MpvVideoWidget::~MpvVideoWidget() { release(); }

void MpvVideoWidget::release()
{
    if (m_gl)
        m_gl->release();
    if (m_software)
        m_software->release();
}

// Chosen here rather than when made: the question loads OpenGL, which the program's
// start does without.
void MpvVideoWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_gl || m_software)
        return;
    if (m_drawing == Drawing::Automatic)
        m_drawing = OpenGlRenderer::drawsInSoftware() ? Drawing::Software : Drawing::OpenGl;
    QWidget* picture = nullptr;
    if (m_drawing == Drawing::OpenGl) {
        GlobalShareContext::ensure(); // else moving to the full-screen window ends the video
        picture = m_gl = new MpvGlPicture(m_engine, this);
    } else {
        picture = m_software = new MpvSoftwarePicture(m_engine, this);
    }
    layout()->addWidget(picture);
    picture->show();
}

// The picture's own widget leaves the mouse to this one.
void MpvVideoWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_EMIT doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

void MpvVideoWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}
