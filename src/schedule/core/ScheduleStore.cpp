#include "schedule/core/ScheduleStore.h"

#include "base/FileIo.h"
#include "schedule/core/DayNumber.h"
#include "schedule/core/ScheduleFile.h"

#include <QFileInfo>

ScheduleStore::ScheduleStore(QString path) : m_path(std::move(path)) { }

QString ScheduleStore::load(const QDateTime& now)
{
    if (!QFileInfo::exists(m_path)) {
        m_programs.clear();
        m_unreadRecords.clear();
        return FileIo::writeFileAtomically(m_path, {});
    }
    const FileIo::ReadResult read = FileIo::readWholeFile(m_path);
    if (!read.ok())
        return read.error;
    ScheduleFile::ReadResult file = ScheduleFile::read(read.bytes);
    const double current = DayNumber::fromDateTime(now);
    QVector<ScheduledProgram> kept;
    for (ScheduledProgram& program : file.programs) {
        const bool valid = DayNumber::toDateTime(program.startTime).has_value();
        if (valid && (DayNumber::isEveryDay(program.startTime) || program.startTime > current))
            kept.append(std::move(program));
    }
    const bool dropped = kept.size() != file.programs.size();
    m_programs = std::move(kept);
    m_unreadRecords = file.unreadRecords;
    if (!dropped || file.partialRecord)
        return {};
    m_error = FileIo::writeFileAtomically(m_path, ScheduleFile::toBytes(m_programs) + m_unreadRecords);
    return m_error;
}

bool ScheduleStore::commit(QVector<ScheduledProgram> next)
{
    // A file the user made read-only stays as it is (its owner may not write it).
    const QFileInfo file(m_path);
    if (file.exists() && !(file.permissions() & QFileDevice::WriteOwner)) {
        m_error = QStringLiteral("%1 is read-only; the scheduled programs were not changed").arg(m_path);
        return false;
    }
    m_error = FileIo::writeFileAtomically(m_path, ScheduleFile::toBytes(next) + m_unreadRecords);
    if (!m_error.isEmpty())
        return false;
    m_programs = std::move(next);
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
    next.append(program);
    return commit(std::move(next));
}

bool ScheduleStore::replace(int index, const ScheduledProgram& program)
{
    m_error.clear();
    if (index < 0 || index >= m_programs.size())
        return false;
    QVector<ScheduledProgram> next = m_programs;
    next[index] = program;
    return commit(std::move(next));
}

bool ScheduleStore::remove(int index)
{
    m_error.clear();
    if (index < 0 || index >= m_programs.size())
        return false;
    QVector<ScheduledProgram> next = m_programs;
    next.remove(index);
    return commit(std::move(next));
}
