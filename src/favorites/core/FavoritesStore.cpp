#include "favorites/core/FavoritesStore.h"

#include "base/FileIo.h"
#include "base/StoredField.h"
#include "catalogue/core/TreeBuilder.h"
#include "favorites/core/FavoritesFile.h"

FavoritesStore::FavoritesStore(Catalogue& catalogue, QString path)
    : m_catalogue(catalogue), m_favorites(catalogue.favorites), m_path(std::move(path))
{
}

int FavoritesStore::findAddress(QByteArrayView address) const
{
    for (int i = 0; i < m_favorites.size(); ++i) {
        if (m_favorites[i].address.view() == address)
            return i;
    }
    return -1;
}

bool FavoritesStore::commit(QVector<ChannelRecord> next)
{
    if (!m_catalogue.favoritesUnreadable.isEmpty()) {
        m_error = m_catalogue.favoritesUnreadable;
        return false;
    }
    m_error = FileIo::writeFileAtomically(m_path, FavoritesFile::toBytes(next) + m_catalogue.favoritesUnread);
    if (!m_error.isEmpty())
        return false;
    m_favorites = std::move(next);
    return true;
}

bool FavoritesStore::addChannel(const ChannelRecord& channel)
{
    QVector<ChannelRecord> next = m_favorites;
    const int existing = findAddress(channel.address);
    if (existing >= 0)
        next[existing] = channel;
    else
        next.append(channel);
    return commit(std::move(next));
}

bool FavoritesStore::addFile(const QString& path, std::uint8_t op)
{
    m_error.clear();
    const QByteArray address = StoredField::encodeAddress(path);
    if (address.isEmpty() || findAddress(address) >= 0)
        return false;
    ChannelRecord file;
    file.kind = ChannelRecord::ComputerFile;
    file.name = TreeBuilder::fileNameOf(path);
    file.op = op;
    file.address = address;
    return append(file);
}

bool FavoritesStore::append(const ChannelRecord& favorite)
{
    QVector<ChannelRecord> next = m_favorites;
    next.append(favorite);
    return commit(std::move(next));
}

bool FavoritesStore::appendAll(const QVector<ChannelRecord>& favorites)
{
    QVector<ChannelRecord> next;
    next.reserve(m_favorites.size() + favorites.size());
    next += m_favorites;
    next += favorites;
    return commit(std::move(next));
}

bool FavoritesStore::replace(int index, const ChannelRecord& favorite)
{
    m_error.clear();
    if (index < 0 || index >= m_favorites.size())
        return false;
    QVector<ChannelRecord> next = m_favorites;
    next[index] = favorite;
    return commit(std::move(next));
}

bool FavoritesStore::removeAddress(QByteArrayView address)
{
    QVector<ChannelRecord> next;
    for (const ChannelRecord& favorite : std::as_const(m_favorites)) {
        if (favorite.address.view() != address)
            next.append(favorite);
    }
    return commit(std::move(next)) && reload();
}

bool FavoritesStore::replaceFile(const QByteArray& bytes)
{
    if (!m_catalogue.favoritesUnreadable.isEmpty()) {
        m_error = m_catalogue.favoritesUnreadable;
        return false;
    }
    m_error = FileIo::writeFileAtomically(m_path, bytes);
    return m_error.isEmpty() && reload();
}

bool FavoritesStore::reload()
{
    const FileIo::ReadResult read = FileIo::readWholeFile(m_path);
    if (!read.ok()) {
        m_error = read.error;
        return false;
    }
    m_catalogue.replaceFavorites(read.bytes);
    m_error.clear();
    return true;
}
