#include "playback/MediaKeys.h"

#include "playback/Playback.h"
#include "playback/core/NowPlaying.h"

#include <QTimer>

MediaKeys::MediaKeys(Parts parts) : m_parts(std::move(parts))
{
    MediaControls& controls = m_parts.controls;
    Playback& playback = m_parts.playback;
    connect(&controls, &MediaControls::playRequested, this, [&playback] { playback.resume(); });
    connect(&controls, &MediaControls::pauseRequested, this, [&playback] { playback.pause(); });
    connect(&controls, &MediaControls::playPauseRequested, this, [&playback] { playback.togglePause(); });
    connect(&controls, &MediaControls::stopRequested, this, [&playback] { playback.stop(); });
    connect(&controls, &MediaControls::nextRequested, this, [this] { step(1); });
    connect(&controls, &MediaControls::previousRequested, this, [this] { step(-1); });
    connect(&controls, &MediaControls::raiseRequested, this, [this] {
        if (m_parts.raise)
            m_parts.raise();
    });
    connect(&controls, &MediaControls::openRequested, this, [this](const QString& address) {
        if (m_parts.open)
            m_parts.open(address);
    });
    MediaPlayer& engine = m_parts.engine;
    connect(&controls, &MediaControls::seekRequested, this, [&engine](double to) { engine.seek(to); });
    connect(&controls, &MediaControls::volumeRequested, this,
        [&engine](double volume) { engine.setVolume(static_cast<int>(volume * 100 + 0.5)); });

    connect(&engine, &MediaPlayer::stateChanged, this, [this](MediaPlayer::State state) {
        if (state == MediaPlayer::State::Loading) {
            ++m_state.track;
            m_state.streamTitle.clear();
            m_state.lengthSeconds = 0;
            m_state.canSeek = false;
        }
        m_engineState = state;
        schedulePublish();
    });
    connect(&engine, &MediaPlayer::streamTitleChanged, this, [this](const QString& title) {
        m_state.streamTitle = title;
        schedulePublish();
    });
    connect(&engine, &MediaPlayer::volumeChanged, this, [this](int percent) {
        m_state.volume = percent / 100.0;
        schedulePublish();
    });
    connect(&engine, &MediaPlayer::seekableChanged, this, [this](bool seekable) {
        m_state.canSeek = seekable;
        schedulePublish();
    });
    connect(&engine, &MediaPlayer::positionChanged, this, [this](double at, double duration) {
        m_parts.controls.setPosition(at);
        if (duration != m_state.lengthSeconds) {
            m_state.lengthSeconds = duration;
            schedulePublish();
        }
    });
    m_parts.controls.start();
}

MediaKeys::~MediaKeys() = default;

void MediaKeys::step(int by)
{
    if (m_parts.nowPlaying.localFiles.listMode)
        m_parts.playback.stepList(by);
    else if (m_parts.walkTree)
        m_parts.walkTree(by);
}

void MediaKeys::schedulePublish()
{
    if (std::exchange(m_publishPending, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_publishPending = false;
        publish();
    });
}

void MediaKeys::publish()
{
    using State = MediaPlayer::State;
    using Status = MediaControlsState::Status;
    const bool running = m_engineState == State::Playing || m_engineState == State::Loading;
    m_state.status = running             ? Status::Playing
        : m_engineState == State::Paused ? Status::Paused
                                         : Status::Stopped;
    m_state.itemName = m_parts.nowPlaying.title;
    m_state.canPause = m_engineState == State::Playing || m_engineState == State::Paused;
    m_state.canPlay = m_state.canPause || m_parts.playback.canResume();
    m_state.canGoNext = true;
    m_parts.controls.publish(m_state);
}
