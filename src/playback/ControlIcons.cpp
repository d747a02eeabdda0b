#include "playback/ControlIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ControlIcons {

namespace {

constexpr int kSize = 32; // drawn large, scaled down by the icon

void drawSpeaker(QPainter& p)
{
    QPainterPath speaker;
    speaker.moveTo(4, 12);
    speaker.lineTo(10, 12);
    speaker.lineTo(17, 5);
    speaker.lineTo(17, 27);
    speaker.lineTo(10, 20);
    speaker.lineTo(4, 20);
    speaker.closeSubpath();
    p.fillPath(speaker, kInk);
}

void draw(QPainter& p, Shape shape)
{
    p.setRenderHint(QPainter::Antialiasing);
    switch (shape) {
    case Shape::Play: {
        QPainterPath triangle;
        triangle.moveTo(9, 5);
        triangle.lineTo(27, 16);
        triangle.lineTo(9, 27);
        triangle.closeSubpath();
        p.fillPath(triangle, kInk);
        break;
    }
    case Shape::Pause:
        p.fillRect(QRectF(8, 6, 6, 20), kInk);
        p.fillRect(QRectF(18, 6, 6, 20), kInk);
        break;
    case Shape::Stop:
        p.fillRect(QRectF(8, 8, 16, 16), kInk);
        break;
    case Shape::Volume:
        drawSpeaker(p);
        p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(13, 9, 10, 14), -60 * 16, 120 * 16);
        p.drawArc(QRectF(13, 5, 16, 22), -60 * 16, 120 * 16);
        break;
    case Shape::Muted:
        drawSpeaker(p);
        p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21, 11), QPointF(29, 21));
        p.drawLine(QPointF(29, 11), QPointF(21, 21));
        break;
    }
}

} // namespace

QIcon icon(Shape shape)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter, shape);
    painter.end();
    QIcon result(pixmap);
    // The same picture when the button is disabled, only fainter: still readable.
    QPixmap faint(pixmap.size());
    faint.fill(Qt::transparent);
    QPainter fainter(&faint);
    fainter.setOpacity(0.55);
    fainter.drawPixmap(0, 0, pixmap);
    fainter.end();
    result.addPixmap(faint, QIcon::Disabled);
    return result;
}

} // namespace ControlIcons
