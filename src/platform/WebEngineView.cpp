#include "platform/WebEngineView.h"

#include "platform/core/NavigationPolicy.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

// How long after a press on the view a link counts as the user's.
constexpr int kUserGestureMs = 1500;

// Beside the sandbox's helper that starts the renderers, the engine keeps a second one
// ready for helpers without a sandbox, which these pages never need; it held about 20 MB.
// Without it, such a helper would be started directly.
constexpr char kEngineFlags[] = "--no-unsandboxed-zygote";
constexpr char kEngineFlagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";

// The engine reads its flags from the environment once, as it starts with the first
// profile. Ours are added to the user's own while it starts, then taken back, so programs
// started from here do not inherit them.
class EngineFlagsWhileStarting {
public:
    EngineFlagsWhileStarting()
        : m_wasSet(qEnvironmentVariableIsSet(kEngineFlagsVariable)), m_own(qgetenv(kEngineFlagsVariable))
    {
        qputenv(
            kEngineFlagsVariable, m_own.isEmpty() ? QByteArray(kEngineFlags) : m_own + ' ' + kEngineFlags);
    }
    ~EngineFlagsWhileStarting()
    {
        if (m_wasSet)
            qputenv(kEngineFlagsVariable, m_own);
        else
            qunsetenv(kEngineFlagsVariable);
    }
    Q_DISABLE_COPY_MOVE(EngineFlagsWhileStarting)

private:
    bool m_wasSet;
    QByteArray m_own;
};

QWebEngineProfile* makeProfile(QObject* parent)
{
    static bool engineStarted = false;
    if (engineStarted)
        return new QWebEngineProfile(parent);
    engineStarted = true;
    const EngineFlagsWhileStarting flags;
    return new QWebEngineProfile(parent);
}

} // namespace

// Decides every navigation the page asks for: the program's own loads pass; a link the
// user clicked is reported while external links are on; the page's own navigations stay
// on web pages (of one origin, when set). Scripts raise no dialogs.
class GuardedPage final : public QWebEnginePage {
public:
    GuardedPage(QWebEngineProfile* profile, WebEngineView* owner) : QWebEnginePage(profile, owner), m_owner(owner) { }

    bool external = false;
    QUrl pageOrigin;

    void userActed() { m_lastInput = QDeadlineTimer(kUserGestureMs); }
    // The program's own next load, which passes whatever it is.
    void expectLoad(const QUrl& url) { m_expected = url; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        using namespace NavigationPolicy;
        const Origin origin = originOf(url, type, isMainFrame);
        if (origin == Origin::Program)
            m_expected.clear();
        if (origin == Origin::UserClick)
            m_lastInput = QDeadlineTimer(0); // one press, one link
        switch (decide(Rules {external, pageOrigin}, url, origin, isMainFrame)) {
        case Decision::Load:
            return true;
        case Decision::HandOn:
            Q_EMIT m_owner->linkRequested(url);
            return false;
        case Decision::Refuse:
            break;
        }
        return false;
    }

    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
    void javaScriptAlert(const QUrl&, const QString&) override { }
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override { return false; }

private:
    NavigationPolicy::Origin originOf(const QUrl& url, NavigationType type, bool isMainFrame) const
    {
        using NavigationPolicy::Origin;
        if (isMainFrame && (type == NavigationTypeTyped || isExpected(url)))
            return Origin::Program;
        if (type == NavigationTypeLinkClicked)
            return m_lastInput.hasExpired() ? Origin::ScriptClick : Origin::UserClick;
        if (type == NavigationTypeRedirect)
            return Origin::Redirect;
        return Origin::Page;
    }

    bool isExpected(const QUrl& url) const
    {
        if (m_expected.isEmpty())
            return false;
        return m_expected.scheme() == QLatin1String("data") ? url.scheme() == QLatin1String("data") : url == m_expected;
    }

    WebEngineView* m_owner;
    QDeadlineTimer m_lastInput {0};
    QUrl m_expected;
};

// Notes the user's presses on the view and on the widget that renders it, which the web
// engine adds as a child of its own.
class UserInputWatch final : public QObject {
public:
    UserInputWatch(QWidget* view, GuardedPage* page) : QObject(view), m_page(page) { watch(view); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
            m_page->userActed();
            break;
        case QEvent::ChildAdded:
            watch(static_cast<QChildEvent*>(event)->child());
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void watch(QObject* object)
    {
        if (!object->isWidgetType())
            return;
        object->installEventFilter(this);
        for (QObject* child : object->children())
            watch(child);
    }

    GuardedPage* m_page;
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
    auto* profile = makeProfile(m_view);
    m_page = new GuardedPage(profile, this);
    QWebEngineSettings* settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
    m_view->setPage(m_page);
    new UserInputWatch(m_view, m_page);
    connect(m_page, &QWebEnginePage::loadFinished, this, &WebView::loadFinished);
    return m_view;
}

void WebEngineView::navigate(const QUrl& url)
{
    widget();
    m_page->expectLoad(url);
    m_page->load(url);
}

void WebEngineView::setHtml(const QString& html, const QUrl& baseUrl)
{
    widget();
    m_page->expectLoad(QUrl(QStringLiteral("data:")));
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

void WebEngineView::setPageOrigin(const QUrl& origin)
{
    widget();
    m_page->pageOrigin = origin;
}

void WebEngineView::setScrollBarsShown(bool shown)
{
    widget();
    m_page->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, shown);
}

void WebEngineView::runScript(const QString& script, const std::function<void(const QVariant&)>& done)
{
    widget();
    m_page->runJavaScript(script, done);
}
