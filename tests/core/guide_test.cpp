#include "guide/core/ChannelNames.h"
#include "guide/core/Gunzip.h"
#include "guide/core/XmltvReader.h"

#include "support/GuideFiles.h"

#include <gtest/gtest.h>

namespace {

constexpr qint64 kMiB = 1024 * 1024;

const QDateTime kNoon = QDateTime(QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc());

QString titleOf(const GuideTable& table, const GuideTable::Programme* p)
{
    return p ? table.text(p->title) : QStringLiteral("(none)");
}

std::optional<GuideTable> readWhole(const QByteArray& bytes, QString* error = nullptr)
{
    QString ignored;
    return XmltvReader::read(bytes, 64 * kMiB, error ? error : &ignored);
}

QByteArray sampleGuide()
{
    using GuideFiles::Show;
    return GuideFiles::guide(
        {{QStringLiteral("one.example"), {QStringLiteral("BBC One HD"), QStringLiteral("BBC 1")}},
            {QStringLiteral("two.example"), {QStringLiteral("Welle")}}},
        {Show {QStringLiteral("one.example"), kNoon.addSecs(-3600), 60, QStringLiteral("Morning News"),
             QStringLiteral("d1")},
            Show {QStringLiteral("one.example"), kNoon, 30, QStringLiteral("Noon <Report>"),
                QStringLiteral("d2")},
            Show {QStringLiteral("one.example"), kNoon.addSecs(1800), 90, QStringLiteral("Film"),
                QStringLiteral("d3")},
            Show {QStringLiteral("two.example"), kNoon.addSecs(-600), 20, QStringLiteral("Kurz"),
                QStringLiteral("d4"), -5 * 3600},
            Show {QStringLiteral("unknown.example"), kNoon, 30, QStringLiteral("Nobody's"),
                QStringLiteral("x")}});
}

} // namespace

