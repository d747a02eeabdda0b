#pragma once

#include "platform/core/Prober.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

// What a check found of each channel, and the file `channelcheck` that keeps it: one line
// a channel that did not answer, "address|since|last checked|reason|" with the address as
// the lists store it and the times in ISO 8601 UTC, sorted by address. Channels that
// answer have no line.
namespace ChannelHealth {

enum class Verdict { Answers, Silent, Refuses, NotMedia };

// The verdict of a probe: no answer, an error status, or a web page instead of media.
Verdict judge(const Prober::Answer& answer);

struct Mark {
    QDateTime since; // the first check it failed, of those since it last answered
    QDateTime checked; // the last check it failed
    QString reason; // "no answer", "error 404", "not media"
    bool operator==(const Mark&) const = default;
};

class Marks final {
public:
    // Reads the file's bytes; lines it does not understand are kept for the rewrite.
    static Marks fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // Takes in the verdict of one channel's check at `now`.
    void record(
        const QByteArray& address, Verdict verdict, const Prober::Answer& answer, const QDateTime& now);
    const QHash<QByteArray, Mark>& all() const { return m_marks; }

private:
    QHash<QByteArray, Mark> m_marks;
    QByteArray m_unread;
};

// The tooltip of a marked channel.
QString describe(const Mark& mark);

} // namespace ChannelHealth
