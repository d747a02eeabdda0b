#pragma once

#include "catalogue/ChannelRecord.h"

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
    bool complete() const { return stoppedAtLine < 0; }
};

// Lines end with CR LF; a lone LF or CR ends a line too, so lists saved by other tools read.
QList<QByteArray> splitLines(const QByteArray& bytes);

// Reads the records of one file, at most `capacity`. A malformed record line (too few
// fields, a player or kind that is no number from 0 to 255) ends the reading there; the
// records before it are kept.
ReadResult read(Kind kind, const QByteArray& bytes, int capacity = kMaxRecords);
// The same, appending the records to `out`; `result` gets the outcome but no records.
void readInto(
    Kind kind, const QByteArray& bytes, int capacity, QVector<ChannelRecord>& out, ReadResult& result);

// A whole number from 0 to 255 with its blanks removed, as the lists write players and kinds.
std::optional<std::uint8_t> toByte(QByteArrayView field);

// A text as a list field: "|" (which would split the line) becomes "¦", line breaks blanks.
QByteArray textField(const QString& text);
// A web address as a scrambled list field; characters that would scramble into "|", CR or LF
// are percent-encoded first, which leaves the address the same. Empty when it cannot be stored.
QByteArray addressField(const QString& url);

// One record line of each list, without its line end.
QByteArray tvLine(const ChannelRecord& record);
QByteArray radioLine(const ChannelRecord& record);
QByteArray movieStoreLine(const ChannelRecord& record);

} // namespace ListFormat
