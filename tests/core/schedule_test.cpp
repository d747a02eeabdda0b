#include "schedule/core/DayNumber.h"
#include "schedule/core/ReminderScan.h"
#include "schedule/core/ScheduleFile.h"
#include "schedule/core/ScheduleStore.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 7), QTime(20, 25, 0));

ScheduledProgram program(const char* name, const QDateTime& start, const QByteArray& address = "gssor9..mdvr-dw")
{
    return {QString::fromUtf8(name), QStringLiteral("News One"), DayNumber::fromDateTime(start), address};
}

ScheduledProgram everyDay(const char* name, const QTime& time, const QByteArray& address = "gssor9..mdvr-dw")
{
    return {QString::fromUtf8(name), QStringLiteral("News One"), DayNumber::fromTime(time), address};
}

// A record whose start time is the given raw number.
QByteArray recordWithStart(double start)
{
    QByteArray bytes = ScheduleFile::record(program("Odd", kNow));
    qToLittleEndian(start, bytes.data() + 130);
    return bytes;
}

class ScheduleStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    QString path = folder.file(QStringLiteral("scheduledprograms"));
    ScheduleStore store {path};
    qint64 fileSize() const { return QFileInfo(path).size(); }
};

} // namespace

TEST(DayNumbers, TheFormatsEpochAndFractionOfADay)
{
    EXPECT_DOUBLE_EQ(DayNumber::fromDateTime(QDateTime(QDate(1899, 12, 30), QTime(12, 0))), 0.5);
    EXPECT_DOUBLE_EQ(DayNumber::fromDateTime(QDateTime(QDate(1900, 1, 1), QTime(0, 0))), 2.0);
    EXPECT_EQ(*DayNumber::toDateTime(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_EQ(*DayNumber::toDateTime(DayNumber::fromDateTime(kNow)), kNow);
    EXPECT_TRUE(DayNumber::isEveryDay(DayNumber::fromTime(QTime(20, 30))));
    EXPECT_FALSE(DayNumber::isEveryDay(DayNumber::fromDateTime(kNow)));
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -1e300, 1e300})
        EXPECT_FALSE(DayNumber::toDateTime(bad).has_value());
}

TEST(ScheduleFileRecords, FixedFieldsCutWhereACharacterBeginsAndPaddedWithBlanks)
{
    ScheduledProgram p = program("", kNow);
    p.programName = QString(60, u'x');
    QByteArray bytes = ScheduleFile::record(p);
    ASSERT_EQ(bytes.size(), 340);
    EXPECT_EQ(bytes.mid(0, 50), QByteArray(50, 'x'));
    EXPECT_EQ(ScheduleFile::read(bytes).programs[0].programName, QString(50, u'x'));

    p.programName = QString(26, QChar(0x00FC)); // ü, two bytes each: 52 bytes
    bytes = ScheduleFile::record(p);
    EXPECT_EQ(bytes.mid(0, 50), QString(25, QChar(0x00FC)).toUtf8());
    EXPECT_EQ(ScheduleFile::read(bytes).programs[0].programName, QString(25, QChar(0x00FC)));
    EXPECT_EQ(bytes.mid(50, 80), QByteArray("News One").leftJustified(80, ' '));
    EXPECT_EQ(bytes.mid(138, 2), QByteArray(2, '\0'));
    EXPECT_EQ(bytes.mid(140, 200), QByteArray("gssor9..mdvr-dw").leftJustified(200, ' '));
    EXPECT_EQ(qFromLittleEndian<double>(bytes.constData() + 130), p.startTime);
}

TEST(ScheduleFileRecords, NonTextBytesInNamesReadWithoutHarm)
{
    QByteArray bytes = ScheduleFile::record(program("x", kNow));
    bytes.replace(0, 6, QByteArray("\xff\x00\x81|\r\n", 6));
    const ScheduleFile::ReadResult result = ScheduleFile::read(bytes);
    ASSERT_EQ(result.programs.size(), 1);
    EXPECT_FALSE(result.programs[0].programName.isEmpty());
}

