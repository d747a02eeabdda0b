#pragma once

#include "platform/WebView.h"

#include <QPointer>

class QWebEngineView;
class GuardedPage;

// An embedded page through Qt WebEngine. Pages from lists or the server never reach
// local files, navigate nowhere but to web pages, open no windows of their own, raise no
// dialogs and show no context menu.
class WebEngineView final : public WebView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebEngineView)
public:
    explicit WebEngineView(QObject* parent = nullptr);
    ~WebEngineView() override;

    QWidget* widget() override;
    void navigate(const QUrl& url) override;
    void setHtml(const QString& html, const QUrl& baseUrl) override;
    void stop() override;
    void setExternalLinks(bool external) override;
    void setPageOrigin(const QUrl& origin) override;
    void setScrollBarsShown(bool shown) override;

    // Runs a script in the page and hands its result to `done`, for tests.
    void runScript(const QString& script, const std::function<void(const QVariant&)>& done);

private:
    QPointer<QWebEngineView> m_view;
    GuardedPage* m_page = nullptr;
};
