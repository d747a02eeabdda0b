#include "base/FileIo.h"
#include "catalogue/core/ListFormat.h"
#include "check/core/ChannelHealth.h"
#include "favorites/core/FavoritesFile.h"
#include "guide/core/GuideLibrary.h"
#include "schedule/core/ScheduleFile.h"
#include "state/ProgramFolder.h"
#include "state/Settings.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

// Each of the program's writes, killed (SIGKILL) at random moments: the file always reads
// whole and holds its old or its new content, and the next start clears what the cut
// writes left without touching a file of the user's.
namespace {

constexpr int kRounds = 200;

struct Contents {
    QString file;
    QByteArray a, b; // the two contents the victim alternates between; a is there first
};

ChannelRecord favorite(int n)
{
    ChannelRecord r;
    r.kind = ChannelRecord::Tv;
    r.country = QStringLiteral("USA");
    r.category = QStringLiteral("News");
    r.name = QStringLiteral("Channel %1").arg(n);
    r.op = 1;
    r.address = "gssor9..bgm" + QByteArray::number(n) + "-dw";
    return r;
}

Contents settings()
{
    Settings s
        = Settings::fromBytes("14\r\n0\r\n0\r\n0\r\n0\r\n1.0.0\r\nlanguage=english\r\nmru=10\r\naot=0\r\n"
                              "skin=0\r\nupdatechannel=0\r\nremindme=1\r\nbeforestartby=5\r\n"
                              "remindmeevery=1\r\ntellnewversion=1\r\n");
    const QByteArray a = s.toBytes();
    s.setLine(Settings::ProgramVersion, QStringLiteral("2.0.0"));
    return {QStringLiteral("inf"), a, s.toBytes()};
}

Contents favorites()
{
    QVector<ChannelRecord> records;
    for (int n = 0; n < 500; ++n)
        records.append(favorite(n));
    const QByteArray a = FavoritesFile::toBytes(records);
    ChannelRecord extra; // as the writer adds it
    extra.kind = ChannelRecord::Tv;
    extra.name = QStringLiteral("Killed mid-write");
    extra.op = 1;
    extra.address = QByteArray("gssor9..jhkkdc-dw");
    records.append(extra);
    return {QStringLiteral("fav.fav"), a, FavoritesFile::toBytes(records)};
}

Contents schedule()
{
    QVector<ScheduledProgram> programs;
    for (int n = 0; n < 3000; ++n)
        programs.append(
            {QStringLiteral("Program %1").arg(n), QStringLiteral("News"), 46400.25, "gssor9..a-dw"});
    const QByteArray a = ScheduleFile::toBytes(programs);
    programs.append({QStringLiteral("Killed mid-write"), QStringLiteral("News"), 46400.5, "gssor9..a-dw"});
    return {QStringLiteral("scheduledprograms"), a, ScheduleFile::toBytes(programs)};
}

Contents recentFiles()
{
    QByteArray a, b;
    for (int n = 0; n < 15; ++n) {
        a += "1|file " + QByteArray::number(n) + "|gssor9..a" + QByteArray::number(n) + "-dw\r\n";
        b += "2|other " + QByteArray::number(n) + "|gssor9..b" + QByteArray::number(n) + "-dw\r\n";
    }
    return {QStringLiteral("mruf"), a, b};
}

Contents list()
{
    return {QStringLiteral("avtapit.dll"),
        QByteArray("|USA|News|A|1|||gssor9..a-dw|0|info\r\n").repeated(30000),
        QByteArray("|France|News|B|1|||gssor9..b-dw|0|infos\r\n").repeated(25000)};
}

Contents channelMarks()
{
    ChannelHealth::Marks marks;
    const QDateTime monday(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
    for (int n = 0; n < 3000; ++n)
        marks.record("gssor9..c" + QByteArray::number(n) + "-dw", ChannelHealth::Verdict::Refuses,
            {404, {}, {}, {}}, monday);
    const QByteArray a = marks.toBytes();
    marks.record("gssor9..jhkkdc-dw", ChannelHealth::Verdict::Silent, {}, monday);
    return {QStringLiteral("channelcheck"), a, marks.toBytes()};
}

Contents guideIds()
{
    QHash<QByteArray, QString> ids;
    for (int n = 0; n < 3000; ++n)
        ids.insert("gssor9..c" + QByteArray::number(n) + "-dw", QStringLiteral("channel%1.example").arg(n));
    ids.insert("gssor9..jhkkdc-dw", QStringLiteral("b.example"));
    const QByteArray a = GuideLibrary::idsToBytes(ids);
    ids.insert("gssor9..jhkkdc-dw", QStringLiteral("a.example"));
    return {QStringLiteral("guideids"), a, GuideLibrary::idsToBytes(ids)};
}

struct KillCase {
    const char* kind;
    Contents (*contents)();
};

class KillTest : public ::testing::TestWithParam<KillCase> { };

} // namespace

TEST_P(KillTest, AKilledWriteLeavesTheOldOrTheNewFileAndTheNextStartClearsUp)
{
    TempFolder folder;
    const Contents c = GetParam().contents();
    folder.write(c.file, c.a);
    folder.write(QStringLiteral("content-a"), c.a);
    folder.write(QStringLiteral("content-b"), c.b);
    // Files of the user's, named much like the program's own.
    const QStringList usersOwn = {c.file + QStringLiteral(".backup"), c.file + QStringLiteral(".a1B2c3"),
        QLatin1Char('.') + c.file + QStringLiteral(".a1B2c3")};
    for (const QString& name : usersOwn)
        folder.write(name, "mine");

    int oldContent = 0, newContent = 0, wrong = 0, leftoversSeen = 0;
    for (int round = 0; round < kRounds; ++round) {
        QProcess victim;
        victim.start(
            QStringLiteral(VIDORRA_WRITE_VICTIM), {folder.path(), QString::fromLatin1(GetParam().kind)});
        ASSERT_TRUE(victim.waitForReadyRead(10000)) << "the writer did not start";
        // Not a wait for anything: the moment of the kill, anywhere in the first few writes.
        QThread::usleep(QRandomGenerator::global()->bounded(60000));
        ::kill(static_cast<pid_t>(victim.processId()), SIGKILL);
        ASSERT_TRUE(victim.waitForFinished(10000));
        const QByteArray now = folder.read(c.file);
        if (now == c.a)
            ++oldContent;
        else if (now == c.b)
            ++newContent;
        else
            ++wrong;
        const QStringList partial
            = QDir(folder.path())
                  .entryList({QStringLiteral("*.vidorra-partial")}, QDir::Files | QDir::Hidden);
        leftoversSeen += partial.isEmpty() ? 0 : 1;
        ProgramFolder(folder.path()).removeWriteLeftovers(); // as the next start does
    }
    std::printf("[ kills ] %s: %d rounds, %d old, %d new, %d wrong; %d cut mid-write\n", GetParam().kind,
        kRounds, oldContent, newContent, wrong, leftoversSeen);
    EXPECT_EQ(wrong, 0);
    EXPECT_TRUE(QDir(folder.path())
                    .entryList({QStringLiteral("*.vidorra-partial")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    for (const QString& name : usersOwn)
        EXPECT_EQ(folder.read(name), QByteArray("mine")) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, KillTest,
    ::testing::Values(KillCase {"inf", settings}, KillCase {"fav", favorites}, KillCase {"mruf", recentFiles},
        KillCase {"schedule", schedule}, KillCase {"list", list}, KillCase {"marks", channelMarks},
        KillCase {"guideids", guideIds}),
    [](const ::testing::TestParamInfo<KillCase>& param) { return std::string(param.param.kind); });
