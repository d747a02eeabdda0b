#pragma once

#include "catalogue/core/ChannelRecord.h"
#include "catalogue/core/ListFormat.h"

#include <QVector>

// The catalogue in memory: TV, then radio, then movie-store records in `channels`, and
// the user's favorites.
struct Catalogue {
    QVector<ChannelRecord> channels;
    int tvEnd = 0; // index of the first radio record
    int radioEnd = 0; // index of the first movie-store record
    QVector<ChannelRecord> favorites;
    // The favorites file from the first line the reader did not take in (a malformed line,
    // lines past the limits): a rewrite keeps these bytes as they are, after the favorites.
    QByteArray favoritesUnread;
    // Why the favorites file could not be read at all; while set, it is never rewritten.
    QString favoritesUnreadable;
    bool movieStoreLoaded = false;

    int channelCount() const { return static_cast<int>(channels.size()); }
    int favoriteCount() const { return static_cast<int>(favorites.size()); }

    void clear();
    // Appends the records of one list file, within the 32,767-record limit. The result
    // tells how the reading ended; its records are in `channels`.
    ListFormat::ReadResult appendList(ListFormat::Kind kind, const QByteArray& bytes);
    // Replaces the favorites with those of the favorites file, keeping what it did not take in.
    ListFormat::ReadResult replaceFavorites(const QByteArray& bytes);

    const ChannelRecord* channel(int index) const;
    const ChannelRecord* favorite(int index) const;
};
