#pragma once

#include "platform/MediaControls.h"
#include "platform/MediaPlayer.h"

#include <QObject>

#include <functional>

class Playback;
struct NowPlaying;

// The desktop's media keys and panel player, tied to the engine: what plays is published
// as it changes, and the desktop's requests become the players' commands.
class MediaKeys final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MediaKeys)
public:
    struct Parts {
        MediaControls& controls;
        MediaPlayer& engine;
        Playback& playback;
        const NowPlaying& nowPlaying;
        std::function<void(int step)> walkTree; // plays the item `step` places on in its branch
        std::function<void()> raise; // brings the main window to the front
        std::function<void(const QString&)> open; // plays a file or address
    };

    explicit MediaKeys(Parts parts);
    ~MediaKeys() override;

private:
    void step(int by);
    // Publishes once the event at hand is handled, so that one change is one announcement.
    void schedulePublish();
    void publish();

    Parts m_parts;
    MediaControlsState m_state;
    MediaPlayer::State m_engineState = MediaPlayer::State::Stopped;
    bool m_publishPending = false;
};
