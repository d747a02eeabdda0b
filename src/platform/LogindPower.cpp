#include "platform/LogindPower.h"

#include "platform/LazyBus.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kInterface = QStringLiteral("org.freedesktop.login1.Manager");
constexpr int kAnswerWithinMs = 5000;

} // namespace

LogindPower::LogindPower(QObject* parent) : QObject(parent), m_bus(new LazyBus(LazyBus::Kind::System, this)) { }

LogindPower::~LogindPower() = default;

void LogindPower::call(QDBusConnection bus,
    const QString& method, const QVariantList& arguments, std::function<void(const QDBusMessage&)> answered)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, kAnswerWithinMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [answered = std::move(answered)](QDBusPendingCallWatcher* w) {
            answered(w->reply());
            w->deleteLater();
        });
}

void LogindPower::powerOffIfAllowed(std::function<void(Outcome)> done)
{
    m_bus->use([this, done](QDBusConnection& bus) { askAndPowerOff(bus, done); }, [done] { done(Outcome::NoAnswer); });
}

void LogindPower::askAndPowerOff(QDBusConnection bus, const std::function<void(Outcome)>& done)
{
    call(bus, QStringLiteral("CanPowerOff"), {}, [this, bus, done](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            done(Outcome::NoAnswer);
            return;
        }
        const QString answer = reply.arguments().constFirst().toString();
        if (answer == QStringLiteral("challenge")) {
            done(Outcome::NeedsAuthentication);
        } else if (answer == QStringLiteral("no")) {
            done(Outcome::NotAllowed);
        } else if (answer != QStringLiteral("yes")) {
            done(Outcome::NotAvailable);
        } else {
            // Not interactive: no password dialog, as nobody may be at the computer.
            call(bus, QStringLiteral("PowerOff"), {false}, [done](const QDBusMessage& sent) {
                done(sent.type() == QDBusMessage::ReplyMessage ? Outcome::Requested : Outcome::NoAnswer);
            });
        }
    });
}
