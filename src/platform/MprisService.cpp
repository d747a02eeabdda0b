#include "platform/MprisService.h"

#include "platform/LazyBus.h"
#include "platform/MprisAdaptors.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <cmath>

const QString MprisService::kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString MprisService::kBaseName = QStringLiteral("org.mpris.MediaPlayer2.vidorra");

namespace {

const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr int kAnswerWithinMs = 2000;
// RequestName's flag and answer: fail rather than queue; the name is ours.
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;

constexpr qlonglong microseconds(double seconds) { return static_cast<qlonglong>(seconds * 1e6); }

} // namespace

MprisService::MprisService(Identity identity, QObject* parent)
    : MediaControls(parent),
      m_identity(std::move(identity)),
      m_bus(new LazyBus(LazyBus::Kind::Session, this)),
      m_host(new QObject(this))
{
    new MprisRootAdaptor(m_host, *this);
    m_player = new MprisPlayerAdaptor(m_host, *this);
    m_announced = playerProperties();
}

MprisService::~MprisService()
{
    if (m_connection)
        m_connection->unregisterObject(kObjectPath);
}

void MprisService::start()
{
    m_bus->use([this](QDBusConnection& bus) { exportOn(bus); });
}

void MprisService::exportOn(QDBusConnection& bus)
{
    if (m_connection)
        return;
    if (!bus.registerObject(kObjectPath, m_host, QDBusConnection::ExportAdaptors))
        return;
    m_connection = bus;
    requestName(bus, kBaseName, false);
}

// Asked without waiting: the reply comes back through the event loop. Should another
// program hold the name, the protocol's per-process name is taken instead.
void MprisService::requestName(QDBusConnection& bus, const QString& name, bool lastTry)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("RequestName"));
    call << name << kDoNotQueue;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kAnswerWithinMs), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this, name, lastTry](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            const QDBusPendingReply<uint> reply = *w;
            if (!reply.isError() && reply.value() == kPrimaryOwner) {
                m_busName = name;
                return;
            }
            if (!lastTry && m_connection)
                requestName(*m_connection,
                    kBaseName + QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid()), true);
        });
}

void MprisService::publish(const MediaControlsState& state)
{
    m_state = state;
    const QVariantMap now = playerProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    m_announced = now;
    if (changed.isEmpty() || !m_connection)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    m_connection->send(signal);
}

QVariantMap MprisService::playerProperties() const
{
    return {
        {QStringLiteral("PlaybackStatus"), m_player->playbackStatus()},
        {QStringLiteral("Metadata"), metadata()},
        {QStringLiteral("Volume"), m_state.volume},
        {QStringLiteral("CanPlay"), m_state.canPlay},
        {QStringLiteral("CanPause"), m_state.canPause},
        {QStringLiteral("CanSeek"), m_state.canSeek},
        {QStringLiteral("CanGoNext"), m_state.canGoNext},
        {QStringLiteral("CanGoPrevious"), m_state.canGoNext},
    };
}

QString MprisService::trackPath() const
{
    return m_state.track ? QStringLiteral("/example/vidorra/track/%1").arg(m_state.track)
                         : QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");
}

// A station's song is the title and the station its artist, as panel players show them;
// anything else is titled by its own name.
QVariantMap MprisService::metadata() const
{
    QVariantMap data;
    data.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(trackPath())));
    if (m_state.itemName.isEmpty() && m_state.streamTitle.isEmpty())
        return data;
    if (m_state.streamTitle.isEmpty()) {
        data.insert(QStringLiteral("xesam:title"), m_state.itemName);
    } else {
        data.insert(QStringLiteral("xesam:title"), m_state.streamTitle);
        data.insert(QStringLiteral("xesam:artist"), QStringList {m_state.itemName});
        data.insert(QStringLiteral("xesam:album"), m_state.itemName);
    }
    if (m_state.lengthSeconds > 0 && std::isfinite(m_state.lengthSeconds))
        data.insert(QStringLiteral("mpris:length"), microseconds(m_state.lengthSeconds));
    return data;
}

// The root interface.

MprisRootAdaptor::MprisRootAdaptor(QObject* host, MprisService& service)
    : QDBusAbstractAdaptor(host), m_service(service)
{
}

QString MprisRootAdaptor::identity() const { return m_service.identity().name; }
QString MprisRootAdaptor::desktopEntry() const { return m_service.identity().desktopEntry; }
QStringList MprisRootAdaptor::supportedMimeTypes() const { return m_service.identity().mimeTypes; }

QStringList MprisRootAdaptor::supportedUriSchemes() const
{
    return {QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mms"),
        QStringLiteral("rtsp"), QStringLiteral("rtmp")};
}

void MprisRootAdaptor::Raise() { Q_EMIT m_service.raiseRequested(); }

// The player interface.

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* host, MprisService& service)
    : QDBusAbstractAdaptor(host), m_service(service)
{
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    switch (m_service.state().status) {
    case MediaControlsState::Status::Playing:
        return QStringLiteral("Playing");
    case MediaControlsState::Status::Paused:
        return QStringLiteral("Paused");
    case MediaControlsState::Status::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

QVariantMap MprisPlayerAdaptor::metadata() const { return m_service.metadata(); }
double MprisPlayerAdaptor::volume() const { return m_service.state().volume; }
qlonglong MprisPlayerAdaptor::position() const { return microseconds(m_service.position()); }
bool MprisPlayerAdaptor::canGoNext() const { return m_service.state().canGoNext; }
bool MprisPlayerAdaptor::canPlay() const { return m_service.state().canPlay; }
bool MprisPlayerAdaptor::canPause() const { return m_service.state().canPause; }
bool MprisPlayerAdaptor::canSeek() const { return m_service.state().canSeek; }

void MprisPlayerAdaptor::setVolume(double volume)
{
    if (std::isfinite(volume))
        Q_EMIT m_service.volumeRequested(std::clamp(volume, 0.0, 1.0));
}

void MprisPlayerAdaptor::Next() { Q_EMIT m_service.nextRequested(); }
void MprisPlayerAdaptor::Previous() { Q_EMIT m_service.previousRequested(); }
void MprisPlayerAdaptor::Pause() { Q_EMIT m_service.pauseRequested(); }
void MprisPlayerAdaptor::PlayPause() { Q_EMIT m_service.playPauseRequested(); }
void MprisPlayerAdaptor::Stop() { Q_EMIT m_service.stopRequested(); }
void MprisPlayerAdaptor::Play() { Q_EMIT m_service.playRequested(); }

void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    if (!canSeek())
        return;
    double to = m_service.position() + static_cast<double>(offset) / 1e6;
    const double length = m_service.state().lengthSeconds;
    if (to < 0)
        to = 0;
    if (length > 0 && to > length) {
        Q_EMIT m_service.nextRequested();
        return;
    }
    Q_EMIT m_service.seekRequested(to);
    Q_EMIT Seeked(microseconds(to));
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& track, qlonglong position)
{
    const double to = static_cast<double>(position) / 1e6;
    const double length = m_service.state().lengthSeconds;
    if (!canSeek() || track.path() != m_service.trackPath() || to < 0 || (length > 0 && to > length))
        return;
    Q_EMIT m_service.seekRequested(to);
    Q_EMIT Seeked(position);
}

void MprisPlayerAdaptor::OpenUri(const QString& uri) { Q_EMIT m_service.openRequested(uri); }
