#include "platform/core/LockFileInstanceGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
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
    m_server->setSocketOptions(QLocalServer::UserAccessOption); // only this user's copies
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            takeArgument(socket);
    });
    if (!m_server->listen(m_key)) {
        // Left behind by a copy that was killed; we hold the lock, so it is ours to remove.
        QLocalServer::removeServer(m_key);
        m_server->listen(m_key);
    }
    return true;
}

void LockFileInstanceGuard::onHandedOver(std::function<void(const QString&)> received)
{
    m_received = std::move(received);
}

// One line of UTF-8 a connection, at most 64 KiB; the connection goes when it has sent it.
void LockFileInstanceGuard::takeArgument(QLocalSocket* socket)
{
    constexpr qint64 kLongest = 64 * 1024;
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        if (socket->bytesAvailable() > kLongest) {
            socket->abort();
            return;
        }
        if (!socket->canReadLine())
            return;
        const QString argument = QString::fromUtf8(socket->readLine(kLongest)).trimmed();
        socket->disconnectFromServer();
        if (!argument.isEmpty() && m_received)
            m_received(argument);
    });
}

bool LockFileInstanceGuard::handOver(const QString& argument)
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(2000))
        return false;
    QString line = argument;
    line.replace(u'\n', u' ').replace(u'\r', u' ');
    socket.write(line.toUtf8() + '\n');
    const bool sent = socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    return sent;
}
