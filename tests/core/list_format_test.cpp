#include "base/Scrambling.h"
#include "base/StoredField.h"
#include "catalogue/core/Catalogue.h"
#include "catalogue/core/ListFormat.h"
#include "favorites/core/FavoritesFile.h"
#include "make-lists/ListWriter.h"

#include <gtest/gtest.h>

using ListFormat::Kind;

namespace {

QByteArray tvLine(const char* country, const char* category, const char* name, const char* bandwidth = "0")
{
    return QByteArray("|") + country + '|' + category + '|' + name + "|1|||gssor9..dw-s" + '|' + bandwidth
        + "|info\r\n";
}

QByteArray lines(int count, const QByteArray& line)
{
    QByteArray all;
    for (int i = 0; i < count; ++i)
        all += line;
    return all;
}

} // namespace

TEST(ListRead, TvLineFillsTheRecordAndSkipsFieldsFiveAndSix)
{
    const auto result
        = ListFormat::read(Kind::Tv, "|  USA | N ews |CNN|1|x|y|gssor9..dw-s|300k|All news\r\n");
    ASSERT_EQ(result.records.size(), 1);
    const ChannelRecord& r = result.records[0];
    EXPECT_EQ(r.kind, ChannelRecord::Tv);
    EXPECT_EQ(r.country, QStringLiteral("USA"));
    EXPECT_EQ(r.category, QStringLiteral("News"));
    EXPECT_EQ(r.name, QStringLiteral("CNN"));
    EXPECT_EQ(r.op, 1);
    EXPECT_EQ(StoredField::decodeAddress(r.address), QStringLiteral("https://ex.t"));
    EXPECT_EQ(r.bandwidth, QStringLiteral("300k"));
    EXPECT_EQ(r.info, QStringLiteral("All news"));
}

TEST(ListRead, RadioInformationComesBeforeTheAddress)
{
    const auto result = ListFormat::read(Kind::Radio, "|South Africa|Radio One| 0 |Talk|gssor9..q\r\n");
    ASSERT_EQ(result.records.size(), 1);
    EXPECT_EQ(result.records[0].country, QStringLiteral("SouthAfrica")); // the radio list keeps no blanks
    EXPECT_EQ(result.records[0].info, QStringLiteral("Talk"));
    EXPECT_EQ(result.records[0].address, QByteArray("gssor9..q"));
    EXPECT_EQ(result.records[0].kind, ChannelRecord::Radio);
}

TEST(ListRead, InfosAndAddressesReadTheSameAfterTheListsBytesChangeOrAreGone)
{
    QVector<ChannelRecord> tv;
    QVector<ChannelRecord> favorites;
    QVector<ChannelRecord> store;
    {
        QByteArray tvFile = tvLine("USA", "News", "A") + "|USA|News|B|1|||gssor9..dw-s|0|Caf\xE9 news\r\n";
        QByteArray favoritesFile = "1|USA|News|C|1|gssor9..dw-t|0|Favorite's info|\r\n";
        QByteArray storeFile = "|Films|<b>page</b>\r\n";
        tv = ListFormat::read(Kind::Tv, tvFile).records;
        favorites = ListFormat::read(Kind::Favorites, favoritesFile).records;
        store = ListFormat::read(Kind::MovieStore, storeFile).records;
        for (QByteArray* file : {&tvFile, &favoritesFile, &storeFile})
            file->fill('|');
    }
    ASSERT_EQ(tv.size(), 2);
    ASSERT_EQ(favorites.size(), 1);
    ASSERT_EQ(store.size(), 1);
    EXPECT_EQ(tv[0].info.toString(), QStringLiteral("info"));
    EXPECT_EQ(tv[1].info.toString(), QString::fromUtf8("Café news"));
    EXPECT_EQ(tv[1].address.toByteArray(), QByteArray("gssor9..dw-s"));
    EXPECT_EQ(favorites[0].info.toString(), QStringLiteral("Favorite's info"));
    EXPECT_EQ(favorites[0].address.toByteArray(), QByteArray("gssor9..dw-t"));
    EXPECT_EQ(store[0].address.toByteArray(), QByteArray("<b>page</b>"));
    EXPECT_EQ(
        FavoritesFile::toBytes(favorites), QByteArray("1|USA|News|C|1|gssor9..dw-t|0|Favorite's info|\r\n"));
}

