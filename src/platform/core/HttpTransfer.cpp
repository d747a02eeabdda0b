#include "platform/core/HttpTransfer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>
#include <memory>

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

// What a reply has delivered so far, taken from it as it arrives so that its own buffer
// never holds more than its small read buffer. Kept in pieces, so that growing it never
// copies what came before; joined once, when the whole answer is in.
struct Body {
    QList<QByteArray> pieces;
    qint64 size = 0;
    qint64 maxBytes = 0;

    QByteArray joined()
    {
        QByteArray whole;
        whole.reserve(size);
        for (const QByteArray& piece : std::as_const(pieces))
            whole.append(piece);
        pieces.clear();
        return whole;
    }
};

constexpr qint64 kReadBufferBytes = 64 * 1024;

// Answers are asked for uncompressed: unpacking happens outside the body's bound, where a
// small answer can unpack to gigabytes.
bool isCompressed(const QNetworkReply* reply)
{
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    return !encoding.isEmpty() && encoding != "identity";
}

QString tooLarge(qint64 maxBytes) { return QStringLiteral("The answer is larger than %1 bytes").arg(maxBytes); }

// Moves what the reply holds into the body; ends the reply once the body passes its bound.
void takeAvailable(QNetworkReply* reply, Body& body)
{
    while (reply->bytesAvailable() > 0) {
        const qint64 room = std::max<qint64>(body.maxBytes - body.size, 0);
        QByteArray piece = reply->read(std::min<qint64>(reply->bytesAvailable(), room + 1));
        if (piece.isEmpty())
            return;
        body.size += piece.size();
        body.pieces.append(std::move(piece));
        if (body.size > body.maxBytes) {
            body.pieces.clear(); // freed at once, not when the reply goes
            endWith(reply, tooLarge(body.maxBytes));
            return;
        }
    }
}

Transfer::Result resultOf(QNetworkReply* reply, Body& body)
{
    Transfer::Result result;
    const QString reason = reply->property(kEndReason).toString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (reason.isEmpty() && reply->error() == QNetworkReply::NoError)
        takeAvailable(reply, body);
    const QString lateReason = reply->property(kEndReason).toString();
    if (!lateReason.isEmpty())
        result.error = lateReason;
    else if (reply->error() != QNetworkReply::NoError)
        result.error = reply->errorString();
    else if (status >= 400)
        result.error = QStringLiteral("The server answered %1").arg(status);
    else
        result.bytes = body.joined();
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
    request.setRawHeader("Accept-Encoding", "identity");
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

    // The reply holds at most its read buffer; the body is taken from it as it arrives
    // and counted, whatever the transfer encoding, and an answer that says it is too
    // large is ended before its first byte.
    reply->setReadBufferSize(kReadBufferBytes);
    auto body = std::make_shared<Body>();
    body->maxBytes = maxBytes;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, maxBytes] {
        const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
        if (isCompressed(reply))
            endWith(reply, QStringLiteral("The server sent a compressed answer, which was not asked for"));
        else if (announced.isValid() && announced.toLongLong() > maxBytes)
            endWith(reply, tooLarge(maxBytes));
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, body] { takeAvailable(reply, *body); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply, body, done = std::move(done)] {
        m_running.removeAll(reply);
        const Result result = resultOf(reply, *body);
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
