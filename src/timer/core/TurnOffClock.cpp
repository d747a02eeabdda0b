#include "timer/core/TurnOffClock.h"

namespace {

const QString kTitle = QStringLiteral("Vidorra");

} // namespace

void TurnOffClock::startCountdown(int seconds, const QDateTime& now)
{
    m_atMode = false;
    m_remaining = seconds;
    m_previousTick = now;
    m_warned = false;
}

void TurnOffClock::startAt(const QTime& time, const QDateTime& now)
{
    m_atMode = true;
    m_at = time;
    m_previousTick = now;
    m_warned = false;
}

QString TurnOffClock::atText() const
{
    return QStringLiteral("%1:%2:%3").arg(m_at.hour()).arg(m_at.minute()).arg(m_at.second());
}

TurnOffClock::Tick TurnOffClock::tick(const QDateTime& now, const Texts& texts)
{
    const Tick result = m_atMode ? clockTick(now, texts) : countdownTick(texts);
    m_previousTick = now;
    return result;
}

TurnOffClock::Tick TurnOffClock::countdownTick(const Texts& texts)
{
    Tick t;
    t.powerOff = m_remaining == 0;
    --m_remaining;
    t.warn = m_remaining == 60 && !m_warned;
    m_warned = m_warned || t.warn;
    QString caption = kTitle + QStringLiteral("  ") + texts.turningOffIn;
    const int h = m_remaining / 3600;
    const int m = (m_remaining % 3600) / 60;
    const int s = m_remaining % 60;
    if (h != 0)
        caption += QStringLiteral(" %1 %2 %3").arg(h).arg(texts.hours, texts.and_);
    if (m != 0)
        caption += QStringLiteral(" %1 %2 %3").arg(m).arg(texts.minutes, texts.and_);
    if (s != 0)
        caption += QStringLiteral(" %1 %2").arg(s).arg(texts.seconds);
    t.caption = caption;
    return t;
}

// The moment fires once when it has been reached or passed since the tick before, so a
// tick that skips that second (a busy or suspended machine) still turns the computer off.
TurnOffClock::Tick TurnOffClock::clockTick(const QDateTime& now, const Texts& texts)
{
    Tick t;
    const auto reachedSince = [this, &now](const QTime& mark) {
        for (const QDate& day : {now.date().addDays(-1), now.date()}) {
            const QDateTime moment(day, mark);
            if (m_previousTick < moment && moment <= now)
                return true;
        }
        return false;
    };
    t.powerOff = reachedSince(m_at);
    t.warn = !m_warned && reachedSince(m_at.addSecs(-60));
    m_warned = (m_warned || t.warn) && !t.powerOff;
    t.caption = kTitle + QLatin1Char(' ') + texts.turningOffAt + QLatin1Char(' ') + atText();
    return t;
}
