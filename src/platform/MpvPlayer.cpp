#include "platform/MpvPlayer.h"

#include "platform/MpvLibrary.h"
#include "platform/MpvVideoWidget.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QThreadPool>

#include <clocale>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Properties the players follow, with the ids their events carry.
enum PropertyId : quint64 { Pause = 1, PausedForCache, TimePos, Duration, StreamTitle, VideoTrack, Volume, Seekable };

constexpr int kPositionEveryMs = 250;

// The reply to a load carries its serial with this bit, apart from the properties' ids.
constexpr quint64 kLoadReply = quint64(1) << 62;
constexpr quint64 kTrackReply = quint64(1) << 61; // with the playlist entry asked about

// The system's sound outputs, tried in this order, as the engine would. SDL's is left
// out: on Linux it plays through these same systems (and sndio, rarely seen there), and
// where none of them finds a device its failure takes 100 ms of every file loaded (it
// waits for its hot-plug thread, which sleeps 100 ms at a time). A name this engine
// lacks is passed over.
constexpr char kSoundOutputs[] = "pipewire,pulse,alsa,jack";

} // namespace

MpvPlayer::MpvPlayer(Options options, QObject* parent) : MediaPlayer(parent), m_options(options) { }

// libmpv's libraries are loaded off this thread (the longest part); the engine is then
// made here. A play meanwhile waits for the loading to end and makes the engine itself.
void MpvPlayer::prepare()
{
    if (m_engineTried || m_preparing)
        return;
    m_preparing = true;
    QThreadPool::globalInstance()->start([self = QPointer<MpvPlayer>(this)] {
        MpvLibrary::get();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self)
                    self->engine();
            },
            Qt::QueuedConnection);
    });
}

// The engine is made at its first use (or when asked to prepare), never while the
// program starts: what was set before then is handed to it once it runs.
mpv_handle* MpvPlayer::engine()
{
    if (m_engineTried)
        return m_mpv;
    m_engineTried = true;
    m_api = MpvLibrary::get();
    if (!m_api)
        return nullptr;
    // libmpv refuses to start with a locale whose numbers are not written the C way.
    std::setlocale(LC_NUMERIC, "C");
    m_mpv = m_api->create();
    if (!m_mpv)
        return nullptr;
    for (const auto& [name, value] : engineOptions(m_options))
        m_api->setOptionString(m_mpv, name.constData(), value.constData());
    if (m_api->initialize(m_mpv) < 0) {
        m_api->terminateDestroy(m_mpv);
        m_mpv = nullptr;
        return nullptr;
    }
    observeProperties();
    m_api->setWakeupCallback(
        m_mpv,
        [](void* self) {
            QMetaObject::invokeMethod(
                static_cast<MpvPlayer*>(self), &MpvPlayer::drainEvents, Qt::QueuedConnection);
        },
        this);
    m_positionThrottle.start();
    for (const auto& [name, value] : std::exchange(m_heldProperties, {}))
        m_api->setPropertyString(m_mpv, name.constData(), value.constData());
    return m_mpv;
}

void MpvPlayer::observeProperties()
{
    m_api->observeProperty(m_mpv, Pause, "pause", MPV_FORMAT_FLAG);
    m_api->observeProperty(m_mpv, PausedForCache, "paused-for-cache", MPV_FORMAT_FLAG);
    m_api->observeProperty(m_mpv, TimePos, "time-pos", MPV_FORMAT_DOUBLE);
    m_api->observeProperty(m_mpv, Duration, "duration", MPV_FORMAT_DOUBLE);
    m_api->observeProperty(m_mpv, StreamTitle, "metadata/by-key/icy-title", MPV_FORMAT_STRING);
    m_api->observeProperty(m_mpv, Volume, "volume", MPV_FORMAT_DOUBLE);
    m_api->observeProperty(m_mpv, Seekable, "seekable", MPV_FORMAT_FLAG);
    // Reported in order with the file's other events: unavailable between files and for
    // sound alone, a number while a picture track plays.
    m_api->observeProperty(m_mpv, VideoTrack, "current-tracks/video/id", MPV_FORMAT_INT64);
}

