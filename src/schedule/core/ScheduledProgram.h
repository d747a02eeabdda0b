#pragma once

#include <QByteArray>
#include <QString>

// One scheduled program: a program of a channel, at one date and time or every day.
struct ScheduledProgram {
    QString programName; // at most 50 bytes as stored
    QString channelName; // at most 80 bytes as stored
    double startTime = 0; // a day number; a date in 1899 means every day at that time
    QByteArray channelAddress; // the channel's stored (scrambled) address, as in its list

    bool operator==(const ScheduledProgram&) const = default;
};
