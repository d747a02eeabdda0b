#include "platform/core/EnvironmentProxy.h"
#include "platform/core/HttpProber.h"
#include "platform/core/HttpTransfer.h"

#include "base/TextCodec.h"

#include "support/PeakMemory.h"
#include "support/TestHttpServer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr qint64 kMiB = 1024 * 1024;

class TransferTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = new TestHttpServer; }
    static void TearDownTestSuite()
    {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(server_->running()); }

    static QUrl url(const char* path) { return server_->url(QString::fromLatin1(path)); }

    static TestHttpServer* server_;
};

TestHttpServer* TransferTest::server_ = nullptr;

// Runs one fetch to its end; the event loop keeps running meanwhile, as the window's does.
Transfer::Result fetch(Transfer& transfer, const QUrl& url, qint64 maxBytes = kMiB)
{
    Transfer::Result result;
    bool ended = false;
    QEventLoop loop;
    transfer.fetch(url, maxBytes, [&](const Transfer::Result& r) {
        result = r;
        ended = true;
        loop.quit();
    });
    EXPECT_FALSE(ended) << "done was called from within fetch";
    if (!ended)
        loop.exec();
    return result;
}

int unusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort(); // closed again when probe goes
}

} // namespace

TEST_F(TransferTest, FetchesWholeBodies)
{
    HttpTransfer transfer;
    const Transfer::Result text = fetch(transfer, url("/_/text"));
    ASSERT_TRUE(text.ok()) << text.error.toStdString();
    EXPECT_EQ(TextCodec::decodeEightBit(text.bytes), QString::fromUtf8("first line\r\nZürich €"));
    const Transfer::Result bytes = fetch(transfer, url("/_/bytes"));
    ASSERT_EQ(bytes.bytes.size(), 1024);
    EXPECT_EQ(static_cast<unsigned char>(bytes.bytes[255]), 255);
    const Transfer::Result empty = fetch(transfer, url("/_/empty"));
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.bytes.isEmpty());
}

TEST_F(TransferTest, ErrorAnswersAreErrorsWithoutTheirBody)
{
    HttpTransfer transfer;
    for (const char* path : {"/no/such/file", "/_/error"}) {
        const Transfer::Result result = fetch(transfer, url(path));
        EXPECT_FALSE(result.ok()) << path;
        EXPECT_TRUE(result.bytes.isEmpty()) << path;
    }
    EXPECT_FALSE(fetch(transfer, url("/_/loop")).ok());
    EXPECT_FALSE(fetch(transfer, QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(unusedPort()))).ok());
}

TEST_F(TransferTest, AServerThatNeverAnswersTimesOut)
{
    HttpTransfer transfer(HttpTransfer::Timeouts {300ms, 5s});
    const Transfer::Result result = fetch(transfer, url("/_/hang"));
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.indexOf(QStringLiteral("No answer")), -1) << result.error.toStdString();
}

TEST_F(TransferTest, ATrickleIsCutByTheTotalTimeout)
{
    HttpTransfer transfer(HttpTransfer::Timeouts {2s, 700ms});
    const Transfer::Result result = fetch(transfer, url("/_/drip"));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.bytes.isEmpty());
}

TEST_F(TransferTest, AnAnswerShorterThanAnnouncedIsAnError)
{
    HttpTransfer transfer;
    EXPECT_FALSE(fetch(transfer, url("/_/close")).ok());
}

TEST_F(TransferTest, AnEndlessAnswerIsCutAtTheCallersBound)
{
    HttpTransfer transfer;
    QElapsedTimer clock;
    clock.start();
    const Transfer::Result result = fetch(transfer, url("/_/endless"), 4 * kMiB);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.indexOf(QStringLiteral("larger than")), -1) << result.error.toStdString();
    EXPECT_TRUE(result.bytes.isEmpty());
    EXPECT_LT(clock.elapsed(), 10000); // cut at the bound, not at the total time-out
}

TEST_F(TransferTest, AnAnswerAnnouncedLargerThanTheBoundIsRefusedAtOnce)
{
    HttpTransfer transfer;
    const Transfer::Result result = fetch(transfer, url("/_/announced-huge"), kMiB);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.indexOf(QStringLiteral("larger than")), -1) << result.error.toStdString();
}

