#pragma once

#include "schedule/core/ScheduledProgram.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

// The scheduled programs in memory and their file, kept in step: every change is written
// at once and atomically, and is made in memory only when the file took it.
class ScheduleStore final {
public:
    explicit ScheduleStore(QString path);

    const QVector<ScheduledProgram>& programs() const { return m_programs; }
    int count() const { return static_cast<int>(m_programs.size()); }

    // ReadScheduledPrograms: reads the file (a missing one is created empty), drops the
    // one-off programs that start now or earlier, and writes the file again when it
    // dropped any. A file that ends inside a record is kept as it is until a change.
    // Records nobody changed are written back byte for byte. A file that cannot be read
    // is never replaced: every change is then refused, saying why.
    // Returns an error text, empty on success.
    QString load(const QDateTime& now);

    // Set: appends a program unless one of the same name and address is there (then false
    // with duplicate set). Modify: replaces the program at `index`. Delete: removes it.
    bool add(const ScheduledProgram& program, bool* duplicate = nullptr);
    bool replace(int index, const ScheduledProgram& program);
    bool remove(int index);

    // Why the last change failed; empty after a change that succeeded.
    const QString& lastError() const { return m_error; }

private:
    bool commit(QVector<ScheduledProgram> next, QVector<QByteArray> records);
    QByteArray fileBytes(const QVector<QByteArray>& records) const;

    QString m_path;
    QVector<ScheduledProgram> m_programs;
    QVector<QByteArray> m_records; // each program as stored
    QString m_unreadable; // why the file could not be read; empty when it could
    QByteArray m_unreadRecords;
    QString m_error;
};