// Set at once on a running engine; held until it runs otherwise, the newest value of each.
void MpvPlayer::setProperty(const char* name, const QByteArray& value)
{
    if (m_mpv) {
        m_api->setPropertyString(m_mpv, name, value.constData());
        return;
    }
    if (m_engineTried)
        return;
    for (auto& held : m_heldProperties) {
        if (held.first == name) {
            held.second = value;
            return;
        }
    }
    m_heldProperties.emplace_back(name, value);
}

QList<std::pair<QByteArray, QByteArray>> MpvPlayer::engineOptions(const Options& options)
{
    using Option = std::pair<QByteArray, QByteArray>;
    QList<Option> set = {Option {"vo", options.nullOutputs ? "null" : "libmpv"}};
    if (!options.audioDevice.isEmpty())
        set << Option {"audio-device", options.audioDevice};
    else if (options.nullOutputs)
        set << Option {"ao", "null"};
    else
        set << Option {"ao", kSoundOutputs};
    set << Option {"ytdl", "no"} << Option {"idle", "yes"} << Option {"keep-open", "no"}
        << Option {"input-default-bindings", "no"} << Option {"input-vo-keyboard", "no"}
        << Option {"osc", "no"} << Option {"terminal", "no"} << Option {"hwdec", "no"}
        << Option {"network-timeout", QByteArray::number(options.networkTimeoutSeconds)};
    // Scripts, the engine's own or the user's, have no part in an embedded player: each
    // would run in a thread and a Lua state of its own.
    set << Option {"load-scripts", "no"} << Option {"load-stats-overlay", "no"}
        << Option {"load-osd-console", "no"} << Option {"load-auto-profiles", "no"};
    return set;
}

MpvPlayer::~MpvPlayer()
{
    if (!m_mpv)
        return;
    m_api->setWakeupCallback(m_mpv, nullptr, nullptr);
    if (m_video)
        m_video->release();
    m_api->terminateDestroy(m_mpv);
}

// The picture's widget can be placed before the engine runs; it draws once it does.
QWidget* MpvPlayer::videoSurface()
{
    if (!m_video && !m_options.nullOutputs)
        m_video = new MpvVideoWidget(
            [this] { return renderTarget(); }, m_options.drawing); // owned by whichever window shows it
    return m_video;
}

MpvVideoWidget::Engine MpvPlayer::renderTarget()
{
    return engine() ? MpvVideoWidget::Engine {m_mpv, m_api} : MpvVideoWidget::Engine {};
}

void MpvPlayer::command(std::initializer_list<const char*> args, bool async)
{
    if (!m_mpv)
        return;
    std::vector<const char*> list(args);
    list.push_back(nullptr);
    if (async)
        m_api->commandAsync(m_mpv, 0, list.data());
    else
        m_api->command(m_mpv, list.data());
}

void MpvPlayer::play(const QString& source)
{
    if (!engine()) {
        Q_EMIT failed(QStringLiteral("The media engine could not start"));
        setState(State::Failed);
        return;
    }
    if (source.trimmed().isEmpty()) {
        m_loading = false;
        Q_EMIT failed(QStringLiteral("There is no address to play"));
        setState(State::Failed);
        return;
    }
    m_loading = true;
    m_awaitedEntry = -1;
    ++m_loadSerial;
    const QByteArray utf8 = source.toUtf8();
    // Asynchronous: opening a slow stream must not hold the window. A new item never
    // starts paused, whatever the last one was. The reply names the load's playlist entry,
    // which tells the new item's events from those of the items it replaced.
    const char* load[] = {"loadfile", utf8.constData(), "replace", "pause=no", nullptr};
    m_api->commandAsync(m_mpv, kLoadReply | m_loadSerial, load);
    setState(State::Loading);
}

