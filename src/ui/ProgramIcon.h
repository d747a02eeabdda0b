#pragma once

#include <QIcon>

// The program's icon: a screen with a play mark, drawn at the sizes desktops ask for.
QIcon programIcon();