TEST(XmltvTimes, EveryOffsetGivesTheSameMomentInUtc)
{
    const qint64 noon = kNoon.toSecsSinceEpoch();
    EXPECT_EQ(XmltvReader::utcSeconds(u"20261207130000 +0100"), noon);
    EXPECT_EQ(XmltvReader::utcSeconds(u"20261207070000 -0500"), noon);
    EXPECT_EQ(XmltvReader::utcSeconds(u"20261207173000 +0530"), noon);
    EXPECT_EQ(XmltvReader::utcSeconds(u"20261207120000"), noon);
    EXPECT_EQ(XmltvReader::utcSeconds(u"202612071200 Z"), noon);
    EXPECT_EQ(XmltvReader::utcSeconds(u"20240229000000 +0000"),
        QDateTime(QDate(2024, 2, 29), QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch());
    for (const char16_t* bad : {u"", u"2026", u"20261307120000", u"20261207250000", u"20261207120000 +99",
             u"20261207120000 CET", u"2026120712000x", u"20261207120000 +2500"})
        EXPECT_FALSE(XmltvReader::utcSeconds(bad)) << QString::fromUtf16(bad).toStdString();
}

TEST(XmltvGuide, NowAndNextFollowTheClockAndUnknownChannelsAreLeftOut)
{
    const std::optional<GuideTable> table = readWhole(sampleGuide());
    ASSERT_TRUE(table);
    ASSERT_EQ(table->channels().size(), 2);
    EXPECT_EQ(table->programmes().size(), 4);
    const int one = *table->channelFor(QStringLiteral("one.example"), {});
    const qint64 noon = kNoon.toSecsSinceEpoch();
    GuideTable::NowNext at = table->nowNext(one, noon - 1);
    EXPECT_EQ(titleOf(*table, at.now), QStringLiteral("Morning News"));
    EXPECT_EQ(titleOf(*table, at.next), QStringLiteral("Noon <Report>"));
    at = table->nowNext(one, noon);
    EXPECT_EQ(titleOf(*table, at.now), QStringLiteral("Noon <Report>"));
    EXPECT_EQ(table->text(at.now->description), QStringLiteral("d2"));
    EXPECT_EQ(table->text(at.now->category), QStringLiteral("News"));
    at = table->nowNext(one, noon + 3 * 3600);
    EXPECT_EQ(at.now, nullptr);
    EXPECT_EQ(at.next, nullptr);
    const int two = *table->channelFor({}, QStringLiteral("WELLE (720p)"));
    EXPECT_EQ(titleOf(*table, table->nowNext(two, noon).now), QStringLiteral("Kurz")); // given at -0500
    EXPECT_EQ(table->between(one, noon - 1, noon + 1).size(), 2);
}

TEST(XmltvGuide, ChannelsMatchByIdElseByNameWithoutCaseBlanksPunctuationOrQuality)
{
    EXPECT_EQ(ChannelNames::comparable(QStringLiteral("BBC One HD")), QStringLiteral("bbcone"));
    EXPECT_EQ(ChannelNames::comparable(QStringLiteral("bbc.one")), QStringLiteral("bbcone"));
    EXPECT_EQ(ChannelNames::comparable(QStringLiteral("BBC One (720p)")), QStringLiteral("bbcone"));
    EXPECT_EQ(ChannelNames::comparable(QStringLiteral("BBC  One FHD [Backup]")), QStringLiteral("bbcone"));
    EXPECT_EQ(ChannelNames::comparable(QStringLiteral("Das Erste 1080p")), QStringLiteral("daserste"));
    EXPECT_EQ(ChannelNames::comparable(QStringLiteral("HD")),
        QStringLiteral("hd")); // a name that is only a mark stays
    EXPECT_EQ(ChannelNames::comparable(QStringLiteral("Первый канал HD")), QStringLiteral("первыйканал"));
    const std::optional<GuideTable> table = readWhole(sampleGuide());
    ASSERT_TRUE(table);
    EXPECT_EQ(table->channelFor({}, QStringLiteral("bbc-one")),
        table->channelFor(QStringLiteral("one.example"), {}));
    EXPECT_EQ(table->channelFor(QStringLiteral("two.example"), QStringLiteral("BBC One")),
        table->channelFor({}, QStringLiteral("Welle")));
    EXPECT_FALSE(table->channelFor({}, QStringLiteral("BBC Two")));
    EXPECT_FALSE(table->channelFor({}, QString()));
}

TEST(XmltvGuide, OverlapsMissingAndBackwardStopsAndRepeatedSlotsAreMadeSane)
{
    const QByteArray xml
        = "<tv><channel id=\"c\"><display-name>C</display-name></channel>"
          "<programme start=\"20261207100000 +0000\" stop=\"20261207113000 +0000\" "
          "channel=\"c\"><title>A</title></programme>"
          "<programme start=\"20261207110000 +0000\" channel=\"c\"><title>B</title></programme>"
          "<programme start=\"20261207120000 +0000\" stop=\"20261207090000 +0000\" "
          "channel=\"c\"><title>C</title></programme>"
          "<programme start=\"20261207120000 +0000\" stop=\"20261207130000 +0000\" channel=\"c\"><title>C "
          "again</title></programme>"
          "<programme start=\"20261207130000 +0000\" stop=\"20261207140000 +0000\" "
          "channel=\"c\"><title>D</title></programme>"
          "<programme start=\"20261207140000 +0000\" stop=\"20261207150000 +0000\"><title>no "
          "channel</title></programme>"
          "<programme channel=\"c\"><title>no start</title></programme></tv>";
    const std::optional<GuideTable> table = readWhole(xml);
    ASSERT_TRUE(table);
    QStringList seen;
    for (const GuideTable::Programme& p : table->programmes()) {
        EXPECT_LT(p.start, p.stop);
        seen << table->text(p.title);
    }
    // C has no sane end and is followed by nothing at its start, so it ends where D begins.
    EXPECT_EQ(seen,
        (QStringList {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}));
    EXPECT_EQ(table->programmes()[0].stop, *XmltvReader::utcSeconds(u"20261207110000"));
}

TEST(XmltvGuide, APieceAtATimeReadsAsTheWhole)
{
    const QByteArray xml = sampleGuide();
    XmltvReader reader;
    for (qsizetype i = 0; i < xml.size(); i += 7)
        ASSERT_TRUE(reader.feed(QByteArrayView(xml).sliced(i, std::min<qsizetype>(7, xml.size() - i))));
    const std::optional<GuideTable> pieces = reader.finish();
    const std::optional<GuideTable> whole = readWhole(xml);
    ASSERT_TRUE(pieces && whole);
    ASSERT_EQ(pieces->programmes().size(), whole->programmes().size());
    for (qsizetype i = 0; i < whole->programmes().size(); ++i)
        EXPECT_EQ(pieces->text(pieces->programmes()[i].description),
            whole->text(whole->programmes()[i].description));
}

TEST(XmltvGuide, GzipReadsAsPlainAndABombIsStoppedAtTheBound)
{
    const std::optional<GuideTable> packed = readWhole(GuideFiles::gzip(sampleGuide()));
    ASSERT_TRUE(packed);
    EXPECT_EQ(packed->programmes().size(), 4);

    QByteArray zeros(256 * kMiB, ' ');
    zeros.prepend("<tv>");
    const QByteArray bomb = GuideFiles::gzip(zeros);
    zeros.clear();
    zeros.squeeze();
    QString error;
    EXPECT_FALSE(XmltvReader::read(bomb, 16 * kMiB, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("more than 16 MB"))) << error.toStdString();

    QByteArray cut = GuideFiles::gzip(sampleGuide());
    cut.chop(40);
    EXPECT_FALSE(readWhole(cut, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(XmltvGuide, WhatIsNotWholeWellFormedXmltvIsAnErrorAndGivesNothing)
{
    QString error;
    QByteArray truncated = sampleGuide();
    truncated.chop(20);
    EXPECT_FALSE(readWhole(truncated, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("ends before"))) << error.toStdString();
    EXPECT_FALSE(readWhole("<tv><channel id=\"a\"></tv>", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("well-formed"))) << error.toStdString();
    EXPECT_FALSE(readWhole("<html><body>Not found</body></html>", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("not an XMLTV"))) << error.toStdString();
    EXPECT_FALSE(readWhole("", &error));
    EXPECT_FALSE(readWhole(QByteArray("\x1f\x8b garbage", 11), &error));
    EXPECT_FALSE(readWhole(QByteArray(100 * kMiB + 1, '<'), &error)); // larger than the bound for plain text
}

TEST(XmltvGuide, FiftyThousandChannelsAreReadAndFoundByName)
{
    QByteArray xml = "<tv>";
    for (int c = 0; c < 50000; ++c)
        xml += "<channel id=\"c" + QByteArray::number(c) + "\"><display-name>Channel " + QByteArray::number(c)
            + " HD</display-name></channel><programme start=\"20261207120000 +0000\" stop=\"20261207130000 "
              "+0000\" "
              "channel=\"c"
            + QByteArray::number(c) + "\"><title>Show " + QByteArray::number(c) + "</title></programme>";
    xml += "</tv>";
    const std::optional<GuideTable> table = readWhole(xml);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->channels().size(), 50000);
    const std::optional<int> channel = table->channelFor({}, QStringLiteral("channel 49999"));
    ASSERT_TRUE(channel);
    EXPECT_EQ(table->text(table->nowNext(*channel, kNoon.toSecsSinceEpoch() + 60).now->title),
        QStringLiteral("Show 49999"));
}
