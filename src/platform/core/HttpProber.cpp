#include "platform/core/HttpProber.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace {

struct Probe {
    Prober::Answer answer;
    bool reported = false;
};

} // namespace

HttpProber::HttpProber(std::chrono::milliseconds timeout) : m_timeout(timeout) { }

// Running probes are dropped without calling their `done`: what waits for them is going too.
HttpProber::~HttpProber()
{
    for (const QPointer<QNetworkReply>& reply : std::as_const(m_running)) {
        if (reply) {
            reply->disconnect();
            reply->abort();
            delete reply->manager();
        }
    }
}

void HttpProber::probe(const QUrl& url, Done done)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QStringLiteral("http") && scheme != QStringLiteral("https"))) {
        QTimer::singleShot(0, [done] { done({0, {}, {}, QStringLiteral("Not a web address")}); });
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setRawHeader("Accept-Encoding", "identity");
    request.setRawHeader("Icy-MetaData", "0");
    auto* network = new QNetworkAccessManager;
    QNetworkReply* reply = network->get(request);
    reply->setReadBufferSize(kPeekBytes);
    m_running.append(reply);
    auto probe = std::make_shared<Probe>();

    // Reports once: at the first kilobytes, at the end, or at the time-out, whichever is first.
    const auto report = [this, reply, probe, done](const QString& error) {
        if (probe->reported)
            return;
        probe->reported = true;
        Answer& answer = probe->answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.contentType = reply->rawHeader("Content-Type");
        if (answer.status >= 300 && answer.status < 400)
            answer.status = 0; // a redirect that was not followed to its end: no answer
        if (answer.status == 0)
            answer.error = error.isEmpty() ? reply->errorString() : error;
        m_running.removeAll(reply);
        reply->disconnect();
        reply->abort();
        reply->manager()->deleteLater(); // its connections, and the reply, with it
        QTimer::singleShot(0, [done, answer] { done(answer); });
    };
    auto* timer = new QTimer(reply);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, reply,
        [report, this] { report(QStringLiteral("No answer within %1 s").arg(m_timeout.count() / 1000.0)); });
    timer->start(m_timeout);
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, probe, report] {
        QByteArray& head = probe->answer.head;
        head += reply->read(kPeekBytes - head.size());
        if (head.size() >= kPeekBytes)
            report({});
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, probe, report] {
        if (reply->error() == QNetworkReply::NoError)
            probe->answer.head += reply->read(kPeekBytes - probe->answer.head.size());
        report({});
    });
}

void HttpProber::cancelAll()
{
    const QList<QPointer<QNetworkReply>> running = m_running;
    for (const QPointer<QNetworkReply>& reply : running) {
        if (reply)
            reply->abort(); // its end reports
    }
}
