#include "platform/core/LockFileInstanceGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLockFile>
#include <QStandardPaths>

namespace {

QString keyFor(const QString& programFolder)
{
    const QByteArray canonical = QFileInfo(programFolder).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(canonical, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("vidorra-") + QString::fromLatin1(hash.left(16));
}

QString lockFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString& programFolder) : m_key(keyFor(programFolder)) { }

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

bool LockFileInstanceGuard::claim()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(QDir(lockFolder()).filePath(m_key + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0); // stale only when its process is gone
    if (!m_lock->tryLock(0))
        return false;

    m_server = std::make_unique<QLocalServer>();
    if (!m_server->listen(m_key)) {
        // Left behind by a copy that was killed; we hold the lock, so it is ours to remove.
        QLocalServer::removeServer(m_key);
        m_server->listen(m_key);
    }
    return true;
}
