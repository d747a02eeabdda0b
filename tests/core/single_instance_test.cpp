#include "platform/core/LockFileInstanceGuard.h"

#include "support/TempFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Starts the probe and returns its first line, leaving it running.
QString startProbe(QProcess& probe, const QString& folder, int holdMs)
{
    probe.start(QStringLiteral(VIDORRA_INSTANCE_PROBE), {folder, QString::number(holdMs)});
    if (!probe.waitForStarted(5000) || !probe.waitForReadyRead(10000))
        return QStringLiteral("no answer");
    return QString::fromLatin1(probe.readLine()).trimmed();
}

void stop(QProcess& probe)
{
    probe.kill();
    probe.waitForFinished(5000);
}

} // namespace

TEST(SingleInstance, ASecondProcessIsRefusedWhileTheFirstRuns)
{
    TempFolder folder;
    QProcess first, second;
    ASSERT_EQ(startProbe(first, folder.path(), 20000), QStringLiteral("claimed"));
    EXPECT_EQ(startProbe(second, folder.path(), 0), QStringLiteral("refused"));
    second.waitForFinished(5000);
    EXPECT_EQ(first.state(), QProcess::Running); // the first copy is not affected
    stop(first);
}

TEST(SingleInstance, AKilledCopyDoesNotBlockTheNextStart)
{
    TempFolder folder;
    QProcess first, next;
    ASSERT_EQ(startProbe(first, folder.path(), 20000), QStringLiteral("claimed"));
    stop(first); // SIGKILL: no clean-up of lock or socket
    EXPECT_EQ(startProbe(next, folder.path(), 0), QStringLiteral("claimed"));
    next.waitForFinished(5000);
}

TEST(SingleInstance, CopiesWithOtherProgramFoldersRunSideBySide)
{
    TempFolder one, other;
    QProcess first, second;
    ASSERT_EQ(startProbe(first, one.path(), 20000), QStringLiteral("claimed"));
    EXPECT_EQ(startProbe(second, other.path(), 0), QStringLiteral("claimed"));
    second.waitForFinished(5000);
    stop(first);
}

TEST(SingleInstance, ThisProcessKeepsItsClaim)
{
    TempFolder folder;
    LockFileInstanceGuard guard(folder.path());
    EXPECT_TRUE(guard.claim());
    EXPECT_TRUE(guard.claim());
    QProcess other;
    EXPECT_EQ(startProbe(other, folder.path(), 0), QStringLiteral("refused"));
    other.waitForFinished(5000);
}