void MpvPlayer::stop()
{
    m_loading = false;
    // At once, not queued: a loadfile issued right after must not be overtaken by it.
    command({"stop"}, false);
}

void MpvPlayer::setPaused(bool paused)
{
    setProperty("pause", paused ? "yes" : "no");
}

void MpvPlayer::setVolume(int percent)
{
    setProperty("volume", QByteArray::number(std::clamp(percent, 0, 100)));
}

void MpvPlayer::setMuted(bool muted)
{
    setProperty("mute", muted ? "yes" : "no");
}

void MpvPlayer::seek(double seconds)
{
    const QByteArray to = QByteArray::number(seconds, 'f', 3);
    command({"seek", to.constData(), "absolute"}, true);
}

void MpvPlayer::setSizeMode(SizeMode mode)
{
    setProperty("video-unscaled", mode == SizeMode::Natural ? "yes" : "no");
    setProperty("keepaspect", mode == SizeMode::Stretch ? "no" : "yes");
}

QString MpvPlayer::property(const char* name) const
{
    if (!m_mpv)
        return {};
    char* value = m_api->getPropertyString(m_mpv, name);
    const QString text = value ? QString::fromUtf8(value) : QString();
    m_api->free(value);
    return text;
}

void MpvPlayer::drainEvents()
{
    while (m_mpv) {
        const mpv_event* event = m_api->waitEvent(m_mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        handle(*event);
    }
}

void MpvPlayer::handle(const mpv_event& event)
{
    switch (event.event_id) {
    case MPV_EVENT_COMMAND_REPLY:
        loadAnswered(event);
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        // The first frame (or sound) of a file, and again after each seek.
        m_restartedEntry = m_currentEntry;
        startedPlaying();
        break;
    case MPV_EVENT_START_FILE:
        m_currentEntry = static_cast<const mpv_event_start_file*>(event.data)->playlist_entry_id;
        setHasVideo(false); // nothing is known of the new file's tracks yet
        break;
    case MPV_EVENT_FILE_LOADED:
        // The observed track may not change between two videos; ask, without waiting for
        // the answer: libmpv may first wait for this thread to draw the file's first
        // frame, and gives up on that only after 200 ms.
        m_api->getPropertyAsync(
            m_mpv, kTrackReply | quint64(m_currentEntry), "current-tracks/video/id", MPV_FORMAT_INT64);
        break;
    case MPV_EVENT_GET_PROPERTY_REPLY:
        trackAnswered(event);
        break;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<const mpv_event_end_file*>(event.data);
        const bool replaced = m_loading && end->playlist_entry_id != m_awaitedEntry;
        if (replaced) {
            // An item given up for a newer one: only its stop is told, as players report it.
            if (end->reason == MPV_END_FILE_REASON_STOP)
                setState(State::Stopped);
        } else if (end->reason == MPV_END_FILE_REASON_EOF) {
            m_loading = false;
            setState(State::Ended);
        } else if (end->reason == MPV_END_FILE_REASON_ERROR) {
            m_loading = false;
            endWithError(end->error);
        } else if (end->reason == MPV_END_FILE_REASON_STOP) {
            setState(State::Stopped);
        }
        break;
    }
    case MPV_EVENT_PROPERTY_CHANGE:
        handleProperty(event);
        break;
    default:
        break;
    }
}

void MpvPlayer::loadAnswered(const mpv_event& event)
{
    if (event.reply_userdata != (kLoadReply | m_loadSerial))
        return;
    if (event.error < 0) {
        m_loading = false;
        Q_EMIT failed(QString::fromUtf8(m_api->errorString(event.error)));
        setState(State::Failed);
        return;
    }
    const auto* reply = static_cast<const mpv_event_command*>(event.data);
    if (reply->result.format != MPV_FORMAT_NODE_MAP)
        return;
    const mpv_node_list* map = reply->result.u.list;
    for (int i = 0; i < map->num; ++i) {
        if (std::strcmp(map->keys[i], "playlist_entry_id") == 0 && map->values[i].format == MPV_FORMAT_INT64)
            m_awaitedEntry = map->values[i].u.int64;
    }
    startedPlaying(); // the item may have begun before its load was answered
}

