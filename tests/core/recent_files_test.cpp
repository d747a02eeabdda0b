#include "base/Scrambling.h"
#include "base/StoredField.h"
#include "playback/core/RecentFiles.h"

#include <gtest/gtest.h>

namespace {

QByteArray entryLine(int n)
{
    return "1|Item " + QByteArray::number(n) + '|' + *Scrambling::scrambleAddress("http://h/" + QByteArray::number(n))
        + "\r\n";
}

RecentFiles withEntries(int count)
{
    QByteArray file;
    for (int n = 0; n < count; ++n)
        file += entryLine(n);
    return RecentFiles::fromBytes(file);
}

} // namespace

TEST(RecentFilesRead, ReadsUpToFifteenEntries)
{
    EXPECT_EQ(withEntries(20).entries().size(), 15);
    const RecentFiles recent = withEntries(2);
    EXPECT_EQ(recent.entries()[1].name, QStringLiteral("Item 1"));
    EXPECT_EQ(StoredField::decodeAddress(recent.entries()[0].address), QStringLiteral("http://h/0"));
}

TEST(RecentFilesRead, ABadLineKeepsTheEntriesBeforeIt)
{
    const RecentFiles recent = RecentFiles::fromBytes(entryLine(0) + "x|bad|line\r\n" + entryLine(2));
    EXPECT_EQ(recent.entries().size(), 1);
    EXPECT_FALSE(recent.complete());
    EXPECT_EQ(RecentFiles::fromBytes(entryLine(0) + "1|two fields\r\n").entries().size(), 1);
}

TEST(RecentFilesRead, BinaryAndBlankFilesGiveWhatTheyCan)
{
    QByteArray binary;
    for (int i = 0; i < 2000; ++i)
        binary += static_cast<char>(i * 31);
    EXPECT_LE(RecentFiles::fromBytes(binary).entries().size(), 15); // the list's fixed length
    EXPECT_TRUE(RecentFiles::fromBytes("   \r\n\r\n").entries().isEmpty());
}

TEST(RecentFilesAdd, ThePlayedItemGoesOnTopOnce)
{
    const RecentFiles recent = withEntries(5);
    const RecentFiles after
        = RecentFiles::fromBytes(*recent.withOnTop(0, QStringLiteral("http://h/3"), QStringLiteral("Three")));
    ASSERT_EQ(after.entries().size(), 5);
    EXPECT_EQ(after.entries()[0].name, QStringLiteral("Three"));
    EXPECT_EQ(after.entries()[0].op, 0);
    EXPECT_EQ(after.entries()[1].name, QStringLiteral("Item 0"));
    EXPECT_EQ(after.entries()[4].name, QStringLiteral("Item 4"));
}

TEST(RecentFilesAdd, TheSixteenthItemDropsTheOldest)
{
    const RecentFiles recent = withEntries(15);
    const RecentFiles after
        = RecentFiles::fromBytes(*recent.withOnTop(1, QStringLiteral("http://new"), QStringLiteral("New")));
    ASSERT_EQ(after.entries().size(), 15);
    EXPECT_EQ(after.entries()[0].name, QStringLiteral("New"));
    EXPECT_EQ(after.entries()[14].name, QStringLiteral("Item 13"));
}

TEST(RecentFilesAdd, WhatIsWrittenReadsBackTheSame)
{
    const RecentFiles empty;
    const QString name = QStringLiteral("News | \"Live\"\r\nnow");
    const RecentFiles after
        = RecentFiles::fromBytes(*empty.withOnTop(1, QStringLiteral("http://h/a}b"), name));
    ASSERT_EQ(after.entries().size(), 1);
    EXPECT_EQ(after.entries()[0].name, name);
    EXPECT_EQ(StoredField::decodeAddress(after.entries()[0].address), QStringLiteral("http://h/a%7Db"));
}

TEST(RecentMenuLimit, ReadsTheNumberAfterMru)
{
    EXPECT_EQ(recentMenuLimit(QStringLiteral("mru=3")), 3);
    EXPECT_EQ(recentMenuLimit(QStringLiteral("mru= 1 0")), 10);
    EXPECT_EQ(recentMenuLimit(QStringLiteral("mru=0")), 0);
    EXPECT_EQ(recentMenuLimit(QStringLiteral("mru=abc")), std::nullopt);
    EXPECT_EQ(recentMenuLimit(QStringLiteral("mru=300")), std::nullopt);
    EXPECT_EQ(recentMenuLimit(QString()), std::nullopt);
}
