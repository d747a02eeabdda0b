#include "base/FileIo.h"

#include "base/FreshMemory.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace FileIo {

namespace {
const QString kPartialSuffix = QStringLiteral(".vidorra-partial");

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The rest of an open file. Its size as it was opened is read in one go; whatever it has
// grown by since is read after.
QByteArray readRest(QFile& file)
{
    const qint64 size = file.size();
    if (size < FreshMemory::kWorthTakingAtOnce)
        return file.readAll();
    QByteArray bytes(size, Qt::Uninitialized);
    FreshMemory::takeAtOnce(bytes.data(), size);
    const qint64 read = file.read(bytes.data(), size);
    if (read < 0)
        return {};
    bytes.truncate(read);
    if (read == size)
        bytes += file.readAll();
    return bytes;
}

QString writeAndSync(QTemporaryFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size())
        return file.errorString();
    // A full disk or a size limit may only show when the buffer is flushed.
    if (!file.flush())
        return file.errorString();
    if (::fsync(file.handle()) != 0)
        return systemError();
    return {};
}
} // namespace

ReadResult readWholeFile(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {{}, QStringLiteral("%1 is a folder, not a file").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    if (file.size() > maxBytes)
        return {{}, QStringLiteral("%1 is too large (%2 bytes)").arg(path).arg(file.size())};
    QByteArray bytes = readRest(file);
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {bytes, {}};
}

QString writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("%1 is a folder, not a file").arg(path);
    QTemporaryFile file(target.absolutePath() + QLatin1String("/.") + target.fileName() + QLatin1String(".XXXXXX")
        + kPartialSuffix);
    if (!file.open())
        return file.errorString();
    // Writing beside a read-only file replaces it, as the program always did.
    if (target.exists())
        file.setPermissions(QFile::permissions(path) | QFileDevice::WriteOwner);
    else
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
            | QFileDevice::ReadOther);
    if (QString error = writeAndSync(file, bytes); !error.isEmpty())
        return error; // the temporary file removes itself
    if (target.exists())
        file.setPermissions(QFile::permissions(path));
    const QByteArray from = QFile::encodeName(file.fileName());
    const QByteArray to = QFile::encodeName(target.absoluteFilePath());
    if (std::rename(from.constData(), to.constData()) != 0)
        return systemError();
    file.setAutoRemove(false);
    return {};
}

bool isWriteLeftover(const QString& fileName)
{
    static const QRegularExpression leftover(
        QStringLiteral("^\\..+\\.[A-Za-z0-9]{6}") + QRegularExpression::escape(kPartialSuffix) + QLatin1Char('$'));
    return leftover.match(fileName).hasMatch();
}

} // namespace FileIo
