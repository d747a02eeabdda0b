#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// The turn-off timer's state and its tick, once a second: a countdown of a duration, or a
// clock time of the day. Captions follow the language texts given.
class TurnOffClock final {
public:
    struct Texts {
        QString turningOffIn; // text 66
        QString turningOffAt; // text 67
        QString hours, minutes, seconds; // texts 63, 64, 65
        QString and_; // text 68
    };
    struct Tick {
        QString caption; // the main window's caption
        bool powerOff = false; // ask for the power-off now
        bool warn = false; // one minute is left: tell the user
    };

    void startCountdown(int seconds, const QDateTime& now);
    // A clock time; "7:5:0" for 07:05:00.
    void startAt(const QTime& time, const QDateTime& now);
    bool countingDown() const { return !m_atMode; }
    int remaining() const { return m_remaining; }
    QString atText() const;

    Tick tick(const QDateTime& now, const Texts& texts);

private:
    Tick countdownTick(const Texts& texts);
    Tick clockTick(const QDateTime& now, const Texts& texts);

    bool m_atMode = false;
    int m_remaining = 0;
    QTime m_at;
    QDateTime m_previousTick;
    bool m_warned = false;
};
