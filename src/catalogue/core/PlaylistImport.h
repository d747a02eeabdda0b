#pragma once

#include "catalogue/core/ChannelRecord.h"
#include "catalogue/core/M3uPlaylist.h"

// Turns playlist entries into catalogue records for the list files.
namespace PlaylistImport {

struct Defaults {
    std::uint8_t kind = ChannelRecord::Tv;
    QString country; // used when an entry names none
    QString category; // likewise; "0" when unknown
    std::uint8_t op = 1;
};

// The entry's name without the trailing tags playlists add: "(720p)", "[Not 24/7]", "[Geo-blocked]".
QString cleanTitle(const QString& title);
// The category word a group title stands for, or "0".
QString categoryFor(const QString& groupTitle);
// The page a movie-store entry shows: it opens the store's address.
QString storePage(const QString& url, const QString& name);
// Only web addresses play from a list.
bool isPlayableAddress(const QString& url);

// Attributes read: tvg-name, tvg-country (ISO code or country key), group-title, and the
// list writer's own vidorra-kind ("tv", "radio", "store"), vidorra-player, vidorra-bandwidth,
// vidorra-info. The address is scrambled as the lists store it.
ChannelRecord toRecord(const M3uEntry& entry, const Defaults& defaults);

} // namespace PlaylistImport
