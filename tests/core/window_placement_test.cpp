#include "state/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {
const QList<QRect> kScreens {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
const QSize kMinimum(746, 544);
const QSize kPreferred(900, 620);
} // namespace

TEST(WindowPlacement, AReachablePlaceIsKept)
{
    EXPECT_EQ(WindowPlacement::place(QRect(2000, 100, 800, 600), kScreens, kMinimum, kPreferred),
        QRect(2000, 100, 800, 600));
}

TEST(WindowPlacement, OffScreenOrMissingIsCentred)
{
    const QRect centred
        = WindowPlacement::place(QRect(-5000, -5000, 800, 600), kScreens, kMinimum, kPreferred);
    EXPECT_EQ(centred.center(), kScreens.first().center());
    EXPECT_EQ(WindowPlacement::place(std::nullopt, kScreens, kMinimum, kPreferred).size(), kPreferred);
}

TEST(WindowPlacement, SizesAreCorrected)
{
    EXPECT_EQ(WindowPlacement::place(QRect(10, 10, 20, 20), kScreens, kMinimum, kPreferred).size(), kMinimum);
    EXPECT_EQ(WindowPlacement::place(QRect(0, 0, 5000, 5000), kScreens, kMinimum, kPreferred).size(),
        QSize(1920, 1080));
}

// A window wider than every screen, reachable only where it reaches far to the right, is
// made as narrow as the screen: kept at its place it would lie wholly left of it.
TEST(WindowPlacement, AWindowMadeNarrowerStaysReachable)
{
    const QList<QRect> screen {QRect(0, 0, 1280, 900)};
    const QRect placed
        = WindowPlacement::place(QRect(-2212, 8, 21212, 3), screen, QSize(600, 400), kPreferred);
    EXPECT_TRUE(placed.intersects(screen.first()));
    EXPECT_EQ(placed.size(), kPreferred);
}

TEST(WindowPlacement, TheFileReadsBackAndRejectsGarbage)
{
    const QRect rect(-3, 40, 800, 600);
    EXPECT_EQ(WindowPlacement::fromBytes(WindowPlacement::toBytes(rect)), rect);
    EXPECT_EQ(WindowPlacement::fromBytes("1 2 3"), std::nullopt);
    EXPECT_EQ(WindowPlacement::fromBytes("1 2 0 5"), std::nullopt);
    EXPECT_EQ(WindowPlacement::fromBytes(QByteArray("\x00\xff", 2)), std::nullopt);
}
