#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient screen(0, 0, 0, s);
    screen.setColorAt(0, QColor(0x2b, 0x6c, 0xc4));
    screen.setColorAt(1, QColor(0x12, 0x3a, 0x73));
    painter.setPen(QPen(QColor(0x0b, 0x22, 0x44), s / 32));
    painter.setBrush(screen);
    painter.drawRoundedRect(QRectF(s * 0.06, s * 0.14, s * 0.88, s * 0.66), s * 0.1, s * 0.1);
    painter.setBrush(QColor(0x0b, 0x22, 0x44));
    painter.drawRect(QRectF(s * 0.35, s * 0.84, s * 0.3, s * 0.06));
    QPainterPath play;
    play.moveTo(s * 0.40, s * 0.30);
    play.lineTo(s * 0.66, s * 0.47);
    play.lineTo(s * 0.40, s * 0.64);
    play.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xc1, 0x2e));
    painter.drawPath(play);
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawIcon(size));
    return icon;
}
