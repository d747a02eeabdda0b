#pragma once

#include "platform/core/Prober.h"

#include <QList>
#include <QPointer>

#include <chrono>

class QNetworkReply;

// Probes over HTTP and HTTPS: a GET that ends after its first kilobytes, or at its time-out.
// Each probe has a network manager of its own, gone with it: a manager queues requests to a
// host it is busy with, and keeps a connection a server holds open even after its request
// was abandoned, so shared ones would soon leave the next probes waiting past their time.
class HttpProber final : public Prober {
public:
    static constexpr qint64 kPeekBytes = 4096;

    explicit HttpProber(std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));
    ~HttpProber() override;

    void probe(const QUrl& url, Done done) override;
    void cancelAll() override;

private:
    std::chrono::milliseconds m_timeout;

    QList<QPointer<QNetworkReply>> m_running;
};
