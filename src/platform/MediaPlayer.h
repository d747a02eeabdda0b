#pragma once

#include <QObject>
#include <QString>

class QWidget;

// One media engine shared by the player windows. Setting a source starts playback.
class MediaPlayer : public QObject {
    Q_OBJECT
public:
    enum class State { Stopped, Loading, Playing, Paused, Ended, Failed };
    enum class SizeMode { Fit, Natural, Stretch };

    using QObject::QObject;
    ~MediaPlayer() override = default;

    // Makes the engine ready now rather than at its first use, so the first item played
    // does not wait for it.
    virtual void prepare() { }
    // The widget the picture is drawn in; owned by the engine's host window.
    virtual QWidget* videoSurface() = 0;
    virtual void play(const QString& source) = 0;
    virtual void stop() = 0;
    virtual void setPaused(bool paused) = 0;
    virtual void setVolume(int percent) = 0;
    virtual void setMuted(bool muted) = 0;
    virtual void seek(double seconds) = 0;
    virtual void setSizeMode(SizeMode mode) = 0;
    virtual State state() const = 0;

Q_SIGNALS:
    void stateChanged(MediaPlayer::State state);
    void failed(const QString& reason);
    void positionChanged(double seconds, double duration);
    void bufferingChanged(bool buffering);
    // Whether the item shows a picture; false for sound alone (a radio station).
    void videoChanged(bool hasVideo);
    // The stream's current title from its metadata (a station's "now playing"); empty for none.
    void streamTitleChanged(const QString& title);
    // The engine's volume, 0 to 100, whoever set it.
    void volumeChanged(int percent);
    // Whether the item playing can be sought in.
    void seekableChanged(bool seekable);
};
