#pragma once

#include "playback/PlaybackFace.h"

#include <QMetaObject>
#include <QString>

#include <functional>
#include <memory>

class CatalogueFace;
class MainWindow;
class MediaPlayer;
class PlayerArea;
class PlayerWindow;
class QUrl;
class RecentFilesMenu;
class WebView;
struct ProgramState;

// RunVideo: the one way anything plays, and the commands around it (Watch entries, the
// Video menu's size modes); playback's face to the other features.
class Playback final : public PlaybackFace {
public:
    struct Parts {
        const ProgramState& program;
        NowPlaying& nowPlaying;
        MainWindow& window;
        CatalogueFace& catalogue;
        MediaPlayer& engine;
        std::function<std::unique_ptr<WebView>()> makeWebView;
        std::function<void(const QUrl&)> open;
    };

    explicit Playback(Parts parts);
    ~Playback() override;
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    void runVideo(const PlayRequest& request);
    void playItem(const PlayRequest& request) override;
    const NowPlaying& nowPlaying() const override { return m_parts.nowPlaying; }
    void watchFavorite(); // favoriteWatchAction
    void fitToSize();
    void normalSize();
    void fullScreen();

    // The commands of the desktop's media keys, on the player that shows.
    void resume(); // a paused item goes on, an item stopped or ended starts again
    void pause();
    void togglePause();
    void stop();
    bool canResume() const;
    // Plays the file `step` places on in the list of local files playing, wrapping.
    void stepList(int step);

    PlayerArea& area() { return *m_area; }
    RecentFilesMenu& recent() { return *m_recent; }

private:
    QString advanceList();
    PlayerWindow* currentPlayer() const;
    void playStorePage(const QByteArray& html);

    Parts m_parts;
    std::unique_ptr<RecentFilesMenu> m_recent;
    std::unique_ptr<PlayerArea> m_area;
    QString m_lastSource; // the address last given to a player window
};