TEST_F(ScheduleStoreTest, AMissingFileGivesAnEmptyListAndAnEmptyFile)
{
    EXPECT_EQ(store.load(kNow), QString());
    EXPECT_EQ(store.count(), 0);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(fileSize(), 0);
}

TEST_F(ScheduleStoreTest, PastOneOffProgramsAreDroppedAndTheFileRewritten)
{
    const QVector<ScheduledProgram> stored = {everyDay("Daily", QTime(20, 30)), program("Yesterday", kNow.addDays(-1)),
        program("Right now", kNow), program("Later", kNow.addSecs(1))};
    folder.write(QStringLiteral("scheduledprograms"), ScheduleFile::toBytes(stored));
    EXPECT_EQ(store.load(kNow.addMSecs(400)), QString()); // "now" to the second
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(store.programs()[0].programName, QStringLiteral("Daily"));
    EXPECT_EQ(store.programs()[1].programName, QStringLiteral("Later"));
    EXPECT_EQ(fileSize(), 680);
}

TEST_F(ScheduleStoreTest, BadFilesAreReadWithoutHarmAndKeptUntilAChange)
{
    folder.write(QStringLiteral("scheduledprograms"), {});
    EXPECT_EQ(store.load(kNow), QString());
    EXPECT_EQ(store.count(), 0);

    // One record and one byte more: the whole record reads, the file stays as it is.
    const QByteArray odd = ScheduleFile::record(program("Later", kNow.addDays(1))) + "x";
    folder.write(QStringLiteral("scheduledprograms"), ScheduleFile::record(program("Past", kNow.addDays(-1))) + odd);
    EXPECT_EQ(store.load(kNow), QString());
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(fileSize(), 681);
    ASSERT_TRUE(store.add(program("New", kNow.addDays(2))));
    EXPECT_EQ(fileSize(), 681); // the cut record's byte is kept at the end, where it was
    EXPECT_EQ(folder.read(QStringLiteral("scheduledprograms")).right(1), QByteArray("x"));
    EXPECT_EQ(ScheduleFile::read(folder.read(QStringLiteral("scheduledprograms"))).programs.size(), 2);

    QByteArray strange;
    for (double start : {std::nan(""), std::numeric_limits<double>::infinity(), -5e6, 1e300, -0.5})
        strange += recordWithStart(start);
    folder.write(QStringLiteral("scheduledprograms"), strange);
    EXPECT_EQ(store.load(kNow), QString());
    ASSERT_EQ(store.count(), 1); // -0.5: 29 December 1899 at 12:00, every day
    EXPECT_EQ(fileSize(), 340);
}

TEST_F(ScheduleStoreTest, FiftyMegabytesReadUpToTheLimitAndKeepTheRest)
{
    QByteArray bytes = ScheduleFile::record(everyDay("Daily", QTime(8, 5))).repeated(50 * 1024 * 1024 / 340);
    folder.write(QStringLiteral("scheduledprograms"), bytes);
    EXPECT_EQ(store.load(kNow), QString());
    EXPECT_EQ(store.count(), ScheduleFile::kMaxPrograms);
    ASSERT_TRUE(store.remove(0));
    EXPECT_EQ(fileSize(), bytes.size() - 340);
}

