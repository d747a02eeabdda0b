#include "ui/ChromeDialog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal kCornerRadius = 5.0; // a 10 x 10 corner ellipse
}

ChromeDialog::ChromeDialog(QWidget* owner, Frame frame, ChromeState state) : QDialog(owner), m_frame(frame)
{
    setLayoutDirection(state.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const bool topmost = state.topmost;
    Qt::WindowFlags flags = windowFlags();
    if (frame != Frame::Titled)
        flags |= Qt::FramelessWindowHint;
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    flags.setFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlags(flags);
}

ChromeDialog::~ChromeDialog() = default;

void ChromeDialog::addDragHandle(QWidget* handle) { handle->installEventFilter(this); }

bool ChromeDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (m_frame == Frame::Titled || !watched->isWidgetType())
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            beginDrag(mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseMove:
        dragTo(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void ChromeDialog::mousePressEvent(QMouseEvent* event)
{
    if (m_frame != Frame::Titled && event->button() == Qt::LeftButton)
        beginDrag(event->globalPosition().toPoint());
    QDialog::mousePressEvent(event);
}

void ChromeDialog::mouseMoveEvent(QMouseEvent* event)
{
    dragTo(event->globalPosition().toPoint());
    QDialog::mouseMoveEvent(event);
}

void ChromeDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void ChromeDialog::beginDrag(const QPoint& globalPos)
{
    m_dragging = true;
    m_grabOffset = globalPos - frameGeometry().topLeft();
}

void ChromeDialog::dragTo(const QPoint& globalPos)
{
    if (m_dragging)
        move(globalPos - m_grabOffset);
}

void ChromeDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_frame != Frame::Rounded)
        return;
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void ChromeDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_frame == Frame::Titled)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_frame == Frame::Rounded)
        painter.drawRoundedRect(outline, kCornerRadius, kCornerRadius);
    else
        painter.drawRect(outline);
}
