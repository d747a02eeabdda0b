#include "base/FileIo.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileIo {

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
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {bytes, {}};
}

QString writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Writing beside a read-only file replaces it, as the program always did.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    // QSaveFile::commit() does not notice a failure while flushing its buffer (a full
    // disk, a size limit), so the flush is checked here; the destructor then discards.
    if (!file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace FileIo
