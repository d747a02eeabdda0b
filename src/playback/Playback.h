#pragma once

#include "catalogue/core/PlaybackState.h"

#include <QMetaObject>
#include <QString>

#include <functional>
#include <memory>

class QIcon;
struct AppState;
class CatalogueView;
class MainWindow;
class MediaPlayer;
class PlayerArea;
class QUrl;
class RecentFilesMenu;
class WebView;

// RunVideo: the one way anything plays, and the commands around it (Watch entries, the
// Video menu's size modes).
class Playback final {
public:
    struct Parts {
        AppState& state;
        MainWindow& window;
        CatalogueView& view;
        MediaPlayer& engine;
        std::function<std::unique_ptr<WebView>()> makeWebView;
        std::function<void(const QUrl&)> open;
    };

    explicit Playback(Parts parts);
    ~Playback();
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    void runVideo(const PlayRequest& request);
    void watchFavorite(); // favoriteWatchAction
    void fitToSize();
    void normalSize();
    void fullScreen();

    PlayerArea& area() { return *m_area; }
    RecentFilesMenu& recent() { return *m_recent; }

private:
    QString advanceList();
    void playStorePage(const QByteArray& html);
    QIcon itemIcon(const PlayRequest& request) const;

    Parts m_parts;
    std::unique_ptr<RecentFilesMenu> m_recent;
    std::unique_ptr<PlayerArea> m_area;
};
