#include "platform/core/HttpTransfer.h"

#include "support/TestHttpServer.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class TransferTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = new TestHttpServer; }
    static void TearDownTestSuite()
    {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(server_->running()); }

    static TestHttpServer* server_;
};

TestHttpServer* TransferTest::server_ = nullptr;

int unusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort(); // closed again when probe goes
}

} // namespace

TEST_F(TransferTest, FetchesWholeTextAsEightBitText)
{
    HttpTransfer transfer;
    const Transfer::Result result = transfer.fetchText(server_->url(QStringLiteral("/_/text")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.text, QString::fromUtf8("first line\r\nZürich €"));
}

TEST_F(TransferTest, FetchesWholeBytes)
{
    HttpTransfer transfer;
    const Transfer::Result result = transfer.fetchBytes(server_->url(QStringLiteral("/_/bytes")));
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result.bytes.size(), 1024);
    EXPECT_EQ(static_cast<unsigned char>(result.bytes[255]), 255);
}

TEST_F(TransferTest, EmptyBodyIsAnEmptySuccess)
{
    HttpTransfer transfer;
    const Transfer::Result result = transfer.fetchText(server_->url(QStringLiteral("/_/empty")));
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.bytes.isEmpty());
}

TEST_F(TransferTest, NotFoundIsAnError)
{
    HttpTransfer transfer;
    const Transfer::Result result = transfer.fetchBytes(server_->url(QStringLiteral("/no/such/file")));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.bytes.isEmpty());
}

TEST_F(TransferTest, AServerThatNeverAnswersTimesOut)
{
    HttpTransfer transfer(HttpTransfer::Timeouts {300ms, 5s});
    const Transfer::Result result = transfer.fetchBytes(server_->url(QStringLiteral("/_/hang")));
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.indexOf(QStringLiteral("No answer")), -1) << result.error.toStdString();
}

TEST_F(TransferTest, ATrickleIsCutByTheTotalTimeout)
{
    HttpTransfer transfer(HttpTransfer::Timeouts {2s, 700ms});
    const Transfer::Result result = transfer.fetchBytes(server_->url(QStringLiteral("/_/drip")));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.bytes.isEmpty());
}

TEST_F(TransferTest, AConnectionClosedMidBodyIsAnError)
{
    HttpTransfer transfer;
    const Transfer::Result result = transfer.fetchBytes(server_->url(QStringLiteral("/_/close")));
    EXPECT_FALSE(result.ok());
}

TEST_F(TransferTest, ARefusedConnectionIsAnError)
{
    HttpTransfer transfer;
    const Transfer::Result result
        = transfer.fetchBytes(QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(unusedPort())));
    EXPECT_FALSE(result.ok());
}

TEST_F(TransferTest, CancelEndsARunningFetch)
{
    HttpTransfer transfer(HttpTransfer::Timeouts {20s, 30s});
    QTimer::singleShot(200, [&transfer] { transfer.cancel(); });
    const Transfer::Result result = transfer.fetchBytes(server_->url(QStringLiteral("/_/hang")));
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.indexOf(QStringLiteral("cancelled")), -1);
}

TEST(TransferAddresses, OnlyWebAddressesAreFetched)
{
    HttpTransfer transfer;
    EXPECT_FALSE(transfer.fetchBytes(QUrl(QStringLiteral("file:///etc/hostname"))).ok());
    EXPECT_FALSE(transfer.fetchBytes(QUrl()).ok());
}
