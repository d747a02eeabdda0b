#pragma once

#include "platform/core/Prober.h"

#include <QList>
#include <QPointer>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

// Probes over HTTP and HTTPS: a GET that ends after its first kilobytes, or at its time-out.
class HttpProber final : public Prober {
public:
    static constexpr qint64 kPeekBytes = 4096;

    explicit HttpProber(std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));
    ~HttpProber() override;

    void probe(const QUrl& url, Done done) override;
    void cancelAll() override;

private:
    std::chrono::milliseconds m_timeout;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QList<QPointer<QNetworkReply>> m_running;
};
