// scheduledprograms: whatever the bytes, whole records read and the rest is kept; records
// written back as read give the same programs; a program written reads back stable.
#include "FuzzCheck.h"

#include "schedule/core/ScheduleFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzInput(data, size);
    const ScheduleFile::ReadResult read = ScheduleFile::read(bytes);
    FUZZ_CHECK(read.programs.size() == read.records.size());
    QByteArray kept;
    for (const QByteArray& record : read.records)
        kept += record;
    FUZZ_CHECK(kept + read.unreadRecords == bytes); // nothing is lost
    for (const ScheduledProgram& program : read.programs) {
        const QByteArray record = ScheduleFile::record(program);
        FUZZ_CHECK(record.size() == ScheduleFile::kRecordSize);
        const ScheduledProgram once = ScheduleFile::read(record).programs.value(0);
        const ScheduledProgram twice = ScheduleFile::read(ScheduleFile::record(once)).programs.value(0);
        FUZZ_CHECK(ScheduleFile::record(once) == ScheduleFile::record(twice));
        FUZZ_CHECK(once.startTime == program.startTime || (once.startTime != once.startTime));
    }
    return 0;
}
