#pragma once

#include "platform/MediaPlayer.h"

#include <QWidget>

#include <chrono>
#include <functional>

class AudioPanel;
class QIcon;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class QVBoxLayout;

// What a player window needs of the program to follow its event rules.
struct PlayerContext {
    std::function<bool()> listMode; // a list of local files plays
    std::function<bool()> consumeIgnoreNextStop; // true once after a list starts
    std::function<QString()> advanceList; // next file's path, the tree marks moved
    std::function<QString()> currentListFile; // the path of the list's current file
    std::function<void(const QString&)> showTitle;
};

// One of the player windows over the player area. They share the one media engine; each
// keeps its own rules for the engine's reports:
//   VideoRm: a stop or end advances a playing list, except the stop it was told to
//            ignore; two clicks 0.2 to 0.6 s apart switch to full screen.
//   VideoWm, VideoWinMap: the end of a file advances the list, the next file starting
//            one advanceTimer tick later; a double-click while playing switches to full screen.
//   VideoQT: no list advance.
class PlayerWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlayerWindow)
public:
    enum class Rules { RealAudio, WindowsMedia, QuickTime, WinMap };

    PlayerWindow(Rules rules, MediaPlayer& engine, PlayerContext context, QWidget* parent = nullptr);
    ~PlayerWindow() override;

    Rules rules() const { return m_rules; }
    // Puts the engine's picture into this window.
    void takeVideo();
    void play(const QString& source);
    void setFullScreen(bool full);
    bool isFullScreenShown() const { return m_fullScreen; }

    // The engine's reports, passed on by the player area while this window is current.
    void engineState(MediaPlayer::State state);
    void engineFailed(const QString& reason);
    void enginePosition(double seconds, double duration);
    void engineBuffering(bool buffering);
    void engineVideo(bool hasVideo);
    void engineStreamTitle(const QString& title);
    // The engine's volume, set here or by the desktop's controls.
    void engineVolume(int percent);
    // The item about to play, for the panel shown while it has no picture.
    void setItem(const QString& name, const QIcon& icon);
    // A left click on the picture (RealAudio's double-click by time) and a double-click.
    void pictureClicked();
    void pictureDoubleClicked();

    // Milliseconds of the clock the click timing reads; a steady clock unless replaced.
    void setClock(std::function<qint64()> clock);

    QLabel* errorLine() const { return m_error; }
    QLabel* statusLine() const { return m_status; }
    QTimer* advanceTimer = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void advanceNow();
    // The slider at its start and no time: before each item and after a failure.
    void resetPosition();
    // The sound-only panel while a playing item has no picture, else the picture.
    void showPanelOrPicture();

    Rules m_rules;
    MediaPlayer& m_engine;
    PlayerContext m_context;
    QVBoxLayout* m_videoArea = nullptr;
    QPushButton* m_playPause = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_mute = nullptr;
    QSlider* m_seek = nullptr;
    QSlider* m_volume = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_error = nullptr;
    AudioPanel* m_audioPanel = nullptr;
    bool m_hasVideo = false;
    std::function<qint64()> m_clock = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    qint64 m_lastClickMs = -1;
    bool m_fullScreen = false;
    bool m_seeking = false;
    QWidget* m_parentBeforeFullScreen = nullptr;
};
