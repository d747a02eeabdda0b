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

// Writes to a temporary file beside path, flushes it to the disk and renames it over
// path, keeping the permissions of the file it replaces. Returns an empty string on
// success, else the system's description of the failure; path is then untouched.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

// True for the name of a temporary file that writeFileAtomically leaves behind when the
// program is killed mid-write: ".<file>.<6 letters or digits>.vidorra-partial". No user
// names a file that way, so such files may be removed without asking.
bool isWriteLeftover(const QString& fileName);

} // namespace FileIo
