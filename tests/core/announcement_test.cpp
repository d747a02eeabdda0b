#include "net/core/AnnouncementRotation.h"

#include <gtest/gtest.h>

using Kind = AnnouncementRotation::Show::Kind;

TEST(AnnouncementRotation, AddressesByTheirFirstFourLettersExactly)
{
    const QStringList table = {QStringLiteral("3"), QStringLiteral("https://x/a"), QStringLiteral("HTTP://x/b"),
        QStringLiteral("<b>c</b>")};
    AnnouncementRotation rotation;
    QStringList shown;
    for (int tick = 0; tick < 4; ++tick) {
        ASSERT_TRUE(rotation.startTick(3, true));
        const auto show = rotation.probed(true, table);
        shown << (show.kind == Kind::Address ? QStringLiteral("address ") : QStringLiteral("markup ")) + show.text;
    }
    EXPECT_EQ(shown, (QStringList {QStringLiteral("address https://x/a"), QStringLiteral("markup HTTP://x/b"),
                         QStringLiteral("markup <b>c</b>"), QStringLiteral("address https://x/a")}));
}

TEST(AnnouncementRotation, ACountBeyondTheLinesStartsOverAndAnEmptyTableShowsNothing)
{
    const QStringList table = {QStringLiteral("9"), QStringLiteral("only one")};
    AnnouncementRotation rotation;
    for (int tick = 0; tick < 3; ++tick) {
        rotation.startTick(9, true);
        EXPECT_EQ(rotation.probed(true, table).text, QStringLiteral("only one"));
    }
    rotation.startTick(0, true);
    EXPECT_EQ(rotation.probed(true, {}).kind, Kind::Nothing); // before the update check
    EXPECT_EQ(rotation.probed(true, table).text, QStringLiteral("only one")); // the first line after it
}

TEST(AnnouncementRotation, OfflineWhileHiddenFetchesNothingAndResumesWhenShown)
{
    const QStringList table = {QStringLiteral("2"), QStringLiteral("a"), QStringLiteral("b")};
    AnnouncementRotation rotation;
    rotation.startTick(2, true);
    rotation.probed(true, table);
    rotation.startTick(2, true);
    EXPECT_EQ(rotation.probed(false, table).kind, Kind::Offline);
    EXPECT_TRUE(rotation.offline());
    EXPECT_FALSE(rotation.startTick(2, false));
    EXPECT_TRUE(rotation.startTick(2, true));
    EXPECT_EQ(rotation.probed(true, table).text, QStringLiteral("b")); // where it left off
}
