#include "state/WindowPlacement.h"

#include <QList>

namespace WindowPlacement {

namespace {

// How much of the window must show on a screen for its title bar to be reachable.
constexpr int kVisibleWidth = 120;
constexpr int kVisibleHeight = 40;

bool reachable(const QRect& rect, const QList<QRect>& screens)
{
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(QRect(rect.topLeft(), QSize(rect.width(), kVisibleHeight)));
        if (shown.width() >= std::min(kVisibleWidth, rect.width()) && shown.height() >= kVisibleHeight / 2)
            return true;
    }
    return false;
}

} // namespace

QRect place(std::optional<QRect> saved, const QList<QRect>& screens, QSize minimum, QSize preferred)
{
    const QRect screen = screens.isEmpty() ? QRect(0, 0, 1024, 768) : screens.first();
    const auto fit
        = [&](QSize size) { return size.expandedTo(minimum).boundedTo(screen.size().expandedTo(minimum)); };
    // Reachable as it will be placed: a window reachable only by its width may be made
    // narrower, and then lie beside the screen.
    if (saved && saved->isValid()) {
        const QRect fitted(saved->topLeft(), fit(saved->size()));
        if (reachable(fitted, screens))
            return fitted;
    }
    QRect centred(QPoint(), fit(preferred));
    centred.moveCenter(screen.center());
    return centred;
}

QByteArray toBytes(const QRect& rect)
{
    return QByteArray::number(rect.x()) + ' ' + QByteArray::number(rect.y()) + ' '
        + QByteArray::number(rect.width()) + ' ' + QByteArray::number(rect.height()) + "\r\n";
}

std::optional<QRect> fromBytes(const QByteArray& bytes)
{
    const QList<QByteArray> parts = bytes.trimmed().split(' ');
    if (parts.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0)
        return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

} // namespace WindowPlacement
