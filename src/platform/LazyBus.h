#pragma once

#include <QDBusConnection>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

// A connection to the session or system bus, made when first used and off the UI thread:
// nothing waits for D-Bus on the way to the window, and a bus that accepts but never
// answers costs nothing but the feature that needed it.
class LazyBus final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LazyBus)
public:
    enum class Kind { Session, System };

    explicit LazyBus(Kind kind, QObject* parent = nullptr);
    ~LazyBus() override;

    // Runs `ready` on this object's thread with the connection once it is made, at once when
    // it already is. Where the bus is absent or silent, `unavailable` runs instead.
    void use(std::function<void(QDBusConnection&)> ready, std::function<void()> unavailable = {});

    // How long the bus may take to answer before it counts as absent.
    static constexpr std::chrono::milliseconds kAnswerBudget {2000};

private:
    void connected(const std::optional<QDBusConnection>& bus);

    struct Waiting {
        std::function<void(QDBusConnection&)> ready;
        std::function<void()> unavailable;
    };
    enum class State { NotAsked, Connecting, Connected, Unavailable };

    Kind m_kind;
    State m_state = State::NotAsked;
    std::optional<QDBusConnection> m_bus;
    QList<Waiting> m_waiting;
};
