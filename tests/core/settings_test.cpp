#include "base/Numbers.h"
#include "state/Settings.h"

#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QByteArray kStandard = "14\r\n0\r\n0\r\n0\r\n0\r\n1.0.0\r\nlanguage=english\r\nmru=10\r\naot=0\r\n"
                             "updatechannel=1\r\nminimizeclose=0\r\nremindme=1\r\nbeforestartby=5\r\n"
                             "remindmeevery=1\r\ntellnewversion=1\r\n";

Settings withLine(int index, const QString& value)
{
    Settings settings = Settings::fromBytes(kStandard);
    settings.setLine(index, value);
    return settings;
}

} // namespace

TEST(SettingsLoad, NormalisesCapitalsAndBlanksUpToTheCount)
{
    const Settings settings = Settings::fromBytes("14\r\n0\r\n0\r\n0\r\n0\r\n1\r\nlanguage=english\r\n"
                                                  "mru=5\r\n   AOT=1  \r\n");
    EXPECT_EQ(settings.settingsCount(), 14);
    EXPECT_TRUE(settings.lineEquals(Settings::AlwaysOnTop, QStringLiteral("aot=1")));
}

TEST(SettingsLoad, OnlyBlanksAreTrimmedNotTabs)
{
    const Settings settings = Settings::fromBytes("8\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n\taot=1 \r\n");
    EXPECT_EQ(settings.line(Settings::AlwaysOnTop), QStringLiteral("\taot=1"));
}

TEST(SettingsLoad, LinesAboveTheCountStayAsReadAndAreSavedAsRead)
{
    QByteArray bytes = kStandard;
    bytes.replace("14\r\n", "10\r\n");
    bytes.replace("remindme=1", "REMINDME=1");
    const Settings settings = Settings::fromBytes(bytes);
    EXPECT_EQ(settings.settingsCount(), 10);
    EXPECT_EQ(settings.line(Settings::RemindMe), QStringLiteral("REMINDME=1"));
    const QByteArray saved = settings.toBytes();
    EXPECT_EQ(saved.count("\r\n"), 15);
    EXPECT_TRUE(saved.contains("\r\nREMINDME=1\r\n")); // nobody's setting: written back as it was
    EXPECT_EQ(saved, bytes);
}

TEST(SettingsLoad, StandardFileRoundTripsWithTrailingLineEnd)
{
    const Settings settings = Settings::fromBytes(kStandard);
    EXPECT_EQ(settings.lineCount(), 15); // the final CR LF starts no line
    EXPECT_EQ(settings.toBytes(), kStandard);
    EXPECT_EQ(Settings::fromBytes(settings.toBytes()).toBytes(), kStandard);
}

TEST(SettingsLoad, ASaveOfASaveChangesNothing)
{
    // A count past the lines there are once made every save add an empty line.
    for (const QByteArray& bytes : {QByteArray("5"), QByteArray("5\r\n"), QByteArray("14\r\na\r\n\r\nb\r\n")}) {
        const QByteArray once = Settings::fromBytes(bytes).toBytes();
        EXPECT_EQ(Settings::fromBytes(once).toBytes(), once) << bytes.constData();
    }
}

TEST(SettingsLoad, CountWithBlanksInsideStillReads)
{
    EXPECT_EQ(Settings::fromBytes(" 1 4 \r\n").settingsCount(), 14);
}

struct BadCount {
    const char* bytes;
};

class SettingsBadCount : public ::testing::TestWithParam<BadCount> { };

TEST_P(SettingsBadCount, LeavesCountZeroAndNormalisesOnlyLineZero)
{
    const Settings settings = Settings::fromBytes(GetParam().bytes);
    EXPECT_EQ(settings.settingsCount(), 0);
    EXPECT_EQ(settings.line(1), QStringLiteral("AOT=1 "));
    EXPECT_TRUE(settings.toBytes().endsWith("\r\nAOT=1 \r\n")); // kept, though the count does not reach it
}

INSTANTIATE_TEST_SUITE_P(Lines, SettingsBadCount,
    ::testing::Values(BadCount {"abc\r\nAOT=1 \r\n"}, BadCount {"14x\r\nAOT=1 \r\n"},
        BadCount {"99999\r\nAOT=1 \r\n"}, BadCount {"\r\nAOT=1 \r\n"}));

TEST(SettingsLoad, CountBeyondTheFileStopsAtTheLastLine)
{
    const Settings settings = Settings::fromBytes("30\r\nA\r\nB");
    EXPECT_EQ(settings.settingsCount(), 30);
    EXPECT_EQ(settings.line(2), QStringLiteral("b"));
    EXPECT_EQ(settings.toBytes(), QByteArray("30\r\na\r\nb\r\n"));
}

TEST(SettingsLoad, MissingEmptyAndBinaryFilesGiveNoLines)
{
    TempFolder folder;
    EXPECT_EQ(Settings::load(folder.file(QStringLiteral("inf"))).lineCount(), 0);
    folder.write(QStringLiteral("inf"), {});
    EXPECT_EQ(Settings::load(folder.file(QStringLiteral("inf"))).lineCount(), 0);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 7919) % 256));
    folder.write(QStringLiteral("inf"), binary);
    const Settings settings = Settings::load(folder.file(QStringLiteral("inf")));
    EXPECT_EQ(settings.settingsCount(), 0);
    EXPECT_FALSE(settings.lineEquals(Settings::AlwaysOnTop, QStringLiteral("aot=1")));
}

