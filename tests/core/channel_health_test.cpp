#include "check/core/ChannelHealth.h"

#include <gtest/gtest.h>

using ChannelHealth::Verdict;

namespace {

Prober::Answer answer(int status, const char* type = "video/mp2t", const char* head = "\x47\x40")
{
    return {status, type, head, status ? QString() : QStringLiteral("refused")};
}

const QDateTime kMonday(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
const QDateTime kTuesday = kMonday.addDays(1);

} // namespace

TEST(ChannelHealth, AVerdictForEveryKindOfAnswer)
{
    EXPECT_EQ(ChannelHealth::judge(answer(200)), Verdict::Answers);
    EXPECT_EQ(ChannelHealth::judge(answer(206, "")), Verdict::Answers);
    EXPECT_EQ(
        ChannelHealth::judge(answer(200, "application/vnd.apple.mpegurl", "#EXTM3U\n")), Verdict::Answers);
    EXPECT_EQ(ChannelHealth::judge(answer(0)), Verdict::Silent);
    EXPECT_EQ(ChannelHealth::judge(answer(404)), Verdict::Refuses);
    EXPECT_EQ(ChannelHealth::judge(answer(503)), Verdict::Refuses);
    EXPECT_EQ(ChannelHealth::judge(answer(200, "text/html; charset=utf-8")), Verdict::NotMedia);
    EXPECT_EQ(ChannelHealth::judge(answer(200, "application/octet-stream", "\n  <!DOCTYPE HTML><html>")),
        Verdict::NotMedia);
}

TEST(ChannelHealth, AMarkKeepsWhenItBeganUntilTheChannelAnswers)
{
    ChannelHealth::Marks marks;
    marks.record("gssor9..c", Verdict::Silent, answer(0), kMonday);
    marks.record("gssor9..c", Verdict::Refuses, answer(404), kTuesday);
    ASSERT_EQ(marks.all().size(), 1);
    const ChannelHealth::Mark mark = marks.all().value("gssor9..c");
    EXPECT_EQ(mark.since, kMonday);
    EXPECT_EQ(mark.checked, kTuesday);
    EXPECT_EQ(mark.reason, QStringLiteral("error 404"));
    marks.record("gssor9..c", Verdict::Answers, answer(200), kTuesday);
    EXPECT_TRUE(marks.all().isEmpty());
    marks.record("a|b", Verdict::Silent, answer(0), kMonday); // never a field that breaks the file
    marks.record("a\r\nb", Verdict::Silent, answer(0), kMonday);
    EXPECT_TRUE(marks.all().isEmpty());
}

TEST(ChannelHealth, TheFileReadsBackAndKeepsWhatItDoesNotUnderstand)
{
    ChannelHealth::Marks marks;
    marks.record("gssor9..a", Verdict::NotMedia, answer(200, "text/html"), kMonday);
    marks.record("gssor9..b", Verdict::Silent, answer(0), kTuesday);
    const QByteArray foreign
        = "a line of a later version\r\nx|2026-12-07T09:00:00Z|2026-12-07T09:00:00Z|<script>|\r\n";
    const QByteArray bytes = marks.toBytes() + foreign;
    EXPECT_TRUE(bytes.startsWith("gssor9..a|2026-12-07T09:00:00Z|2026-12-07T09:00:00Z|not media|\r\n"));
    const ChannelHealth::Marks back = ChannelHealth::Marks::fromBytes(bytes);
    EXPECT_EQ(back.all(), marks.all());
    EXPECT_EQ(back.toBytes(), bytes);
}
