#include "platform/DbusNotifier.h"

#include "platform/LazyBus.h"

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

DbusNotifier::DbusNotifier(QObject* parent) : QObject(parent), m_bus(new LazyBus(LazyBus::Kind::Session, this)) { }

DbusNotifier::~DbusNotifier() = default;

void DbusNotifier::notify(
    const QString& title, const QString& body, const QString& actionLabel, std::function<void()> chosen)
{
    m_bus->use([this, title, body, actionLabel, chosen = std::move(chosen)](QDBusConnection& bus) {
        if (!m_listening) {
            bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
            bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));
            m_listening = true;
        }
        send(bus, title, body, actionLabel, chosen);
    });
}

void DbusNotifier::send(QDBusConnection& bus, const QString& title, const QString& body, const QString& actionLabel,
    const std::function<void()>& chosen)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << QStringLiteral("Vidorra") << 0u << QStringLiteral("vidorra") << title << body
         << QStringList {kActionKey, actionLabel} << QVariantMap {{QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}}
         << -1;
    // Asynchronous: a slow or missing service never holds up the window.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kAnswerWithinMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, chosen](QDBusPendingCallWatcher* w) {
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
