#include "platform/DesktopShell.h"

#include <QDesktopServices>

bool DesktopShell::open(const QUrl& url) { return QDesktopServices::openUrl(url); }
