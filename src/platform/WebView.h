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
    // When set, a link the user really clicks (a mouse or key press on the view just
    // before) is not opened here but reported instead, and only when it is http(s); a link
    // a script "clicks" is dropped.
    virtual void setExternalLinks(bool external) = 0;
    // When set, the page's own navigations of its top frame (scripts, forms, links) stay
    // on this origin's http(s) pages; without it they stay on http(s) pages. What the
    // program itself loads is not limited.
    virtual void setPageOrigin(const QUrl& origin) = 0;
    // Whether the view shows scroll bars when the page is larger than the view.
    virtual void setScrollBarsShown(bool shown) = 0;

Q_SIGNALS:
    void linkRequested(const QUrl& url);
    void loadFinished(bool ok);
};
