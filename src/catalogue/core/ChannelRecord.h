#pragma once

#include "base/SharedBytes.h"
#include "base/StoredText.h"

#include <QString>

#include <cstdint>

// Every playable item: a TV channel, a radio station, a movie-store entry or a favorite.
struct ChannelRecord {
    enum Kinds : std::uint8_t { Radio = 0, Tv = 1, ComputerFile = 2, MovieStore = 3 };

    std::uint8_t kind = 0;
    // The player: 0 RealAudio, 1 Windows Media, 2 third family, 3 QuickTime, 4 none, 5 movie store.
    std::uint8_t op = 0;
    QString country;
    QString category;
    QString name;
    // As stored: scrambled for TV, radio and favorites; an HTML fragment in clear for the
    // movie store. Kept as the file's bytes (shared with the list read) so a rewrite stores
    // exactly what was read.
    SharedBytes address;
    QString bandwidth;
    // Shown for the selected item and searched on request only, so kept as stored.
    StoredText info;

    bool operator==(const ChannelRecord&) const = default;
};
// Every member may be moved in memory as it is, so a growing catalogue moves by memcpy.
Q_DECLARE_TYPEINFO(ChannelRecord, Q_RELOCATABLE_TYPE);
