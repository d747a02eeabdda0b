#include "base/Scrambling.h"
#include "catalogue/core/Catalogue.h"
#include "catalogue/core/ListFormat.h"
#include "favorites/core/FavoritesFile.h"
#include "favorites/core/FavoritesStore.h"

#include "base/StoredField.h"
#include "base/TextLines.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

ChannelRecord favorite(const char* name, const char* url, std::uint8_t kind = 1)
{
    ChannelRecord f;
    f.kind = kind;
    f.name = QString::fromUtf8(name);
    f.op = 1;
    f.address = StoredField::encodeAddress(QString::fromUtf8(url));
    return f;
}

QVector<ChannelRecord> readBack(const QByteArray& bytes)
{
    return ListFormat::read(ListFormat::Kind::Favorites, bytes).records;
}

} // namespace

TEST(FavoritesFileFormat, EightFieldsEachFollowedByASeparator)
{
    ChannelRecord radio = favorite("Jazz", "http://j", 0);
    radio.info = QStringLiteral("Smooth");
    const QByteArray line = FavoritesFile::line(radio);
    EXPECT_EQ(line, "0|||Jazz|1|" + *Scrambling::scrambleAddress("http://j") + "||Smooth|\r\n");
    EXPECT_EQ(line.count('|'), 8);
    EXPECT_EQ(readBack(line).value(0), radio);
}

TEST(FavoritesFileFormat, AnyTextReadsBackAsTheSameFavorite)
{
    ChannelRecord tricky = favorite("A | B\r\nC", "http://x/a}b|c");
    tricky.info = QStringLiteral("100% sure, %7C stays, %25 too\nnext");
    tricky.country = QStringLiteral("Bosnia&Herz.");
    tricky.bandwidth = QStringLiteral("  spaced  ");
    const QByteArray bytes = FavoritesFile::toBytes({tricky, favorite("Plain", "http://p")});
    EXPECT_EQ(TextLines::split(bytes).size(), 3); // two lines and the empty piece
    const QVector<ChannelRecord> back = readBack(bytes);
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[0], tricky);
    EXPECT_EQ(StoredField::decodeAddress(back[0].address), QStringLiteral("http://x/a%7Db%7Cc"));
}

struct FieldCountCase {
    const char* name;
    QByteArray bytes;
    bool valid;
};

class ValidateFieldCount : public ::testing::TestWithParam<FieldCountCase> { };

TEST_P(ValidateFieldCount, AcceptsOnlyEightSeparatorsALine)
{
    EXPECT_EQ(FavoritesFile::validateFieldCount(GetParam().bytes, 8), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Files, ValidateFieldCount,
    ::testing::Values(FieldCountCase {"good", "1|a|b|c|1|d|e|f|\r\n", true},
        FieldCountCase {"seven", "1|a|b|c|1|d|e|f\r\n", false},
        FieldCountCase {"nine", "1|a|b|c|1|d|e|f||\r\n", false},
        FieldCountCase {"blank_lines", "\r\n1|a|b|c|1|d|e|f|\r\n   \r\n\r\n", true},
        FieldCountCase {"empty", "", true},
        FieldCountCase {"cr_only", "1|a|b|c|1|d|e|f|\r1|a|b|c|1|d|e|f|\r", true},
        FieldCountCase {"binary", QByteArray("\x00\x01|\xff\xfe\x7c", 6), false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(FavoritesNormalised, DropsBlankLinesAndEndsEveryLine)
{
    EXPECT_EQ(FavoritesFile::normalised("a|\r\n\r\n  \r\nb|"), QByteArray("a|\r\nb|\r\n"));
}

class FavoritesStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    Catalogue catalogue;
    QVector<ChannelRecord>& favorites = catalogue.favorites;
    FavoritesStore store {catalogue, folder.file(QStringLiteral("fav.fav"))};

    // Reads the favorites file as start-up does.
    void load(const QByteArray& bytes)
    {
        folder.write(QStringLiteral("fav.fav"), bytes);
        catalogue.replaceFavorites(bytes);
    }
};

TEST_F(FavoritesStoreTest, LinesAfterAMalformedLineSurviveEveryKindOfChange)
{
    const QByteArray unread = "not a favorite\r\n1|||Later|1|gssor9..k||| \r\n";
    load(FavoritesFile::line(favorite("First", "http://f")) + unread);
    ASSERT_EQ(favorites.size(), 1);
    ASSERT_TRUE(store.append(favorite("Added", "http://a")));
    ASSERT_TRUE(store.replace(0, favorite("Renamed", "http://f")));
    ASSERT_TRUE(store.removeAddress(favorites[1].address));
    EXPECT_EQ(folder.read(QStringLiteral("fav.fav")), FavoritesFile::line(favorites[0]) + unread);
}

TEST_F(FavoritesStoreTest, LinesBeyondTheRecordLimitAreKeptInPlace)
{
    QByteArray bytes;
    for (int i = 0; i < ListFormat::kMaxRecords + 3; ++i)
        bytes += "1|||F" + QByteArray::number(i) + "|1|gssor9..e|||\r\n";
    load(bytes);
    ASSERT_EQ(favorites.size(), ListFormat::kMaxRecords);
    ASSERT_TRUE(store.replace(0, favorite("F0", "http://d")));
    const QByteArray after = folder.read(QStringLiteral("fav.fav"));
    EXPECT_EQ(after.count('\n'), ListFormat::kMaxRecords + 3);
    EXPECT_TRUE(after.endsWith("1|||F32769|1|gssor9..e|||\r\n"));
}

TEST_F(FavoritesStoreTest, AFileThatCouldNotBeReadIsNeverReplaced)
{
    folder.write(QStringLiteral("fav.fav"), "whatever was there");
    catalogue.favoritesUnreadable = QStringLiteral("fav.fav is too large");
    EXPECT_FALSE(store.append(favorite("Added", "http://a")));
    EXPECT_FALSE(store.replaceFile("1|||X|1|y|||\r\n"));
    EXPECT_EQ(store.lastError(), QStringLiteral("fav.fav is too large"));
    EXPECT_EQ(folder.read(QStringLiteral("fav.fav")), QByteArray("whatever was there"));
    EXPECT_TRUE(favorites.isEmpty());
}

TEST_F(FavoritesStoreTest, AFullDiskLeavesFileAndMemoryAsTheyWere)
{
    store.append(favorite("Kept", "http://k"));
    const QByteArray before = folder.read(QStringLiteral("fav.fav"));
    ChannelRecord big = favorite("Big", "http://b");
    big.info = QString(8192, u'i');
    {
        const FileSizeLimit limit(1024);
        EXPECT_FALSE(store.append(big));
    }
    EXPECT_EQ(folder.read(QStringLiteral("fav.fav")), before);
    ASSERT_EQ(favorites.size(), 1);
}

TEST_F(FavoritesStoreTest, AWriterKilledMidWriteLeavesThePreviousFileWhole)
{
    store.append(favorite("Kept", "http://k"));
    const QByteArray before = folder.read(QStringLiteral("fav.fav"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Killed by the kernel (SIGXFSZ) while the temporary file is being written.
        rlimit limit {512, 512};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        QVector<ChannelRecord> many;
        for (int i = 0; i < 100; ++i)
            many.append(favorite("Many", "http://m"));
        Catalogue target;
        FavoritesStore writer(target, folder.file(QStringLiteral("fav.fav")));
        for (const ChannelRecord& f : many)
            target.favorites.append(f);
        writer.append(favorite("Last", "http://l"));
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(folder.read(QStringLiteral("fav.fav")), before);
}
