#pragma once

#include "platform/core/SingleInstanceGuard.h"

#include <QString>

#include <memory>

class QLockFile;
class QLocalServer;

// A lock file in the user's runtime folder, keyed by the program folder, plus a local
// server of the same name so that the running copy can be found. A copy killed without
// clean-up leaves a stale lock, which the next start recovers.
class LockFileInstanceGuard final : public SingleInstanceGuard {
public:
    explicit LockFileInstanceGuard(const QString& programFolder);
    ~LockFileInstanceGuard() override;

    bool claim() override;
    QString serverName() const { return m_key; }

private:
    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
