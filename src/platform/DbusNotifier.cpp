#include "platform/DbusNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kActionKey = QStringLiteral("watch");
constexpr int kAnswerWithinMs = 2000;

} // namespace

DbusNotifier::DbusNotifier(QDBusConnection bus, QObject* parent) : QObject(parent), m_bus(std::move(bus))
{
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
        SLOT(actionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
        SLOT(notificationClosed(uint, uint)));
}

DbusNotifier::~DbusNotifier() = default;

void DbusNotifier::notify(
    const QString& title, const QString& body, const QString& actionLabel, std::function<void()> chosen)
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << QStringLiteral("Vidorra") << 0u << QStringLiteral("vidorra") << title << body
         << QStringList {kActionKey, actionLabel} << QVariantMap {{QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}}
         << -1;
    // Asynchronous: a slow or missing service never holds up the window.
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kAnswerWithinMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, chosen = std::move(chosen)](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> reply = *w;
        if (!reply.isError())
            m_actions.insert(reply.value(), chosen);
        w->deleteLater();
    });
}

void DbusNotifier::actionInvoked(uint id, const QString& actionKey)
{
    if (actionKey != kActionKey)
        return;
    const std::function<void()> chosen = m_actions.take(id);
    if (chosen)
        chosen();
}

void DbusNotifier::notificationClosed(uint id, uint) { m_actions.remove(id); }