TEST_F(ScheduleStoreTest, SetRefusesADuplicateAndModifyAndDeleteKeepTheOrder)
{
    ASSERT_EQ(store.load(kNow), QString());
    bool duplicate = false;
    ASSERT_TRUE(store.add(program("A", kNow.addDays(1)), &duplicate));
    EXPECT_FALSE(store.add(program(" A ", kNow.addDays(2)), &duplicate));
    EXPECT_TRUE(duplicate);
    ASSERT_TRUE(store.add(program("A", kNow.addDays(1), "other"), &duplicate)); // another channel
    ASSERT_TRUE(store.add(program("C", kNow.addDays(1))));
    ASSERT_TRUE(store.replace(1, program("B", kNow.addDays(3), "other")));
    ASSERT_TRUE(store.remove(0));
    EXPECT_EQ(fileSize(), 680);
    const ScheduleFile::ReadResult back = ScheduleFile::read(folder.read(QStringLiteral("scheduledprograms")));
    ASSERT_EQ(back.programs.size(), 2);
    EXPECT_EQ(back.programs[0].programName, QStringLiteral("B"));
    EXPECT_EQ(back.programs[1].programName, QStringLiteral("C"));
}

TEST_F(ScheduleStoreTest, RecordsNobodyChangedAreWrittenBackByteForByte)
{
    // A name of 49 single-byte characters, as an older copy of the program stored them;
    // as UTF-8 it would take 98 bytes and be cut.
    QByteArray eightBit = ScheduleFile::record(program("x", kNow.addDays(1), "8bit"));
    eightBit.replace(0, 50, QByteArray(49, '\xe9') + ' ');
    eightBit.replace(50, 80, QByteArray("Cha\xee" "ne fran\xe7" "aise").leftJustified(80, ' '));
    const QByteArray daily = ScheduleFile::record(everyDay("Daily", QTime(6, 0)));
    folder.write(QStringLiteral("scheduledprograms"),
        ScheduleFile::record(program("Past", kNow.addDays(-1))) + eightBit + daily);
    ASSERT_EQ(store.load(kNow), QString()); // drops the past one and rewrites
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(store.programs()[0].programName, QString(49, QChar(0xE9)));
    EXPECT_EQ(folder.read(QStringLiteral("scheduledprograms")), eightBit + daily);

    ASSERT_TRUE(store.replace(1, everyDay("Daily", QTime(7, 0)))); // the other one changes
    ASSERT_TRUE(store.add(program("New", kNow.addDays(2))));
    ASSERT_TRUE(store.replace(0, store.programs()[0])); // "modified" without a change
    const QByteArray after = folder.read(QStringLiteral("scheduledprograms"));
    EXPECT_EQ(after.left(340), eightBit);
    EXPECT_EQ(after.size(), 3 * 340);
}

TEST_F(ScheduleStoreTest, AFileThatCouldNotBeReadIsNeverReplaced)
{
    {
        QFile big(path);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(71'400'000)); // past what the program reads; sparse, so cheap
    }
    const QString error = store.load(kNow);
    EXPECT_NE(error.indexOf(QStringLiteral("could not be read")), -1) << error.toStdString();
    EXPECT_FALSE(store.add(program("New", kNow.addDays(1))));
    EXPECT_EQ(store.lastError(), error);
    EXPECT_EQ(fileSize(), 71'400'000);
}

TEST(ScheduleFileFields, ATypedNameIsCutWhereACharacterBegins)
{
    EXPECT_EQ(ScheduleFile::fittingText(QStringLiteral("Evening News"), 50), QStringLiteral("Evening News"));
    EXPECT_EQ(ScheduleFile::fittingText(QString(30, QChar(0xFC)), 50), QString(25, QChar(0xFC)));
    EXPECT_EQ(ScheduleFile::fittingText(QString(60, u'x'), 50), QString(50, u'x'));
    // "|" is stored as three bytes; a character outside the basic plane as four.
    EXPECT_EQ(ScheduleFile::fittingText(QString(20, u'|'), 50), QString(16, u'|'));
    const QString emoji = QString::fromUtf8("\xf0\x9f\x93\xba"); // two UTF-16 units
    EXPECT_EQ(ScheduleFile::fittingText(emoji.repeated(13), 50), emoji.repeated(12));
    EXPECT_EQ(ScheduleFile::fittingText(QStringLiteral("ab") + emoji.repeated(12), 50),
        QStringLiteral("ab") + emoji.repeated(12));
    const QString fitted = ScheduleFile::fittingText(QStringLiteral("abc") + emoji.repeated(12), 50);
    EXPECT_EQ(fitted, QStringLiteral("abc") + emoji.repeated(11));
    EXPECT_LE(ScheduleFile::record({fitted, {}, 0, {}}).left(50).trimmed().size(), 50);
}