TEST(ListRead, MovieStoreRecordsPlayInTheStorePage)
{
    const auto result = ListFormat::read(Kind::MovieStore, "|Films|<b>page</b>\r\n");
    ASSERT_EQ(result.records.size(), 1);
    EXPECT_EQ(result.records[0].op, 5);
    EXPECT_EQ(result.records[0].kind, ChannelRecord::MovieStore);
    EXPECT_EQ(result.records[0].address, QByteArray("<b>page</b>"));
}

TEST(ListRead, OnlyLinesStartingWithABarAreRecords)
{
    const auto result
        = ListFormat::read(Kind::Tv, "header\r\n |USA|News|A|1|||a|0|i\r\n\r\n" + tvLine("USA", "News", "B"));
    ASSERT_EQ(result.records.size(), 1);
    EXPECT_EQ(result.records[0].name, QStringLiteral("B"));
}

struct MalformedLine {
    const char* name;
    QByteArray line;
};

class ListReadStops : public ::testing::TestWithParam<MalformedLine> { };

TEST_P(ListReadStops, AtTheBadLineKeepingTheRecordsBefore)
{
    const QByteArray bytes = tvLine("USA", "News", "A") + tvLine("USA", "News", "B") + GetParam().line
        + tvLine("USA", "News", "C");
    const auto result = ListFormat::read(Kind::Tv, bytes);
    EXPECT_EQ(result.records.size(), 2);
    EXPECT_EQ(result.stoppedAtLine, 2);
}

INSTANTIATE_TEST_SUITE_P(Lines, ListReadStops,
    ::testing::Values(MalformedLine {"eight fields", "|USA|News|X|1|||addr|0\r\n"},
        MalformedLine {"player not a number", "|USA|News|X|one|||addr|0|i\r\n"},
        MalformedLine {"player above 255", "|USA|News|X|256|||addr|0|i\r\n"},
        MalformedLine {"negative player", "|USA|News|X|-1|||addr|0|i\r\n"},
        MalformedLine {"binary garbage", QByteArray("|\x01\xFF\x00\x80|", 6) + "\r\n"}),
    [](const auto& param) {
        std::string name = param.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(ListRead, AnyLineEndEndsALine)
{
    const QByteArray crOnly = "|USA|News|A|1|||a|0|i\r|USA|News|B|1|||a|0|i\r";
    const QByteArray lfOnly = "|USA|News|A|1|||a|0|i\n|USA|News|B|1|||a|0|i";
    EXPECT_EQ(ListFormat::read(Kind::Tv, crOnly).records.size(), 2);
    EXPECT_EQ(ListFormat::read(Kind::Tv, lfOnly).records.size(), 2);
}

TEST(ListRead, ExtremeLinesAndFieldCountsAreHandled)
{
    const QByteArray longName(1024 * 1024, 'n');
    QByteArray manyFields = "|USA|News|Many|1|||a|0|i";
    for (int i = 0; i < 190; ++i)
        manyFields += "|extra";
    const auto result
        = ListFormat::read(Kind::Tv, "|USA|News|" + longName + "|1|||a|0|i\r\n" + manyFields + "\r\n");
    ASSERT_EQ(result.records.size(), 2);
    EXPECT_EQ(result.records[0].name.size(), longName.size());
    EXPECT_EQ(result.records[1].info, QStringLiteral("i"));
}

TEST(ListRead, NamesInUtf8AndWindows1252BothRead)
{
    const auto result = ListFormat::read(
        Kind::Tv, "|France|News|T\xC3\xA9l\xC3\xA9|1|||a|0|i\r\n|France|News|T\xE9l\xE9|1|||a|0|i\r\n");
    ASSERT_EQ(result.records.size(), 2);
    EXPECT_EQ(result.records[0].name, QString::fromUtf8("Télé"));
    EXPECT_EQ(result.records[1].name, QString::fromUtf8("Télé"));
}

// Repeated values are remembered, a few dozen per field: more values than that, coming
// back in turn, each still read as written.
TEST(ListRead, ManyRepeatedValuesEachReadAsWritten)
{
    QByteArray list;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 50; ++i) {
            const QByteArray n = QByteArray::number(i);
            list += tvLine(("Land" + n).constData(), ("Kind" + n).constData(), "x", (n + "k").constData());
        }
    }
    const auto result = ListFormat::read(Kind::Tv, list);
    ASSERT_EQ(result.records.size(), 150);
    for (int k = 0; k < 150; ++k) {
        const QString n = QString::number(k % 50);
        EXPECT_EQ(result.records[k].country, QStringLiteral("Land") + n);
        EXPECT_EQ(result.records[k].category, QStringLiteral("Kind") + n);
        EXPECT_EQ(result.records[k].bandwidth, n + QStringLiteral("k"));
    }
}

