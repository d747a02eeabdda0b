#pragma once

#include "platform/core/Notifier.h"

#include <QHash>
#include <QObject>

class LazyBus;
class QDBusConnection;

// Notifications through org.freedesktop.Notifications on the session bus, connected when
// the first notification is due.
class DbusNotifier final : public QObject, public Notifier {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DbusNotifier)
public:
    explicit DbusNotifier(QObject* parent = nullptr);
    ~DbusNotifier() override;

    void notify(const QString& title, const QString& body, const QString& actionLabel,
        std::function<void()> chosen) override;

private Q_SLOTS:
    void actionInvoked(uint id, const QString& actionKey);
    void notificationClosed(uint id, uint reason);

private:
    void send(QDBusConnection& bus, const QString& title, const QString& body, const QString& actionLabel,
        const std::function<void()>& chosen);

    LazyBus* m_bus;
    bool m_listening = false;
    QHash<uint, std::function<void()>> m_actions; // by notification id
};
