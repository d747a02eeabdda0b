#pragma once

#include "platform/core/Transfer.h"

#include <QList>
#include <QPointer>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

// HTTP and HTTPS through QNetworkAccessManager.
class HttpTransfer final : public Transfer {
public:
    struct Timeouts {
        std::chrono::milliseconds connect {3000}; // until the response headers arrive
        std::chrono::milliseconds total {30000}; // the whole transfer
    };

    HttpTransfer();
    explicit HttpTransfer(Timeouts timeouts);
    ~HttpTransfer() override;

    void fetch(const QUrl& url, qint64 maxBytes, Done done) override;
    void cancelAll() override;

private:
    Timeouts m_timeouts;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QList<QPointer<QNetworkReply>> m_running;
};