TEST(ListRead, EmptyFileGivesNothing)
{
    EXPECT_TRUE(ListFormat::read(Kind::Tv, {}).records.isEmpty());
    EXPECT_TRUE(ListFormat::read(Kind::Favorites, "\r\n").records.isEmpty());
}

TEST(ListRead, FavoritesSkipEmptyLinesAndStopAtABadKind)
{
    const auto result = ListFormat::read(
        Kind::Favorites, "1|USA|News|A|1|addr|0|i\r\n\r\n0|||B|1|addr||\r\nx|||C|1|a||\r\n");
    ASSERT_EQ(result.records.size(), 2);
    EXPECT_EQ(result.records[1].kind, ChannelRecord::Radio);
    EXPECT_EQ(result.stoppedAtLine, 3);
}

TEST(CatalogueLoad, BoundariesFollowTheLists)
{
    Catalogue catalogue;
    catalogue.appendList(Kind::Tv, lines(3, tvLine("USA", "News", "T")));
    catalogue.appendList(Kind::Radio, lines(2, "|USA|R|1|i|a\r\n"));
    catalogue.appendList(Kind::MovieStore, "|S|<p>\r\n");
    EXPECT_EQ(catalogue.tvEnd, 3);
    EXPECT_EQ(catalogue.radioEnd, 5);
    EXPECT_EQ(catalogue.channelCount(), 6);
    EXPECT_TRUE(catalogue.movieStoreLoaded);
}

TEST(CatalogueLoad, ATvListStoppedEarlyStillBoundsItsRecords)
{
    Catalogue catalogue;
    catalogue.appendList(Kind::Tv, lines(3, tvLine("USA", "News", "T")) + "|USA|News|X|1|||a\r\n");
    catalogue.appendList(Kind::Radio, "|USA|R|1|i|a\r\n");
    EXPECT_EQ(catalogue.tvEnd, 3);
    EXPECT_EQ(catalogue.channels[3].kind, ChannelRecord::Radio);
}

TEST(CatalogueLoad, AStoreListWithoutRecordsLeavesTheStoreUnloaded)
{
    Catalogue catalogue;
    catalogue.appendList(Kind::MovieStore, "no records here\r\n");
    EXPECT_FALSE(catalogue.movieStoreLoaded);
}

TEST(CatalogueLoad, ReadingStopsAtTheRecordLimit)
{
    Catalogue catalogue;
    const QByteArray line = tvLine("USA", "News", "T");
    catalogue.appendList(Kind::Tv, lines(40000, line));
    EXPECT_EQ(catalogue.channelCount(), ListFormat::kMaxRecords);
    catalogue.appendList(Kind::Radio, "|USA|R|1|i|a\r\n");
    EXPECT_EQ(catalogue.channelCount(), ListFormat::kMaxRecords);
}

