#include "catalogue/core/Catalogue.h"

void Catalogue::clear()
{
    channels.clear();
    favorites.clear();
    favoritesUnread.clear();
    favoritesUnreadable.clear();
}

ListFormat::ReadResult Catalogue::appendList(ListFormat::Kind kind, const QByteArray& bytes)
{
    ListFormat::ReadResult result;
    const int before = channelCount();
    ListFormat::readInto(kind, bytes, ListFormat::kMaxRecords - before, channels, result);
    if (kind == ListFormat::Kind::MovieStore && channelCount() > before)
        movieStoreLoaded = true;
    // The boundaries follow every read, also of a list that is empty or stopped at a bad
    // line, so the records before them always keep their kind's place.
    if (kind == ListFormat::Kind::Tv)
        tvEnd = channelCount();
    else if (kind == ListFormat::Kind::Radio)
        radioEnd = channelCount();
    return result;
}

ListFormat::ReadResult Catalogue::replaceFavorites(const QByteArray& bytes)
{
    ListFormat::ReadResult result = ListFormat::read(ListFormat::Kind::Favorites, bytes);
    favorites = result.records;
    favoritesUnread = result.unreadFrom >= 0 ? bytes.mid(result.unreadFrom) : QByteArray();
    favoritesUnreadable.clear();
    return result;
}

const ChannelRecord* Catalogue::channel(int index) const
{
    return index >= 0 && index < channelCount() ? &channels[index] : nullptr;
}

const ChannelRecord* Catalogue::favorite(int index) const
{
    return index >= 0 && index < favoriteCount() ? &favorites[index] : nullptr;
}
