#pragma once

#include "catalogue/core/ChannelRecord.h"
#include "catalogue/core/M3uPlaylist.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QUrl>
#include <QVector>

#include <optional>

// Playlists in and out of the favorites.
namespace PlaylistFavorites {

// The favorite an entry stands for; nothing when it has no address that can play from
// where the playlist came from. A playlist from the web gives only network addresses;
// one from this computer may name its files too, relative to its own folder.
std::optional<ChannelRecord> favoriteFrom(const M3uEntry& entry, const QUrl& playlistAddress);

// Gathers the favorites of a playlist read a part at a time.
class Import final {
public:
    Import(const QVector<ChannelRecord>& favorites, QUrl playlistAddress, int room);

    void take(const M3uPlaylist& part);
    const QVector<ChannelRecord>& added() const { return m_added; }
    int skipped() const { return m_skipped; } // already among the favorites, or twice in the playlist
    int unreadable() const { return m_unreadable; }
    int overflow() const { return m_overflow; } // left out: the favorites are full
    // The programme guides the playlist's header names ("url-tvg", "x-tvg-url"): web
    // addresses only, resolved against the playlist's own.
    const QStringList& guides() const { return m_guides; }
    // The guide id ("tvg-id") of each favorite added, by its stored address.
    const QHash<QByteArray, QString>& guideIds() const { return m_guideIds; }

private:
    QUrl m_address;
    int m_room;
    QSet<QByteArray> m_known;
    QVector<ChannelRecord> m_added;
    int m_skipped = 0;
    int m_unreadable = 0;
    int m_overflow = 0;
    QStringList m_guides;
    QHash<QByteArray, QString> m_guideIds;
};

// The favorites as an "#EXTM3U" playlist other players read: names, group-title from the
// category, tvg-country from the country, and the plain addresses.
QByteArray toPlaylist(const QVector<ChannelRecord>& favorites);

} // namespace PlaylistFavorites
