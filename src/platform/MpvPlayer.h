#pragma once

#include "platform/MediaPlayer.h"
#include "platform/MpvVideoWidget.h"

#include <QByteArray>
#include <QList>

#include <utility>
#include <vector>

#include <QElapsedTimer>
#include <QPointer>

struct mpv_handle;
struct mpv_event;
struct MpvLibrary;

// The media engine: one libmpv instance, drawn through the render API into a widget.
// libmpv reports on a thread of its own; its wakeup callback only queues a call to the
// user-interface thread, which then drains the events. The instance (and libmpv itself)
// is made at the first use, so that it costs the program's start nothing.
class MpvPlayer final : public MediaPlayer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MpvPlayer)
public:
    struct Options {
        bool nullOutputs = false; // no window and no sound card: for tests
        int networkTimeoutSeconds = 15;
        // A sound device to use instead of the system's (with nullOutputs, instead of none):
        // tests name one that does not exist to see the program without a sound device.
        QByteArray audioDevice;
        MpvVideoWidget::Drawing drawing = MpvVideoWidget::Drawing::Automatic;
    };

    explicit MpvPlayer(Options options, QObject* parent = nullptr);
    // The engine's options for these choices, in the order they are set.
    static QList<std::pair<QByteArray, QByteArray>> engineOptions(const Options& options);
    ~MpvPlayer() override;

    void prepare() override;
    QWidget* videoSurface() override;
    void play(const QString& source) override;
    void stop() override;
    void setPaused(bool paused) override;
    void setVolume(int percent) override;
    void setMuted(bool muted) override;
    void seek(double seconds) override;
    void setSizeMode(SizeMode mode) override;
    State state() const override { return m_state; }

    // A property as text, for tests and diagnostics.
    QString property(const char* name) const;

private:
    mpv_handle* engine();
    void observeProperties();
    void setProperty(const char* name, const QByteArray& value);
    MpvVideoWidget::Engine renderTarget();
    void drainEvents();
    void handle(const mpv_event& event);
    void handleProperty(const mpv_event& event);
    void loadAnswered(const mpv_event& event);
    void startedPlaying();
    void setState(State state);
    void endWithError(int error);
    void setHasVideo(bool hasVideo);
    void trackAnswered(const mpv_event& event);
    void command(std::initializer_list<const char*> args, bool async);

    Options m_options;
    const MpvLibrary* m_api = nullptr;
    mpv_handle* m_mpv = nullptr;
    bool m_engineTried = false;
    bool m_preparing = false; // its libraries are being loaded
    std::vector<std::pair<QByteArray, QByteArray>> m_heldProperties; // set before the engine ran
    QPointer<MpvVideoWidget> m_video;
    State m_state = State::Stopped;
    double m_duration = 0;
    QElapsedTimer m_positionThrottle;
    bool m_loading = false; // a file was handed over and has not started yet
    quint64 m_loadSerial = 0; // counts the loads asked for
    qint64 m_awaitedEntry = -1; // the playlist entry of the newest load; -1 until answered
    qint64 m_currentEntry = -1; // the entry that started last
    qint64 m_restartedEntry = -1; // the entry whose first frame came last
    qint64 m_trackKnownEntry = -1; // the entry last told to have a picture or not
    bool m_hasVideo = false; // the current file has a picture
};
