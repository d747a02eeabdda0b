#pragma once

#include "platform/core/Notifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>

// Notifications through org.freedesktop.Notifications on the session bus.
class DbusNotifier final : public QObject, public Notifier {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DbusNotifier)
public:
    explicit DbusNotifier(QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~DbusNotifier() override;

    void notify(const QString& title, const QString& body, const QString& actionLabel,
        std::function<void()> chosen) override;

private Q_SLOTS:
    void actionInvoked(uint id, const QString& actionKey);
    void notificationClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    QHash<uint, std::function<void()>> m_actions; // by notification id
};
