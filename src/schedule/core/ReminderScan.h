#pragma once

#include "schedule/core/ScheduledProgram.h"

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QVector>

// The reminder scheduler's logic: the minute ticks between scans, and which programs a
// scan reminds of.
class ReminderScan final {
public:
    struct Due {
        int index; // in the scheduled list
        QDateTime at; // when the program starts
        QString key; // the program, its address and this start
    };

    // One tick of the minute timer; true when this tick scans (every `everyMinutes` ticks).
    bool tick(int everyMinutes);

    // The programs that start within [now, now + beforeSeconds], except the channel that
    // was started last (`currentRoot`, the stored address as text) and a program whose
    // reminder for the same start is still open. Each one returned counts as open until
    // closed() is told its key.
    QVector<Due> scan(const QVector<ScheduledProgram>& programs, const QDateTime& now, int beforeSeconds,
        const QString& currentRoot);

    // When the program next starts, seen from `now`: today's time for every-day programs.
    static QDateTime dueTime(const ScheduledProgram& program, const QDateTime& now);

    void closed(const QString& key) { m_open.remove(key); }

private:
    int m_ticks = 0;
    QSet<QString> m_open; // the keys of the reminders shown and not yet closed
};
