#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and atomic whole-file writes. Every file the program rewrites goes
// through writeFileAtomically, so a crash or a full disk never leaves a half-written file.
namespace FileIo {

struct ReadResult {
    QByteArray bytes;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// Reads at most maxBytes; a larger file is an error rather than a memory hazard.
ReadResult readWholeFile(const QString& path, qint64 maxBytes = 64 * 1024 * 1024);

// Writes to a temporary file beside path, flushes it and renames it over path.
// Returns an empty string on success, else the system's description of the failure.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace FileIo
