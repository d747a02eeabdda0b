#include "platform/core/HttpTransfer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

// The reason a reply is ended early, kept on the reply so that its end reports it.
const char* const kEndReason = "vidorraEndReason";

void endWith(QNetworkReply* reply, const QString& reason)
{
    if (!reply->property(kEndReason).toString().isEmpty() || reply->isFinished())
        return; // ended once already
    reply->setProperty(kEndReason, reason);
    reply->abort();
}

void reportLater(const Transfer::Done& done, Transfer::Result result)
{
    QTimer::singleShot(0, [done, result = std::move(result)] { done(result); });
}

Transfer::Result resultOf(QNetworkReply* reply, qint64 maxBytes)
{
    Transfer::Result result;
    const QString reason = reply->property(kEndReason).toString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (!reason.isEmpty())
        result.error = reason;
    else if (reply->error() != QNetworkReply::NoError)
        result.error = reply->errorString();
    else if (status >= 400)
        result.error = QStringLiteral("The server answered %1").arg(status);
    else
        result.bytes = reply->readAll();
    if (result.ok() && result.bytes.size() > maxBytes)
        result = {{}, QStringLiteral("The answer is larger than %1 bytes").arg(maxBytes)};
    if (result.ok() && announced.isValid() && announced.toLongLong() != result.bytes.size())
        result = {{}, QStringLiteral("The answer ended after %1 of %2 bytes").arg(result.bytes.size()).arg(announced.toLongLong())};
    return result;
}

} // namespace

HttpTransfer::HttpTransfer() : HttpTransfer(Timeouts {}) { }

HttpTransfer::HttpTransfer(Timeouts timeouts)
    : m_timeouts(timeouts), m_network(std::make_unique<QNetworkAccessManager>())
{
}

// Running fetches are dropped without calling their `done`: what waits for them is going too.
HttpTransfer::~HttpTransfer()
{
    for (const QPointer<QNetworkReply>& reply : std::as_const(m_running)) {
        if (reply) {
            reply->disconnect();
            reply->abort();
            reply->deleteLater();
        }
    }
}

void HttpTransfer::fetch(const QUrl& url, qint64 maxBytes, Done done)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QStringLiteral("http") && scheme != QStringLiteral("https"))) {
        reportLater(done, {{}, QStringLiteral("Unsupported address: %1").arg(url.toString())});
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply* reply = m_network->get(request);
    m_running.append(reply);

    auto* connectTimer = new QTimer(reply);
    connectTimer->setSingleShot(true);
    QObject::connect(connectTimer, &QTimer::timeout, reply, [reply, url, this] {
        endWith(reply, QStringLiteral("No answer from %1 within %2 s").arg(url.host()).arg(m_timeouts.connect.count() / 1000.0));
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, connectTimer, &QTimer::stop);
    connectTimer->start(m_timeouts.connect);

    auto* totalTimer = new QTimer(reply);
    totalTimer->setSingleShot(true);
    QObject::connect(totalTimer, &QTimer::timeout, reply, [reply, url, this] {
        endWith(reply, QStringLiteral("The transfer from %1 took longer than %2 s").arg(url.host()).arg(m_timeouts.total.count() / 1000.0));
    });
    totalTimer->start(m_timeouts.total);

    // An answer that says or shows it is too large is ended at once, before it fills memory.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, maxBytes] {
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (announced.isValid() && announced.toLongLong() > maxBytes)
            endWith(reply, QStringLiteral("The answer is larger than %1 bytes").arg(maxBytes));
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, maxBytes](qint64 received, qint64) {
        if (received > maxBytes)
            endWith(reply, QStringLiteral("The answer is larger than %1 bytes").arg(maxBytes));
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply, maxBytes, done = std::move(done)] {
        m_running.removeAll(reply);
        const Result result = resultOf(reply, maxBytes);
        reply->deleteLater();
        done(result);
    });
}

void HttpTransfer::cancelAll()
{
    const QList<QPointer<QNetworkReply>> running = m_running;
    for (const QPointer<QNetworkReply>& reply : running) {
        if (reply)
            endWith(reply, QStringLiteral("The transfer was cancelled"));
    }
}
