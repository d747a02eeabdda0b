#include "platform/WebEngineView.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

// Reports links the user follows instead of opening them, while external links are on.
class GuardedPage final : public QWebEnginePage {
public:
    GuardedPage(QWebEngineProfile* profile, WebEngineView* owner)
        : QWebEnginePage(profile, owner), m_owner(owner)
    {
    }

    bool external = false;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        if (external && type == NavigationTypeLinkClicked) {
            Q_EMIT m_owner->linkRequested(url);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }

    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }

private:
    WebEngineView* m_owner;
};

WebEngineView::WebEngineView(QObject* parent) : WebView(parent) { }

WebEngineView::~WebEngineView()
{
    if (m_view && !m_view->parent())
        delete m_view;
}

QWidget* WebEngineView::widget()
{
    if (m_view)
        return m_view;
    m_view = new QWebEngineView;
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    // An off-the-record profile of our own: nothing of these pages is kept on disk.
    auto* profile = new QWebEngineProfile(m_view);
    m_page = new GuardedPage(profile, this);
    QWebEngineSettings* settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
    m_view->setPage(m_page);
    connect(m_page, &QWebEnginePage::loadFinished, this, &WebView::loadFinished);
    return m_view;
}

void WebEngineView::navigate(const QUrl& url)
{
    widget();
    m_page->load(url);
}

void WebEngineView::setHtml(const QString& html, const QUrl& baseUrl)
{
    widget();
    m_page->setHtml(html, baseUrl);
}

void WebEngineView::stop()
{
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Stop);
}

void WebEngineView::setExternalLinks(bool external)
{
    widget();
    m_page->external = external;
}

void WebEngineView::runScript(const QString& script, const std::function<void(const QVariant&)>& done)
{
    widget();
    m_page->runJavaScript(script, done);
}
