#pragma once

#include <QColor>
#include <QIcon>

// The player controls' pictures, drawn in one light colour so that they stand out on the
// dark control bar whatever the desktop's theme.
namespace ControlIcons {

enum class Shape { Play, Pause, Stop, Volume, Muted };

inline const QColor kBar {0x2b, 0x2b, 0x2b}; // the control bar's background
inline const QColor kInk {0xf2, 0xf2, 0xf2}; // every picture's colour

QIcon icon(Shape shape);

} // namespace ControlIcons
