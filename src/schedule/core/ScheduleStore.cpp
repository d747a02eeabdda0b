#include "schedule/core/ScheduleStore.h"

#include "base/FileIo.h"
#include "schedule/core/DayNumber.h"
#include "schedule/core/ScheduleFile.h"

#include <QFileInfo>

ScheduleStore::ScheduleStore(QString path) : m_path(std::move(path)) { }

QString ScheduleStore::load(const QDateTime& now)
{
    m_programs.clear();
    m_records.clear();
    m_unreadRecords.clear();
    m_unreadable.clear();
    if (!QFileInfo::exists(m_path))
        return FileIo::writeFileAtomically(m_path, {});
    const FileIo::ReadResult read = FileIo::readWholeFile(m_path);
    if (!read.ok()) {
        m_unreadable = QStringLiteral("%1 could not be read (%2), so the scheduled programs are left as they are")
                           .arg(m_path, read.error);
        return m_unreadable;
    }
    ScheduleFile::ReadResult file = ScheduleFile::read(read.bytes);
    const double current = DayNumber::fromDateTime(now);
    for (qsizetype n = 0; n < file.programs.size(); ++n) {
        const double start = file.programs[n].startTime;
        const bool valid = DayNumber::toDateTime(start).has_value();
        if (valid && (DayNumber::isEveryDay(start) || start > current)) {
            m_programs.append(std::move(file.programs[n]));
            m_records.append(std::move(file.records[n]));
        }
    }
    const bool dropped = m_programs.size() != file.programs.size();
    m_unreadRecords = file.unreadRecords;
    if (!dropped || file.partialRecord)
        return {};
    m_error = FileIo::writeFileAtomically(m_path, fileBytes(m_records));
    return m_error;
}

QByteArray ScheduleStore::fileBytes(const QVector<QByteArray>& records) const
{
    QByteArray bytes;
    bytes.reserve(records.size() * ScheduleFile::kRecordSize + m_unreadRecords.size());
    for (const QByteArray& record : records)
        bytes += record;
    return bytes + m_unreadRecords;
}

bool ScheduleStore::commit(QVector<ScheduledProgram> next, QVector<QByteArray> records)
{
    if (!m_unreadable.isEmpty()) {
        m_error = m_unreadable;
        return false;
    }
    // A file the user made read-only stays as it is (its owner may not write it).
    const QFileInfo file(m_path);
    if (file.exists() && !(file.permissions() & QFileDevice::WriteOwner)) {
        m_error = QStringLiteral("%1 is read-only; the scheduled programs were not changed").arg(m_path);
        return false;
    }
    m_error = FileIo::writeFileAtomically(m_path, fileBytes(records));
    if (!m_error.isEmpty())
        return false;
    m_programs = std::move(next);
    m_records = std::move(records);
    return true;
}

bool ScheduleStore::add(const ScheduledProgram& program, bool* duplicate)
{
    m_error.clear();
    for (const ScheduledProgram& existing : std::as_const(m_programs)) {
        if (existing.programName.trimmed() == program.programName.trimmed()
            && existing.channelAddress.trimmed() == program.channelAddress.trimmed()) {
            if (duplicate)
                *duplicate = true;
            return false;
        }
    }
    if (duplicate)
        *duplicate = false;
    if (m_programs.size() + 1 > ScheduleFile::kMaxPrograms) {
        m_error = QStringLiteral("No more than %1 programs can be scheduled").arg(ScheduleFile::kMaxPrograms);
        return false;
    }
    QVector<ScheduledProgram> next = m_programs;
    QVector<QByteArray> records = m_records;
    next.append(program);
    records.append(ScheduleFile::record(program));
    return commit(std::move(next), std::move(records));
}

bool ScheduleStore::replace(int index, const ScheduledProgram& program)
{
    m_error.clear();
    if (index < 0 || index >= m_programs.size())
        return false;
    if (m_programs[index] == program)
        return commit(m_programs, m_records); // nothing changed: its record stays as stored
    QVector<ScheduledProgram> next = m_programs;
    QVector<QByteArray> records = m_records;
    next[index] = program;
    records[index] = ScheduleFile::record(program);
    return commit(std::move(next), std::move(records));
}

bool ScheduleStore::remove(int index)
{
    m_error.clear();
    if (index < 0 || index >= m_programs.size())
        return false;
    QVector<ScheduledProgram> next = m_programs;
    QVector<QByteArray> records = m_records;
    next.remove(index);
    records.remove(index);
    return commit(std::move(next), std::move(records));
}
