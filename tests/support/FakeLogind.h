#pragma once

#include <QDBusConnection>
#include <QObject>

// logind's power-off, on a connection of its own to the test's private bus (which the
// program takes for the system bus): it answers CanPowerOff as told and counts PowerOff.
class FakeLogind final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    explicit FakeLogind(QString canPowerOff)
        : m_answer(std::move(canPowerOff)),
          m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-logind")))
    {
        m_registered = m_bus.registerObject(QStringLiteral("/org/freedesktop/login1"), this, QDBusConnection::ExportAllSlots)
            && m_bus.registerService(QStringLiteral("org.freedesktop.login1"));
    }
    ~FakeLogind() override
    {
        m_bus.unregisterService(QStringLiteral("org.freedesktop.login1"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-logind"));
    }

    bool registered() const { return m_registered; }
    int powerOffs() const { return m_powerOffs; }
    int questions() const { return m_questions; }

public Q_SLOTS:
    QString CanPowerOff()
    {
        ++m_questions;
        return m_answer;
    }
    void PowerOff(bool) { ++m_powerOffs; }

private:
    QString m_answer;
    QDBusConnection m_bus;
    bool m_registered = false;
    int m_powerOffs = 0;
    int m_questions = 0;
};