namespace {

// The lines of `list` as lists of at most 64 KiB each, too small to be read into memory
// taken at once.
QList<QByteArray> inSmallLists(const QByteArray& list)
{
    QList<QByteArray> parts;
    qsizetype start = 0;
    while (start < list.size()) {
        qsizetype end = list.lastIndexOf('\n', std::min(list.size() - 1, start + 64 * 1024));
        end = end < start ? list.size() : end + 1;
        parts.append(list.mid(start, end - start));
        start = end;
    }
    return parts;
}

QByteArray variedTv(int count)
{
    QByteArray list("header line\r\n");
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        list += tvLine(("Land" + QByteArray::number(i % 40)).constData(), "News",
            ("T\xC3\xA9l\xC3\xA9 " + n).constData(), (n + "k").constData());
    }
    return list;
}

QByteArray variedRadio(int count)
{
    QByteArray list;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        list += "|Land" + QByteArray::number(i % 7) + "|Radio " + n + "|1|info " + n + "|addr" + n + "\r\n";
    }
    return list;
}

Catalogue readInSmallLists(const QByteArray& tv, const QByteArray& radio)
{
    Catalogue catalogue;
    for (const QByteArray& part : inSmallLists(tv))
        catalogue.appendList(Kind::Tv, part);
    for (const QByteArray& part : inSmallLists(radio))
        catalogue.appendList(Kind::Radio, part);
    return catalogue;
}

} // namespace

// Lists of 512 KiB and more are read into memory taken at once. They give the same
// records as the same lines in small lists, whether they come first or after others,
// and also when the catalogue has less room left than they have lines.
TEST(CatalogueLoad, LargeListsReadTheSameAsSmallOnes)
{
    const QByteArray tv = variedTv(15000);
    const QByteArray radio = variedRadio(20000);
    ASSERT_GE(tv.size(), 512 * 1024);
    ASSERT_GE(radio.size(), 512 * 1024);

    Catalogue large;
    large.appendList(Kind::Tv, tv);
    const ListFormat::ReadResult radioRead = large.appendList(Kind::Radio, radio);
    const Catalogue small = readInSmallLists(tv, radio);

    ASSERT_EQ(large.channelCount(), ListFormat::kMaxRecords);
    EXPECT_TRUE(radioRead.reachedLimit);
    EXPECT_EQ(large.tvEnd, 15000);
    EXPECT_EQ(large.radioEnd, small.radioEnd);
    EXPECT_TRUE(large.channels == small.channels);
    EXPECT_EQ(large.channels[14999].name, QString::fromUtf8("Télé 14999"));
    EXPECT_EQ(large.channels.last().address, QByteArray("addr17766"));
}

TEST(CatalogueLoad, ALargeListAfterSmallOnesReadsTheSame)
{
    const QByteArray tv = variedTv(10);
    const QByteArray radio = variedRadio(16000);
    Catalogue large;
    large.appendList(Kind::Tv, tv);
    large.appendList(Kind::Radio, radio);
    const Catalogue small = readInSmallLists(tv, radio);
    ASSERT_EQ(large.channelCount(), 16010);
    EXPECT_TRUE(large.channels == small.channels);
}

TEST(ListWrite, WrittenLinesReadBackAsTheSameRecords)
{
    ChannelRecord tv {ChannelRecord::Tv, 1, QStringLiteral("USA"), QStringLiteral("News"),
        QStringLiteral("A | B"), StoredField::encodeAddress(QStringLiteral("https://x/y")),
        QStringLiteral("720p"), QStringLiteral("two\r\nlines")};
    const auto back = ListFormat::read(Kind::Tv, ListWriter::tvLine(tv) + "\r\n");
    ASSERT_EQ(back.records.size(), 1);
    EXPECT_EQ(back.records[0].name, tv.name);
    EXPECT_EQ(back.records[0].info, tv.info);
    EXPECT_EQ(back.records[0].address, tv.address);

    ChannelRecord radio {ChannelRecord::Radio, 1, QStringLiteral("USA"), {}, QStringLiteral("R"),
        StoredField::encodeAddress(QStringLiteral("http://r")), {}, QStringLiteral("info")};
    EXPECT_EQ(ListFormat::read(Kind::Radio, ListWriter::radioLine(radio)).records.value(0), radio);
}