TEST(SettingsLoad, AFolderNamedInfReadsAsNoSettings)
{
    TempFolder folder;
    QDir(folder.path()).mkdir(QStringLiteral("inf"));
    EXPECT_EQ(Settings::load(folder.file(QStringLiteral("inf"))).lineCount(), 0);
}

TEST(SettingsReaders, YesNoIsOnOnlyForTheExactLiteral)
{
    EXPECT_TRUE(withLine(Settings::RemindMe, QStringLiteral("remindme=1"))
                    .lineEquals(Settings::RemindMe, QStringLiteral("remindme=1")));
    EXPECT_FALSE(withLine(Settings::RemindMe, QStringLiteral("remindme=01"))
                     .lineEquals(Settings::RemindMe, QStringLiteral("remindme=1")));
    EXPECT_FALSE(Settings().lineEquals(Settings::RemindMe, QStringLiteral("remindme=1")));
}

TEST(SettingsReaders, ValuesAreTakenFromFixedPositions)
{
    const Settings settings = withLine(Settings::Language, QStringLiteral("language=greek"));
    EXPECT_EQ(settings.valueFrom(Settings::Language, 10), QStringLiteral("greek"));
    EXPECT_EQ(settings.valueFrom(Settings::AlwaysOnTop, 5), QStringLiteral("0"));
    EXPECT_EQ(Settings().valueFrom(Settings::AlwaysOnTop, 5), QString());
}

TEST(SettingsReaders, RemindBeforeIsMinutesTimesSixty)
{
    EXPECT_EQ(withLine(12, QStringLiteral("beforestartby=5")).remindBeforeSeconds(), 300);
    EXPECT_EQ(withLine(12, QStringLiteral("beforestartby=abc")).remindBeforeSeconds(), 0);
    EXPECT_EQ(withLine(12, QStringLiteral("beforestartby=2.5min")).remindBeforeSeconds(), 150);
    EXPECT_EQ(withLine(12, QStringLiteral("beforestartby=99999")).remindBeforeSeconds(), 0);
    EXPECT_EQ(withLine(13, QStringLiteral("remindmeevery= 3x")).remindEveryMinutes(), 3);
    EXPECT_EQ(Settings().remindBeforeSeconds(), 0);
}

TEST(LeadingNumber, ReadsLikeTheSettingsReadersDo)
{
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("12abc")), 12);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral(" -4")), -4);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("1 5")), 15);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("1.5.2")), 1.5);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("x1")), 0);
    EXPECT_DOUBLE_EQ(leadingNumber(QString()), 0);
}

TEST(SettingsSave, ReplacesAReadOnlyFileWhole)
{
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("inf"), kStandard);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    Settings settings = Settings::fromBytes(kStandard);
    settings.setLine(Settings::AlwaysOnTop, QStringLiteral("aot=1"));
    EXPECT_EQ(settings.save(path), QString());
    EXPECT_TRUE(folder.read(QStringLiteral("inf")).contains("\r\naot=1\r\n"));
}

TEST(SettingsSave, AFailedSaveLeavesTheOldFileIntact)
{
    TempFolder folder;
    const QString path = folder.write(QStringLiteral("inf"), kStandard);
    Settings settings = Settings::fromBytes(kStandard);
    settings.setLine(Settings::Language, QStringLiteral("language=") + QString(4096, u'x'));
    {
        const FileSizeLimit limit(1024); // the disk is "full" after 1 KiB
        EXPECT_FALSE(settings.save(path).isEmpty());
    }
    EXPECT_EQ(folder.read(QStringLiteral("inf")), kStandard);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList {QStringLiteral("inf")});
}

TEST(SettingsLines, ALineTheFileLacksStaysAbsent)
{
    Settings settings = Settings::fromBytes("3\r\na\r\nb\r\nc");
    EXPECT_FALSE(settings.setLine(Settings::Language, QStringLiteral("language=greek")));
    EXPECT_FALSE(settings.hasLine(Settings::Language));
}

TEST(SettingsAlwaysOnTop, OnUnlessMissingOrZeroAndWrittenAsOneOrZero)
{
    const auto onTop = [](const char* line) {
        return Settings::fromBytes(QByteArray("14\r\n0\r\n0\r\n0\r\n0\r\n1.0.0\r\nlanguage=english\r\nmru=10\r\n") + line
            + "\r\n")
            .alwaysOnTop();
    };
    EXPECT_TRUE(onTop("aot=1"));
    EXPECT_TRUE(onTop("AOT=2"));
    EXPECT_FALSE(onTop("aot=0"));
    EXPECT_FALSE(Settings::fromBytes("14\r\n0\r\n").alwaysOnTop());
    Settings settings = Settings::fromBytes("14\r\n0\r\n0\r\n0\r\n0\r\n1.0.0\r\nlanguage=english\r\nmru=10\r\naot=0\r\n");
    ASSERT_TRUE(settings.setAlwaysOnTop(true));
    EXPECT_EQ(settings.line(Settings::AlwaysOnTop), QStringLiteral("aot=1"));
    EXPECT_FALSE(Settings::fromBytes("3\r\na\r\n").setAlwaysOnTop(true));
}