TEST_F(TransferTest, CancelEndsEveryRunningFetch)
{
    HttpTransfer transfer(HttpTransfer::Timeouts {20s, 30s});
    std::vector<Transfer::Result> results;
    QEventLoop loop;
    for (const char* path : {"/_/hang/1", "/_/hang/2", "/_/drip", "/_/hang/3"}) {
        transfer.fetch(url(path), 64 * kMiB, [&](const Transfer::Result& r) {
            results.push_back(r);
            if (results.size() == 4)
                loop.quit();
        });
    }
    QTimer::singleShot(300, [&transfer] { transfer.cancelAll(); });
    QTimer::singleShot(15000, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_EQ(results.size(), 4u);
    for (const Transfer::Result& result : results) {
        EXPECT_NE(result.error.indexOf(QStringLiteral("cancelled")), -1) << result.error.toStdString();
        EXPECT_TRUE(result.bytes.isEmpty());
    }
}

TEST_F(TransferTest, ChunkedBodiesArriveWholeAndUnaskedCompressionIsRefused)
{
    HttpTransfer transfer;
    const Transfer::Result chunked = fetch(transfer, url("/_/chunked-small"));
    ASSERT_TRUE(chunked.ok()) << chunked.error.toStdString();
    EXPECT_EQ(chunked.bytes, QByteArray("one two three"));
    const Transfer::Result packed = fetch(transfer, url("/_/gzip-small"));
    EXPECT_FALSE(packed.ok());
    EXPECT_TRUE(packed.bytes.isEmpty());
}

TEST_F(TransferTest, AResetMidBodyIsAnErrorWithoutTheBody)
{
    HttpTransfer transfer;
    const Transfer::Result result = fetch(transfer, url("/_/reset"));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.bytes.isEmpty());
}

TEST_F(TransferTest, ARedirectNeverLeavesTheWeb)
{
    HttpTransfer transfer;
    const Transfer::Result result = fetch(transfer, url("/_/to-file"));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.bytes.indexOf("root:"), -1);
}

// Memory stays within the caller's bound and a small constant, whether the answer
// announces its length, announces none, is chunked, never ends or unpacks to a gigabyte.
class TransferMemoryTest : public TransferTest, public ::testing::WithParamInterface<const char*> { };

TEST_P(TransferMemoryTest, AnOversizedAnswerIsCutWithinTheBound)
{
    constexpr qint64 bound = 32 * kMiB;
    HttpTransfer transfer;
    const PeakMemory peak;
    const Transfer::Result result = fetch(transfer, url(GetParam()), bound);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.bytes.isEmpty());
    const qint64 growth = peak.growth();
    std::printf("[ memory ] %s: peak %.1f MiB above the start, bound %lld MiB (%s)\n", GetParam(),
        double(growth) / kMiB, bound / kMiB, qPrintable(result.error));
    EXPECT_LT(growth, bound + 24 * kMiB);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfAnswer, TransferMemoryTest,
    ::testing::Values(
        "/_/endless", "/_/announced-huge", "/_/chunked-100mb", "/_/chunked-endless", "/_/gzip-bomb"));

TEST(TransferAddresses, OnlyWebAddressesAreFetched)
{
    HttpTransfer transfer;
    EXPECT_FALSE(fetch(transfer, QUrl(QStringLiteral("file:///etc/hostname"))).ok());
    EXPECT_FALSE(fetch(transfer, QUrl()).ok());
}

namespace {

// Runs the probes side by side to their ends.
QVector<Prober::Answer> probeAll(Prober& prober, const QVector<QUrl>& urls)
{
    QVector<Prober::Answer> answers(urls.size());
    int left = static_cast<int>(urls.size());
    QEventLoop loop;
    for (int i = 0; i < urls.size(); ++i) {
        prober.probe(urls[i], [&, i](const Prober::Answer& answer) {
            answers[i] = answer;
            if (--left == 0)
                loop.quit();
        });
    }
    loop.exec();
    return answers;
}

} // namespace

TEST_F(TransferTest, AProbeReadsAFewKilobytesAndTellsWhatCame)
{
    HttpProber prober;
    const auto answers
        = probeAll(prober, {url("/_/endless"), url("/_/page"), url("/missing"), url("/_/loop")});
    EXPECT_EQ(answers[0].status, 200);
    EXPECT_EQ(
        answers[0].head.size(), HttpProber::kPeekBytes); // an endless stream ends at its first kilobytes
    EXPECT_TRUE(answers[1].contentType.startsWith("text/html"));
    EXPECT_EQ(answers[2].status, 404);
    EXPECT_EQ(answers[3].status, 0); // a redirect loop is no answer
    EXPECT_FALSE(answers[3].error.isEmpty());
}

