#pragma once

#include "platform/core/SingleInstanceGuard.h"

#include <QString>

#include <functional>
#include <memory>

class QLockFile;
class QLocalServer;
class QLocalSocket;

// A lock file in the user's runtime folder, keyed by the program folder, plus a local
// server of the same name so that the running copy can be found, and later copies can
// hand it what they were asked to open. A copy killed without
// clean-up leaves a stale lock, which the next start recovers.
class LockFileInstanceGuard final : public SingleInstanceGuard {
public:
    explicit LockFileInstanceGuard(const QString& programFolder);
    ~LockFileInstanceGuard() override;

    bool claim() override;
    void onHandedOver(std::function<void(const QString&)> received) override;
    bool handOver(const QString& argument) override;
    QString serverName() const { return m_key; }

private:
    void takeArgument(QLocalSocket* socket);

    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void(const QString&)> m_received;
};
