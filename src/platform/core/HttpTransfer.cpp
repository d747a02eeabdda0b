#include "platform/core/HttpTransfer.h"

#include "base/TextCodec.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

HttpTransfer::HttpTransfer() : HttpTransfer(Timeouts {}) { }

HttpTransfer::HttpTransfer(Timeouts timeouts)
    : m_timeouts(timeouts), m_network(std::make_unique<QNetworkAccessManager>())
{
}

HttpTransfer::~HttpTransfer() { cancel(); }

Transfer::Result HttpTransfer::fetchBytes(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")))
        return {{}, QStringLiteral("Unsupported address: %1").arg(url.toString()), {}};
    if (m_running)
        return {{}, QStringLiteral("Another transfer is running"), {}};

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(static_cast<int>(m_timeouts.total.count()));
    QNetworkReply* reply = m_network->get(request);
    m_running = reply;
    m_cancelled = false;

    QEventLoop loop;
    QTimer connectTimer;
    connectTimer.setSingleShot(true);
    QTimer totalTimer;
    totalTimer.setSingleShot(true);
    QString timeoutError;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &connectTimer, &QTimer::stop);
    QObject::connect(&connectTimer, &QTimer::timeout, reply, [&] {
        timeoutError = QStringLiteral("No answer from %1 within %2 s")
                           .arg(url.host())
                           .arg(m_timeouts.connect.count() / 1000.0);
        reply->abort();
    });
    QObject::connect(&totalTimer, &QTimer::timeout, reply, [&] {
        timeoutError = QStringLiteral("The transfer from %1 took longer than %2 s")
                           .arg(url.host())
                           .arg(m_timeouts.total.count() / 1000.0);
        reply->abort();
    });
    connectTimer.start(m_timeouts.connect);
    totalTimer.start(m_timeouts.total);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    Result result;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!timeoutError.isEmpty())
        result.error = timeoutError;
    else if (m_cancelled)
        result.error = QStringLiteral("The transfer was cancelled");
    else if (reply->error() != QNetworkReply::NoError)
        result.error = reply->errorString();
    else if (status >= 400)
        result.error = QStringLiteral("The server answered %1").arg(status);
    else
        result.bytes = reply->readAll();
    m_running = nullptr;
    reply->deleteLater();
    return result;
}

Transfer::Result HttpTransfer::fetchText(const QUrl& url)
{
    Result result = fetchBytes(url);
    result.text = TextCodec::decodeEightBit(result.bytes);
    return result;
}

void HttpTransfer::cancel()
{
    if (m_running) {
        m_cancelled = true;
        m_running->abort();
    }
}
