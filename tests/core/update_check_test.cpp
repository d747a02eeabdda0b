#include "net/core/UpdateCheck.h"

#include "base/Scrambling.h"
#include "platform/core/HttpTransfer.h"
#include "state/Settings.h"

#include "support/TempFolder.h"
#include "support/TestHttpServer.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTcpServer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QByteArray announcements(const QByteArray& text) { return *Scrambling::decrypt("OrvesaKt", text); }

const QByteArray kList = "|USA|News|News One|1|||gssor9..mdvr-dw|0|x\r\n";

// A vendor site in a temporary folder, served on loopback, and a program folder.
class UpdateCheckTest : public ::testing::Test {
protected:
    TempFolder site, program;
    std::unique_ptr<TestHttpServer> server = std::make_unique<TestHttpServer>(site.path());
    HttpTransfer transfer {HttpTransfer::Timeouts {1s, 5s}};
    Settings settings = Settings::fromBytes("14\r\nannou-1\r\ntv-1\r\nra-1\r\nama-1\r\n1.0.0\r\nlanguage=english\r\n"
                                            "mru=10\r\naot=0\r\nupdatechannel=0\r\nminimizeclose=0\r\nremindme=0\r\n"
                                            "beforestartby=5\r\nremindmeevery=1\r\ntellnewversion=0\r\n");
    int saves = 0;

    void SetUp() override
    {
        ASSERT_TRUE(server->running());
        site.write(QStringLiteral("battc.dll"), announcements("2\r\nFirst news\r\nSecond news\r\n"));
        for (const char* list : {"avtapit.dll", "atlr.dll", "apcupm.dll"})
            site.write(QString::fromLatin1(list), kList);
        program.write(QStringLiteral("battc.dll"), announcements("1\r\nOld news\r\n"));
    }
    void manifest(const QByteArray& text) { site.write(QStringLiteral("dot.dll"), text); }

    UpdateCheck::Result check(bool force, const QUrl& root = {})
    {
        UpdateCheck update({transfer, settings, program.path(), root.isEmpty() ? server->url(QStringLiteral("/")) : root,
            [this] {
                ++saves;
                return QString();
            }});
        UpdateCheck::Result result;
        QEventLoop loop;
        update.run(force, [&](const UpdateCheck::Result& r) {
            result = r;
            loop.quit();
        });
        loop.exec();
        return result;
    }
    bool stored(const char* name) const { return QFileInfo::exists(program.file(QString::fromLatin1(name))); }
};

} // namespace

TEST_F(UpdateCheckTest, AStampDifferingOnlyInCaseFetchesNothingButTheTableIsRead)
{
    manifest(" ANNOU-1 \r\ntv-1\r\nra-1\r\nama-1\r\n1.0.0\r\n");
    const UpdateCheck::Result result = check(false);
    EXPECT_TRUE(result.stored.isEmpty());
    EXPECT_EQ(result.announcementCount, 1);
    EXPECT_EQ(result.announcements.value(1), QStringLiteral("Old news"));
}

TEST_F(UpdateCheckTest, ANewStampFetchesTheAnnouncementsAndStoresTheStampAfter)
{
    manifest("annou-2\r\ntv-2\r\nra-1\r\nama-1\r\n1.0.0\r\n");
    const UpdateCheck::Result result = check(false);
    EXPECT_EQ(result.stored, QStringList {QStringLiteral("battc.dll")}); // lists are off
    EXPECT_EQ(result.announcementCount, 2);
    EXPECT_EQ(settings.line(1), QStringLiteral("annou-2"));
    EXPECT_EQ(settings.line(2), QStringLiteral("tv-1"));
    EXPECT_EQ(saves, 1);
}

TEST_F(UpdateCheckTest, AnnouAfterTheTenthCharacterEndsTheCheck)
{
    manifest("1234567890annou\r\ntv-2\r\nra-2\r\nama-2\r\n9.9\r\n");
    settings.setLine(Settings::TellNewVersion, QStringLiteral("tellnewversion=1"));
    const UpdateCheck::Result result = check(true);
    EXPECT_FALSE(result.manifestRead);
    EXPECT_TRUE(result.stored.isEmpty());
    EXPECT_FALSE(result.askAboutNewVersion);
}

