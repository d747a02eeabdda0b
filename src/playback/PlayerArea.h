#pragma once

#include "platform/MediaPlayer.h"

#include <QObject>

#include <functional>
#include <memory>

class PlayerWindow;
class QStackedLayout;
class QUrl;
class QWidget;
class StartPage;
class WebView;
struct PlayerContext;

// The player area of the main window: the start page, the four player windows sharing
// the media engine, and the movie-store page, one at a time.
class PlayerArea final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlayerArea)
public:
    struct Parts {
        MediaPlayer& engine;
        std::function<std::unique_ptr<WebView>()> makeWebView; // the store page, made when first needed
        std::function<void(const QUrl&)> open; // the desktop's "Open"
        QString settingsFolder; // named on the start page
    };

    PlayerArea(QWidget* area, Parts parts, const PlayerContext& context);
    ~PlayerArea() override;

    // Shows the window of an operator: 0 VideoRm, 1 VideoWm, 2 VideoWinMap, 3 VideoQT,
    // 5 Amazon, anything else the start page. Returns the player window, if it is one.
    PlayerWindow* show(int op);

    PlayerWindow* player(int op) const;
    WebView* moviePage();
    QWidget* currentWidget() const;
    MediaPlayer& engine() { return m_engine; }

private:
    void connectPicture();

    MediaPlayer& m_engine;
    Parts m_parts;
    QStackedLayout* m_stack;
    StartPage* m_startPage;
    PlayerWindow* m_players[4] = {};
    PlayerWindow* m_current = nullptr;
    bool m_pictureConnected = false;
    std::unique_ptr<WebView> m_moviePage;
    QWidget* m_movieHolder = nullptr;
};
