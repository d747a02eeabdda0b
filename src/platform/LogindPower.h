#pragma once

#include "platform/core/PowerControl.h"

#include <QObject>

#include <QDBusConnection>

class LazyBus;
class QDBusMessage;

// Power-off through logind on the system bus: CanPowerOff, then PowerOff when it says yes.
// The bus is connected when power-off is first asked for.
class LogindPower final : public QObject, public PowerControl {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LogindPower)
public:
    explicit LogindPower(QObject* parent = nullptr);
    ~LogindPower() override;

    void powerOffIfAllowed(std::function<void(Outcome)> done) override;

private:
    void askAndPowerOff(QDBusConnection bus, const std::function<void(Outcome)>& done);
    void call(QDBusConnection bus, const QString& method, const QVariantList& arguments, std::function<void(const QDBusMessage&)> answered);

    LazyBus* m_bus;
};