TEST_F(ScheduleStoreTest, AReadOnlyFileIsLeftAsItIsWithAClearMessage)
{
    ASSERT_EQ(store.load(kNow), QString());
    ASSERT_TRUE(store.add(program("Kept", kNow.addDays(1))));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_FALSE(store.add(program("New", kNow.addDays(1))));
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("read-only")));
    EXPECT_FALSE(store.remove(0));
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(fileSize(), 340);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

TEST(ReminderScans, AProgramIsRemindedAtEveryScanOfItsWindowOneReminderAtATime)
{
    const QVector<ScheduledProgram> list = {program("Show", QDateTime(kNow.date(), QTime(20, 30)))};
    ReminderScan scan;
    int reminders = 0;
    for (int minute = 20; minute <= 35; ++minute) {
        const auto due = scan.scan(list, QDateTime(kNow.date(), QTime(20, minute, 0)), 300, QString());
        reminders += static_cast<int>(due.size());
        for (const auto& d : due)
            scan.closed(d.key); // the user closes it before the next scan
    }
    EXPECT_EQ(reminders, 6); // 20:25 to 20:30 inclusive
}

TEST(ReminderScans, AReminderStillOpenIsNotShownAgain)
{
    const QVector<ScheduledProgram> list = {program("Show", QDateTime(kNow.date(), QTime(20, 30)))};
    ReminderScan scan;
    ASSERT_EQ(scan.scan(list, kNow, 300, QString()).size(), 1);
    EXPECT_TRUE(scan.scan(list, kNow.addSecs(60), 300, QString()).isEmpty());
}

TEST(ReminderScans, EveryDayAndMidnight)
{
    ReminderScan scan;
    const QVector<ScheduledProgram> daily = {everyDay("Night", QTime(0, 2))};
    const QDate day(2026, 12, 7);
    EXPECT_TRUE(scan.scan(daily, QDateTime(day, QTime(23, 58)), 300, QString()).isEmpty());
    const auto due = scan.scan(daily, QDateTime(day.addDays(1), QTime(0, 0)), 300, QString());
    ASSERT_EQ(due.size(), 1);
    EXPECT_EQ(due[0].at, QDateTime(day.addDays(1), QTime(0, 2)));

    const QVector<ScheduledProgram> tomorrow = {program("Early", QDateTime(day.addDays(1), QTime(0, 1)))};
    EXPECT_TRUE(scan.scan(tomorrow, QDateTime(day, QTime(23, 58)), 300, QString()).isEmpty());
    EXPECT_EQ(scan.scan(tomorrow, QDateTime(day.addDays(1), QTime(0, 0)), 300, QString()).size(), 1);
}

TEST(ReminderScans, TheChannelPlayingNowIsNotReminded)
{
    ReminderScan scan;
    const QVector<ScheduledProgram> list = {program("Show", QDateTime(kNow.date(), QTime(20, 30)))};
    EXPECT_TRUE(scan.scan(list, kNow, 300, QStringLiteral("gssor9..mdvr-dw")).isEmpty());
    EXPECT_EQ(scan.scan(list, kNow, 300, QStringLiteral("gssor9..other")).size(), 1);
}

TEST(ReminderScans, TicksCountToTheScan)
{
    ReminderScan scan;
    EXPECT_FALSE(scan.tick(3));
    EXPECT_FALSE(scan.tick(3));
    EXPECT_TRUE(scan.tick(3));
    EXPECT_TRUE(scan.tick(1));
    EXPECT_TRUE(scan.tick(0));
}
