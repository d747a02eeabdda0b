#include "platform/core/BusProbe.h"

#include "support/TempFolder.h"

#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// A socket that accepts connections (the kernel does, up to its backlog) and never says a word.
class SilentBus {
public:
    explicit SilentBus(const QString& path)
    {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        std::copy(name.begin(), name.end(), address.sun_path);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_fd, 16);
        m_address = "unix:path=" + name;
    }
    ~SilentBus() { ::close(m_fd); }
    SilentBus(const SilentBus&) = delete;
    SilentBus& operator=(const SilentBus&) = delete;
    const QByteArray& address() const { return m_address; }

private:
    int m_fd = -1;
    QByteArray m_address;
};

} // namespace

TEST(BusProbe, ARealBusAnswers)
{
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                    QStringLiteral("--print-address=1")});
    ASSERT_TRUE(daemon.waitForStarted(5000));
    ASSERT_TRUE(daemon.waitForReadyRead(5000));
    const QByteArray address = daemon.readLine().trimmed();
    EXPECT_TRUE(BusProbe::answers(address, 2000ms)) << address.constData();
    // The address may list a bus that is gone before one that answers.
    EXPECT_TRUE(BusProbe::answers("unix:path=/nonexistent/bus;" + address, 2000ms));
    daemon.kill();
    daemon.waitForFinished(2000);
}

TEST(BusProbe, ASilentBusIsGivenUpAfterTheBudget)
{
    TempFolder folder;
    const SilentBus silent(folder.file(QStringLiteral("bus")));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(BusProbe::answers(silent.address(), 300ms));
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 3000);
}

TEST(BusProbe, AnAbsentOrMalformedBusIsNoBus)
{
    for (const char* address : {"", "unix:path=/nonexistent/bus", "disabled:", "unix:", "tcp:host=127.0.0.1,port=9",
             "garbage", "unix:abstract=", ";;;"})
        EXPECT_FALSE(BusProbe::answers(address, 500ms)) << address;
}
