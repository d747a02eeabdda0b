#include "base/Scrambling.h"
#include "base/StoredField.h"
#include "catalogue/core/ListFormat.h"
#include "make-lists/ListWriter.h"
#include "catalogue/core/M3uPlaylist.h"
#include "catalogue/core/PlaylistImport.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QByteArray realPlaylist(const char* name)
{
    QFile file(QStringLiteral(VIDORRA_TEST_DATA_DIR "/m3u/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

struct RealPlaylist {
    const char* file;
    int entries;
};

class RealPlaylists : public ::testing::TestWithParam<RealPlaylist> { };

TEST_P(RealPlaylists, EveryEntryIsReadAndTurnsIntoAStorableRecord)
{
    const QByteArray bytes = realPlaylist(GetParam().file);
    ASSERT_FALSE(bytes.isEmpty()) << "tests/data/m3u/" << GetParam().file << " is missing";
    const M3uPlaylist playlist = M3uPlaylist::parse(bytes);
    EXPECT_EQ(playlist.entries.size(), GetParam().entries);
    EXPECT_TRUE(playlist.problems.isEmpty()) << playlist.problems.join(u'\n').toStdString();
    for (const M3uEntry& entry : playlist.entries) {
        ASSERT_FALSE(entry.url.isEmpty());
        EXPECT_FALSE(entry.title.isEmpty());
        EXPECT_FALSE(entry.title.startsWith(u'"')) << entry.title.toStdString();
        const ChannelRecord record = PlaylistImport::toRecord(entry, {});
        const QByteArray line = ListWriter::tvLine(record);
        const auto back = ListFormat::read(ListFormat::Kind::Tv, line);
        ASSERT_EQ(back.records.size(), 1) << line.toStdString();
        EXPECT_EQ(StoredField::decodeAddress(back.records[0].address).isEmpty(), false);
    }
}

INSTANTIATE_TEST_SUITE_P(IptvOrg, RealPlaylists,
    ::testing::Values(RealPlaylist {"de.m3u", 202}, RealPlaylist {"fr.m3u", 135},
        RealPlaylist {"jp.m3u", 103}, RealPlaylist {"ru.m3u", 381}, RealPlaylist {"sa.m3u", 70},
        RealPlaylist {"us.m3u", 891}),
    [](const auto& param) { return std::string(param.param.file).substr(0, 2); });

TEST(M3uParse, CommasInsideQuotedAttributesAreNotTheTitleSeparator)
{
    const M3uPlaylist p = M3uPlaylist::parse(
        "#EXTM3U\n#EXTINF:-1 tvg-id=\"x\" user-agent=\"Mozilla (KHTML, like Gecko)\",Real Title (720p)\n"
        "#EXTVLCOPT:http-user-agent=Agent\nhttp://h/a.m3u8\n");
    ASSERT_EQ(p.entries.size(), 1);
    EXPECT_EQ(p.entries[0].title, QStringLiteral("Real Title (720p)"));
    EXPECT_EQ(p.entries[0].attributes.value(QStringLiteral("user-agent")),
        QStringLiteral("Mozilla (KHTML, like Gecko)"));
    EXPECT_EQ(p.entries[0].options, QStringList {QStringLiteral("http-user-agent=Agent")});
}

TEST(M3uParse, ASpaceBeforeTheSeparatorAndWindowsLineEndsAreFine)
{
    const M3uPlaylist p = M3uPlaylist::parse(
        "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:-1 tvg-id=\"JORXDTV.jp\" ,TBS (720p) [Not 24/7]\r\nhttp://h/x\r\n");
    ASSERT_EQ(p.entries.size(), 1);
    EXPECT_EQ(p.entries[0].title, QStringLiteral("TBS (720p) [Not 24/7]"));
    EXPECT_EQ(PlaylistImport::cleanTitle(p.entries[0].title), QStringLiteral("TBS"));
}

TEST(M3uParse, BareAddressesAndBrokenEntriesAreReported)
{
    const M3uPlaylist p = M3uPlaylist::parse(
        "http://a/1\n#EXTINF:-1,No address\n#EXTINF:-1 tvg-id=\"unclosed,T\nhttp://b/2\n");
    ASSERT_EQ(p.entries.size(), 2);
    EXPECT_EQ(p.entries[0].title, QStringLiteral("http://a/1"));
    EXPECT_EQ(p.problems.size(), 1);
}

TEST(PlaylistImport, TitlesLoseOnlyTheirTrailingTags)
{
    EXPECT_EQ(PlaylistImport::cleanTitle(QStringLiteral("CF97 Soccer Live [Not 24/7] (1080p)")),
        QStringLiteral("CF97 Soccer Live"));
    EXPECT_EQ(PlaylistImport::cleanTitle(QStringLiteral("K-TV (Fernsehen) (720p)")),
        QStringLiteral("K-TV (Fernsehen)"));
    EXPECT_EQ(PlaylistImport::cleanTitle(QStringLiteral("3sat [Geo-Blocked]")), QStringLiteral("3sat"));
}

TEST(PlaylistImport, AttributesGiveCountryCategoryAndKind)
{
    M3uEntry entry;
    entry.title = QStringLiteral("Title");
    entry.url = QStringLiteral("https://h/x.m3u8");
    entry.attributes = {{QStringLiteral("tvg-country"), QStringLiteral("DE")},
        {QStringLiteral("group-title"), QStringLiteral("Kids;News")}};
    const ChannelRecord r = PlaylistImport::toRecord(entry, {});
    EXPECT_EQ(r.country, QStringLiteral("Germany"));
    EXPECT_EQ(r.category, QStringLiteral("Children"));
    EXPECT_EQ(StoredField::decodeAddress(r.address), entry.url);

    entry.attributes = {{QStringLiteral("vidorra-kind"), QStringLiteral("radio")},
        {QStringLiteral("tvg-country"), QStringLiteral("Saudi Arabia")}};
    const ChannelRecord radio = PlaylistImport::toRecord(entry, {});
    EXPECT_EQ(radio.kind, ChannelRecord::Radio);
    EXPECT_EQ(radio.country, QStringLiteral("SaudiArabia"));
    EXPECT_TRUE(radio.category.isEmpty());
}

TEST(PlaylistImport, OnlyWebAddressesArePlayable)
{
    EXPECT_TRUE(
        PlaylistImport::isPlayableAddress(QStringLiteral("http://92.242.14.114:4022/udp/225.0.55.234:1234")));
    EXPECT_FALSE(PlaylistImport::isPlayableAddress(QStringLiteral("rtmp://h/x")));
    EXPECT_FALSE(PlaylistImport::isPlayableAddress(QStringLiteral("/home/me/x.mp4")));
}

TEST(ListWriterGrouping, EachCountrysRecordsAreOneRunInTheOrderCountriesFirstAppear)
{
    const auto record = [](const char* country, const char* name) {
        ChannelRecord r;
        r.country = QString::fromUtf8(country);
        r.name = QString::fromUtf8(name);
        return r;
    };
    const QVector<ChannelRecord> read = {record("USA", "a"), record("Japan", "b"), record("USA", "c"),
        record("France", "d"), record("Japan", "e"), record("USA", "f")};
    QStringList order;
    for (const ChannelRecord& r : ListWriter::groupedByCountry(read))
        order << r.country + u':' + r.name;
    EXPECT_EQ(order, QStringList({QStringLiteral("USA:a"), QStringLiteral("USA:c"), QStringLiteral("USA:f"),
                         QStringLiteral("Japan:b"), QStringLiteral("Japan:e"), QStringLiteral("France:d")}));
}

TEST(ListWriterGrouping, TheShippedAndServedListsNameEachCountryOnce)
{
    for (const char* path : {VIDORRA_DATA_DIR "/avtapit.dll", VIDORRA_DATA_DIR "/atlr.dll",
             VIDORRA_DATA_DIR "/../server/avtapit.dll", VIDORRA_DATA_DIR "/../server/atlr.dll"}) {
        QFile file(QString::fromUtf8(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        QStringList runs;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QString country = QString::fromUtf8(line.split('|').value(1));
            if (!country.isEmpty() && (runs.isEmpty() || runs.last() != country))
                runs << country;
        }
        EXPECT_EQ(runs.size(), QSet<QString>(runs.begin(), runs.end()).size()) << path;
    }
}
