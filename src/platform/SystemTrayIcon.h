#pragma once

#include "platform/TrayIcon.h"

#include <QObject>

#include <functional>
#include <memory>

class QSystemTrayIcon;

// The notification-area icon through QSystemTrayIcon.
class SystemTrayIcon final : public TrayIcon {
public:
    // activated runs on any click of the icon.
    explicit SystemTrayIcon(std::function<void()> activated);
    ~SystemTrayIcon() override;

    bool available() const override;
    void add(const QString& tip, QMenu* menu) override;
    void remove() override;
    bool isShown() const override;

private:
    std::function<void()> m_activated;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};