// Servers that accept and never answer keep their connections after the probe gave up on
// them; later probes of the same host must not wait behind them.
TEST_F(TransferTest, ProbesThatGaveUpOnAHostLeaveNoneWaitingBehindThem)
{
    HttpProber prober(std::chrono::milliseconds(400));
    for (int round = 0; round < 3; ++round) {
        QVector<QUrl> hanging;
        for (int i = 0; i < 8; ++i)
            hanging.append(url("/_/hang"));
        for (const Prober::Answer& answer : probeAll(prober, hanging))
            EXPECT_EQ(answer.status, 0);
    }
    const auto live = probeAll(prober, {url("/_/bytes"), url("/_/bytes")});
    EXPECT_EQ(live[0].status, 200);
    EXPECT_EQ(live[1].status, 200);
}

TEST(EnvironmentProxyTest, FollowsTheTerminalsVariablesAndNeverProxiesLoopback)
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("http_proxy"), QStringLiteral("http://proxy.lan:3128/"));
    environment.insert(QStringLiteral("HTTPS_PROXY"), QStringLiteral("secure.lan:8443"));
    environment.insert(QStringLiteral("no_proxy"), QStringLiteral("intra.example, .corp.example,*.skip.example"));
    EnvironmentProxy proxy(environment);
    const auto via = [&proxy](const char* address) {
        const QNetworkProxy p = proxy.queryProxy(QNetworkProxyQuery(QUrl(QString::fromLatin1(address)))).value(0);
        return p.type() == QNetworkProxy::NoProxy ? QStringLiteral("direct")
                                                  : p.hostName() + QLatin1Char(':') + QString::number(p.port());
    };
    EXPECT_EQ(via("http://www.vidorra.example/dot.dll"), QStringLiteral("proxy.lan:3128"));
    EXPECT_EQ(via("https://www.vidorra.example/help/en.htm"), QStringLiteral("secure.lan:8443"));
    EXPECT_EQ(via("http://intra.example/x"), QStringLiteral("direct"));
    EXPECT_EQ(via("http://tv.intra.example/x"), QStringLiteral("direct"));
    EXPECT_EQ(via("http://a.corp.example/x"), QStringLiteral("direct"));
    EXPECT_EQ(via("http://a.skip.example/x"), QStringLiteral("direct"));
    EXPECT_EQ(via("http://notintra.example/x"), QStringLiteral("proxy.lan:3128"));
    EXPECT_EQ(via("http://127.0.0.1:8765/dot.dll"), QStringLiteral("direct"));
    EXPECT_EQ(via("http://localhost/x"), QStringLiteral("direct"));
    EXPECT_EQ(via("http://[::1]/x"), QStringLiteral("direct"));

    EXPECT_EQ(EnvironmentProxy(QProcessEnvironment()).queryProxy(QNetworkProxyQuery(QUrl(QStringLiteral("http://a.example/"))))
                  .value(0).type(),
        QNetworkProxy::NoProxy);
    QProcessEnvironment garbage;
    garbage.insert(QStringLiteral("http_proxy"), QStringLiteral("::::"));
    EXPECT_EQ(EnvironmentProxy(garbage).queryProxy(QNetworkProxyQuery(QUrl(QStringLiteral("http://a.example/"))))
                  .value(0).type(),
        QNetworkProxy::NoProxy);
}

// A site that is only reachable through the proxy: the transfer asks the proxy (on
// loopback here) with the whole address.
TEST_F(TransferTest, ListsAndPagesGoThroughTheProxyOfTheEnvironment)
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("http_proxy"), QStringLiteral("127.0.0.1:%1").arg(url("/").port()));
    QNetworkProxyFactory::setApplicationProxyFactory(new EnvironmentProxy(environment));
    HttpTransfer transfer;
    const Transfer::Result line = fetch(transfer, QUrl(QStringLiteral("http://lists.vidorra.invalid/_/request-line")));
    QNetworkProxyFactory::setApplicationProxyFactory(nullptr);
    ASSERT_TRUE(line.ok()) << line.error.toStdString();
    EXPECT_EQ(line.bytes, QByteArray("GET http://lists.vidorra.invalid/_/request-line HTTP/1.1"));
}
