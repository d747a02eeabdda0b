#pragma once

#include "platform/MediaControls.h"

#include <QDBusConnection>
#include <QStringList>
#include <QVariantMap>

#include <optional>

class LazyBus;
class MprisPlayerAdaptor;

// The media controls on the session bus, as the desktop's media-player protocol
// (org.mpris.MediaPlayer2.vidorra) has them. The bus is reached off the user-interface
// thread and the name asked for without waiting; without a bus there are no controls.
class MprisService final : public MediaControls {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MprisService)
public:
    struct Identity {
        QString name; // shown by the desktop
        QString desktopEntry; // the launcher entry's name, without ".desktop"
        QStringList mimeTypes;
    };

    explicit MprisService(Identity identity, QObject* parent = nullptr);
    ~MprisService() override;

    void start() override;
    void publish(const MediaControlsState& state) override;
    void setPosition(double seconds) override { m_position = seconds; }

    // What the interfaces read.
    const MediaControlsState& state() const { return m_state; }
    double position() const { return m_position; }
    const Identity& identity() const { return m_identity; }
    QVariantMap metadata() const;
    QString trackPath() const;
    // The name owned on the bus; empty until the bus granted one.
    QString busName() const { return m_busName; }

    static const QString kObjectPath;
    static const QString kBaseName;

private:
    void exportOn(QDBusConnection& bus);
    void requestName(QDBusConnection& bus, const QString& name, bool lastTry);
    // The player's properties as they are now, to announce the ones that changed.
    QVariantMap playerProperties() const;

    Identity m_identity;
    LazyBus* m_bus;
    QObject* m_host;
    MprisPlayerAdaptor* m_player;
    std::optional<QDBusConnection> m_connection;
    QString m_busName;
    MediaControlsState m_state;
    QVariantMap m_announced;
    double m_position = 0;
};
