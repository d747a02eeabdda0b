#include "schedule/core/ReminderScan.h"

#include "base/TextCodec.h"
#include "schedule/core/DayNumber.h"

bool ReminderScan::tick(int everyMinutes)
{
    if (++m_ticks < everyMinutes)
        return false;
    m_ticks = 0;
    return true;
}

QDateTime ReminderScan::dueTime(const ScheduledProgram& program, const QDateTime& now)
{
    const std::optional<QDateTime> start = DayNumber::toDateTime(program.startTime);
    if (!start)
        return {};
    if (start->date().year() == 1899)
        return QDateTime(now.date(), start->time());
    return start->date() == now.date() ? *start : QDateTime();
}

QVector<ReminderScan::Due> ReminderScan::scan(
    const QVector<ScheduledProgram>& programs, const QDateTime& now, int beforeSeconds, const QString& currentRoot)
{
    const QDateTime scanTime = now.addMSecs(-now.time().msec()); // both carry whole seconds
    QVector<Due> due;
    for (int i = 0; i < programs.size(); ++i) {
        const ScheduledProgram& program = programs[i];
        const QDateTime at = dueTime(program, scanTime);
        if (!at.isValid())
            continue;
        const qint64 ahead = scanTime.secsTo(at);
        if (ahead < 0 || ahead > beforeSeconds)
            continue;
        if (TextCodec::decodeEightBit(program.channelAddress).trimmed() == currentRoot)
            continue;
        const QString key = program.programName + QChar(u'\n') + QString::fromLatin1(program.channelAddress.toHex())
            + QChar(u'\n') + QString::number(at.toSecsSinceEpoch());
        if (m_open.contains(key))
            continue;
        m_open.insert(key);
        due.append({i, at, key});
    }
    return due;
}
