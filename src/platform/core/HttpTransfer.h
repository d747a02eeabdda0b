#pragma once

#include "platform/core/Transfer.h"

#include <QPointer>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

// HTTP and HTTPS through QNetworkAccessManager, run in a local event loop.
class HttpTransfer final : public Transfer {
public:
    struct Timeouts {
        std::chrono::milliseconds connect {8000}; // until the response headers arrive
        std::chrono::milliseconds total {30000}; // the whole transfer
    };

    HttpTransfer();
    explicit HttpTransfer(Timeouts timeouts);
    ~HttpTransfer() override;

    Result fetchBytes(const QUrl& url) override;
    Result fetchText(const QUrl& url) override;
    void cancel() override;

private:
    Timeouts m_timeouts;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QPointer<QNetworkReply> m_running;
    bool m_cancelled = false;
};
