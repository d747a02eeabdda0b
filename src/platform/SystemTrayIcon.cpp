#include "platform/SystemTrayIcon.h"

#include <QApplication>
#include <QSystemTrayIcon>

SystemTrayIcon::SystemTrayIcon(std::function<void()> activated) : m_activated(std::move(activated)) { }

SystemTrayIcon::~SystemTrayIcon() = default;

bool SystemTrayIcon::available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void SystemTrayIcon::add(const QString& tip, QMenu* menu)
{
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>(QApplication::windowIcon());
        QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_icon.get(),
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason != QSystemTrayIcon::Context && m_activated)
                    m_activated();
            });
    }
    m_icon->setToolTip(tip);
    m_icon->setContextMenu(menu);
    m_icon->show();
}

void SystemTrayIcon::remove()
{
    if (m_icon)
        m_icon->hide();
}

bool SystemTrayIcon::isShown() const { return m_icon && m_icon->isVisible(); }
