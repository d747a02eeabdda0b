#include "platform/core/LockFileInstanceGuard.h"

#include "support/TempFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

enum class Probe { Holds, Ends };

// Starts the probe and returns its first line; a holding probe keeps its claim until it
// is stopped.
QString startProbe(QProcess& probe, const QString& folder, Probe kind)
{
    probe.start(QStringLiteral(VIDORRA_INSTANCE_PROBE),
        {folder, kind == Probe::Holds ? QStringLiteral("hold") : QStringLiteral("end")});
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
    ASSERT_EQ(startProbe(first, folder.path(), Probe::Holds), QStringLiteral("claimed"));
    EXPECT_EQ(startProbe(second, folder.path(), Probe::Ends), QStringLiteral("refused"));
    second.waitForFinished(5000);
    EXPECT_EQ(first.state(), QProcess::Running); // the first copy is not affected
    stop(first);
}

TEST(SingleInstance, AKilledCopyDoesNotBlockTheNextStart)
{
    TempFolder folder;
    QProcess first, next;
    ASSERT_EQ(startProbe(first, folder.path(), Probe::Holds), QStringLiteral("claimed"));
    stop(first); // SIGKILL: no clean-up of lock or socket
    EXPECT_EQ(startProbe(next, folder.path(), Probe::Ends), QStringLiteral("claimed"));
    next.waitForFinished(5000);
}

TEST(SingleInstance, CopiesWithOtherProgramFoldersRunSideBySide)
{
    TempFolder one, other;
    QProcess first, second;
    ASSERT_EQ(startProbe(first, one.path(), Probe::Holds), QStringLiteral("claimed"));
    EXPECT_EQ(startProbe(second, other.path(), Probe::Ends), QStringLiteral("claimed"));
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
    EXPECT_EQ(startProbe(other, folder.path(), Probe::Ends), QStringLiteral("refused"));
    other.waitForFinished(5000);
}
