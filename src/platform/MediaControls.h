#pragma once

#include <QObject>
#include <QString>

// What plays, as the desktop's media keys and panel player show it.
struct MediaControlsState {
    enum class Status { Stopped, Playing, Paused };

    Status status = Status::Stopped;
    QString itemName; // the channel, station or file
    QString streamTitle; // the stream's own title now (a station's song); empty for none
    quint64 track = 0; // changes with every item started
    double lengthSeconds = 0; // 0 for a live stream
    double volume = 1.0; // 0 to 1
    bool canPlay = false;
    bool canPause = false;
    bool canSeek = false;
    bool canGoNext = false;

    bool operator==(const MediaControlsState&) const = default;
};

// The desktop's remote control of the player: media keys, the panel's player widget.
// The program publishes what plays; the desktop's requests arrive as signals.
class MediaControls : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~MediaControls() override = default;

    // Starts offering the controls; nothing here may wait for the desktop.
    virtual void start() = 0;
    virtual void publish(const MediaControlsState& state) = 0;
    // Where playback now stands, read by the desktop when it asks (never announced).
    virtual void setPosition(double seconds) = 0;

Q_SIGNALS:
    void playRequested();
    void pauseRequested();
    void playPauseRequested();
    void stopRequested();
    void nextRequested();
    void previousRequested();
    void raiseRequested();
    void seekRequested(double seconds); // to this position
    void volumeRequested(double volume); // 0 to 1
    void openRequested(const QString& address);
};
