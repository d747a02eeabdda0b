#include "platform/LazyBus.h"

#include "platform/core/BusProbe.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QPointer>

#include <thread>

namespace {

constexpr int kWaitingAtMost = 64; // a silent bus must not gather requests without end

QString connectionName(LazyBus::Kind kind)
{
    static QAtomicInteger<int> serial;
    return QStringLiteral("vidorra-%1-%2")
        .arg(kind == LazyBus::Kind::Session ? QStringLiteral("session") : QStringLiteral("system"))
        .arg(serial.fetchAndAddRelaxed(1));
}

} // namespace

LazyBus::LazyBus(Kind kind, QObject* parent) : QObject(parent), m_kind(kind) { }

LazyBus::~LazyBus()
{
    if (m_bus)
        QDBusConnection::disconnectFromBus(m_bus->name());
}

void LazyBus::use(std::function<void(QDBusConnection&)> ready, std::function<void()> unavailable)
{
    switch (m_state) {
    case State::Connected:
        ready(*m_bus);
        return;
    case State::Unavailable:
        if (unavailable)
            unavailable();
        return;
    case State::Connecting:
    case State::NotAsked:
        break;
    }
    if (m_waiting.size() >= kWaitingAtMost) {
        if (unavailable)
            unavailable();
        return;
    }
    m_waiting.append({std::move(ready), std::move(unavailable)});
    if (m_state == State::Connecting)
        return;
    m_state = State::Connecting;
    // The probe and the connection run on a thread of their own, which reports back to
    // this object's thread; a LazyBus gone meanwhile is simply not told.
    const QPointer<LazyBus> self(this);
    const Kind kind = m_kind;
    const QString name = connectionName(kind);
    std::thread([self, kind, name] {
        const QByteArray address = kind == Kind::Session ? BusProbe::sessionAddress() : BusProbe::systemAddress();
        std::optional<QDBusConnection> bus;
        if (BusProbe::answers(address, kAnswerBudget)) {
            QDBusConnection made = QDBusConnection::connectToBus(QString::fromLatin1(address), name);
            if (made.isConnected())
                bus = made;
            else
                QDBusConnection::disconnectFromBus(name);
        }
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, bus] {
            if (self)
                self->connected(bus);
            else if (bus)
                QDBusConnection::disconnectFromBus(bus->name());
        }, Qt::QueuedConnection);
    }).detach();
}

void LazyBus::connected(const std::optional<QDBusConnection>& bus)
{
    m_bus = bus;
    m_state = bus ? State::Connected : State::Unavailable;
    const QList<Waiting> waiting = std::exchange(m_waiting, {});
    for (const Waiting& w : waiting) {
        if (m_bus)
            w.ready(*m_bus);
        else if (w.unavailable)
            w.unavailable();
    }
}
