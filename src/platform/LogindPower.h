#pragma once

#include "platform/core/PowerControl.h"

#include <QDBusConnection>
#include <QObject>

// Power-off through logind on the system bus: CanPowerOff, then PowerOff when it says yes.
class LogindPower final : public QObject, public PowerControl {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LogindPower)
public:
    explicit LogindPower(QDBusConnection bus = QDBusConnection::systemBus(), QObject* parent = nullptr);
    ~LogindPower() override;

    void powerOffIfAllowed(std::function<void(Outcome)> done) override;

private:
    void call(const QString& method, const QVariantList& arguments, std::function<void(const QDBusMessage&)> answered);

    QDBusConnection m_bus;
};
