#pragma once

#include <QNetworkProxyFactory>
#include <QProcessEnvironment>

// The proxy the terminal's programs use: http_proxy, https_proxy and no_proxy (either
// case), read once. The media engine reads the same variables, so lists, pages and streams
// go the same way. Loopback never goes through a proxy; nothing is looked up on the network.
class EnvironmentProxy final : public QNetworkProxyFactory {
public:
    explicit EnvironmentProxy(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override;

private:
    bool bypasses(const QString& host) const;

    QNetworkProxy m_http;
    QNetworkProxy m_https;
    QStringList m_noProxy; // host suffixes, or "*" for all
};
