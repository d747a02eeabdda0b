#pragma once

#include "net/core/AnnouncementRotation.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class ProgramFolder;
class MainWindow;
class Shell;
class Transfer;
class WebView;

// The announcement banner under the player area: every minute the next announcement of
// the table, an address it opens or markup it shows; the local picture linking to the
// vendor's site when the server cannot be reached. Server markup is shown with the
// server as its origin, so it never reaches local files, and every link the user follows
// opens in the user's web browser.
class AnnouncementBanner final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnnouncementBanner)
public:
    struct Parts {
        const ProgramFolder& folder;
        MainWindow& window;
        Transfer& transfer;
        Shell& shell;
        std::function<std::unique_ptr<WebView>()> makeWebView;
        std::function<QStringList()> announcements; // the table the update check read
        QUrl serverRoot;
    };

    explicit AnnouncementBanner(Parts parts);
    ~AnnouncementBanner() override;

    // The minute ticks from now on; the banner's page is made when it first has something to show.
    void startTicking() { m_timer.start(); }
    // One tick of the minute timer; start-up calls it too.
    void tick();
    const AnnouncementRotation& rotation() const { return m_rotation; }
    // The offline banner's markup, as "a.html" holds it.
    QString offlineMarkup() const;
    QString offlinePage() const;

private:
    void show(const AnnouncementRotation::Show& show);
    void present(const AnnouncementRotation::Show& show);
    WebView* view();

    Parts m_parts;
    QTimer m_timer; // a minute
    AnnouncementRotation m_rotation;
    std::unique_ptr<WebView> m_view;
    bool m_probing = false;
    std::optional<AnnouncementRotation::Show> m_held; // until the window is first drawn
};
