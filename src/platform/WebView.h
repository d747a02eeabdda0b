#pragma once

#include <QObject>
#include <QUrl>

class QWidget;

// An embedded web page. Content from lists or the server never reaches local files.
class WebView : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~WebView() override = default;

    virtual QWidget* widget() = 0;
    virtual void navigate(const QUrl& url) = 0;
    virtual void setHtml(const QString& html, const QUrl& baseUrl) = 0;
    virtual void stop() = 0;
    // When set, a link the user follows is not opened here but reported instead.
    virtual void setExternalLinks(bool external) = 0;

Q_SIGNALS:
    void linkRequested(const QUrl& url);
    void loadFinished(bool ok);
};
