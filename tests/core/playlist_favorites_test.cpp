#include "base/StoredField.h"
#include "catalogue/core/M3uPlaylist.h"
#include "favorites/core/PlaylistFavorites.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray realPlaylist(const char* name)
{
    QFile file(QStringLiteral(VIDORRA_TEST_DATA_DIR "/m3u/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PlaylistFavorites::Import imported(
    const QByteArray& bytes, const QUrl& from, const QVector<ChannelRecord>& favorites = {}, int room = 32767)
{
    PlaylistFavorites::Import import(favorites, from, room);
    M3uReader reader(bytes);
    while (!reader.atEnd()) {
        M3uPlaylist part;
        reader.read(7, part); // small parts: an entry may straddle two
        import.take(part);
    }
    return import;
}

const QUrl kWeb(QStringLiteral("http://127.0.0.1:8/lists/tv.m3u"));
const QUrl kLocal = QUrl::fromLocalFile(QStringLiteral("/home/user/lists/tv.m3u"));

QString addressOf(const ChannelRecord& favorite) { return StoredField::decodeAddress(favorite.address); }

} // namespace

struct PublicPlaylist {
    const char* file;
    int added; // its distinct addresses
    int skipped; // addresses it names twice
};

class PublicPlaylists : public ::testing::TestWithParam<PublicPlaylist> { };

TEST_P(PublicPlaylists, ImportWithTheCountsTheyShouldGiveAndASecondImportAddsNothing)
{
    const QByteArray bytes = realPlaylist(GetParam().file);
    ASSERT_FALSE(bytes.isEmpty());
    const auto first = imported(bytes, kWeb);
    EXPECT_EQ(first.added().size(), GetParam().added);
    EXPECT_EQ(first.skipped(), GetParam().skipped);
    EXPECT_EQ(first.unreadable(), 0);
    for (const ChannelRecord& favorite : first.added()) {
        EXPECT_FALSE(favorite.name.isEmpty());
        EXPECT_TRUE(favorite.kind == ChannelRecord::Tv || favorite.kind == ChannelRecord::Radio);
        EXPECT_TRUE(addressOf(favorite).startsWith(QStringLiteral("http")))
            << addressOf(favorite).toStdString();
    }
    const auto again = imported(bytes, kWeb, first.added());
    EXPECT_TRUE(again.added().isEmpty());
    EXPECT_EQ(again.skipped(), GetParam().added + GetParam().skipped);
}

INSTANTIATE_TEST_SUITE_P(IptvOrg, PublicPlaylists,
    ::testing::Values(PublicPlaylist {"de.m3u", 202, 0}, PublicPlaylist {"fr.m3u", 135, 0},
        PublicPlaylist {"jp.m3u", 103, 0}, PublicPlaylist {"ru.m3u", 381, 0},
        PublicPlaylist {"sa.m3u", 70, 0}, PublicPlaylist {"us.m3u", 883, 8}),
    [](const auto& param) { return std::string(param.param.file).substr(0, 2); });

TEST(PlaylistImport, TheQuirksOfRealPlaylists)
{
    const QByteArray bytes = "\xEF\xBB\xBF#EXTINF:-1 tvg-country=\"DE\" group-title=\"news\",Eins, Zwei\n"
                             "#EXTVLCOPT:http-referrer=http://x/\n#EXTGRP:whatever\n#PLAYLIST:mine\n"
                             "streams/one.m3u8\n"
                             "#EXTINF:-1 group-title=\"Radio;Music\",Klassik\n../radio/klassik.mp3\n"
                             "#EXTINF:-1 group-title=\"France\",Paris\r\nhttp://h/paris\r\n"
                             "#EXTINF:-1,No address\n"
                             "#EXTINF:-1,Local\nfile:///etc/passwd\n"
                             "/etc/shadow\n"
                             "http://h/bare\n";
    const auto import = imported(bytes, kWeb);
    ASSERT_EQ(import.added().size(), 4);
    const ChannelRecord& one = import.added()[0];
    EXPECT_EQ(one.name, QStringLiteral("Eins, Zwei"));
    EXPECT_EQ(addressOf(one), QStringLiteral("http://127.0.0.1:8/lists/streams/one.m3u8"));
    EXPECT_EQ(one.country, QStringLiteral("Germany"));
    EXPECT_EQ(one.category, QStringLiteral("News"));
    EXPECT_EQ(one.kind, ChannelRecord::Tv);
    EXPECT_EQ(one.op, 1);
    const ChannelRecord& radio = import.added()[1];
    EXPECT_EQ(radio.kind, ChannelRecord::Radio);
    EXPECT_EQ(addressOf(radio), QStringLiteral("http://127.0.0.1:8/radio/klassik.mp3"));
    EXPECT_EQ(radio.category, QStringLiteral("Music")); // the first group that is a category
    EXPECT_EQ(import.added()[2].country, QStringLiteral("France")); // a country group
    EXPECT_EQ(addressOf(import.added()[3]), QStringLiteral("http://h/bare"));
    // No address, and the local files a playlist from the web names.
    EXPECT_EQ(import.unreadable(), 3);
}

TEST(PlaylistImport, AGivenPlaylistOfThisComputerMayNameItsFiles)
{
    const QByteArray bytes = "#EXTM3U\n#EXTINF:-1,Song\nmusic/song one.mp3\n/media/film.mkv\nhttp://h/x\n";
    const auto import = imported(bytes, kLocal);
    ASSERT_EQ(import.added().size(), 3);
    EXPECT_EQ(addressOf(import.added()[0]), QStringLiteral("/home/user/lists/music/song one.mp3"));
    EXPECT_EQ(import.added()[0].kind, ChannelRecord::ComputerFile);
    EXPECT_EQ(addressOf(import.added()[1]), QStringLiteral("/media/film.mkv"));
    EXPECT_EQ(import.added()[2].kind, ChannelRecord::Tv);
}

TEST(PlaylistImport, WhatIsNoPlaylistGivesNoFavorites)
{
    const QByteArray html = "<!DOCTYPE html>\n<html><head><title>Not found</title></head>\n<body>\n"
                            "<a href=\"http://h/x\">x</a> gone\n</body></html>\n";
    EXPECT_TRUE(imported(html, kWeb).added().isEmpty());
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>((i * 7919) % 256);
    EXPECT_TRUE(imported(binary, kWeb).added().isEmpty());
    const QByteArray oneLongLine = "#EXTINF:-1," + QByteArray(10 * 1024 * 1024, 'a') + "\nhttp://h/after\n";
    const auto longLine = imported(oneLongLine, kWeb);
    ASSERT_EQ(
        longLine.added().size(), 1); // the line too long for an entry is one problem, the next address plays
    EXPECT_EQ(longLine.added()[0].name, QStringLiteral("http://h/after"));
    EXPECT_EQ(longLine.unreadable(), 1);
}

TEST(PlaylistImport, TheFavoritesHoldWhatTheirFileCanAndCountTheRest)
{
    QByteArray bytes = "#EXTM3U\n";
    for (int i = 0; i < 10; ++i)
        bytes += "#EXTINF:-1,C" + QByteArray::number(i) + "\nhttp://h/" + QByteArray::number(i) + "\n";
    const auto import = imported(bytes, kWeb, {}, 4);
    EXPECT_EQ(import.added().size(), 4);
    EXPECT_EQ(import.overflow(), 6);
}

TEST(PlaylistExport, ExportedFavoritesImportAsTheyWere)
{
    QVector<ChannelRecord> favorites(3);
    favorites[0] = {ChannelRecord::Tv, 3, QStringLiteral("Germany"), QStringLiteral("News"),
        QStringLiteral("DW, English"), StoredField::encodeAddress(QStringLiteral("http://h/dw.m3u8")),
        QStringLiteral("300"), QStringLiteral("The \"news\" channel")};
    favorites[1] = {ChannelRecord::Radio, 0, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("Jazz"),
        StoredField::encodeAddress(QStringLiteral("https://h/jazz?a=1&b=2")), QString(), QString()};
    favorites[2] = {ChannelRecord::ComputerFile, 1, QStringLiteral("0"), QStringLiteral("0"),
        QStringLiteral("film.mkv"), StoredField::encodeAddress(QStringLiteral("/media/film.mkv")), QString(),
        QString()};
    const QByteArray playlist = PlaylistFavorites::toPlaylist(favorites);
    EXPECT_TRUE(playlist.startsWith("#EXTM3U\r\n#EXTINF:-1 tvg-country=\"Germany\" group-title=\"News\""));
    const auto back = imported(playlist, kLocal);
    ASSERT_EQ(back.added().size(), 3);
    favorites[0].info = QStringLiteral("The 'news' channel"); // a quote cannot stand in an attribute
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back.added()[i], favorites[i]) << i;
}