// Whether the file playing now has a picture. Should it have ended already, the track is
// gone and the answer is no picture, which is right; an older file's answer says nothing.
void MpvPlayer::trackAnswered(const mpv_event& event)
{
    if (event.reply_userdata != (kTrackReply | quint64(m_currentEntry)))
        return;
    const auto* property = static_cast<const mpv_event_property*>(event.data);
    setHasVideo(event.error >= 0 && property->format == MPV_FORMAT_INT64 && property->data);
    m_trackKnownEntry = m_currentEntry;
    startedPlaying(); // held until now, so the picture or the sound panel shows at once
}

// Playing begins with the first frame of the newest item, once it is known whether the
// item has a picture; an older item's first frame says nothing.
void MpvPlayer::startedPlaying()
{
    if (!m_loading || m_awaitedEntry < 0 || m_restartedEntry != m_awaitedEntry
        || m_trackKnownEntry != m_awaitedEntry)
        return;
    m_loading = false;
    setState(State::Playing);
}

// Without a sound device the engine still shows a picture, and reports the end of such a
// file as an error: a file that showed video has simply ended. Sound alone cannot be heard.
void MpvPlayer::endWithError(int error)
{
    if (error == MPV_ERROR_AO_INIT_FAILED && m_hasVideo) {
        setState(State::Ended);
        return;
    }
    Q_EMIT failed(error == MPV_ERROR_AO_INIT_FAILED
            ? tr("there is no sound device, so this cannot be heard")
            : QString::fromUtf8(m_api->errorString(error)));
    setState(State::Failed);
}

void MpvPlayer::handleProperty(const mpv_event& event)
{
    const auto* property = static_cast<const mpv_event_property*>(event.data);
    if (event.reply_userdata == VideoTrack) {
        setHasVideo(property->format == MPV_FORMAT_INT64 && property->data);
        return;
    }
    if (event.reply_userdata == StreamTitle) {
        const bool has = property->format == MPV_FORMAT_STRING && property->data;
        Q_EMIT streamTitleChanged(has ? QString::fromUtf8(*static_cast<char**>(property->data)) : QString());
        return;
    }
    if (event.reply_userdata == Seekable) {
        Q_EMIT seekableChanged(property->format == MPV_FORMAT_FLAG && property->data
            && *static_cast<int*>(property->data));
        return;
    }
    if (!property->data)
        return;
    switch (event.reply_userdata) {
    case Volume:
        Q_EMIT volumeChanged(static_cast<int>(std::lround(*static_cast<double*>(property->data))));
        break;

    case Pause:
        if (m_state == State::Playing || m_state == State::Paused)
            setState(*static_cast<int*>(property->data) ? State::Paused : State::Playing);
        break;
    case PausedForCache:
        Q_EMIT bufferingChanged(*static_cast<int*>(property->data) != 0);
        break;
    case Duration:
        m_duration = *static_cast<double*>(property->data);
        break;
    case TimePos:
        // time-pos changes with every frame; the seek bar needs a few updates a second.
        if (m_positionThrottle.elapsed() >= kPositionEveryMs) {
            m_positionThrottle.restart();
            Q_EMIT positionChanged(*static_cast<double*>(property->data), m_duration);
        }
        break;
    default:
        break;
    }
}

void MpvPlayer::setHasVideo(bool hasVideo)
{
    if (hasVideo == m_hasVideo)
        return;
    m_hasVideo = hasVideo;
    Q_EMIT videoChanged(hasVideo);
}

void MpvPlayer::setState(State state)
{
    if (m_state == state && state != State::Ended && state != State::Stopped)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}
