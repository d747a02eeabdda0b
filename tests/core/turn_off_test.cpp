#include "timer/core/TurnOffClock.h"

#include <gtest/gtest.h>

namespace {

const TurnOffClock::Texts kTexts {QStringLiteral("Turning off in"), QStringLiteral("Turning off at"),
    QStringLiteral("Hours"), QStringLiteral("Minutes"), QStringLiteral("Seconds"), QStringLiteral("and")};
const QDateTime kStart(QDate(2026, 12, 7), QTime(7, 4, 50));

} // namespace

TEST(TurnOffCountdown, ThreeSecondsShowTwoOneThenNothingAndTurnOffOnTheFourthTick)
{
    TurnOffClock clock;
    clock.startCountdown(3, kStart);
    const auto first = clock.tick(kStart.addSecs(1), kTexts);
    EXPECT_EQ(first.caption, QStringLiteral("Vidorra  Turning off in 2 Seconds"));
    EXPECT_FALSE(first.powerOff);
    EXPECT_EQ(clock.tick(kStart.addSecs(2), kTexts).caption, QStringLiteral("Vidorra  Turning off in 1 Seconds"));
    const auto third = clock.tick(kStart.addSecs(3), kTexts);
    EXPECT_EQ(third.caption, QStringLiteral("Vidorra  Turning off in"));
    EXPECT_FALSE(third.powerOff);
    EXPECT_TRUE(clock.tick(kStart.addSecs(4), kTexts).powerOff);
    EXPECT_FALSE(clock.tick(kStart.addSecs(5), kTexts).powerOff); // asked once
}

TEST(TurnOffCountdown, AnHourAndASecondShowTheHourAloneThenMinutesAndSeconds)
{
    TurnOffClock clock;
    clock.startCountdown(3601, kStart);
    EXPECT_EQ(clock.tick(kStart, kTexts).caption, QStringLiteral("Vidorra  Turning off in 1 Hours and"));
    EXPECT_EQ(clock.tick(kStart, kTexts).caption,
        QStringLiteral("Vidorra  Turning off in 59 Minutes and 59 Seconds"));
}

TEST(TurnOffCountdown, AWarningComesOnceAMinuteBefore)
{
    TurnOffClock clock;
    clock.startCountdown(62, kStart);
    EXPECT_FALSE(clock.tick(kStart, kTexts).warn);
    EXPECT_TRUE(clock.tick(kStart, kTexts).warn);
    EXPECT_FALSE(clock.tick(kStart, kTexts).warn);
}

TEST(TurnOffAtClockTime, TheTimeIsWrittenWithoutLeadingZerosAndFiresOnce)
{
    TurnOffClock clock;
    clock.startAt(QTime(7, 5, 0), kStart);
    EXPECT_EQ(clock.atText(), QStringLiteral("7:5:0"));
    QDateTime now = kStart;
    int fired = 0;
    int warned = 0;
    for (int second = 0; second < 30; ++second) {
        now = now.addSecs(1);
        const auto tick = clock.tick(now, kTexts);
        EXPECT_EQ(tick.caption, QStringLiteral("Vidorra Turning off at 7:5:0"));
        fired += tick.powerOff;
        warned += tick.warn;
    }
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(warned, 0); // set less than a minute before
}

TEST(TurnOffAtClockTime, ATickThatSkipsTheSecondStillTurnsOff)
{
    TurnOffClock clock;
    clock.startAt(QTime(7, 5, 0), kStart.addSecs(-120));
    EXPECT_TRUE(clock.tick(kStart.addSecs(-61), kTexts).warn == false);
    EXPECT_TRUE(clock.tick(kStart.addSecs(5), kTexts).warn); // 07:04:00 passed meanwhile
    EXPECT_FALSE(clock.tick(QDateTime(kStart.date(), QTime(7, 4, 59)), kTexts).powerOff);
    EXPECT_TRUE(clock.tick(QDateTime(kStart.date(), QTime(7, 5, 3)), kTexts).powerOff); // 7:5:0 skipped
    EXPECT_FALSE(clock.tick(QDateTime(kStart.date(), QTime(7, 5, 4)), kTexts).powerOff);
}

TEST(TurnOffAtClockTime, AMomentAfterMidnightIsReachedAcrossTheDay)
{
    TurnOffClock clock;
    const QDateTime late(QDate(2026, 12, 7), QTime(23, 59, 58));
    clock.startAt(QTime(0, 0, 1), late);
    EXPECT_FALSE(clock.tick(late.addSecs(1), kTexts).powerOff);
    EXPECT_FALSE(clock.tick(late.addSecs(2), kTexts).powerOff);
    EXPECT_TRUE(clock.tick(late.addSecs(3), kTexts).powerOff);
}
