#pragma once

#include <QProcess>
#include <QString>
#include <QUrl>

// Starts tests/support/http_test_server.py on 127.0.0.1 over `root`.
class TestHttpServer {
public:
    explicit TestHttpServer(const QString& root = QString())
    {
        process_.setProgram(QStringLiteral("python3"));
        process_.setArguments({QStringLiteral(VIDORRA_TEST_SUPPORT_DIR "/http_test_server.py"),
            root.isEmpty() ? QStringLiteral(".") : root});
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start();
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(10000))
            port_ = QString::fromLatin1(process_.readLine()).trimmed().toInt();
    }
    ~TestHttpServer()
    {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(2000)) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    bool running() const { return port_ > 0; }
    int port() const { return port_; }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path));
    }

private:
    QProcess process_;
    int port_ = 0;
};
