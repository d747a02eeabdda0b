#pragma once

#include "catalogue/core/ChannelRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QVector>

// The channel list files and the favorites file: lines of "|"-separated fields.
namespace ListFormat {

enum class Kind { Tv, Radio, MovieStore, Favorites };

// The 16-bit counters of the catalogue: no more records, and no more lines per file.
inline constexpr int kMaxRecords = 32767;
inline constexpr int kMaxLines = 32767;

struct ReadResult {
    QVector<ChannelRecord> records;
    int stoppedAtLine = -1; // 0-based line that ended the reading early, or -1
    bool reachedLimit = false;
    qsizetype unreadFrom = -1; // byte offset of the first line not taken in, or -1
    bool complete() const { return stoppedAtLine < 0; }
};

// Reads the records of one file, at most `capacity`. A malformed record line (too few
// fields, a player or kind that is no number from 0 to 255) ends the reading there; the
// records before it are kept.
ReadResult read(Kind kind, const QByteArray& bytes, int capacity = kMaxRecords);
// The same, appending the records to `out`; `result` gets the outcome but no records.
void readInto(
    Kind kind, const QByteArray& bytes, int capacity, QVector<ChannelRecord>& out, ReadResult& result);

} // namespace ListFormat
