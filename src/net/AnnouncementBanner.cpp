#include "net/AnnouncementBanner.h"

#include "base/FileIo.h"
#include "base/Numbers.h"
#include "platform/WebView.h"
#include "platform/core/Shell.h"
#include "platform/core/Transfer.h"
#include "state/ProgramFolder.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QFrame>
#include <QLayout>

#include <utility>

namespace {
constexpr qint64 kProbeBytes = 4096;
constexpr qint64 kPictureBytes = 1024 * 1024;
} // namespace

AnnouncementBanner::AnnouncementBanner(Parts parts) : m_parts(std::move(parts))
{
    m_timer.setObjectName(QStringLiteral("TmBrowser"));
    m_timer.setInterval(60000);
    connect(&m_timer, &QTimer::timeout, this, &AnnouncementBanner::tick);
}

AnnouncementBanner::~AnnouncementBanner() = default;

QString AnnouncementBanner::offlineMarkup() const
{
    const QString root = m_parts.serverRoot.toString();
    const QString host = m_parts.serverRoot.host();
    return QStringLiteral("<a href='%1' title='%2' target='_blank'><img border=0 alt='%2' src='%3'></a>")
        .arg(root, host, QDir::toNativeSeparators(m_parts.folder.file(QStringLiteral("Ann.gif"))));
}

void AnnouncementBanner::tick()
{
    const QStringList table = m_parts.announcements();
    const int count = table.isEmpty() ? 0 : toInt16(table.first()).value_or(0);
    if (m_probing || !m_rotation.startTick(count, m_parts.window.isVisible()))
        return;
    m_probing = true;
    QPointer<AnnouncementBanner> self(this);
    m_parts.transfer.fetch(m_parts.serverRoot.resolved(QUrl(QStringLiteral("1.txt"))), kProbeBytes,
        [self](const Transfer::Result& probe) {
            if (!self)
                return;
            self->m_probing = false;
            self->show(
                self->m_rotation.probed(probe.ok() && !probe.bytes.isEmpty(), self->m_parts.announcements()));
        });
}

WebView* AnnouncementBanner::view()
{
    if (!m_view && m_parts.makeWebView) {
        m_view = m_parts.makeWebView();
        if (m_view) {
            m_view->setExternalLinks(true);
            m_view->setPageOrigin(m_parts.serverRoot);
            m_view->setScrollBarsShown(false); // the bar shows a banner, never a part of a page
            connect(m_view.get(), &WebView::linkRequested, this,
                [this](const QUrl& url) { m_parts.shell.open(url); });
            m_parts.window.bannerBar().layout()->addWidget(m_view->widget());
        }
    }
    return m_view.get();
}

// The offline banner as the view shows it: the picture from the program folder, inline,
// scaled to fit the bar whole; the server's host name as a plain link where the picture is
// missing or unreadable.
QString AnnouncementBanner::offlinePage() const
{
    const QString root = m_parts.serverRoot.toString().toHtmlEscaped();
    const QString host = m_parts.serverRoot.host().toHtmlEscaped();
    const FileIo::ReadResult picture
        = FileIo::readWholeFile(m_parts.folder.file(QStringLiteral("Ann.gif")), kPictureBytes);
    const QString content = picture.ok() && picture.bytes.startsWith("GIF8")
        ? QStringLiteral("<img alt='%1' src='data:image/gif;base64,%2'>")
              .arg(host, QString::fromLatin1(picture.bytes.toBase64()))
        : host;
    return QStringLiteral("<html><head><style>"
                          "html,body{margin:0;height:100%;overflow:hidden;font:14px sans-serif}"
                          "body{display:flex;align-items:center;justify-content:center}"
                          "img{display:block;max-width:100vw;max-height:100vh;border:0}"
                          "</style></head><body><a href='%1' title='%2' target='_blank'>%3</a></body></html>")
        .arg(root, host, content);
}

void AnnouncementBanner::show(const AnnouncementRotation::Show& shown)
{
    using Kind = AnnouncementRotation::Show::Kind;
    if (shown.kind == Kind::Nothing)
        return;
    if (shown.kind != Kind::Address) {
        const QString markup = shown.kind == Kind::Offline ? offlineMarkup() : shown.text;
        FileIo::writeFileAtomically(m_parts.folder.file(QStringLiteral("a.html")), markup.toUtf8());
    }
    // The page is made once the window is up: loading the web engine takes longer than
    // showing the window does. Only the newest announcement is held.
    if (!m_view && !m_parts.window.firstDrawn().isDrawn()) {
        if (!std::exchange(m_held, shown))
            m_parts.window.firstDrawn().then(this, [this] {
                if (const std::optional<AnnouncementRotation::Show> held = std::exchange(m_held, std::nullopt))
                    present(*held);
            });
        return;
    }
    present(shown);
}

void AnnouncementBanner::present(const AnnouncementRotation::Show& shown)
{
    using Kind = AnnouncementRotation::Show::Kind;
    WebView* banner = view();
    if (!banner)
        return;
    if (shown.kind == Kind::Address) {
        banner->navigate(QUrl(shown.text));
        return;
    }
    // Shown with the server as origin: the page can reach nothing on this computer.
    banner->setHtml(shown.kind == Kind::Offline ? offlinePage() : shown.text, m_parts.serverRoot);
}