TEST_F(UpdateCheckTest, AForcedCheckFetchesAllFour)
{
    manifest("annou-1\r\ntv-1\r\nra-1\r\nama-1\r\n1.0.0\r\n");
    const UpdateCheck::Result result = check(true);
    EXPECT_EQ(result.stored, (QStringList {QStringLiteral("battc.dll"), QStringLiteral("avtapit.dll"),
                                 QStringLiteral("atlr.dll"), QStringLiteral("apcupm.dll")}));
    EXPECT_EQ(program.read(QStringLiteral("avtapit.dll")), kList);
}

TEST_F(UpdateCheckTest, AListServedAsAnErrorPageIsRejectedAndItsStampKept)
{
    site.write(QStringLiteral("atlr.dll"), "<html><body>Not here</body></html>");
    manifest("annou-1\r\ntv-2\r\nra-2\r\nama-1\r\n1.0.0\r\n");
    settings.setLine(Settings::UpdateChannels, QStringLiteral("updatechannel=1"));
    const UpdateCheck::Result result = check(false);
    EXPECT_EQ(result.stored, QStringList {QStringLiteral("avtapit.dll")});
    EXPECT_FALSE(stored("atlr.dll"));
    EXPECT_EQ(settings.line(3), QStringLiteral("ra-1"));
    EXPECT_EQ(settings.line(2), QStringLiteral("tv-2"));
}

TEST_F(UpdateCheckTest, AVersionDifferingOnlyInCaseAsksTheQuestion)
{
    manifest("annou-1\r\ntv-1\r\nra-1\r\nama-1\r\n1.0.0-Beta\r\n");
    settings.setLine(Settings::TellNewVersion, QStringLiteral("tellnewversion=1"));
    settings.setLine(Settings::ProgramVersion, QStringLiteral("1.0.0-beta"));
    EXPECT_TRUE(check(false).askAboutNewVersion);
    EXPECT_FALSE(check(true).askAboutNewVersion); // never on a forced check
}

TEST_F(UpdateCheckTest, BadManifestsAndAnnouncementsStoreNothing)
{
    settings.setLine(Settings::UpdateChannels, QStringLiteral("updatechannel=1"));
    for (const QByteArray& bad : {QByteArray("<html>annou</html>"), QByteArray(), QByteArray(10 * 1024 * 1024, 'x'),
             QByteArray("annou-2\r\ntv-2")}) {
        manifest(bad);
        const UpdateCheck::Result result = check(false);
        EXPECT_FALSE(result.stored.contains(QStringLiteral("avtapit.dll"))) << bad.left(20).constData();
    }
    EXPECT_EQ(settings.line(2), QStringLiteral("tv-1"));

    site.write(QStringLiteral("battc.dll"), announcements("many\r\nx\r\n"));
    program.write(QStringLiteral("battc.dll"), announcements("not a number\r\n"));
    manifest("annou-1\r\ntv-2\r\nra-2\r\nama-2\r\n1.0.0\r\n");
    const UpdateCheck::Result result = check(false);
    EXPECT_TRUE(result.stored.isEmpty()); // the check ends before the lists
    EXPECT_EQ(settings.line(2), QStringLiteral("tv-1"));
}

TEST_F(UpdateCheckTest, ServersThatMisbehaveChangeNothing)
{
    settings.setLine(Settings::UpdateChannels, QStringLiteral("updatechannel=1"));
    const QByteArray before = settings.toBytes();
    for (const char* path : {"/_/hang/", "/_/error/", "/_/loop/", "/_/endless/", "/_/close/"}) {
        const UpdateCheck::Result result = check(true, server->url(QString::fromLatin1(path)));
        EXPECT_TRUE(result.stored.isEmpty()) << path;
    }
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close();
    EXPECT_TRUE(check(true, QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port))).stored.isEmpty());
    EXPECT_EQ(settings.toBytes(), before);
}
