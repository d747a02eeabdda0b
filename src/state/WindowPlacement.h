#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

// Where the main window opens: where it was left, unless that is off every screen now
// or smaller than the window may be.
namespace WindowPlacement {

// A saved rectangle that does not show enough of itself on any screen is centred on the
// first screen instead; a size below `minimum` or above the screen is corrected.
QRect place(std::optional<QRect> saved, const QList<QRect>& screens, QSize minimum, QSize preferred);

QByteArray toBytes(const QRect& rect);
std::optional<QRect> fromBytes(const QByteArray& bytes);

} // namespace WindowPlacement
