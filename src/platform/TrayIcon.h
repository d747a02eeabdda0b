#pragma once

#include <QString>

class QMenu;

// The notification-area icon. Without a tray on the desktop, available() is false and
// the program keeps its main window reachable by other means.
class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual bool available() const = 0;
    virtual void add(const QString& tip, QMenu* menu) = 0;
    virtual void remove() = 0;
    virtual bool isShown() const = 0;
};
