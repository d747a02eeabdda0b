#pragma once

#include "schedule/core/ScheduledProgram.h"

#include <QByteArray>
#include <QVector>

// The file `scheduledprograms`: records of 340 bytes, no header, no separators.
//   0  50 program name   } text through the stored-field codec, cut where a character
//  50  80 channel name   } begins and padded with blanks
// 130   8 start time, a little-endian IEEE double day number
// 138   2 spare, little-endian 0
// 140 200 channel address, the stored bytes, padded with blanks
namespace ScheduleFile {

inline constexpr int kRecordSize = 340;
inline constexpr int kMaxPrograms = 32767;

struct ReadResult {
    QVector<ScheduledProgram> programs;
    QVector<QByteArray> records; // each program's record as it was stored
    // Whole records past the limit and a record cut short at the end, kept as they are so
    // a rewrite does not lose them.
    QByteArray unreadRecords;
    bool partialRecord = false; // the file ends inside a record
};

ReadResult read(const QByteArray& bytes);
QByteArray record(const ScheduledProgram& program);
QByteArray toBytes(const QVector<ScheduledProgram>& programs);

// How much of `text` fits a field of `size` bytes as stored: the whole text, or the part
// before the first character that would not fit.
QString fittingText(const QString& text, int size);
inline constexpr int kNameBytes = 50;
inline constexpr int kChannelBytes = 80;

} // namespace ScheduleFile
